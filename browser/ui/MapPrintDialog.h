#pragma once

#include "browser/MapPrintLayout.h"

#include <QDialog>

class QComboBox;

namespace volmira::browser {

// "Karte drucken": where the chart goes (printer or PDF file), the paper, the
// page's orientation, and for a picture the visible part or the whole page.
class MapPrintDialog : public QDialog {
    Q_OBJECT

public:
    MapPrintDialog(bool picture, QWidget *parent = nullptr);

    [[nodiscard]] bool toPdfFile() const;
    [[nodiscard]] Paper paper() const;
    [[nodiscard]] PrintOrientation orientation() const;
    [[nodiscard]] bool wholePage() const;

private:
    QComboBox *cboPrintTarget = nullptr;
    QComboBox *cboPaper = nullptr;
    QComboBox *cboOrientation = nullptr;
    QComboBox *cboPart = nullptr;
};

}  // namespace volmira::browser
