#include "store/NoteStore.h"

#include "platform/TestPause.h"
#include "store/NoteIndex.h"
#include "store/Stamp.h"
#include "store/Statements.h"
#include "store/Tables.h"
#include "store/TextKeys.h"
#include "store/TextWidth.h"

namespace volmira::store {

using platform::Failure;
using platform::Result;

namespace {

const QString kDataErrorTitle = QStringLiteral("Datenfehler");
const QString kErrorTitle = QStringLiteral("Fehler");

CategoryOutcome refused(const QString &message, const QString &title = kDataErrorTitle) {
    return std::optional<Refusal>(Refusal{message, title});
}

CategoryOutcome done() { return std::optional<Refusal>(); }

// The crash tests stop a category change between its statements with VOLMIRA_CATEGORY_PAUSE.
void pauseForTest(const char *stage) { platform::pauseForTest("VOLMIRA_CATEGORY_PAUSE", "Kategorie", stage); }
// And a note's write between the note and its entry in the search index with VOLMIRA_NOTE_PAUSE.
void pauseForNoteTest(const char *stage) { platform::pauseForTest("VOLMIRA_NOTE_PAUSE", "Notiz", stage); }

// Runs one statement that takes the two texts as ?1 and ?2.
Result<> runWith(Database &db, const char *sql, const QString &first, const QString &second = QString()) {
    Statement &s = db.prepare(sql);
    s.bind(1, first);
    if (!second.isNull()) s.bind(2, second);
    return s.run();
}

}  // namespace

Result<std::vector<MyInfoRow>> NoteStore::ofAirport(const QString &icao) {
    Statement &s = db_.prepare(sql::kNotesOfAirport.c_str());
    s.bind(1, icao);
    return s.allRows([](const Statement &row) { return myInfoTable().read(row); });
}

Result<std::optional<MyInfoRow>> NoteStore::ofCategory(const QString &icao, const QString &category) {
    static const std::string sql =
        myInfoTable().select("WHERE ICAO = ? AND Category = ? COLLATE UNICASE ORDER BY id LIMIT 1");
    Statement &s = db_.prepare(sql.c_str());
    s.bind(1, icao).bind(2, category);
    return s.firstRow([](const Statement &row) { return myInfoTable().read(row); });
}

Result<> NoteStore::save(const QString &icao, const QString &category, const QString &richText,
                         const QString &plainText) {
    Transaction tx(db_);
    if (!tx.started()) return Failure{tx.startError()};
    const Stamp at = stampNow(clock_);
    Statement &find =
        db_.prepare("SELECT id FROM MyInfo WHERE ICAO = ? AND Category = ? COLLATE UNICASE ORDER BY id LIMIT 1");
    find.bind(1, icao).bind(2, category);
    const Result<std::optional<long long>> found = find.firstRow([](const Statement &row) { return row.int64(0); });
    if (!found) return Failure{found.error()};
    const MyInfoRow note{found->value_or(0), icao, category, richText, plainText, at.Date, at.Time};
    if (!*found) {
        if (Result<> inserted = insert(note); !inserted) return inserted;
        return tx.commit();
    }
    static const std::string sql = myInfoTable().update("MyInfo", "Time", "WHERE id = ?");
    Statement &s = db_.prepare(sql.c_str());
    if (Result<> updated = s.bind(myInfoTable().bind(s, note, "MyInfo", "Time"), note.id).run(); !updated)
        return updated;
    pauseForNoteTest("written");
    if (Result<> indexed = indexNote(db_, note.id, richText); !indexed) return indexed;
    return tx.commit();
}

Result<> NoteStore::insert(const MyInfoRow &r) {
    Transaction tx(db_);
    if (!tx.started()) return Failure{tx.startError()};
    if (Result<> inserted = insertRow(db_, myInfoTable(), r); !inserted) return inserted;
    pauseForNoteTest("written");
    if (Result<> indexed = indexNote(db_, db_.lastInsertId(), r.MyInfo); !indexed) return indexed;
    return tx.commit();
}

Result<> NoteStore::insertCategory(const QString &category) {
    return runWith(db_, "INSERT INTO MyCategory (Category) VALUES (?1)", category);
}

Result<std::vector<CategoryMark>> NoteStore::categoryMarks(const QString &icao) {
    Statement &s = db_.prepare(sql::kCategoryMarks);
    s.bind(1, icao);
    Result<std::vector<CategoryMark>> marks =
        s.allRows([](const Statement &row) { return CategoryMark{row.text(0), row.integer(1) != 0}; });
    if (!marks) return marks;
    return sortedGerman(std::move(*marks), [](const CategoryMark &m) { return m.Category; });
}

Result<std::vector<CategoryCount>> NoteStore::categoryCounts() {
    Statement &s = db_.prepare(
        "SELECT c.Category, (SELECT count(DISTINCT i.ICAO) FROM MyInfo i WHERE i.Category = c.Category COLLATE UNICASE "
        "AND i.PrintInfo <> '') FROM MyCategory c ORDER BY c.id");
    Result<std::vector<CategoryCount>> counts =
        s.allRows([](const Statement &row) { return CategoryCount{row.text(0), row.integer(1)}; });
    if (!counts) return counts;
    return sortedGerman(std::move(*counts), [](const CategoryCount &c) { return c.Category; });
}

Result<std::optional<QString>> NoteStore::findCategory(const QString &name) {
    Statement &s =
        db_.prepare("SELECT Category FROM MyCategory WHERE Category = ?1 COLLATE UNICASE ORDER BY id LIMIT 1");
    s.bind(1, name);
    return s.firstRow([](const Statement &row) { return row.text(0); });
}

Result<std::optional<Refusal>> NoteStore::refusalOfNewName(const QString &name, const QString &oldName) {
    if (name.startsWith(u'*')) return refused(QStringLiteral("Bitte keinen Stern im Kategorienamen verwenden"));
    if (textWidth(name) > kMaxCategoryLength)
        return refused(QStringLiteral("Der Kategoriename darf höchstens 50 Zeichen haben."));
    // A null old name binds NULL: every row of the name counts.
    Statement &s = db_.prepare(
        "SELECT 1 FROM MyCategory WHERE Category = ?1 COLLATE UNICASE "
        "AND (?2 IS NULL OR Category <> ?2 COLLATE UNICASE) LIMIT 1");
    s.bind(1, name).bind(2, oldName);
    const Result<std::optional<int>> exists = s.firstRow([](const Statement &row) { return row.integer(0); });
    if (!exists) return Failure{exists.error()};
    if (*exists) return refused(QStringLiteral("Die Kategorie existiert schon."));
    return done();
}

CategoryOutcome NoteStore::addCategory(const QString &typed) {
    const QString name = typed.trimmed();
    if (name.isEmpty()) return done();
    const CategoryOutcome refusal = refusalOfNewName(name, QString());
    if (!refusal || *refusal) return refusal;
    if (Result<> added = insertCategory(name); !added) return Failure{added.error()};
    return done();
}

CategoryOutcome NoteStore::renameCategory(const QString &oldName, const QString &typed) {
    const QString newName = typed.trimmed();
    if (newName.isEmpty()) return done();
    Transaction tx(db_);
    if (!tx.started()) return Failure{tx.startError()};
    const Result<std::optional<QString>> found = findCategory(oldName);
    if (!found) return Failure{found.error()};
    if (!*found) return refused(QStringLiteral("Kategorie - %1 wurde nicht gefunden.").arg(oldName));
    const CategoryOutcome refusal = refusalOfNewName(newName, oldName);
    if (!refusal || *refusal) return refusal;
    if (Result<> notes = runWith(db_, sql::kRenameNotes, newName, oldName); !notes)
        return Failure{notes.error()};
    if (Result<> remembered = runWith(db_, sql::kRenameLastKat, newName, oldName); !remembered)
        return Failure{remembered.error()};
    pauseForTest("rename");
    if (Result<> row = runWith(db_, sql::kRenameCategory, newName, oldName); !row)
        return Failure{row.error()};
    if (Result<> committed = tx.commit(); !committed) return Failure{committed.error()};
    return done();
}

CategoryOutcome NoteStore::deleteCategory(const QString &name) {
    Transaction tx(db_);
    if (!tx.started()) return Failure{tx.startError()};
    const Result<std::optional<QString>> found = findCategory(name);
    if (!found) return Failure{found.error()};
    if (!*found) return refused(QStringLiteral("Fehler beim Löschen der Kategorie "), kErrorTitle);
    if (Result<> notes = runWith(db_, sql::kDeleteNotes, name); !notes)
        return Failure{notes.error()};
    pauseForTest("delete");
    if (Result<> row = runWith(db_, sql::kDeleteCategory, name); !row)
        return Failure{row.error()};
    if (Result<> committed = tx.commit(); !committed) return Failure{committed.error()};
    return done();
}

Result<> NoteStore::setLastKat(const QString &icao, const QString &entry) {
    return runWith(db_, "UPDATE ARPT SET LastKat = ?1 WHERE ICAO = ?2", entry, icao);
}

}  // namespace volmira::store
