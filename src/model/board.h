#pragma once

#include <cstddef>

namespace klettra::model {

/// The board proper: columns X = 1..47 from the left, rows Y = 1..37 from the top.
constexpr int BoardWidth = 47;
constexpr int BoardHeight = 37;

/// The cell map adds a one-cell background border: X = 0..48, Y = 0..38.
constexpr int GridColumns = BoardWidth + 2;
constexpr int GridRows = BoardHeight + 2;

constexpr int MinSlotLength = 3;
constexpr int MaxSlotLength = 14;

/// Slot indexes, clue numbers and template numbers are one byte wide.
constexpr int MaxSlots = 255;

constexpr bool isOnBoard(int x, int y)
{
    return x >= 1 && x <= BoardWidth && y >= 1 && y <= BoardHeight;
}

/// A rectangle of board cells, corners included; empty when x2 < x1 or y2 < y1.
struct CellRect
{
    int x1 = 1;
    int y1 = 1;
    int x2 = 0;
    int y2 = 0;

    bool isEmpty() const { return x2 < x1 || y2 < y1; }
    friend bool operator==(const CellRect &, const CellRect &) = default;
};

constexpr CellRect WholeBoard{1, 1, BoardWidth, BoardHeight};

} // namespace klettra::model
