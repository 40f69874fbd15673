#pragma once

#include "platform/Result.h"
#include "store/SchemaSteps.h"

#include <QByteArray>
#include <QString>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace volmira::store {

class Statement;

// Adds to a connection the collation the statements name: UNICASE, equal
// without regard to case for every letter ("Ä" and "ä"), where the engine's
// NOCASE folds only A to Z. Every Database has it; a bare connection (a
// benchmark's) adds it itself. The engine's result code.
int addCollations(sqlite3 *db);

// The engine's page cache of a connection, in KiB: room for the whole shipped
// database (15 MB). A page that falls out of the cache costs a decryption when
// read again; the quick find reads names, search names and their indexes at
// once, which the default 2 MiB cannot hold.
inline constexpr const char *kCacheSizePragma = "PRAGMA cache_size = -32768;";

// The one encrypted connection of the process; open it once and keep it.
class Database {
public:
    enum class Mode { ReadWrite, ReadOnly, Create };

    Database() = default;
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Opens the file with the program's password and checks at once that the
    // key fits. Create makes a new empty encrypted file (used by build-database).
    // A file of an older format is upgraded by a writable open, `progress` told
    // how far. A failure names the file and says what is wrong with it.
    [[nodiscard]] platform::Result<> open(const QString &path, Mode mode = Mode::ReadWrite,
                                          const UpgradeProgress &progress = {});
    [[nodiscard]] bool isOpen() const { return db_ != nullptr; }
    void close();
    const QString &path() const { return path_; }
    // Whether the open file can be changed: neither it nor its folder (where
    // the journal goes) is read-only.
    [[nodiscard]] bool canWrite() const;
    // Whether the file holds the table: one of an older format, read as it
    // is, lacks what later formats added.
    [[nodiscard]] platform::Result<bool> hasTable(const char *name);

    // Prepared statements are cached by their text: the lookup runs the same
    // dozen statements again and again.
    Statement &prepare(const char *sql);

    // Runs statements without values (schema, pragmas).
    [[nodiscard]] platform::Result<> exec(const char *sql);

    // What the last failed call on the connection met, in German.
    [[nodiscard]] QString lastError() const;
    // Rows changed by the last INSERT, UPDATE or DELETE.
    [[nodiscard]] int changes() const;
    // The id of the row the last successful INSERT added.
    [[nodiscard]] long long lastInsertId() const;
    sqlite3 *handle() const { return db_; }

private:
    // Opens the file with one key and reads its schema; the engine's result
    // code, the connection closed unless it is SQLITE_OK.
    int connect(const QString &path, Mode mode, const char *keyPragma);
    // connect with the program's key, then with the password of earlier
    // versions; whether the password fitted.
    int connectWithEitherKey(const QString &path, Mode mode, bool &passworded);
    // Whether no other connection has the file open at this moment.
    bool aloneWithFile();

    sqlite3 *db_ = nullptr;
    QString path_;
    std::map<std::string, std::unique_ptr<Statement>, std::less<>> cache_;
};

// A prepared statement. Values are always bound, never pasted into the text.
class Statement {
public:
    Statement(sqlite3 *db, const char *sql);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    // Resets the statement and clears old bindings; call before binding anew.
    Statement &reset();
    Statement &bind(int index, const QString &value);  // 1-based; a null QString binds NULL
    Statement &bind(int index, const std::optional<QString> &value);
    Statement &bind(int index, const char *value);
    Statement &bind(int index, double value);
    Statement &bind(int index, std::optional<double> value);
    Statement &bind(int index, int value);
    Statement &bind(int index, std::optional<int> value);
    Statement &bind(int index, long long value);
    Statement &bindNull(int index);

    // Steps to the next row; false at the end or on error (see failed()).
    [[nodiscard]] bool next();
    // Runs a statement without result rows.
    [[nodiscard]] platform::Result<> run();
    // Reads the first row with `read` and lets go of the statement at once: a
    // statement left standing on a row keeps the file locked for reading, and
    // another running copy of the program could then never write. Nothing when
    // there is no row; a failure when the engine could not read to the end.
    template <typename Read>
    [[nodiscard]] auto firstRow(Read read) -> platform::Result<std::optional<decltype(read(*this))>> {
        std::optional<decltype(read(*this))> row;
        if (next()) row = read(*this);
        if (stmt_) letGo();
        if (failed()) return platform::Failure{error()};
        return row;
    }
    // Reads every row with `read`; a failure instead of a partial list when the
    // engine stops before the end (a damaged file, a lock held too long).
    template <typename Read>
    [[nodiscard]] auto allRows(Read read) -> platform::Result<std::vector<decltype(read(*this))>> {
        std::vector<decltype(read(*this))> rows;
        while (next()) rows.push_back(read(*this));
        // A cached statement holds its last row's values until reset: megabytes for a long note.
        if (stmt_) letGo();
        if (failed()) return platform::Failure{error()};
        return rows;
    }
    [[nodiscard]] bool failed() const { return code_ != 0; }
    // What went wrong, in German; empty when nothing did.
    [[nodiscard]] QString error() const;

    int columnCount() const;
    bool isNull(int column) const;
    QString text(int column) const;                  // null gives ""
    std::optional<QString> optText(int column) const;
    std::optional<double> optDouble(int column) const;
    std::optional<int> optInt(int column) const;
    int integer(int column) const;                   // null gives 0
    long long int64(int column) const;

private:
    void letGo();

    sqlite3 *db_;
    sqlite3_stmt *stmt_ = nullptr;
    int code_ = 0;  // the engine's result code of the failure; 0 while nothing failed
    // The UTF-8 of bound texts, kept until the next binding of the same
    // parameter so that the engine need not copy it.
    std::vector<QByteArray> texts_;
};

// Rolls back in its destructor unless committed. Nests inside another one.
// The outermost one that writes takes the write lock at its start: the engine
// waits out another program's lock only there, while a transaction that has
// read first and asks for the lock later is refused at once.
class Transaction {
public:
    enum class Kind { Write, Read };
    explicit Transaction(Database &db, Kind kind = Kind::Write);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    [[nodiscard]] platform::Result<> commit();
    [[nodiscard]] bool started() const { return start_.ok(); }
    [[nodiscard]] const QString &startError() const { return start_.error(); }

private:
    Database &db_;
    bool outermost_ = false;
    platform::Result<> start_;
    bool done_ = false;
};

}  // namespace volmira::store
