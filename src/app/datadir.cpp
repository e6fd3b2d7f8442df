#include "app/datadir.h"

#include "base/safefile.h"

#include <cstdlib>
#include <unistd.h>

namespace klettra::app {

namespace fs = std::filesystem;

namespace {

std::optional<fs::path> envPath(const char *name)
{
    const char *value = std::getenv(name);
    if (!value || !*value)
        return std::nullopt;
    return fs::path(value);
}

bool isWritableDir(const fs::path &dir)
{
    std::error_code ec;
    return fs::is_directory(dir, ec) && ::access(dir.c_str(), W_OK | X_OK) == 0;
}

bool isSeedFile(const fs::directory_entry &entry)
{
    const auto name = entry.path().filename().string();
    return name == "grating.dat" || entry.path().extension() == ".db";
}

} // namespace

DataDirSources dataDirSourcesFromEnvironment(std::optional<fs::path> commandLine)
{
    return DataDirSources{
        .commandLine = std::move(commandLine),
        .environment = envPath("KLETTRA_DATA_DIR"),
        .executableDir = executableDir(),
        .xdgDataHome = envPath("XDG_DATA_HOME"),
        .home = envPath("HOME"),
    };
}

fs::path resolveDataDir(const DataDirSources &sources)
{
    if (sources.commandLine)
        return *sources.commandLine;
    if (sources.environment)
        return *sources.environment;
    if (isWritableDir(sources.executableDir))
        return sources.executableDir;
    if (sources.xdgDataHome)
        return *sources.xdgDataHome / "klettra";
    return sources.home.value_or(fs::temp_directory_path()) / ".local" / "share" / "klettra";
}

fs::path bundledDataDir(const fs::path &exeDir)
{
    return exeDir.parent_path() / "share" / "klettra";
}

fs::path executableDir()
{
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path() : exe.parent_path();
}

bool isUnseeded(const fs::path &dataDir)
{
    std::error_code ec;
    for (const auto &entry : fs::directory_iterator(dataDir, ec)) {
        if (isSeedFile(entry))
            return false;
    }
    return true;
}

bool prepareDataDir(const fs::path &dataDir, const fs::path &bundledDir, std::string &error)
{
    std::error_code ec;
    fs::create_directories(dataDir, ec);
    if (!fs::is_directory(dataDir, ec)) {
        error = "cannot create the data directory " + dataDir.string();
        return false;
    }
    if (!isUnseeded(dataDir) || !fs::is_directory(bundledDir, ec) || fs::equivalent(dataDir, bundledDir, ec))
        return true;
    for (const auto &entry : fs::directory_iterator(bundledDir, ec)) {
        if (!entry.is_regular_file() || !isSeedFile(entry))
            continue;
        // Copied whole through a temporary file, so a full disk leaves no half dictionary.
        const auto bytes = base::readWholeFile(entry.path());
        std::string reason;
        if (!bytes || !base::writeFileAtomically(dataDir / entry.path().filename(), *bytes, &reason)) {
            error = "cannot copy " + entry.path().string() + " to " + dataDir.string() +
                    (reason.empty() ? "" : ": " + reason);
            return false;
        }
    }
    return true;
}

} // namespace klettra::app
