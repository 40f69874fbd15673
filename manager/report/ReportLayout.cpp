#include "manager/report/ReportLayout.h"

#include "manager/report/ReportText.h"
#include "platform/OnlineConfig.h"

#include <algorithm>
#include <cmath>

namespace volmira::manager {

using namespace geometry;

double ReportPaper::scale() const {
    return std::min({1.0, double(width - left - right) / kPageWidth, double(height - top - bottom) / kLowestPage});
}

int ReportPaper::listHeight() const { return int(std::floor((height - top - bottom) / scale())); }

QString ReportItem::text() const {
    QStringList texts;
    for (const ReportLine &line : lines) texts.append(line.text);
    return texts.join(u'\n');
}

namespace {

// Items laid out from y 0 and the height they take.
struct Section {
    std::vector<ReportItem> items;
    int height = 0;
};

// A runway line before it is placed: its one-line fields and the lines of its
// contact text, which may be spread over pages.
struct Row {
    std::vector<ReportItem> fields;
    QStringList contact;
    geometry::ReportFont contactFont = kPlain;
    int airport = 0;
    int row = 0;
};

// Space a detail keeps below its boxes.
constexpr int kDetailPadding = kDetailHeight - kBoxHeight;

class Layouter {
public:
    Layouter(ContactText contacts, ReportPaper paper)
        : contacts_(contacts), paper_(paper), footerTop_(pageFooterTop(paper.listHeight())),
          bodyHeight_(footerTop_ - kBodyTop) {
        lineSpacing_ = fonts_.metrics(kPlain).lineSpacing();
    }

    ReportPages run(const std::vector<ReportAirport> &airports) {
        newPage();
        for (std::size_t i = 0; i < airports.size(); ++i) placeBlock(airports[i], int(i));
        addFooters();
        return std::move(pages_);
    }

private:
    ReportItem textItem(const Control &c, int top, const QStringList &lines, ReportFont font, int airport,
                        int row) {
        const QFontMetricsF &metrics = fonts_.metrics(font);
        ReportItem item;
        item.name = c.name.toString();
        item.font = font;
        item.centred = c.centred;
        item.airport = airport;
        item.row = row;
        const int textHeight = int(std::ceil(double(lines.size()) * metrics.lineSpacing()));
        item.box = {kMarginLeft + c.x, top + c.y, c.width, std::max(c.height, textHeight)};
        item.lines.reserve(std::size_t(lines.size()));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const double indent = c.centred ? (c.width - metrics.horizontalAdvance(lines[i])) / 2 : 0.0;
            const double baseline = item.box.y + metrics.ascent() + double(i) * metrics.lineSpacing();
            item.lines.push_back({lines[i], item.box.x + indent, baseline});
        }
        return item;
    }

    ReportItem field(const Control &c, int top, const QString &value, int airport = -1, int row = -1) {
        const FittedLine fitted = fitLine(value, c.width, c.font, fonts_);
        return textItem(c, top, {fitted.text}, fitted.font, airport, row);
    }

    ReportItem caption(const Control &c, int top) { return field(c, top, c.caption.toString()); }

    static ReportItem line(QStringView name, int x1, int y1, int x2, int y2, int airport) {
        ReportItem item;
        item.kind = ReportItem::Kind::Line;
        item.name = name.toString();
        item.box = {kMarginLeft + x1, y1, x2 - x1, y2 - y1};
        item.airport = airport;
        return item;
    }

    // The frequencies wrapped; so many lines that the header and one runway
    // line would not fit a page are cut, the last ending in "…".
    QStringList headerLines(const QString &frequencies) {
        QStringList lines = wrapText(frequencies, kFrequenzen.width, fonts_.font(kFrequenzen.font));
        const int room = bodyHeight_ - kDetailHeight - (kGroupHeaderHeight - kCaptionRowTop) - kFrequenzen.y;
        const auto most = qsizetype(room / lineSpacing_);
        if (lines.size() <= most) return lines;
        lines.resize(most);
        lines.back() = cutWithEllipsis(lines.back(), kFrequenzen.width, fonts_.metrics(kFrequenzen.font));
        return lines;
    }

    Section header(const ReportAirport &a, int airport) {
        Section s;
        s.items.push_back(line(u"Line1", kLine1Left, 0, kLine1Right, 0, airport));
        for (const auto &[c, value] : {std::pair{&kICAO, &a.ICAO}, {&kName, &a.Name}, {&kVar, &a.Var},
                                      {&kAType, &a.aType}, {&kELEV, &a.ELEV}, {&kCoord, &a.Coord}, {&kPR, &a.PR}})
            s.items.push_back(field(*c, 0, *value, airport));
        // The frequencies wrap; lines beyond the caption row push it down.
        const QStringList frequencies = headerLines(a.Frequenzen);
        s.items.push_back(textItem(kFrequenzen, 0, frequencies, kFrequenzen.font, airport, -1));
        const int below = kFrequenzen.y + int(std::ceil(double(frequencies.size()) * lineSpacing_));
        const int extra = std::max(0, below - kCaptionRowTop);
        for (const Control &c : kHeaderCaptions) {
            s.items.push_back(caption(c, c.y >= kCaptionRowTop ? extra : 0));
            s.items.back().airport = airport;
        }
        s.items.push_back(line(u"Line3", kLine3X, kLine3Top, kLine3X, kLine3Bottom + extra, airport));
        s.height = kGroupHeaderHeight + extra;
        return s;
    }

    Row row(const ReportRunway &r, int airport, int index) {
        Row out;
        out.airport = airport;
        out.row = index;
        for (const auto &[c, value] : {std::pair{&kRWY, &r.RWY}, {&kLength, &r.Length}, {&kWidth, &r.Width},
                                      {&kSurface, &r.Type}, {&kILS, &r.ILS}, {&kOM, &r.OM}})
            out.fields.push_back(field(*c, 0, *value, airport, index));
        if (r.Kontakt.isEmpty()) return out;
        if (contacts_ == ContactText::Short) {
            const FittedLine fitted = fitLine(firstLine(r.Kontakt), kKontakt.width, kKontakt.font, fonts_);
            out.contact = {fitted.text};
            out.contactFont = fitted.font;
        } else {
            out.contact = wrapText(r.Kontakt, kKontakt.width, fonts_.font(kKontakt.font));
        }
        return out;
    }

    int pieceHeight(qsizetype lines) const {
        return std::max(kDetailHeight, int(std::ceil(double(lines) * lineSpacing_)) + kDetailPadding);
    }
    int rowHeight(const Row &r) const { return pieceHeight(r.contact.size()); }

    // How many lines of a contact text a piece of a runway line may hold in `space`.
    qsizetype linesFitting(int space) const {
        if (space < kDetailHeight) return 0;
        return std::max<qsizetype>(1, qsizetype(std::floor((space - kDetailPadding) / lineSpacing_)));
    }

    // The runway line's fields (on its first piece) and `count` lines of its contact text.
    Section piece(const Row &r, qsizetype first, qsizetype count, bool withFields) {
        Section s;
        if (withFields) s.items = r.fields;
        if (count > 0)
            s.items.push_back(textItem(kKontakt, 0, r.contact.mid(first, count), r.contactFont, r.airport, r.row));
        s.height = pieceHeight(count);
        return s;
    }

    int remaining() const { return footerTop_ - y_; }

    void place(Section &&s) {
        for (ReportItem &item : s.items) {
            item.box.y += y_;
            for (ReportLine &l : item.lines) l.baseline += y_;
            pages_.back().items.push_back(std::move(item));
        }
        y_ += s.height;
    }

    void newPage() {
        pages_.push_back({{}, paper_});
        pages_.back().items.push_back(caption(kLabel8, kMarginTop));
        pages_.back().items.push_back(field(kLabel9, kMarginTop, platform::online::webAddress()));
        y_ = kBodyTop;
    }

    // A runway line moves to the next page when it fits there whole; a taller
    // one, or the first of a block that must not leave its header alone, goes
    // on line by line.
    void placeRow(const Row &r, bool stayOnPage) {
        const qsizetype total = r.contact.size();
        const int height = rowHeight(r);
        if (height <= remaining()) return place(piece(r, 0, total, true));
        if (height <= bodyHeight_ && !stayOnPage) {
            newPage();
            return place(piece(r, 0, total, true));
        }
        qsizetype first = 0;
        bool withFields = true;
        while (first < total) {
            const qsizetype fitting = linesFitting(remaining());
            if (fitting == 0) {
                newPage();
                continue;
            }
            const qsizetype count = std::min(fitting, total - first);
            place(piece(r, first, count, withFields));
            first += count;
            withFields = false;
        }
    }

    void placeBlock(const ReportAirport &a, int airport) {
        Section head = header(a, airport);
        std::vector<Row> rows;
        int total = head.height;
        for (std::size_t i = 0; i < a.cmdGroup.size(); ++i) {
            rows.push_back(row(a.cmdGroup[i], airport, int(i)));
            total += rowHeight(rows.back());
        }
        // A block that fits a page is kept together; a taller one starts here
        // when its header and the first piece of its first line still fit.
        if (total > remaining() && (total <= bodyHeight_ || head.height + kDetailHeight > remaining())) newPage();
        place(std::move(head));
        for (std::size_t i = 0; i < rows.size(); ++i) placeRow(rows[i], i == 0);
    }

    void addFooters() {
        const int count = int(pages_.size());
        for (int i = 0; i < count; ++i)
            pages_[std::size_t(i)].items.push_back(
                field(kPage, footerTop_, QStringLiteral("Seite  %1 von %2").arg(i + 1).arg(count)));
    }

    ContactText contacts_;
    ReportPaper paper_;
    int footerTop_;
    int bodyHeight_;
    ReportFonts fonts_;
    double lineSpacing_ = 0;
    ReportPages pages_;
    int y_ = kBodyTop;
};

}  // namespace

ReportPages layoutReport(const std::vector<ReportAirport> &airports, ContactText contacts, ReportPaper paper) {
    return Layouter(contacts, paper).run(airports);
}

}  // namespace volmira::manager
