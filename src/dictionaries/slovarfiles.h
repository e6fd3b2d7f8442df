#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace klettra::dictionaries {

/// The names of the dictionaries in `dataDir`, in the order the directory lists them: every
/// "<name>.db" that opens as one of our tables. Directories, foreign SQLite files, files that are
/// not SQLite at all and names the program cannot use are left out.
std::vector<std::string> FindSlovars(const std::filesystem::path &dataDir);

/// Creates the empty dictionary `name` in `dataDir`, replacing one of that name, so callers test
/// for "<name>.db" first. False, with the reason in `error` when given, for an unusable name or
/// when the file cannot be written; a replaced table then stays as it was.
[[nodiscard]] bool CreateSlovarTable(const std::filesystem::path &dataDir, const std::string &name,
                                     std::string *error = nullptr);

/// The number of entries of one dictionary; 0 when it cannot be opened.
std::int64_t CountSlovarWords(const std::filesystem::path &dataDir, const std::string &name);

/// The sum of `CountSlovarWords` over `names`. Nothing is cached: every call opens every table.
std::int64_t CountWords(const std::filesystem::path &dataDir, const std::vector<std::string> &names);

inline std::int64_t CountUsedWords(const std::filesystem::path &dataDir,
                                   const std::vector<std::string> &usedSlovars)
{
    return CountWords(dataDir, usedSlovars);
}

inline std::int64_t CountAllWords(const std::filesystem::path &dataDir,
                                  const std::vector<std::string> &allSlovars)
{
    return CountWords(dataDir, allSlovars);
}

/// Deletes every plain file matching `mask`, a path whose file name may hold the wildcards '*'
/// (any run of characters) and '?' (one character). Names beginning with '.' and directories are
/// skipped. False when nothing matches or at the first file that cannot be deleted.
[[nodiscard]] bool DeleteFilesByMask(const std::filesystem::path &mask);

/// True when `fileName` matches the wildcard `pattern` of `DeleteFilesByMask`.
bool matchesMask(std::string_view fileName, std::string_view pattern);

/// Deletes the files of dictionary `name`: "<name>.db", the ".px" and ".val" files older tables
/// kept beside it, and SQLite's journal files, each one that exists. When the table itself cannot
/// be deleted its journal stays with it and the result is false.
bool DeleteSlovarFiles(const std::filesystem::path &dataDir, const std::string &name);

/// Renames the files of dictionary `oldName` to `newName`, each one that exists. Refuses, changing
/// nothing, when `newName` is not usable, the dictionary does not exist or `newName` already
/// names a dictionary. False with the reason in `error` when given.
bool RenameSlovarFiles(const std::filesystem::path &dataDir, const std::string &oldName,
                       const std::string &newName, std::string *error = nullptr);

/// Deletes SQLite's side files of the database at `dbPath` ("-journal", "-wal", "-shm").
void removeSqliteSideFiles(const std::filesystem::path &dbPath);

} // namespace klettra::dictionaries
