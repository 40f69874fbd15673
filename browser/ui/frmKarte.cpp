#include "browser/ui/frmKarte.h"

#include "browser/MapLinks.h"
#include "browser/ui/frmGermanDateEdit.h"
#include "store/DateText.h"
#include "platform/ui/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QTreeWidget>

namespace volmira::browser {

using platform::named;
using platform::setTwips;

namespace {

const QString kDataErrorTitle = QStringLiteral("Datenfehler");
constexpr int kPathRole = Qt::UserRole;
constexpr int kFilledRole = Qt::UserRole + 1;

// The mounted folders a map may lie on; Qt leaves out the system's own.
QStringList mountedFolders() {
    QStringList folders;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady() && volume.fileSystemType() != "squashfs" &&
            QFileInfo(volume.rootPath()).isDir())
            folders << volume.rootPath();
    return folders;
}

QTreeWidgetItem *folderItem(const QString &caption, const QString &path) {
    auto *item = new QTreeWidgetItem(QStringList{caption});
    item->setData(0, kPathRole, path);
    item->setToolTip(0, path);
    // Filled when expanded; the arrow shows where there is something to expand.
    const bool below = QDirIterator(path, QDir::Dirs | QDir::NoDotAndDotDot).hasNext();
    item->setChildIndicatorPolicy(below ? QTreeWidgetItem::ShowIndicator
                                        : QTreeWidgetItem::DontShowIndicatorWhenChildless);
    return item;
}

QString pathOf(const QTreeWidgetItem *item) { return item->data(0, kPathRole).toString(); }

}  // namespace

frmKarte::frmKarte(store::AirportStore &store, platform::Dialogs &dialogs, const QString &dataFolder, QWidget *parent)
    : EntryDialog(dialogs, QStringLiteral("frmKarte"), parent), store_(store), dataFolder_(dataFolder),
      places_(mapPlaces(dataFolder, QDir::homePath(), mountedFolders())) {
    buildControls();
    for (const MapPlace &place : places_) {
        Drive1->addItem(place.caption, place.path);
        Drive1->setItemData(Drive1->count() - 1, place.path, Qt::ToolTipRole);
    }
    connect(Drive1, &QComboBox::activated, this, &frmKarte::Drive1_Change);
    connect(Dir1, &QTreeWidget::itemExpanded, this, &frmKarte::Dir1_Expand);
    connect(Dir1, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) { Dir1_Change(item); });
    // A selection, not the current entry: focus alone makes the first entry current.
    connect(File1, &QListWidget::itemSelectionChanged, this, &frmKarte::File1_Change);
    connect(Command2, &QPushButton::clicked, this, &frmKarte::Command2_Click);
}

void frmKarte::buildControls() {
    tNumber = named<QLineEdit>(this, QStringLiteral("tNumber"));
    tNumber->hide();
    Drive1 = named<QComboBox>(this, QStringLiteral("Drive1"));
    setTwips(Drive1, 120, 120, 3600, 330);
    Dir1 = named<QTreeWidget>(this, QStringLiteral("Dir1"));
    Dir1->setHeaderHidden(true);
    setTwips(Dir1, 120, 540, 3600, 3360);
    File1 = named<QListWidget>(this, QStringLiteral("File1"));
    setTwips(File1, 3840, 120, 4560, 3780);

    Label1 = platform::label(this, QStringLiteral("Label1"), QStringLiteral("Pfad:"));
    setTwips(Label1, 120, 4020, 600, 255);
    lblLoc = platform::label(this, QStringLiteral("lblLoc"), QString());
    lblLoc->setTextInteractionFlags(Qt::TextSelectableByMouse);
    setTwips(lblLoc, 720, 4020, 7680, 255);

    // The map button as it will look: a button with the name on it.
    Frame1 = named<QGroupBox>(this, QStringLiteral("Frame1"));
    Frame1->setTitle(QStringLiteral("Vorschau Button"));
    setTwips(Frame1, 120, 4380, 3600, 1020);
    Command3 = named<QPushButton>(Frame1, QStringLiteral("Command3"));
    Command3->setFocusPolicy(Qt::NoFocus);
    setTwips(Command3, 120, 300, 3360, 600);
    tName = named<QLineEdit>(Frame1, QStringLiteral("tName"));
    // Frameless over the button, so that it reads as the button's caption.
    tName->setAlignment(Qt::AlignCenter);
    tName->setFrame(false);
    QPalette caption = tName->palette();
    caption.setColor(QPalette::Base, Qt::transparent);
    tName->setPalette(caption);
    setTwips(tName, 240, 420, 3120, 360);
    entryBox(tName);

    Command2 = named<QPushButton>(this, QStringLiteral("Command2"));
    Command2->setText(QStringLiteral("Verknüpfung löschen"));
    Command2->setAutoDefault(false);
    setTwips(Command2, 6180, 4500, 2220, 420);
    finishControls(3840, 4500);
    cmdSave = cmdOk;
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdSave->setText(QStringLiteral("Verknüpfung Speichern"));
    setTwips(cmdSave, 3840, 4500, 2220, 420);
    Command1 = cmdCancel;
    Command1->setObjectName(QStringLiteral("Command1"));
    setTwips(Command1, 6180, 4980, 2220, 420);
    buildLinkOptions();
    setFixedSize(platform::toPixels({8520}), platform::toPixels({6000}));
}

void frmKarte::buildLinkOptions() {
    chkCopy = named<QCheckBox>(this, QStringLiteral("chkCopy"));
    chkCopy->setText(QStringLiteral("In den Kartenordner kopieren"));
    setTwips(chkCopy, 120, 5520, 3600, 330);
    chkValid = named<QCheckBox>(this, QStringLiteral("chkValid"));
    chkValid->setText(QStringLiteral("gültig bis"));
    setTwips(chkValid, 3840, 5520, 1500, 330);
    dtValid = named<GermanDateEdit>(this, QStringLiteral("dtValid"));
    setTwips(dtValid, 5400, 5490, 3000, 360);
    connect(chkValid, &QCheckBox::toggled, dtValid, &QWidget::setEnabled);
}

void frmKarte::showValidity(const QString &validUntil) {
    const QDate last = store::parseStoredDate(validUntil);
    chkValid->setChecked(last.isValid());
    dtValid->setEnabled(last.isValid());
    dtValid->setDate(last.isValid() ? last : QDate::currentDate());
}

LinkChange frmKarte::editLink(store::AirportStore &store, platform::Dialogs &dialogs, const QString &dataFolder,
                              const QString &icao, int number, const QString &lastMapFolder, QWidget *parent) {
    frmKarte dialog(store, dialogs, dataFolder, parent);
    if (!dialog.activate(icao, number, lastMapFolder)) return LinkChange::None;
    return dialog.ask();
}

bool frmKarte::activate(const QString &icao, int number, const QString &lastMapFolder) {
    icao_ = icao;
    number_ = number;
    setWindowTitle(icao);
    tNumber->setText(QString::number(number));
    chosenFolder_.clear();
    chosenFile_.clear();
    const platform::Result<std::optional<store::MapDataRow>> link = store_.maps.link(icao, number);
    if (!link) {
        dialogs_.inform(parentWidget(), kDataErrorTitle, link.error());
        return false;
    }
    const LinkStart start = linkStart(*link, lastMapFolder, dataFolder_);
    chkCopy->setChecked(false);
    chkCopy->setToolTip(
        QStringLiteral("Die Datei wird nach Karten/%1 im Datenordner kopiert und dort verknüpft.").arg(icao));
    showValidity(*link ? (*link)->ValidUntil : QString());
    lblLoc->setText(start.folder);
    tName->setText(start.name);
    showFolder(start.folder);
    selectStoredFile(start.file);
    return true;
}

LinkChange frmKarte::ask() {
    change_ = LinkChange::None;
    exec();
    return change_;
}

QWidget *frmKarte::firstBox() const { return File1; }

void frmKarte::showEvent(QShowEvent *event) {
    EntryDialog::showEvent(event);
    if (storedEntry_ < 0) return;
    // First the entries below, then the stored one: it shows with up to four below it.
    File1->scrollToItem(File1->item(entryBelowInView(storedEntry_, File1->count())));
    File1->scrollToItem(File1->item(storedEntry_));
}

void frmKarte::showFolder(const QString &folder) {
    int place = placeOf(folder, places_);
    if (place < 0) place = int(places_.size()) - 1;  // "/" takes any other path
    const QString root = places_[place].path;
    Drive1->setCurrentIndex(place);
    {
        const QSignalBlocker quiet(Dir1);
        Dir1->clear();
        Dir1->addTopLevelItem(folderItem(root == u"/" ? root : QFileInfo(root).fileName(), root));
    }
    QTreeWidgetItem *item = Dir1->topLevelItem(0);
    const QString below = root == folder ? QString() : QDir(root).relativeFilePath(folder);
    for (const QString &name : below.split(u'/', Qt::SkipEmptyParts)) {
        item->setExpanded(true);
        QTreeWidgetItem *child = nullptr;
        for (int i = 0; i < item->childCount() && !child; ++i)
            if (item->child(i)->text(0) == name) child = item->child(i);
        // A hidden folder on the way (the data folder lies below ~/.local) is shown too.
        if (!child) {
            const QString path = QDir(pathOf(item)).filePath(name);
            if (!QFileInfo(path).isDir()) break;
            child = folderItem(name, path);
            item->addChild(child);
        }
        item = child;
    }
    item->setExpanded(true);  // its sub-folders in view
    {
        const QSignalBlocker quiet(Dir1);
        Dir1->setCurrentItem(item);
    }
    Dir1->scrollToItem(item);
    listFiles(pathOf(item));
}

void frmKarte::listFiles(const QString &folder) {
    const QSignalBlocker quiet(File1);
    listedFolder_ = folder;
    storedEntry_ = -1;
    File1->clear();
    File1->addItems(mapFilesIn(folder));
}

void frmKarte::selectStoredFile(const QString &file) {
    QStringList listed;
    for (int i = 0; i < File1->count(); ++i) listed << File1->item(i)->text();
    storedEntry_ = listedFile(listed, file);
    if (storedEntry_ < 0) return;
    const QSignalBlocker quiet(File1);
    File1->setCurrentRow(storedEntry_);
}

void frmKarte::Drive1_Change(int index) {
    if (index >= 0 && index < int(places_.size())) showFolder(places_[index].path);
}

void frmKarte::Dir1_Expand(QTreeWidgetItem *item) {
    if (item->data(0, kFilledRole).toBool()) return;
    item->setData(0, kFilledRole, true);
    const QDir folder(pathOf(item));
    for (const QString &name : subfoldersOf(folder.path())) item->addChild(folderItem(name, folder.filePath(name)));
    if (item->childCount() == 0) item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

void frmKarte::Dir1_Change(QTreeWidgetItem *item) {
    if (item) listFiles(pathOf(item));
}

void frmKarte::File1_Change() {
    const QList<QListWidgetItem *> selected = File1->selectedItems();
    if (selected.isEmpty()) return;
    chosenFolder_ = listedFolder_;
    chosenFile_ = selected.front()->text();
    tName->setText(chosenFile_);
    lblLoc->setText(chosenFolder_);
}

void frmKarte::cmdOk_Click() {
    // Without a file chosen the link keeps its folder and file: a rename.
    const LinkRequest request{chosenFolder_, chosenFile_, tName->text(),
                              chkValid->isChecked() ? store::storedDateText(dtValid->date()) : QString(),
                              chkCopy->isChecked()};
    const LinkOutcome saved = saveMapLink(store_.maps, icao_, number_, request, dataFolder_);
    if (!saved) return showMessage(kDataErrorTitle, saved.error(), nullptr);
    if (const std::optional<store::Refusal> &refusal = saved.value())
        return showMessage(refusal->title, refusal->message, File1);
    change_ = LinkChange::Saved;
    accept();
}

void frmKarte::Command2_Click() {
    const platform::Result<bool> deleted = store_.maps.deleteLink(icao_, number_);
    if (!deleted) return showMessage(kDataErrorTitle, deleted.error(), nullptr);
    change_ = *deleted ? LinkChange::Deleted : LinkChange::None;
    accept();
}

}  // namespace volmira::browser
