#pragma once

#include <QApplication>

namespace volmira::test {

// The one QApplication of a widget test program, made on first use on the
// offscreen platform. It is never destroyed: tearing Qt's widget state down
// in the exit handlers, after GoogleTest has finished, crashes.
inline void ensureWidgetApplication() {
    static int argc = 1;
    static char name[] = "widget_tests";
    static char *argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!QApplication::instance()) new QApplication(argc, argv);
}

}  // namespace volmira::test
