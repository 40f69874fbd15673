#include "app/ui/Desktop.h"
#include "cli/Cli.h"
#include "cli/Options.h"

#include <QApplication>
#include <QCoreApplication>

int main(int argc, char *argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const volmira::cli::Options options = volmira::cli::parseOptions(arguments);
    // A command (or --help, or a faulty line) runs headless; nothing starts the desktop.
    if (!options.command.isEmpty() || options.help || !options.error.isEmpty()) {
        QCoreApplication app(argc, argv);
        return volmira::cli::run(QCoreApplication::arguments());
    }
    QApplication app(argc, argv);
    return volmira::app::runDesktop(options);
}
