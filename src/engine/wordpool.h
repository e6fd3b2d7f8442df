#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dictionaries/poolword.h"

namespace klettra::engine {

using dictionaries::TPoolWord;

constexpr int MinWordLength = 3;
constexpr int MaxWordLength = 14;

/// The words a composition draws from, grouped by length 3..14 (`WordPool[L]`). Each group keeps
/// its words in the order they were added; the same word may occur several times (another
/// dictionary, another clue), and every occurrence is a candidate of its own. Clues are kept
/// end to end in one buffer rather than in 256-byte records, so a pool of 100,000 words takes a
/// few megabytes.
class WordPool
{
public:
    /// True for a word the pool accepts: 3..14 bytes, each an upper-case Russian letter (А..Я, Ё)
    /// in Windows-1251. Dictionaries written by other tools may hold anything else.
    static bool isPoolWord(std::string_view word);

    /// Empties every group, keeping the memory for the next load.
    void clear();

    /// Appends the word with its clue (cut to 255 bytes) to the group of its length. A word
    /// `isPoolWord` refuses is not added, and false is returned.
    bool add(std::string_view word, std::string_view clue);

    /// `PoolCount[L]`: the words of length `length`, 0 for a length outside 3..14.
    std::size_t PoolCount(int length) const;

    /// Word `i` (from 0, below `PoolCount(length)`) of the group of `length` and its clue.
    std::string_view word(int length, std::size_t i) const;
    std::string_view clue(int length, std::size_t i) const;
    TPoolWord entry(int length, std::size_t i) const;

    /// Words of every length.
    std::size_t size() const;
    bool empty() const { return size() == 0; }

    /// Bytes the pool holds for its words and clues.
    std::size_t memoryUsage() const;

private:
    struct Entry
    {
        text::WordString word;
        std::uint8_t clueLength = 0;
        std::uint32_t clueOffset = 0; ///< where the clue starts in `m_clues`
    };

    const Entry &at(int length, std::size_t i) const;

    std::array<std::vector<Entry>, MaxWordLength + 1> m_groups;
    std::string m_clues;
};

} // namespace klettra::engine
