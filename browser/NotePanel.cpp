#include "browser/NotePanel.h"

#include "store/DateText.h"

namespace volmira::browser {

QStringList categoryEntries(const std::vector<store::CategoryMark> &categories) {
    QStringList entries;
    entries.reserve(qsizetype(categories.size()));
    for (const store::CategoryMark &c : categories) entries << (c.marked ? kNoteMark + c.Category : c.Category);
    return entries;
}

QString categoryOf(const QString &entry) { return entry.startsWith(kNoteMark) ? entry.mid(1) : entry; }

int findCategoryEntry(const QStringList &entries, const QString &entry) {
    const QString category = categoryOf(entry);
    for (qsizetype i = 0; i < entries.size(); ++i)
        if (categoryOf(entries[i]).compare(category, Qt::CaseInsensitive) == 0) return int(i);
    return -1;
}

int lastKatEntry(const QStringList &entries, const QString &lastKat) {
    // An empty LastKat would select an empty entry, which shows nothing anyway.
    return lastKat.isEmpty() ? -1 : int(entries.indexOf(lastKat));
}

const store::MyInfoRow *noteOf(const std::vector<store::MyInfoRow> &notes, const QString &entry) {
    const QString category = categoryOf(entry);
    for (const store::MyInfoRow &note : notes)
        if (note.Category.compare(category, Qt::CaseInsensitive) == 0) return &note;
    return nullptr;
}

QString lblAktuellText(const QString &date, const QString &time) {
    const QDate day = store::parseStoredDate(date);
    if (!day.isValid()) return QString();
    return QStringLiteral("Letzte Aktualisierung: ") + store::defaultDateText(day) + QStringLiteral(" - ") +
           store::defaultTimeText(store::parseStoredTime(time));
}

}  // namespace volmira::browser
