#include "dictionaries/slovartable.h"

#include <algorithm>
#include <utility>

#include <sqlite3.h>

#include "dictionaries/slovarschema.h"
#include "dictionaries/sqlite.h"
#include "text/cp1251.h"
#include "text/shortstring.h"

namespace klettra::dictionaries {

namespace fs = std::filesystem;
using sqlite::StepResult;

bool isValidSlovarName(std::string_view name)
{
    if (name.empty() || name.size() > MaxSlovarNameBytes || name.front() == '.')
        return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F || c == '/' || c == '\\' || c == '*' || c == '?';
    });
}

struct SlovarTable::Impl
{
    enum class Pending { None, Insert, Edit };

    fs::path dataDir;
    std::string name;
    sqlite::Database db;
    std::string lastError;

    // Cached statements, prepared on first use and finalised on close.
    sqlite::Statement all, from, after, exact, last, countRows, insertRow, updateRow, deleteRow;

    // The current entry. While `cursor` is set, it is the statement stepped onto the current row
    // and the row is read from it directly, which makes walking the table one step per entry.
    // A write invalidates the walk; the row is then copied into `key`/`word`/`clue` and the walk
    // resumes from the key on the next move.
    sqlite::Statement *cursor = nullptr;
    bool atEnd = true;
    sqlite::Value key;
    std::string word; // UTF-8, as stored
    std::string clue;

    // Set from the first write until the commit: SQLite may roll a transaction back on its own
    // (a full disk), and the writes it held must then be reported lost, not saved.
    bool writing = false;

    Pending pending = Pending::None;
    std::string pendingWord; // Windows-1251
    std::string pendingClue;
    sqlite::Value pendingKey; // the key of the entry being changed

    bool fail(std::string message)
    {
        lastError = std::move(message);
        return false;
    }
    bool failSql(const std::string &what) { return fail(what + ": " + db.errorMessage()); }

    sqlite::Statement &prepared(sqlite::Statement &statement, std::string_view sql)
    {
        if (!statement.isValid())
            statement = sqlite::Statement(db.handle(), sql);
        return statement;
    }

    void finaliseStatements()
    {
        for (auto *statement :
             {&all, &from, &after, &exact, &last, &countRows, &insertRow, &updateRow, &deleteRow})
            statement->clear();
        cursor = nullptr;
    }

    void leaveCursor()
    {
        if (cursor)
            cursor->reset();
        cursor = nullptr;
    }

    // Keeps the current row but lets go of the statement that walked onto it.
    void detach()
    {
        if (!cursor)
            return;
        if (!atEnd)
            copyRow(*cursor);
        leaveCursor();
    }

    void copyRow(const sqlite::Statement &row)
    {
        key = sqlite::Value(row.value(0));
        word = std::string(row.text(0));
        clue = std::string(row.text(1));
        atEnd = false;
    }

    // Makes the first row of `statement` current and keeps walking with it.
    void walkFrom(sqlite::Statement &statement)
    {
        leaveCursor();
        switch (statement.step()) {
        case StepResult::Row:
            cursor = &statement;
            atEnd = false;
            return;
        case StepResult::Error:
            failSql("cannot read the dictionary");
            break;
        case StepResult::Done:
            break;
        }
        statement.reset();
        atEnd = true;
    }

    // Makes the one row of `statement` current, as a copy; false when it has none.
    bool takeRow(sqlite::Statement &statement)
    {
        const bool found = statement.step() == StepResult::Row;
        if (found) {
            leaveCursor();
            copyRow(statement);
        }
        statement.reset();
        return found;
    }

    std::string_view currentText(int column) const
    {
        if (cursor)
            return cursor->text(column);
        return column == 0 ? word : clue;
    }

    const sqlite3_value *currentKey() const { return cursor ? cursor->value(0) : key.get(); }

    bool beginWrite()
    {
        if (db.isReadOnly())
            return fail("the dictionary is read-only");
        detach();
        if (writing && !db.inTransaction())
            return fail(lostChanges());
        if (!db.inTransaction() && !db.exec("BEGIN IMMEDIATE"))
            return failSql("cannot begin writing");
        writing = true;
        return true;
    }

    std::string lostChanges() const { return "the changes since the last save are lost: " + lastError; }
};

SlovarTable::SlovarTable(fs::path dataDir, std::string name)
    : d(std::make_unique<Impl>())
{
    d->dataDir = std::move(dataDir);
    d->name = std::move(name);
}

SlovarTable::~SlovarTable()
{
    close();
}

void SlovarTable::setName(std::string name)
{
    close();
    d->name = std::move(name);
}

const std::string &SlovarTable::name() const
{
    return d->name;
}

fs::path SlovarTable::filePath() const
{
    return d->dataDir / (d->name + ".db");
}

bool SlovarTable::create()
{
    close();
    if (!isValidSlovarName(d->name))
        return d->fail("not a usable dictionary name: " + d->name);
    return createSlovarFile(filePath(), d->lastError);
}

bool SlovarTable::open()
{
    close();
    if (!isValidSlovarName(d->name))
        return d->fail("not a usable dictionary name: " + d->name);
    // Without SQLITE_OPEN_CREATE a missing file fails instead of becoming an empty database; a
    // file that is read-only on disk opens read-only.
    if (!d->db.open(filePath().string(), SQLITE_OPEN_READWRITE))
        return d->failSql("cannot open " + filePath().string());
    std::string why;
    if (!isSlovarSchema(d->db.handle(), why)) {
        d->fail(filePath().string() + " is not a dictionary: " + why);
        (void)d->db.close();
        return false;
    }
    d->lastError.clear();
    first();
    return true;
}

void SlovarTable::close()
{
    if (!isOpen())
        return;
    if (!flush() && d->db.inTransaction())
        (void)d->db.exec("ROLLBACK");
    d->writing = false;
    cancel();
    d->finaliseStatements();
    d->atEnd = true;
    d->key = {};
    (void)d->db.close();
}

bool SlovarTable::isOpen() const
{
    return d->db.isOpen();
}

std::int64_t SlovarTable::count() const
{
    if (!isOpen())
        return 0;
    auto &statement = d->prepared(d->countRows, "SELECT count(*) FROM slovar");
    std::int64_t rows = 0;
    if (statement.step() == StepResult::Row)
        rows = statement.integer(0);
    else
        d->failSql("cannot count the entries");
    statement.reset();
    return rows;
}

void SlovarTable::first()
{
    if (!isOpen())
        return;
    d->walkFrom(d->prepared(d->all, "SELECT \"Слово\", \"Описание\" FROM slovar ORDER BY \"Слово\""));
}

void SlovarTable::next()
{
    if (!isOpen() || d->atEnd)
        return;
    if (d->cursor) {
        const StepResult result = d->cursor->step();
        if (result == StepResult::Row)
            return;
        if (result == StepResult::Error)
            d->failSql("cannot read the dictionary");
        d->leaveCursor();
        d->atEnd = true;
        return;
    }
    auto &statement = d->prepared(
        d->after, "SELECT \"Слово\", \"Описание\" FROM slovar WHERE \"Слово\" > ?1 ORDER BY \"Слово\"");
    statement.bindValue(1, d->key);
    d->walkFrom(statement);
}

bool SlovarTable::atEnd() const
{
    return !isOpen() || d->atEnd;
}

std::string SlovarTable::field(Field field) const
{
    if (atEnd())
        return {};
    return text::fromUtf8(d->currentText(field == Field::Slovo ? 0 : 1));
}

bool SlovarTable::findExact(std::string_view word)
{
    if (!isOpen())
        return false;
    auto &statement =
        d->prepared(d->exact, "SELECT \"Слово\", \"Описание\" FROM slovar WHERE \"Слово\" = ?1");
    statement.bindText(1, text::toUtf8(word));
    return d->takeRow(statement);
}

bool SlovarTable::findNearest(std::string_view word)
{
    if (!isOpen())
        return false;
    auto &statement = d->prepared(
        d->from, "SELECT \"Слово\", \"Описание\" FROM slovar WHERE \"Слово\" >= ?1 ORDER BY \"Слово\"");
    d->leaveCursor();
    statement.bindText(1, text::toUtf8(word));
    d->walkFrom(statement);
    if (!d->atEnd)
        return true;
    return d->takeRow(
        d->prepared(d->last, "SELECT \"Слово\", \"Описание\" FROM slovar ORDER BY \"Слово\" DESC LIMIT 1"));
}

void SlovarTable::insert()
{
    d->pending = Impl::Pending::Insert;
    d->pendingWord.clear();
    d->pendingClue.clear();
}

void SlovarTable::edit()
{
    if (atEnd()) {
        d->fail("there is no current entry to change");
        return;
    }
    d->pending = Impl::Pending::Edit;
    d->pendingWord = field(Field::Slovo);
    d->pendingClue = field(Field::Opisanie);
    d->pendingKey = sqlite::Value(d->currentKey());
}

void SlovarTable::setField(Field field, std::string_view value)
{
    if (d->pending == Impl::Pending::None) {
        d->fail("no entry is being inserted or changed");
        return;
    }
    (field == Field::Slovo ? d->pendingWord : d->pendingClue) = value;
}

bool SlovarTable::post()
{
    if (!isOpen())
        return d->fail("the dictionary is not open");
    if (d->pending == Impl::Pending::None)
        return d->fail("no entry is being inserted or changed");
    if (d->pendingWord.empty())
        return d->fail("the word is empty");
    if (d->pendingWord.size() > text::WordCapacity)
        return d->fail("the word is longer than 14 characters");
    if (d->pendingClue.size() > text::ClueCapacity)
        return d->fail("the clue is longer than 255 characters");
    if (!d->beginWrite())
        return false;

    const bool inserting = d->pending == Impl::Pending::Insert;
    auto &statement =
        inserting ? d->prepared(d->insertRow, "INSERT INTO slovar (\"Слово\", \"Описание\") VALUES (?1, ?2)")
                  : d->prepared(d->updateRow,
                                "UPDATE slovar SET \"Слово\" = ?1, \"Описание\" = ?2 WHERE \"Слово\" = ?3");
    const std::string utf8Word = text::toUtf8(d->pendingWord);
    statement.bindText(1, utf8Word);
    statement.bindText(2, text::toUtf8(d->pendingClue));
    if (!inserting)
        statement.bindValue(3, d->pendingKey);
    const StepResult result = statement.step();
    const int code = statement.errorCode();
    statement.reset();
    if (result != StepResult::Done) {
        // A failed statement is undone on its own; the transaction and what it holds stay.
        if ((code & 0xFF) == SQLITE_CONSTRAINT)
            return d->fail("the word " + utf8Word + " is already in the dictionary");
        return d->failSql("cannot store the entry");
    }
    d->pending = Impl::Pending::None;
    d->pendingKey = {};
    findExact(d->pendingWord);
    return true;
}

void SlovarTable::cancel()
{
    d->pending = Impl::Pending::None;
    d->pendingKey = {};
}

bool SlovarTable::remove()
{
    if (!isOpen() || d->atEnd)
        return d->fail("there is no current entry to remove");
    cancel();
    if (!d->beginWrite())
        return false;
    auto &statement = d->prepared(d->deleteRow, "DELETE FROM slovar WHERE \"Слово\" = ?1");
    statement.bindValue(1, d->key);
    const StepResult result = statement.step();
    statement.reset();
    if (result != StepResult::Done)
        return d->failSql("cannot remove the entry");

    // The following entry becomes current; after the last one, the new last entry does, so that
    // a view keeps a current row while the table has any.
    next();
    if (d->atEnd)
        (void)d->takeRow(d->prepared(
            d->last, "SELECT \"Слово\", \"Описание\" FROM slovar ORDER BY \"Слово\" DESC LIMIT 1"));
    return true;
}

bool SlovarTable::flush()
{
    if (!isOpen() || !d->writing)
        return true;
    d->detach();
    if (!d->db.inTransaction()) {
        d->writing = false;
        return d->fail(d->lostChanges());
    }
    if (!d->db.exec("COMMIT")) {
        d->failSql("cannot save the changes to " + filePath().string());
        if (d->db.inTransaction())
            return false;
        d->writing = false;
        return d->fail(d->lostChanges());
    }
    d->writing = false;
    return true;
}

TableMark SlovarTable::mark() const
{
    return TableMark{field(Field::Slovo)};
}

bool SlovarTable::gotoMark(const TableMark &mark)
{
    return findExact(mark.word);
}

const std::string &SlovarTable::lastError() const
{
    return d->lastError;
}

} // namespace klettra::dictionaries
