#pragma once

#include "editor/direction.h"
#include "model/board.h"

namespace klettra::model {
class GridCells;
}

namespace klettra::editor {

/// How a slot edit ended.
enum class EditStatus {
    Done,
    NotOffered,     ///< the neighbour rules do not offer this slot here; nothing changed
    NoSlot,         ///< no slot of that direction starts at the cell; nothing changed
    CrossingsFirst, ///< deleting would strand letters of crossing slots; nothing changed
};

/// The outcome of one slot edit and the board cells to repaint.
struct SlotEdit
{
    EditStatus status = EditStatus::NotOffered;
    model::CellRect changed; ///< empty unless done

    bool isDone() const { return status == EditStatus::Done; }
};

/// Adds a slot of `length` letters in `direction` whose first cell is (x, y), when the board menu
/// offers it there.
SlotEdit addSlot(model::GridCells &cells, Direction direction, int x, int y, int length);

/// `addSlot` for a horizontal slot.
SlotEdit GorNew(model::GridCells &cells, int x, int y, int length);

/// `addSlot` for a vertical slot.
SlotEdit VertNew(model::GridCells &cells, int x, int y, int length);

/// Deletes the slot in `direction` that starts at (x, y). Refused when two letters of slots across
/// it would be left side by side with no word joining them; the crossing slots must go first.
SlotEdit deleteSlot(model::GridCells &cells, Direction direction, int x, int y);

/// Marks the cells of a slot without asking the neighbour rules: the first cell becomes a start
/// cell carrying the length, the further cells letter cells of this direction. For grids whose
/// slots are known to be sound, such as templates read from text. The slot must lie on the board.
void markSlot(model::GridCells &cells, Direction direction, int x, int y, int length);

} // namespace klettra::editor
