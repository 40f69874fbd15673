#include "cli/print/PrintCommand.h"

#include "cli/ManagerFilter.h"
#include "cli/Options.h"
#include "cli/Session.h"
#include "manager/ReportPreparation.h"
#include "manager/report/ReportLayout.h"
#include "manager/report/ReportPainter.h"
#include "platform/AtomicFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace volmira::cli {

namespace {

constexpr const char *kUsageLine =
    "print PRÄFIX [--surface hard|grass|any|none|off] [--type VLP|SLP|any|none] [--min-length M] "
    "[--long-contacts] --pdf DATEI [--json]";

QString counted(qsizetype n, const char *one, const char *many) {
    return QString::number(n) + u' ' + QString::fromUtf8(n == 1 ? one : many);
}

QJsonObject airportJson(const manager::ReportAirport &a) {
    QJsonArray lines;
    for (const manager::ReportRunway &r : a.cmdGroup)
        lines.append(QJsonObject{{"RWY", r.RWY},
                                 {"Length", r.Length},
                                 {"Width", r.Width},
                                 {"Type", r.Type},
                                 {"ILS", r.ILS},
                                 {"OM", r.OM},
                                 {"Kontakt", r.Kontakt}});
    return QJsonObject{{"Index", a.Index}, {"ICAO", a.ICAO},   {"Name", a.Name}, {"aType", a.aType},
                       {"ELEV", a.ELEV},   {"PR", a.PR},       {"Coord", a.Coord}, {"Var", a.Var},
                       {"Frequenzen", a.Frequenzen}, {"cmdGroup", lines}};
}

// Preparation takes the first half of the bar, the pages the second.
void drawShare(int done, int count, int from) {
    if (count > 0) drawProgress(from + done * 50 / count);
}

}  // namespace

int printCommand(const Options &options) {
    const std::optional<QString> prefix = listPrefix(options, kUsageLine);
    if (!prefix) return kUsage;
    const QString pdf = options.value("pdf");
    if (pdf.isEmpty()) {
        err() << "Bitte mit --pdf die Datei angeben, in die die Flughafenliste geschrieben wird." << Qt::endl
              << "Aufruf: volmira-apt " << kUsageLine << Qt::endl;
        return kUsage;
    }
    // The file is checked before anything is prepared; the probe leaves no trace.
    if (platform::Result<> writable = platform::AtomicFile(pdf).open(); !writable) {
        err() << writable.error() << Qt::endl;
        return kDataError;
    }
    auto session = openSession(options, store::Database::Mode::ReadWrite);
    if (!session) return kDataError;
    const platform::Result<store::AirportFilter> filter = listFilter(options, session->dataFolder);
    if (!filter) {
        err() << filter.error() << Qt::endl;
        return kUsage;
    }
    const auto report = manager::prepareReport(session->db, *prefix, *filter,
                                               [](int position, int count) { drawShare(position, count, 0); });
    if (!report) {
        err() << manager::kReportFailure << ": " << report.error() << Qt::endl;
        return kDataError;
    }
    const std::vector<manager::ReportAirport> &airports = *report;
    if (airports.empty()) {
        err() << manager::kEmptyReport << Qt::endl;
        return kNotFound;
    }
    const manager::ReportPages pages = manager::layoutReport(
        airports, options.isSet("long-contacts") ? manager::ContactText::Long : manager::ContactText::Short);
    const platform::Result<> written =
        manager::writeReportPdf(pages, pdf, [](int page, int count) { drawShare(page, count, 50); });
    if (!written) {
        err() << written.error() << Qt::endl;
        return kDataError;
    }
    if (options.json) {
        QJsonArray list;
        for (const manager::ReportAirport &a : airports) list.append(airportJson(a));
        out() << QJsonDocument(QJsonObject{{"pdf", pdf}, {"pages", int(pages.size())}, {"airports", list}})
                     .toJson(QJsonDocument::Indented);
    } else {
        qsizetype lines = 0;
        for (const manager::ReportAirport &a : airports) lines += qsizetype(a.cmdGroup.size());
        out() << counted(qsizetype(airports.size()), "Flughafen", "Flughäfen") << ", "
              << counted(lines, "Zeile", "Zeilen") << ", " << counted(qsizetype(pages.size()), "Seite", "Seiten")
              << " nach " << printable(pdf) << " geschrieben.\n";
    }
    out().flush();
    return kDone;
}

}  // namespace volmira::cli
