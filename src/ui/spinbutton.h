#pragma once

#include <QWidget>

class QToolButton;

namespace klettra::ui {

/// A pair of small arrow buttons, up over down, for stepping through a number.
class SpinButton : public QWidget
{
    Q_OBJECT
public:
    explicit SpinButton(QWidget *parent = nullptr);

    QToolButton *upButton() const { return m_up; }
    QToolButton *downButton() const { return m_down; }

Q_SIGNALS:
    void upClicked();
    void downClicked();

private:
    QToolButton *m_up;
    QToolButton *m_down;
};

} // namespace klettra::ui
