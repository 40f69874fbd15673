#include "browser/ui/frmAirportinfo.h"

#include "browser/AirportLookup.h"
#include "browser/NoteActions.h"
#include "browser/NotePanel.h"
#include "browser/ui/NoteDocument.h"
#include "browser/ui/WriteAsking.h"
#include "store/Rtf.h"

#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>

#include <algorithm>
#include <utility>

namespace volmira::browser {

namespace {

const QString kErrorTitle = QStringLiteral("Datenfehler");
const QString kRenamePrompt = QStringLiteral("Kategorie ändern.");
const QString kRenameTitle = QStringLiteral("Kategorie ändern");

// Black, red and blue of the toolbar's buttons 2 to 4.
const std::array<QColor, 3> kToolColours{QColor(0, 0, 0), QColor(0xFF, 0, 0), QColor(0, 0, 0xFF)};

// A context menu or another window taking the focus for a while is no leave:
// the editor gets it back with the note unchanged.
bool isLeave(const QFocusEvent *event) {
    return event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason;
}

}  // namespace

void frmAirportinfo::clearAirport() {
    savePending();
    icao_.reset();
    rsInfo.clear();
    rtfAirportinfo->clear();
    lblAktuell->clear();
    // Marks of no airport would be false.
    QStringList unmarked;
    for (const QString &entry : entries()) unmarked << categoryOf(entry);
    fillList(unmarked);
}

void frmAirportinfo::showAirport(const AirportView &view) {
    icao_ = view.airport.ICAO;
    rsInfo = view.notes;
    fillList(view.categories);
    lblAktuell->clear();
    if (view.lastKatEntry >= 0) selectQuietly(view.lastKatEntry);
    // A lookup from elsewhere while the note was being edited: the editor now holds this airport's note.
    if (rtfAirportinfo->hasFocus()) rtfAirportinfo_GotFocus();
}

void frmAirportinfo::savePending() {
    if (!rtfCompare) return;
    const Entered entered = *std::exchange(rtfCompare, std::nullopt);
    const store::NoteText note = noteOf(*rtfAirportinfo->document());
    if (store::writeRtf(note) == entered.rtf || !SaveAirportInfo(entered, note)) return;
    // The stored note is shown again, under its entry marked or unmarked now.
    if (icao_ == entered.icao) refill(entered.category);
}

void frmAirportinfo::Command3_Click() {
    if (isHidden()) {
        show();
        Command3->setText(QStringLiteral("APT Info schliessen"));
        return;
    }
    savePending();
    hide();
    Command3->setText(QStringLiteral("APT Info zeigen"));
    // Without an airport or a category there is nothing to remember.
    if (icao_ && listAirportCategories->count() > 0) failed(store_.notes.setLastKat(*icao_, selectedText()).error());
}

bool frmAirportinfo::selectCategory(const QString &name) {
    const int row = findCategoryEntry(entries(), name);
    if (row < 0) return false;
    listAirportCategories->setCurrentRow(row);
    return true;
}

void frmAirportinfo::ShowCategories() {
    platform::Result<AirportNotes> read = readAirportNotes(store_, icao_.value_or(QString()));
    if (failed(read.error())) return;
    rsInfo = std::move(read->notes);
    fillList(read->categories);
}

void frmAirportinfo::fillList(const QStringList &texts) {
    listAirportCategories->clear();
    listAirportCategories->addItems(texts);
    setEditable();
}

void frmAirportinfo::refill(const QString &entry) {
    ShowCategories();
    const int row = findCategoryEntry(entries(), entry);
    if (row >= 0) selectQuietly(row);
}

void frmAirportinfo::selectQuietly(int row) {
    quiet_ = true;
    listAirportCategories->setCurrentRow(row);
    quiet_ = false;
}

void frmAirportinfo::listAirportCategories_Click() {
    const QString entry = selectedText();
    if (entry.isEmpty()) return;
    const store::MyInfoRow *row = icao_ ? noteOf(rsInfo, entry) : nullptr;
    if (!row) {
        rtfAirportinfo->clear();
        lblAktuell->clear();
        return;
    }
    showStoredNote(row->MyInfo);
    lblAktuell->setText(lblAktuellText(row->Date, row->Time));
    if (!quiet_) emit categoryShown();
}

// A note filled into a document of its own and then handed to the editor is
// laid out a screen at a time, the rest while the window waits for input;
// filled in place, a long note would be laid out whole before it shows.
void frmAirportinfo::showStoredNote(const QString &stored) {
    auto *document = new QTextDocument(rtfAirportinfo);
    browser::showNote(*document, store::readNote(stored));
    // The editor's first document is its own and goes with the change; the later ones are ours.
    QTextDocument *shown = rtfAirportinfo->document();
    const bool ours = shown->parent() == rtfAirportinfo;
    rtfAirportinfo->setDocument(document);
    if (ours) delete shown;
}

void frmAirportinfo::rtfAirportinfo_GotFocus() {
    if (!icao_ || listAirportCategories->count() == 0) return;
    if (listAirportCategories->currentRow() < 0)
        listAirportCategories->setCurrentRow(std::max(0, findCategoryEntry(entries(), LastCategory)));
    LastCategory = selectedText();
    const store::MyInfoRow *shown = noteOf(rsInfo, LastCategory);
    rtfCompare = Entered{*icao_, LastCategory, store::writeRtf(noteOf(*rtfAirportinfo->document())),
                         shown ? std::optional(*shown) : std::nullopt};
}

bool frmAirportinfo::SaveAirportInfo(const Entered &entered, const store::NoteText &note) {
    const auto saved = writeAsking(this, dialogs_, entered.loaded, [&](const std::optional<store::MyInfoRow> &loaded) {
        return saveNote(store_, entered.icao, entered.category, note, store::stampOf(loaded));
    });
    if (failed(saved.error())) return false;
    if (const auto *other = std::get_if<store::Meanwhile<store::MyInfoRow>>(&*saved)) {
        if (!other->stored) failed(kNoteVanishedMessage.toString());
        return true;
    }
    emit noteStored(std::get<SavedNote>(*saved).lastUpdate);
    return true;
}

void frmAirportinfo::cmdListAirAdd_Click() {
    savePending();
    const QString name = tCategory->text();
    if (name.isEmpty() || refused(store_.notes.addCategory(name))) return;
    tCategory->clear();
    refill(selectedText());
}

void frmAirportinfo::cmdListAirChange_Click() {
    savePending();
    const QString entry = selectedText();
    if (entry.isEmpty()) return;
    const QString old = categoryOf(entry);
    // The new name is the input box's; "Neue Kategorie" belongs to adding and
    // is left empty whatever the rename's outcome, so that Enter there cannot
    // add a refused name.
    const QString answer = dialogs_.input(this, kRenameTitle, kRenamePrompt, old).value_or(QString()).trimmed();
    tCategory->clear();
    if (answer.isEmpty() || refused(store_.notes.renameCategory(old, answer))) return;
    if (findCategoryEntry({old}, LastCategory) == 0) LastCategory = answer;
    refill(answer);
}

void frmAirportinfo::cmdListAirDelete_Click() {
    savePending();
    if (listAirportCategories->count() == 0) return;
    const QString name = categoryOf(selectedText());
    const platform::Result<std::optional<QString>> found = store_.notes.findCategory(name);
    if (failed(found.error())) return;
    // The store refuses a missing category with the message for it.
    if (!*found) {
        refused(store_.notes.deleteCategory(name));
        return;
    }
    // Enter keeps the category and its notes.
    const platform::Dialogs::Answer answer = dialogs_.ask(this, kDeleteCategoryTitle.toString(),
                                                          kDeleteCategoryQuestion.toString(),
                                                          platform::Dialogs::Answer::No);
    if (answer != platform::Dialogs::Answer::Yes) return;
    if (refused(store_.notes.deleteCategory(name))) return;
    tCategory->clear();
    rtfAirportinfo->clear();
    lblAktuell->clear();
    // With the marks: a list without them would say the airport has no notes.
    ShowCategories();
    if (listAirportCategories->count() > 0) listAirportCategories->setCurrentRow(0);
}

void frmAirportinfo::toolrtf1_ButtonClick(int index) {
    QTextCharFormat format;
    if (index == 1) {
        ToolState[0] = !ToolState[0];
        format.setFontWeight(ToolState[0] ? QFont::Bold : QFont::Normal);
    } else {
        for (int i = 1; i <= 3; ++i) ToolState[i] = i == index - 1;
        format.setForeground(kToolColours[index - 2]);
    }
    // The selection, or what is typed next.
    rtfAirportinfo->mergeCurrentCharFormat(format);
    showToolState();
}

// Typing takes the format at the cursor: the toolbar shows that one, not the
// last buttons clicked. A colour other than red or blue reads as black.
void frmAirportinfo::followCursorFormat(const QTextCharFormat &format) {
    ToolState[0] = format.fontWeight() >= QFont::Bold;
    const QColor colour = format.foreground().color();
    ToolState[2] = colour == kToolColours[1];
    ToolState[3] = colour == kToolColours[2];
    ToolState[1] = !ToolState[2] && !ToolState[3];
    showToolState();
}

void frmAirportinfo::showToolState() {
    for (int i = 0; i < 4; ++i) toolrtf1Buttons[i]->setChecked(ToolState[i]);
}

QStringList frmAirportinfo::entries() const {
    QStringList texts;
    for (int i = 0; i < listAirportCategories->count(); ++i) texts << listAirportCategories->item(i)->text();
    return texts;
}

QString frmAirportinfo::selectedText() const {
    const QListWidgetItem *item = listAirportCategories->currentItem();
    return item ? item->text() : QString();
}

// No airport, or no category a note could belong to: nothing to type a note into.
void frmAirportinfo::setEditable() {
    const bool editable = icao_ && listAirportCategories->count() > 0;
    rtfAirportinfo->setReadOnly(!editable);
    toolrtf1->setEnabled(editable);
}

bool frmAirportinfo::failed(const QString &error) {
    if (error.isEmpty()) return false;
    dialogs_.inform(this, kErrorTitle, error);
    return true;
}

bool frmAirportinfo::refused(const store::CategoryOutcome &outcome) {
    if (failed(outcome.error())) return true;
    if (!*outcome) return false;
    dialogs_.inform(this, (*outcome)->title, (*outcome)->message);
    return true;
}

bool frmAirportinfo::eventFilter(QObject *watched, QEvent *event) {
    if (watched == rtfAirportinfo) {
        // A focus coming back without a leave keeps the entry and its compare copy.
        if (event->type() == QEvent::FocusIn && !rtfCompare) rtfAirportinfo_GotFocus();
        // Leaving the editor stores a change.
        if (event->type() == QEvent::FocusOut && isLeave(static_cast<QFocusEvent *>(event))) savePending();
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace volmira::browser
