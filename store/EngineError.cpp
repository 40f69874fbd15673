#include "store/EngineError.h"

#include <sqlcipher/sqlite3.h>

namespace volmira::store {

QString engineMessage(int code, const QString &path) {
    switch (code) {
    case SQLITE_READONLY_ROLLBACK:
    case SQLITE_READONLY_RECOVERY:
        return QStringLiteral("Die Datendatei %1 muss nach einem Abbruch wiederhergestellt werden, "
                              "aber ihr Ordner ist schreibgeschützt.")
            .arg(path);
    case SQLITE_IOERR_READ:
    case SQLITE_IOERR_SHORT_READ:
        return QStringLiteral("Die Datendatei %1 kann nicht gelesen werden.").arg(path);
    case SQLITE_IOERR_NOMEM:
        return QStringLiteral("Der Arbeitsspeicher reicht nicht aus.");
    default:
        break;
    }
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("Die Datenbank wird gerade von einem anderen Programm benutzt.");
    case SQLITE_FULL:
        return QStringLiteral("Der Datenträger ist voll.");
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
    case SQLITE_FORMAT:
        return QStringLiteral("Die Datendatei %1 ist beschädigt.").arg(path);
    case SQLITE_IOERR:
        return QStringLiteral("Die Datendatei %1 kann nicht geschrieben werden.").arg(path);
    case SQLITE_READONLY:
        return QStringLiteral("Die Datendatei %1 ist schreibgeschützt.").arg(path);
    case SQLITE_CANTOPEN:
        return QStringLiteral("Die Datendatei %1 oder ihre Sicherungsdatei kann nicht geöffnet werden.").arg(path);
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return QStringLiteral("Der Zugriff auf die Datendatei %1 ist nicht erlaubt.").arg(path);
    case SQLITE_NOMEM:
        return QStringLiteral("Der Arbeitsspeicher reicht nicht aus.");
    case SQLITE_TOOBIG:
        return QStringLiteral("Ein Wert ist zu groß für die Datenbank.");
    case SQLITE_CONSTRAINT:
        return QStringLiteral("Der Eintrag ist schon vorhanden oder verletzt eine Regel der Datenbank.");
    case SQLITE_INTERRUPT:
        return QStringLiteral("Der Zugriff auf die Datenbank wurde abgebrochen.");
    default:
        // A refused statement or a misuse: a fault of the program, not of the file.
        return QStringLiteral("Interner Fehler beim Zugriff auf die Datenbank (Code %1).").arg(code);
    }
}

}  // namespace volmira::store
