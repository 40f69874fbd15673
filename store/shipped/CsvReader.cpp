#include "store/shipped/CsvReader.h"

#include "platform/SystemError.h"

#include <cerrno>

#include <QIODevice>

namespace volmira::store::shipped {

namespace {

// Bounds the memory a damaged file (an opening quote that is never closed)
// can claim; real records are a few hundred bytes.
constexpr qsizetype kMaxRecordBytes = 1 << 20;

constexpr char kBom[] = "\xEF\xBB\xBF";

}  // namespace

CsvReader::CsvReader(QIODevice &device, QString fileName) : device_(device), fileName_(std::move(fileName)) {}

QString CsvReader::fault(const QString &text) const {
    return QStringLiteral("Datei %1, Zeile %2: %3").arg(fileName_).arg(recordLine_).arg(text);
}

platform::Result<> CsvReader::readHeader(std::initializer_list<const char *> required) {
    if (!readRecord()) {
        if (error_.isEmpty()) error_ = QStringLiteral("Die Datei %1 ist leer.").arg(fileName_);
        return platform::Failure{error_};
    }
    header_ = std::move(fields_);
    for (QByteArray &name : header_) name = name.trimmed();
    for (const char *name : required) {
        if (column(name) < 0) {
            error_ = QStringLiteral("Datei %1: Die Spalte »%2« fehlt in der Kopfzeile.")
                         .arg(fileName_, QString::fromUtf8(name));
            return platform::Failure{error_};
        }
    }
    return {};
}

int CsvReader::column(const char *name) const {
    for (size_t i = 0; i < header_.size(); ++i)
        if (header_[i] == name) return int(i);
    return -1;
}

bool CsvReader::next() {
    if (!error_.isEmpty() || !readRecord()) return false;
    if (fields_.size() != header_.size()) {
        error_ = fault(QStringLiteral("%1 Felder statt %2.").arg(fields_.size()).arg(header_.size()));
        return false;
    }
    return true;
}

QString CsvReader::field(int column) const {
    if (column < 0 || size_t(column) >= fields_.size()) return {};
    return QString::fromUtf8(fields_[size_t(column)]).trimmed();
}

// One physical line without its line break; false at the end of the file.
bool CsvReader::readLine(QByteArray &line) {
    if (device_.atEnd()) return false;
    line = device_.readLine(kMaxRecordBytes + 1);
    if (line.isEmpty() && !device_.atEnd()) {
        error_ = QStringLiteral("Datei %1, Zeile %2: %3").arg(fileName_).arg(nextLine_).arg(platform::systemErrorText(errno));
        return false;
    }
    if (line.endsWith('\n')) {
        line.chop(1);
    } else if (!device_.atEnd()) {
        error_ = QStringLiteral("Datei %1, Zeile %2: Die Zeile ist länger als 1 MB.").arg(fileName_).arg(nextLine_);
        return false;
    }
    if (line.endsWith('\r')) line.chop(1);
    if (nextLine_ == 1 && line.startsWith(kBom)) line.remove(0, 3);
    ++nextLine_;
    return true;
}

bool CsvReader::readRecord() {
    fields_.clear();
    QByteArray line;
    // Blank lines between records carry nothing and are passed over.
    do {
        if (!readLine(line)) return false;
    } while (line.isEmpty());
    recordLine_ = nextLine_ - 1;

    enum class State { FieldStart, Plain, Quoted, QuoteInQuoted };
    State state = State::FieldStart;
    QByteArray current;
    qsizetype recordBytes = 0;
    for (;;) {
        const int physicalLine = nextLine_ - 1;
        auto failHere = [&](const QString &text) {
            error_ = QStringLiteral("Datei %1, Zeile %2: %3").arg(fileName_).arg(physicalLine).arg(text);
            return false;
        };
        for (const char c : line) {
            switch (state) {
            case State::FieldStart:
                if (c == '"') {
                    state = State::Quoted;
                    break;
                }
                state = State::Plain;
                [[fallthrough]];
            case State::Plain:
                if (c == ',') {
                    fields_.push_back(std::move(current));
                    current.clear();
                    state = State::FieldStart;
                } else if (c == '"') {
                    return failHere(QStringLiteral("Anführungszeichen mitten in einem Feld ohne Anführungszeichen."));
                } else {
                    current += c;
                }
                break;
            case State::Quoted:
                if (c == '"')
                    state = State::QuoteInQuoted;
                else
                    current += c;
                break;
            case State::QuoteInQuoted:
                if (c == '"') {
                    current += '"';
                    state = State::Quoted;
                } else if (c == ',') {
                    fields_.push_back(std::move(current));
                    current.clear();
                    state = State::FieldStart;
                } else {
                    return failHere(QStringLiteral("Zeichen nach dem schließenden Anführungszeichen."));
                }
                break;
            }
        }
        if (state != State::Quoted) break;
        // A line break inside quotes belongs to the field; the record goes on.
        recordBytes += line.size() + 1;
        current += '\n';
        if (!readLine(line)) {
            if (error_.isEmpty())
                error_ = fault(QStringLiteral("Das Anführungszeichen wird bis zum Dateiende nicht geschlossen."));
            return false;
        }
        if (recordBytes + line.size() > kMaxRecordBytes) {
            error_ = fault(QStringLiteral("Der Datensatz ist länger als 1 MB."));
            return false;
        }
    }
    fields_.push_back(std::move(current));
    return true;
}

}  // namespace volmira::store::shipped
