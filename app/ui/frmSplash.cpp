#include "app/ui/frmSplash.h"

#include "app/MapFolders.h"
#include "app/StartupCheck.h"
#include "app/StartupUpdate.h"
#include "platform/Dialogs.h"
#include "platform/Twips.h"
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

// Picture1's top edge: lower while an update notice shows above the text.
constexpr platform::Twips kPictureTop{600}, kPictureTopWithNotice{960};

}  // namespace

frmSplash::frmSplash(store::AirportStore &store, platform::Dialogs &dialogs, StartupCheck &check,
                     const QString &dataFolder, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), store_(store), dialogs_(dialogs), check_(check),
      dataFolder_(dataFolder) {
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(480, 340);

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
    // Shown by an answer, and by an update import.
    lblVMUpdate->hide();
    lblDBUpdate->hide();
    progbar->hide();

    layout_ = new QVBoxLayout(Frame1);
    layout_->setContentsMargins(24, 0, 24, 16);
    placePicture(kPictureTop);
    for (QWidget *w : std::initializer_list<QWidget *>{Picture1, lblProductName, Label1, Label2, lblCompanyProduct,
                                                       lblVersion, lblVMUpdate, lblDBUpdate, progbar})
        layout_->addWidget(w);
    layout_->addStretch();

    Timer1.setObjectName(QStringLiteral("Timer1"));
    connect(&Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    load();
}

void frmSplash::load() {
    Timer1.start(2000);
    lblVersion->setText(QStringLiteral("Version ") + QString::fromLatin1(kProgramVersion));
    QDir::setCurrent(dataFolder_);
    if (const FolderResult folders = createMapFolders(dataFolder_); !folders.error.isEmpty())
        dialogs_.inform(this, QStringLiteral("Fehler"), folders.error);
    CheckVersions();
}

// Starts the check and goes on: its answer arrives on this thread later. The
// database was opened before the splash; a version that cannot be read is
// compared as empty, without a message of the check's own.
void frmSplash::CheckVersions() {
    connect(&check_, &StartupCheck::answered, this, &frmSplash::showAnswer);
    const platform::Result<std::optional<store::VersionRow>> installed = store_.lists.version();
    check_.start(QString::fromLatin1(kProgramVersion),
                 installed && *installed ? (*installed)->DatabaseVersion : QString());
    if (check_.isAnswered()) showAnswer();
}

void frmSplash::showAnswer() {
    const VersionCheck &answer = check_.result();
    lblVMUpdate->setVisible(answer.programUpdate);
    lblDBUpdate->setVisible(answer.dataUpdate);
    placePicture(answer.updateAvailable() ? kPictureTopWithNotice : kPictureTop);
    UpdateAvailable = answer.updateAvailable();
    if (importWaiting_) {
        importWaiting_ = false;
        importShippedUpdate();
    }
}

// Picture1 heads the frame's column; the frame's border lies above the margin.
void frmSplash::placePicture(platform::Twips top) {
    Frame1->ensurePolished();
    QMargins margins = layout_->contentsMargins();
    margins.setTop(platform::toPixels(top) - Frame1->contentsRect().top());
    layout_->setContentsMargins(margins);
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
    if (!updateFileExists(dataFolder_)) return;
    progbar->setValue(0);
    progbar->show();
    // The import stores the site's data version: it waits for the answer, with
    // the event loop running; a click meanwhile hands over after the import.
    if (check_.isAnswered())
        importShippedUpdate();
    else
        importWaiting_ = true;
}

// Runs while the progress bar shows, so that a tick of Timer1 in between only
// re-arms the timer: the hand-over waits for the import and its clean-up.
void frmSplash::importShippedUpdate() {
    dialogs_.inform(this, QString(),
                    QStringLiteral("Es wurde ein Update für die Datenbank gefunden. Die Datenbank wird aktualisert"));
    repaint();  // the import does not return to the event loop: clear where the message stood now
    const StartupUpdateResult result =
        runStartupUpdate(store_, dataFolder_, check_.result().importDataVersion.value_or(QString()),
                         [this](int percent) { progbar->setValue(percent); });
    if (!result.error.isEmpty()) dialogs_.inform(this, QString(), result.error);
    if (!result.warning.isEmpty()) dialogs_.inform(this, QString(), result.warning);
    UpdateAvailable = false;
    progbar->hide();
    if (clickHeld_) handOver();
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
        if (importWaiting_)
            clickHeld_ = true;
        else
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
