#include "platform/instance/SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <algorithm>

namespace volmira::platform {

namespace {

// A connection that has not sent a whole message by then is dropped.
constexpr int kReadMs = 5'000;

enum class Sent { NotConnected, Acknowledged, Unanswered };

int remaining(const QDeadlineTimer &deadline) { return int(std::max<qint64>(deadline.remainingTime(), 0)); }

Sent send(const QString &name, const Handover &handover, const QDeadlineTimer &deadline) {
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(remaining(deadline))) return Sent::NotConnected;
    socket.write(encodeHandover(handover));
    QByteArray answer;
    while (answer.size() < qsizetype(sizeof kHandoverAck) - 1 && socket.waitForReadyRead(remaining(deadline)))
        answer += socket.readAll();
    return answer == kHandoverAck ? Sent::Acknowledged : Sent::Unanswered;
}

}  // namespace

QString instanceSocketPath(const QString &dataFolder) {
    const QFileInfo folder(dataFolder);
    const QString canonical = folder.canonicalFilePath();
    const QString key = canonical.isEmpty() ? QDir::cleanPath(folder.absoluteFilePath()) : canonical;
    const QByteArray hash = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty()) runtime = QDir::tempPath();
    return QDir(runtime).filePath(QStringLiteral("volmira-apt-") + QString::fromLatin1(hash));
}

SingleInstance::SingleInstance(QObject *parent) : QObject(parent) {
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::accept);
}

SingleInstance::~SingleInstance() = default;

Result<SingleInstance::Claim> SingleInstance::claim(const QString &dataFolder, const Handover &handover, int waitMs) {
    const QString name = instanceSocketPath(dataFolder);
    lock_ = std::make_unique<QLockFile>(name + QStringLiteral(".lock"));
    // Held for the whole run: stale only when its holder is gone, never by age.
    lock_->setStaleLockTime(0);
    const QDeadlineTimer deadline(waitMs);
    const QString noAnswer = QStringLiteral("Volmira APT läuft schon für den Datenordner %1, antwortet aber nicht.")
                                 .arg(QDir::toNativeSeparators(dataFolder));
    for (;;) {
        if (lock_->tryLock(0)) return listen(name);
        if (lock_->error() != QLockFile::LockFailedError)
            return Failure{QStringLiteral("Die Sperrdatei %1 kann nicht angelegt werden.").arg(lock_->fileName())};
        // The holder may not listen yet: it takes the lock first.
        switch (send(name, handover, deadline)) {
        case Sent::Acknowledged:
            return Claim::HandedOver;
        case Sent::Unanswered:
            return Failure{noAnswer};
        case Sent::NotConnected:
            break;
        }
        if (deadline.hasExpired()) return Failure{noAnswer};
        QThread::msleep(50);
    }
}

Result<SingleInstance::Claim> SingleInstance::listen(const QString &name) {
    // A socket file left by a killed program answers nobody; the lock says the name is ours.
    QLocalServer::removeServer(name);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(name))
        return Failure{QStringLiteral("Die Verbindung %1 kann nicht geöffnet werden: %2").arg(name, server_.errorString())};
    return Claim::First;
}

void SingleInstance::accept() {
    while (QLocalSocket *socket = server_.nextPendingConnection()) {
        auto drop = [socket] {
            socket->abort();
            socket->deleteLater();
        };
        QTimer::singleShot(kReadMs, socket, drop);
        auto reader = std::make_shared<HandoverReader>();
        connect(socket, &QLocalSocket::readyRead, socket, [this, socket, reader, drop] {
            switch (reader->add(socket->readAll())) {
            case HandoverReader::State::Incomplete:
                return;
            case HandoverReader::State::Refused:
                drop();
                return;
            case HandoverReader::State::Complete:
                socket->write(kHandoverAck);
                socket->flush();
                socket->disconnectFromServer();
                socket->deleteLater();
                emit handedOver(reader->handover());
            }
        });
    }
}

}  // namespace volmira::platform
