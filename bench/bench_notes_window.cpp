// The note panel driven through its real widgets on the offscreen platform, on
// a copy of the shipped database with a 2 KB RTF note in "Kontakt" at every
// airport and "*Kontakt" remembered as LastKat: a lookup by Enter until the
// note shows, a click on a category, a leave with a change until list and
// title are rebuilt (the commit included), and a 1 MB note shown.
#include "bench/Offscreen.h"
#include "bench/ShippedCopy.h"
#include "browser/ui/frmAirport.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "store/AirportStore.h"
#include "store/Database.h"
#include "store/NoteIndex.h"
#include "store/Rtf.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

using namespace volmira;

namespace {

// Lines with bold and coloured words and a tab, until the RTF holds `bytes`;
// a quarter more lines each round keeps the building short for a large note.
QString rtfNote(qsizetype bytes) {
    for (int lines = 1;; lines += std::max(1, lines / 4)) {
        store::NoteBuilder note;
        for (int line = 0; line < lines; ++line) {
            note.add(QStringLiteral("Zeile %1: Tankstelle ").arg(line), false, {});
            note.add(QStringLiteral("Müller"), true, {});
            note.add(QStringLiteral("\tJet A1, AvGas 100LL "), false, platform::Rgb{255, 0, 0});
            note.add(QStringLiteral("Mo-Fr 08-18 Uhr"), false, platform::Rgb{0, 0, 255});
            note.endParagraph();
        }
        if (QString rtf = store::writeRtf(note.finish()); rtf.size() >= bytes) return rtf;
    }
}

void require(bool ok) {
    if (!ok) std::abort();
}

struct Window : bench::ShippedCopy {
    platform::FakeDialogs dialogs;
    std::unique_ptr<browser::frmAirport> window;
    QListWidget *list = nullptr;
    QTextEdit *editor = nullptr;
    QLineEdit *tCategory = nullptr;

    Window() {
        fillNotes();
        window = std::make_unique<browser::frmAirport>(*airports, dialogs, dir.path());
        window->resize(1100, 650);
        window->show();
        window->activateWindow();
        require(QTest::qWaitForWindowActive(window.get()));
        window->load();
        list = window->findChild<QListWidget *>("listAirportCategories");
        editor = window->findChild<QTextEdit *>("rtfAirportinfo");
        tCategory = window->findChild<QLineEdit *>("tCategory");
        require(list && editor && tCategory);
        QTest::mouseClick(window->findChild<QPushButton *>("Command3"), Qt::LeftButton);
    }

    void fillNotes() {
        const QString note = rtfNote(2048);
        const QString print = store::printInfo(store::readRtf(note));
        store::Transaction transaction(db);
        require(db.prepare("INSERT INTO MyInfo (ICAO, Category, MyInfo, PrintInfo, Date, Time) "
                           "SELECT ICAO, 'Kontakt', ?, ?, '2026-01-02', '08:00:00' FROM ARPT")
                    .bind(1, note)
                    .bind(2, print)
                    .run()
                    .ok());
        require(db.exec("UPDATE ARPT SET LastKat = '*Kontakt'").ok());
        require(store::indexAllNotes(db).ok());
        require(transaction.commit().ok());
    }

    void lookUp(const char *code) {
        window->tAirport->setText(QString::fromLatin1(code));
        QTest::keyClick(window->tAirport, Qt::Key_Return);
    }
    void click(const QString &entry) {
        const QList<QListWidgetItem *> found = list->findItems(entry, Qt::MatchExactly);
        require(!found.isEmpty());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found[0]).center());
    }
};

// Made on first use; main destroys it before the application object.
std::unique_ptr<Window> theWindow;

Window &window() {
    if (!theWindow) theWindow = std::make_unique<Window>();
    return *theWindow;
}

const char *const kCodes[] = {"EDDF", "EDHN", "KJFK", "YSSY", "LFPG", "EGLL", "EDLE", "LOWW"};

void LookupUntilTheLastKatNoteShows(benchmark::State &state) {
    Window &w = window();
    std::size_t i = 0;
    for (auto _ : state) w.lookUp(kCodes[i++ % std::size(kCodes)]);
    require(w.editor->toPlainText().startsWith(QStringLiteral("Zeile 0")));
}
BENCHMARK(LookupUntilTheLastKatNoteShows)->Unit(benchmark::kMillisecond);

void CategoryClick(benchmark::State &state) {
    Window &w = window();
    w.lookUp("EDDF");
    std::size_t i = 0;
    for (auto _ : state) w.click(i++ % 2 ? QStringLiteral("*Kontakt") : QStringLiteral("Allgemein"));
}
BENCHMARK(CategoryClick)->Unit(benchmark::kMillisecond);

void LeaveWithAChange(benchmark::State &state) {
    Window &w = window();
    w.lookUp("EDDF");
    for (auto _ : state) {
        state.PauseTiming();
        w.editor->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(w.editor, Qt::Key_X);
        state.ResumeTiming();
        w.tCategory->setFocus(Qt::MouseFocusReason);
    }
    require(w.list->currentItem()->text() == QStringLiteral("*Kontakt"));
}
BENCHMARK(LeaveWithAChange)->Unit(benchmark::kMillisecond);

void OneMegabyteNoteShown(benchmark::State &state) {
    Window &w = window();
    const QString big = rtfNote(1 << 20);
    require(w.airports->notes.save("EDDF", "Tanken", big, store::printInfo(store::readRtf(big))).ok());
    w.lookUp("EDDF");
    for (auto _ : state) {
        state.PauseTiming();
        w.click(QStringLiteral("Allgemein"));
        state.ResumeTiming();
        w.click(QStringLiteral("*Tanken"));
    }
    state.SetBytesProcessed(state.iterations() * big.size());
}
BENCHMARK(OneMegabyteNoteShown)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv) { return volmira::bench::runOffscreen(argc, argv, theWindow); }
