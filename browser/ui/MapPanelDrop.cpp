// The map page's links made by dropping a file, and the marks of expired charts.
#include "browser/MapDrop.h"
#include "browser/MapLinkAudit.h"
#include "browser/ui/MapPanel.h"
#include "platform/ui/Widgets.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>

namespace volmira::browser {

using Answer = platform::Dialogs::Answer;

namespace {

const QColor kExpiredColour(176, 0, 0);

// The local file of a drag, empty for anything else.
QString droppedFile(const QMimeData *data) {
    if (!data || !data->hasUrls() || data->urls().isEmpty()) return {};
    return data->urls().front().toLocalFile();
}

}  // namespace

void MapPanel::buildExpiryLabel() {
    setAcceptDrops(true);
    lblExpired = platform::named<QLabel>(this, QStringLiteral("lblExpired"));
    lblExpired->setAlignment(Qt::AlignCenter);
    lblExpired->setAutoFillBackground(true);
    QPalette colours = lblExpired->palette();
    colours.setColor(QPalette::Window, kExpiredColour);
    colours.setColor(QPalette::WindowText, Qt::white);
    lblExpired->setPalette(colours);
    QFont bold = lblExpired->font();
    bold.setBold(true);
    lblExpired->setFont(bold);
    // Across the top of the map, which stays shown beneath it.
    platform::setTwips(lblExpired, 2640, 120, 12255, 330);
    lblExpired->hide();
}

void MapPanel::markExpiry(Slot &slot, const store::MapDataRow *link) {
    const std::optional<QDate> expired = link ? expiredOn(*link, QDate::currentDate()) : std::nullopt;
    QPalette colours = palette();
    if (expired) colours.setColor(QPalette::WindowText, kExpiredColour);
    slot.lblMapButton->setPalette(colours);
    QFont font = this->font();
    font.setBold(expired.has_value());
    slot.lblMapButton->setFont(font);
    slot.cmdMap->setToolTip(expired ? expiredText(*expired) : QString());
}

void MapPanel::showExpiry(const MapSlot *shown) {
    const std::optional<QDate> expired = shown ? expiredOn(shown->row, QDate::currentDate()) : std::nullopt;
    if (expired) {
        lblExpired->setText(expiredText(*expired));
        lblExpired->show();
        lblExpired->raise();
    } else {
        lblExpired->hide();
    }
    placeTools();
}

void MapPanel::dragEnterEvent(QDragEnterEvent *event) {
    if (!icao_.isEmpty() && !droppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MapPanel::dragMoveEvent(QDragMoveEvent *event) {
    if (!icao_.isEmpty() && !droppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MapPanel::dropEvent(QDropEvent *event) {
    const QString path = droppedFile(event->mimeData());
    if (icao_.isEmpty() || path.isEmpty()) return;
    event->acceptProposedAction();
    int onButton = -1;
    for (int i = 0; i < int(slots_.size()); ++i)
        if (slots_[i].cmdMap->geometry().contains(event->position().toPoint())) onButton = i;
    // The questions come after the drag has ended: the source waits for the drop to return.
    QMetaObject::invokeMethod(this, [this, path, onButton] { linkDropped(path, onButton); }, Qt::QueuedConnection);
}

void MapPanel::linkDropped(const QString &path, int onButton) {
    std::array<bool, store::kMapSlots> linked{};
    for (int i = 0; i < int(slots_.size()); ++i) linked[i] = !slots_[i].cmdMap->text().isEmpty();
    const DropPlan plan = planDrop(path, linked, onButton);
    const QString title = QString::fromUtf8(kDropTitle);
    if (!plan.refusal.isEmpty()) return dialogs_.inform(this, title, plan.refusal);
    if (plan.overwrites &&
        dialogs_.ask(this, title, replaceQuestion(slots_[plan.slot].cmdMap->text(), plan.name), Answer::No) !=
            Answer::Yes)
        return;
    const bool copy = dialogs_.ask(this, title, QString::fromUtf8(kCopyQuestion), Answer::Yes) == Answer::Yes;
    flushView();
    const LinkRequest request{QFileInfo(path).absolutePath(), plan.name, plan.name, QString(), copy};
    const LinkOutcome saved = saveMapLink(store_.maps, icao_, plan.slot, request, dataFolder_);
    if (!saved) return dialogs_.inform(this, QStringLiteral("Datenfehler"), saved.error());
    if (const std::optional<store::Refusal> &refusal = saved.value())
        return dialogs_.inform(this, refusal->title, refusal->message);
    (void)fillButtons(icao_);
    cmdMap_Click(plan.slot);
}

}  // namespace volmira::browser
