#include "cli/Cli.h"
#include "cli/Options.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <unistd.h>

#include <vector>

namespace {

// The desktop program is an executable of its own beside this one: the
// commands then start without loading the windowing libraries, which took
// more time than a whole lookup. So is the printed list, which needs Qt Gui.
constexpr const char *kDesktopProgram = "volmira-apt-desktop";
constexpr const char *kPrintProgram = "volmira-apt-print";

// Runs the program beside this one in this process's place, with the same arguments.
int startBeside(const char *program, char *argv[]) {
    const QByteArray path = QDir(QCoreApplication::applicationDirPath()).filePath(program).toLocal8Bit();
    std::vector<char *> arguments{const_cast<char *>(path.constData())};
    for (char **argument = argv + 1; *argument; ++argument) arguments.push_back(*argument);
    arguments.push_back(nullptr);
    execv(path.constData(), arguments.data());
    QTextStream(stderr) << "Das Programm " << QString::fromLocal8Bit(path) << " kann nicht gestartet werden."
                        << Qt::endl;
    return 3;
}

}  // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const volmira::cli::Options options = volmira::cli::parseOptions(QCoreApplication::arguments());
    // A command (or --help, or a faulty line) runs headless; without one the desktop program starts.
    if (!options.help && options.error.isEmpty()) {
        if (options.command.isEmpty()) return startBeside(kDesktopProgram, argv);
        if (options.command == QLatin1String("print")) return startBeside(kPrintProgram, argv);
    }
    return volmira::cli::run(QCoreApplication::arguments());
}
