#include <iostream>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include "app/datadir.h"
#include "benchdata.h"
#include "dictionaries/slovarfiles.h"
#include "dictionaries/slovartable.h"
#include "engine/wordloader.h"
#include "engine/wordpool.h"

using namespace klettra;

namespace {

/// A dictionary "nouns" of the large noun list, each word with a made-up clue, in a temporary
/// data directory that goes when the program ends.
class NounDictionary
{
public:
    NounDictionary()
        : m_dir(std::filesystem::temp_directory_path() / ("klettra-bench-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(m_dir);
        if (!dictionaries::CreateSlovarTable(m_dir, Name)) {
            std::cerr << "cannot create the noun dictionary in " << m_dir << '\n';
            std::exit(2);
        }
        dictionaries::SlovarTable table(m_dir, Name);
        if (!table.open()) {
            std::cerr << "cannot open the noun dictionary: " << table.lastError() << '\n';
            std::exit(2);
        }
        int n = 0;
        for (const auto &word : bench::readNounList()) {
            table.insert();
            table.setField(dictionaries::Field::Slovo, word);
            table.setField(dictionaries::Field::Opisanie, "Clue " + std::to_string(++n) + '.');
            if (!table.post())
                table.cancel();
        }
        table.close();
    }

    ~NounDictionary() { std::filesystem::remove_all(m_dir); }

    static constexpr const char *Name = "nouns";
    const std::filesystem::path &dir() const { return m_dir; }

private:
    std::filesystem::path m_dir;
};

void loadAll(benchmark::State &state, const std::filesystem::path &dir, const std::vector<std::string> &names)
{
    engine::WordPool pool;
    std::size_t records = 0;
    for (auto _ : state) {
        engine::LoadWords(dir, names, true, pool, [&](std::size_t read) {
            records = read;
            return true;
        });
        benchmark::DoNotOptimize(pool.size());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * records));
    state.counters["words"] = static_cast<double>(pool.size());
    state.counters["pool_MB"] = static_cast<double>(pool.memoryUsage()) / 1e6;
}

void BM_LoadWordsBundled(benchmark::State &state)
{
    const auto dir = app::bundledDataDir(app::executableDir());
    const auto names = dictionaries::FindSlovars(dir);
    if (names.empty()) {
        state.SkipWithError(("no bundled dictionaries in " + dir.string()).c_str());
        return;
    }
    loadAll(state, dir, names);
}

void BM_LoadWordsNouns(benchmark::State &state)
{
    static const NounDictionary nouns;
    loadAll(state, nouns.dir(), {NounDictionary::Name});
}

} // namespace

BENCHMARK(BM_LoadWordsBundled)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadWordsNouns)->Unit(benchmark::kMillisecond);
