#include "browser/AirportLookup.h"
#include "browser/MapHeader.h"
#include "browser/MapLinkAudit.h"
#include "browser/MapLinks.h"
#include "cli/CommandTable.h"
#include "cli/Commands.h"
#include "cli/MapArguments.h"
#include "cli/Options.h"
#include "cli/Session.h"
#include "store/DateText.h"

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
            {"ValidUntil", r.ValidUntil},
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

// "  gültig bis 31.12.2026", with "(abgelaufen)" when the day has passed; nothing without a date.
QString validityColumn(const store::MapDataRow &row, const QDate &today) {
    const std::optional<QDate> last = browser::validUntilOf(row);
    if (!last) return {};
    return QStringLiteral("  gültig bis ") + store::defaultDateText(*last) +
           (browser::expiredOn(row, today) ? QStringLiteral(" (abgelaufen)") : QString());
}

void printSlots(const QString &icao, const std::vector<browser::MapSlot> &found, const QDate &today) {
    out() << icao << '\n';
    if (found.empty()) out() << "  (keine Karten verknüpft)\n";
    for (const browser::MapSlot &slot : found) {
        out() << (slot.row.Active ? "* " : "  ") << slot.row.Number << "  " << printable(slot.row.Name) << "  "
              << browser::mapTypeName(slot.type) << "  " << printable(QDir::toNativeSeparators(slot.file.path));
        if (!slot.file.exists) out() << "  (Datei fehlt)";
        else if (const std::optional<browser::PixelSize> size = headerSize(slot))
            out() << "  " << size->width << " x " << size->height;
        out() << validityColumn(slot.row, today) << '\n';
    }
}

// The day of --valid-until in the stored form; empty when not given. Nothing
// after printing why a given one is no day.
std::optional<QString> validUntilOption(const Options &options) {
    if (!options.has("valid-until")) return QString();
    const QString stored = store::storedDateText(store::parseStoredDate(options.value("valid-until")));
    if (stored.isEmpty()) {
        refuseLine(options, QStringLiteral("Ungültiges Datum: %1 (erwartet TT.MM.JJJJ)").arg(printable(options.value("valid-until"))));
        return std::nullopt;
    }
    return stored;
}

int linkCommand(const Options &options) {
    const QStringList &a = options.arguments;
    const std::optional<int> number = slotNumber(a[2]);
    if (!number) return kUsage;
    const std::optional<QString> validUntil = validUntilOption(options);
    if (!validUntil) return kUsage;
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
    const browser::LinkRequest request{file.absolutePath(), file.fileName(), options.value("name"), *validUntil,
                                       options.isSet("copy")};
    const browser::LinkOutcome saved =
        browser::saveMapLink(session->store->maps, *icao, *number, request, session->dataFolder);
    if (!saved) return failed(saved);
    if (*saved) {
        err() << (*saved)->message << Qt::endl;
        return kNotFound;
    }
    const platform::Result<std::optional<store::MapDataRow>> linked = session->store->maps.link(*icao, *number);
    if (!linked) return failed(linked);
    const QString path = *linked ? browser::joinMapPath((*linked)->Location, (*linked)->File) : QString();
    out() << QStringLiteral("Karte %1 von %2 verknüpft: %3").arg(*number).arg(*icao, printable(QDir::toNativeSeparators(path)))
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

// One line of a list over all airports: code, slot, name, path, and what is wrong.
QString linkLine(const store::MapDataRow &row, const QString &path, const QString &remark) {
    return QStringLiteral("%1  %2  %3  %4%5")
        .arg(printable(row.ICAO))
        .arg(row.Number)
        .arg(printable(row.Name), printable(QDir::toNativeSeparators(path)), remark);
}

QJsonObject linkJson(const store::MapDataRow &row, const QString &path) {
    return {{"ICAO", row.ICAO}, {"Number", row.Number}, {"Name", row.Name},
            {"path", QDir::toNativeSeparators(path)}, {"ValidUntil", row.ValidUntil}};
}

// Prints the lines, or `none` when there are none; 1 when nothing was listed.
int printLinks(const Options &options, const std::vector<QString> &lines, const QJsonArray &json, const QString &none) {
    if (options.json) out() << QJsonDocument(QJsonObject{{"maps", json}}).toJson(QJsonDocument::Indented);
    else if (lines.empty()) out() << none << '\n';
    for (const QString &line : lines)
        if (!options.json) out() << line << '\n';
    out().flush();
    return lines.empty() ? kNotFound : kDone;
}

int missingCommand(const Options &options, Session &session) {
    const platform::Result<std::vector<browser::FoundLink>> missing =
        browser::missingLinks(session.store->maps, session.dataFolder);
    if (!missing) return failed(missing);
    std::vector<QString> lines;
    QJsonArray json;
    for (const browser::FoundLink &link : *missing) {
        lines.push_back(linkLine(link.row, link.path, QString()));
        json.append(linkJson(link.row, link.path));
    }
    return printLinks(options, lines, json, QStringLiteral("Keine verknüpfte Kartendatei fehlt."));
}

int expiredCommand(const Options &options, Session &session) {
    QDate before = session.clock.now().date();
    if (options.has("before")) {
        before = store::parseStoredDate(options.value("before"));
        if (!before.isValid())
            return refuseLine(options, QStringLiteral("Ungültiges Datum: %1 (erwartet TT.MM.JJJJ)").arg(printable(options.value("before"))));
    }
    const platform::Result<std::vector<store::MapDataRow>> expired =
        session.store->maps.validBefore(store::storedDateText(before));
    if (!expired) return failed(expired);
    std::vector<QString> lines;
    QJsonArray json;
    for (const store::MapDataRow &row : *expired) {
        const QString path = browser::joinMapPath(row.Location, row.File);
        const std::optional<QDate> last = browser::validUntilOf(row);
        lines.push_back(linkLine(row, path, last ? QStringLiteral("  gültig bis ") + store::defaultDateText(*last) : QString()));
        json.append(linkJson(row, path));
    }
    return printLinks(options, lines, json, QStringLiteral("Keine Karte ist abgelaufen."));
}

int relinkCommand(const Options &options) {
    const QString from = options.arguments[1], to = QFileInfo(options.arguments[2]).absoluteFilePath();
    if (from.trimmed().isEmpty()) return refuseLine(options, QStringLiteral("Der alte Ordner fehlt."));
    auto session = openSession(options, store::Database::Mode::ReadWrite);
    if (!session) return kDataError;
    const platform::Result<std::vector<store::MapDataRow>> links = session->store->maps.allLinks();
    if (!links) return failed(links);
    const std::vector<browser::Relink> plan = browser::planRelink(*links, from, to);
    if (plan.empty()) {
        err() << QStringLiteral("Keine Karte ist im Ordner %1 verknüpft.").arg(printable(from)) << Qt::endl;
        return kNotFound;
    }
    if (platform::Result<> moved = browser::applyRelink(session->store->maps, plan); !moved) return failed(moved);
    int left = 0;
    for (const browser::Relink &link : plan) {
        const QString path = QDir::toNativeSeparators(browser::joinMapPath(link.location, link.row.File));
        if (link.fileThere) {
            out() << QStringLiteral("umgesetzt: ") << linkLine(link.row, path, QString()) << '\n';
        } else {
            ++left;
            out() << QStringLiteral("nicht umgesetzt (Datei fehlt dort): ") << linkLine(link.row, path, QString()) << '\n';
        }
    }
    out() << QStringLiteral("%1 von %2 Verknüpfungen umgesetzt.").arg(int(plan.size()) - left).arg(plan.size()) << Qt::endl;
    return left == 0 ? kDone : kNotFound;
}

}  // namespace

int mapsCommand(const Options &options) {
    const bool missing = options.isSet("missing"), expired = options.isSet("expired");
    const bool code = !options.arguments.isEmpty();
    if (int(missing) + int(expired) + int(code) != 1)
        return refuseLine(options, QStringLiteral("Entweder CODE, --missing oder --expired angeben."));
    if (options.has("before") && !expired) return refuseLine(options, QStringLiteral("--before nur mit --expired."));
    auto session = openSession(options, store::Database::Mode::ReadOnly);
    if (!session) return kDataError;
    if (missing) return missingCommand(options, *session);
    if (expired) return expiredCommand(options, *session);
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
        printSlots(*icao, *found, session->clock.now().date());
    }
    out().flush();
    return kDone;
}

int mapCommand(const Options &options) {
    const QString &action = options.arguments[0];
    if (action == QLatin1String("link")) return linkCommand(options);
    if (action == QLatin1String("relink")) return relinkCommand(options);
    return unlinkCommand(options);
}

}  // namespace volmira::cli
