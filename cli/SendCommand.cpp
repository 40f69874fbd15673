#include "cli/CommandTable.h"
#include "cli/Commands.h"
#include "cli/ExportSelection.h"
#include "cli/Options.h"
#include "cli/Session.h"
#include "manager/CountTexts.h"
#include "manager/SendExport.h"
#include "platform/TestPause.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <atomic>

namespace volmira::cli {

int sendCommand(const Options &options) {
    if (exportLineFaulty(options)) return refuseLine(options, QStringLiteral("--all und --icao schließen sich aus."));
    auto session = openSession(options, store::Database::Mode::ReadOnly);
    if (!session) return kDataError;
    const platform::Result<QStringList> codes = exportSelection(options, *session->store);
    if (!codes) return failed(codes);
    const manager::SendSettings settings = manager::configuredSendSettings();
    const platform::Result<std::optional<manager::WrittenExport>> written = manager::writeExport(
        *session->store, *codes, exportFile(options, session->dataFolder), session->clock.now(), settings);
    if (!written) return failed(written);
    if (!*written) {
        // Nothing to send: no file, no upload, as in the database manager.
        if (options.isSet("all") || options.has("icao"))
            err() << "Keiner der genannten Flughäfen ist in der Datenbank; es wurde nichts gesendet." << Qt::endl;
        else
            err() << manager::changedAirportsText(0) << Qt::endl;
        return kNotFound;
    }
    const manager::WrittenExport &w = **written;
    platform::pauseForTest("VOLMIRA_SEND_PAUSE", "Senden", "upload");
    const std::atomic<bool> never{false};
    const platform::Result<> uploaded =
        platform::makeCurlTransfer()->upload(manager::uploadRequest(w, settings), never);
    if (!uploaded) {
        err() << manager::uploadFailedMessage(QFileInfo(w.file).fileName(), uploaded.error()) << Qt::endl;
        return kDataError;
    }
    if (options.json)
        out() << QJsonDocument(QJsonObject{{"file", w.file},
                                           {"airports", w.airports},
                                           {"records", w.records},
                                           {"remoteName", w.remoteName},
                                           {"mailto", w.mailto}})
                     .toJson(QJsonDocument::Indented);
    else
        out() << manager::exportWrittenText(w.airports, w.records, w.file) << '\n'
              << manager::uploadDoneMessage(w.remoteName) << '\n'
              << "E-Mail-Link: " << w.mailto << '\n';
    out().flush();
    return kDone;
}

}  // namespace volmira::cli
