#include "app/DesktopOptions.h"
#include "app/ui/Desktop.h"

#include <QApplication>
#include <QIcon>

// The desktop program, started by volmira-apt when it is given no command.
int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    // Wayland takes the menu entry's name from here; X11 takes the window class
    // from the application name ("Volmira APT"), which the entry's
    // StartupWMClass names. Either way the desktop shows the entry's icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.volmira.apt"));
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/example.volmira.apt-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    return volmira::app::runDesktop(
        volmira::platform::readCommandLine(QApplication::arguments(), volmira::app::kDesktopOptions));
}
