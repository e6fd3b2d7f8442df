#pragma once

#include <cstdint>

#include "editor/direction.h"
#include "model/board.h"

namespace klettra::model {
class GridCells;
}

namespace klettra::editor {

/// The lengths the board menu offers for a new slot whose first cell is the clicked cell, in one
/// direction. The rules keep slots from touching except where they cross: every cell the slot
/// turns into a letter cell has no letter beside it across the slot, and the cells just before
/// its first and just after its last cell stay free of letters.
struct LengthOffer
{
    /// How many cells from the clicked one a new slot may cover (0..15; 15 means no obstacle
    /// within the longest slot).
    int limit = 0;
    /// Bit n is set when the menu shows the item of length n (3..14).
    std::uint16_t lengths = 0;
    /// Whether the submenu can be opened at all.
    bool enabled = false;

    bool offers(int length) const
    {
        return length >= model::MinSlotLength && length <= model::MaxSlotLength &&
               ((lengths >> length) & 1) != 0;
    }
};

/// The lengths a new slot in `direction` starting at (x, y) may take. A cell off the board
/// offers nothing.
LengthOffer lengthOffer(const model::GridCells &cells, Direction direction, int x, int y);

/// The four top items of the board menu for a clicked cell: the two submenus of new slots and
/// the two delete commands. The kind of the cell decides which of them the rules are asked about.
struct SlotMenu
{
    LengthOffer horizontal;
    LengthOffer vertical;
    bool deleteHorizontal = false;
    bool deleteVertical = false;

    const LengthOffer &offer(Direction direction) const
    {
        return direction == Direction::Horizontal ? horizontal : vertical;
    }

    /// False when none of the four items is enabled: then no menu opens.
    bool opens() const
    {
        return horizontal.enabled || vertical.enabled || deleteHorizontal || deleteVertical;
    }
};

/// The board menu for a click on (x, y); nothing is enabled for a cell off the board.
SlotMenu slotMenu(const model::GridCells &cells, int x, int y);

} // namespace klettra::editor
