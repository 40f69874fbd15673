#include "cli/Cli.h"
#include "cli/Options.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <unistd.h>

#include <vector>

namespace {

// The desktop program is an executable of its own: the commands then start
// without loading the windowing libraries, which took more time than a whole
// lookup. So is the printed list, which needs Qt Gui. Both lie beside this one
// in a build folder, in libexec/volmira-apt/ of the prefix in an installation.
constexpr const char *kDesktopProgram = "volmira-apt-desktop";
constexpr const char *kPrintProgram = "volmira-apt-print";

QString helperProgram(const char *program) {
    const QDir exe(QCoreApplication::applicationDirPath());
    const QString beside = exe.filePath(program);
    const QString installed = QDir::cleanPath(exe.filePath(QStringLiteral("../libexec/volmira-apt/") + program));
    return QFileInfo(beside).isExecutable() || !QFileInfo(installed).isExecutable() ? beside : installed;
}

// Runs the helper program in this process's place, with the same arguments.
int startHelper(const char *program, char *argv[]) {
    const QByteArray path = helperProgram(program).toLocal8Bit();
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
        if (options.command.isEmpty()) return startHelper(kDesktopProgram, argv);
        if (options.command == QLatin1String("print")) return startHelper(kPrintProgram, argv);
    }
    return volmira::cli::run(QCoreApplication::arguments());
}
