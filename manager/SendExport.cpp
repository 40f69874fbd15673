#include "manager/SendExport.h"

#include "platform/OnlineConfig.h"
#include "platform/SystemError.h"
#include "store/DateText.h"
#include "store/exchange/ExchangeExport.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <cerrno>

namespace volmira::manager {

namespace {

const QString kMailSubject = QStringLiteral("Flugplatz Daten");

QString twoDigits(int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); }

// Every UTF-8 byte outside A-Z a-z 0-9 - . _ ~ as %XX: a mail program
// decodes the link back to exactly the text, blanks, "&", "#" and "%" included.
QString encoded(const QString &text) { return QString::fromLatin1(QUrl::toPercentEncoding(text)); }

platform::Result<QByteArray> readBack(const QString &path) {
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        return platform::Failure{QStringLiteral("Die Exportdatei %1 kann nicht gelesen werden: %2")
                                     .arg(QFileInfo(path).fileName(), platform::systemErrorText(errno))};
    return file.readAll();
}

}  // namespace

SendSettings configuredSendSettings() {
    namespace online = platform::online;
    return {online::ftpUrl(), online::ftpUser(), QString::fromLatin1(online::kFtpPassword), online::supportMail()};
}

QString exportRemoteName(const QDateTime &at) {
    const QDate day = at.date();
    const QTime time = at.time();
    return QStringLiteral("Export-") + store::germanMonth(day.month()) + twoDigits(day.day()) + QLatin1Char('-') +
           QString::number(day.year()) + QLatin1Char('-') + twoDigits(time.hour()) + QLatin1Char(':') +
           twoDigits(time.minute()) + QStringLiteral(".crm");
}

QString exportMailLink(const QString &address, const QString &folder) {
    const QString body = QStringLiteral("Bitte hängen Sie die Datei Export.crm im Verzeichnis: ") + folder +
                         QStringLiteral(" an diese email. Vielen Dank für Ihre Unterstützung.");
    return QStringLiteral("mailto:") + address + QStringLiteral("?Subject=") + encoded(kMailSubject) +
           QStringLiteral("&Body=") + encoded(body);
}

QString mailNotOpenedMessage(const QString &path, const QString &address) {
    return QStringLiteral("Das E-Mail-Programm konnte nicht geöffnet werden. Bitte senden Sie die Datei ") + path +
           QStringLiteral(" an ") + address + QLatin1Char('.');
}

QString uploadFailedMessage(const QString &fileName, const QString &cause) {
    return QStringLiteral("Die Datei ") + fileName + QStringLiteral(" konnte nicht übertragen werden: ") + cause +
           QLatin1Char('.');
}

QString uploadDoneMessage(const QString &remoteName) {
    return QStringLiteral("Die Daten wurden als ") + remoteName + QStringLiteral(" übertragen.");
}

platform::Result<std::optional<WrittenExport>> writeExport(store::AirportStore &store, const QStringList &icaos,
                                                           const QString &file, const QDateTime &now,
                                                           const SendSettings &settings) {
    if (icaos.isEmpty()) return std::optional<WrittenExport>();
    const QFileInfo info(file);
    const platform::Result<store::exchange::ExportCounts> counts =
        store::exchange::exportAirports(store, icaos, info.absoluteFilePath());
    if (!counts) return platform::Failure{counts.error()};
    if (counts->airports == 0) return std::optional<WrittenExport>();
    platform::Result<QByteArray> bytes = readBack(info.absoluteFilePath());
    if (!bytes) return platform::Failure{bytes.error()};
    return std::optional<WrittenExport>(WrittenExport{info.absoluteFilePath(), counts->airports, counts->records,
                                                      exportRemoteName(now),
                                                      exportMailLink(settings.supportMail, info.absolutePath()),
                                                      std::move(bytes).value()});
}

platform::UploadRequest uploadRequest(const WrittenExport &written, const SendSettings &settings) {
    platform::UploadRequest request;
    request.serverUrl = settings.ftpUrl;
    request.remoteName = written.remoteName;
    request.credentials = {settings.ftpUser, settings.ftpPassword};
    request.data = written.bytes;
    return request;
}

SendExport::SendExport(store::AirportStore &store, SendServices services)
    : store_(store), services_(std::move(services)), runner_(services_.transfer) {}

platform::Result<std::optional<SendExport::Started>> SendExport::start(
    const QStringList &icaos, const QString &file, std::function<void(platform::Result<QString>)> uploaded) {
    platform::Result<std::optional<WrittenExport>> written =
        writeExport(store_, icaos, file, services_.clock.now(), services_.settings);
    if (!written) return platform::Failure{written.error()};
    if (!*written) return std::optional<Started>();
    const WrittenExport &w = **written;
    runner_.upload(uploadRequest(w, services_.settings),
                   [uploaded = std::move(uploaded), name = w.remoteName,
                    fileName = QFileInfo(w.file).fileName()](const platform::Result<> &result) {
                       if (result)
                           uploaded(uploadDoneMessage(name));
                       else
                           uploaded(platform::Failure{uploadFailedMessage(fileName, result.error())});
                   });
    Started started{w.remoteName, {}};
    // A link the desktop cannot open would otherwise read as a mail sent.
    if (!services_.shell.openUrl(w.mailto))
        started.mailMessage = mailNotOpenedMessage(w.file, services_.settings.supportMail);
    return std::optional<Started>(started);
}

}  // namespace volmira::manager
