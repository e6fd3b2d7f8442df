#include "editor/templatefinishing.h"

#include <algorithm>
#include <array>
#include <vector>

#include "model/gridcells.h"

namespace klettra::editor {

using model::BoardHeight;
using model::BoardWidth;
using model::Cell;
using model::GridCells;
using model::GridColumns;
using model::GridRows;
using model::CellKind::Background;
using model::CellKind::Blank;

namespace {

bool isNonLetter(char kind)
{
    return !model::isLetterKind(kind);
}

// Half of `twice`, rounded to the nearest whole number with a half going to the even neighbour.
int halfToEven(int twice)
{
    const int lower = twice >= 0 ? twice / 2 : -((1 - twice) / 2); // rounded down
    return twice % 2 == 0 || lower % 2 == 0 ? lower : lower + 1;
}

struct Bounds
{
    int left = BoardWidth + 1;
    int right = 0;
    int top = BoardHeight + 1;
    int bottom = 0;

    bool isEmpty() const { return right == 0; }
};

Bounds nonBackgroundBounds(const GridCells &cells)
{
    Bounds b;
    for (int x = 1; x <= BoardWidth; ++x) {
        for (int y = 1; y <= BoardHeight; ++y) {
            if (cells(x, y).Kind == Background)
                continue;
            b.left = std::min(b.left, x);
            b.right = std::max(b.right, x);
            b.top = std::min(b.top, y);
            b.bottom = std::max(b.bottom, y);
        }
    }
    return b;
}

} // namespace

int countStartCells(const GridCells &cells)
{
    int count = 0;
    for (int x = 1; x <= BoardWidth; ++x) {
        for (int y = 1; y <= BoardHeight; ++y)
            count += model::isStartKind(cells(x, y).Kind) ? 1 : 0;
    }
    return count;
}

bool numberStartCells(GridCells &cells)
{
    const int count = countStartCells(cells);
    if (count == 0 || count > model::MaxSlots)
        return false;
    int next = 1;
    for (int y = 1; y <= BoardHeight; ++y) {
        for (int x = 1; x <= BoardWidth; ++x) {
            if (model::isStartKind(cells(x, y).Kind))
                cells(x, y).Number = static_cast<std::uint8_t>(next++);
        }
    }
    return true;
}

CentringShift centringShift(const GridCells &cells)
{
    const Bounds b = nonBackgroundBounds(cells);
    if (b.isEmpty())
        return {};
    return {halfToEven((BoardWidth - b.right) - (b.left - 1)),
            halfToEven((BoardHeight - b.bottom) - (b.top - 1))};
}

bool shiftGrid(GridCells &cells, CentringShift shift)
{
    const Bounds b = nonBackgroundBounds(cells);
    if (!b.isEmpty() && (b.left + shift.dx < 1 || b.right + shift.dx > BoardWidth || b.top + shift.dy < 1 ||
                         b.bottom + shift.dy > BoardHeight))
        return false;
    GridCells moved;
    for (int x = 1; x <= BoardWidth; ++x) {
        for (int y = 1; y <= BoardHeight; ++y) {
            const int fromX = x - shift.dx;
            const int fromY = y - shift.dy;
            if (model::isOnBoard(fromX, fromY))
                moved(x, y) = cells(fromX, fromY);
        }
    }
    cells = moved;
    return true;
}

void markEnclosedBlanks(GridCells &cells)
{
    // Flood the background from the border, which surrounds the board and is background itself.
    std::array<bool, std::size_t(GridColumns) * GridRows> reached{};
    const auto at = [](int x, int y) {
        return static_cast<std::size_t>(x * GridRows + y);
    };
    std::vector<std::pair<int, int>> pending;
    for (int x = 0; x < GridColumns; ++x) {
        for (int y = 0; y < GridRows; ++y) {
            if (!model::isOnBoard(x, y) && isNonLetter(cells(x, y).Kind)) {
                reached[at(x, y)] = true;
                pending.emplace_back(x, y);
            }
        }
    }
    while (!pending.empty()) {
        const auto [x, y] = pending.back();
        pending.pop_back();
        for (const auto &[nx, ny] :
             {std::pair{x - 1, y}, std::pair{x + 1, y}, std::pair{x, y - 1}, std::pair{x, y + 1}}) {
            if (!model::isOnBoard(nx, ny) || reached[at(nx, ny)] || !isNonLetter(cells(nx, ny).Kind))
                continue;
            reached[at(nx, ny)] = true;
            pending.emplace_back(nx, ny);
        }
    }
    for (int x = 1; x <= BoardWidth; ++x) {
        for (int y = 1; y <= BoardHeight; ++y) {
            if (isNonLetter(cells(x, y).Kind))
                cells(x, y).Kind = reached[at(x, y)] ? Background : Blank;
        }
    }
}

void clearNonStartBytes(GridCells &cells)
{
    for (int x = 0; x < GridColumns; ++x) {
        for (int y = 0; y < GridRows; ++y) {
            Cell &c = cells(x, y);
            if (!model::isStartKind(c.Kind))
                c = Cell{c.Kind, 0, 0, 0};
        }
    }
}

void prepareForEditing(GridCells &cells)
{
    for (int x = 1; x <= BoardWidth; ++x) {
        for (int y = 1; y <= BoardHeight; ++y) {
            Cell &c = cells(x, y);
            if (c.Kind == Blank)
                c.Kind = Background;
            c.Number = 0;
        }
    }
}

FinishResult finishTemplate(GridCells &cells, bool centre)
{
    GridCells finished = cells;
    if (!numberStartCells(finished))
        return {countStartCells(cells) == 0 ? FinishStatus::NoStartCell : FinishStatus::TooManyStartCells,
                {}};
    FinishResult result;
    const CentringShift shift = centringShift(finished);
    if (centre && shiftGrid(finished, shift))
        result.shift = shift;
    markEnclosedBlanks(finished);
    clearNonStartBytes(finished);
    cells = finished;
    return result;
}

} // namespace klettra::editor
