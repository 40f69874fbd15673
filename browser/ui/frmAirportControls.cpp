// Building the controls of the airport window. Positions and sizes are kept in
// twips, as the layout rule reckons; toPixels turns them into Qt's pixels.
#include "browser/EditModeLayout.h"
#include "browser/ui/MapPanel.h"
#include "browser/ui/frmAirport.h"
#include "browser/ui/frmAirportinfo.h"
#include "browser/ui/frmGermanDateEdit.h"
#include "platform/ui/Widgets.h"

#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableView>

namespace volmira::browser {

using platform::label;
using platform::lockedField;
using platform::named;
using platform::setTwips;
using platform::toPixels;

void frmAirport::buildSearchArea() {
    // Behind Frame1: it only holds the focus while the pages are switched by keyboard.
    tTemp = named<QLineEdit>(this, QStringLiteral("tTemp"));
    tTemp->setText(QStringLiteral("Switchtext"));
    tTemp->resize(1, 1);

    cmdKarte = named<QPushButton>(this, QStringLiteral("cmdKarte"));
    cmdKarte->setText(QStringLiteral("Karten"));
    cmdKarte->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    cmdAPTData = named<QPushButton>(this, QStringLiteral("cmdAPTData"));
    cmdAPTData->setText(QStringLiteral("APT Daten"));
    cmdAPTData->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    for (QPushButton *button : {cmdKarte, cmdAPTData}) {
        setTwips(button, 0, 0, 1600, 780);
        connect(button, &QPushButton::clicked, this, &frmAirport::ToggleMapView);
    }
    cmdAPTData->hide();

    Frame1 = named<QGroupBox>(this, QStringLiteral("Frame1"));
    Frame1->setTitle(QStringLiteral("Flughafensuche"));
    setTwips(Frame1, 0, 0, 7860, 1000);

    // Created before tAirport, so that it shows as a border around it.
    frmtAirport = named<QFrame>(Frame1, QStringLiteral("frmtAirport"));
    frmtAirport->setAutoFillBackground(true);
    QPalette typing = frmtAirport->palette();
    typing.setColor(QPalette::Window, typing.color(QPalette::Highlight));
    frmtAirport->setPalette(typing);
    setTwips(frmtAirport, 105, 450, 1890, 465);
    frmtAirport->hide();

    Label9 = label(Frame1, QStringLiteral("Label9"), QStringLiteral("ICAO oder IATA"));
    setTwips(Label9, 150, 255, 1800, 240);
    tAirport = named<QLineEdit>(Frame1, QStringLiteral("tAirport"));
    tAirport->setText(QStringLiteral("ETHN"));
    tAirport->setToolTip(QStringLiteral("ICAO (4 Buchstaben) oder IATA (3 Buchstaben)"));
    setTwips(tAirport, 150, 495, 1800, 375);

    cmdFindAirport = named<QPushButton>(Frame1, QStringLiteral("cmdFindAirport"));
    cmdFindAirport->setText(QStringLiteral("Find Airport"));
    setTwips(cmdFindAirport, 2100, 480, 1200, 405);
    connect(cmdFindAirport, &QPushButton::clicked, this, [this] {
        // Back in the box, so that the next code typed replaces the one looked up.
        tAirport->setFocus();
        GetInformation();
    });

    Label1 = label(Frame1, QStringLiteral("Label1"), QStringLiteral("Schnellsuche"));
    setTwips(Label1, 3480, 255, 4200, 240);
    tQuickfind = named<QLineEdit>(Frame1, QStringLiteral("tQuickfind"));
    setTwips(tQuickfind, 3480, 495, 4200, 375);

    Label10 = named<QLabel>(Frame1, QStringLiteral("Label10"));
    Label10->hide();
}

QFrame *frmAirport::buildGridFrame(const char *frameName, QLabel *&caption, const char *labelName,
                                   const QString &text, QTableView *&grid, const char *gridName, Twips width,
                                   Twips gridWidth, Twips height) {
    auto *frame = named<QFrame>(frmAPT, QString::fromLatin1(frameName));
    frame->resize(toPixels(width), toPixels(height));
    caption = label(frame, QString::fromLatin1(labelName), text);
    setTwips(caption, 0, 0, 1200, 300);
    grid = named<QTableView>(frame, QString::fromLatin1(gridName));
    setTwips(grid, 0, 330, gridWidth.value, height.value - 330);
    return frame;
}

void frmAirport::buildDataPage() {
    frmAPT = named<QFrame>(this, QStringLiteral("frmAPT"));
    frmMap = new MapPanel(store_, dialogs_, dataFolder_, this);
    for (QFrame *page : {frmAPT, static_cast<QFrame *>(frmMap)}) setTwips(page, 0, 0, 15015, 6800);
    frmMap->hide();

    Frame2 = named<QFrame>(frmAPT, QStringLiteral("Frame2"));
    Frame2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Frame2->setAutoFillBackground(true);
    // Narrow enough for the runway list to move left of its designed place in edit mode.
    setTwips(Frame2, 120, 120, 6320, 2010);
    for (int i = 0; i < kDataFieldCount; ++i) tData[i] = lockedField(Frame2, QStringLiteral("tData(%1)").arg(i));
    // Name on top; code, category and position; elevation and variation; circuit altitude.
    setTwips(tData[0], 120, 150, 6080, 375);
    setTwips(tData[4], 120, 600, 1500, 375);
    setTwips(tData[5], 1740, 600, 1200, 375);
    setTwips(tData[1], 3060, 600, 3140, 375);
    setTwips(tData[3], 120, 1050, 3000, 375);
    setTwips(tData[2], 3240, 1050, 2960, 375);
    setTwips(tData[6], 120, 1500, 6080, 375);
    QFont bold = tData[0]->font();
    bold.setBold(true);
    tData[0]->setFont(bold);

    dtpToday = named<GermanDateEdit>(frmAPT, QStringLiteral("dtpToday"));
    setTwips(dtpToday, 120, 2280, 1900, 375);
    tSunrise = lockedField(frmAPT, QStringLiteral("tSunrise"));
    tSunrise->setText(QStringLiteral("Sonnenaufgang"));
    setTwips(tSunrise, 2160, 2280, 4280, 375);
    tSunset = lockedField(frmAPT, QStringLiteral("tSunset"));
    tSunset->setText(QStringLiteral("Sonnenuntergang"));
    setTwips(tSunset, 2160, 2730, 4280, 375);
    connect(dtpToday, &QDateEdit::dateChanged, this, &frmAirport::ShowSunTimes);

    // The lefts of the runway and frequency blocks are the edit mode's (frmAirportEdit.cpp).
    frmRWY = buildGridFrame("frmRWY", Label5, "Label5", QStringLiteral("RWY Info"), gridRwyData, "gridRwyData", {8575},
                            {7635}, {3000});
    frmRWY->move(toPixels({6440}), toPixels({120}));
    // The surface indicator on a line of its own under the caption, which stands at the same left.
    lblRWY = named<QLabel>(frmRWY, QStringLiteral("lblRWY"));
    lblRWY->setAutoFillBackground(true);
    setTwips(lblRWY, 0, 375, 3220, 210);
    lblRWYDesc = label(frmRWY, QStringLiteral("lblRWYDesc"), QStringLiteral("Asphalt"));
    lblRWYDesc->setAutoFillBackground(true);
    lblRWYDesc->setAlignment(Qt::AlignCenter);
    setTwips(lblRWYDesc, 0, 330, 1200, 300);
    setTwips(gridRwyData, 0, 690, 7635, 2310);

    // Below the sun times and the buttons under the date.
    frmApproach = buildGridFrame("frmApproach", Label6, "Label6", QStringLiteral("Anflug Info"), gridApproach,
                                 "gridApproach", {7755}, {6300}, {2970});
    // Its list under the runway list's place outside edit mode.
    frmApproach->move(toPixels({7260}), toPixels({3720}));
    frmCom = buildGridFrame("frmCom", Label7, "Label7", QStringLiteral("COM Info"), gridCom, "gridCom", {6440},
                            {5720}, {2970});
    frmCom->move(0, toPixels({3720}));

    // Over the runway and approach grids; Command3 under dtpToday opens it.
    Airportinfo = new frmAirportinfo(store_, dialogs_, frmAPT);
    connect(Airportinfo, &frmAirportinfo::categoryShown, this, &frmAirport::ShowLastUpdate);
    connect(Airportinfo, &frmAirportinfo::noteStored, this, [this](const LastUpdate &update) {
        if (current_ && !update.lastDate.isEmpty()) current_->LastDate = update.lastDate;
        emit titleChanged(update.title);
    });

    rsRwy = makeRunwayModel(this);
    rsApproach = makeApproachModel(this);
    rsCom = makeComModel(this);
    platform::setUpGrid(gridRwyData, rsRwy);
    platform::setUpGrid(gridApproach, rsApproach);
    platform::setUpGrid(gridCom, rsCom);
    for (QTableView *grid : {gridRwyData, gridApproach, gridCom})
        connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this, grid](const QModelIndex &current) { gridRowChanged(grid, current.row()); });

    // Above the data page, under the quick-find field.
    gridAirports = named<QTableView>(this, QStringLiteral("gridAirports"));
    rsQuickfind = makeQuickfindModel(this);
    platform::setUpGrid(gridAirports, rsQuickfind);
    gridAirports->horizontalHeader()->setStretchLastSection(true);
    // Wide enough for code, name, city, country and source side by side.
    gridAirports->resize(toPixels({9800}), toPixels({3600}));
    gridAirports->hide();
    lblNoHit = label(gridAirports->viewport(), QStringLiteral("lblNoHit"), QStringLiteral("kein Treffer"));
    lblNoHit->move(toPixels({60}), toPixels({60}));
    lblNoHit->adjustSize();
    lblNoHit->hide();
    connect(gridAirports->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { gridAirportsRowChanged(current.row()); });
}

void frmAirport::setColumnWidths() {
    platform::setColumnWidths(gridRwyData, kRunwayColumns);
    platform::setColumnWidths(gridApproach, kApproachColumns);
    platform::setColumnWidths(gridAirports, kQuickfindColumns);
    platform::fitColumnToValues(gridCom, 1, 0);
}

void frmAirport::placeDesign(TwipPoint origin) {
    const auto moveTo = [origin](QWidget *widget, TwipPoint designed) {
        const TwipPoint at = placed(origin, designed);
        widget->move(toPixels({at.left}), toPixels({at.top}));
    };
    moveTo(frmAPT, kPagesAt);
    moveTo(frmMap, kPagesAt);
    moveTo(cmdKarte, kPageButtonsAt);
    moveTo(cmdAPTData, kPageButtonsAt);
    moveTo(Frame1, kSearchAreaAt);
    moveTo(gridAirports, kQuickfindListAt);
    moveTo(tTemp, kSwitchTextAt);
    moveTo(cmdEdit, kEditCommandsAt);
    moveTo(cmdFertig, kEditCommandsAt);
}

}  // namespace volmira::browser
