#include "editing/ui/frmChangeAPT.h"

#include "editing/EditOperations.h"
#include "editing/ui/DialogControls.h"
#include "platform/ui/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace volmira::editing {

using platform::kOtherOrange;
using platform::kVlpYellow;
using platform::label;
using platform::named;
using platform::setTwips;

namespace {


// The boxes in the order of their numbers (AirportBox): each under its
// caption, the units and directions beside them.
struct BoxPlace {
    const char *box;
    const char *label;
    const char16_t *caption;
    int left, top, width;
};
constexpr BoxPlace kBoxes[] = {
    {"tAPT(0)", "Label3", u"ICAO", 120, 120, 1200},         {"tAPT(1)", "Label2", u"Var", 2340, 840, 900},
    {"tAPT(2)", "Label4", u"Flugplatz Name", 1440, 120, 5280}, {"tAPT(3)", "Label1", u"Elev", 120, 840, 1200},
    {"tAPT(4)", "Label9", u"Platzrunde", 4200, 840, 2520},   {"tCoord(0)", "Label5", u"Breitengrad", 120, 1560, 1200},
    {"tCoord(1)", "Label6", u"Längengrad", 2340, 1560, 1320},
};

QComboBox *choice(QWidget *parent, const char *name, const QStringList &items, int left, int top) {
    auto *combo = named<QComboBox>(parent, QString::fromLatin1(name));
    combo->addItems(items);
    setTwips(combo, left, top + 240, 720, 375);
    return combo;
}

void choose(QComboBox *combo, const QString &text) { combo->setCurrentIndex(combo->findText(text)); }

}  // namespace

frmChangeAPT::frmChangeAPT(platform::Dialogs &dialogs, DuplicateQuery duplicate, QWidget *parent)
    : EntryDialog(dialogs, QStringLiteral("frmChangeAPT"), parent), duplicate_(std::move(duplicate)) {
    for (int i = 0; i < int(std::size(kBoxes)); ++i) {
        const BoxPlace &p = kBoxes[i];
        QLineEdit *box = captionedBox(this, QString::fromLatin1(p.box), QString::fromLatin1(p.label),
                                      QString::fromUtf16(p.caption), p.left, p.top, p.width);
        (i < kLatitudeBox ? tAPT[i] : tCoord[i - kLatitudeBox]) = box;
    }
    cmbftm = choice(this, "cmbftm", {QStringLiteral("ft"), QStringLiteral("m")}, 1380, 840);
    cmbVar = choice(this, "cmbVar", {QStringLiteral("E"), QStringLiteral("W")}, 3300, 840);
    cmbNS = choice(this, "cmbNS", {QStringLiteral("N"), QStringLiteral("S")}, 1380, 1560);
    cmbEW = choice(this, "cmbEW", {QStringLiteral("E"), QStringLiteral("W")}, 3720, 1560);
    tCoord[0]->setToolTip(QStringLiteral("Grad und Minuten, Bsp: 4907.1"));
    tCoord[1]->setToolTip(QStringLiteral("Grad und Minuten, Bsp: 00946.5"));
    for (QLineEdit *box : tAPT) entryBox(box);
    for (QLineEdit *box : tCoord) entryBox(box);

    Label7 = swatch(this, QStringLiteral("Label7"), kVlpYellow);
    setTwips(Label7, 120, 2400, 240, 330);
    chkVLP = named<QCheckBox>(this, QStringLiteral("chkVLP"));
    chkVLP->setText(QStringLiteral("Verkehrslandeplatz"));
    setBackground(chkVLP, kVlpYellow);
    setTwips(chkVLP, 420, 2400, 2400, 330);
    Label8 = swatch(this, QStringLiteral("Label8"), kOtherOrange);
    setTwips(Label8, 3000, 2400, 240, 330);
    chkSLP = named<QCheckBox>(this, QStringLiteral("chkSLP"));
    chkSLP->setText(QStringLiteral("Sonderlandeplatz"));
    setBackground(chkSLP, kOtherOrange);
    setTwips(chkSLP, 3300, 2400, 2400, 330);
    // At most one type: choosing one clears the other.
    connect(chkVLP, &QCheckBox::toggled, this, [this](bool on) {
        if (on) chkSLP->setChecked(false);
    });
    connect(chkSLP, &QCheckBox::toggled, this, [this](bool on) {
        if (on) chkVLP->setChecked(false);
    });

    // Tab goes as the eye reads: line by line, each box before its unit or direction.
    QWidget *const order[] = {tAPT[kCodeBox], tAPT[kNameBox], tAPT[kElevationBox], cmbftm, tAPT[kVariationBox],
                              cmbVar, tAPT[kCircuitBox], tCoord[0], cmbNS, tCoord[1], cmbEW, chkVLP, chkSLP,
                              cmdOk, cmdCancel};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
    finishControls(4200, 3000);
    setFixedSize(platform::toPixels({6840}), platform::toPixels({3540}));
}

void frmChangeAPT::fill(const AirportTexts &texts, const QString &title) {
    for (std::size_t i = 0; i < tAPT.size(); ++i) tAPT[i]->setText(texts.tAPT[i]);
    for (std::size_t i = 0; i < tCoord.size(); ++i) tCoord[i]->setText(texts.tCoord[i]);
    choose(cmbVar, texts.cmbVar);
    choose(cmbftm, texts.cmbftm);
    choose(cmbNS, texts.cmbNS);
    choose(cmbEW, texts.cmbEW);
    chkVLP->setChecked(texts.chkVLP);
    chkSLP->setChecked(texts.chkSLP);
    tAPT[kCodeBox]->setEnabled(texts.newAirport);
    openedWith_ = texts;
    setWindowTitle(title);
}

AirportTexts frmChangeAPT::texts() const {
    AirportTexts texts;
    for (std::size_t i = 0; i < tAPT.size(); ++i) texts.tAPT[i] = tAPT[i]->text();
    for (std::size_t i = 0; i < tCoord.size(); ++i) texts.tCoord[i] = tCoord[i]->text();
    texts.cmbVar = cmbVar->currentText();
    texts.cmbftm = cmbftm->currentText();
    texts.cmbNS = cmbNS->currentText();
    texts.cmbEW = cmbEW->currentText();
    texts.chkVLP = chkVLP->isChecked();
    texts.chkSLP = chkSLP->isChecked();
    texts.newAirport = tAPT[kCodeBox]->isEnabled();
    return texts;
}

void frmChangeAPT::cmdOk_Click() {
    acceptChecked(Checkinfo(texts(), duplicate_, openedWith_), entry_);
    // The coordinates as stored: a decimal comma becomes a point.
    if (entry_)
        for (QLineEdit *box : tCoord) box->setText(box->text().replace(QLatin1Char(','), QLatin1Char('.')));
}

std::optional<QString> frmChangeAPT::newAirport(store::AirportStore &store) {
    fill(newAirportTexts(), stampTitle());
    while (const std::optional<AirportEntry> entry = ask()) {
        const platform::Result<store::ArptRow> created = createAirport(store, *entry);
        if (created) return created->ICAO;
        dialogs_.inform(this, kDataErrorTitle.toString(), created.error());
    }
    return std::nullopt;
}

QWidget *frmChangeAPT::firstBox() const {
    return tAPT[kCodeBox]->isEnabled() ? tAPT[kCodeBox] : tAPT[kNameBox];
}

QWidget *frmChangeAPT::box(int index) const {
    if (index >= 0 && index < int(tAPT.size())) return tAPT[index];
    if (index >= kLatitudeBox && index <= kLongitudeBox) return tCoord[index - kLatitudeBox];
    return nullptr;
}

}  // namespace volmira::editing
