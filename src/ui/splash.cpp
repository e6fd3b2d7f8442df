#include "ui/splash.h"

#include <QLinearGradient>
#include <QPainter>

#include "ui/appinfo.h"

namespace klettra::ui {

namespace {

constexpr int Width = 420;
constexpr int Height = 260;
constexpr int Cell = 26;

void drawWord(QPainter &painter, QPoint origin, const QString &word, bool horizontal)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(17);
    font.setBold(true);
    painter.setFont(font);
    for (qsizetype i = 0; i < word.size(); ++i) {
        const QPoint at = origin + (horizontal ? QPoint(int(i) * Cell, 0) : QPoint(0, int(i) * Cell));
        const QRect cell(at, QSize(Cell, Cell));
        painter.fillRect(cell, Qt::white);
        painter.setPen(QColor(128, 128, 128));
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
        painter.setPen(i == 0 ? Qt::red : Qt::black);
        painter.drawText(cell, Qt::AlignCenter, word.at(i));
    }
}

} // namespace

QPixmap splashPixmap()
{
    QPixmap pixmap(Width, Height);
    QPainter painter(&pixmap);
    QLinearGradient gradient(0, 0, 0, Height);
    gradient.setColorAt(0, QColor(36, 70, 140));
    gradient.setColorAt(1, QColor(12, 28, 70));
    painter.fillRect(pixmap.rect(), gradient);

    // КЛЕТТРА across, with СЛОВО and ТЕКСТ crossing it at its Л and its first Т.
    const QPoint across(40, 110);
    drawWord(painter, across, QStringLiteral("КЛЕТТРА"), true);
    drawWord(painter, across + QPoint(Cell, -Cell), QStringLiteral("СЛОВО"), false);
    drawWord(painter, across + QPoint(3 * Cell, 0), QStringLiteral("ТЕКСТ"), false);

    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPixelSize(34);
    titleFont.setBold(true);
    painter.setFont(titleFont);
    painter.setPen(Qt::white);
    painter.drawText(QRect(230, 60, 180, 50), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Klettra"));

    QFont textFont(QStringLiteral("Arial"));
    textFont.setPixelSize(14);
    painter.setFont(textFont);
    painter.drawText(QRect(230, 108, 180, 24), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("версия ") + AppInfo::version());
    painter.drawText(QRect(230, 140, 180, 60), Qt::AlignLeft | Qt::TextWordWrap,
                     QStringLiteral("Составление кроссвордов"));
    return pixmap;
}

} // namespace klettra::ui
