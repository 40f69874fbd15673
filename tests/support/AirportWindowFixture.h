#pragma once

#include "browser/ui/frmAirport.h"
#include "support/Files.h"
#include "support/SampleAirports.h"
#include "support/WidgetTest.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <memory>

namespace volmira::test {

// The airport window over the sample airports, opening on Frankfurt.
class AirportWindowTest : public WidgetTest {
protected:
    void SetUp() override {
        addSampleAirports(t);
        writeFile(aptCrmPath(), "\"EDDF\"\r\n");
    }

    QString aptCrmPath() const { return QDir(t.folder()).filePath("Apt.crm"); }
    QByteArray aptCrm() const { return readFile(aptCrmPath()); }

    // Builds, loads and shows the window, as the main window does.
    browser::frmAirport &open() {
        window = std::make_unique<browser::frmAirport>(*t.store, dialogs, t.folder());
        titles = std::make_unique<QSignalSpy>(window.get(), &browser::frmAirport::titleChanged);
        window->load();
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *window;
    }

    template <typename Widget = QWidget>
    Widget *control(const char *name) const {
        auto *widget = window->findChild<Widget *>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit *field(int index) const {
        return control<QLineEdit>(QStringLiteral("tData(%1)").arg(index).toLatin1().constData());
    }
    QString shownIcao() const { return field(4)->text(); }
    QTableView *grid(const char *name) const { return control<QTableView>(name); }
    QLineEdit *quickfind() const { return control<QLineEdit>("tQuickfind"); }
    QTableView *list() const { return grid("gridAirports"); }

    // QTest::keyClicks knows ASCII only; umlauts go as their Latin-1 key codes.
    static void type(QWidget *widget, const QString &text) {
        for (const QChar c : text) {
            if (c.unicode() < 0x80)
                QTest::keyClick(widget, char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
        }
    }

    // Types into tAirport as the user does: replace the text, then Enter.
    void enterCode(const QString &text) {
        window->tAirport->clear();
        type(window->tAirport, text);
        QTest::keyClick(window->tAirport, Qt::Key_Return);
    }

    std::unique_ptr<browser::frmAirport> window;
    std::unique_ptr<QSignalSpy> titles;
};

}  // namespace volmira::test
