#include "browser/MapDrop.h"

#include "browser/MapPath.h"
#include "platform/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <algorithm>

namespace volmira::browser {

using platform::Failure;
using platform::Result;

namespace {

// Enough names for any folder a person keeps; past them the copy is refused.
constexpr int kMostNames = 999;

Result<bool> sameContent(const QString &a, const QString &b) {
    QFile first(a), second(b);
    if (first.size() != second.size()) return false;
    if (!first.open(QIODevice::ReadOnly) || !second.open(QIODevice::ReadOnly))
        return Failure{QStringLiteral("Die Datei „%1“ kann nicht gelesen werden.").arg(QFileInfo(a).fileName())};
    constexpr qint64 kChunk = 1 << 20;
    while (!first.atEnd())
        if (first.read(kChunk) != second.read(kChunk)) return false;
    return true;
}

}  // namespace

DropPlan planDrop(const QString &path, const std::array<bool, store::kMapSlots> &linked, int onButton) {
    DropPlan plan;
    const QFileInfo file(path);
    if (!file.isFile()) {
        plan.refusal = QStringLiteral("Die Datei %1 gibt es nicht.").arg(QDir::toNativeSeparators(path));
        return plan;
    }
    plan.name = file.fileName();
    if (!isMapFileName(plan.name)) {
        plan.refusal = QString::fromUtf8(kNotAMapFile);
        return plan;
    }
    if (onButton >= 0 && onButton < store::kMapSlots) {
        plan.slot = onButton;
        plan.overwrites = linked[onButton];
        return plan;
    }
    const auto free = std::ranges::find(linked, false);
    if (free == linked.end()) plan.refusal = QString::fromUtf8(kNoFreeSlot);
    else plan.slot = int(free - linked.begin());
    return plan;
}

QString replaceQuestion(const QString &oldName, const QString &newName) {
    return QStringLiteral("Die Karte „%1“ durch „%2“ ersetzen?").arg(oldName, newName);
}

QString numberedName(const QString &name, int n) {
    if (n <= 1) return name;
    const qsizetype dot = name.lastIndexOf(u'.');
    const qsizetype cut = dot > 0 ? dot : name.size();
    return name.left(cut) + QStringLiteral(" (%1)").arg(n) + name.mid(cut);
}

QString airportMapFolder(const QString &dataFolder, const QString &icao) {
    // A code never leads out of the airport's folder.
    QString folder = icao;
    folder.replace(u'/', u'_').replace(u'\\', u'_');
    if (folder.isEmpty() || folder == u"." || folder == u"..") folder = QStringLiteral("_");
    return QDir(dataFolder).filePath(QStringLiteral("Karten/") + folder);
}

Result<QString> copyIntoMapFolder(const QString &file, const QString &dataFolder, const QString &icao) {
    const QString folder = airportMapFolder(dataFolder, icao);
    if (!QDir().mkpath(folder))
        return Failure{QStringLiteral("Der Ordner %1 kann nicht angelegt werden.").arg(QDir::toNativeSeparators(folder))};
    const QString name = QFileInfo(file).fileName();
    const QDir target(folder);
    // The same chart copied before is linked again, not copied twice.
    for (int n = 1; n <= kMostNames && QFileInfo::exists(target.filePath(numberedName(name, n))); ++n) {
        const QString existing = target.filePath(numberedName(name, n));
        const Result<bool> same = sameContent(existing, file);
        if (!same) return Failure{same.error()};
        if (*same) return existing;
    }
    // Copied whole under a name of its own, then given the first free name.
    const QString temporary = target.filePath(QStringLiteral(".%1.kopie").arg(QUuid::createUuid().toString(QUuid::Id128)));
    if (Result<> copied = platform::copyFileAtomically(file, temporary); !copied)
        return Failure{QStringLiteral("%1 kann nicht in den Kartenordner %2 kopiert werden. %3")
                           .arg(name, QDir::toNativeSeparators(folder), copied.error())};
    for (int n = 1; n <= kMostNames; ++n) {
        const QString candidate = target.filePath(numberedName(name, n));
        const Result<bool> placed = platform::renameWithoutReplacing(temporary, candidate);
        if (!placed) {
            QFile::remove(temporary);
            return Failure{placed.error()};
        }
        if (*placed) return candidate;
    }
    QFile::remove(temporary);
    return Failure{QStringLiteral("Im Ordner %1 ist kein freier Name für %2.").arg(QDir::toNativeSeparators(folder), name)};
}

}  // namespace volmira::browser
