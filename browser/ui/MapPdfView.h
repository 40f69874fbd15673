#pragma once

#include "platform/Result.h"

#include <QFile>
#include <QPdfView>

#include <memory>

class QPdfDocument;

namespace volmira::browser {

// acroMap: every page of a PDF chart one below the other, fitted to the width;
// Ctrl with the wheel zooms, the wheel alone scrolls.
class MapPdfView : public QPdfView {
    Q_OBJECT

public:
    explicit MapPdfView(QWidget *parent = nullptr);
    ~MapPdfView() override;

    // Loads the file, fitted to the width again; the failure names the reason in German.
    [[nodiscard]] platform::Result<> load(const QString &path);
    // Closes the document shown.
    void clear();
    [[nodiscard]] int pageCount() const;

protected:
    void wheelEvent(QWheelEvent *event) override;

private:
    QPdfDocument *document_ = nullptr;
    std::unique_ptr<QFile> file_;  // the document reads from it while it is shown
};

}  // namespace volmira::browser
