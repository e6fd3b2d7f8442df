#include "editor/neighbourrules.h"

#include "editor/orientedgrid.h"
#include "model/gridcells.h"

namespace klettra::editor {

using model::MaxSlotLength;
using model::MinSlotLength;

namespace {

using View = OrientedGrid<const model::GridCells>;

// A slot may not start where it would touch another slot other than by crossing it: on a start
// cell of its own direction, after a letter of its own direction, or beside letters across it.
bool startIsBlocked(const View &g, int u, int w)
{
    const bool onEmptyCell = g.is(u, w, "WB");
    return g.is(u, w, "GX")                             // a slot of this direction starts here
           || (g.is(u, w, "V") && g.is(u - 1, w, "Gg")) // the cell already lies in such a slot
           || (onEmptyCell && g.is(u, w - 1, "gxv"))    // letter above a cell that becomes one
           || g.is(u, w - 1, "GX")                      // a parallel slot starts just above
           || g.is(u, w + 1, "gGXV")                    // a letter below that no word joins
           || g.is(u - 1, w, "gxvV")                    // a letter right before the first cell
           || g.is(u + 1, w, "G");                      // a slot starts right after this cell
}

// Walks along the slot from its first cell and returns how many cells it may cover: the first
// step i at which cell u + i may no longer be reached, or 15 when all fourteen are free.
int scanLimit(const View &g, int u, int w)
{
    for (int i = 1; i <= MaxSlotLength; ++i) {
        const int c = u + i;
        if (c > g.alongSize())
            return i;
        const bool onEmptyCell = g.is(c, w, "WB");
        if ((onEmptyCell && (g.is(c, w + 1, "GX") || g.is(c, w - 1, "Gvx"))) // would touch a letter across
            || g.is(c + 1, w, "GX")                                          // would run into a slot
            || g.is(c, w + 1, "gV") || g.is(c, w - 1, "g")                   // a parallel slot beside it
            || g.is(c, w, "X"))                                              // a start of this direction
            return i;
    }
    return MaxSlotLength + 1;
}

} // namespace

LengthOffer lengthOffer(const model::GridCells &cells, Direction direction, int x, int y)
{
    LengthOffer offer;
    if (!model::isOnBoard(x, y))
        return offer;
    const View g(cells, direction);
    const auto [u, w] = OrientedPoint::of(direction, x, y);
    offer.limit = startIsBlocked(g, u, w) ? 0 : scanLimit(g, u, w);
    for (int n = MinSlotLength; n <= MaxSlotLength; ++n) {
        // The cell after the last one must not be a letter of a slot across: it would join the
        // new word to that letter.
        if (n <= offer.limit && !g.is(u + n, w, "vV"))
            offer.lengths = static_cast<std::uint16_t>(offer.lengths | (1u << n));
    }
    offer.enabled = offer.lengths != 0;
    return offer;
}

SlotMenu slotMenu(const model::GridCells &cells, int x, int y)
{
    SlotMenu menu;
    if (!model::isOnBoard(x, y))
        return menu;
    const char kind = cells(x, y).Kind;
    // A horizontal slot may start on an empty cell or on a cell of a vertical slot only; a
    // vertical one likewise. Deleting asks for the start cell of the slot to delete.
    if (kind == 'W' || kind == 'B' || kind == 'V' || kind == 'v')
        menu.horizontal = lengthOffer(cells, Direction::Horizontal, x, y);
    if (kind == 'W' || kind == 'B' || kind == 'G' || kind == 'g')
        menu.vertical = lengthOffer(cells, Direction::Vertical, x, y);
    menu.deleteHorizontal = kind == 'G' || kind == 'X';
    menu.deleteVertical = kind == 'V' || kind == 'X';
    return menu;
}

} // namespace klettra::editor
