#include "browser/AirportBlock.h"
#include "cli/CommandTable.h"
#include "cli/Commands.h"
#include "cli/EditCommand.h"
#include "cli/Options.h"
#include "cli/RowJson.h"
#include "editing/EditOperations.h"

// airport add and airport set: the airport dialog's boxes filled from the line
// (a new airport from the dialog's presets, a change from the stored record),
// its check, then the edit operation.
namespace volmira::cli {

using platform::Result;

namespace {

// Cuts a unit or direction off the end of the text when it is there, in any letter case.
bool cutSuffix(QString &text, const QString &suffix) {
    if (!text.endsWith(suffix, Qt::CaseInsensitive)) return false;
    text.chop(suffix.size());
    text = text.trimmed();
    return true;
}

// The boxes the options give: --elev in feet without a unit, --var east without a letter.
void takeAirportOptions(const Options &options, editing::AirportTexts &texts) {
    takeOption(options, "name", texts.tAPT[editing::kNameBox]);
    takeOption(options, "pr", texts.tAPT[editing::kCircuitBox]);
    if (options.has("elev")) {
        QString elevation = options.value("elev").trimmed();
        texts.cmbftm = !cutSuffix(elevation, "ft") && cutSuffix(elevation, "m") ? "m" : "ft";
        texts.tAPT[editing::kElevationBox] = elevation;
    }
    if (options.has("var")) {
        QString variation = options.value("var").trimmed();
        texts.cmbVar = cutSuffix(variation, "W") ? "W" : "E";
        if (texts.cmbVar == QLatin1String("E")) cutSuffix(variation, "E");
        texts.tAPT[editing::kVariationBox] = variation;
    }
    if (options.has("type")) {
        texts.chkVLP = options.value("type").toUpper() == QLatin1String("VLP");
        texts.chkSLP = !texts.chkVLP;
    }
}

// The boxes of the line: a new airport from the presets, a change from the
// stored record; --coordinates split as a stored COORDINATES is. Nothing after
// printing "Fehler in Koordinaten" when that cannot be split.
std::optional<editing::AirportTexts> airportTexts(const Options &options, const std::optional<store::ArptRow> &stored,
                                                  const QString &code) {
    store::ArptRow base = stored.value_or(store::ArptRow{});
    if (options.has("coordinates")) base.COORDINATES = options.value("coordinates");
    std::optional<editing::AirportTexts> texts;
    if (stored || options.has("coordinates")) {
        texts = accepted(editing::airportTexts(base));
        if (!texts) return std::nullopt;
    }
    if (!stored) {
        editing::AirportTexts fresh = editing::newAirportTexts();
        fresh.tAPT[editing::kCodeBox] = code;
        if (texts) {
            fresh.tCoord = texts->tCoord;
            fresh.cmbNS = texts->cmbNS;
            fresh.cmbEW = texts->cmbEW;
        }
        texts = fresh;
    }
    takeAirportOptions(options, *texts);
    return texts;
}

QStringList airportLines(const store::ArptRow &row, const QString &action) {
    QStringList lines{QStringLiteral("%1: Flughafen %2").arg(row.ICAO, action == QLatin1String("add")
                                                                            ? QStringLiteral("hinzugefügt")
                                                                            : QStringLiteral("geändert"))};
    for (const QString &text : browser::airportTexts(row))
        if (!text.isEmpty()) lines << QStringLiteral("  ") + text;
    lines << QStringLiteral("  LastDate %1").arg(row.LastDate);
    return lines;
}

}  // namespace

int airportCommand(const Options &options) {
    if (const QString misfit = stampMisfit(options); !misfit.isEmpty()) return refuseLine(options, misfit);
    const bool add = options.arguments[0] == QLatin1String("add");
    const QString code = options.arguments[1];
    std::unique_ptr<Session> session;
    std::optional<store::ArptRow> stored;
    if (add) {
        session = openSession(options, store::Database::Mode::ReadWrite);
        if (!session) return kDataError;
    } else {
        int exit = kDone;
        std::optional<EditTarget> target = editTarget(options, code, exit);
        if (!target) return exit;
        session = std::move(target->session);
        stored = target->airport;
    }
    store::AirportStore &store = *session->store;
    const std::optional<editing::AirportTexts> texts = airportTexts(options, stored, code);
    if (!texts) return kNotFound;
    // A stored circuit text too long for its box, left as it is, does not block the change.
    editing::AirportTexts opened;
    if (stored) {
        const editing::Checked<editing::AirportTexts> filled = editing::airportTexts(*stored);
        if (const auto *storedTexts = std::get_if<editing::AirportTexts>(&filled)) opened = *storedTexts;
    }
    int refusal = kNotFound;
    const std::optional<editing::AirportEntry> entry =
        accepted(editing::Checkinfo(*texts, editing::duplicateQuery(store), opened), refusal);
    if (!entry) return refusal;
    Result<store::ArptRow> written = store::ArptRow{};
    if (add) {
        written = editing::createAirport(store, *entry);
    } else {
        const auto outcome =
            editing::changeAirport(store, stored->ICAO, store::stampOf(asSeen(*stored, options)), *entry);
        if (!outcome) return writeFailed(outcome.error());
        if (std::holds_alternative<store::Meanwhile<store::ArptRow>>(*outcome))
            return meanwhileFailed(store::kChangedMeanwhileMessage.toString());
        written = std::get<store::ArptRow>(*outcome);
    }
    if (!written) return writeFailed(written.error());
    const QString action = add ? QStringLiteral("add") : QStringLiteral("change");
    return printWritten(options, written->ICAO, action, "airport", airportJson(*written), {},
                        airportLines(*written, action));
}

}  // namespace volmira::cli
