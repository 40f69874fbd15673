#include "platform/OnlineConfig.h"

#include "OnlineDefaults.h"

#include <QUrl>

namespace volmira::platform::online {

namespace {

// The environment's value when it is set and not empty, else the build's.
QString setting(const char *variable, const char *builtIn) {
    const QString value = qEnvironmentVariable(variable);
    return value.isEmpty() ? QString::fromUtf8(builtIn) : value;
}

}  // namespace

QString downloadHost() { return setting("VOLMIRA_APT_DOWNLOAD_HOST", online_defaults::kDownloadHost); }

QString downloadUrl(const char *path) {
    return QStringLiteral("http://") + downloadHost() + QString::fromLatin1(path);
}

QString ftpUrl() { return setting("VOLMIRA_APT_FTP_URL", online_defaults::kFtpUrl); }

QString ftpUser() { return setting("VOLMIRA_APT_FTP_USER", online_defaults::kFtpUser); }

QString supportMail() { return setting("VOLMIRA_APT_SUPPORT_MAIL", online_defaults::kSupportMail); }

QString webUrl() { return QString::fromUtf8(online_defaults::kWebUrl); }

QString webAddress() { return QUrl(webUrl()).host(); }

}  // namespace volmira::platform::online
