#include "dictionaries/slovarfiles.h"

#include <array>

#include "dictionaries/slovartable.h"

namespace klettra::dictionaries {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view TableExtension = ".db";
// Files that belong to a table besides "<name>.db": the index and validity files of older
// tables, then SQLite's journals, which must travel with the database they belong to.
constexpr std::array<std::string_view, 2> CompanionExtensions = {".px", ".val"};
constexpr std::array<std::string_view, 3> SqliteSideSuffixes = {"-journal", "-wal", "-shm"};

fs::path withSuffix(const fs::path &path, std::string_view suffix)
{
    return path.parent_path() / (path.filename().string() + std::string(suffix));
}

// The file names of one dictionary other than the table itself.
std::vector<std::string> companionNames(const std::string &name)
{
    std::vector<std::string> names;
    for (const auto extension : CompanionExtensions)
        names.push_back(name + std::string(extension));
    for (const auto suffix : SqliteSideSuffixes)
        names.push_back(name + std::string(TableExtension) + std::string(suffix));
    return names;
}

bool fileExists(const fs::path &path)
{
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

// Length of the UTF-8 sequence that starts with `lead`; a stray byte counts as one character.
std::size_t utf8Length(unsigned char lead)
{
    if (lead >= 0xF0 && lead < 0xF8)
        return 4;
    if (lead >= 0xE0)
        return lead < 0xF0 ? 3 : 1;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

} // namespace

std::vector<std::string> FindSlovars(const fs::path &dataDir)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto &entry : fs::directory_iterator(dataDir, ec)) {
        const std::string fileName = entry.path().filename().string();
        if (fileName.size() <= TableExtension.size() || !fileName.ends_with(TableExtension))
            continue;
        std::error_code typeError;
        if (entry.is_directory(typeError))
            continue;
        std::string name = fileName.substr(0, fileName.size() - TableExtension.size());
        SlovarTable table(dataDir, name);
        if (table.open())
            names.push_back(std::move(name));
    }
    return names;
}

bool CreateSlovarTable(const fs::path &dataDir, const std::string &name, std::string *error)
{
    SlovarTable table(dataDir, name);
    if (table.create())
        return true;
    if (error)
        *error = table.lastError();
    return false;
}

std::int64_t CountSlovarWords(const fs::path &dataDir, const std::string &name)
{
    SlovarTable table(dataDir, name);
    return table.open() ? table.count() : 0;
}

std::int64_t CountWords(const fs::path &dataDir, const std::vector<std::string> &names)
{
    std::int64_t total = 0;
    for (const auto &name : names)
        total += CountSlovarWords(dataDir, name);
    return total;
}

bool matchesMask(std::string_view fileName, std::string_view pattern)
{
    // Greedy matching with one backtrack point, the last '*' seen.
    std::size_t name = 0;
    std::size_t mask = 0;
    std::size_t starMask = std::string_view::npos;
    std::size_t starName = 0;
    while (name < fileName.size()) {
        if (mask < pattern.size() && pattern[mask] == '*') {
            starMask = mask++;
            starName = name;
        } else if (mask < pattern.size() && pattern[mask] == '?') {
            name += utf8Length(static_cast<unsigned char>(fileName[name]));
            ++mask;
        } else if (mask < pattern.size() && pattern[mask] == fileName[name]) {
            ++name;
            ++mask;
        } else if (starMask != std::string_view::npos) {
            mask = starMask + 1;
            starName += utf8Length(static_cast<unsigned char>(fileName[starName]));
            name = starName;
        } else {
            return false;
        }
    }
    while (mask < pattern.size() && pattern[mask] == '*')
        ++mask;
    return mask == pattern.size() && name == fileName.size();
}

bool DeleteFilesByMask(const fs::path &mask)
{
    const fs::path dir = mask.has_parent_path() ? mask.parent_path() : fs::path(".");
    const std::string pattern = mask.filename().string();
    std::vector<fs::directory_entry> matches;
    std::error_code ec;
    for (const auto &entry : fs::directory_iterator(dir, ec)) {
        if (matchesMask(entry.path().filename().string(), pattern))
            matches.push_back(entry);
    }
    if (matches.empty())
        return false;
    for (const auto &entry : matches) {
        const std::string fileName = entry.path().filename().string();
        std::error_code typeError;
        if (fileName.starts_with('.') || entry.is_directory(typeError))
            continue;
        if (!fs::remove(dir / fileName, ec))
            return false;
    }
    return true;
}

bool DeleteSlovarFiles(const fs::path &dataDir, const std::string &name)
{
    if (!isValidSlovarName(name))
        return false;
    std::error_code ec;
    const fs::path table = dataDir / (name + std::string(TableExtension));
    if (fileExists(table) && !fs::remove(table, ec))
        return false;
    bool ok = true;
    for (const auto &companion : companionNames(name)) {
        if (fileExists(dataDir / companion) && !fs::remove(dataDir / companion, ec))
            ok = false;
    }
    return ok;
}

bool RenameSlovarFiles(const fs::path &dataDir, const std::string &oldName, const std::string &newName,
                       std::string *error)
{
    const auto fail = [error](std::string message) {
        if (error)
            *error = std::move(message);
        return false;
    };
    if (!isValidSlovarName(newName))
        return fail("not a usable dictionary name: " + newName);
    const std::string extension(TableExtension);
    const fs::path oldTable = dataDir / (oldName + extension);
    const fs::path newTable = dataDir / (newName + extension);
    if (!isValidSlovarName(oldName) || !fileExists(oldTable))
        return fail("no dictionary " + oldName);
    if (fileExists(newTable))
        return fail("a dictionary " + newName + " already exists");

    // Leftovers of a dictionary once called `newName` must not be taken for the renamed one's.
    const auto oldCompanions = companionNames(oldName);
    const auto newCompanions = companionNames(newName);
    std::error_code ec;
    for (const auto &companion : newCompanions)
        fs::remove(dataDir / companion, ec);

    fs::rename(oldTable, newTable, ec);
    if (ec)
        return fail("cannot rename " + oldTable.string() + ": " + ec.message());
    bool ok = true;
    for (std::size_t i = 0; i < oldCompanions.size(); ++i) {
        const fs::path from = dataDir / oldCompanions[i];
        if (!fileExists(from))
            continue;
        fs::rename(from, dataDir / newCompanions[i], ec);
        if (ec)
            ok = fail("cannot rename " + from.string() + ": " + ec.message());
    }
    return ok;
}

void removeSqliteSideFiles(const fs::path &dbPath)
{
    std::error_code ec;
    for (const auto suffix : SqliteSideSuffixes)
        fs::remove(withSuffix(dbPath, suffix), ec);
}

} // namespace klettra::dictionaries
