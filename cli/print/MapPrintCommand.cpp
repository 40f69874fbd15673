#include "browser/MapLinks.h"
#include "browser/print/MapPrint.h"
#include "cli/MapArguments.h"
#include "cli/Options.h"
#include "cli/Session.h"
#include "cli/print/PrintCommand.h"
#include "platform/NumberText.h"

#include <QDir>

#include <algorithm>
#include <cmath>

namespace volmira::cli {

namespace {

// --page P: a whole number from 1; the page from 0, or nothing after printing why not.
std::optional<int> pageOption(const QString &text) {
    const std::optional<double> page = platform::readNumber(text);
    if (page && *page >= 1 && *page <= 1e6 && std::floor(*page) == *page) return int(*page) - 1;
    err() << QStringLiteral("Die Seite muss eine ganze Zahl ab 1 sein, nicht \"%1\".").arg(printable(text)) << Qt::endl;
    return std::nullopt;
}

browser::Paper paperOption(const QString &text) {
    if (text.compare(QLatin1String("A5"), Qt::CaseInsensitive) == 0) return browser::Paper::A5;
    if (text.compare(QLatin1String("Letter"), Qt::CaseInsensitive) == 0) return browser::Paper::Letter;
    return browser::Paper::A4;
}

// What to print of the link: its stored view (or the whole picture), rotation and page.
browser::ChartPrintJob jobOf(const browser::MapSlot &slot, const Options &options, std::optional<int> page) {
    const store::MapDataRow &r = slot.row;
    browser::ChartPrintJob job;
    job.path = slot.file.path;
    job.type = slot.type;
    job.rotation = r.Rotation;
    if (!options.isSet("whole")) job.view = QRectF(r.SX, r.SY, r.SW, r.SH);
    job.pdfPage = page.value_or(r.PdfPage);
    job.paper = paperOption(options.value("paper"));
    return job;
}

}  // namespace

int mapPrintCommand(const Options &options) {
    const QStringList &a = options.arguments;
    const std::optional<int> number = slotNumber(a[2]);
    if (!number) return kUsage;
    std::optional<int> page;
    if (options.has("page") && !(page = pageOption(options.value("page")))) return kUsage;
    auto session = openSession(options, store::Database::Mode::ReadOnly);
    if (!session) return kDataError;
    int exit = kDone;
    const std::optional<QString> icao = airportCode(*session, a[1], exit);
    if (!icao) return exit;
    const platform::Result<std::vector<browser::MapSlot>> found =
        browser::readMapSlots(session->store->maps, *icao, session->dataFolder);
    if (!found) return failed(found);
    const auto slot = std::find_if(found->begin(), found->end(),
                                   [&](const browser::MapSlot &s) { return s.row.Number == *number; });
    if (slot == found->end()) {
        err() << QStringLiteral("Karte %1 von %2 ist nicht verknüpft.").arg(*number).arg(*icao) << Qt::endl;
        return kNotFound;
    }
    const QString shown = printable(QDir::toNativeSeparators(slot->file.path));
    if (!slot->file.exists) {
        err() << QStringLiteral("Die Kartendatei %1 gibt es nicht.").arg(shown) << Qt::endl;
        return kNotFound;
    }
    if (page && slot->type != browser::MapType::Pdf) {
        err() << QStringLiteral("--page gilt nur für PDF-Karten; %1 ist ein Bild.").arg(shown) << Qt::endl;
        return kUsage;
    }
    const browser::ChartPrintJob job = jobOf(*slot, options, page);
    int pages = 0;
    const platform::Result<browser::PreparedChart> chart = browser::prepareChart(job, &pages);
    // A page the chart lacks is not found; a file that cannot be read is a data error.
    if (!chart && pages > 0 && job.pdfPage >= pages) {
        err() << chart.error() << Qt::endl;
        return kNotFound;
    }
    if (!chart) return failed(chart);
    const QString pdf = options.value("pdf");
    if (const platform::Result<> written = browser::writeChartPdf(*chart, pdf); !written) return failed(written);
    out() << QStringLiteral("Karte %1 von %2 nach %3 geschrieben.").arg(*number).arg(*icao, printable(pdf)) << Qt::endl;
    return kDone;
}

}  // namespace volmira::cli
