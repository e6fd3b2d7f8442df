// Saving and loading crossword files, and the -lh6- encoder on its own.

#include <random>

#include <benchmark/benchmark.h>

#include "document/crosfile.h"
#include "document/lh6encoder.h"
#include "model/model.h"
#include "support/samplecrosswords.h"

using namespace klettra;

namespace {

/// Words of a small vocabulary with a stray byte now and then: text that compresses well.
std::vector<std::uint8_t> textLike(std::size_t size)
{
    static const char *const words[] = {"alpha ", "beta ", "gamma, ", "delta. ", "epsilon ", "zeta "};
    std::mt19937 random(3);
    std::vector<std::uint8_t> data;
    while (data.size() < size) {
        const std::string_view w = words[random() % std::size(words)];
        data.insert(data.end(), w.begin(), w.end());
        if (random() % 8 == 0)
            data.push_back(static_cast<std::uint8_t>(random()));
    }
    data.resize(size);
    return data;
}

std::vector<std::uint8_t> randomBytes(std::size_t size)
{
    std::mt19937 random(5);
    std::vector<std::uint8_t> data(size);
    for (auto &b : data)
        b = static_cast<std::uint8_t>(random());
    return data;
}

void BM_BuildCrosFile(benchmark::State &state)
{
    const model::Model m = test::filledCrossword(static_cast<int>(state.range(0)));
    std::size_t fileSize = 0;
    for (auto _ : state) {
        const auto file = document::buildCrosFile(m, 0);
        fileSize = file->size();
        benchmark::DoNotOptimize(file);
    }
    state.counters["file_bytes"] = static_cast<double>(fileSize);
    state.counters["payload_bytes"] = static_cast<double>(7648 + 291 * m.slotCount());
}
BENCHMARK(BM_BuildCrosFile)->Arg(4)->Arg(60)->Arg(255)->Unit(benchmark::kMillisecond);

void BM_LoadCrosBytes(benchmark::State &state)
{
    const auto file = document::buildCrosFile(test::filledCrossword(static_cast<int>(state.range(0))), 0);
    for (auto _ : state) {
        model::Model m;
        benchmark::DoNotOptimize(document::loadCrosBytes(*file, m));
    }
}
BENCHMARK(BM_LoadCrosBytes)->Arg(4)->Arg(255)->Unit(benchmark::kMillisecond);

void encode(benchmark::State &state, const std::vector<std::uint8_t> &data)
{
    std::size_t packed = 0;
    for (auto _ : state) {
        const auto out = document::encodeLh6(data);
        packed = out.size();
        benchmark::DoNotOptimize(out);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * data.size()));
    state.counters["ratio"] = static_cast<double>(packed) / static_cast<double>(data.size());
}

void BM_EncodeText(benchmark::State &state)
{
    encode(state, textLike(static_cast<std::size_t>(state.range(0))));
}
BENCHMARK(BM_EncodeText)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

void BM_EncodeRandom(benchmark::State &state)
{
    encode(state, randomBytes(static_cast<std::size_t>(state.range(0))));
}
BENCHMARK(BM_EncodeRandom)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

void BM_EncodeZeros(benchmark::State &state)
{
    encode(state, std::vector<std::uint8_t>(static_cast<std::size_t>(state.range(0)), 0));
}
BENCHMARK(BM_EncodeZeros)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

} // namespace
BENCHMARK_MAIN();
