#include "editing/ui/frmChangeRwy.h"

#include "editing/ui/DialogControls.h"
#include "platform/ui/Widgets.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace volmira::editing {

using platform::label;
using platform::named;
using platform::setTwips;

namespace {

constexpr const char16_t *kCaptions[kRunwayBoxCount] = {u"Rwy ", u"Rwy Hdg", u"Slope", u"Länge [ m ]",
                                                         u"Breite [ m ]"};

// Shown in lblInfo while the mouse is over the box.
constexpr const char16_t *kHints[kRunwayBoxCount] = {
    u"RWY Bezeichnung eingeben - Beispiel: 27 oder bei Parallelbahnen 18R - die Gegenbahn wird berechnet und muss "
    u"nicht eingegeben werden",
    u"RWY Heading eingeben - Beispiel: 274  - die Gegenbahn wird berechnet und muss nicht eingegeben werden",
    u"RWY Slope eingeben - Beispiel: -0.3 / 1.0 für RWY 274 / 094 bedeutet Downslope -0.3 für RWY 274 und Upslope "
    u"1.0 für RWY 094 ",
    u"RWY Länge in Metern eingeben",
    u"RWY Breite in Metern eingeben",
};

constexpr Rgb kAsphaltGrey{192, 192, 192};
constexpr Rgb kGrassGreen{0, 255, 0};

}  // namespace

frmChangeRwy::frmChangeRwy(platform::Dialogs &dialogs, QWidget *parent)
    : EntryDialog(dialogs, QStringLiteral("frmChangeRwy"), parent) {
    frmVorschau = named<QGroupBox>(this, QStringLiteral("frmVorschau"));
    frmVorschau->setTitle(QStringLiteral("Datenvorschau"));
    setTwips(frmVorschau, 120, 840, 6600, 780);
    for (int i = 0; i < kRunwayBoxCount; ++i) {
        const int left = 120 + i * 1320;
        Label1[i] = label(this, QStringLiteral("Label1(%1)").arg(i), QString::fromUtf16(kCaptions[i]));
        setTwips(Label1[i], left, 120, 1200, 240);
        tRwy[i] = named<QLineEdit>(this, QStringLiteral("tRwy(%1)").arg(i));
        setTwips(tRwy[i], left, 360, 1200, 375);
        entryBox(tRwy[i]);
        tVorschau[i] = platform::lockedField(frmVorschau, QStringLiteral("tVorschau(%1)").arg(i));
        tVorschau[i]->setFocusPolicy(Qt::NoFocus);
        setTwips(tVorschau[i], left - 120 + 60, 300, 1200, 375);
    }
    tRwy[kLengthBox]->setToolTip(QStringLiteral("Meter, 1 bis %1").arg(kMaxRunwayMetres));
    tRwy[kWidthBox]->setToolTip(QStringLiteral("Meter, 1 bis %1").arg(kMaxRunwayMetres));

    Label2 = swatch(this, QStringLiteral("Label2"), kAsphaltGrey);
    setTwips(Label2, 120, 1800, 240, 300);
    optBeton = named<QRadioButton>(this, QStringLiteral("optBeton"));
    optBeton->setText(QStringLiteral("Asphalt"));
    setBackground(optBeton, kAsphaltGrey);
    setTwips(optBeton, 420, 1800, 1500, 300);
    Label3 = swatch(this, QStringLiteral("Label3"), kGrassGreen);
    setTwips(Label3, 2100, 1800, 240, 300);
    optGras = named<QRadioButton>(this, QStringLiteral("optGras"));
    optGras->setText(QStringLiteral("Gras"));
    setBackground(optGras, kGrassGreen);
    setTwips(optGras, 2400, 1800, 1500, 300);
    optBeton->setChecked(true);

    lblInfo = named<QLabel>(this, QStringLiteral("lblInfo"));
    lblInfo->setFont(QFont(QStringLiteral("Arial"), 9));
    lblInfo->setWordWrap(true);
    lblInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTwips(lblInfo, 120, 2340, 6600, 660);

    // lblInfo empties while the mouse is over the background.
    setMouseTracking(true);
    finishControls(4200, 1740);
    setFixedSize(platform::toPixels({6840}), platform::toPixels({3120}));
}

void frmChangeRwy::fill(const RunwayTexts &texts, const QString &title) {
    for (int i = 0; i < kRunwayBoxCount; ++i) {
        tRwy[i]->setText(texts.tRwy[i]);
        tVorschau[i]->setText(texts.tVorschau[i]);
    }
    (texts.optGras ? optGras : optBeton)->setChecked(true);
    // The dialog is reused: the hint of a box pointed at last time is gone.
    lblInfo->clear();
    setWindowTitle(title);
}

RunwayTexts frmChangeRwy::texts() const {
    RunwayTexts texts;
    for (int i = 0; i < kRunwayBoxCount; ++i) {
        texts.tRwy[i] = tRwy[i]->text();
        texts.tVorschau[i] = tVorschau[i]->text();
    }
    texts.optGras = optGras->isChecked();
    return texts;
}

void frmChangeRwy::cmdOk_Click() { acceptChecked(checkRunway(texts()), entry_); }

QWidget *frmChangeRwy::box(int index) const {
    return index >= 0 && index < kRunwayBoxCount ? tRwy[index] : nullptr;
}

void frmChangeRwy::preview(int i) {
    if (const std::optional<QString> shown = runwayPreview(RunwayBox(i), tRwy[i]->text()))
        tVorschau[i]->setText(*shown);
}

bool frmChangeRwy::eventFilter(QObject *watched, QEvent *event) {
    for (int i = 0; i < kRunwayBoxCount; ++i) {
        if (watched != tRwy[i]) continue;
        if (event->type() == QEvent::FocusOut) preview(i);
        if (event->type() == QEvent::Enter) lblInfo->setText(QString::fromUtf16(kHints[i]));
    }
    return EntryDialog::eventFilter(watched, event);
}

void frmChangeRwy::mouseMoveEvent(QMouseEvent *event) {
    lblInfo->clear();
    EntryDialog::mouseMoveEvent(event);
}

}  // namespace volmira::editing
