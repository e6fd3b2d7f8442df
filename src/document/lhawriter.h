#pragma once

#include <cstdint>
#include <ctime>
#include <span>
#include <string_view>
#include <vector>

#include "document/lh6encoder.h"

namespace klettra::document {

/// Layout of the level-0 member header that `packLh6Member` writes (offsets from its start).
namespace Level0 {
constexpr std::size_t HeaderSizeOffset = 0; ///< bytes of header after the first two
constexpr std::size_t ChecksumOffset = 1;   ///< sum of those bytes, modulo 256
constexpr std::size_t MethodOffset = 2;     ///< "-lh6-"
constexpr std::size_t PackedSizeOffset = 7;
constexpr std::size_t OriginalSizeOffset = 11;
constexpr std::size_t TimeOffset = 15; ///< MS-DOS time in the low half, date in the high half
constexpr std::size_t AttributeOffset = 19;
constexpr std::size_t LevelOffset = 20;
constexpr std::size_t NameLengthOffset = 21;
constexpr std::size_t NameOffset = 22; ///< then the name, then the CRC-16 of the original data
constexpr std::size_t FixedSize = 24;  ///< a header's size without the name
constexpr std::size_t MaxNameLength = 255 - (FixedSize - 2);
constexpr std::uint8_t ArchiveAttribute = 0x20;
} // namespace Level0

/// `t` as local date and time packed the MS-DOS way (seconds halved, years from 1980); times
/// before 1980 give 1 January 1980, 00:00.
std::uint32_t dosDateTime(std::time_t t);

/// The sum of `bytes` modulo 256: the checksum of a level-0 header.
std::uint8_t headerChecksum(std::span<const std::uint8_t> bytes);

/// A one-member LHA archive: a level-0 header naming `name` (no directory; at most
/// Level0::MaxNameLength bytes) with method "-lh6-", the stamp `dosTime`, the `attribute` byte and
/// the CRC-16 of `data`, followed by `data` compressed. No end-of-archive byte follows.
std::vector<std::uint8_t> packLh6Member(std::string_view name, std::span<const std::uint8_t> data,
                                        std::uint32_t dosTime,
                                        std::uint8_t attribute = Level0::ArchiveAttribute,
                                        const Lh6Options &options = {});

} // namespace klettra::document
