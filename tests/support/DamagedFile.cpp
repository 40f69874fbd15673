#include "support/DamagedFile.h"

#include "store/Database.h"

#include <QFile>

#include <vector>

namespace volmira::test {

bool damageTable(const QString &databasePath, const QString &table) {
    constexpr qint64 kPageSize = 1024;
    std::vector<int> rootPages;
    {
        store::Database db;
        if (!db.open(databasePath, store::Database::Mode::ReadOnly).ok()) return false;
        const auto found = db.prepare("SELECT rootpage FROM sqlite_master WHERE tbl_name = ? AND rootpage > 0")
                               .bind(1, table)
                               .allRows([](const store::Statement &row) { return row.integer(0); });
        if (!found || found->empty()) return false;
        rootPages = *found;
    }
    QFile file(databasePath);
    if (!file.open(QIODevice::ReadWrite)) return false;
    for (const int page : rootPages)
        if (!file.seek((page - 1) * kPageSize + kPageSize / 2) || file.write(QByteArray(32, '\x5a')) != 32) return false;
    return true;
}

}  // namespace volmira::test
