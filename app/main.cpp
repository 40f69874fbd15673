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
// lookup. It lies beside this one in a build folder, in libexec/volmira-apt/
// of the prefix in an installation.
constexpr const char *kDesktopProgram = "volmira-apt-desktop";

QString desktopProgram() {
    const QDir exe(QCoreApplication::applicationDirPath());
    const QString installed =
        QDir::cleanPath(exe.filePath(QStringLiteral("../libexec/volmira-apt/") + kDesktopProgram));
    const QString beside = exe.filePath(kDesktopProgram);
    return QFileInfo(beside).isExecutable() || !QFileInfo(installed).isExecutable() ? beside : installed;
}

int startDesktop(char *argv[]) {
    const QByteArray path = desktopProgram().toLocal8Bit();
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
    if (options.command.isEmpty() && !options.help && options.error.isEmpty()) return startDesktop(argv);
    return volmira::cli::run(QCoreApplication::arguments());
}
