#include "cli/CommandTable.h"
#include "cli/Session.h"
#include "cli/print/PrintCommand.h"

#include <QGuiApplication>

// The printed list's program, started by volmira-apt for its `print` and `map print` commands:
// the fonts and the PDF need Qt Gui, which the other commands do without.
// It needs no display: the offscreen platform unless another one is asked for.
int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const volmira::cli::Call call = volmira::cli::readCall(QGuiApplication::arguments());
    if (!call.options.error.isEmpty()) {
        volmira::cli::err() << call.options.error << "\n\n" << call.usage << Qt::flush;
        return volmira::cli::kUsage;
    }
    if (call.form && QLatin1String(call.form->name) == QLatin1String("map"))
        return volmira::cli::mapPrintCommand(call.options);
    return volmira::cli::printCommand(call.options);
}
