#pragma once

#include <cstdint>
#include <span>

namespace klettra::document {

/// The CRC-16 that LHA archives keep for every member: reflected polynomial 0xA001, starting
/// from `crc` (0 for a fresh sum), no final inversion. Passing a previous result continues a sum.
std::uint16_t crc16(std::span<const std::uint8_t> data, std::uint16_t crc = 0);

} // namespace klettra::document
