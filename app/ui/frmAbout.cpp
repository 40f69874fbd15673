#include "app/ui/frmAbout.h"

#include "platform/Dialogs.h"
#include "platform/OnlineConfig.h"
#include "platform/Shell.h"
#include "platform/ui/Widgets.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableView>

#include <utility>

namespace volmira::app {

namespace {

using platform::setTwips;
using store::exchange::HistoryEntry;

// The link's background while the mouse is over it, and once it has left it for the window.
const QColor kLinkHovered(255, 128, 255);
const QColor kLinkResting(192, 192, 255);

constexpr std::array<platform::GridColumn, 3> kUpdateColumns{{{u"ICAO", {900}}, {u"Name", {3300}}, {u"Date", {1200}}}};

QString icaoCell(const HistoryEntry &e) { return e.ICAO; }
QString nameCell(const HistoryEntry &e) { return e.Name; }
QString dateCell(const HistoryEntry &e) { return historyDateText(e); }

}  // namespace

frmAbout::frmAbout(store::AirportStore &store, platform::Dialogs &dialogs, platform::Shell &shell,
                   const QString &dataFolder, ShowAirport showAirport, QWidget *parent)
    : QDialog(parent), dialogs_(dialogs), shell_(shell), showAirport_(std::move(showAirport)) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About"));
    setModal(true);
    makeControls();
    load(store, dataFolder);
}

void frmAbout::makeControls() {
    setFixedSize(platform::toPixels({10440}), platform::toPixels({7440}));
    // Mouse movement without a button pressed reaches the window and the link: their hover colours.
    setMouseTracking(true);

    Picture1 = platform::label(this, QStringLiteral("Picture1"), QStringLiteral("\u2708"));
    platform::setFontSize(Picture1, 44);
    Picture1->setAlignment(Qt::AlignCenter);
    Picture1->setStyleSheet(QStringLiteral("color: #3a5a8c;"));
    setTwips(Picture1, 240, 240, 1320, 1320);
    Label3 = platform::label(this, QStringLiteral("Label3"), QStringLiteral("Volmira Apt"));
    platform::setFontSize(Label3, 18, true);
    setTwips(Label3, 1800, 240, 4560, 540);
    lblProg = platform::label(this, QStringLiteral("lblProg"), QString());
    setTwips(lblProg, 1800, 840, 4560, 285);
    lblData = platform::label(this, QStringLiteral("lblData"), QString());
    setTwips(lblData, 1800, 1140, 4560, 285);
    lblDescription = platform::label(this, QStringLiteral("lblDescription"), QStringLiteral("© 2026 Volmira"));
    setTwips(lblDescription, 1800, 1440, 4560, 285);
    Label2 = platform::label(this, QStringLiteral("Label2"), platform::online::webAddress());
    Label2->setCursor(Qt::PointingHandCursor);
    Label2->setMouseTracking(true);
    Label2->setAutoFillBackground(true);
    Label2->setStyleSheet(QStringLiteral("color: #0000c0; text-decoration: underline;"));
    Label2->installEventFilter(this);
    setLinkBackground(kLinkResting);
    setTwips(Label2, 1800, 1800, 2760, 300);
    Label2->resize(Label2->sizeHint().width(), Label2->height());  // the coloured field ends with the address

    cmdExit = platform::named<QPushButton>(this, QStringLiteral("cmdExit"));
    cmdExit->setText(QStringLiteral("Schließen"));
    setTwips(cmdExit, 8760, 240, 1440, 420);
    connect(cmdExit, &QPushButton::clicked, this, &QDialog::accept);

    Label1 = platform::label(this, QStringLiteral("Label1"), QStringLiteral("Update vom"));
    setTwips(Label1, 240, 2460, 1080, 285);
    cmbDate = platform::named<QComboBox>(this, QStringLiteral("cmbDate"));
    setTwips(cmbDate, 1440, 2400, 1800, 360);
    connect(cmbDate, &QComboBox::currentIndexChanged, this, &frmAbout::cmbDate_Click);
    lblCount = platform::label(this, QStringLiteral("lblCount"), QString());
    setTwips(lblCount, 3480, 2460, 2280, 285);

    gridUpdate = platform::named<QTableView>(this, QStringLiteral("gridUpdate"));
    rsUpdateInfo_ = new platform::RowsModel<HistoryEntry, 3>(kUpdateColumns, {icaoCell, nameCell, dateCell}, this);
    platform::setUpGrid(gridUpdate, rsUpdateInfo_);
    platform::setColumnWidths(gridUpdate, kUpdateColumns);
    // A day of a whole-database update holds tens of thousands of rows: no column measures them.
    gridUpdate->horizontalHeader()->setStretchLastSection(true);
    setTwips(gridUpdate, 240, 2880, 5760, 4320);
    connect(gridUpdate, &QTableView::doubleClicked, this, &frmAbout::gridUpdate_DblClick);

    listUpdate = platform::named<QListWidget>(this, QStringLiteral("listUpdate"));
    setTwips(listUpdate, 6240, 2400, 3960, 4800);
}

void frmAbout::setLinkBackground(const QColor &colour) {
    QPalette palette = Label2->palette();
    palette.setColor(QPalette::Window, colour);
    Label2->setPalette(palette);
}

void frmAbout::load(store::AirportStore &store, const QString &dataFolder) {
    AboutInfo info = readAboutInfo(store, dataFolder);
    lblProg->setText(info.lblProg);
    lblData->setText(info.lblData);
    loadError_ = info.error;
    days_ = std::move(info.days);
    // Filling the list selects its first day, which shows that day's airports.
    for (const UpdateDay &day : days_) cmbDate->addItem(day.text);
    listUpdate->addItems(releaseNotes());
}

void frmAbout::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (loadError_.isEmpty()) return;
    dialogs_.inform(this, QStringLiteral("Fehler"), std::exchange(loadError_, QString()));
}

void frmAbout::cmbDate_Click() {
    const int chosen = cmbDate->currentIndex();
    if (chosen < 0 || chosen >= int(days_.size())) {
        rsUpdateInfo_->setRows({});
        lblCount->clear();
        return;
    }
    rsUpdateInfo_->setRows(days_[chosen].rows);
    lblCount->setText(airportCountText(qsizetype(days_[chosen].rows.size())));
}

void frmAbout::gridUpdate_DblClick(const QModelIndex &cell) {
    const int row = cell.row();
    if (row < 0 || row >= rsUpdateInfo_->rowCount()) return;
    const QString icao = rsUpdateInfo_->rows()[row].ICAO;
    if (!icao.isEmpty() && showAirport_) showAirport_(icao);
}

void frmAbout::Label2_Click() {
    const QString url = platform::online::webUrl();
    if (!shell_.openUrl(url))
        dialogs_.inform(this, QStringLiteral("Fehler"),
                        QStringLiteral("Die Internetseite %1 konnte nicht geöffnet werden.").arg(url));
}

void frmAbout::mouseMoveEvent(QMouseEvent *event) {
    // Movement over a control without mouse tracking never gets here, and the
    // link's own is taken by the filter: this is the window's bare area.
    setLinkBackground(kLinkResting);
    QDialog::mouseMoveEvent(event);
}

bool frmAbout::eventFilter(QObject *watched, QEvent *event) {
    // Taken here, so that the label does not hand them on to the window.
    if (watched == Label2 && event->type() == QEvent::MouseMove) {
        setLinkBackground(kLinkHovered);
        return true;
    }
    if (watched == Label2 && event->type() == QEvent::MouseButtonRelease) {
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) Label2_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace volmira::app
