#include "document/lh6encoder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>

#include "document/bitwriter.h"
#include "document/huffman.h"
#include "document/lzmatcher.h"

namespace klettra::document {

namespace {

constexpr int Window = 16384;
constexpr int MinCopy = 3;
constexpr int MaxCopy = 256;
constexpr int MaxCodeBits = 16;

/// Literal bytes 0..255, then copy lengths 3..256 as codes 256..509.
constexpr std::size_t CharCodes = 256 + MaxCopy - MinCopy + 1;
constexpr int CharCountBits = 9;
/// Position codes: the bit length of distance - 1, 0..14 for a 16 KiB window.
constexpr std::size_t PositionCodes = std::bit_width(unsigned(Window - 1)) + 1;
constexpr int PositionCountBits = 5;
/// The code-length code: 0..2 describe runs of unused literal/length codes, 3..18 lengths 1..16.
constexpr std::size_t LengthCodes = MaxCodeBits + 3;
constexpr int LengthCountBits = 5;
/// The code-length code's own lengths carry a two-bit count of zero lengths after the third.
constexpr int LengthCodeSkipAfter = 3;

static_assert(PositionCodes == 15);

/// One Huffman code of a block. A code with a single used symbol takes no bits at all; the table
/// then names that symbol instead of listing lengths.
struct Code
{
    std::vector<std::uint8_t> lengths;
    std::vector<std::uint16_t> bits;
    int single = -1; ///< the only symbol, when fewer than two are used

    static Code forFrequencies(std::span<const std::uint32_t> freq)
    {
        Code code;
        const auto used = std::count_if(freq.begin(), freq.end(), [](std::uint32_t f) { return f != 0; });
        if (used < 2) {
            const auto it = std::find_if(freq.begin(), freq.end(), [](std::uint32_t f) { return f != 0; });
            code.single = it == freq.end() ? 0 : static_cast<int>(it - freq.begin());
            code.lengths.assign(freq.size(), 0);
            code.bits.assign(freq.size(), 0);
            return code;
        }
        code.lengths = limitedCodeLengths(freq, MaxCodeBits);
        code.bits = canonicalCodes(code.lengths);
        return code;
    }

    void put(BitWriter &out, std::size_t symbol) const { out.put(lengths[symbol], bits[symbol]); }

    /// Lengths up to the last used symbol: what a table lists.
    std::size_t listedCount() const
    {
        std::size_t n = lengths.size();
        while (n > 0 && lengths[n - 1] == 0)
            --n;
        return n;
    }
};

/// One entry of the run-length form of the literal/length code lengths.
struct LengthItem
{
    std::uint8_t symbol = 0; ///< of the code-length code
    int extraBits = 0;
    std::uint32_t extra = 0;
};

std::vector<LengthItem> runLengthItems(const Code &charCode)
{
    std::vector<LengthItem> items;
    const std::size_t n = charCode.listedCount();
    for (std::size_t i = 0; i < n;) {
        if (charCode.lengths[i] != 0) {
            items.push_back({static_cast<std::uint8_t>(charCode.lengths[i] + 2)});
            ++i;
            continue;
        }
        std::size_t run = 0;
        while (i < n && charCode.lengths[i] == 0) {
            ++run;
            ++i;
        }
        // 0 stands for one unused code, 1 for 3..18 of them, 2 for 20 or more; a run of 19 is
        // sent as one plus eighteen.
        if (run <= 2) {
            items.insert(items.end(), run, LengthItem{0});
        } else if (run <= 18) {
            items.push_back({1, 4, static_cast<std::uint32_t>(run - 3)});
        } else if (run == 19) {
            items.push_back({0});
            items.push_back({1, 4, 15});
        } else {
            items.push_back({2, CharCountBits, static_cast<std::uint32_t>(run - 20)});
        }
    }
    return items;
}

/// A length 0..6 takes three bits; 7 and more take "111", one "1" per step above 7, and a "0".
void putLength(BitWriter &out, int length)
{
    if (length <= 6)
        out.put(3, static_cast<std::uint32_t>(length));
    else
        out.put(length - 3, (std::uint32_t(1) << (length - 3)) - 2);
}

/// Writes the lengths of the code-length code or of the position code. `skipAfter` is the index
/// after which a two-bit count of further zero lengths follows (-1: none).
void putSmallTable(BitWriter &out, const Code &code, int countBits, int skipAfter)
{
    if (code.single >= 0) {
        out.put(countBits, 0);
        out.put(countBits, static_cast<std::uint32_t>(code.single));
        return;
    }
    const std::size_t n = code.listedCount();
    out.put(countBits, static_cast<std::uint32_t>(n));
    for (std::size_t i = 0; i < n;) {
        putLength(out, code.lengths[i]);
        ++i;
        if (static_cast<int>(i) == skipAfter) {
            std::size_t zeros = 0;
            while (zeros < 3 && i + zeros < n && code.lengths[i + zeros] == 0)
                ++zeros;
            out.put(2, static_cast<std::uint32_t>(zeros));
            i += zeros;
        }
    }
}

std::size_t charSymbol(const LzToken &token)
{
    return token.isCopy() ? std::size_t(256) + token.length - MinCopy : token.literal;
}

std::size_t positionSymbol(const LzToken &token)
{
    return static_cast<std::size_t>(std::bit_width(unsigned(token.distance - 1)));
}

void putBlock(BitWriter &out, std::span<const LzToken> tokens)
{
    std::array<std::uint32_t, CharCodes> charFreq{};
    std::array<std::uint32_t, PositionCodes> positionFreq{};
    for (const LzToken &token : tokens) {
        ++charFreq[charSymbol(token)];
        if (token.isCopy())
            ++positionFreq[positionSymbol(token)];
    }
    const Code charCode = Code::forFrequencies(charFreq);
    const Code positionCode = Code::forFrequencies(positionFreq);

    out.put(16, static_cast<std::uint32_t>(tokens.size()));
    if (charCode.single >= 0) {
        // No lengths to send: an empty code-length code, then the one symbol.
        putSmallTable(out, Code{.single = 0}, LengthCountBits, -1);
        out.put(CharCountBits, 0);
        out.put(CharCountBits, static_cast<std::uint32_t>(charCode.single));
    } else {
        const auto items = runLengthItems(charCode);
        std::array<std::uint32_t, LengthCodes> lengthFreq{};
        for (const LengthItem &item : items)
            ++lengthFreq[item.symbol];
        const Code lengthCode = Code::forFrequencies(lengthFreq);
        putSmallTable(out, lengthCode, LengthCountBits, LengthCodeSkipAfter);
        out.put(CharCountBits, static_cast<std::uint32_t>(charCode.listedCount()));
        for (const LengthItem &item : items) {
            lengthCode.put(out, item.symbol);
            out.put(item.extraBits, item.extra);
        }
    }
    putSmallTable(out, positionCode, PositionCountBits, -1);

    for (const LzToken &token : tokens) {
        charCode.put(out, charSymbol(token));
        if (!token.isCopy())
            continue;
        const std::size_t p = positionSymbol(token);
        positionCode.put(out, p);
        // Below the leading one bit that the position code implies.
        if (p > 1)
            out.put(static_cast<int>(p) - 1, unsigned(token.distance - 1) - (1u << (p - 1)));
    }
}

} // namespace

std::vector<std::uint8_t> encodeLh6(std::span<const std::uint8_t> data, const Lh6Options &options)
{
    assert(options.blockCodes >= 1 && options.blockCodes <= 65535);
    const LzParams params{
        .window = Window, .minLength = MinCopy, .maxLength = MaxCopy, .maxChain = options.maxChain};
    const std::vector<LzToken> tokens = parseLzss(data, params);
    BitWriter out;
    for (std::size_t start = 0; start < tokens.size(); start += options.blockCodes) {
        const std::size_t count = std::min(options.blockCodes, tokens.size() - start);
        putBlock(out, std::span(tokens).subspan(start, count));
    }
    return out.finish();
}

} // namespace klettra::document
