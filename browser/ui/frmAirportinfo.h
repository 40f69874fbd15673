#pragma once

#include "browser/LastUpdate.h"
#include "platform/Dialogs.h"
#include "store/AirportStore.h"
#include "store/NoteText.h"
#include "store/Rows.h"

#include <QFrame>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTextCharFormat;
class QTextEdit;
class QToolButton;

namespace volmira::browser {

struct AirportView;

// The note panel of the airport window: the categories with "*" marking those
// the current airport holds a note in, the note of the selected category in an
// editor with a small toolbar, and the note's stamp. A note is stored when the
// editor is left with a change, and before anything else drops the editor's
// content. Every control's objectName is its name here, e.g. "toolrtf1(2)".
class frmAirportinfo final : public QFrame {
    Q_OBJECT

public:
    // Made on the airport window's data page, hidden, with Command3 that opens
    // and closes it.
    frmAirportinfo(store::AirportStore &store, platform::Dialogs &dialogs, QWidget *dataPage);

    // The lookup's steps for the panel. Before it: a pending change is stored
    // and the editor emptied; no airport is current until showAirport.
    void clearAirport();
    // After it, with what the lookup read: the category list with its marks,
    // an empty stamp, the entry equal to the airport's LastKat selected.
    void showAirport(const AirportView &view);
    // Stores the note in the editor if it differs from what it was when the
    // editor was entered, for the airport and category it was entered for,
    // and forgets that entry: leaving the editor, and whatever drops its
    // content first (the lookup, Command3, rename, delete, the close request).
    void savePending();

    // Opens or closes the panel; closing remembers the selected entry in LastKat.
    void Command3_Click();
    // Selects the entry of the category, mark and letter case ignored; false
    // when there is none.
    bool selectCategory(const QString &name);

    // Rebuilds the category list with the current airport's marks, and rereads its notes.
    void ShowCategories();

    QPushButton *Command3 = nullptr;

signals:
    // A note was stored: the new title and LastDate, written already.
    void noteStored(const browser::LastUpdate &update);
    // A category was selected by the user: the title is to be brought up to date.
    void categoryShown();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The note as it was when the editor was entered, and for whom.
    struct Entered {
        QString icao;
        QString category;  // list text, mark included
        QString rtf;       // our writer's RTF of the editor's note then
        std::optional<store::MyInfoRow> loaded;  // the stored note shown then, nothing when none
    };

    void buildCategoryColumn();
    void buildNoteColumn();
    void buildToolbar();

    void listAirportCategories_Click();
    void rtfAirportinfo_GotFocus();
    void cmdListAirAdd_Click();
    void cmdListAirChange_Click();
    void cmdListAirDelete_Click();
    void toolrtf1_ButtonClick(int index);
    void showToolState();
    void followCursorFormat(const QTextCharFormat &format);
    void showStoredNote(const QString &stored);

    // Stores the note for the airport and category it was entered for, unless
    // another program changed that note meanwhile and the user declines to
    // write over it. False when nothing changed in the file and the editor
    // keeps what was typed (a failure); true when the stored note is to be
    // shown again (written, declined, or deleted meanwhile).
    bool SaveAirportInfo(const Entered &entered, const store::NoteText &note);
    void fillList(const QStringList &entries);
    // Rebuilds the list and selects the entry of the category (mark ignored), if any.
    void refill(const QString &entry);
    void selectQuietly(int row);
    [[nodiscard]] QStringList entries() const;
    [[nodiscard]] QString selectedText() const;
    void setEditable();
    // Shows a failure or a refusal; true when there was one.
    bool failed(const QString &error);
    bool refused(const store::CategoryOutcome &outcome);

    store::AirportStore &store_;
    platform::Dialogs &dialogs_;

    std::optional<QString> icao_;              // the current airport
    std::vector<store::MyInfoRow> rsInfo;      // its notes
    QString LastCategory;                      // list text of the category entered last
    std::optional<Entered> rtfCompare;         // set while the editor holds an entered note
    std::array<bool, 4> ToolState{false, true, false, false};  // bold; black, red, blue
    bool quiet_ = false;  // a selection made by the panel itself after a lookup or save: the title is written

    QLabel *Label4 = nullptr;
    QListWidget *listAirportCategories = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *tCategory = nullptr;
    QPushButton *cmdListAirAdd = nullptr;
    QPushButton *cmdListAirChange = nullptr;
    QPushButton *cmdListAirDelete = nullptr;
    QLabel *Label3 = nullptr;
    QFrame *toolrtf1 = nullptr;
    std::array<QToolButton *, 4> toolrtf1Buttons{};
    QTextEdit *rtfAirportinfo = nullptr;
    QLabel *lblAktuell = nullptr;
};

}  // namespace volmira::browser
