// Building the controls of the note panel, in twips of the panel's inner area.
#include "browser/ui/NoteEditor.h"
#include "browser/ui/frmAirportinfo.h"
#include "platform/ui/Widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

namespace volmira::browser {

using platform::label;
using platform::named;
using platform::setTwips;

namespace {

// The toolbar's pictures: a bold "F", then black, red and blue squares.
QIcon toolIcon(int index) {
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    if (index == 0) {
        QFont bold(QStringLiteral("Arial"), 11, QFont::Bold);
        painter.setFont(bold);
        painter.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("F"));
    } else {
        static const std::array<QColor, 3> colours{QColor(0, 0, 0), QColor(0xFF, 0, 0), QColor(0, 0, 0xFF)};
        painter.fillRect(QRect(2, 2, 12, 12), colours[index - 1]);
    }
    return QIcon(picture);
}

const std::array<const char *, 4> kToolTips{"Fett", "Schwarz", "Rot", "Blau"};

}  // namespace

frmAirportinfo::frmAirportinfo(store::AirportStore &store, platform::Dialogs &dialogs, QWidget *dataPage)
    : QFrame(dataPage), store_(store), dialogs_(dialogs) {
    setObjectName(QStringLiteral("frmAirportinfo"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    // Lies over the runway and approach grids.
    setAutoFillBackground(true);
    setTwips(this, 7260, 120, 7635, 6570);
    buildCategoryColumn();
    buildNoteColumn();
    hide();

    Command3 = named<QPushButton>(dataPage, QStringLiteral("Command3"));
    Command3->setText(QStringLiteral("APT Info zeigen"));
    setTwips(Command3, 120, 2730, 1900, 375);
    connect(Command3, &QPushButton::clicked, this, &frmAirportinfo::Command3_Click);
    raise();
    setEditable();
    showToolState();
}

void frmAirportinfo::buildCategoryColumn() {
    Label4 = label(this, QStringLiteral("Label4"), QStringLiteral("Kategorien"));
    setTwips(Label4, 120, 90, 2500, 270);
    listAirportCategories = named<QListWidget>(this, QStringLiteral("listAirportCategories"));
    setTwips(listAirportCategories, 120, 390, 2500, 3870);
    connect(listAirportCategories, &QListWidget::currentRowChanged, this,
            &frmAirportinfo::listAirportCategories_Click);

    Label2 = label(this, QStringLiteral("Label2"), QStringLiteral("Neue Kategorie"));
    setTwips(Label2, 120, 4380, 2500, 270);
    tCategory = named<QLineEdit>(this, QStringLiteral("tCategory"));
    setTwips(tCategory, 120, 4680, 2500, 375);
    // On key press: the Enter that closes a message box is released here and adds nothing.
    connect(tCategory, &QLineEdit::returnPressed, this, &frmAirportinfo::cmdListAirAdd_Click);

    cmdListAirAdd = named<QPushButton>(this, QStringLiteral("cmdListAirAdd"));
    cmdListAirAdd->setText(QStringLiteral("Kategorie hinzufügen"));
    cmdListAirChange = named<QPushButton>(this, QStringLiteral("cmdListAirChange"));
    cmdListAirChange->setText(QStringLiteral("Kategorie ändern"));
    cmdListAirDelete = named<QPushButton>(this, QStringLiteral("cmdListAirDelete"));
    cmdListAirDelete->setText(QStringLiteral("Kategorie löschen"));
    int top = 5160;
    for (QPushButton *button : {cmdListAirAdd, cmdListAirChange, cmdListAirDelete}) {
        setTwips(button, 120, top, 2500, 375);
        top += 435;
    }
    connect(cmdListAirAdd, &QPushButton::clicked, this, &frmAirportinfo::cmdListAirAdd_Click);
    connect(cmdListAirChange, &QPushButton::clicked, this, &frmAirportinfo::cmdListAirChange_Click);
    connect(cmdListAirDelete, &QPushButton::clicked, this, &frmAirportinfo::cmdListAirDelete_Click);
}

void frmAirportinfo::buildNoteColumn() {
    Label3 = label(this, QStringLiteral("Label3"), QStringLiteral("Meine Info"));
    setTwips(Label3, 2760, 90, 1500, 270);
    buildToolbar();
    rtfAirportinfo = new NoteEditor(this);
    rtfAirportinfo->setObjectName(QStringLiteral("rtfAirportinfo"));
    setTwips(rtfAirportinfo, 2760, 390, 4755, 5730);
    rtfAirportinfo->installEventFilter(this);
    connect(rtfAirportinfo, &QTextEdit::currentCharFormatChanged, this, &frmAirportinfo::followCursorFormat);
    lblAktuell = named<QLabel>(this, QStringLiteral("lblAktuell"));
    setTwips(lblAktuell, 2760, 6180, 4755, 300);
}

void frmAirportinfo::buildToolbar() {
    toolrtf1 = named<QFrame>(this, QStringLiteral("toolrtf1"));
    setTwips(toolrtf1, 6015, 0, 1500, 375);
    for (int i = 0; i < 4; ++i) {
        auto *button = named<QToolButton>(toolrtf1, QStringLiteral("toolrtf1(%1)").arg(i + 1));
        button->setIcon(toolIcon(i));
        button->setToolTip(QString::fromUtf8(kToolTips[i]));
        button->setCheckable(true);
        // A click keeps the editor's focus and selection: no leave.
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRaise(true);
        setTwips(button, i * 375, 0, 360, 360);
        connect(button, &QToolButton::clicked, this, [this, i] { toolrtf1_ButtonClick(i + 1); });
        toolrtf1Buttons[i] = button;
    }
}

}  // namespace volmira::browser
