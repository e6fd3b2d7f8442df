#pragma once

#include "model/board.h"

#include <array>
#include <cstdint>
#include <span>

namespace klettra::model {

/// What a cell of the map is. The values are the ASCII letters stored in templates and files.
namespace CellKind {
constexpr char Background = 'W'; ///< not part of the crossword
constexpr char Blank = 'B';      ///< background enclosed by the crossword, drawn black
constexpr char HStart = 'G';     ///< first cell of a horizontal slot
constexpr char VStart = 'V';     ///< first cell of a vertical slot
constexpr char BothStart = 'X';  ///< first cell of a horizontal and a vertical slot
constexpr char HCell = 'g';      ///< further cell of a horizontal slot only
constexpr char VCell = 'v';      ///< further cell of a vertical slot only
constexpr char BothCell = 'x';   ///< further cell of a horizontal and a vertical slot
} // namespace CellKind

constexpr bool isStartKind(char k)
{
    return k == CellKind::HStart || k == CellKind::VStart || k == CellKind::BothStart;
}

/// Cells that hold a letter of some slot.
constexpr bool isLetterKind(char k)
{
    return isStartKind(k) || k == CellKind::HCell || k == CellKind::VCell || k == CellKind::BothCell;
}

constexpr bool isKnownKind(char k)
{
    return isLetterKind(k) || k == CellKind::Background || k == CellKind::Blank;
}

/// One cell of the map; four bytes in this order in every stored image.
struct Cell
{
    char Kind = CellKind::Background;
    std::uint8_t HLen = 0;   ///< length of the horizontal slot starting here, 0 when none
    std::uint8_t VLen = 0;   ///< length of the vertical slot starting here, 0 when none
    std::uint8_t Number = 0; ///< clue number of a start cell, 0 elsewhere

    friend bool operator==(const Cell &, const Cell &) = default;
};

/// The 49 x 39 cell map of the board with its border, kept X-major as in its stored image:
/// cell (X, Y) starts at byte (X * 39 + Y) * 4 of the 7,644-byte image.
class GridCells
{
public:
    static constexpr std::size_t CellSize = 4;
    static constexpr std::size_t ImageSize = std::size_t(GridColumns) * GridRows * CellSize;
    using Image = std::array<std::uint8_t, ImageSize>;

    /// Cell (x, y) with x in 0..48 and y in 0..38.
    Cell &operator()(int x, int y) { return m_cells[index(x, y)]; }
    const Cell &operator()(int x, int y) const { return m_cells[index(x, y)]; }

    /// Every cell, border included, becomes background with zero bytes.
    void clear() { m_cells.fill(Cell{}); }

    void writeImage(std::uint8_t *out) const;
    Image image() const;
    static GridCells fromImage(std::span<const std::uint8_t, ImageSize> image);

    friend bool operator==(const GridCells &, const GridCells &) = default;

private:
    static std::size_t index(int x, int y) { return static_cast<std::size_t>(x * GridRows + y); }

    std::array<Cell, std::size_t(GridColumns) * GridRows> m_cells{};
};

} // namespace klettra::model
