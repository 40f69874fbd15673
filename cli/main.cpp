#include "cli/Cli.h"
#include "cli/CommandTable.h"
#include "cli/Session.h"
#include "platform/DataFolder.h"

#include <QDir>
#include <QFileInfo>

#include <unistd.h>

#include <cstdio>
#include <vector>

namespace {

// The desktop program is an executable of its own: the commands then start
// without loading the windowing libraries, which took more time than a whole
// lookup. So is the printed list, which needs Qt Gui. Both lie beside this one
// in a build folder, in libexec/volmira-apt/ of the prefix in an installation.
QString helperProgram(const char *program) {
    const QDir exe(volmira::platform::programFolder());
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
    volmira::cli::err() << "Das Programm " << QString::fromLocal8Bit(path) << " kann nicht gestartet werden."
                        << Qt::endl;
    return 3;
}

}  // namespace

// No application object: no command runs an event loop, and making one (the
// C locale from the environment, the event dispatcher) cost more than the
// statements of a lookup.
int main(int argc, char *argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    // A line the table refuses, --help, or a command of this program runs here;
    // without a command the desktop program starts.
    const volmira::cli::Call call = volmira::cli::readCall(arguments);
    if (call.form && call.form->program && !call.options.help) return startHelper(call.form->program, argv);
    const int status = volmira::cli::run(call);
    // The command has closed its file and written all it writes: the libraries'
    // clean-up at exit (OpenSSL's, Qt's) would only cost time.
    volmira::cli::out().flush();
    volmira::cli::err().flush();
    std::fflush(nullptr);
    _exit(status);
}
