#include "engine/random.h"

#include <chrono>
#include <limits>

namespace klettra::engine {

std::uint32_t Random::below(std::uint32_t n)
{
    // Rejecting the top values that do not fill a whole multiple of n keeps every result equally
    // likely.
    constexpr std::uint64_t max = std::numeric_limits<std::uint64_t>::max();
    const std::uint64_t limit = max - max % n;
    std::uint64_t value = m_engine();
    while (value >= limit)
        value = m_engine();
    return static_cast<std::uint32_t>(value % n);
}

std::uint64_t Random::seedFromClock()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

} // namespace klettra::engine
