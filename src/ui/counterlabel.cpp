#include "ui/counterlabel.h"

#include <QPainter>

namespace klettra::ui {

CounterLabel::CounterLabel(QColor colour, int pixelSize, QWidget *parent)
    : QWidget(parent)
    , m_colour(colour)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixelSize);
    f.setBold(true);
    setFont(f);
}

void CounterLabel::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    updateGeometry();
    update();
}

QSize CounterLabel::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {std::max(40, metrics.horizontalAdvance(m_text) + 4), std::max(22, metrics.height() + 1)};
}

void CounterLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(font());
    const QRect area = rect().adjusted(0, 0, -1, -1);
    painter.setPen(Qt::black);
    painter.drawText(area.translated(1, 1), Qt::AlignCenter, m_text);
    painter.setPen(m_colour);
    painter.drawText(area, Qt::AlignCenter, m_text);
}

} // namespace klettra::ui
