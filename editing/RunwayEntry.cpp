#include "editing/RunwayEntry.h"

#include "editing/NumberText.h"
#include "store/RunwayText.h"

#include <algorithm>
#include <cmath>

namespace volmira::editing {

namespace {

const QString kDesignatorMessage = QStringLiteral(
    "Fehler bei der Dateneingabe - Nur die ersten zwei Ziffern der Landebahn eingeben. Zusätzliche erlaubte "
    "Ergänzungen sind R, L oder C. (Beispiel - 18R, 29)");
const QString kSuffixMessage = QStringLiteral(
    "Fehlerbei der Landebahn Dateneingabe - Bitte nur R, L oder C für die Landebahnbezeichnung verwenden.");
const QString kHeadingMessage =
    QStringLiteral("Fehler bei Dateneingabe - RWY Heading.(Eingabebeispiel, 182, 020, 005)");
const QString kLengthMessage = QStringLiteral("Datenfehler bei Landebahnlänge - Bitte Daten überprüfen");
const QString kWidthMessage = QStringLiteral("Datenfehler bei Landebahnbreite - Bitte Daten überprüfen");

EntryFailure failure(const QString &text, RunwayBox box) { return {text, kDataErrorTitle.toString(), box}; }

// Whole metres from a typed length or width of 1..99999.
std::optional<int> metres(const QString &text) {
    const std::optional<double> value = readNumber(text);
    if (!value || *value < 1 || *value > kMaxRunwayMetres) return std::nullopt;
    return int(std::lround(*value));
}

QString orEmpty(std::optional<int> value) { return value ? QString::number(*value) : QString(); }

}  // namespace

Checked<RunwayEntry> checkRunway(const RunwayTexts &texts) {
    store::DesignatorFault fault = store::DesignatorFault::None;
    const std::optional<store::RunwayEnds> ends = store::runwayEnds(texts.tRwy[kDesignatorBox], &fault);
    if (!ends)
        return failure(fault == store::DesignatorFault::Suffix ? kSuffixMessage : kDesignatorMessage, kDesignatorBox);
    const std::optional<QString> headings = store::runwayHeadings(texts.tRwy[kHeadingBox]);
    if (!headings) return failure(kHeadingMessage, kHeadingBox);
    const std::optional<int> length = metres(texts.tRwy[kLengthBox]);
    if (!length) return failure(kLengthMessage, kLengthBox);
    const std::optional<int> width = metres(texts.tRwy[kWidthBox]);
    if (!width) return failure(kWidthMessage, kWidthBox);
    return RunwayEntry{ends->RWY, *headings, ends->RwyLow, ends->RwyHigh, *length, *width, texts.tRwy[kSlopeBox],
                       texts.optGras ? 1 : 0};
}

std::optional<QString> runwayPreview(RunwayBox box, const QString &text) {
    switch (box) {
    case kDesignatorBox:
        if (const std::optional<store::RunwayEnds> ends = store::runwayEnds(text)) return ends->RWY;
        return std::nullopt;
    case kHeadingBox:
        return store::runwayHeadings(text);
    case kSlopeBox:
        return text;
    case kLengthBox:
    case kWidthBox:
        if (const std::optional<double> value = readNumber(text)) return hashFormat(*value);
        return std::nullopt;
    }
    return std::nullopt;
}

RunwayTexts runwayTexts(const store::RwyRow &row) {
    RunwayTexts texts;
    texts.tRwy = {row.RwyLow, row.RWYHDG.left(3), row.SLOPE, orEmpty(row.Length), orEmpty(row.Width)};
    texts.tVorschau = {row.RWY, row.RWYHDG, row.SLOPE, orEmpty(row.Length), orEmpty(row.Width)};
    texts.optGras = row.SURFACE != 0;
    return texts;
}

RunwayLengths runwayLengths(const std::vector<store::RwyRow> &rows) {
    RunwayLengths lengths;
    for (const store::RwyRow &row : rows) {
        if (!row.Length) continue;
        int &longest = row.SURFACE == 0 ? lengths.RwyALen : lengths.RwyGLen;
        longest = std::max(longest, *row.Length);
    }
    return lengths;
}

}  // namespace volmira::editing
