#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace klettra::document {

/// One step of an LZSS parse: a literal byte, or a copy of `length` bytes from `distance` bytes back.
struct LzToken
{
    std::uint16_t length = 0;   ///< 0 for a literal
    std::uint16_t distance = 0; ///< 1.. for a copy
    std::uint8_t literal = 0;

    bool isCopy() const { return length != 0; }
};

struct LzParams
{
    int window = 16384;  ///< largest distance of a copy
    int minLength = 3;   ///< shorter repeats are sent as literals
    int maxLength = 256; ///< longest copy
    int maxChain = 256;  ///< candidates tried per position; 0 sends everything as literals
};

/// Splits `data` into literals and copies: a hash-chain search over the window for the longest
/// earlier repeat at each position, with one step of lazy evaluation (a copy is put off by one
/// byte when the next position starts a longer one).
std::vector<LzToken> parseLzss(std::span<const std::uint8_t> data, const LzParams &params = {});

} // namespace klettra::document
