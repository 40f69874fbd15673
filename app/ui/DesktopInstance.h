#pragma once

#include "platform/instance/SingleInstance.h"
#include "platform/instance/TerminationRequest.h"

#include <QObject>
#include <QPointer>

#include <memory>
#include <optional>

namespace volmira::platform {
class Dialogs;
}

namespace volmira::app {

class Main;

// The desktop program's hold on its data folder. A start either hands its
// airport to the program running there and ends, or becomes that program:
// then the airports of later starts are shown in the main window, kept until
// there is one; and a SIGTERM closes the window as its close button does.
class DesktopInstance : public QObject {
    Q_OBJECT
public:
    // Nothing when this program goes on; else the exit status of this start
    // (0 handed over, 2 a code that is none, 3 the running one does not answer).
    [[nodiscard]] std::optional<int> claim(platform::Dialogs &dialogs, const QString &dataFolder, const QString &code);
    // What is brought to the front while there is no main window.
    void setSplash(QWidget *splash) { splash_ = splash; }
    // The main window is there: it shows the airport waiting for it.
    void setMain(Main &main);

private:
    void handedOver(const platform::Handover &handover);

    platform::SingleInstance instance_;
    std::unique_ptr<platform::TerminationRequest> termination_;
    QPointer<QWidget> splash_;
    QPointer<Main> main_;
    std::optional<QString> waiting_;
};

}  // namespace volmira::app
