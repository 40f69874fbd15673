#pragma once

#include "platform/Dialogs.h"
#include "platform/Shell.h"
#include "support/QtPrinters.h"
#include "support/TempDatabase.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace volmira::test {

// A window test: the application, an empty database, and dialogs and a shell that only record.
class WidgetTest : public ::testing::Test {
protected:
    // One QApplication per program on the offscreen platform, never destroyed:
    // tearing Qt's widget state down after GoogleTest has finished crashes.
    WidgetTest() {
        static int argc = 1;
        static char name[] = "widget_tests";
        static char *argv[] = {name, nullptr};
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        if (!QApplication::instance()) new QApplication(argc, argv);
    }
    TempDatabase t;
    platform::FakeDialogs dialogs;
    platform::FakeShell shell;
};

}  // namespace volmira::test
