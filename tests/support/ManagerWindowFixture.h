#pragma once

#include "browser/ui/frmAirport.h"
#include "manager/ui/frmDatabase.h"
#include "support/SampleAirports.h"
#include "support/WidgetTest.h"

#include <QLabel>
#include <QTableView>
#include <QTest>

#include <memory>

namespace volmira::test {

// The database manager over the sample airports with their countries, beside
// an airport window that shows `shown` (nothing when empty).
class ManagerWindowTest : public WidgetTest {
protected:
    void SetUp() override {
        addSampleAirports(t);
        for (const auto &[prefix, name] : {std::pair{"ED", "Deutschland"}, {"ET", "Militär"}, {"LI", "Italien"}})
            expectOk(t.store->edits.insertCountry({prefix, name}).error());
        // The lengths the filter reads, as the runways would have set them.
        expectOk(t.db.exec("UPDATE ARPT SET RwyALen = CASE WHEN ICAO IN ('EDKO', 'ZZZ') THEN 0 ELSE 1000 END, RwyGLen "
                           "= CASE WHEN ICAO IN ('EDKO', 'EDKA', 'ZZZ') THEN 600 ELSE 0 END").error());
    }

    // `dataFolder`: where cmdSend writes export.crm (default: the database's folder).
    manager::frmDatabase &open(const QString &shown, const QString &dataFolder = {}) {
        window.reset();  // a running upload ends before the services change
        airport = std::make_unique<browser::frmAirport>(*t.store, dialogs, t.folder());
        airport->load();
        shown.isEmpty() ? airport->clearAirport() : airport->showAirportByIcao(shown);
        dialogs.shown.clear();  // the airport window's own start
        window = std::make_unique<manager::frmDatabase>(*t.store, dialogs,
                                                        manager::SendServices{*transfer, shell, t.clock, send},
                                                        dataFolder.isEmpty() ? t.folder() : dataFolder, *airport);
        window->resize(1100, 650);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->activate();
        return *window;
    }

    QString country() const { return window->gridLand->currentIndex().siblingAtColumn(1).data().toString(); }
    // The codes of a list, in its order.
    static QStringList codes(const QTableView *grid) {
        QStringList shown;
        for (int r = 0; r < grid->model()->rowCount(); ++r) shown << grid->model()->index(r, 0).data().toString();
        return shown;
    }

    // cmdSend uploads through `transfer`: the scripted one unless a test sets another.
    platform::ScriptedTransfer scripted;
    platform::Transfer *transfer = &scripted;
    manager::SendSettings send{QStringLiteral("ftp://127.0.0.1:9"), QStringLiteral("volmira-apt"),
                               QStringLiteral("harrier77"), QStringLiteral("support@volmira.example")};

    std::unique_ptr<browser::frmAirport> airport;
    std::unique_ptr<manager::frmDatabase> window;
};

}  // namespace volmira::test
