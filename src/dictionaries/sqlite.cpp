#include "dictionaries/sqlite.h"

#include <utility>

#include <sqlite3.h>

namespace klettra::dictionaries::sqlite {

namespace {

// Another program (a second Klettra, an SQLite browser) may hold the file for a moment.
constexpr int BusyTimeoutMs = 2000;

} // namespace

Value::Value(const sqlite3_value *value)
    : m_value(value ? sqlite3_value_dup(value) : nullptr)
{}

Value::~Value()
{
    sqlite3_value_free(m_value);
}

Value::Value(Value &&other) noexcept
    : m_value(std::exchange(other.m_value, nullptr))
{}

Value &Value::operator=(Value &&other) noexcept
{
    if (this != &other) {
        sqlite3_value_free(m_value);
        m_value = std::exchange(other.m_value, nullptr);
    }
    return *this;
}

Statement::Statement(sqlite3 *db, std::string_view sql)
{
    if (sqlite3_prepare_v3(db, sql.data(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT, &m_stmt,
                           nullptr) != SQLITE_OK) {
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
    }
}

Statement::~Statement()
{
    clear();
}

Statement::Statement(Statement &&other) noexcept
    : m_stmt(std::exchange(other.m_stmt, nullptr))
{}

Statement &Statement::operator=(Statement &&other) noexcept
{
    if (this != &other) {
        clear();
        m_stmt = std::exchange(other.m_stmt, nullptr);
    }
    return *this;
}

void Statement::clear()
{
    sqlite3_finalize(m_stmt);
    m_stmt = nullptr;
}

void Statement::reset()
{
    sqlite3_reset(m_stmt);
}

bool Statement::bindText(int index, std::string_view utf8)
{
    return sqlite3_bind_text(m_stmt, index, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT) ==
           SQLITE_OK;
}

bool Statement::bindValue(int index, const Value &value)
{
    if (!value.get())
        return sqlite3_bind_null(m_stmt, index) == SQLITE_OK;
    return sqlite3_bind_value(m_stmt, index, value.get()) == SQLITE_OK;
}

StepResult Statement::step()
{
    switch (sqlite3_step(m_stmt)) {
    case SQLITE_ROW:
        return StepResult::Row;
    case SQLITE_DONE:
        return StepResult::Done;
    default:
        return StepResult::Error;
    }
}

std::string_view Statement::text(int index) const
{
    const auto *chars = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, index));
    if (!chars)
        return {};
    return {chars, static_cast<std::size_t>(sqlite3_column_bytes(m_stmt, index))};
}

const sqlite3_value *Statement::value(int index) const
{
    return sqlite3_column_value(m_stmt, index);
}

long long Statement::integer(int index) const
{
    return sqlite3_column_int64(m_stmt, index);
}

int Statement::errorCode() const
{
    return sqlite3_errcode(sqlite3_db_handle(m_stmt));
}

Database::~Database()
{
    (void)close();
}

bool Database::open(const std::string &path, int flags)
{
    (void)close();
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK) {
        m_openError = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        return false;
    }
    m_openError.clear();
    m_db = db;
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, BusyTimeoutMs);
    // A dictionary may come from anywhere: keep its schema from running anything but plain SQL
    // and from corrupting the file through writes to the schema.
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    return true;
}

bool Database::close()
{
    if (!m_db)
        return true;
    const bool ok = sqlite3_close(m_db) == SQLITE_OK;
    if (!ok)
        m_openError = sqlite3_errmsg(m_db);
    // sqlite3_close only fails while statements are alive; closing later frees the handle anyway.
    if (!ok)
        sqlite3_close_v2(m_db);
    m_db = nullptr;
    return ok;
}

bool Database::exec(const char *sql)
{
    return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool Database::isReadOnly() const
{
    return sqlite3_db_readonly(m_db, "main") == 1;
}

bool Database::inTransaction() const
{
    return m_db && sqlite3_get_autocommit(m_db) == 0;
}

std::string Database::errorMessage() const
{
    return m_db ? sqlite3_errmsg(m_db) : m_openError;
}

} // namespace klettra::dictionaries::sqlite
