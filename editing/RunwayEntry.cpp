#include "editing/RunwayEntry.h"

#include "platform/NumberText.h"
#include "store/RunwayText.h"

#include <algorithm>
#include <cmath>

namespace volmira::editing {

using platform::hashFormat;
using platform::readNumber;

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

EntryFailure failure(const QString &text, RunwayBox box, bool noNumber = false) {
    return {text, kDataErrorTitle.toString(), box, noNumber};
}

// Whole metres from a typed length or width of 1..99999, or the box's refusal.
std::variant<int, EntryFailure> metres(const QString &text, const QString &message, RunwayBox box) {
    const std::optional<double> value = readNumber(text);
    if (!value) return failure(message, box, true);
    if (*value < 1 || *value > kMaxRunwayMetres) return failure(message, box);
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
    const std::variant<int, EntryFailure> length = metres(texts.tRwy[kLengthBox], kLengthMessage, kLengthBox);
    if (const auto *refused = std::get_if<EntryFailure>(&length)) return *refused;
    const std::variant<int, EntryFailure> width = metres(texts.tRwy[kWidthBox], kWidthMessage, kWidthBox);
    if (const auto *refused = std::get_if<EntryFailure>(&width)) return *refused;
    return RunwayEntry{ends->RWY,         *headings, ends->RwyLow, ends->RwyHigh, std::get<int>(length),
                       std::get<int>(width), texts.tRwy[kSlopeBox], texts.optGras ? 1 : 0};
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
