#include "document/huffman.h"

#include <algorithm>
#include <array>
#include <cassert>

namespace klettra::document {

namespace {

/// An entry of one package-merge list: a leaf (a symbol) or a package of two entries of the list
/// one level deeper.
struct Item
{
    std::uint64_t weight = 0;
    int symbol = -1; ///< the symbol of a leaf, -1 for a package
    int left = -1;   ///< for a package: its two entries in the deeper list
    int right = -1;
};

/// Adds one to the length of every leaf below `item` of list `level`.
void countLeaves(const std::vector<std::vector<Item>> &lists, std::size_t level, const Item &item,
                 std::vector<std::uint8_t> &lengths)
{
    if (item.symbol >= 0) {
        ++lengths[static_cast<std::size_t>(item.symbol)];
        return;
    }
    const auto &deeper = lists[level - 1];
    countLeaves(lists, level - 1, deeper[static_cast<std::size_t>(item.left)], lengths);
    countLeaves(lists, level - 1, deeper[static_cast<std::size_t>(item.right)], lengths);
}

} // namespace

std::vector<std::uint8_t> limitedCodeLengths(std::span<const std::uint32_t> freq, int maxLength)
{
    std::vector<Item> leaves;
    for (std::size_t s = 0; s < freq.size(); ++s) {
        if (freq[s] != 0)
            leaves.push_back(Item{.weight = freq[s], .symbol = static_cast<int>(s)});
    }
    assert(leaves.size() >= 2 && leaves.size() <= (std::size_t(1) << maxLength));
    std::stable_sort(leaves.begin(), leaves.end(),
                     [](const Item &a, const Item &b) { return a.weight < b.weight; });

    // lists[0] is the deepest level (codes of maxLength bits); every further list pairs up the
    // previous one into packages and merges them with the leaves.
    std::vector<std::vector<Item>> lists{leaves};
    for (int level = 1; level < maxLength; ++level) {
        const auto &previous = lists.back();
        std::vector<Item> packages;
        for (std::size_t k = 0; k + 1 < previous.size(); k += 2) {
            packages.push_back(Item{.weight = previous[k].weight + previous[k + 1].weight,
                                    .left = static_cast<int>(k),
                                    .right = static_cast<int>(k + 1)});
        }
        std::vector<Item> merged;
        merged.reserve(leaves.size() + packages.size());
        // Leaves go before packages of the same weight: that keeps codes short where it is free.
        std::merge(leaves.begin(), leaves.end(), packages.begin(), packages.end(), std::back_inserter(merged),
                   [](const Item &a, const Item &b) { return a.weight < b.weight; });
        lists.push_back(std::move(merged));
    }

    std::vector<std::uint8_t> lengths(freq.size(), 0);
    const std::size_t top = lists.size() - 1;
    const std::size_t chosen = 2 * leaves.size() - 2;
    for (std::size_t k = 0; k < chosen; ++k)
        countLeaves(lists, top, lists[top][k], lengths);
    return lengths;
}

std::vector<std::uint16_t> canonicalCodes(std::span<const std::uint8_t> lengths)
{
    constexpr int MaxBits = 16;
    std::array<std::uint32_t, MaxBits + 2> count{};
    for (const std::uint8_t len : lengths)
        ++count[len];
    count[0] = 0;
    std::array<std::uint32_t, MaxBits + 2> next{};
    std::uint32_t code = 0;
    for (int len = 1; len <= MaxBits; ++len) {
        next[static_cast<std::size_t>(len)] = code;
        code = (code + count[static_cast<std::size_t>(len)]) << 1;
    }
    std::vector<std::uint16_t> codes(lengths.size(), 0);
    for (std::size_t s = 0; s < lengths.size(); ++s) {
        if (lengths[s] != 0)
            codes[s] = static_cast<std::uint16_t>(next[lengths[s]]++);
    }
    return codes;
}

} // namespace klettra::document
