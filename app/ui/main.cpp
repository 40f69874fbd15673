#include "app/ui/Desktop.h"
#include "cli/Options.h"

#include <QApplication>

// The desktop program, started by volmira-apt when it is given no command.
int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    return volmira::app::runDesktop(volmira::cli::parseOptions(QApplication::arguments()));
}
