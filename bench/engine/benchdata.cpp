#include "benchdata.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>

#include "text/cp1251.h"

namespace klettra::bench {

namespace {

std::filesystem::path &givenPath()
{
    static std::filesystem::path path;
    return path;
}

} // namespace

std::filesystem::path nounListPath()
{
    if (!givenPath().empty())
        return givenPath();
    if (const char *env = std::getenv("KLETTRA_NOUNS_LARGE"); env && *env)
        return env;
    return KLETTRA_NOUNS_LARGE;
}

void takeNounListArgument(int &argc, char **argv)
{
    constexpr std::string_view option = "--nouns=";
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]).starts_with(option))
            givenPath() = argv[i] + option.size();
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
}

std::vector<std::string> readNounList()
{
    std::ifstream in(nounListPath());
    if (!in) {
        std::cerr << "cannot read the noun list " << nounListPath()
                  << " (set --nouns=PATH or KLETTRA_NOUNS_LARGE)\n";
        std::exit(2);
    }
    std::vector<std::string> words;
    std::string line;
    while (std::getline(in, line)) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.pop_back();
        if (!line.empty())
            words.push_back(text::fromUtf8(line));
    }
    return words;
}

} // namespace klettra::bench
