#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace klettra::document {

/// Code lengths of an optimal prefix code for the symbol frequencies `freq` in which no code is
/// longer than `maxLength` bits (the package-merge method). Unused symbols get length 0. At least
/// two symbols must be used, and no more than 2^maxLength of them; the code is then complete.
/// Ties are broken by symbol number, so equal input always gives equal output.
std::vector<std::uint8_t> limitedCodeLengths(std::span<const std::uint32_t> freq, int maxLength);

/// The canonical code for `lengths`: shorter codes first and, within a length, in symbol order,
/// counting up from all zeros. This is the code an LHA decoder rebuilds from the lengths alone.
/// Lengths are at most 16; unused symbols (length 0) get code 0.
std::vector<std::uint16_t> canonicalCodes(std::span<const std::uint8_t> lengths);

} // namespace klettra::document
