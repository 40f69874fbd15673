#pragma once

#include "browser/MapLinkChoice.h"
#include "editing/ui/EntryDialog.h"
#include "store/AirportStore.h"

#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace volmira::browser {

class GermanDateEdit;

// What the linking dialog did to the slot.
enum class LinkChange {
    None,     // cancelled
    Saved,    // linked or renamed: the viewer refreshes its buttons and shows the slot
    Deleted,  // unlinked: the viewer refreshes its buttons
};

// The map linking dialog: links a BMP, JPEG or PDF file to one of the ten map
// slots of an airport, renames the slot or removes the link. Its caption is
// the airport's code, tNumber (hidden) the slot. Enter anywhere saves, Escape
// cancels.
class frmKarte final : public editing::EntryDialog {
    Q_OBJECT

public:
    frmKarte(store::AirportStore &store, platform::Dialogs &dialogs, const QString &dataFolder, QWidget *parent);

    // Opens the dialog modally on the slot of the airport, starting a new link
    // in the viewer's last map folder; says what it changed.
    [[nodiscard]] static LinkChange editLink(store::AirportStore &store, platform::Dialogs &dialogs,
                                             const QString &dataFolder, const QString &icao, int number,
                                             const QString &lastMapFolder, QWidget *parent);

    // The activation: caption and slot, then the start folder with the stored
    // file selected and the stored name. False, with the message shown, when
    // the link cannot be read.
    bool activate(const QString &icao, int number, const QString &lastMapFolder);
    // Shows the activated dialog modally; what it changed.
    [[nodiscard]] LinkChange ask();

    QLineEdit *tNumber = nullptr;
    QComboBox *Drive1 = nullptr;
    QTreeWidget *Dir1 = nullptr;
    QListWidget *File1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *lblLoc = nullptr;
    QGroupBox *Frame1 = nullptr;
    QLineEdit *tName = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *cmdSave = nullptr;   // "Verknüpfung Speichern"
    QPushButton *Command2 = nullptr;  // "Verknüpfung löschen"
    QPushButton *Command1 = nullptr;  // "Abbrechen"
    QCheckBox *chkCopy = nullptr;     // "In den Kartenordner kopieren"
    QCheckBox *chkValid = nullptr;    // "gültig bis": the chart has a last valid day
    GermanDateEdit *dtValid = nullptr;

protected:
    void cmdOk_Click() override;
    [[nodiscard]] QWidget *firstBox() const override;
    [[nodiscard]] QWidget *box(int) const override { return nullptr; }
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    // The copy and validity boxes below the buttons.
    void buildLinkOptions();
    void showValidity(const QString &validUntil);
    void Command2_Click();
    void Drive1_Change(int index);
    void Dir1_Change(QTreeWidgetItem *item);
    void File1_Change();
    void Dir1_Expand(QTreeWidgetItem *item);

    // Dir1 on the folder, rooted at its place, and File1 listing it.
    void showFolder(const QString &folder);
    void listFiles(const QString &folder);
    // Selects the stored file with entries below it in view.
    void selectStoredFile(const QString &file);

    store::AirportStore &store_;
    QString dataFolder_;
    QString icao_;
    int number_ = 0;
    std::vector<MapPlace> places_;
    QString listedFolder_;               // the folder File1 lists
    QString chosenFolder_, chosenFile_;  // the file the user chose; empty: none
    int storedEntry_ = -1;               // File1's entry of the stored file, scrolled to when shown
    LinkChange change_ = LinkChange::None;
};

}  // namespace volmira::browser
