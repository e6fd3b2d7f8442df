#pragma once

#include <cstdint>
#include <vector>

namespace klettra::document {

/// Collects a bit stream most significant bit first, the order LHA decoders read it in.
class BitWriter
{
public:
    /// Appends the low `count` bits of `value` (count 0..32), the highest of them first.
    void put(int count, std::uint32_t value);

    /// Pads the last byte with zero bits and hands over the bytes.
    std::vector<std::uint8_t> finish();

private:
    std::vector<std::uint8_t> m_bytes;
    std::uint64_t m_pending = 0; ///< bits not yet stored, right-aligned
    int m_pendingCount = 0;
};

} // namespace klettra::document
