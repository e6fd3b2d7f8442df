#pragma once

#include "text/shortstring.h"

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace klettra::model {

/// Directions as stored in a slot record.
namespace Dir {
constexpr std::uint8_t Vertical = 0;
constexpr std::uint8_t Horizontal = 1;
} // namespace Dir

/// One word slot with the word placed in it. Stored field by field as a packed 291-byte record:
/// Used, Dir, X, Y, Len (one byte each), then Pattern and Word (capacity 14) and Clue (capacity 255).
struct TWordBukv
{
    static constexpr std::size_t RecordSize = 291;

    std::uint8_t Used = 0; ///< 1 when a word is placed
    std::uint8_t Dir = 0;  ///< 1 horizontal, 0 vertical
    std::uint8_t X = 0;    ///< column of the first cell
    std::uint8_t Y = 0;    ///< row of the first cell
    std::uint8_t Len = 0;  ///< number of letters, 3..14
    text::WordString Pattern; ///< the board's letters under the slot, space for an open cell
    text::WordString Word;
    text::ClueString Clue;

    bool isHorizontal() const { return Dir == Dir::Horizontal; }

    /// Board cell of letter `i`, counted from 1.
    std::pair<int, int> cell(int i) const
    {
        return isHorizontal() ? std::pair{X + i - 1, int(Y)} : std::pair{int(X), Y + i - 1};
    }

    /// Letter `i` (from 1) of the placed word; a space past the word's end.
    char letter(int i) const
    {
        return static_cast<std::size_t>(i) <= Word.size() ? Word[static_cast<std::size_t>(i - 1)] : ' ';
    }

    void writeTo(std::uint8_t *out) const;

    /// Reads a record; nothing when a string's length byte exceeds its capacity.
    static std::optional<TWordBukv> readFrom(const std::uint8_t *in);

    friend bool operator==(const TWordBukv &, const TWordBukv &) = default;
};

/// The slots 1..N of the grid; element 0 exists and is never used.
using WordBukvArray = std::vector<TWordBukv>;

} // namespace klettra::model
