#pragma once

#include "model/gridcells.h"
#include "model/gridletters.h"
#include "model/wordbukv.h"

#include <cstdint>
#include <optional>

namespace klettra::model {

class ModelObserver;

/// The smallest and largest column and row of any letter cell; 47, 1, 37, 1 for a grid without
/// slots, so that every loop over it runs zero times.
struct Extent
{
    std::uint8_t MinX = BoardWidth;
    std::uint8_t MaxX = 1;
    std::uint8_t MinY = BoardHeight;
    std::uint8_t MaxY = 1;

    bool isEmpty() const { return MaxX < MinX; }
    friend bool operator==(const Extent &, const Extent &) = default;
};

/// The extent of the letter cells of `cells`.
Extent letterExtent(const GridCells &cells);

/// The one crossword the program works on: the cell map of the template, the slots with their
/// words and clues, the letters those words put on the board, and the grid extent.
class Model
{
public:
    GridCells cells;
    GridLetters letters;
    WordBukvArray slots = WordBukvArray(1); ///< element 0 unused
    Extent extent;

    /// Receives the rectangles that `RefreshLetters` and `showSlot` change; may be null.
    void setObserver(ModelObserver *observer) { m_observer = observer; }
    ModelObserver *observer() const { return m_observer; }

    /// Number of slots N; the slots are `slots[1..N]`.
    int slotCount() const { return static_cast<int>(slots.size()) - 1; }
    TWordBukv &slot(int i) { return slots[static_cast<std::size_t>(i)]; }
    const TWordBukv &slot(int i) const { return slots[static_cast<std::size_t>(i)]; }

    /// Every cell, border included, becomes background with zero bytes.
    void ClearGrid();

    /// Recomputes `extent` from the letter cells of the board.
    void ComputeExtent();

    /// Start cells within the extent: one per 'G' or 'V', two per 'X'.
    int CountSlots() const;

    /// Derives position, direction and length of slots 1..N from the cells in reading order,
    /// marking every slot empty; words, clues and patterns are left alone.
    void BuildSlots();

    /// The lowest slot index whose first cell is (x, y) in direction `dir`, or nothing.
    std::optional<int> FindMatrix(int x, int y, std::uint8_t dir) const;

    /// Rebuilds the letters from the slots (empty slots first, then filled ones, so a filled
    /// slot's letter wins at a crossing) and reports `rect` as changed.
    void RefreshLetters(const CellRect &rect);

    /// Empties the crossword: no letters, N + 1 slot records with no word, clue or length.
    /// The cell map stays as it is.
    void ResetCrossword();

    /// The rectangle covered by slot `i`.
    CellRect slotRect(int i) const;

    /// Writes slot `i`'s word into the letters and reports its rectangle as changed.
    void showSlot(int i);

    /// Empties slot `i` (no word, no clue) without touching the letters.
    void clearSlotWord(int i);

    /// Reports `rect` as changed to the observer.
    void notifyChanged(const CellRect &rect) const;

private:
    ModelObserver *m_observer = nullptr;
};

} // namespace klettra::model
