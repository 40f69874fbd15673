#include "browser/AirportBlock.h"
#include "cli/Commands.h"
#include "cli/EditCommand.h"
#include "cli/Options.h"
#include "cli/RowJson.h"
#include "cli/RowSelection.h"
#include "editing/EditOperations.h"

// The runway, frequency and approach commands: the boxes of the entry dialog
// filled from the line (an add starts empty, a change from the stored row),
// the dialog's check, then the edit operation.
namespace volmira::cli {

using platform::Failure;
using platform::Result;

namespace {

const QLatin1String kAdd("add"), kChange("change"), kDelete("delete");

const QStringList kRunwayOptions{"rwy", "hdg", "length", "width", "slope", "surface"};
const std::vector<EditForm> kRunwayForms{{"add", 1, kRunwayOptions}, {"change", 2, kRunwayOptions}, {"delete", 2, {}}};
constexpr const char *kRunwayUsage =
    "  volmira-apt runway add CODE --rwy D --hdg H --length M --width M [--slope T] [--surface asphalt|gras]\n"
    "  volmira-apt runway change CODE SEL [dieselben Optionen]\n"
    "  volmira-apt runway delete CODE SEL\n";

const std::vector<EditForm> kFrequencyForms{{"add", 3, {}}, {"change", 2, {"name", "freq"}}, {"delete", 2, {}}};
constexpr const char *kFrequencyUsage =
    "  volmira-apt frequency add CODE NAME FREQ\n"
    "  volmira-apt frequency change CODE SEL [--name T] [--freq T]\n"
    "  volmira-apt frequency delete CODE SEL\n";

// The options of tApproach(1) to tApproach(5).
const QStringList kApproachOptions{"ils-freq", "ils-ident", "ils-gs", "om-freq", "om-ident"};
const std::vector<EditForm> kApproachForms{
    {"add", 2, kApproachOptions, true}, {"change", 2, QStringList{"rwy"} + kApproachOptions, true}, {"delete", 2, {}}};
constexpr const char *kApproachUsage =
    "  volmira-apt approach add CODE RWY [--ils-freq T] [--ils-ident T] [--ils-gs T] [--om-freq T] [--om-ident T]\n"
    "                          [--yes]\n"
    "  volmira-apt approach change CODE SEL [--rwy T] [dieselben Optionen]\n"
    "  volmira-apt approach delete CODE SEL\n";

QString done(const QString &action) {
    if (action == kAdd) return QStringLiteral("hinzugefügt");
    if (action == kDelete) return QStringLiteral("gelöscht");
    return QStringLiteral("geändert");
}

QString orDash(const QString &text) { return text.isEmpty() ? QStringLiteral("-") : text; }
QString orDash(std::optional<int> value) { return value ? QString::number(*value) : QStringLiteral("-"); }

// The row SEL names, or nothing after printing why there is none.
template <typename Row, typename Select>
std::optional<Row> selected(const Result<std::vector<Row>> &rows, const QString &selector, Select select, int &exit) {
    if (!rows) {
        exit = failed(rows);
        return std::nullopt;
    }
    const Result<Row> row = select(*rows, selector);
    if (!row) {
        err() << row.error() << Qt::endl;
        exit = kNotFound;
        return std::nullopt;
    }
    return *row;
}

QStringList runwayLines(const QString &icao, const QString &action, const editing::RunwayWrite &w) {
    const store::RwyRow &r = w.runway;
    return {QStringLiteral("%1: Landebahn %2 %3").arg(icao, r.RWY, done(action)),
            QStringLiteral("  RWYHDG %1, SLOPE %2, Länge %3 m, Breite %4 m, %5")
                .arg(orDash(r.RWYHDG), orDash(r.SLOPE), orDash(r.Length), orDash(r.Width),
                     browser::surfaceIndicator(r.SURFACE).caption),
            QStringLiteral("  RwyALen %1 m, RwyGLen %2 m").arg(w.RwyALen).arg(w.RwyGLen)};
}

// Runs the write and prints what it wrote, or why it failed.
template <typename Row, typename Print>
int finish(const Result<Row> &written, Print print) {
    if (!written) return writeFailed(written.error());
    return print(*written);
}

std::optional<editing::RunwayEntry> runwayEntry(const Options &options, const std::optional<store::RwyRow> &row,
                                                int &exit) {
    editing::RunwayTexts texts = row ? editing::runwayTexts(*row) : editing::RunwayTexts{};
    const std::array names{"rwy", "hdg", "slope", "length", "width"};
    for (int box = 0; box < editing::kRunwayBoxCount; ++box) takeOption(options, names[box], texts.tRwy[box]);
    if (options.has("surface")) texts.optGras = options.value("surface").toLower() == QLatin1String("gras");
    return accepted(editing::checkRunway(texts), exit);
}

std::optional<editing::ComEntry> frequencyEntry(const Options &options, const EditLine &line,
                                                const std::optional<store::AcomRow> &row) {
    const editing::ComTexts opened = row ? editing::comTexts(*row) : editing::ComTexts{};
    editing::ComTexts texts = opened;
    if (row) {
        takeOption(options, "name", texts.tCom[0]);
        takeOption(options, "freq", texts.tCom[1]);
    } else {
        texts.tCom = {line.arguments[1], line.arguments[2]};
    }
    return accepted(editing::ValidateCom(texts, opened));
}

// The approach checked, and its runway found among the airport's or confirmed by --yes.
std::optional<editing::ApproachEntry> approachEntry(const Options &options, const EditLine &line,
                                                    store::AirportStore &store, const QString &icao,
                                                    const std::optional<store::IlsRow> &row, int &exit) {
    exit = kNotFound;
    const editing::ApproachTexts opened = row ? editing::approachTexts(*row) : editing::ApproachTexts{};
    editing::ApproachTexts texts = opened;
    if (row) takeOption(options, "rwy", texts.tApproach[0]);
    else texts.tApproach[0] = line.arguments[1];
    for (int box = 1; box < editing::kApproachBoxCount; ++box)
        takeOption(options, kApproachOptions[box - 1], texts.tApproach[box]);
    std::optional<editing::ApproachEntry> entry = accepted(editing::ValidateApproach(texts, opened));
    if (!entry) return std::nullopt;
    const Result<std::vector<store::RwyRow>> runways = store.reads.runways(icao);
    if (!runways) {
        exit = failed(runways);
        return std::nullopt;
    }
    if (!editing::matchingRunway(*entry, *runways) && !options.isSet("yes")) {
        err() << editing::unknownRunwayQuestion(*entry) << Qt::endl;
        return std::nullopt;
    }
    return entry;
}

}  // namespace

int runwayCommand(const Options &options) {
    const std::optional<EditLine> line = editLine(options, kRunwayForms, kRunwayUsage);
    if (!line) return kUsage;
    const QString surface = options.value("surface").toLower();
    if (options.has("surface") && surface != QLatin1String("asphalt") && surface != QLatin1String("gras")) {
        err() << "Aufruf:\n" << kRunwayUsage << Qt::flush;
        return kUsage;
    }
    int exit = kDone;
    const std::optional<EditTarget> target = editTarget(options, line->arguments[0], exit);
    if (!target) return exit;
    store::AirportStore &store = *target->session->store;
    const QString icao = target->airport.ICAO, action = QLatin1String(line->form->action);
    std::optional<store::RwyRow> row;
    if (action != kAdd && !(row = selected(store.reads.runways(icao), line->arguments[1], selectRunway, exit)))
        return exit;
    const auto print = [&](const editing::RunwayWrite &w) {
        return printWritten(options, icao, action, "runway", runwayJson(w.runway),
                            {{"RwyALen", w.RwyALen}, {"RwyGLen", w.RwyGLen}}, runwayLines(icao, action, w));
    };
    if (action == kDelete) return finish(editing::deleteRunway(store, icao, row->id), print);
    const std::optional<editing::RunwayEntry> entry = runwayEntry(options, row, exit);
    if (!entry) return exit;
    return finish(row ? editing::changeRunway(store, icao, row->id, *entry) : editing::addRunway(store, icao, *entry),
                  print);
}

int frequencyCommand(const Options &options) {
    const std::optional<EditLine> line = editLine(options, kFrequencyForms, kFrequencyUsage);
    if (!line) return kUsage;
    int exit = kDone;
    const std::optional<EditTarget> target = editTarget(options, line->arguments[0], exit);
    if (!target) return exit;
    store::AirportStore &store = *target->session->store;
    const QString icao = target->airport.ICAO, action = QLatin1String(line->form->action);
    std::optional<store::AcomRow> row;
    if (action != kAdd && !(row = selected(store.reads.frequencies(icao), line->arguments[1], selectFrequency, exit)))
        return exit;
    const auto print = [&](const store::AcomRow &r) {
        return printWritten(options, icao, action, "frequency", frequencyJson(r), {},
                            {QStringLiteral("%1: Frequenz %2 %3 %4").arg(icao, r.Name, r.FREQ, done(action))});
    };
    if (action == kDelete) return finish(editing::deleteFrequency(store, icao, row->id), print);
    const std::optional<editing::ComEntry> entry = frequencyEntry(options, *line, row);
    if (!entry) return kNotFound;
    return finish(row ? editing::changeFrequency(store, icao, row->id, *entry)
                      : editing::addFrequency(store, icao, *entry),
                  print);
}

int approachCommand(const Options &options) {
    const std::optional<EditLine> line = editLine(options, kApproachForms, kApproachUsage);
    if (!line) return kUsage;
    int exit = kDone;
    const std::optional<EditTarget> target = editTarget(options, line->arguments[0], exit);
    if (!target) return exit;
    store::AirportStore &store = *target->session->store;
    const QString icao = target->airport.ICAO, action = QLatin1String(line->form->action);
    std::optional<store::IlsRow> row;
    if (action != kAdd && !(row = selected(store.reads.approaches(icao), line->arguments[1], selectApproach, exit)))
        return exit;
    const auto print = [&](const store::IlsRow &r) {
        return printWritten(options, icao, action, "approach", approachJson(r), {},
                            {QStringLiteral("%1: Anflug %2 %3").arg(icao, r.RWY, done(action)),
                             QStringLiteral("  ILS %1 %2, GS %3, OM %4 %5")
                                 .arg(orDash(r.ILS_FREQ), orDash(r.ILS_IDENT), orDash(r.ILS_GS), orDash(r.OM_FREQ),
                                      orDash(r.OM_IDENT))});
    };
    if (action == kDelete) return finish(editing::deleteApproach(store, icao, row->id), print);
    const std::optional<editing::ApproachEntry> entry = approachEntry(options, *line, store, icao, row, exit);
    if (!entry) return exit;
    return finish(row ? editing::changeApproach(store, icao, row->id, *entry)
                      : editing::addApproach(store, icao, *entry),
                  print);
}

}  // namespace volmira::cli
