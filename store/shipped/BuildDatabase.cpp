#include "store/shipped/BuildDatabase.h"

#include "platform/SystemError.h"
#include "platform/Clock.h"
#include "store/AirportStore.h"
#include "store/Coordinates.h"
#include "store/shipped/CsvReader.h"
#include "store/Database.h"
#include "store/IcaoCode.h"
#include "store/SearchNames.h"
#include "store/Length.h"
#include "store/ValueRanges.h"
#include "store/exchange/DuplicateRows.h"
#include "store/exchange/ExchangeFile.h"
#include "store/shipped/ExtractRules.h"
#include "store/shipped/MagneticVariation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryFile>

#include <cerrno>
#include <cmath>
#include <filesystem>
#include <vector>

namespace volmira::store::shipped {

namespace {

// Rows are stamped with the data date at midnight.
constexpr const char *kMidnight = "00:00:00";

// The store's inserts keep the stamps of their rows; should it ever ask for
// the time, the build answers with the data date.
class DataDateClock final : public platform::Clock {
public:
    explicit DataDateClock(const QDate &date) : at_(date, QTime(0, 0)) {}
    [[nodiscard]] QDateTime now() const override { return at_; }

private:
    QDateTime at_;
};

// Codes as ICAO assigns them; blanks or quotes would break the lookups and files built on them.
// An airport read from airports.csv, kept until its runways are known.
struct PendingAirport {
    ArptRow row;
    QString city;
    std::optional<double> declination;  // degrees east, unrounded, for the runway headings
};

// One open CSV file of the extract.
class CsvFile {
public:
    explicit CsvFile(const QString &path) : file_(path), reader_(file_, QDir::toNativeSeparators(path)) {}

    [[nodiscard]] QString open(std::initializer_list<const char *> columns) {
        if (!file_.exists()) return QStringLiteral("Die Datei %1 fehlt.").arg(reader_.fileName());
        if (!file_.open(QIODevice::ReadOnly))
            return QStringLiteral("Die Datei %1 kann nicht gelesen werden: %2")
                .arg(reader_.fileName(), platform::systemErrorText(errno));
        return reader_.readHeader(columns).error();
    }
    CsvReader &reader() { return reader_; }

private:
    QFile file_;
    CsvReader reader_;
};

class Builder {
public:
    Builder(const BuildOptions &options, const QDate &date, const MagneticVariation &model, AirportStore &store,
            BuildReport &report)
        : options_(options), date_(date), model_(model), store_(store), report_(report),
          day_(date.toString(QStringLiteral("yyyy-MM-dd"))) {}

    [[nodiscard]] QString run() {
        for (auto step : {&Builder::countries, &Builder::airports, &Builder::runways, &Builder::writeAirports,
                          &Builder::otherNames, &Builder::frequencies, &Builder::categoriesAndVersion}) {
            if (QString error = (this->*step)(); !error.isEmpty()) return error;
        }
        return {};
    }

private:
    QString source(const char *name) const { return QDir(options_.sourceDir).filePath(QString::fromLatin1(name)); }

    static QString written(const platform::Result<> &stored) {
        return stored ? QString() : QStringLiteral("Fehler beim Schreiben der Datenbank: %1").arg(stored.error());
    }

    QString countries() {
        CsvFile file(source("icao_prefixes.csv"));
        if (QString e = file.open({"prefix", "country_name_de_common"}); !e.isEmpty()) return e;
        CsvReader &csv = file.reader();
        const int prefix = csv.column("prefix");
        const int name = csv.column("country_name_de_common");
        while (csv.next()) {
            const QString code = csv.field(prefix).toUpper();
            if (code.size() != 2)
                return csv.fault(QStringLiteral("Das Länderkürzel »%1« hat nicht zwei Zeichen.").arg(code));
            if (QString e = written(store_.edits.insertCountry({code, csv.field(name)})); !e.isEmpty()) return e;
            ++report_.countries;
        }
        return csv.error();
    }

    QString airports() {
        CsvFile file(source("airports.csv"));
        if (QString e = file.open({"icao", "type", "name", "latitude_deg", "longitude_deg", "elevation_ft",
                                   "municipality", "scheduled_service", "iata_code"});
            !e.isEmpty())
            return e;
        CsvReader &csv = file.reader();
        const int icao = csv.column("icao"), type = csv.column("type"), name = csv.column("name");
        const int lat = csv.column("latitude_deg"), lon = csv.column("longitude_deg");
        const int elevation = csv.column("elevation_ft"), scheduled = csv.column("scheduled_service");
        const int iata = csv.column("iata_code"), municipality = csv.column("municipality");
        QHash<QString, int> seen;
        while (csv.next()) {
            if (csv.field(icao).isEmpty()) return csv.fault(QStringLiteral("Der ICAO-Code fehlt."));
            const platform::Result<QString> checked = checkedIcaoCode(csv.field(icao));
            if (!checked) return csv.fault(checked.error());
            const QString code = *checked;
            if (const auto first = seen.constFind(code); first != seen.constEnd())
                return csv.fault(QStringLiteral("Der ICAO-Code %1 steht schon in Zeile %2.").arg(code).arg(*first));
            seen.insert(code, csv.line());

            const std::optional<double> latitude = extract::number(csv.field(lat));
            const std::optional<double> longitude = extract::number(csv.field(lon));
            if (!latitude || !longitude || !kLatitudeRange.holds(*latitude) || !kLongitudeRange.holds(*longitude)) {
                ++report_.airportsWithoutCoordinates;
                continue;
            }
            PendingAirport airport;
            ArptRow &row = airport.row;
            row.ICAO = code;
            row.Name = csv.field(name);
            airport.city = csv.field(municipality).simplified();
            row.COORDINATES = coordinatesText(*latitude, *longitude);
            // Stored as the airport dialog derives them from the text: unsigned.
            row.WGS_DLAT = degreesFromText(latitudeText(*latitude));
            row.WGS_DLONG = degreesFromText(longitudeText(*longitude));
            row.ELEV = extract::number(csv.field(elevation));
            if (row.ELEV && !extract::isPossibleElevation(*row.ELEV)) {
                row.ELEV.reset();
                ++report_.elevationsOutOfRange;
            }
            const double heightMetres = row.ELEV ? Length::feet(*row.ELEV).inMetres() : 0.0;
            airport.declination = model_.declination(*latitude, *longitude, heightMetres, date_);
            if (airport.declination) row.MAG_VAR = std::round(*airport.declination) + 0.0;  // no "-0"
            row.Type = extract::airportType({csv.field(type), csv.field(scheduled)});
            row.RwyALen = 0;
            row.RwyGLen = 0;
            row.Date = day_;
            row.Time = QString::fromLatin1(kMidnight);
            // LastDate stays empty, as the import leaves it: no change of the user's yet.
            report_.textsFitted += exchange::fitToColumns(row);
            if (const QString code3 = csv.field(iata).toUpper(); !code3.isEmpty()) iataCodes_.push_back({code3, code});
            index_.insert(code, int(pending_.size()));
            pending_.push_back(std::move(airport));
        }
        return csv.error();
    }

    QString runways() {
        CsvFile file(source("runways.csv"));
        if (QString e = file.open({"icao", "length_ft", "width_ft", "surface", "le_ident", "le_heading_degT",
                                   "he_ident", "he_heading_degT"});
            !e.isEmpty())
            return e;
        CsvReader &csv = file.reader();
        const int icao = csv.column("icao"), length = csv.column("length_ft"), width = csv.column("width_ft");
        const int surface = csv.column("surface");
        const int leIdent = csv.column("le_ident"), leHeading = csv.column("le_heading_degT");
        const int heIdent = csv.column("he_ident"), heHeading = csv.column("he_heading_degT");
        while (csv.next()) {
            const auto found = index_.constFind(csv.field(icao).toUpper());
            if (found == index_.constEnd()) {
                ++report_.runwaysWithoutAirport;
                continue;
            }
            PendingAirport &airport = pending_[size_t(*found)];
            extract::RunwayConversion runway = extract::convertRunway(
                {csv.field(length), csv.field(width), csv.field(surface), csv.field(leIdent), csv.field(leHeading),
                 csv.field(heIdent), csv.field(heHeading)},
                airport.declination);
            if (runway.skip == extract::RunwaySkip::Helipad) {
                ++report_.helipads;
                continue;
            }
            if (runway.skip == extract::RunwaySkip::Length) {
                ++report_.runwaysWithoutLength;
                continue;
            }
            if (runway.skip == extract::RunwaySkip::Designator) {
                ++report_.runwaysWithoutDesignator;
                continue;
            }
            if (runway.skip == extract::RunwaySkip::OutOfRange) {
                ++report_.runwaysOutOfRange;
                continue;
            }
            RwyRow &row = runway.row;
            row.ICAO = airport.row.ICAO;
            row.Date = day_;
            row.Time = QString::fromLatin1(kMidnight);
            if (repeatedAfterFitting(row)) continue;
            std::optional<int> &longest = *row.SURFACE == 0 ? airport.row.RwyALen : airport.row.RwyGLen;
            longest = std::max(*longest, *row.Length);
            runways_.push_back(std::move(row));
        }
        return csv.error();
    }

    // Fits the row's texts to their columns and tells whether the airport has
    // the row already; both counted as the import counts them.
    template <typename Row>
    bool repeatedAfterFitting(Row &row) {
        report_.textsFitted += exchange::fitToColumns(row);
        if (!rows_.seen(row)) return false;
        ++report_.duplicateRows;
        return true;
    }

    QString writeAirports() {
        for (const PendingAirport &airport : pending_) {
            if (QString e = written(store_.edits.insertAirport(airport.row)); !e.isEmpty()) return e;
            if (airport.city.isEmpty()) continue;
            const QString &code = airport.row.ICAO;
            if (QString e = written(addSearchNames(store_.database(), code, NameSource::City, {airport.city}));
                !e.isEmpty())
                return e;
            ++report_.cities;
        }
        report_.airports = int(pending_.size());
        for (const RwyRow &row : runways_)
            if (QString e = written(store_.edits.insertRunway(row)); !e.isEmpty()) return e;
        report_.runways = int(runways_.size());
        for (const AirportCodeRow &row : iataCodes_)
            if (QString e = written(store_.edits.insertAirportCode(row)); !e.isEmpty()) return e;
        report_.iataCodes = int(iataCodes_.size());
        return {};
    }

    // Other names people call an airport by, several in one field, comma-separated.
    QString otherNames() {
        CsvFile file(source("keywords.csv"));
        if (QString e = file.open({"icao", "keywords"}); !e.isEmpty()) return e;
        CsvReader &csv = file.reader();
        const int icao = csv.column("icao"), keywords = csv.column("keywords");
        while (csv.next()) {
            const auto found = index_.constFind(csv.field(icao).toUpper());
            if (found == index_.constEnd()) continue;
            QStringList names = csv.field(keywords).split(u',', Qt::SkipEmptyParts);
            for (QString &n : names) n = n.simplified();
            names.removeAll(QString());
            names.removeDuplicates();
            const QString &code = pending_[size_t(*found)].row.ICAO;
            if (QString e = written(addSearchNames(store_.database(), code, NameSource::OtherName, names));
                !e.isEmpty())
                return e;
            report_.otherNames += int(names.size());
        }
        return csv.error();
    }

    QString frequencies() {
        CsvFile file(source("frequencies.csv"));
        if (QString e = file.open({"icao", "type", "description", "frequency_mhz"}); !e.isEmpty()) return e;
        CsvReader &csv = file.reader();
        const int icao = csv.column("icao"), type = csv.column("type"), description = csv.column("description");
        const int megahertz = csv.column("frequency_mhz");
        while (csv.next()) {
            const auto found = index_.constFind(csv.field(icao).toUpper());
            if (found == index_.constEnd()) {
                ++report_.frequenciesWithoutAirport;
                continue;
            }
            extract::FrequencyConversion frequency =
                extract::convertFrequency(csv.field(type), csv.field(description), csv.field(megahertz));
            if (frequency.skip != extract::FrequencySkip::None) {
                ++(frequency.skip == extract::FrequencySkip::NoValue ? report_.frequenciesWithoutValue
                                                                     : report_.frequenciesOutOfRange);
                continue;
            }
            AcomRow &row = frequency.row;
            row.ICAO = pending_[size_t(*found)].row.ICAO;
            row.Date = day_;
            row.Time = QString::fromLatin1(kMidnight);
            if (repeatedAfterFitting(row)) continue;
            if (QString e = written(store_.edits.insertFrequency(row)); !e.isEmpty()) return e;
            ++report_.frequencies;
        }
        return csv.error();
    }

    QString categoriesAndVersion() {
        for (const QString &category : {QStringLiteral("Allgemein"), QStringLiteral("Kontakt"),
                                         QStringLiteral("Tanken"), QStringLiteral("Gebühren")})
            if (QString e = written(store_.notes.insertCategory(category)); !e.isEmpty()) return e;
        return written(
            store_.edits.setVersion({date_.toString(QStringLiteral("dd.MM.yyyy")), options_.programVersion}));
    }

    const BuildOptions &options_;
    const QDate date_;
    const MagneticVariation &model_;
    AirportStore &store_;
    BuildReport &report_;
    const QString day_;
    std::vector<PendingAirport> pending_;
    QHash<QString, int> index_;  // ICAO code -> position in pending_
    std::vector<RwyRow> runways_;
    std::vector<AirportCodeRow> iataCodes_;
    exchange::DuplicateRows rows_;
};

// The data date from the options, else from the file DATA-DATE of the extract.
QString readDataDate(const BuildOptions &options, QDate &date) {
    QString text = options.dataDate.trimmed();
    QString origin = QStringLiteral("Das Datendatum");
    if (text.isEmpty()) {
        const QString path = QDir(options.sourceDir).filePath(QStringLiteral("DATA-DATE"));
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return QStringLiteral("Das Datendatum fehlt: Die Datei %1 kann nicht gelesen werden.")
                .arg(QDir::toNativeSeparators(path));
        text = QString::fromUtf8(file.read(64)).trimmed();
        origin = QStringLiteral("Das Datum in %1").arg(QDir::toNativeSeparators(path));
    }
    date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid()) return QStringLiteral("%1 »%2« ist kein Datum der Form JJJJ-MM-TT.").arg(origin, text);
    return MagneticVariation::checkDate(date).error();
}

// Writes the whole database into the given (new, empty) file.
QString writeDatabase(const QString &path, const BuildOptions &options, const QDate &date,
                      const MagneticVariation &model, BuildReport &report) {
    Database db;
    if (platform::Result<> opened = db.open(path, Database::Mode::Create); !opened) return opened.error();
    // No journal file beside the temporary one; a failed build discards the file anyway.
    if (platform::Result<> journal = db.exec("PRAGMA journal_mode = MEMORY;"); !journal) return journal.error();
    const DataDateClock clock(date);
    AirportStore store(db, clock);
    Transaction transaction(db);
    if (!transaction.started()) return QStringLiteral("Die Transaktion konnte nicht begonnen werden.");
    if (QString e = Builder(options, date, model, store, report).run(); !e.isEmpty()) return e;
    return transaction.commit().error();
}

}  // namespace

BuildReport buildDatabase(const BuildOptions &options) {
    BuildReport report;
    QDate date;
    if (report.error = readDataDate(options, date); !report.error.isEmpty()) return report;
    report.dataDate = date.toString(QStringLiteral("yyyy-MM-dd"));
    const MagneticVariation model(options.wmmDir);
    if (report.error = model.error(); !report.error.isEmpty()) return report;

    const QFileInfo out(options.outFile);
    if (!out.absoluteDir().exists()) {
        report.error = QStringLiteral("Der Zielordner %1 existiert nicht.")
                           .arg(QDir::toNativeSeparators(out.absolutePath()));
        return report;
    }
    // Built under a temporary name beside the target and renamed over it at the
    // end, so that a failed build leaves the old file as it was and no half file.
    QTemporaryFile partial(out.absoluteDir().filePath(out.fileName() + QStringLiteral(".XXXXXX.tmp")));
    if (!partial.open()) {
        report.error = QStringLiteral("Die Datei %1 kann nicht angelegt werden: %2")
                           .arg(QDir::toNativeSeparators(partial.fileTemplate()), platform::systemErrorText(errno));
        return report;
    }
    partial.close();
    const QString partialPath = partial.fileName();

    BuildReport counts;
    counts.dataDate = report.dataDate;
    if (QString e = writeDatabase(partialPath, options, date, model, counts); !e.isEmpty()) {
        report.error = e;
        return report;
    }
    partial.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    std::error_code failure;
    std::filesystem::rename(QFile::encodeName(partialPath).toStdString(),
                            QFile::encodeName(out.absoluteFilePath()).toStdString(), failure);
    if (failure) {
        report.error = QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2")
                           .arg(QDir::toNativeSeparators(out.absoluteFilePath()),
                                QString::fromStdString(failure.message()));
        return report;
    }
    partial.setAutoRemove(false);
    return counts;
}

}  // namespace volmira::store::shipped
