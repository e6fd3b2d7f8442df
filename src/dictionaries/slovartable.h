#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace klettra::dictionaries {

/// The two fields of every dictionary entry.
enum class Field {
    Slovo,    ///< "Слово": the word, primary key, ascending
    Opisanie, ///< "Описание": the clue, may be empty
};

/// Longest dictionary name in bytes: the name plus ".db-journal" and the temporary names used
/// while a table is created must stay within a file name's 255 bytes.
constexpr std::size_t MaxSlovarNameBytes = 200;

/// True for a name the program may give a dictionary: not empty, not starting with '.', without
/// '/', '\\', '*', '?' or control characters, at most `MaxSlovarNameBytes` long. Such a name is one
/// file name in the data directory and survives the settings' "*name*name" list.
bool isValidSlovarName(std::string_view name);

/// A remembered entry of an open table (see `SlovarTable::mark`).
struct TableMark
{
    std::string word; ///< Windows-1251
};

/// One dictionary table of the data directory, stored as the SQLite file "<name>.db" with the
/// fields "Слово" and "Описание" (UTF-8 in the file, Windows-1251 through this interface).
/// A table has a current entry, walked in the order of the words, and a pending new or changed
/// entry that `post` stores. Posted changes are kept in an open transaction until `flush` or
/// `close`, so that importing many words costs one commit.
class SlovarTable
{
public:
    /// A table of `dataDir`; `name` is the dictionary's name (UTF-8, the file name without ".db").
    SlovarTable(std::filesystem::path dataDir, std::string name = {});
    ~SlovarTable();
    SlovarTable(const SlovarTable &) = delete;
    SlovarTable &operator=(const SlovarTable &) = delete;

    /// Names the table to open next; closes an open one first.
    void setName(std::string name);
    const std::string &name() const;
    std::filesystem::path filePath() const;

    /// Creates the table empty, replacing any file of that name. Leaves it closed.
    [[nodiscard]] bool create();

    /// Opens the table for reading and writing, on its first entry. Fails for a file that is
    /// missing, not SQLite, or not one of our dictionaries.
    [[nodiscard]] bool open();
    /// Flushes pending changes and closes.
    void close();
    bool isOpen() const;

    /// Number of entries, counting posted ones.
    std::int64_t count() const;

    /// Moves to the first entry in word order; `atEnd()` when the table is empty.
    void first();
    /// Moves to the following entry; `atEnd()` after the last.
    void next();
    bool atEnd() const;

    /// The current entry's field as Windows-1251 text; empty at the end or for an unset clue.
    std::string field(Field field) const;

    /// Makes the entry whose word equals `word` current; false, leaving the position, when none.
    bool findExact(std::string_view word);
    /// Makes current the first entry whose word is >= `word`, or the last entry when every word
    /// is smaller; false only for an empty table.
    bool findNearest(std::string_view word);

    /// Begins a new entry with both fields empty.
    void insert();
    /// Begins changing the current entry, starting from its present fields.
    void edit();
    /// Sets a field of the entry being inserted or changed (Windows-1251 text).
    void setField(Field field, std::string_view value);
    /// Stores the pending entry and makes it current. Fails, storing nothing and keeping the entry
    /// pending, for a word that another entry already has, an empty word, a word longer than 14 or
    /// a clue longer than 255 characters, a read-only file, or when nothing is pending.
    [[nodiscard]] bool post();
    /// Drops the pending entry.
    void cancel();

    /// Removes the current entry; the following entry becomes current, or after the last entry the
    /// new last one, so the table is at its end only once it is empty.
    [[nodiscard]] bool remove();

    /// Makes every posted change durable on disk. False, with the reason in `lastError`, when they
    /// could not be saved; after a full disk they are lost.
    [[nodiscard]] bool flush();

    /// Remembers the current entry; `gotoMark` makes it current again, also after other
    /// entries were removed. False when the marked entry itself no longer exists.
    TableMark mark() const;
    bool gotoMark(const TableMark &mark);

    /// A description of the last failure, for messages.
    const std::string &lastError() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace klettra::dictionaries
