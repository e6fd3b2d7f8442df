#include "editor/slotediting.h"

#include "editor/neighbourrules.h"
#include "editor/orientedgrid.h"
#include "model/gridcells.h"

namespace klettra::editor {

namespace {

using View = OrientedGrid<model::GridCells>;

void clearCell(const View &g, int u, int w)
{
    g.cell(u, w) = model::Cell{};
}

// A first cell that a slot across passes through stays a letter of that slot.
bool startLiesInSlotAcross(const View &g, int c, int w)
{
    return g.is(c, w - 1, "vVxX");
}

// Whether cell `c` of the slot starting at `u` remains a letter once the slot is gone: the cells
// that slots across pass through or start at. The cell after the slot is not the slot's own.
bool remainsLetter(const View &g, int u, int w, int c, int length)
{
    if (c == u + length)
        return model::isLetterKind(g.kind(c, w));
    return g.is(c, w, "Vx") ||
           (c == u && (g.is(c, w, "X") || (g.is(c, w, "G") && startLiesInSlotAcross(g, c, w))));
}

// Two letters of slots across this one would be left side by side with no word joining them.
// Grids built under the neighbour rules meet this only where a slot across ends beside one that
// starts (a staircase); grids from elsewhere may hold any such pair.
bool strandsCrossingLetters(const View &g, int u, int w, int length)
{
    for (int c = u; c < u + length; ++c) {
        if (remainsLetter(g, u, w, c, length) && remainsLetter(g, u, w, c + 1, length))
            return true;
    }
    return false;
}

void removeSlot(const View &g, int u, int w, int length)
{
    for (int d = 0; d < length; ++d) {
        const int c = u + d;
        switch (g.kind(c, w)) {
        case 'G':
            if (startLiesInSlotAcross(g, c, w)) {
                g.setKind(c, w, 'v');
                g.ownLength(c, w) = 0;
            } else {
                clearCell(g, c, w);
            }
            break;
        case 'X':
            g.setKind(c, w, 'V');
            g.ownLength(c, w) = 0;
            break;
        case 'g':
            clearCell(g, c, w);
            break;
        case 'x':
            clearCell(g, c, w);
            g.setKind(c, w, 'v');
            break;
        default:
            break; // a start cell of a slot across stays as it is
        }
    }
}

} // namespace

void markSlot(model::GridCells &cells, Direction direction, int x, int y, int length)
{
    const View g(cells, direction);
    const auto [u, w] = OrientedPoint::of(direction, x, y);
    g.ownLength(u, w) = static_cast<std::uint8_t>(length);
    g.setKind(u, w, g.is(u, w, "V") ? 'X' : 'G');
    for (int k = 1; k < length; ++k) {
        if (g.is(u + k, w, "W"))
            g.setKind(u + k, w, 'g');
        else if (g.is(u + k, w, "v"))
            g.setKind(u + k, w, 'x');
    }
}

SlotEdit addSlot(model::GridCells &cells, Direction direction, int x, int y, int length)
{
    if (!slotMenu(cells, x, y).offer(direction).offers(length))
        return {EditStatus::NotOffered, {}};
    markSlot(cells, direction, x, y, length);
    const View g(cells, direction);
    const auto [u, w] = OrientedPoint::of(direction, x, y);
    return {EditStatus::Done, g.rect(u, u + length - 1, w)};
}

SlotEdit GorNew(model::GridCells &cells, int x, int y, int length)
{
    return addSlot(cells, Direction::Horizontal, x, y, length);
}

SlotEdit VertNew(model::GridCells &cells, int x, int y, int length)
{
    return addSlot(cells, Direction::Vertical, x, y, length);
}

SlotEdit deleteSlot(model::GridCells &cells, Direction direction, int x, int y)
{
    if (!model::isOnBoard(x, y))
        return {EditStatus::NoSlot, {}};
    const View g(cells, direction);
    const auto [u, w] = OrientedPoint::of(direction, x, y);
    const int length = g.ownLength(u, w);
    // A damaged map may carry a length that runs off the board; such a slot is not deleted.
    if (!g.is(u, w, "GX") || length < model::MinSlotLength || u + length - 1 > g.alongSize())
        return {EditStatus::NoSlot, {}};
    if (strandsCrossingLetters(g, u, w, length))
        return {EditStatus::CrossingsFirst, {}};
    removeSlot(g, u, w, length);
    return {EditStatus::Done, g.rect(u, u + length - 1, w)};
}

} // namespace klettra::editor
