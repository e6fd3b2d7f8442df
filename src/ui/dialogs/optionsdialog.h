#pragma once

#include <QDialog>

class QCheckBox;
class QRadioButton;

namespace klettra::ui {

/// "Настройки": the slot priority and three switches of composing. A value collector: the
/// caller fills it, runs exec() and on acceptance reads the values back.
class TFormOptions : public QDialog
{
    Q_OBJECT
public:
    explicit TFormOptions(QWidget *parent = nullptr);

    /// Checks the radio button of priority 1, 2 or 3; any other value leaves the buttons as
    /// they were when the dialog last closed.
    void setPrioritetSlov(int value);
    void setCreateWithoutPovtors(bool on);
    void setCenterResh(bool on);
    void setNotUseWordsWithoutVopros(bool on);

    /// The checked priority, or `previous` when no radio button is checked.
    int prioritetSlov(int previous) const;
    bool createWithoutPovtors() const;
    bool centerResh() const;
    bool notUseWordsWithoutVopros() const;

private:
    QRadioButton *m_radio[3];
    QCheckBox *m_withoutPovtors;
    QCheckBox *m_center;
    QCheckBox *m_skipUnclued;
};

} // namespace klettra::ui
