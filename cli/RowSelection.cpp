#include "cli/RowSelection.h"

#include <QStringList>

namespace volmira::cli {

using platform::Failure;
using platform::Result;

namespace {

// How the messages name a row of one table.
struct RowNames {
    const char *none;     // "Es wurde keine Landebahn „%1“ gefunden."
    const char *several;  // "Mehrere Landebahnen passen zu „%1“ ..."
};

constexpr RowNames kRunwayNames{"Es wurde keine Landebahn „%1“ gefunden.",
                                "Mehrere Landebahnen passen zu „%1“: bitte mit #N wählen (N-te Zeile wie bei lookup)."};
constexpr RowNames kFrequencyNames{"Es wurde keine Frequenz „%1“ gefunden.",
                                   "Mehrere Frequenzen passen zu „%1“: bitte mit #N wählen (N-te Zeile wie bei lookup)."};
constexpr RowNames kApproachNames{"Es wurde kein Anflug „%1“ gefunden.",
                                  "Mehrere Anflüge passen zu „%1“: bitte mit #N wählen (N-te Zeile wie bei lookup)."};

// Letter case and every blank left out: "07l/25r" names "07L / 25R".
QString key(const QString &text) {
    QString folded;
    for (const QChar c : text)
        if (!c.isSpace()) folded += c.toUpper();
    return folded;
}

template <typename Row, typename Matches>
Result<Row> selectRow(const std::vector<Row> &rows, const QString &selector, const RowNames &names, Matches matches) {
    const QString shown = selector.trimmed();
    const auto message = [&](const char *text) { return Failure{QString::fromUtf8(text).arg(shown)}; };
    if (shown.startsWith(u'#')) {
        bool number = false;
        const int n = shown.mid(1).toInt(&number);
        if (!number || n < 1 || std::size_t(n) > rows.size()) return message(names.none);
        return rows[std::size_t(n - 1)];
    }
    const QString wanted = key(shown);
    std::vector<const Row *> found;
    for (const Row &row : rows)
        if (matches(row, wanted)) found.push_back(&row);
    if (found.empty() || wanted.isEmpty()) return message(names.none);
    if (found.size() > 1) return message(names.several);
    return *found.front();
}

}  // namespace

Result<store::RwyRow> selectRunway(const std::vector<store::RwyRow> &rows, const QString &selector) {
    return selectRow(rows, selector, kRunwayNames, [](const store::RwyRow &row, const QString &wanted) {
        QStringList names{row.RWY, row.RwyLow, row.RwyHigh};
        names << row.RWY.split(u'/');
        for (const QString &name : names)
            if (key(name) == wanted) return true;
        return false;
    });
}

Result<store::AcomRow> selectFrequency(const std::vector<store::AcomRow> &rows, const QString &selector) {
    return selectRow(rows, selector, kFrequencyNames, [&](const store::AcomRow &row, const QString &) {
        return row.Name.trimmed().compare(selector.trimmed(), Qt::CaseInsensitive) == 0;
    });
}

Result<store::IlsRow> selectApproach(const std::vector<store::IlsRow> &rows, const QString &selector) {
    return selectRow(rows, selector, kApproachNames,
                     [](const store::IlsRow &row, const QString &wanted) { return key(row.RWY) == wanted; });
}

}  // namespace volmira::cli
