#include "cli/Cli.h"
#include "cli/CommandTable.h"

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
    // A line the table refuses, --help, or a command of this program runs here;
    // without a command the desktop program starts.
    const volmira::cli::Call call = volmira::cli::readCall(QCoreApplication::arguments());
    if (call.form && call.form->program && !call.options.help) return startHelper(call.form->program, argv);
    return volmira::cli::run(call);
}
