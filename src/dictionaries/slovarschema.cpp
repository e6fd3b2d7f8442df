#include "dictionaries/slovarschema.h"

#include <string>

#include <sqlite3.h>

#include "dictionaries/slovarfiles.h"
#include "dictionaries/sqlite.h"

namespace klettra::dictionaries {

namespace fs = std::filesystem;

namespace {

// Rows are kept in the order of the words (WITHOUT ROWID), so walking the table in word order
// reads the file front to back without a separate index.
constexpr const char *CreateSql = "PRAGMA application_id = 1263293522;"
                                  "PRAGMA user_version = 1;"
                                  "CREATE TABLE slovar ("
                                  " \"Слово\" TEXT NOT NULL PRIMARY KEY,"
                                  " \"Описание\" TEXT NOT NULL DEFAULT ''"
                                  ") WITHOUT ROWID;";
static_assert(SlovarApplicationId == 1263293522 && SlovarSchemaVersion == 1, "keep CreateSql in step");

} // namespace

bool isSlovarSchema(sqlite3 *db, std::string &why)
{
    sqlite::Statement columns(db, "PRAGMA table_info(slovar)");
    if (!columns.isValid()) {
        why = sqlite3_errmsg(db);
        return false;
    }
    int count = 0;
    bool hasWordKey = false;
    bool hasClue = false;
    sqlite::StepResult result;
    while ((result = columns.step()) == sqlite::StepResult::Row) {
        ++count;
        const auto name = columns.text(1);
        const auto keyOrder = columns.integer(5);
        hasWordKey = hasWordKey || (name == "Слово" && keyOrder == 1);
        hasClue = hasClue || (name == "Описание" && keyOrder == 0);
    }
    if (result == sqlite::StepResult::Error) {
        why = sqlite3_errmsg(db);
        return false;
    }
    if (count == 0) {
        why = "no table \"slovar\"";
        return false;
    }
    if (count != 2 || !hasWordKey || !hasClue) {
        why = "the table \"slovar\" does not have the columns \"Слово\" (primary key) and \"Описание\"";
        return false;
    }
    return true;
}

bool createSlovarFile(const fs::path &path, std::string &error)
{
    // Hidden, so that no listing of dictionaries takes it for one.
    const fs::path staging =
        path.parent_path() / std::string(".").append(path.filename().string()).append(".new");
    std::error_code ec;
    fs::remove(staging, ec);
    removeSqliteSideFiles(staging);

    sqlite::Database db;
    if (!db.open(staging.string(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)) {
        error = "cannot create " + path.string() + ": " + db.errorMessage();
        return false;
    }
    bool written = db.exec(CreateSql);
    std::string reason = db.errorMessage();
    if (!db.close() && written) {
        written = false;
        reason = db.errorMessage();
    }
    if (!written) {
        error = "cannot create " + path.string() + ": " + reason;
        fs::remove(staging, ec);
        removeSqliteSideFiles(staging);
        return false;
    }
    // A journal left by the replaced table would be rolled back into the new one.
    removeSqliteSideFiles(path);
    fs::rename(staging, path, ec);
    if (ec) {
        error = "cannot create " + path.string() + ": " + ec.message();
        fs::remove(staging, ec);
        return false;
    }
    return true;
}

} // namespace klettra::dictionaries
