#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace klettra::test {

/// A file of the tests' own data folder (tests/data), found through KLETTRA_TEST_DATA.
std::filesystem::path testDataPath(const std::filesystem::path &name);

std::vector<std::uint8_t> readBytes(const std::filesystem::path &path);
std::string readText(const std::filesystem::path &path);
void writeBytes(const std::filesystem::path &path, const std::vector<std::uint8_t> &bytes);
void writeText(const std::filesystem::path &path, const std::string &text);

/// The lines of `text`, without their line feeds.
std::vector<std::string> linesOf(const std::string &text);

} // namespace klettra::test
