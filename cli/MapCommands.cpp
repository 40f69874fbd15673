#include "browser/AirportLookup.h"
#include "browser/MapHeader.h"
#include "browser/MapLinks.h"
#include "cli/Commands.h"
#include "cli/MapArguments.h"
#include "cli/Options.h"
#include "cli/Session.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace volmira::cli {

namespace {

// The header's size of an existing picture, nothing when it gives none.
std::optional<browser::PixelSize> headerSize(const browser::MapSlot &slot) {
    if (!slot.file.exists) return std::nullopt;
    const platform::Result<std::optional<browser::PixelSize>> size =
        browser::readPixelSize(slot.file.path, slot.type);
    return size ? *size : std::nullopt;
}

QJsonObject slotJson(const browser::MapSlot &slot) {
    const store::MapDataRow &r = slot.row;
    const std::optional<browser::PixelSize> pixels = headerSize(slot);
    const bool hasView = r.SW != 0 || r.SH != 0;
    return {{"Number", r.Number},
            {"Name", r.Name},
            {"Location", r.Location},
            {"File", r.File},
            {"Active", r.Active},
            {"path", QDir::toNativeSeparators(slot.file.path)},
            {"exists", slot.file.exists},
            {"type", browser::mapTypeName(slot.type)},
            {"pixels", pixels ? QJsonValue(QJsonObject{{"width", pixels->width}, {"height", pixels->height}})
                              : QJsonValue()},
            {"view", hasView ? QJsonValue(QJsonObject{{"W1", r.W1},
                                                      {"H1", r.H1},
                                                      {"SX", r.SX},
                                                      {"SY", r.SY},
                                                      {"SW", r.SW},
                                                      {"SH", r.SH},
                                                      {"SlideMap", r.SlideMap}})
                             : QJsonValue()}};
}

void printSlots(const QString &icao, const std::vector<browser::MapSlot> &found) {
    out() << icao << '\n';
    if (found.empty()) out() << "  (keine Karten verknüpft)\n";
    for (const browser::MapSlot &slot : found) {
        out() << (slot.row.Active ? "* " : "  ") << slot.row.Number << "  " << printable(slot.row.Name) << "  "
              << browser::mapTypeName(slot.type) << "  " << printable(QDir::toNativeSeparators(slot.file.path));
        if (!slot.file.exists) out() << "  (Datei fehlt)";
        else if (const std::optional<browser::PixelSize> size = headerSize(slot))
            out() << "  " << size->width << " x " << size->height;
        out() << '\n';
    }
}

int linkCommand(const Options &options) {
    const QStringList &a = options.arguments;
    const std::optional<int> number = slotNumber(a[2]);
    if (!number) return kUsage;
    const QFileInfo file(a[3]);
    if (!file.isFile()) {
        err() << QStringLiteral("Die Datei %1 gibt es nicht.").arg(printable(QDir::toNativeSeparators(a[3])))
              << Qt::endl;
        return kNotFound;
    }
    if (!browser::isMapFileName(file.fileName())) {
        err() << QStringLiteral("Nur BMP-, JPEG- und PDF-Dateien können verknüpft werden.") << Qt::endl;
        return kNotFound;
    }
    auto session = openSession(options, store::Database::Mode::ReadWrite);
    if (!session) return kDataError;
    int exit = kDone;
    const std::optional<QString> icao = airportCode(*session, a[1], exit);
    if (!icao) return exit;
    const browser::LinkOutcome saved = browser::saveMapLink(session->store->maps, *icao, *number,
                                                            file.absolutePath(), file.fileName(), options.value("name"));
    if (!saved) return failed(saved);
    if (*saved) {
        err() << (*saved)->message << Qt::endl;
        return kNotFound;
    }
    out() << QStringLiteral("Karte %1 von %2 verknüpft: %3").arg(*number).arg(*icao, printable(QDir::toNativeSeparators(file.absoluteFilePath())))
          << Qt::endl;
    return kDone;
}

int unlinkCommand(const Options &options) {
    const std::optional<int> number = slotNumber(options.arguments[2]);
    if (!number) return kUsage;
    auto session = openSession(options, store::Database::Mode::ReadWrite);
    if (!session) return kDataError;
    int exit = kDone;
    const std::optional<QString> icao = airportCode(*session, options.arguments[1], exit);
    if (!icao) return exit;
    const platform::Result<bool> removed = session->store->maps.deleteLink(*icao, *number);
    if (!removed) return failed(removed);
    if (!*removed) {
        err() << QStringLiteral("Karte %1 von %2 ist nicht verknüpft.").arg(*number).arg(*icao) << Qt::endl;
        return kNotFound;
    }
    out() << QStringLiteral("Verknüpfung der Karte %1 von %2 gelöscht.").arg(*number).arg(*icao) << Qt::endl;
    return kDone;
}

}  // namespace

int mapsCommand(const Options &options) {
    auto session = openSession(options, store::Database::Mode::ReadOnly);
    if (!session) return kDataError;
    int exit = kDone;
    const std::optional<QString> icao = airportCode(*session, options.arguments.first(), exit);
    if (!icao) return exit;
    const platform::Result<std::vector<browser::MapSlot>> found =
        browser::readMapSlots(session->store->maps, *icao, session->dataFolder);
    if (!found) return failed(found);
    if (options.json) {
        QJsonArray maps;
        for (const browser::MapSlot &slot : *found) maps.append(slotJson(slot));
        out() << QJsonDocument(QJsonObject{{"icao", *icao}, {"maps", maps}}).toJson(QJsonDocument::Indented);
    } else {
        printSlots(*icao, *found);
    }
    out().flush();
    return kDone;
}

int mapCommand(const Options &options) {
    return options.arguments[0] == QLatin1String("link") ? linkCommand(options) : unlinkCommand(options);
}

}  // namespace volmira::cli
