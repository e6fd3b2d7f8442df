#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace klettra::document {

struct Lh6Options
{
    /// Candidates the match search tries per position; 0 stores every byte as a literal.
    int maxChain = 256;
    /// Codes per block, 1..65535; each block carries its own Huffman tables.
    std::size_t blockCodes = 65535;
};

/// Compresses `data` into an LHA "-lh6-" stream: LZSS over a 16 KiB window (copies of 3..256
/// bytes), then blocks of static Huffman codes, each block led by its code count and its three
/// tables (the code-length code, the literal/length code, the position code), every code at most
/// 16 bits long. Any "-lh6-" decoder reads the result; empty input gives an empty stream.
std::vector<std::uint8_t> encodeLh6(std::span<const std::uint8_t> data, const Lh6Options &options = {});

} // namespace klettra::document
