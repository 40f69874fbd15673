// Edit mode of the airport window: cmdEdit and cmdFertig, the ten picture
// buttons beside the lists, and the positions of both modes.
#include "browser/EditModeLayout.h"
#include "browser/ui/frmAirport.h"
#include "editing/ui/EditIcons.h"
#include "platform/ui/Widgets.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

namespace volmira::browser {

using platform::named;
using platform::setTwips;
using platform::toPixels;

namespace {

// Widths of the two lists that move, as built in frmAirportControls.cpp.
constexpr int kRunwayGridWidth = 7635;
constexpr int kComGridWidth = 5720;
constexpr int kApproachGridWidth = 6300;

QPushButton *pictureButton(QWidget *parent, const char *name, const QIcon &icon, const char *tip) {
    auto *button = named<QPushButton>(parent, QString::fromLatin1(name));
    button->setIcon(icon);
    button->setIconSize({toPixels({kEditButtonSide - 150}), toPixels({kEditButtonSide - 150})});
    button->setToolTip(QString::fromUtf8(tip));
    button->hide();
    return button;
}

// A trio of buttons in a column right of its list, which ends at gridRight.
void placeTrio(std::initializer_list<QPushButton *> buttons, int gridRight, int top) {
    for (QPushButton *button : buttons) {
        setTwips(button, gridRight + kEditButtonGap, top, kEditButtonSide, kEditButtonSide);
        top += kEditButtonSide + kEditButtonSpacing;
    }
}

// A rule in the gap between a list and its buttons.
QFrame *rule(QWidget *parent, const char *name, QFrame::Shape shape) {
    auto *line = named<QFrame>(parent, QString::fromLatin1(name));
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

}  // namespace

void frmAirport::buildEditControls() {
    cmdEdit = named<QPushButton>(this, QStringLiteral("cmdEdit"));
    cmdEdit->setText(QStringLiteral("Daten bearbeiten"));
    cmdFertig = named<QPushButton>(this, QStringLiteral("cmdFertig"));
    cmdFertig->setText(QStringLiteral("Bearbeiten fertig"));
    for (QPushButton *button : {cmdEdit, cmdFertig}) {
        button->resize(toPixels({1700}), toPixels({780}));
        connect(button, &QPushButton::clicked, this, &frmAirport::ToggleEditMode);
    }

    using namespace editing;
    cmdAddRwy = pictureButton(frmRWY, "cmdAddRwy", addIcon(), "Landebahn hinzufügen");
    cmdChangeRwy = pictureButton(frmRWY, "cmdChangeRwy", changeIcon(), "Landebahn ändern");
    cmdDeleteRwy = pictureButton(frmRWY, "cmdDeleteRwy", deleteIcon(), "Landebahn löschen");
    placeTrio({cmdAddRwy, cmdChangeRwy, cmdDeleteRwy}, kEditLefts.runwayBlock + kRunwayGridWidth, 690);
    cmdAddCom = pictureButton(frmCom, "cmdAddCom", addIcon(), "Frequenz hinzufügen");
    cmdChangeCom = pictureButton(frmCom, "cmdChangeCom", changeIcon(), "Frequenz ändern");
    cmdDeleteCom = pictureButton(frmCom, "cmdDeleteCom", deleteIcon(), "Frequenz löschen");
    placeTrio({cmdAddCom, cmdChangeCom, cmdDeleteCom}, kEditLefts.comBlock + kComGridWidth, 330);
    cmdAddApproach = pictureButton(frmApproach, "cmdAddApproach", addIcon(), "Anflug hinzufügen");
    cmdChangeApproach = pictureButton(frmApproach, "cmdChangeApproach", changeIcon(), "Anflug ändern");
    cmdDeleteApproach = pictureButton(frmApproach, "cmdDeleteApproach", deleteIcon(), "Anflug löschen");
    placeTrio({cmdAddApproach, cmdChangeApproach, cmdDeleteApproach}, kApproachGridWidth, 330);
    // Under the date, below the button that opens the notes.
    cmdChangeAPT = pictureButton(frmAPT, "cmdChangeAPT", airportIcon(), "Flughafendaten ändern");
    setTwips(cmdChangeAPT, 120, 3165, kEditButtonSide, kEditButtonSide);

    const std::pair<QPushButton *, void (frmAirport::*)()> commands[] = {
        {cmdAddRwy, &frmAirport::cmdAddRwy_Click},
        {cmdChangeRwy, &frmAirport::cmdChangeRwy_Click},
        {cmdDeleteRwy, &frmAirport::cmdDeleteRwy_Click},
        {cmdAddCom, &frmAirport::cmdAddCom_Click},
        {cmdChangeCom, &frmAirport::cmdChangeCom_Click},
        {cmdDeleteCom, &frmAirport::cmdDeleteCom_Click},
        {cmdAddApproach, &frmAirport::cmdAddApproach_Click},
        {cmdChangeApproach, &frmAirport::cmdChangeApproach_Click},
        {cmdDeleteApproach, &frmAirport::cmdDeleteApproach_Click},
        {cmdChangeAPT, &frmAirport::cmdChangeAPT_Click},
    };
    for (const auto &[button, command] : commands) connect(button, &QPushButton::clicked, this, command);
    // Enter presses the button that has the focus; Space presses none (eventFilter).
    for (QPushButton *button : editButtons()) button->setAutoDefault(true);
    for (QPushButton *button : {cmdEdit, cmdFertig}) button->setAutoDefault(true);

    // A double click on a list changes its row while the change button shows.
    const std::pair<QTableView *, QPushButton *> grids[] = {
        {gridRwyData, cmdChangeRwy}, {gridCom, cmdChangeCom}, {gridApproach, cmdChangeApproach}};
    for (const auto &[grid, change] : grids)
        connect(grid, &QTableView::doubleClicked, change, [change] {
            if (!change->isHidden()) change->click();
        });

    Line1 = rule(frmAPT, "Line1", QFrame::HLine);
    // Under whatever is shown over the data page.
    Line1->lower();
    Line2 = rule(frmRWY, "Line2", QFrame::VLine);
    setTwips(Line2, kEditLefts.runwayBlock + kRunwayGridWidth + kEditButtonGap / 2 - 15, 690, 30, 2310);
    Line3 = rule(frmApproach, "Line3", QFrame::VLine);
    setTwips(Line3, kApproachGridWidth + kEditButtonGap / 2 - 15, 330, 30, 2640);
    setEditMode(false);
}

void frmAirport::ToggleEditMode() {
    // Pressed by keyboard, the focus goes to the button shown in its place.
    const bool pressedByKey = cmdEdit->hasFocus() || cmdFertig->hasFocus();
    setEditMode(!EditMode);
    if (pressedByKey) (EditMode ? cmdFertig : cmdEdit)->setFocus();
}

void frmAirport::setEditMode(bool on) {
    for (QPushButton *button : editButtons()) button->setVisible(on);
    // On the map page neither shows (ToggleMapView shows the right one on the way back).
    const bool dataPage = !cmdKarte->isHidden();
    cmdFertig->setVisible(dataPage && on);
    cmdEdit->setVisible(dataPage && !on);
    // Only the lefts change; the tops and sizes are those of frmAirportControls.cpp.
    const EditModeLefts &lefts = on ? kEditLefts : kNormalLefts;
    for (QWidget *widget : {static_cast<QWidget *>(gridRwyData), static_cast<QWidget *>(lblRWY),
                            static_cast<QWidget *>(Label5)})
        widget->move(toPixels({lefts.runwayBlock}), widget->y());
    lblRWYDesc->move(toPixels({lefts.lblRWYDesc}), lblRWYDesc->y());
    for (QWidget *widget : {static_cast<QWidget *>(gridCom), static_cast<QWidget *>(Label7)})
        widget->move(toPixels({lefts.comBlock}), widget->y());
    setTwips(Line1, 120, 3645, lefts.line1End - 120, 30);
    Line2->setVisible(on);
    Line3->setVisible(on);
    EditMode = on;
}

void frmAirport::enableEditButtons(bool enabled) {
    for (QPushButton *button : editButtons()) button->setEnabled(enabled);
}

std::array<QPushButton *, 10> frmAirport::editButtons() const {
    return {cmdAddRwy,      cmdChangeRwy,      cmdDeleteRwy,      cmdAddCom, cmdChangeCom, cmdDeleteCom,
            cmdAddApproach, cmdChangeApproach, cmdDeleteApproach, cmdChangeAPT};
}

}  // namespace volmira::browser
