#include "ui/boardpainter.h"

#include <algorithm>

#include <QPainter>

#include "model/model.h"
#include "ui/qtext.h"

namespace klettra::ui {

using model::CellKind::Background;
using model::CellKind::Blank;

const QColor BoardPainter::OutlineColour{128, 128, 128};
const QColor BoardPainter::LetterColour{0, 0, 0};
const QColor BoardPainter::FirstLetterColour{255, 0, 0};

namespace {

QFont boardFont(int pixelSize)
{
    // Crisp, unsmoothed glyphs: at 9 and 11 pixels they read better in a 16-pixel cell, and
    // every pixel of a letter has exactly its colour.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

} // namespace

BoardPainter::BoardPainter(QColor backgroundFill)
    : m_backgroundFill(backgroundFill)
    , m_letterFont(boardFont(11))
    , m_numberFont(boardFont(9))
{}

QRect BoardPainter::cellPixels(int x, int y)
{
    return QRect((x - 1) * CellSize, (y - 1) * CellSize, CellSize + 1, CellSize + 1);
}

QRect BoardPainter::pixelsOf(const model::CellRect &rect)
{
    if (rect.isEmpty())
        return {};
    return cellPixels(rect.x1, rect.y1).united(cellPixels(rect.x2, rect.y2));
}

void BoardPainter::paint(QPainter &painter, const model::Model &model, const model::CellRect &rect,
                         bool showLetters) const
{
    // Only board cells are drawn, whatever rectangle a caller passes.
    const int x1 = std::max(rect.x1, 1);
    const int x2 = std::min(rect.x2, model::BoardWidth);
    const int y1 = std::max(rect.y1, 1);
    const int y2 = std::min(rect.y2, model::BoardHeight);
    for (int x = x1; x <= x2; ++x) {
        for (int y = y1; y <= y2; ++y)
            paintCell(painter, model, x, y, showLetters);
    }
}

void BoardPainter::paintCell(QPainter &painter, const model::Model &model, int x, int y,
                             bool showLetters) const
{
    const model::Cell &cell = model.cells(x, y);
    const QRect square = cellPixels(x, y);
    QColor fill = Qt::white;
    if (cell.Kind == Background)
        fill = m_backgroundFill;
    else if (cell.Kind == Blank)
        fill = Qt::black;
    painter.fillRect(square, OutlineColour);
    painter.fillRect(square.adjusted(1, 1, -1, -1), fill);

    // Text starts 3 pixels below the square's top and is kept inside the white interior.
    const int right = x * CellSize - 1;
    const int top = y * CellSize - 14;
    const int height = 14;
    const char letter = model.letters(x, y);
    if (showLetters && letter != ' ') {
        painter.setFont(m_letterFont);
        painter.setPen(model::isStartKind(cell.Kind) ? FirstLetterColour : LetterColour);
        const int left = x * CellSize - 14;
        painter.drawText(QRect(left, top, right - left + 1, height), Qt::AlignLeft | Qt::AlignTop,
                         fromCp1251(std::string_view(&letter, 1)));
    } else if (model::isStartKind(cell.Kind)) {
        const QString number = QString::number(cell.Number);
        painter.setFont(m_numberFont);
        painter.setPen(LetterColour);
        // One, two or three digits start 5, 3 or 1 pixels right of the square's left edge.
        const int left = x * CellSize - 10 - 2 * int(number.size());
        painter.drawText(QRect(left, top, right - left + 1, height), Qt::AlignLeft | Qt::AlignTop, number);
    }
}

} // namespace klettra::ui
