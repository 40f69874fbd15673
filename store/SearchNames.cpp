#include "store/SearchNames.h"

#include "store/TextKeys.h"

#include <QRegularExpression>

namespace volmira::store {

QStringView sourceText(NameSource source) {
    switch (source) {
    case NameSource::City: return u"Ort";
    case NameSource::OtherName: return u"anderer Name";
    case NameSource::Word: return u"Wort im Namen";
    case NameSource::Name: break;
    }
    return u"Name";
}

QStringList nameWords(const QString &name) {
    static const QRegularExpression separators(QStringLiteral("[^\\w]+"),
                                               QRegularExpression::UseUnicodePropertiesOption);
    QStringList words = name.split(separators, Qt::SkipEmptyParts);
    if (!words.isEmpty()) words.removeFirst();
    words.removeDuplicates();
    return words;
}

platform::Result<> addSearchNames(Database &db, const QString &icao, NameSource source, const QStringList &names) {
    Statement &s = db.prepare("INSERT INTO SearchName (ICAO, Name, Key, Source) VALUES (?, ?, ?, ?)");
    for (const QString &name : names) {
        const QString shown = name.simplified();
        if (shown.isEmpty()) continue;
        // "Flughafen München Franz Josef Strauß" is found by "München" too.
        QStringList keys = searchKeys(shown);
        for (const QString &word : nameWords(shown)) keys << searchKeys(word);
        keys.removeDuplicates();
        for (const QString &key : keys) {
            s.reset().bind(1, icao).bind(2, shown).bind(3, key).bind(4, int(source));
            if (platform::Result<> added = s.run(); !added) return added;
        }
    }
    return {};
}

platform::Result<> writeNameWords(Database &db, const QString &icao, const QString &name) {
    Statement &old = db.prepare("DELETE FROM SearchName WHERE ICAO = ? AND Source = ?");
    if (platform::Result<> removed = old.bind(1, icao).bind(2, int(NameSource::Word)).run(); !removed) return removed;
    return addSearchNames(db, icao, NameSource::Word, nameWords(name));
}

platform::Result<> fillNameWords(Database &db) {
    struct Airport {
        QString icao, name;
    };
    const platform::Result<std::vector<Airport>> airports = db.prepare("SELECT ICAO, Name FROM ARPT").allRows(
        [](const Statement &row) { return Airport{row.text(0), row.text(1)}; });
    if (!airports) return platform::Failure{airports.error()};
    for (const Airport &airport : *airports)
        if (platform::Result<> written = writeNameWords(db, airport.icao, airport.name); !written) return written;
    return {};
}

}  // namespace volmira::store
