// Building the controls of the database manager. Positions and sizes are kept
// in twips, in a content frame of 15180 x 8130 that the window centres.
#include "manager/ui/frmDatabase.h"
#include "platform/ui/Widgets.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>

namespace volmira::manager {

using platform::label;
using platform::named;
using platform::setTwips;

namespace {

// The left column holds the countries, the right one everything else.
constexpr int kLeft = 120;
constexpr int kLeftWidth = 5160;
constexpr int kRight = 5460;
constexpr int kRightWidth = 9600;

void paintYellow(QTableView *grid) {
    QPalette palette = grid->palette();
    palette.setColor(QPalette::Base, QColor(255, 255, 128));
    grid->setPalette(palette);
}

QPushButton *button(QWidget *parent, const QString &name, const QString &caption) {
    auto *b = named<QPushButton>(parent, name);
    b->setText(caption);
    return b;
}

}  // namespace

void frmDatabase::buildCountryArea() {
    gridLand = named<QTableView>(content_, QStringLiteral("gridLand"));
    platform::setUpGrid(gridLand, rsLand);
    platform::setColumnWidths(gridLand, kCountryColumns);
    paintYellow(gridLand);
    setTwips(gridLand, kLeft, 120, kLeftWidth, 7500);
    lblTotal = label(content_, QStringLiteral("lblTotal"), QString());
    setTwips(lblTotal, kLeft, 7680, kLeftWidth, 300);
}

void frmDatabase::buildFilterArea() {
    frmAuswahl = named<QGroupBox>(content_, QStringLiteral("frmAuswahl"));
    frmAuswahl->setTitle(QStringLiteral("Flugplatz Filter"));
    setTwips(frmAuswahl, kRight, 300, kRightWidth, 1200);
    // The surface boxes, the type boxes and the length each in a column.
    const std::array<QString, 4> captions{QStringLiteral("Asphaltbahn"), QStringLiteral("Grasbahn"),
                                          QStringLiteral("Verkehrslandeplatz"), QStringLiteral("Sonderlandeplatz")};
    for (int i = 0; i < 4; ++i) {
        QCheckBox *&box = i < 2 ? chkSurf[i] : chkType[i - 2];
        box = named<QCheckBox>(frmAuswahl, QStringLiteral("%1(%2)").arg(i < 2 ? "chkSurf" : "chkType").arg(i % 2));
        box->setText(captions[i]);
        box->setChecked(true);
        setTwips(box, i < 2 ? 240 : 2700, 360 + (i % 2) * 390, i < 2 ? 2200 : 2800, 330);
        // Clicked only by the user: the settings file sets the boxes without a rebuild.
        connect(box, &QCheckBox::clicked, this, [this, box] {
            box->setTristate(false);
            ShowAptList();
        });
    }
    Label2 = label(frmAuswahl, QStringLiteral("Label2"), QStringLiteral("Bahnlänge größer als"));
    setTwips(Label2, 5900, 390, 2300, 300);
    tLength = named<QLineEdit>(frmAuswahl, QStringLiteral("tLength"));
    tLength->setText(QStringLiteral("0"));
    setTwips(tLength, 8200, 330, 1200, 375);
    connect(tLength, &QLineEdit::returnPressed, this, &frmDatabase::ShowAptList);
    tLength->installEventFilter(this);

    // Over the frame's own caption, which its trailing blanks cover.
    Label8 = label(content_, QStringLiteral("Label8"), QStringLiteral("Flugplatz Filter       "));
    platform::setFontSize(Label8, 10, true);
    Label8->setAutoFillBackground(true);
    setTwips(Label8, kRight, 240, 2400, 300);
    Label8->raise();
}

void frmDatabase::buildAirportArea() {
    gridApt = named<QTableView>(content_, QStringLiteral("gridApt"));
    platform::setUpGrid(gridApt, rsApt);
    platform::setColumnWidths(gridApt, kAirportColumns);
    paintYellow(gridApt);
    setTwips(gridApt, kRight, 1620, kRightWidth, 3360);
    connect(gridApt, &QTableView::doubleClicked, this, &frmDatabase::gridAptDoubleClicked);
    lblAptCount = label(content_, QStringLiteral("lblAptCount"), QString());
    setTwips(lblAptCount, kRight, 5040, 1800, 300);
    // The printed list's option and command under the list they print, its progress beside them.
    chkShowAll = named<QCheckBox>(content_, QStringLiteral("chkShowAll"));
    chkShowAll->setText(QStringLiteral("Kurze Kontaktinfos"));
    chkShowAll->setChecked(true);
    setTwips(chkShowAll, kRight + 1900, 5010, 2200, 360);
    cmdPrint = button(content_, QStringLiteral("cmdPrint"), QStringLiteral("Flughafenliste drucken"));
    setTwips(cmdPrint, kRight + 4200, 4995, 2400, 390);
    connect(cmdPrint, &QPushButton::clicked, this, &frmDatabase::cmdPrint_Click);
    progbar = named<QProgressBar>(content_, QStringLiteral("progbar"));
    progbar->setTextVisible(false);
    setTwips(progbar, kRight + 6720, 5070, kRightWidth - 6720, 240);
    progbar->hide();
    // Holds the browser's code for the preselection; never shown.
    lblICAO = label(content_, QStringLiteral("lblICAO"), QString());
    lblICAO->hide();
}

void frmDatabase::buildExportArea() {
    lblNewApt = label(content_, QStringLiteral("lblNewApt"), QString());
    setTwips(lblNewApt, kRight, 5460, kRightWidth, 300);
    gridExport = named<QTableView>(content_, QStringLiteral("gridExport"));
    platform::setUpGrid(gridExport, rsExport);
    platform::setColumnWidths(gridExport, kAirportColumns);
    setTwips(gridExport, kRight, 5760, kRightWidth, 1740);

    cmdAdd = button(content_, QStringLiteral("cmdAdd"), QStringLiteral("Flugplatz hinzufügen"));
    cmdDelete = button(content_, QStringLiteral("cmdDelete"), QStringLiteral("Flugplatz löschen"));
    cmdSend = button(content_, QStringLiteral("cmdSend"), QStringLiteral("Neue Daten schicken"));
    int left = kRight + kRightWidth - 3 * 2100 - 2 * 120;
    for (QPushButton *b : {cmdAdd, cmdDelete, cmdSend}) {
        setTwips(b, left, 7575, 2100, 420);
        left += 2100 + 120;
    }
    connect(cmdAdd, &QPushButton::clicked, this, &frmDatabase::cmdAdd_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmDatabase::cmdDelete_Click);
    connect(cmdSend, &QPushButton::clicked, this, &frmDatabase::cmdSend_Click);
}

}  // namespace volmira::manager
