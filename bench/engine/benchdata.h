#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace klettra::bench {

/// The large noun list the benchmarks read: given by --nouns=PATH, else by the environment
/// variable KLETTRA_NOUNS_LARGE, else the path the build was configured with.
std::filesystem::path nounListPath();

/// Removes --nouns=PATH from the arguments (before Google Benchmark sees them) and remembers it.
void takeNounListArgument(int &argc, char **argv);

/// The words of the noun list (UTF-8, one per line) in Windows-1251; stops the program with a
/// message when the file cannot be read.
std::vector<std::string> readNounList();

} // namespace klettra::bench
