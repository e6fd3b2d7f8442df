#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

namespace klettra::engine {

/// Which empty slots a composition step prefers (the setting `PrioritetSlov`).
namespace Priority {
constexpr std::uint8_t Longest = 1;  ///< the longest empty slots, the default
constexpr std::uint8_t Shortest = 2; ///< the shortest empty slots
constexpr std::uint8_t Random = 3;   ///< a length chosen at random; so is every other value
} // namespace Priority

/// How one composition runs.
struct CompositionParams
{
    std::uint8_t priority = Priority::Longest;          ///< `PrioritetSlov`
    bool removeRepeats = true;                          ///< `CreateWithoutPovtors`
    bool skipUnclued = true;                            ///< `NotUseWordsWithoutVopros`, read by the word load
    std::optional<std::uint64_t> seed;                  ///< nothing: seeded from the clock
    std::optional<std::uint64_t> maxSteps;              ///< stop after this many steps without completion
    std::optional<std::chrono::milliseconds> timeLimit; ///< stop once this much time has passed
};

} // namespace klettra::engine
