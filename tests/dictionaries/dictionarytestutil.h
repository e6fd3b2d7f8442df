#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "dictionaries/slovartable.h"

namespace klettra::test {

/// Windows-1251 text from a UTF-8 literal, so tests read in Russian.
std::string cp(std::string_view utf8);

/// UTF-8 text of Windows-1251 bytes, for readable assertion messages.
std::string utf8(std::string_view cp1251);

using Entries = std::vector<std::pair<std::string, std::string>>; // UTF-8 word, clue

/// Creates dictionary `name` in `dir` holding `entries`.
void makeDictionary(const std::filesystem::path &dir, const std::string &name, const Entries &entries);

/// Every entry of an open table from its current position to the end, in UTF-8.
Entries readRest(dictionaries::SlovarTable &table);

/// Runs SQL on a database file directly, as another tool would.
void runSql(const std::filesystem::path &file, const std::string &sql);

} // namespace klettra::test
