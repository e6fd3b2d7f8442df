#pragma once

#include "model/board.h"

#include <array>

namespace klettra::model {

/// The letters placed on the board, 47 x 37, X-major; a space marks a cell without a letter.
/// Derived from the slots, never stored.
class GridLetters
{
public:
    GridLetters() { clear(); }

    /// Letter of board cell (x, y), x in 1..47, y in 1..37.
    char &operator()(int x, int y) { return m_letters[index(x, y)]; }
    char operator()(int x, int y) const { return m_letters[index(x, y)]; }

    void clear() { m_letters.fill(' '); }

private:
    static std::size_t index(int x, int y) { return static_cast<std::size_t>((x - 1) * BoardHeight + (y - 1)); }

    std::array<char, std::size_t(BoardWidth) * BoardHeight> m_letters;
};

} // namespace klettra::model
