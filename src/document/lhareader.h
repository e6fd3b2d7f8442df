#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace klettra::document {

enum class LhaReadError {
    None,
    NotArchive, ///< no valid member header at the start
    NoMember,   ///< no member of that name among the readable ones
    TooLarge,   ///< the member claims more bytes than the caller accepts
    Corrupt,    ///< the member's data does not decode to its size and CRC-16
};

struct LhaMember
{
    LhaReadError error = LhaReadError::None;
    std::vector<std::uint8_t> data;

    bool ok() const { return error == LhaReadError::None; }
};

/// Unpacks the first member named `name` (compared without its directory) of the LHA archive
/// `archive`, held in memory, with liblhasa. A member claiming more than `maxSize` bytes is refused
/// before anything is decoded, so a hostile header cannot make us allocate what it claims. The
/// data must come out at the size and with the CRC-16 that the header gives.
LhaMember extractLhaMember(std::span<const std::uint8_t> archive, std::string_view name, std::size_t maxSize);

} // namespace klettra::document
