#include "app/ui/DesktopInstance.h"

#include "app/ui/Main.h"
#include "platform/Dialogs.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

namespace volmira::app {

std::optional<int> DesktopInstance::claim(platform::Dialogs &dialogs, const QString &dataFolder, const QString &code) {
    if (!code.isEmpty() && !platform::isHandoverCode(code)) {
        QTextStream(stderr) << "Der Code " << code << " ist kein ICAO- oder IATA-Code." << Qt::endl;
        return 2;
    }
    // Made first, so that the folder and a link to it give one key.
    QDir().mkpath(dataFolder);
    const platform::Result<platform::SingleInstance::Claim> claimed = instance_.claim(dataFolder, {code});
    if (!claimed) {
        dialogs.inform(nullptr, QStringLiteral("Fehler"), claimed.error());
        return 3;
    }
    if (*claimed == platform::SingleInstance::Claim::HandedOver) return 0;
    if (!code.isEmpty()) waiting_ = code;
    connect(&instance_, &platform::SingleInstance::handedOver, this, &DesktopInstance::handedOver);
    termination_ = std::make_unique<platform::TerminationRequest>();
    connect(termination_.get(), &platform::TerminationRequest::requested, this, [this] {
        if (!main_) return termination_->endAsUnhandled();
        main_->close();
        // Also ends an open dialog's loop.
        QCoreApplication::exit(0);
    });
    return std::nullopt;
}

void DesktopInstance::setMain(Main &main) {
    main_ = &main;
    if (waiting_) main.showHandedOver(*std::exchange(waiting_, std::nullopt));
}

void DesktopInstance::handedOver(const platform::Handover &handover) {
    if (main_) return main_->showHandedOver(handover.code);
    // The last start's airport wins; one that names none keeps what waits.
    if (!handover.code.isEmpty()) waiting_ = handover.code;
    if (splash_) {
        splash_->raise();
        splash_->activateWindow();
    }
}

}  // namespace volmira::app
