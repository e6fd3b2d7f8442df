#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "app/datadir.h"
#include "dictionaries/slovarfiles.h"
#include "engine/composer.h"
#include "engine/patternindex.h"
#include "engine/wordloader.h"
#include "engine/wordpool.h"
#include "model/model.h"
#include "model/templateset.h"

using namespace klettra;

namespace {

constexpr int Seeds = 20;
constexpr std::uint64_t StepLimit = 200'000;

std::filesystem::path bundledDir()
{
    return app::bundledDataDir(app::executableDir());
}

/// The bundled dictionaries with their index, loaded once as a composition would load them.
const engine::PatternIndex &bundledIndex()
{
    static engine::WordPool pool;
    static const engine::PatternIndex index = [] {
        const auto dir = bundledDir();
        engine::LoadWords(dir, dictionaries::FindSlovars(dir), true, pool);
        return engine::PatternIndex(pool);
    }();
    return index;
}

/// Composes template `number` with seeds 1..20 using the default settings, and reports the steps
/// per second, the median and worst time of the completed runs and how many did not complete
/// within the step limit.
void composeTemplate(benchmark::State &state, int number)
{
    model::TemplateSet templates(bundledDir());
    templates.InitRehSet();
    model::Model model;
    if (!templates.LoadReh(number, model.cells)) {
        state.SkipWithError("cannot read the template");
        return;
    }
    const auto &index = bundledIndex();
    std::vector<double> completedMs;
    double totalSeconds = 0;
    std::uint64_t totalSteps = 0;
    int incomplete = 0;
    for (auto _ : state) {
        for (std::uint64_t seed = 1; seed <= Seeds; ++seed) {
            engine::Composer composer(model, index);
            const auto begin = std::chrono::steady_clock::now();
            composer.start({.seed = seed, .maxSteps = StepLimit});
            while (composer.isRunning())
                composer.step();
            const std::chrono::duration<double> took = std::chrono::steady_clock::now() - begin;
            totalSeconds += took.count();
            totalSteps += composer.steps();
            if (composer.ending()->isCompleted())
                completedMs.push_back(took.count() * 1000);
            else
                ++incomplete;
        }
    }
    std::ranges::sort(completedMs);
    state.counters["slots"] = model.slotCount();
    state.counters["steps_per_s"] = totalSeconds > 0 ? static_cast<double>(totalSteps) / totalSeconds : 0;
    state.counters["median_ms"] = completedMs.empty() ? 0 : completedMs[completedMs.size() / 2];
    state.counters["worst_ms"] = completedMs.empty() ? 0 : completedMs.back();
    state.counters["incomplete"] = incomplete;
}

/// One benchmark per bundled template, registered when the program starts.
const bool registered = [] {
    model::TemplateSet templates(bundledDir());
    if (!std::filesystem::exists(templates.filePath()))
        return false;
    templates.InitRehSet();
    for (int n = 1; n <= templates.RehCount; ++n) {
        benchmark::RegisterBenchmark(("BM_ComposeTemplate/" + std::to_string(n)).c_str(),
                                     [n](benchmark::State &state) { composeTemplate(state, n); })
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

} // namespace
