#include "engine/patternindex.h"

#include <bit>
#include <numeric>

#include "text/cp1251.h"

namespace klettra::engine {

namespace {

/// А..Я and Ё: every letter a pool word may hold.
constexpr std::size_t LetterCount = 33;
constexpr std::size_t NoLetter = LetterCount;

constexpr std::size_t letterCode(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte == text::CapitalYo)
        return LetterCount - 1;
    if (byte >= text::CapitalA && byte <= text::CapitalYa)
        return byte - text::CapitalA;
    return NoLetter;
}

bool isValidLength(std::size_t length)
{
    return length >= MinWordLength && length <= MaxWordLength;
}

} // namespace

PatternIndex::PatternIndex(const WordPool &pool)
    : m_pool(&pool)
{
    for (std::size_t length = MinWordLength; length <= MaxWordLength; ++length) {
        const int len = static_cast<int>(length);
        Group &g = m_groups[length];
        g.words = pool.PoolCount(len);
        g.blocks = (g.words + 63) / 64;
        g.bits.assign(length * LetterCount * g.blocks, 0);
        for (std::size_t w = 0; w < g.words; ++w) {
            const auto word = pool.word(len, w);
            for (std::size_t pos = 0; pos < length; ++pos) {
                // The pool only holds words of pool letters; anything else would be a bug upstream.
                const std::size_t letter = letterCode(word[pos]);
                if (letter == NoLetter)
                    continue;
                g.bits[(pos * LetterCount + letter) * g.blocks + w / 64] |= std::uint64_t(1) << (w % 64);
            }
        }
    }
}

std::size_t PatternIndex::FindWords(std::string_view pattern, std::vector<std::uint32_t> &found) const
{
    found.clear();
    if (!isValidLength(pattern.size()))
        return 0;
    const Group &g = m_groups[pattern.size()];
    if (g.words == 0)
        return 0;

    std::array<const std::uint64_t *, MaxWordLength> sets{};
    std::size_t setCount = 0;
    for (std::size_t pos = 0; pos < pattern.size(); ++pos) {
        if (pattern[pos] == ' ')
            continue;
        const std::size_t letter = letterCode(pattern[pos]);
        if (letter == NoLetter)
            return 0;
        sets[setCount++] = g.bits.data() + (pos * LetterCount + letter) * g.blocks;
    }

    if (setCount == 0) {
        found.resize(g.words);
        std::iota(found.begin(), found.end(), std::uint32_t(0));
        return found.size();
    }
    for (std::size_t b = 0; b < g.blocks; ++b) {
        std::uint64_t mask = sets[0][b];
        for (std::size_t s = 1; s < setCount && mask != 0; ++s)
            mask &= sets[s][b];
        while (mask != 0) {
            found.push_back(
                static_cast<std::uint32_t>(b * 64 + static_cast<std::size_t>(std::countr_zero(mask))));
            mask &= mask - 1;
        }
    }
    return found.size();
}

std::size_t PatternIndex::memoryUsage() const
{
    std::size_t bytes = 0;
    for (const Group &g : m_groups)
        bytes += g.bits.capacity() * sizeof(std::uint64_t);
    return bytes;
}

std::size_t findWordsByScan(const WordPool &pool, std::string_view pattern, std::vector<std::uint32_t> &found)
{
    found.clear();
    const int length = static_cast<int>(pattern.size());
    for (std::size_t w = 0; w < pool.PoolCount(length); ++w) {
        const auto word = pool.word(length, w);
        bool fits = true;
        for (std::size_t pos = 0; pos < pattern.size() && fits; ++pos)
            fits = pattern[pos] == ' ' || pattern[pos] == word[pos];
        if (fits)
            found.push_back(static_cast<std::uint32_t>(w));
    }
    return found.size();
}

} // namespace klettra::engine
