#include "app/ui/frmSplash.h"

#include "app/MapFolders.h"
#include "app/StartupUpdate.h"
#include "platform/Dialogs.h"
#include "platform/VersionSource.h"
#include "platform/ui/Widgets.h"
#include "store/AirportStore.h"

#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QVBoxLayout>

#include "Version.h"

namespace volmira::app {

namespace {

// A centred line of the splash in its own type size.
QLabel *splashLabel(QWidget *parent, const char *name, const QString &text, int pointSize, bool bold = false) {
    QLabel *l = platform::label(parent, QString::fromLatin1(name), text);
    platform::setFontSize(l, pointSize, bold);
    l->setAlignment(Qt::AlignHCenter);
    return l;
}

}  // namespace

frmSplash::frmSplash(store::AirportStore &store, platform::Dialogs &dialogs, platform::VersionSource &versions,
                     const QString &dataFolder, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), store_(store), dialogs_(dialogs),
      dataFolder_(dataFolder) {
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(480, 300);

    Frame1 = platform::named<QFrame>(this, QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setStyleSheet(QStringLiteral("#Frame1 { background: #fffff0; border: 2px solid #3a5a8c; }"));
    Frame1->installEventFilter(this);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(Frame1);

    Picture1 = splashLabel(Frame1, "Picture1", QStringLiteral("\u2708"), 40);
    Picture1->setStyleSheet(QStringLiteral("color: #3a5a8c;"));
    lblProductName = splashLabel(Frame1, "lblProductName", QStringLiteral("Volmira APT"), 24, true);
    Label1 = splashLabel(Frame1, "Label1", QStringLiteral("Airport Organizing Software"), 12);
    lblCompanyProduct = splashLabel(Frame1, "lblCompanyProduct", QStringLiteral("Volmira"), 10);
    Label2 = splashLabel(Frame1, "Label2", QString(), 4);
    Label2->setFixedHeight(2);
    Label2->setStyleSheet(QStringLiteral("background: #3a5a8c;"));
    lblVersion = splashLabel(Frame1, "lblVersion", QStringLiteral("Version"), 10);
    lblVMUpdate = splashLabel(Frame1, "lblVMUpdate", QStringLiteral("Volmira Update vorhanden"), 10, true);
    lblDBUpdate = splashLabel(Frame1, "lblDBUpdate", QStringLiteral("Datenbank Update vorhanden"), 10, true);
    progbar = platform::named<QProgressBar>(Frame1, QStringLiteral("progbar"));
    progbar->setRange(0, 100);

    auto *layout = new QVBoxLayout(Frame1);
    layout->setContentsMargins(24, 16, 24, 16);
    for (QWidget *w : std::initializer_list<QWidget *>{Picture1, lblProductName, Label1, Label2, lblCompanyProduct,
                                                       lblVersion, lblVMUpdate, lblDBUpdate, progbar})
        layout->addWidget(w);
    layout->addStretch();

    Timer1.setObjectName(QStringLiteral("Timer1"));
    connect(&Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    load(versions);
}

void frmSplash::load(platform::VersionSource &versions) {
    Timer1.start(2000);
    lblVersion->setText(QStringLiteral("Version ") + QString::fromLatin1(kProgramVersion));
    QDir::setCurrent(dataFolder_);
    if (const FolderResult folders = createMapFolders(dataFolder_); !folders.error.isEmpty())
        dialogs_.inform(this, QStringLiteral("Fehler"), folders.error);
    CheckVersions(versions);
}

void frmSplash::CheckVersions(platform::VersionSource &versions) {
    const std::optional<store::VersionRow> installed = store_.lists.version().value();
    versions_ = checkVersions(QString::fromLatin1(kProgramVersion), installed ? installed->DatabaseVersion : QString(),
                              versions.fetch());
    UpdateAvailable = versions_.updateAvailable();
    lblVMUpdate->setVisible(versions_.programUpdate);
    lblDBUpdate->setVisible(versions_.dataUpdate);
}

// The activation step runs once the window has been painted, so that the
// splash stands behind the update message and its progress bar can repaint
// while the import keeps the event loop waiting.
void frmSplash::paintEvent(QPaintEvent *event) {
    QWidget::paintEvent(event);
    if (!activationQueued_) {
        activationQueued_ = true;
        QTimer::singleShot(0, this, &frmSplash::activate);
    }
}

void frmSplash::activate() {
    activated_ = true;
    progbar->hide();
    if (const platform::Result<> written = store_.edits.setProgramVersion(QString::fromLatin1(kProgramVersion));
        !written)
        dialogs_.inform(this, QStringLiteral("Fehler"),
                        QStringLiteral("Die Programmversion konnte nicht in die Datenbank geschrieben werden: ") +
                            written.error());
    if (updateFileExists(dataFolder_)) importShippedUpdate();
}

// Runs while the progress bar shows, so that a tick of Timer1 in between only
// re-arms the timer: the hand-over waits for the import and its clean-up.
void frmSplash::importShippedUpdate() {
    progbar->setValue(0);
    progbar->show();
    dialogs_.inform(this, QString(),
                    QStringLiteral("Es wurde ein Update für die Datenbank gefunden. Die Datenbank wird aktualisert"));
    repaint();  // the import does not return to the event loop: clear where the message stood now
    const StartupUpdateResult result =
        runStartupUpdate(store_, dataFolder_, versions_.onlineDataVersion.value_or(QString()),
                         [this](int percent) { progbar->setValue(percent); });
    if (!result.error.isEmpty()) dialogs_.inform(this, QString(), result.error);
    if (!result.warning.isEmpty()) dialogs_.inform(this, QString(), result.warning);
    UpdateAvailable = false;
    progbar->hide();
}

void frmSplash::Timer1_Timer() {
    // While the progress bar shows, an update import is running: wait for the next tick.
    if (isVisible() && progbar->isHidden())
        handOver();
    else
        Timer1.start(2000);
}

bool frmSplash::eventFilter(QObject *watched, QEvent *event) {
    if (watched == Frame1 && event->type() == QEvent::MouseButtonRelease) {
        handOver();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmSplash::handOver() {
    if (handedOver_) return;
    handedOver_ = true;
    Timer1.stop();
    close();
    emit handedOver();
}

}  // namespace volmira::app
