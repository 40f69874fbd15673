#include "cli/Session.h"

#include "cli/Options.h"
#include "platform/DataFolder.h"

#include <QDir>

#include <cstdio>

#include <unistd.h>

namespace volmira::cli {

QTextStream &out() {
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err() {
    static QTextStream stream(stderr);
    return stream;
}

QString printable(QString text) {
    for (QChar &c : text)
        if (c.category() == QChar::Other_Control) c = QChar::ReplacementCharacter;
    return text;
}

void drawProgress(int percent) {
    if (!isatty(fileno(stderr))) return;
    const int filled = percent / 5;
    err() << "\r[" << QString(filled, u'#') << QString(20 - filled, u' ') << "] " << percent << " %";
    if (percent == 100) err() << '\n';
    err().flush();
}

std::unique_ptr<Session> openSession(const Options &options, store::Database::Mode mode) {
    auto session = std::make_unique<Session>();
    const QString exeDir = platform::programFolder();
    session->dataFolder = platform::resolveDataFolder(options.value("data-dir"), exeDir);
    if (const platform::Result<> prepared = platform::prepareDataFolder(session->dataFolder, exeDir); !prepared) {
        err() << prepared.error() << Qt::endl;
        return nullptr;
    }
    // An upgrade of an older file says so once; its steps take seconds at most.
    const auto upgrading = [](int done, int) {
        if (done == 0) err() << store::upgradingMessage() << Qt::endl;
    };
    const platform::Result<> opened =
        session->db.open(QDir(session->dataFolder).filePath(platform::kDatabaseFile), mode, upgrading);
    if (!opened) {
        err() << opened.error() << Qt::endl;
        return nullptr;
    }
    session->store = std::make_unique<store::AirportStore>(session->db, session->clock);
    return session;
}

}  // namespace volmira::cli
