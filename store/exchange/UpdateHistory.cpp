#include "store/exchange/UpdateHistory.h"

#include "store/DateText.h"

#include <QFileInfo>

namespace volmira::store::exchange {

namespace {

using recordfile::FieldType;

const std::vector<recordfile::FieldDef> &historyFields() {
    static const std::vector<recordfile::FieldDef> fields{{QStringLiteral("ICAO"), FieldType::Text, 10, true},
                                                          {QStringLiteral("Name"), FieldType::Text, 100, true},
                                                          {QStringLiteral("Date"), FieldType::DateTime, 0, true}};
    return fields;
}

QString textOf(const recordfile::Value &value) {
    if (const auto *text = std::get_if<QString>(&value)) return text->isNull() ? QString(QLatin1String("")) : *text;
    return {};
}

std::optional<recordfile::DateTime> dateOf(const recordfile::Value &value) {
    if (const auto *date = std::get_if<recordfile::DateTime>(&value)) return *date;
    if (const auto *text = std::get_if<QString>(&value)) {
        const QDate day = parseStoredDate(text->left(10));
        if (day.isValid()) return recordfile::DateTime{day, QTime(0, 0)};
    }
    return std::nullopt;
}

platform::Result<std::vector<HistoryEntry>> readEntries(recordfile::Reader &reader) {
    std::vector<HistoryEntry> entries;
    const int icao = reader.fieldIndex(u"ICAO"), name = reader.fieldIndex(u"Name"), date = reader.fieldIndex(u"Date");
    recordfile::Row row;
    while (reader.next(row)) {
        HistoryEntry entry;
        if (icao >= 0) entry.ICAO = textOf(row[icao]);
        if (name >= 0) entry.Name = textOf(row[name]);
        if (date >= 0) entry.Date = dateOf(row[date]);
        entries.push_back(std::move(entry));
    }
    if (!reader.error().isEmpty()) return platform::Failure{reader.error()};
    return entries;
}

}  // namespace

platform::Result<std::vector<HistoryEntry>> readUpdateHistory(const QString &path) {
    if (!QFileInfo::exists(path)) return std::vector<HistoryEntry>{};
    recordfile::Reader reader;
    if (platform::Result<> opened = reader.open(path); !opened) return platform::Failure{opened.error()};
    return readEntries(reader);
}

platform::Result<std::vector<HistoryEntry>> readUpdateHistoryBytes(QByteArray bytes, const QString &name) {
    recordfile::Reader reader;
    if (platform::Result<> opened = reader.openBytes(std::move(bytes), name); !opened)
        return platform::Failure{opened.error()};
    return readEntries(reader);
}

platform::Result<> writeUpdateHistory(const QString &path, const std::vector<HistoryEntry> &entries) {
    recordfile::Writer writer(path, historyFields());
    if (platform::Result<> opened = writer.open(); !opened) return opened;
    for (const HistoryEntry &e : entries) {
        recordfile::Row row(3);
        if (!e.ICAO.isNull()) row[0] = e.ICAO;
        if (!e.Name.isNull()) row[1] = e.Name;
        if (e.Date) row[2] = *e.Date;
        writer.write(row);
    }
    return writer.commit();
}

}  // namespace volmira::store::exchange
