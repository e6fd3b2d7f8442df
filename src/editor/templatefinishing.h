#pragma once

namespace klettra::model {
class GridCells;
}

namespace klettra::editor {

/// How far a grid moves to sit in the middle of the board: dx columns right, dy rows down
/// (negative: left, up).
struct CentringShift
{
    int dx = 0;
    int dy = 0;

    bool isZero() const { return dx == 0 && dy == 0; }
    friend bool operator==(const CentringShift &, const CentringShift &) = default;
};

/// The number of cells of the board where a slot starts (one for a cell where two start).
int countStartCells(const model::GridCells &cells);

/// Numbers the start cells 1, 2, 3, ... in reading order (row by row from the top, left to right
/// within a row). Fails, writing nothing, when there is no start cell or more than 255, whose
/// numbers would not fit their byte.
[[nodiscard]] bool numberStartCells(model::GridCells &cells);

/// The shift that centres the grid: half the difference between the free rows below and above
/// it (columns right and left), a half rounded to the even neighbour. Every cell that is not
/// background counts. Zero for an empty grid.
CentringShift centringShift(const model::GridCells &cells);

/// Moves the whole grid by `shift`, background coming in at the opposite edges. Refuses, leaving
/// the grid as it is, when anything but background would leave the board.
[[nodiscard]] bool shiftGrid(model::GridCells &cells, CentringShift shift);

/// Marks every background cell that cannot be reached from outside the board through
/// edge-adjacent background cells as an enclosed blank ('B'); every other non-letter cell
/// becomes background ('W').
void markEnclosedBlanks(model::GridCells &cells);

/// Clears the lengths and the number of every cell that starts no slot, border included, so no
/// stale value left by editing reaches a stored template.
void clearNonStartBytes(model::GridCells &cells);

/// Turns every enclosed blank back into background and clears every clue number, as the grid
/// editor shows a template while it is changed.
void prepareForEditing(model::GridCells &cells);

/// What finishing a grid did.
enum class FinishStatus {
    Finished,
    NoStartCell,       ///< nothing to finish; the grid is unchanged
    TooManyStartCells, ///< more than 255 clue numbers; the grid is unchanged
};

struct FinishResult
{
    FinishStatus status = FinishStatus::Finished;
    CentringShift shift; ///< the shift applied, zero when the grid stayed where it was
};

/// Makes an edited grid a template ready to store: numbers its start cells, centres it when
/// `centre` is true (the editor asks the user first), marks the enclosed blanks and clears the
/// bytes that only start cells carry.
FinishResult finishTemplate(model::GridCells &cells, bool centre);

} // namespace klettra::editor
