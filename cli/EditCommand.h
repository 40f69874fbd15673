#pragma once

#include "cli/Session.h"
#include "editing/Entry.h"
#include "store/Stamp.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <variant>

// What the editing commands (runway, airport, frequency, approach) share: the
// airport looked up, refusals and the printed result. The command table has
// checked the line: arguments[0] is the action, arguments[1] CODE.
namespace volmira::cli {

struct Options;

// The session on the data folder, open for writing, and the stored airport of
// the code; prints why not and sets `exit` when there is none.
struct EditTarget {
    std::unique_ptr<Session> session;
    store::ArptRow airport;
};
[[nodiscard]] std::optional<EditTarget> editTarget(const Options &options, const QString &code, int &exit);

// The entry of a check, or nothing after printing the refusal as the dialog
// shows it, without its title; exit is then kUsage when an option meant as a
// number holds none, else kNotFound.
template <typename Entry>
[[nodiscard]] std::optional<Entry> accepted(editing::Checked<Entry> checked, int &exit) {
    if (const auto *failure = std::get_if<editing::EntryFailure>(&checked)) {
        err() << failure->text << Qt::endl;
        exit = failure->noNumber ? kUsage : kNotFound;
        return std::nullopt;
    }
    return std::get<Entry>(std::move(checked));
}

template <typename Entry>
[[nodiscard]] std::optional<Entry> accepted(editing::Checked<Entry> checked) {
    int exit = kNotFound;
    return accepted(std::move(checked), exit);
}

// Sets text to the option's value when the line gives it (also an empty one).
void takeOption(const Options &options, const QString &name, QString &text);

// Prints what was written: with --json {"ICAO", "action", key: row, extra...},
// else the lines of text. Gives kDone.
int printWritten(const Options &options, const QString &icao, const QString &action, const char *key,
                 const QJsonObject &row, const QJsonObject &extra, const QStringList &lines);

// Prints the failure of a write and gives kDataError.
int writeFailed(const QString &message);

// The exit status of a write that found its row changed or deleted by another
// program since it was read (or since the stamp --if-stamp names): a script
// reads the row again and decides, where 1 says its own line was wrong.
inline constexpr int kChangedMeanwhile = 4;

// --if-stamp "YYYY-MM-DD HH:MM:SS": the stamp of the row as the caller saw it,
// Date and Time as lookup --json prints them; empty for a row without one (a
// note: none stored). The usage error when it is neither; empty when it fits
// or is not given.
[[nodiscard]] QString stampMisfit(const Options &options);
// The stamp --if-stamp gives, nothing for an empty one; only when it is given.
[[nodiscard]] std::optional<store::Stamp> givenStamp(const Options &options);

// The row as the caller saw it: the stored one, carrying the stamp of
// --if-stamp when that is given, so that the write compares with that.
template <typename Row>
[[nodiscard]] Row asSeen(Row row, const Options &options);

// Prints why nothing was written to a row changed or deleted meanwhile; gives kChangedMeanwhile.
int meanwhileFailed(const QString &message);

}  // namespace volmira::cli
