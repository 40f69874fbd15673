#include "browser/NoteActions.h"

#include "browser/AirportLookup.h"
#include "browser/NotePanel.h"
#include "platform/RegularFile.h"
#include "platform/SystemError.h"
#include "store/Database.h"
#include "store/LastDate.h"
#include "store/Rtf.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <cerrno>

namespace volmira::browser {

using platform::Failure;
using platform::Result;

namespace {

// UTF-8, or nothing when the bytes are not.
std::optional<QString> fromUtf8(const QByteArray &bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError()) return std::nullopt;
    return text;
}

}  // namespace

Result<AirportNotes> readAirportNotes(store::AirportStore &store, const QString &icao) {
    store::Transaction snapshot(store.database(), store::Transaction::Kind::Read);
    if (!snapshot.started()) return Failure{snapshot.startError()};
    Result<std::vector<store::MyInfoRow>> notes = store.notes.ofAirport(icao);
    if (!notes) return Failure{notes.error()};
    const Result<std::vector<store::CategoryMark>> marks = store.notes.categoryMarks(icao);
    if (!marks) return Failure{marks.error()};
    return AirportNotes{std::move(*notes), categoryEntries(*marks)};
}

Result<store::Guarded<SavedNote, store::MyInfoRow>> saveNote(store::AirportStore &store, const QString &icao,
                                                              const QString &entry, const store::NoteText &note,
                                                              const std::optional<store::Stamp> &loaded) {
    using Saved = store::Guarded<SavedNote, store::MyInfoRow>;
    store::Transaction tx(store.database());
    if (!tx.started()) return Failure{tx.startError()};
    const Result<std::optional<store::ArptRow>> airport = store.reads.airportByIcao(icao);
    if (!airport) return Failure{airport.error()};
    if (!*airport) return Failure{store::airportGoneMessage(icao)};
    // The airport's own spelling of its code, as every other row of it has.
    const QString &code = (*airport)->ICAO;
    const QString category = categoryOf(entry);
    const Result<std::optional<store::MyInfoRow>> current = store.notes.ofCategory(code, category);
    if (!current) return Failure{current.error()};
    if (const auto other = store::meanwhile(*current, loaded)) return Saved(*other);
    if (Result<> saved = store.notes.save(code, category, store::writeRtf(note), store::printInfo(note)); !saved)
        return Failure{saved.error()};
    Result<LastUpdate> update = readLastUpdate(store, code);
    if (!update) return Failure{update.error()};
    if (Result<> stored = store::storeLastDate(store, code, update->lastDate, (*airport)->LastDate); !stored)
        return Failure{stored.error()};
    Result<std::vector<store::MyInfoRow>> notes = store.notes.ofAirport(code);
    if (!notes) return Failure{notes.error()};
    if (Result<> committed = tx.commit(); !committed) return Failure{committed.error()};
    const store::MyInfoRow *stored = noteOf(*notes, category);
    SavedNote result{stored ? *stored : store::MyInfoRow{}, std::move(*update), QString()};
    result.lblAktuell = lblAktuellText(result.note.Date, result.note.Time);
    return Saved(std::move(result));
}

Result<store::NoteText> readNoteFile(const QString &path) {
    const QString name = QFileInfo(path).fileName();
    const Result<std::unique_ptr<QFile>> file = platform::openRegularFile(path);
    if (!file) return Failure{QStringLiteral("Die Datei „%1“ kann nicht geöffnet werden: %2").arg(name, file.error())};
    errno = 0;
    const QByteArray bytes = (*file)->read(kMaxNoteFileBytes + 1);
    if ((*file)->error() != QFileDevice::NoError)
        return Failure{QStringLiteral("Die Datei „%1“ kann nicht gelesen werden: %2")
                           .arg(name, platform::systemErrorText(errno))};
    if (bytes.size() > kMaxNoteFileBytes)
        return Failure{QStringLiteral("Die Datei „%1“ ist zu groß für eine Notiz (höchstens 8 MB).").arg(name)};
    const std::optional<QString> text = fromUtf8(bytes);
    // RTF carries its own escapes for every character beyond ASCII; raw bytes
    // beyond it are taken as UTF-8 when they are, else one character each.
    if (bytes.startsWith("{\\rtf")) return store::readRtf(text ? *text : QString::fromLatin1(bytes));
    if (!text) return Failure{QStringLiteral("Die Datei „%1“ ist weder RTF noch UTF-8-Text.").arg(name)};
    return store::readNote(*text);
}

}  // namespace volmira::browser
