#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>

#include "model/board.h"

class QPainter;

namespace klettra::model {
class Model;
}

namespace klettra::ui {

/// Draws board cells from the model: the fill of each cell kind with a grey outline, the clue
/// number of a start cell, or the letter when letters are shown (red on start cells, black
/// elsewhere). Shared by the screen and anything else that draws the board at 17 pixels a cell.
class BoardPainter
{
public:
    static constexpr int CellSize = 17;
    /// The whole board: 47 x 37 cells sharing their one-pixel outlines.
    static constexpr QSize ImageSize{model::BoardWidth * CellSize + 1, model::BoardHeight *CellSize + 1};

    static const QColor OutlineColour;
    static const QColor LetterColour;
    static const QColor FirstLetterColour;

    /// `backgroundFill` is the fill of background cells, the window's own button-face colour.
    explicit BoardPainter(QColor backgroundFill);

    /// Pixels covered by board cell (x, y), outline included: 18 x 18 from ((x-1)*17, (y-1)*17).
    static QRect cellPixels(int x, int y);
    /// Pixels covered by a rectangle of cells.
    static QRect pixelsOf(const model::CellRect &rect);

    /// Repaints the cells of `rect`; letters take the place of numbers when `showLetters`.
    void paint(QPainter &painter, const model::Model &model, const model::CellRect &rect,
               bool showLetters) const;

private:
    void paintCell(QPainter &painter, const model::Model &model, int x, int y, bool showLetters) const;

    QColor m_backgroundFill;
    QFont m_letterFont;
    QFont m_numberFont;
};

} // namespace klettra::ui
