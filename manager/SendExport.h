#pragma once

#include "platform/Clock.h"
#include "platform/Result.h"
#include "platform/Shell.h"
#include "platform/Transfer.h"
#include "store/AirportStore.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Sending the changed airports to the maker: the exchange file is written,
// put on the maker's FTP server under a name of the hour, and announced by a
// prepared e-mail that asks the user to attach it.
namespace volmira::manager {

// Where and as whom the file is sent, and whom the mail goes to.
struct SendSettings {
    QString ftpUrl;  // "ftp://host[:port]"
    QString ftpUser;
    QString ftpPassword;
    QString supportMail;
};

// The program's configuration (the build's values or the environment's).
[[nodiscard]] SendSettings configuredSendSettings();

// The file's name on the server, by the time of sending: "Export-Mrz05-2026-14:30.crm".
[[nodiscard]] QString exportRemoteName(const QDateTime &at);
// The mail link that asks to attach the file in `folder`, subject and body
// percent-encoded as UTF-8 so that any folder name arrives as it is.
[[nodiscard]] QString exportMailLink(const QString &address, const QString &folder);
// The mail program could not be opened: the user sends the file by hand.
[[nodiscard]] QString mailNotOpenedMessage(const QString &path, const QString &address);
// The upload of the file of that name failed for the cause given.
[[nodiscard]] QString uploadFailedMessage(const QString &fileName, const QString &cause);
inline const QString kUploadFailedTitle = QStringLiteral("Übertragung fehlgeschlagen");
// The upload went through under that name.
[[nodiscard]] QString uploadDoneMessage(const QString &remoteName);

// An exchange file just written, ready to go.
struct WrittenExport {
    QString file;  // absolute
    int airports = 0;
    int records = 0;
    QString remoteName;
    QString mailto;
    QByteArray bytes;  // the file's content as written
};

// Writes the airports into `file` (replacing it only when all went well) and
// reads back what was written. Nothing when none of the codes is an airport:
// then no file is written and an older one stays as it is.
[[nodiscard]] platform::Result<std::optional<WrittenExport>> writeExport(store::AirportStore &store,
                                                                         const QStringList &icaos,
                                                                         const QString &file, const QDateTime &now,
                                                                         const SendSettings &settings);

// The upload of a written export to the configured server.
[[nodiscard]] platform::UploadRequest uploadRequest(const WrittenExport &written, const SendSettings &settings);

// What sending needs of the platform.
struct SendServices {
    platform::Transfer &transfer;
    platform::Shell &shell;
    const platform::Clock &clock;
    SendSettings settings;
};

// The database manager's sending: writes the file, starts its upload in the
// background and opens the mail. The upload's outcome arrives later, on the
// thread that made this object, as the text for the status line or the
// message of its failure. Destroying the object aborts a running upload.
class SendExport {
public:
    struct Started {
        QString remoteName;
        // Empty when the mail program opened; else what the user should do instead.
        QString mailMessage;
    };

    SendExport(store::AirportStore &store, SendServices services);

    // Nothing when no airport is to be sent; a failed export stops before the
    // upload and the mail, with its message.
    [[nodiscard]] platform::Result<std::optional<Started>> start(
        const QStringList &icaos, const QString &file, std::function<void(platform::Result<QString>)> uploaded);
    // Whether an upload is still running.
    [[nodiscard]] bool busy() const { return runner_.busy(); }

private:
    store::AirportStore &store_;
    SendServices services_;
    platform::TransferRunner runner_;
};

}  // namespace volmira::manager
