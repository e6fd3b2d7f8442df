#pragma once

#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;
struct sqlite3_value;

namespace klettra::dictionaries::sqlite {

/// Outcome of one step of a statement.
enum class StepResult {
    Row,   ///< a row is available
    Done,  ///< the statement ran to its end
    Error, ///< see Database::errorMessage
};

/// A copy of one SQL value that outlives the row it came from, used to find a row again by its
/// key exactly as stored (text, blob, number or NULL).
class Value
{
public:
    Value() = default;
    explicit Value(const sqlite3_value *value);
    ~Value();
    Value(Value &&other) noexcept;
    Value &operator=(Value &&other) noexcept;
    Value(const Value &) = delete;
    Value &operator=(const Value &) = delete;

    sqlite3_value *get() const { return m_value; }

private:
    sqlite3_value *m_value = nullptr;
};

/// A prepared statement, finalised when the object goes.
class Statement
{
public:
    Statement() = default;
    Statement(sqlite3 *db, std::string_view sql);
    ~Statement();
    Statement(Statement &&other) noexcept;
    Statement &operator=(Statement &&other) noexcept;
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    bool isValid() const { return m_stmt != nullptr; }

    /// Clears the bindings' effect of the last run so the statement can run again.
    void reset();
    bool bindText(int index, std::string_view utf8);
    bool bindValue(int index, const Value &value);
    StepResult step();

    /// Column `index` of the current row as UTF-8 text; valid until the next step or reset.
    std::string_view text(int index) const;
    const sqlite3_value *value(int index) const;
    long long integer(int index) const;
    int errorCode() const;

    /// Finalises the statement now.
    void clear();

private:
    sqlite3_stmt *m_stmt = nullptr;
};

/// One connection to a database file, closed when the object goes.
class Database
{
public:
    Database() = default;
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    /// Opens `path` with the given SQLITE_OPEN_* flags; hardened for files from elsewhere.
    [[nodiscard]] bool open(const std::string &path, int flags);
    /// Closes the connection; every statement of it must have been finalised.
    [[nodiscard]] bool close();
    bool isOpen() const { return m_db != nullptr; }
    sqlite3 *handle() const { return m_db; }

    /// Runs SQL without results.
    [[nodiscard]] bool exec(const char *sql);
    bool isReadOnly() const;
    /// True while an explicit transaction is open.
    bool inTransaction() const;
    std::string errorMessage() const;

private:
    sqlite3 *m_db = nullptr;
    std::string m_openError;
};

} // namespace klettra::dictionaries::sqlite
