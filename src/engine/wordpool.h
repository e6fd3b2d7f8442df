#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

#include "dictionaries/poolword.h"

namespace klettra::engine {

using dictionaries::TPoolWord;

constexpr int MinWordLength = 3;
constexpr int MaxWordLength = 14;

/// The words a composition draws from, grouped by length 3..14. Each group keeps its words in
/// the order they were added; the same word may occur several times (another dictionary, another
/// clue), and every occurrence is a candidate of its own.
class WordPool
{
public:
    /// True for a word the pool accepts: 3..14 bytes, each an upper-case Russian letter (А..Я, Ё)
    /// in Windows-1251. Dictionaries written by other tools may hold anything else.
    static bool isPoolWord(std::string_view word);

    void clear();

    /// Appends the word with its clue (cut to 255 bytes) to the group of its length. A word
    /// `isPoolWord` refuses is not added, and false is returned.
    bool add(std::string_view word, std::string_view clue);

    /// `WordPool[L]`; an empty group for a length outside 3..14.
    const std::vector<TPoolWord> &group(int length) const;

    /// `PoolCount[L]`.
    std::size_t PoolCount(int length) const { return group(length).size(); }

    /// Words of every length.
    std::size_t size() const;
    bool empty() const { return size() == 0; }

private:
    std::array<std::vector<TPoolWord>, MaxWordLength + 1> m_groups;
};

} // namespace klettra::engine
