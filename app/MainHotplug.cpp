// The main window's side of the pedal watcher: "Connect Automatically" under Connection, the
// connect made by itself when one pedal is plugged in, and an unplug of the connected pedal
// noticed at once, told in the status line. With --virtual-pedal the virtual pedal counts as
// plugged in for the whole run, unless a real pedal is there.
#include "app/AppContext.h"
#include "app/Main.h"
#include "app/Settings.h"
#include "base/paths.h"
#include "base/translation.h"
#include "link/Communication.h"
#include "link/hotplug/pedal_watcher.h"
#include "link/pedal_drivers.h"
#include "params/ui/FXParameters.h"
#include "session/pedal_session.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <utility>

namespace kx {

namespace {

constexpr int kWatcherLatestStart_ms = 2000;
constexpr char kConnectAutomaticallyFile[] = "ConnectAutomatically.txt";
constexpr char kLogPlugged[] = "pedal plugged in: ";
constexpr char kLogUnplugged[] = "pedal unplugged: ";
constexpr char kLogConnectingByItself[] = "connecting by itself to ";
constexpr char kStatusUnplugged[] = QT_TRANSLATE_NOOP("kx::TformMain", "The pedal was unplugged.");
constexpr char kStatusReconnectsByItself[] =
    QT_TRANSLATE_NOOP("kx::TformMain", " It connects again when it is plugged back in.");
constexpr char kStatusReconnectByHand[] =
    QT_TRANSLATE_NOOP("kx::TformMain", " Plug it in again and choose Connection > Connect.");
constexpr char kStatusFollowOff[] = QT_TRANSLATE_NOOP("kx::TformMain", " Follow Pedal is off.");
constexpr char kStatusOtherPedalByHand[] = QT_TRANSLATE_NOOP(
    "kx::TformMain",
    "Another pedal is attached. Store or save the edits first, then choose Connect to use it.");
constexpr char kVirtualPedalPort[] = "the virtual pedal";
constexpr char kLogSeveralPedals[] = "several pedals attached, none chosen: ";
constexpr char kLogLeavingVirtualPedal[] = "a pedal was plugged in: leaving the virtual pedal";
constexpr char kStatusStaysOnVirtual[] = QT_TRANSLATE_NOOP(
    "kx::TformMain",
    "A pedal was plugged in. The editor stays with the virtual pedal, whose edits are not "
    "stored: store or save them, then choose Connection > Disconnect and Connect.");

QString connect_automatically_file() {
    const QString documents = documents_folder();
    if (documents.isEmpty())
        return {};
    return QDir(documents).filePath(QLatin1String(kMakerFolder) + QLatin1Char('/') +
                                    QLatin1String(kProductFolder) + QLatin1Char('/') +
                                    QLatin1String(kConnectAutomaticallyFile));
}

// On unless the file says "NO"; a missing or unreadable file keeps the default.
bool read_connect_automatically() {
    QFile file(connect_automatically_file());
    if (!file.open(QIODevice::ReadOnly))
        return true;
    return file.read(16) != QByteArray(kNo);
}

QString describe(const PresentPedal& pedal) {
    return QStringLiteral("%1 (%2)").arg(QString::fromLatin1(pedal.serial), pedal.port);
}

} // namespace

void TformMain::attach_pedal_watcher() {
    menuConnectAutomatically->setChecked(read_connect_automatically());
    create_pedal_menu();
    if (!m_context.watcher)
        m_context.watcher = std::make_unique<PedalWatcher>(PedalWatcher::system_source(),
                                                           m_context.link_options.ports);
    PedalWatcher* watcher = m_context.watcher.get();
    connect(watcher, &PedalWatcher::arrived, this, &TformMain::pedal_arrived);
    connect(watcher, &PedalWatcher::left, this, &TformMain::pedal_left);
    // A window that is not painted soon (started minimised) watches all the same.
    QTimer::singleShot(kWatcherLatestStart_ms, this, &TformMain::start_pedal_watcher);
}

void TformMain::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // Watching starts once the window is up, painted: the window waits neither for udev and
    // its library nor for the look at the ports.
    if (!std::exchange(m_watcher_start_asked, true))
        QTimer::singleShot(0, this, &TformMain::start_pedal_watcher);
}

void TformMain::start_pedal_watcher() {
    if (std::exchange(m_watcher_started, true))
        return;
    // Nothing is logged here: the start-up writes nothing to the console.
    m_context.watcher->start();
    connect_automatically();
}

void TformMain::menuConnectAutomaticallyClick() {
    const bool on = menuConnectAutomatically->isChecked();
    write_setting(m_context.dialogs, connect_automatically_file(), QLatin1String(on ? kYes : kNo));
    // Ticking it again is the user's wish to be connected.
    if (on)
        m_disconnected_by_hand = false;
    connect_automatically();
}

void TformMain::pedal_arrived(const PresentPedal& pedal) {
    m_context.log.print_line(QLatin1String(kLogPlugged) + describe(pedal));
    leave_virtual_pedal();
    connect_automatically();
}

void TformMain::leave_virtual_pedal() {
    Communication& link = communication();
    if (!menuConnectAutomatically->isChecked() || m_disconnected_by_hand || !link.connected() ||
        link.device_serial_number != QLatin1String(kVirtualPedalSerial) ||
        m_context.watcher->present().size() != 1 || link.waiting() || link.claimed())
        return;
    // A real pedal wins over the virtual one, as it does when both are there at the start; but
    // edits made on the virtual pedal are not dropped unasked.
    if (m_windows.formFXParameters && m_windows.formFXParameters->has_unstored_edits()) {
        show_status_text(ui_text("kx::TformMain", kStatusStaysOnVirtual));
        return;
    }
    m_context.log.print_line(QLatin1String(kLogLeavingVirtualPedal));
    if (const Status closed = link.disconnect_device(); !closed)
        report_pedal_error(closed.failure());
}

void TformMain::pedal_left(const PresentPedal& pedal) {
    m_context.log.print_line(QLatin1String(kLogUnplugged) + describe(pedal));
    Communication& link = communication();
    if (!link.connected() || link.device_serial_number.toLatin1() != pedal.serial)
        return;
    // During a wait the exchange itself finds the chip gone and says so.
    if (link.waiting() || link.claimed())
        return;
    const bool was_following = session().following();
    link.chip_unplugged();
    // One line says it all: the unplug, what happens next, and that following ended.
    show_status_text(ui_text("kx::TformMain", kStatusUnplugged) +
                     ui_text("kx::TformMain", menuConnectAutomatically->isChecked()
                                                  ? kStatusReconnectsByItself
                                                  : kStatusReconnectByHand) +
                     (was_following ? ui_text("kx::TformMain", kStatusFollowOff) : QString()));
    connect_automatically(); // another pedal may be there
}

void TformMain::connect_automatically() {
    if (!menuConnectAutomatically->isChecked() || m_disconnected_by_hand || !m_context.watcher)
        return;
    Communication& link = communication();
    // Upgrade Mode's connect sends the bootloader check: that one the user asks for by hand.
    if (link.connected() || link.waiting() || link.claimed() || link.firmware_upgrade_mode)
        return;
    QList<PresentPedal> present = m_context.watcher->present();
    // The in-process virtual pedal (--virtual-pedal) is plugged in for the whole run; a real
    // pedal, which Connect would open before it, wins. Once a real pedal has been used, its
    // going away never moves the editor onto the virtual one: a Store or an upload meant for
    // the real pedal would go there.
    const bool real_pedal_used =
        !m_last_pedal_serial.isEmpty() && m_last_pedal_serial != QLatin1String(kVirtualPedalSerial);
    if (present.isEmpty() && m_context.link->virtual_pedal() && !real_pedal_used)
        present << PresentPedal{QByteArray(kVirtualPedalSerial), QLatin1String(kVirtualPedalPort)};
    // The pedal chosen under Connection > Pedal, when it is there; with several and none
    // chosen, the user is told which are there rather than left wondering.
    const QByteArray chosen = chosen_pedal().toLatin1();
    for (const PresentPedal& pedal : std::as_const(present))
        if (!chosen.isEmpty() && pedal.serial == chosen) {
            present = {pedal};
            break;
        }
    if (present.size() > 1) {
        QStringList names;
        for (const PresentPedal& pedal : std::as_const(present))
            names << describe(pedal);
        m_context.log.print_line(QLatin1String(kLogSeveralPedals) +
                                 names.join(QStringLiteral(", ")));
        show_status_text(tr("%n pedals are attached: %1. Choose one under Connection > Pedal.",
                            nullptr, int(present.size()))
                             .arg(names.join(QStringLiteral(", "))));
        return;
    }
    if (present.size() != 1)
        return;
    // Nor does it change pedals by itself while the window holds edits for the last one.
    const QString serial = QString::fromLatin1(present.first().serial);
    if (!m_last_pedal_serial.isEmpty() && serial != m_last_pedal_serial &&
        m_windows.formFXParameters && m_windows.formFXParameters->has_unstored_edits()) {
        show_status_text(ui_text("kx::TformMain", kStatusOtherPedalByHand));
        return;
    }
    m_context.log.print_line(QLatin1String(kLogConnectingByItself) + describe(present.first()));
    link.device_serial_number = QString::fromLatin1(present.first().serial);
    // A path may lead to any device; until it answers as the pedal it is not one.
    const bool by_path = QFileInfo(present.first().port).fileName() == serial &&
                         serial != QLatin1String(kVirtualPedalSerial);
    menuConnectClick(); // the same steps as the menu's, so the same bytes and messages
    m_unproven_port = by_path && link.connected();
}

} // namespace kx
