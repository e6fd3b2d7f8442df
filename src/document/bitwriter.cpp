#include "document/bitwriter.h"

#include <utility>

namespace klettra::document {

void BitWriter::put(int count, std::uint32_t value)
{
    if (count == 0)
        return;
    const std::uint64_t mask = (std::uint64_t(1) << count) - 1;
    m_pending = (m_pending << count) | (value & mask);
    m_pendingCount += count;
    while (m_pendingCount >= 8) {
        m_pendingCount -= 8;
        m_bytes.push_back(static_cast<std::uint8_t>(m_pending >> m_pendingCount));
    }
    m_pending &= (std::uint64_t(1) << m_pendingCount) - 1;
}

std::vector<std::uint8_t> BitWriter::finish()
{
    if (m_pendingCount > 0)
        put(8 - m_pendingCount, 0);
    m_pending = 0;
    return std::move(m_bytes);
}

} // namespace klettra::document
