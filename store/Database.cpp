#include "store/Database.h"

#include "store/DatabaseKey.h"
#include "store/EngineError.h"
#include "store/PlaceIndex.h"
#include "store/Schema.h"
#include "store/Statements.h"
#include "store/TextKeys.h"

#include <sqlcipher/sqlite3.h>

#include <cstring>

#include <QFile>
#include <QFileInfo>

namespace volmira::store {

namespace {

using key::kPasswordPragma;
using key::kRawKeyPragma;

constexpr int kBusyWaitMs = 5000;
constexpr qint64 kPageSize = 1024;

// The engine answers a wrong key and an unreadable first page alike. A file of
// whole pages that does not start with the plain header is encrypted, most
// likely with another password; anything else is no database of ours.
platform::Result<> unreadable(const QString &path, const QString &shown) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return platform::Failure{QStringLiteral("Die Datendatei %1 kann nicht gelesen werden.").arg(shown)};
    const qint64 size = file.size();
    if (file.read(16).startsWith("SQLite format 3") || size < kPageSize)
        return platform::Failure{QStringLiteral("Die Datei %1 ist keine Datenbank von Volmira APT.").arg(shown)};
    if (size % kPageSize != 0)
        return platform::Failure{
            QStringLiteral("Die Datendatei %1 ist unvollständig: sie endet mitten in einem Block.").arg(shown)};
    return platform::Failure{QStringLiteral("Die Datendatei %1 lässt sich nicht entschlüsseln: sie ist mit einem "
                                            "anderen Kennwort geschrieben oder an ihrem Anfang beschädigt.")
                                 .arg(shown)};
}

// Reading the schema proves that the key fits; the engine's result code.
int probe(sqlite3 *db) {
    sqlite3_stmt *statement = nullptr;
    int rc = sqlite3_prepare_v2(db, "SELECT count(*) FROM sqlite_master", -1, &statement, nullptr);
    if (rc == SQLITE_OK) rc = sqlite3_step(statement);
    sqlite3_finalize(statement);
    return rc == SQLITE_ROW ? SQLITE_OK : rc;
}

// No column declares UNICASE, so other programs open the file without it.
// german_key(text): germanSortKey, for the upgrade that stores it and the view
// through which an older file is read.
void germanKeyFunction(sqlite3_context *context, int, sqlite3_value **values) {
    if (sqlite3_value_type(values[0]) == SQLITE_NULL) return sqlite3_result_null(context);
    const auto *text = static_cast<const char16_t *>(sqlite3_value_text16(values[0]));
    const QString key = germanSortKey(QString::fromUtf16(text, sqlite3_value_bytes16(values[0]) / 2));
    sqlite3_result_text16(context, key.utf16(), int(key.size() * 2), SQLITE_TRANSIENT);
}

int compareUnicase(void *, int leftBytes, const void *left, int rightBytes, const void *right) {
    const QStringView a(static_cast<const char16_t *>(left), leftBytes / 2);
    const QStringView b(static_cast<const char16_t *>(right), rightBytes / 2);
    return a.compare(b, Qt::CaseInsensitive);
}

}  // namespace

int addCollations(sqlite3 *db) {
    return sqlite3_create_collation_v2(db, "UNICASE", SQLITE_UTF16_ALIGNED, nullptr, compareUnicase, nullptr);
}

Database::~Database() { close(); }

void Database::close() {
    cache_.clear();
    if (db_) sqlite3_close_v2(db_);
    db_ = nullptr;
}

platform::Result<> Database::open(const QString &path, Mode mode, const UpgradeProgress &progress) {
    close();
    path_ = path;
    const QString shown = QFileInfo(path).absoluteFilePath();
    if (mode != Mode::Create && !QFileInfo(path).isFile())
        return platform::Failure{QStringLiteral("Die Datendatei %1 wurde nicht gefunden.").arg(shown)};

    // A process killed inside a transaction leaves a journal behind. Only a
    // connection that may write rolls it back (at its first read), so a reader
    // connects once as a writer, and only for that.
    bool passworded = false;
    if (mode == Mode::ReadOnly && QFileInfo::exists(path + QStringLiteral("-journal"))) {
        const int rc = connectWithEitherKey(path, Mode::ReadWrite, passworded);
        close();
        if (rc == SQLITE_NOTADB) return unreadable(path, shown);
        if (rc != SQLITE_OK) return platform::Failure{engineMessage(rc, shown)};
    }

    const int rc = connectWithEitherKey(path, mode, passworded);
    if (rc == SQLITE_NOTADB) return unreadable(path, shown);
    if (rc != SQLITE_OK) return platform::Failure{engineMessage(rc, shown)};
    if (platform::Result<> schema =
            mode == Mode::Create ? createSchema(*this) : checkSchema(*this, mode == Mode::ReadWrite, progress);
        !schema) {
        close();
        return schema;
    }
    // Converting only saves time, so it waits for no other program: the file
    // stays as it is while another one has it open, until a later start. Only
    // a file whose format this program knows is converted.
    if (passworded && mode == Mode::ReadWrite && aloneWithFile())
        (void)sqlite3_rekey_v2(db_, "main", key::kRawKey, int(std::strlen(key::kRawKey)));
    return {};
}

int Database::connectWithEitherKey(const QString &path, Mode mode, bool &passworded) {
    // A new file gets the raw key; an existing one is tried with it first and
    // then with the password.
    int rc = connect(path, mode, kRawKeyPragma);
    passworded = rc == SQLITE_NOTADB && mode != Mode::Create;
    if (passworded) rc = connect(path, mode, kPasswordPragma);
    return rc;
}

platform::Result<bool> Database::hasTable(const char *name) {
    Statement &s = prepare(sql::kHasTable);
    s.bind(1, QString::fromLatin1(name));
    const platform::Result<std::optional<int>> count = s.firstRow([](const Statement &row) { return row.integer(0); });
    if (!count) return platform::Failure{count.error()};
    return count->value_or(0) > 0;
}

bool Database::canWrite() const {
    return db_ && sqlite3_db_readonly(db_, "main") == 0 && QFileInfo(QFileInfo(path_).absolutePath()).isWritable();
}

bool Database::aloneWithFile() {
    sqlite3_busy_timeout(db_, 0);
    const bool alone = exec("BEGIN EXCLUSIVE;") && exec("COMMIT;");
    sqlite3_busy_timeout(db_, kBusyWaitMs);
    return alone;
}

int Database::connect(const QString &path, Mode mode, const char *keyPragma) {
    close();
    path_ = path;
    int flags = SQLITE_OPEN_NOMUTEX;
    flags |= mode == Mode::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    if (mode == Mode::Create) flags |= SQLITE_OPEN_CREATE;
    int rc = sqlite3_open_v2(path.toUtf8().constData(), &db_, flags, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_extended_result_codes(db_, 1);
        // Another running copy may hold the file for a moment; wait for it before giving up.
        sqlite3_busy_timeout(db_, kBusyWaitMs);
        rc = sqlite3_exec(db_, keyPragma, nullptr, nullptr, nullptr);
    }
    if (rc == SQLITE_OK) rc = sqlite3_exec(db_, kCacheSizePragma, nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) rc = addCollations(db_);
    if (rc == SQLITE_OK) rc = addAirportPlaceFunctions(db_);
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function_v2(db_, "german_key", 1, SQLITE_UTF16 | SQLITE_DETERMINISTIC, nullptr,
                                        germanKeyFunction, nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) rc = probe(db_);
    if (rc != SQLITE_OK) close();
    return rc;
}

Statement &Database::prepare(const char *sql) {
    auto it = cache_.find(std::string_view(sql));
    if (it == cache_.end()) it = cache_.emplace(sql, std::make_unique<Statement>(db_, sql)).first;
    return it->second->reset();
}

int Database::changes() const { return sqlite3_changes(db_); }

long long Database::lastInsertId() const { return sqlite3_last_insert_rowid(db_); }

platform::Result<> Database::exec(const char *sql) {
    if (const int rc = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr); rc != SQLITE_OK)
        return platform::Failure{engineMessage(rc, QFileInfo(path_).absoluteFilePath())};
    return {};
}

QString Database::lastError() const {
    return db_ ? engineMessage(sqlite3_extended_errcode(db_), QFileInfo(path_).absoluteFilePath()) : QString();
}

Statement::Statement(sqlite3 *db, const char *sql) : db_(db) {
    if (const int rc = sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr); rc != SQLITE_OK) {
        code_ = rc;
        stmt_ = nullptr;
        return;
    }
    texts_.resize(size_t(sqlite3_bind_parameter_count(stmt_)));
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

Statement &Statement::reset() {
    if (stmt_) {
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
        code_ = SQLITE_OK;
    }
    return *this;
}

Statement &Statement::bind(int index, const QString &value) {
    if (value.isNull()) return bindNull(index);
    if (!stmt_ || index < 1 || size_t(index) > texts_.size()) return *this;
    // The buffer replaces the old one only once the engine took it: a refused
    // binding keeps pointing at the old text, which must stay alive.
    QByteArray utf8 = value.toUtf8();
    if (const int rc = sqlite3_bind_text(stmt_, index, utf8.constData(), int(utf8.size()), SQLITE_STATIC);
        rc == SQLITE_OK)
        texts_[size_t(index - 1)] = std::move(utf8);
    else
        code_ = rc;
    return *this;
}

Statement &Statement::bind(int index, const std::optional<QString> &value) {
    return value ? bind(index, *value) : bindNull(index);
}

Statement &Statement::bind(int index, const char *value) {
    if (stmt_) sqlite3_bind_text(stmt_, index, value, -1, SQLITE_TRANSIENT);
    return *this;
}

Statement &Statement::bind(int index, double value) {
    if (stmt_) sqlite3_bind_double(stmt_, index, value);
    return *this;
}

Statement &Statement::bind(int index, std::optional<double> value) {
    return value ? bind(index, *value) : bindNull(index);
}

Statement &Statement::bind(int index, int value) {
    if (stmt_) sqlite3_bind_int(stmt_, index, value);
    return *this;
}

Statement &Statement::bind(int index, std::optional<int> value) {
    return value ? bind(index, *value) : bindNull(index);
}

Statement &Statement::bind(int index, long long value) {
    if (stmt_) sqlite3_bind_int64(stmt_, index, value);
    return *this;
}

Statement &Statement::bindNull(int index) {
    if (stmt_) sqlite3_bind_null(stmt_, index);
    return *this;
}

bool Statement::next() {
    // After a refused binding the statement would run with a stale value.
    if (!stmt_ || failed()) {
        if (!failed()) code_ = SQLITE_MISUSE;
        return false;
    }
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc != SQLITE_DONE) code_ = rc;
    return false;
}

void Statement::letGo() { sqlite3_reset(stmt_); }  // keeps code_ and the bindings

platform::Result<> Statement::run() {
    (void)next();
    if (stmt_) sqlite3_reset(stmt_);
    if (failed()) return platform::Failure{error()};
    return {};
}

QString Statement::error() const {
    if (!failed()) return {};
    const char *file = sqlite3_db_filename(db_, "main");
    return engineMessage(code_, QString::fromUtf8(file ? file : ""));
}

int Statement::columnCount() const { return stmt_ ? sqlite3_column_count(stmt_) : 0; }

bool Statement::isNull(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }

QString Statement::text(int column) const {
    const auto *data = reinterpret_cast<const char *>(sqlite3_column_text(stmt_, column));
    if (!data) return {};
    const int size = sqlite3_column_bytes(stmt_, column);
    QString text = QString::fromUtf8(data, size);
    // fromUtf8 takes a U+FEFF opening the text for a byte order mark and drops it.
    if (size >= 3 && std::memcmp(data, "\xEF\xBB\xBF", 3) == 0) text.prepend(QChar(0xFEFF));
    return text;
}

std::optional<QString> Statement::optText(int column) const {
    if (isNull(column)) return std::nullopt;
    return text(column);
}

std::optional<double> Statement::optDouble(int column) const {
    if (isNull(column)) return std::nullopt;
    return sqlite3_column_double(stmt_, column);
}

std::optional<int> Statement::optInt(int column) const {
    if (isNull(column)) return std::nullopt;
    return sqlite3_column_int(stmt_, column);
}

int Statement::integer(int column) const { return sqlite3_column_int(stmt_, column); }

long long Statement::int64(int column) const { return sqlite3_column_int64(stmt_, column); }

// Inner ones are savepoints, so a function with its own transaction can run
// inside a larger one.
Transaction::Transaction(Database &db, Kind kind) : db_(db) {
    outermost_ = sqlite3_get_autocommit(db_.handle()) != 0;
    if (!outermost_)
        start_ = db_.exec("SAVEPOINT vm;");
    else
        start_ = db_.exec(kind == Kind::Write ? "BEGIN IMMEDIATE;" : "BEGIN DEFERRED;");
}

Transaction::~Transaction() {
    if (!start_ || done_) return;
    // The outermost one ends with a plain ROLLBACK, which cannot fail: a failed
    // COMMIT (refused while another process reads) would otherwise
    // leave the connection inside a transaction that swallows every later write.
    (void)db_.exec(outermost_ ? "ROLLBACK;" : "ROLLBACK TO vm; RELEASE vm;");
}

platform::Result<> Transaction::commit() {
    if (!start_) return start_;
    platform::Result<> released = db_.exec(outermost_ ? "COMMIT;" : "RELEASE vm;");
    if (released) done_ = true;
    return released;
}

}  // namespace volmira::store
