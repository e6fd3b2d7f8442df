#include "document/lzmatcher.h"

#include <algorithm>
#include <bit>

namespace klettra::document {

namespace {

constexpr int HashBits = 15;
constexpr std::size_t HashSize = std::size_t(1) << HashBits;

struct Match
{
    int length = 0;
    int distance = 0;
};

/// Hash chains over the positions already seen: `head` holds the latest position of each
/// three-byte hash, `prev` links every position in the window to the one before it with the
/// same hash.
class ChainSearch
{
public:
    ChainSearch(std::span<const std::uint8_t> data, const LzParams &params)
        : m_data(data)
        , m_params(params)
        , m_windowMask(static_cast<std::size_t>(std::bit_ceil(static_cast<unsigned>(params.window))) - 1)
        , m_head(HashSize, -1)
        , m_prev(m_windowMask + 1, -1)
    {}

    void insert(int pos)
    {
        if (!hasHash(pos))
            return;
        const std::size_t h = hashAt(pos);
        m_prev[static_cast<std::size_t>(pos) & m_windowMask] = m_head[h];
        m_head[h] = pos;
    }

    /// The longest earlier repeat of the bytes at `pos`; the nearest one among equals.
    Match longest(int pos) const
    {
        Match best;
        if (m_params.maxChain == 0 || !hasHash(pos))
            return best;
        const int available = static_cast<int>(m_data.size()) - pos;
        const int limit = std::min(m_params.maxLength, available);
        const std::uint8_t *here = m_data.data() + pos;
        int candidate = m_head[hashAt(pos)];
        for (int tries = m_params.maxChain; candidate >= 0 && tries > 0; --tries) {
            const int distance = pos - candidate;
            if (distance > m_params.window)
                break;
            const std::uint8_t *there = m_data.data() + candidate;
            // Checking the byte that would make the match longer first rejects most candidates fast.
            if (there[best.length] == here[best.length] || best.length == 0) {
                int length = 0;
                while (length < limit && there[length] == here[length])
                    ++length;
                if (length > best.length) {
                    best = Match{length, distance};
                    if (length == limit)
                        break;
                }
            }
            candidate = m_prev[static_cast<std::size_t>(candidate) & m_windowMask];
        }
        if (best.length < m_params.minLength)
            return Match{};
        return best;
    }

private:
    bool hasHash(int pos) const { return static_cast<std::size_t>(pos) + 3 <= m_data.size(); }

    std::size_t hashAt(int pos) const
    {
        const std::uint8_t *p = m_data.data() + pos;
        const std::uint32_t v = (std::uint32_t(p[0]) << 16) | (std::uint32_t(p[1]) << 8) | p[2];
        return (v * 2654435761u) >> (32 - HashBits);
    }

    std::span<const std::uint8_t> m_data;
    const LzParams &m_params;
    std::size_t m_windowMask;
    std::vector<int> m_head;
    std::vector<int> m_prev;
};

} // namespace

std::vector<LzToken> parseLzss(std::span<const std::uint8_t> data, const LzParams &params)
{
    std::vector<LzToken> tokens;
    tokens.reserve(data.size() / 2);
    ChainSearch search(data, params);
    const int size = static_cast<int>(data.size());

    int pos = 0;
    Match current = search.longest(pos);
    while (pos < size) {
        if (current.length == 0) {
            tokens.push_back(LzToken{.literal = data[static_cast<std::size_t>(pos)]});
            search.insert(pos);
            ++pos;
            current = search.longest(pos);
            continue;
        }
        search.insert(pos);
        if (current.length < params.maxLength && pos + 1 < size) {
            const Match next = search.longest(pos + 1);
            if (next.length > current.length) {
                tokens.push_back(LzToken{.literal = data[static_cast<std::size_t>(pos)]});
                ++pos;
                current = next;
                continue;
            }
        }
        tokens.push_back(LzToken{.length = static_cast<std::uint16_t>(current.length),
                                 .distance = static_cast<std::uint16_t>(current.distance)});
        for (int k = 1; k < current.length; ++k)
            search.insert(pos + k);
        pos += current.length;
        current = search.longest(pos);
    }
    return tokens;
}

} // namespace klettra::document
