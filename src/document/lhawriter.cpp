#include "document/lhawriter.h"

#include <algorithm>
#include <cassert>
#include <numeric>

#include "document/crc16.h"

namespace klettra::document {

namespace {

void putLittleEndian(std::uint8_t *out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

} // namespace

std::uint32_t dosDateTime(std::time_t t)
{
    std::tm local{};
    if (::localtime_r(&t, &local) == nullptr || local.tm_year < 80)
        return (1u << 5 | 1u) << 16; // 1 January 1980, 00:00:00
    const auto time = static_cast<std::uint32_t>(local.tm_hour << 11 | local.tm_min << 5 | local.tm_sec / 2);
    const auto date =
        static_cast<std::uint32_t>((local.tm_year - 80) << 9 | (local.tm_mon + 1) << 5 | local.tm_mday);
    return date << 16 | time;
}

std::uint8_t headerChecksum(std::span<const std::uint8_t> bytes)
{
    return static_cast<std::uint8_t>(std::accumulate(bytes.begin(), bytes.end(), 0u));
}

std::vector<std::uint8_t> packLh6Member(std::string_view name, std::span<const std::uint8_t> data,
                                        std::uint32_t dosTime, std::uint8_t attribute,
                                        const Lh6Options &options)
{
    assert(name.size() <= Level0::MaxNameLength);
    const std::vector<std::uint8_t> packed = encodeLh6(data, options);
    const std::size_t headerSize = Level0::FixedSize + name.size();

    std::vector<std::uint8_t> archive(headerSize + packed.size());
    std::uint8_t *h = archive.data();
    h[Level0::HeaderSizeOffset] = static_cast<std::uint8_t>(headerSize - 2);
    std::copy_n("-lh6-", 5, h + Level0::MethodOffset);
    putLittleEndian(h + Level0::PackedSizeOffset, static_cast<std::uint32_t>(packed.size()), 4);
    putLittleEndian(h + Level0::OriginalSizeOffset, static_cast<std::uint32_t>(data.size()), 4);
    putLittleEndian(h + Level0::TimeOffset, dosTime, 4);
    h[Level0::AttributeOffset] = attribute;
    h[Level0::LevelOffset] = 0;
    h[Level0::NameLengthOffset] = static_cast<std::uint8_t>(name.size());
    std::copy(name.begin(), name.end(), h + Level0::NameOffset);
    putLittleEndian(h + Level0::NameOffset + name.size(), crc16(data), 2);
    h[Level0::ChecksumOffset] = headerChecksum(std::span(archive).subspan(2, headerSize - 2));
    std::copy(packed.begin(), packed.end(), archive.begin() + static_cast<std::ptrdiff_t>(headerSize));
    return archive;
}

} // namespace klettra::document
