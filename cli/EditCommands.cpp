#include "browser/AirportBlock.h"
#include "cli/CommandTable.h"
#include "cli/Commands.h"
#include "cli/EditCommand.h"
#include "cli/Options.h"
#include "cli/RowJson.h"
#include "cli/RowSelection.h"
#include "editing/EditOperations.h"

// The runway, frequency and approach commands: the boxes of the entry dialog
// filled from the line (an add starts empty, a change from the stored row),
// the dialog's check, then the edit operation. One path serves the three
// kinds; what differs is in RowCommand.
namespace volmira::cli {

using platform::Result;

namespace {

const QLatin1String kAdd("add"), kDelete("delete");

QString done(const QString &action) {
    if (action == kAdd) return QStringLiteral("hinzugefügt");
    if (action == kDelete) return QStringLiteral("gelöscht");
    return QStringLiteral("geändert");
}

QString orDash(const QString &text) { return text.isEmpty() ? QStringLiteral("-") : text; }
QString orDash(std::optional<int> value) { return value ? QString::number(*value) : QStringLiteral("-"); }

// The entry dialog's texts: the stored row's for a change, empty boxes for an add.
template <typename Row, typename Texts = std::invoke_result_t<decltype(editing::RowKind<Row>::texts), const Row &>>
Texts openedTexts(const std::optional<Row> &row) {
    return row ? editing::RowKind<Row>::texts(*row) : Texts{};
}

// Sets the boxes from the options named in order, from `first` on.
template <std::size_t N>
void takeBoxes(const Options &options, std::array<QString, N> &boxes, std::initializer_list<const char *> names,
               std::size_t first = 0) {
    for (const char *name : names) takeOption(options, name, boxes[first++]);
}

template <typename Row>
struct RowCommand;

template <>
struct RowCommand<store::RwyRow> {
    static constexpr const char *key = "runway";
    static constexpr auto select = &selectRunway;
    static constexpr auto json = &runwayJson;

    static QJsonObject extra(const editing::RunwayWrite &w) { return {{"RwyALen", w.RwyALen}, {"RwyGLen", w.RwyGLen}}; }

    static QStringList lines(const QString &icao, const QString &action, const editing::RunwayWrite &w) {
        const store::RwyRow &r = w.runway;
        return {QStringLiteral("%1: Landebahn %2 %3").arg(icao, r.RWY, done(action)),
                QStringLiteral("  RWYHDG %1, SLOPE %2, Länge %3 m, Breite %4 m, %5")
                    .arg(orDash(r.RWYHDG), orDash(r.SLOPE), orDash(r.Length), orDash(r.Width),
                         browser::surfaceIndicator(r.SURFACE).caption),
                QStringLiteral("  RwyALen %1 m, RwyGLen %2 m").arg(w.RwyALen).arg(w.RwyGLen)};
    }

    static std::optional<editing::RunwayEntry> entry(const Options &options, store::AirportStore &, const QString &,
                                                     const std::optional<store::RwyRow> &row, int &exit) {
        editing::RunwayTexts texts = openedTexts(row);
        takeBoxes(options, texts.tRwy, {"rwy", "hdg", "slope", "length", "width"});
        if (options.has("surface")) texts.optGras = options.value("surface").toLower() == QLatin1String("gras");
        return accepted(editing::checkRunway(texts), exit);
    }
};

template <>
struct RowCommand<store::AcomRow> {
    static constexpr const char *key = "frequency";
    static constexpr auto select = &selectFrequency;
    static constexpr auto json = &frequencyJson;

    static QJsonObject extra(const store::AcomRow &) { return {}; }

    static QStringList lines(const QString &icao, const QString &action, const store::AcomRow &r) {
        return {QStringLiteral("%1: Frequenz %2 %3 %4").arg(icao, r.Name, r.FREQ, done(action))};
    }

    // An add names NAME and FREQ as arguments.
    static std::optional<editing::ComEntry> entry(const Options &options, store::AirportStore &, const QString &,
                                                  const std::optional<store::AcomRow> &row, int &exit) {
        const editing::ComTexts opened = openedTexts(row);
        editing::ComTexts texts = opened;
        if (row) takeBoxes(options, texts.tCom, {"name", "freq"});
        else texts.tCom = {options.arguments[2], options.arguments[3]};
        return accepted(editing::ValidateCom(texts, opened), exit);
    }
};

template <>
struct RowCommand<store::IlsRow> {
    static constexpr const char *key = "approach";
    static constexpr auto select = &selectApproach;
    static constexpr auto json = &approachJson;

    static QJsonObject extra(const store::IlsRow &) { return {}; }

    static QStringList lines(const QString &icao, const QString &action, const store::IlsRow &r) {
        return {QStringLiteral("%1: Anflug %2 %3").arg(icao, r.RWY, done(action)),
                QStringLiteral("  ILS %1 %2, GS %3, OM %4 %5")
                    .arg(orDash(r.ILS_FREQ), orDash(r.ILS_IDENT), orDash(r.ILS_GS), orDash(r.OM_FREQ),
                         orDash(r.OM_IDENT))};
    }

    // An add names RWY as an argument; its runway must be one of the
    // airport's, or confirmed by --yes.
    static std::optional<editing::ApproachEntry> entry(const Options &options, store::AirportStore &store,
                                                       const QString &icao, const std::optional<store::IlsRow> &row, int &exit) {
        const editing::ApproachTexts opened = openedTexts(row);
        editing::ApproachTexts texts = opened;
        if (row) takeOption(options, "rwy", texts.tApproach[0]);
        else texts.tApproach[0] = options.arguments[2];
        takeBoxes(options, texts.tApproach, {"ils-freq", "ils-ident", "ils-gs", "om-freq", "om-ident"}, 1);
        std::optional<editing::ApproachEntry> entry = accepted(editing::ValidateApproach(texts, opened), exit);
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
};

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

// "KIND add CODE …", "KIND change CODE SEL …", "KIND delete CODE SEL".
template <typename Row>
int rowCommand(const Options &options) {
    using Kind = editing::RowKind<Row>;
    using Command = RowCommand<Row>;
    if (const QString misfit = stampMisfit(options); !misfit.isEmpty()) return refuseLine(options, misfit);
    int exit = kDone;
    const std::optional<EditTarget> target = editTarget(options, options.arguments[1], exit);
    if (!target) return exit;
    store::AirportStore &store = *target->session->store;
    const QString icao = target->airport.ICAO, action = options.arguments[0];
    std::optional<Row> row;
    if (action != kAdd && !(row = selected((store.reads.*Kind::list)(icao), options.arguments[2], Command::select, exit)))
        return exit;
    const auto finish = [&](const editing::WriteOutcome<typename Kind::Written, Row> &outcome) {
        if (!outcome) return writeFailed(outcome.error());
        if (const auto *other = std::get_if<store::Meanwhile<Row>>(&*outcome))
            return meanwhileFailed(other->stored ? store::kChangedMeanwhileMessage.toString()
                                                 : editing::vanishedMessage<Row>());
        const auto &written = std::get<0>(*outcome);
        return printWritten(options, icao, action, Command::key, Command::json(Kind::row(written)),
                            Command::extra(written), Command::lines(icao, action, written));
    };
    // The write compares the row with the one read here, or with the stamp the caller names.
    const std::optional<Row> seen = row ? std::optional(asSeen(*row, options)) : std::nullopt;
    if (action == kDelete) return finish(Kind::deleteEntry(store, icao, row->id, store::stampOf(*seen)));
    exit = kNotFound;
    const std::optional<typename Kind::Entry> entry = Command::entry(options, store, icao, row, exit);
    if (!entry) return exit;
    return finish(editing::writeRow<Row>(store, icao, seen, *entry));
}

}  // namespace

int runwayCommand(const Options &options) { return rowCommand<store::RwyRow>(options); }
int frequencyCommand(const Options &options) { return rowCommand<store::AcomRow>(options); }
int approachCommand(const Options &options) { return rowCommand<store::IlsRow>(options); }

}  // namespace volmira::cli
