#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace klettra::app {

/// Where the data directory may come from, strongest first.
struct DataDirSources
{
    std::optional<std::filesystem::path> commandLine; ///< --data-dir DIR
    std::optional<std::filesystem::path> environment; ///< KLETTRA_DATA_DIR
    std::filesystem::path executableDir;
    std::optional<std::filesystem::path> xdgDataHome; ///< XDG_DATA_HOME
    std::optional<std::filesystem::path> home;        ///< HOME
};

/// The sources as this process sees them (environment and its own executable).
DataDirSources dataDirSourcesFromEnvironment(std::optional<std::filesystem::path> commandLine);

/// The data directory: the one named on the command line or in the environment, else the
/// executable's directory when it is writable, else $XDG_DATA_HOME/klettra (~/.local/share/klettra).
std::filesystem::path resolveDataDir(const DataDirSources &sources);

/// Where the program's bundled dictionaries and templates are: <prefix>/share/klettra beside
/// <prefix>/bin, in the build tree as in an installation.
std::filesystem::path bundledDataDir(const std::filesystem::path &executableDir);

/// The directory of the running executable.
std::filesystem::path executableDir();

/// True when `dataDir` holds neither "grating.dat" nor any "*.db": a first start.
bool isUnseeded(const std::filesystem::path &dataDir);

/// Creates `dataDir` when needed and, on a first start, copies the bundled "grating.dat" and
/// dictionaries into it. Nothing is copied into the bundled directory itself. On failure returns
/// false with the reason in `error`; files copied before the failure stay.
[[nodiscard]] bool prepareDataDir(const std::filesystem::path &dataDir, const std::filesystem::path &bundledDir,
                                  std::string &error);

} // namespace klettra::app
