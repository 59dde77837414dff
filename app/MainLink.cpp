// The main window's side of the pedal link: its start-up steps, the "Connection" menu, and the
// controls the connection enables, disables and labels.
#include "app/AppContext.h"
#include "app/ElidingLabel.h"
#include "app/Main.h"
#include "app/session_controls.h"
#include "base/dialogs.h"
#include "base/translation.h"
#include "base/ui/translated.h"
#include "link/Communication.h"
#include "link/hotplug/pedal_watcher.h"
#include "link/pedal_commands.h"
#include "link/pedal_drivers.h"
#include "params/ui/FXParameters.h"
#include "session/pedal_session.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace kx {

void TformMain::attach_pedal_link() {
    if (!m_context.link)
        m_context.link = std::make_unique<PedalLink>(m_context.link_options);
    m_context.link->attach(*this, m_context.log, m_context.clock, m_context.store);
    PedalSession& pedal = session();
    for (auto signal : {&PedalSession::effect_changed, &PedalSession::values_read})
        connect(&pedal, signal, this, &TformMain::refresh_controls);
    connect(&pedal, &PedalSession::link_state_changed, this, &TformMain::refresh_controls);
    connect(&pedal, &PedalSession::busy_changed, this, &TformMain::refresh_controls);
    // The device answered as the pedal: it is one.
    connect(&pedal, &PedalSession::effect_changed, this, [this] {
        if (session().firmware_version() > 0 || session().effect_known())
            m_unproven_port = false;
    });
    connect(&pedal, &PedalSession::link_state_changed, this, [this](LinkState state) {
        if (state != LinkState::NotConnected)
            return;
        m_unproven_port = false;
        // An upload's outcome belongs to the connection that made it.
        set_translated(lblStatus, "text", "kx::TformMain", kTextStatusCaption);
    });
    connect(&pedal, &PedalSession::link_lost, this, [this](const QString& detail) {
        show_pedal_message(Error{detail, ErrorKind::LinkLost});
    });
}

Communication& TformMain::communication() {
    return *m_context.link->communication;
}

void TformMain::list_devices() {
    if (const Status listed = communication().list_devices(); !listed)
        report_pedal_error(listed.failure());
    report_port_problems();
}

void TformMain::report_port_problems() {
    const QStringList problems = m_context.link->take_port_problems();
    for (const QString& problem : problems)
        m_context.log.print_line(problem);
    if (!problems.isEmpty())
        show_status_text(problems.join(QLatin1Char(' ')));
}

void TformMain::init_line_settings() {
    communication().init_line_settings();
}

Task<> TformMain::menuScanClick() {
    const auto found = co_await session().scan_chips();
    if (!found) {
        // No chip is the scan's own finding, said in its words.
        if (found.error_kind() == ErrorKind::NoPedal)
            m_context.dialogs.message(found.error());
        else
            report_pedal_error(found.failure());
    } else {
        for (const QString& description : *found)
            m_context.dialogs.message(description + ui_text("Link", kTextFoundClickConnect));
    }
    report_port_problems();
}

Task<> TformMain::menuConnectClick() {
    m_disconnected_by_hand = false;
    m_unproven_port = false;
    // The pedal chosen under Connection > Pedal, when it is attached.
    if (const QString chosen = chosen_pedal(); !chosen.isEmpty() && m_context.watcher)
        for (const PresentPedal& pedal : m_context.watcher->present())
            if (pedal.serial == chosen.toLatin1() && !communication().connected())
                communication().device_serial_number = chosen;
    const Status connected = co_await session().connect_pedal();
    if (communication().connected())
        m_last_pedal_serial = communication().device_serial_number;
    if (!connected)
        report_pedal_error(connected.failure());
    else if (session().link_state() == LinkState::Bootloader)
        m_context.dialogs.message(ui_text("Link", kTextBootloaderOk));
    report_port_problems();
}

Task<> TformMain::menuDisconnectClick() {
    m_disconnected_by_hand = true;
    if (const Status disconnected = co_await session().disconnect_pedal(); !disconnected)
        report_pedal_error(disconnected.failure());
}

QString TformMain::device_name_text() const {
    return m_device_name_text;
}

void TformMain::set_device_name_text(const QString& text) {
    // The connection edits the text it reads back here, and each reconnect leaves one more
    // blank before "connected"; the label shows the words, not the blanks.
    m_device_name_text = text;
    QString shown = text.simplified();
    // Which pedal the editor talks to, always in sight: the virtual one, a port given by its
    // path, or a chip by its serial number.
    const QString connected = QLatin1Char(' ') + ui_text("Link", kTextConnected);
    if (shown.endsWith(connected) && m_context.link && m_context.link->communication) {
        const QString which = pedal_identity(communication().device_serial_number);
        if (!which.isEmpty())
            shown.insert(shown.size() - connected.size(), QStringLiteral(" (%1)").arg(which));
    }
    lblDeviceName->set_text(shown);
}

QString TformMain::pedal_identity(const QString& serial) const {
    if (serial == QLatin1String(kVirtualPedalSerial))
        return QStringLiteral("virtual");
    // A port given by path is opened by its file name: the path says which it is.
    for (const QString& path : m_context.link_options.ports)
        if (QFileInfo(path).fileName() == serial)
            return path;
    return serial;
}

void TformMain::append_serial_number_text(const QString& text) {
    static constexpr char kCaption[] = QT_TRANSLATE_NOOP("kx::TformMain", "Device Serial: ");
    const QString caption = ui_text("kx::TformMain", kCaption);
    const QString shown = menuSerialNumber->text();
    set_translated(menuSerialNumber, "text", "kx::TformMain", kCaption,
                   (shown.startsWith(caption) ? shown.mid(caption.size()) : QString()) + text);
}

PedalSession& TformMain::session() {
    return *m_context.link->session;
}

void TformMain::refresh_controls() {
    const EditorPhase phase = editor_phase(session(), m_context.selection.selected_effect_name);
    // A follow request does not grey the buttons: what they ask goes right after it.
    const bool busy = session().busy_for_user();
    QWidget* const focused = QApplication::focusWidget();
    const auto set = [&](EditorControl control, auto* widget) {
        widget->setEnabled(control_enabled(phase, control, busy));
    };
    set(EditorControl::btnUpload, btnUpload);
    set(EditorControl::btnOpenEffect, btnOpenEffect);
    set(EditorControl::btnRequest, btnRequest);
    set(EditorControl::btnAssign, btnAssign);
    set(EditorControl::btnStoreSettingsOnPedal, btnStoreSettingsOnPedal);
    set(EditorControl::menuMIDI, menuMIDI->menuAction());
    set(EditorControl::menuScan, menuScan);
    set(EditorControl::menuConnect, menuConnect);
    set(EditorControl::menuDisconnect, menuDisconnect);
    set(EditorControl::menuFirmwareUpgradeMode, menuFirmwareUpgradeMode);
    set(EditorControl::menuFirmwareUpgradeMode, chkFirmwareUpgradeMode.get());
    set(EditorControl::menuStartFirmwareUpgrade, menuStartFirmwareUpgrade);
    // A button greyed while the pedal works gives the keyboard back once it is offered again:
    // the focus does not wander off because of a wait.
    if (busy && focused && !focused->isEnabled() && focused->window() == this)
        m_focus_after_busy = focused;
    if (!busy && m_focus_after_busy) {
        if (m_focus_after_busy->isEnabled() && QApplication::focusWidget() != m_focus_after_busy &&
            isActiveWindow())
            m_focus_after_busy->setFocus();
        m_focus_after_busy = nullptr;
    }
    // Following shows what it reads in the parameters window: only while that is open.
    const bool window_open = m_windows.formFXParameters && m_windows.formFXParameters->isVisible();
    menuFollowPedal->setEnabled(window_open &&
                                control_enabled(phase, EditorControl::menuFollowPedal, busy));
    stop_following_unless_live(phase);
    // The tick follows the session: a successful upgrade turns the mode off.
    menuFirmwareUpgradeMode->setChecked(session().upgrade_mode());
    // The firmware's version as the pedal last said it, whatever effect runs; none when not
    // connected to the firmware: nothing of an earlier connection stays.
    const int firmware =
        session().link_state() == LinkState::Firmware ? session().firmware_version() : 0;
    set_translated(lblFirmwareVersion, "text", "Link", kTextFirmwareVersion,
                   firmware > 0 ? QString::number(firmware) : QString());
    chkFirmwareUpgradeMode->setChecked(session().upgrade_mode());
}

} // namespace kx
