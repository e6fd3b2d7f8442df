#include "document/crc16.h"

#include <array>

namespace klettra::document {

namespace {

constexpr std::array<std::uint16_t, 256> makeTable()
{
    std::array<std::uint16_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        unsigned value = i;
        for (int bit = 0; bit < 8; ++bit)
            value = (value & 1) != 0 ? (value >> 1) ^ 0xA001u : value >> 1;
        table[i] = static_cast<std::uint16_t>(value);
    }
    return table;
}

constexpr auto Table = makeTable();

} // namespace

std::uint16_t crc16(std::span<const std::uint8_t> data, std::uint16_t crc)
{
    for (const std::uint8_t byte : data)
        crc = static_cast<std::uint16_t>((crc >> 8) ^ Table[(crc ^ byte) & 0xFFu]);
    return crc;
}

} // namespace klettra::document
