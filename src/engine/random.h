#pragma once

#include <cstdint>
#include <random>

namespace klettra::engine {

/// The random source of one composition. Mersenne Twister output is fixed by the language
/// standard and the reduction to a range is our own, so one seed gives the same choices with
/// every compiler and library.
class Random
{
public:
    explicit Random(std::uint64_t seed = 0)
        : m_engine(seed)
    {}

    /// A uniform integer in 0..n-1; `n` must be positive.
    std::uint32_t below(std::uint32_t n);

    /// A seed taken from the clock, for compositions nobody asked to reproduce.
    static std::uint64_t seedFromClock();

private:
    std::mt19937_64 m_engine;
};

} // namespace klettra::engine
