#include "store/NoteStore.h"

#include "store/Stamp.h"
#include "store/Tables.h"

namespace volmira::store {

platform::Result<std::vector<MyInfoRow>> NoteStore::ofAirport(const QString &icao) {
    static const std::string sql = myInfoTable().select("WHERE ICAO = ? ORDER BY id");
    Statement &s = db_.prepare(sql.c_str());
    s.bind(1, icao);
    return s.allRows([](const Statement &row) { return myInfoTable().read(row); });
}

platform::Result<> NoteStore::save(const QString &icao, const QString &category, const QString &richText,
                                   const QString &plainText) {
    const Stamp at = stampNow(clock_);
    Statement &find = db_.prepare("SELECT id FROM MyInfo WHERE ICAO = ? AND Category = ? ORDER BY id LIMIT 1");
    find.bind(1, icao).bind(2, category);
    const platform::Result<std::optional<long long>> found =
        find.firstRow([](const Statement &row) { return row.int64(0); });
    if (!found) return platform::Failure{found.error()};
    const MyInfoRow note{found->value_or(0), icao, category, richText, plainText, at.Date, at.Time};
    if (!*found) return insert(note);
    static const std::string sql = myInfoTable().update("MyInfo", "Time", "WHERE id = ?");
    Statement &s = db_.prepare(sql.c_str());
    return s.bind(myInfoTable().bind(s, note, "MyInfo", "Time"), note.id).run();
}

platform::Result<> NoteStore::insert(const MyInfoRow &r) { return insertRow(db_, myInfoTable(), r); }

platform::Result<> NoteStore::insertCategory(const QString &category) {
    return db_.prepare("INSERT INTO MyCategory (Category) VALUES (?)").bind(1, category).run();
}

}  // namespace volmira::store
