// The start-up's version check headless: asks the download site, changes nothing.
#include "app/VersionCheck.h"
#include "cli/Commands.h"
#include "cli/Options.h"
#include "cli/Session.h"
#include "platform/Transfer.h"

#include <QJsonDocument>
#include <QJsonObject>

#include "Version.h"

namespace volmira::cli {

namespace {

QJsonValue json(const std::optional<QString> &text) { return text ? QJsonValue(*text) : QJsonValue(); }

QString shown(const std::optional<QString> &text) { return text ? printable(*text) : QStringLiteral("(unbekannt)"); }

QString yesNo(bool value) { return value ? QStringLiteral("ja") : QStringLiteral("nein"); }

}  // namespace

int checkVersionCommand(const Options &options) {
    auto session = openSession(options, store::Database::Mode::ReadOnly);
    if (!session) return kDataError;
    const platform::Result<std::optional<store::VersionRow>> installed = session->store->lists.version();
    if (!installed) return failed(installed);
    const QString program = QString::fromLatin1(kProgramVersion);
    const QString database = *installed ? (*installed)->DatabaseVersion : QString();

    const std::unique_ptr<platform::Transfer> transfer = platform::makeCurlTransfer();
    platform::DownloadVersionSource site(*transfer);
    const std::atomic<bool> never{false};
    const app::VersionCheck check = app::checkVersions(program, database, site.fetch(never));

    if (options.json) {
        const QJsonObject result{{"ProgramVersion", program},
                                 {"DatabaseVersion", database},
                                 {"OnlineProgVersion", json(check.onlineProgramVersion)},
                                 {"OnlineDataVersion", json(check.onlineDataVersion)},
                                 {"lblVMUpdate", check.programUpdate},
                                 {"lblDBUpdate", check.dataUpdate},
                                 {"UpdateAvailable", check.updateAvailable()},
                                 {"error", check.error.isEmpty() ? QJsonValue() : QJsonValue(check.error)}};
        out() << QJsonDocument(result).toJson(QJsonDocument::Indented);
    } else {
        out() << "Programmversion:        " << program << '\n'
              << "Datenbankversion:       " << printable(database) << '\n'
              << "Programmversion online: " << shown(check.onlineProgramVersion) << '\n'
              << "Datenbankversion online: " << shown(check.onlineDataVersion) << '\n'
              << "Volmira Update vorhanden:   " << yesNo(check.programUpdate) << '\n'
              << "Datenbank Update vorhanden: " << yesNo(check.dataUpdate) << '\n';
        if (!check.error.isEmpty()) out() << check.error << '\n';
    }
    out().flush();
    if (!check.error.isEmpty()) return kDataError;
    return check.updateAvailable() ? kNotFound : kDone;
}

}  // namespace volmira::cli
