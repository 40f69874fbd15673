#include "browser/ui/frmNearby.h"

#include "browser/SunTimes.h"

#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>
#include <utility>

namespace volmira::browser {

namespace {

using store::SurfaceFilter;
using store::TypeFilter;

// The manager's filter outcomes, one choice each.
const std::array<std::pair<const char *, SurfaceFilter>, 4> kSurfaces{{{"alle Bahnen", SurfaceFilter::Off},
                                                                       {"Asphaltbahn", SurfaceFilter::Hard},
                                                                       {"Grasbahn", SurfaceFilter::Grass},
                                                                       {"Asphalt- oder Grasbahn", SurfaceFilter::Any}}};
const std::array<std::pair<const char *, TypeFilter>, 3> kTypes{
    {{"alle Typen", TypeFilter::Any}, {"Verkehrslandeplatz", TypeFilter::VLP}, {"Sonderlandeplatz", TypeFilter::SLP}}};

template <typename Choices>
QComboBox *choiceBox(const char *name, const Choices &choices, QWidget *parent) {
    auto *box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    for (const auto &[text, outcome] : choices) box->addItem(QString::fromUtf8(text));
    return box;
}

QSpinBox *numberBox(const char *name, int from, int to, const char *suffix, QWidget *parent) {
    auto *box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(from, to);
    box->setSuffix(QString::fromUtf8(suffix));
    box->setKeyboardTracking(false);  // the list follows a finished number, not every digit
    return box;
}

}  // namespace

frmNearby::frmNearby(store::Database &db, const store::ArptRow &centre, const QString &dataFolder, QWidget *parent)
    : QDialog(parent), db_(db), centre_(centre), radiusFile_(QDir(dataFolder).filePath(kRadiusFileName)) {
    setObjectName(QStringLiteral("frmNearby"));
    setWindowTitle(QStringLiteral("Flughäfen in der Nähe"));
    lblAirport = new QLabel(centre.ICAO.trimmed() + QStringLiteral("  ") + centre.Name, this);
    lblAirport->setObjectName(QStringLiteral("lblAirport"));
    QFont bold = lblAirport->font();
    bold.setBold(true);
    lblAirport->setFont(bold);
    const SunLines sun = sunLines(centre, QDate::currentDate());
    lblSunrise = new QLabel(sun.sunrise, this);
    lblSunrise->setObjectName(QStringLiteral("lblSunrise"));
    lblSunset = new QLabel(sun.sunset, this);
    lblSunset->setObjectName(QStringLiteral("lblSunset"));

    tRadius = numberBox("tRadius", 1, kMaxRadiusNm, " NM", this);
    tRadius->setValue(readRadius(radiusFile_));
    cmbSurface = choiceBox("cmbSurface", kSurfaces, this);
    cmbType = choiceBox("cmbType", kTypes, this);
    tLength = numberBox("tLength", 0, 99999, " m", this);
    lblCount = new QLabel(this);
    lblCount->setObjectName(QStringLiteral("lblCount"));

    gridNearby = new QTableWidget(0, 9, this);
    gridNearby->setObjectName(QStringLiteral("gridNearby"));
    gridNearby->setHorizontalHeaderLabels({QStringLiteral("ICAO"), QStringLiteral("Name"), QStringLiteral("NM"),
                                           QStringLiteral("km"), QStringLiteral("Kurs rw"), QStringLiteral("Kurs mw"),
                                           QStringLiteral("Asphaltbahn"), QStringLiteral("Grasbahn"),
                                           QStringLiteral("Typ")});
    gridNearby->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gridNearby->setSelectionBehavior(QAbstractItemView::SelectRows);
    gridNearby->setSelectionMode(QAbstractItemView::SingleSelection);
    gridNearby->verticalHeader()->hide();
    gridNearby->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    connect(gridNearby, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { choose(row); });

    auto *filters = new QFormLayout;
    filters->addRow(QStringLiteral("Umkreis"), tRadius);
    filters->addRow(QStringLiteral("Landebahn"), cmbSurface);
    filters->addRow(QStringLiteral("Flugplatztyp"), cmbType);
    filters->addRow(QStringLiteral("Bahnlänge größer als"), tLength);
    auto *sunBox = new QVBoxLayout;
    sunBox->addWidget(lblAirport);
    sunBox->addWidget(lblSunrise);
    sunBox->addWidget(lblSunset);
    sunBox->addStretch();
    auto *top = new QHBoxLayout;
    top->addLayout(sunBox);
    top->addStretch();
    top->addLayout(filters);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(lblCount);
    layout->addWidget(gridNearby, 1);  // the list takes the height, the controls keep theirs
    resize(900, 560);

    for (QSpinBox *box : {tRadius, tLength}) connect(box, &QSpinBox::valueChanged, this, &frmNearby::ShowNearby);
    for (QComboBox *box : {cmbSurface, cmbType})
        connect(box, &QComboBox::currentIndexChanged, this, &frmNearby::ShowNearby);
    ShowNearby();
}

void frmNearby::ShowNearby() {
    const store::AirportFilter filter{kSurfaces[size_t(cmbSurface->currentIndex())].second,
                                      kTypes[size_t(cmbType->currentIndex())].second, tLength->value()};
    const auto found = nearbyAirports(db_, centre_, tRadius->value(), filter);
    shown_ = found ? *found : std::vector<NearbyAirport>{};
    gridNearby->setRowCount(int(shown_.size()));
    for (int row = 0; row < int(shown_.size()); ++row) {
        const QStringList cells = nearbyCells(shown_[size_t(row)]);
        for (int column = 0; column < cells.size(); ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            if (column >= 2 && column != 8) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            gridNearby->setItem(row, column, item);
        }
    }
    gridNearby->resizeColumnsToContents();
    gridNearby->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    if (!shown_.empty()) gridNearby->selectRow(0);
    QString count = !found ? found.error()
                    : shown_.size() == 1 ? QStringLiteral("1 Flughafen")
                                         : QStringLiteral("%1 Flughäfen").arg(shown_.size());
    // The radius stays for the next time; a file that cannot be written is said, not hidden.
    if (const platform::Result<> kept = writeRadius(radiusFile_, tRadius->value()); !kept)
        count += QStringLiteral(" – ") + kept.error();
    lblCount->setText(count);
}

void frmNearby::choose(int row) {
    if (row < 0 || row >= int(shown_.size())) return;
    chosen_ = shown_[size_t(row)].airport.ICAO.trimmed();
    accept();
}

void frmNearby::keyPressEvent(QKeyEvent *event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && gridNearby->hasFocus()) {
        choose(gridNearby->currentRow());
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace volmira::browser
