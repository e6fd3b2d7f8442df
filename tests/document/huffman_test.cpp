#include <functional>
#include <random>

#include <gtest/gtest.h>

#include <queue>

#include "document/huffman.h"

using klettra::document::canonicalCodes;
using klettra::document::limitedCodeLengths;

namespace {

constexpr std::uint64_t Complete = std::uint64_t(1) << 32;

/// Kraft sum scaled by 2^32: exactly `Complete` for a complete code.
std::uint64_t kraft(const std::vector<std::uint8_t> &lengths)
{
    std::uint64_t sum = 0;
    for (const auto len : lengths) {
        if (len != 0)
            sum += std::uint64_t(1) << (32 - len);
    }
    return sum;
}

std::uint64_t cost(const std::vector<std::uint32_t> &freq, const std::vector<std::uint8_t> &lengths)
{
    std::uint64_t sum = 0;
    for (std::size_t s = 0; s < freq.size(); ++s)
        sum += std::uint64_t(freq[s]) * lengths[s];
    return sum;
}

/// The cost of an unrestricted Huffman code, computed the textbook way.
std::uint64_t huffmanCost(const std::vector<std::uint32_t> &freq)
{
    std::priority_queue<std::uint64_t, std::vector<std::uint64_t>, std::greater<>> queue;
    for (const auto f : freq) {
        if (f != 0)
            queue.push(f);
    }
    std::uint64_t sum = 0;
    while (queue.size() > 1) {
        const auto a = queue.top();
        queue.pop();
        const auto b = queue.top();
        queue.pop();
        sum += a + b;
        queue.push(a + b);
    }
    return sum;
}

} // namespace

TEST(HuffmanTest, isOptimalUnderTheLimit)
{
    std::mt19937 random(7);
    for (int trial = 0; trial < 100; ++trial) {
        std::vector<std::uint32_t> freq(2 + random() % 509);
        for (auto &f : freq)
            f = random() % 3 == 0 ? 0 : 1 + random() % (trial % 2 == 0 ? 1000 : 100000);
        freq[0] = freq[1] = 1; // at least two used symbols
        // A limit no code reaches gives exactly the unrestricted optimum...
        const auto free = limitedCodeLengths(freq, 32);
        ASSERT_EQ(kraft(free), Complete) << "trial " << trial;
        ASSERT_EQ(cost(freq, free), huffmanCost(freq)) << "trial " << trial;
        for (std::size_t s = 0; s < freq.size(); ++s)
            ASSERT_EQ(freq[s] == 0, free[s] == 0) << "trial " << trial << " symbol " << s;
        // ...and LHA's limit of 16 bits a complete code that is no better.
        const auto limited = limitedCodeLengths(freq, 16);
        ASSERT_LE(*std::max_element(limited.begin(), limited.end()), 16) << "trial " << trial;
        ASSERT_EQ(kraft(limited), Complete) << "trial " << trial;
        ASSERT_GE(cost(freq, limited), cost(freq, free)) << "trial " << trial;
    }
}

TEST(HuffmanTest, keepsSkewedCodesWithinTheLimit)
{
    // Fibonacci frequencies make an unrestricted code as deep as there are symbols.
    std::vector<std::uint32_t> freq(30);
    freq[0] = freq[1] = 1;
    for (std::size_t s = 2; s < freq.size(); ++s)
        freq[s] = freq[s - 1] + freq[s - 2];
    for (const int limit : {16, 7, 5}) {
        const auto lengths = limitedCodeLengths(freq, limit);
        EXPECT_EQ(*std::max_element(lengths.begin(), lengths.end()), limit);
        EXPECT_EQ(kraft(lengths), Complete) << "limit " << limit;
        EXPECT_GE(cost(freq, lengths), huffmanCost(freq));
    }
    // Exactly as many symbols as the limit allows: all the same length.
    const auto flat = limitedCodeLengths(std::vector<std::uint32_t>{1, 1000, 1, 5}, 2);
    EXPECT_EQ(flat, (std::vector<std::uint8_t>{2, 2, 2, 2}));
    EXPECT_EQ(limitedCodeLengths(std::vector<std::uint32_t>{0, 9, 0, 1}, 16),
              (std::vector<std::uint8_t>{0, 1, 0, 1}));
}

TEST(HuffmanTest, canonicalCodesCountUpByLengthThenSymbol)
{
    const std::vector<std::uint8_t> lengths{2, 1, 3, 0, 3};
    EXPECT_EQ(canonicalCodes(lengths), (std::vector<std::uint16_t>{0b10, 0b0, 0b110, 0, 0b111}));

    // A complete code of maximal length: the last code is all ones.
    std::vector<std::uint8_t> deep(17);
    for (std::size_t s = 0; s < 16; ++s)
        deep[s] = static_cast<std::uint8_t>(s + 1);
    deep[16] = 16;
    const auto codes = canonicalCodes(deep);
    EXPECT_EQ(codes[15], 0xFFFE);
    EXPECT_EQ(codes[16], 0xFFFF);
}
