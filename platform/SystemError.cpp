#include "platform/SystemError.h"

#include <cerrno>

namespace volmira::platform {

QString systemErrorText(int error) {
    switch (error) {
    case ENOSPC:
        return QStringLiteral("Der Datenträger ist voll.");
    case EDQUOT:
        return QStringLiteral("Der Speicherplatz, der Ihnen auf dem Datenträger zusteht, ist aufgebraucht.");
    case EFBIG:
        return QStringLiteral("Die Datei ist zu groß.");
    case EACCES:
    case EPERM:
        return QStringLiteral("Der Zugriff wurde verweigert.");
    case EROFS:
        return QStringLiteral("Der Datenträger ist schreibgeschützt.");
    case ENOENT:
        return QStringLiteral("Die Datei oder ihr Ordner existiert nicht.");
    case ENOTDIR:
        return QStringLiteral("Ein Teil des Pfades ist kein Ordner.");
    case EISDIR:
        return QStringLiteral("Der Name bezeichnet einen Ordner.");
    case ENAMETOOLONG:
        return QStringLiteral("Der Name ist zu lang.");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("Die Datei wird gerade von einem anderen Programm benutzt.");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Es sind zu viele Dateien geöffnet.");
    case EIO:
        return QStringLiteral("Der Datenträger meldet einen Ein-/Ausgabefehler.");
    case 0:
        return QStringLiteral("Das System nennt keinen Grund.");
    default:
        return QStringLiteral("Das System meldet den Fehler Nummer %1.").arg(error);
    }
}

QString notAFileText() { return QStringLiteral("Der Name bezeichnet keine gewöhnliche Datei."); }

}  // namespace volmira::platform
