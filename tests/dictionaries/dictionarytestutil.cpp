#include "dictionarytestutil.h"

#include <stdexcept>

#include <sqlite3.h>

#include "text/cp1251.h"

namespace klettra::test {

using dictionaries::Field;
using dictionaries::SlovarTable;

std::string cp(std::string_view utf8Text)
{
    const auto converted = text::fromUtf8Strict(utf8Text);
    if (!converted)
        throw std::invalid_argument("not Windows-1251 text");
    return *converted;
}

std::string utf8(std::string_view cp1251)
{
    return text::toUtf8(cp1251);
}

void makeDictionary(const std::filesystem::path &dir, const std::string &name, const Entries &entries)
{
    SlovarTable table(dir, name);
    if (!table.create() || !table.open())
        throw std::runtime_error("cannot create " + name + ": " + table.lastError());
    for (const auto &[word, clue] : entries) {
        table.insert();
        table.setField(Field::Slovo, cp(word));
        table.setField(Field::Opisanie, cp(clue));
        if (!table.post())
            throw std::runtime_error("cannot add " + word + ": " + table.lastError());
    }
    if (!table.flush())
        throw std::runtime_error("cannot save " + name);
}

Entries readRest(SlovarTable &table)
{
    Entries entries;
    for (; !table.atEnd(); table.next())
        entries.emplace_back(utf8(table.field(Field::Slovo)), utf8(table.field(Field::Opisanie)));
    return entries;
}

void runSql(const std::filesystem::path &file, const std::string &sql)
{
    sqlite3 *db = nullptr;
    const int opened = sqlite3_open(file.c_str(), &db);
    char *message = nullptr;
    const int ran = opened == SQLITE_OK ? sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) : opened;
    const std::string why = message ? message : sqlite3_errmsg(db);
    sqlite3_free(message);
    sqlite3_close(db);
    if (ran != SQLITE_OK)
        throw std::runtime_error("SQL failed: " + why);
}

} // namespace klettra::test
