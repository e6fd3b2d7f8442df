#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/wordpool.h"

namespace klettra::engine {

/// Answers which pool words fit a slot pattern without scanning the length group: for every
/// length, position and letter it keeps one bit per word of that length, so a pattern costs one
/// AND over the bit sets of its lettered positions. Built once from a filled pool, which must
/// outlive it and stay unchanged.
class PatternIndex
{
public:
    explicit PatternIndex(const WordPool &pool);

    const WordPool &pool() const { return *m_pool; }

    /// Fills `found` with the positions in its length group of `pool()` of every word that
    /// fits `pattern`, in pool order, and returns how many there are. A space in the pattern is an
    /// open cell; every other byte must be matched exactly (no case folding, Е is not Ё), so a byte
    /// that is no pool letter fits nothing. A pattern of a length without a group fits nothing.
    std::size_t FindWords(std::string_view pattern, std::vector<std::uint32_t> &found) const;

    /// Bytes the bit sets take.
    std::size_t memoryUsage() const;

private:
    struct Group
    {
        std::size_t words = 0;
        std::size_t blocks = 0; ///< 64-bit words per bit set
        std::vector<std::uint64_t>
            bits; ///< bit set of (position, letter) at ((position * letters) + letter) * blocks
    };

    const WordPool *m_pool;
    std::array<Group, MaxWordLength + 1> m_groups;
};

/// The same answer as `PatternIndex::FindWords` by comparing the pattern with every word of its
/// length group in turn; the reference the index is held against.
std::size_t findWordsByScan(const WordPool &pool, std::string_view pattern,
                            std::vector<std::uint32_t> &found);

} // namespace klettra::engine
