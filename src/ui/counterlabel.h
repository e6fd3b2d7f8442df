#pragma once

#include <QColor>
#include <QWidget>

namespace klettra::ui {

/// A counter of the side bar: large coloured digits with a black shadow to the bottom right.
class CounterLabel : public QWidget
{
    Q_OBJECT
public:
    CounterLabel(QColor colour, int pixelSize, QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);
    void setNumber(qint64 value) { setText(QString::number(value)); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
    QColor m_colour;
};

} // namespace klettra::ui
