// Writing and reading a dictionary of the size of the large noun list through SlovarTable.
//
//   klettra_dictionaries_bench [--nouns=FILE] [Google Benchmark options]
//
// The word list defaults to KLETTRA_NOUNS_LARGE from the environment, then to the path the
// build was configured with.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "dictionaries/slovarfiles.h"
#include "dictionaries/slovartable.h"
#include "text/cp1251.h"

namespace {

namespace fs = std::filesystem;
using klettra::dictionaries::Field;
using klettra::dictionaries::SlovarTable;

std::string nounsPath = KLETTRA_NOUNS_LARGE;
fs::path workDir;

struct Entry
{
    std::string word; // Windows-1251
    std::string clue;
};

const std::vector<Entry> &entries()
{
    static const std::vector<Entry> list = [] {
        std::vector<Entry> result;
        std::ifstream in(nounsPath);
        std::string line;
        while (std::getline(in, line)) {
            if (const auto word = klettra::text::fromUtf8Strict(line); word && !word->empty())
                result.push_back(
                    {*word, klettra::text::fromUtf8("Придуманный вопрос к слову " + line + ".")});
        }
        return result;
    }();
    return list;
}

// Adds every entry as the word import does: look the word up, then insert and post.
void fill(SlovarTable &table)
{
    for (const auto &entry : entries()) {
        if (table.findExact(entry.word))
            continue;
        table.insert();
        table.setField(Field::Slovo, entry.word);
        table.setField(Field::Opisanie, entry.clue);
        if (!table.post())
            std::abort();
    }
    if (!table.flush())
        std::abort();
}

void importNouns(benchmark::State &state)
{
    for (auto _ : state) {
        SlovarTable table(workDir, "import");
        if (!table.create() || !table.open())
            std::abort();
        fill(table);
        table.close();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(entries().size()));
}

const std::string &readDictionary()
{
    static const std::string name = [] {
        SlovarTable table(workDir, "read");
        if (!table.create() || !table.open())
            std::abort();
        fill(table);
        return table.name();
    }();
    return name;
}

// What loading the word pool costs: open, then every word and clue in index order.
void readNouns(benchmark::State &state)
{
    const std::string &name = readDictionary();
    std::size_t bytes = 0;
    for (auto _ : state) {
        SlovarTable table(workDir, name);
        if (!table.open())
            std::abort();
        std::int64_t words = 0;
        for (table.first(); !table.atEnd(); table.next()) {
            bytes += table.field(Field::Slovo).size() + table.field(Field::Opisanie).size();
            ++words;
        }
        benchmark::DoNotOptimize(words);
    }
    benchmark::DoNotOptimize(bytes);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(entries().size()));
}

void countNouns(benchmark::State &state)
{
    const std::string &name = readDictionary();
    for (auto _ : state)
        benchmark::DoNotOptimize(klettra::dictionaries::CountSlovarWords(workDir, name));
}

BENCHMARK(importNouns)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(readNouns)->Unit(benchmark::kMillisecond);
BENCHMARK(countNouns)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (const char *path = std::getenv("KLETTRA_NOUNS_LARGE"))
        nounsPath = path;
    std::vector<char *> args;
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.starts_with("--nouns="))
            nounsPath = arg.substr(8);
        else
            args.push_back(argv[i]);
    }
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (entries().empty()) {
        std::cerr << "no words in " << nounsPath << " (set --nouns=FILE or KLETTRA_NOUNS_LARGE)\n";
        return 1;
    }
    std::string pattern = (fs::temp_directory_path() / "klettra-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        return 1;
    workDir = pattern;
    std::cerr << entries().size() << " words from " << nounsPath << '\n';
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ec;
    fs::remove_all(workDir, ec);
    return 0;
}
