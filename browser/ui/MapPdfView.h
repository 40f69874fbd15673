#pragma once

#include "platform/Result.h"

#include <QFile>
#include <QPdfView>

#include <memory>

class QPdfDocument;

namespace volmira::browser {

// Where a PDF chart is left: its page, its zoom (0: fitted to the width) and
// the scroll position within the page.
struct PdfPlace {
    int page = 0;
    double zoom = 0;
    int x = 0, y = 0;
    friend bool operator==(const PdfPlace &, const PdfPlace &) = default;
};

// acroMap: one page of a PDF chart at a time; the wheel scrolls, Ctrl with the
// wheel zooms around the point under the mouse, the page keys turn the page at
// its top or bottom edge. In the night view the painted page has its lightness
// turned over, as the picture has.
class MapPdfView : public QPdfView {
    Q_OBJECT

public:
    explicit MapPdfView(QWidget *parent = nullptr);
    ~MapPdfView() override;

    // Loads the file, fitted to the width on its first page; the failure names the reason in German.
    [[nodiscard]] platform::Result<> load(const QString &path);
    // Closes the document shown.
    void clear();
    [[nodiscard]] int pageCount() const;

    [[nodiscard]] PdfPlace place() const;
    // Back to a place stored; a page past the document's end is its last.
    void restore(const PdfPlace &place);
    void showPage(int page);
    [[nodiscard]] int currentPage() const;

    // The map page's keys and buttons.
    void zoomBy(int steps);
    void fitPage();
    void fitWidth();
    // Nearly a view's height down (or up); at the page's bottom (top) edge the next (previous) page's top (bottom).
    void pageStep(bool down);
    void scrollStep(int dx, int dy);
    void toStart();
    void toEnd();
    void setNight(bool night);

signals:
    // The user moved to another page, zoom or scroll position.
    void placeChanged();

protected:
    void wheelEvent(QWheelEvent *event) override;

private:
    void zoomAround(double factor, QPointF at);
    // The zoom the page is shown at, also while it is fitted.
    [[nodiscard]] double shownZoom() const;

    QPdfDocument *document_ = nullptr;
    std::unique_ptr<QFile> file_;  // the document reads from it while it is shown
};

}  // namespace volmira::browser
