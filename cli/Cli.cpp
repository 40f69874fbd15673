#include "cli/Cli.h"

#include "cli/CommandTable.h"
#include "cli/Session.h"

namespace volmira::cli {

int run(const Call &call) {
    if (!call.options.error.isEmpty()) {
        err() << call.options.error << "\n\n" << call.usage << Qt::flush;
        return kUsage;
    }
    if (call.options.help) {
        out() << helpText() << Qt::flush;
        return kDone;
    }
    if (!call.form->run) {
        err() << QStringLiteral("Das Programm %1 führt diesen Befehl aus.").arg(QLatin1String(call.form->program))
              << Qt::endl;
        return kUsage;
    }
    return call.form->run(call.options);
}

}  // namespace volmira::cli
