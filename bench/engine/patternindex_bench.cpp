#include <random>

#include <benchmark/benchmark.h>

#include "benchdata.h"
#include "engine/patternindex.h"

using namespace klettra::engine;

namespace {

const WordPool &nounPool()
{
    static const WordPool pool = [] {
        WordPool p;
        for (const auto &word : klettra::bench::readNounList())
            p.add(word, "");
        return p;
    }();
    return pool;
}

/// Patterns of lengths 5..10 with `letters` positions taken from real words, the others open,
/// as a composition step sees them.
std::vector<std::string> patternsWithLetters(int letters)
{
    std::mt19937 random(static_cast<unsigned>(1000 + letters));
    std::vector<std::string> patterns;
    while (patterns.size() < 1000) {
        const int length = 5 + static_cast<int>(random() % 6);
        const std::size_t count = nounPool().PoolCount(length);
        if (count == 0)
            continue;
        const std::string word(nounPool().word(length, random() % count));
        std::string pattern(word.size(), ' ');
        for (int placed = 0; placed < letters;) {
            const std::size_t pos = random() % word.size();
            if (pattern[pos] == ' ') {
                pattern[pos] = word[pos];
                ++placed;
            }
        }
        patterns.push_back(pattern);
    }
    return patterns;
}

template <typename Find>
void runPatterns(benchmark::State &state, Find find)
{
    const auto patterns = patternsWithLetters(static_cast<int>(state.range(0)));
    std::vector<std::uint32_t> found;
    std::size_t i = 0;
    std::size_t matches = 0;
    for (auto _ : state) {
        matches += find(patterns[i], found);
        benchmark::DoNotOptimize(found.data());
        i = (i + 1) % patterns.size();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
    state.counters["matches"] =
        benchmark::Counter(static_cast<double>(matches) / static_cast<double>(state.iterations()));
}

void BM_FindWordsIndex(benchmark::State &state)
{
    static const PatternIndex index(nounPool());
    runPatterns(state, [](const std::string &p, std::vector<std::uint32_t> &found) {
        return index.FindWords(p, found);
    });
}

void BM_FindWordsScan(benchmark::State &state)
{
    runPatterns(state, [](const std::string &p, std::vector<std::uint32_t> &found) {
        return findWordsByScan(nounPool(), p, found);
    });
}

void BM_BuildPatternIndex(benchmark::State &state)
{
    const WordPool &pool = nounPool();
    std::size_t bytes = 0;
    for (auto _ : state) {
        PatternIndex index(pool);
        bytes = index.memoryUsage();
        benchmark::DoNotOptimize(&index);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * pool.size()));
    state.counters["index_MB"] = static_cast<double>(bytes) / 1e6;
}

} // namespace

BENCHMARK(BM_FindWordsIndex)->ArgName("letters")->DenseRange(0, 3);
BENCHMARK(BM_FindWordsScan)->ArgName("letters")->DenseRange(0, 3);
BENCHMARK(BM_BuildPatternIndex)->Unit(benchmark::kMillisecond);
