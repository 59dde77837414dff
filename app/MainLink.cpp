// The main window's side of the pedal link: its start-up steps, the "Connection" menu, and the
// controls the connection enables, disables and labels.
#include "app/AppContext.h"
#include "app/ElidingLabel.h"
#include "app/Main.h"
#include "link/Communication.h"
#include "params/ui/FXParameters.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace kx {

void TformMain::attach_pedal_link() {
    if (!m_context.link)
        m_context.link = std::make_unique<PedalLink>(m_context.link_options);
    m_context.link->attach(*this, m_context.dialogs, m_context.log, m_context.clock);
}

Communication& TformMain::communication() {
    return *m_context.link->communication;
}

void TformMain::list_devices() {
    communication().list_devices();
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

void TformMain::menuScanClick() {
    communication().menuScanClick();
    report_port_problems();
}

void TformMain::menuConnectClick() {
    m_disconnected_by_hand = false;
    communication().menuConnectClick();
    report_port_problems();
}

void TformMain::menuDisconnectClick() {
    m_disconnected_by_hand = true;
    communication().menuDisconnectClick();
}

QString TformMain::device_name_text() const {
    return m_device_name_text;
}

void TformMain::set_device_name_text(const QString& text) {
    // The connection edits the text it reads back here, and each reconnect leaves one more
    // blank before "connected"; the label shows the words, not the blanks.
    m_device_name_text = text;
    lblDeviceName->set_text(text.simplified());
}

void TformMain::append_serial_number_text(const QString& text) {
    menuSerialNumber->setText(menuSerialNumber->text() + text);
}

void TformMain::set_control_enabled(Control control, bool enabled) {
    switch (control) {
    case Control::btnUpload:
        btnUpload->setEnabled(enabled);
        break;
    case Control::btnRequest:
        btnRequest->setEnabled(enabled);
        break;
    case Control::btnOpenEffect:
        btnOpenEffect->setEnabled(enabled);
        break;
    case Control::btnAssign:
        btnAssign->setEnabled(enabled);
        break;
    case Control::btnStoreSettingsOnPedal:
        btnStoreSettingsOnPedal->setEnabled(enabled);
        break;
    case Control::menuScan:
        menuScan->setEnabled(enabled);
        break;
    case Control::menuConnect:
        menuConnect->setEnabled(enabled);
        break;
    case Control::menuDisconnect:
        menuDisconnect->setEnabled(enabled);
        break;
    case Control::menuFirmwareUpgradeMode:
        menuFirmwareUpgradeMode->setEnabled(enabled);
        break;
    case Control::chkFirmwareUpgradeMode:
        chkFirmwareUpgradeMode->setEnabled(enabled);
        break;
    case Control::menuStartFirmwareUpgrade:
        menuStartFirmwareUpgrade->setEnabled(enabled);
        break;
    }
}

bool TformMain::parameters_window_visible() const {
    return m_windows.formFXParameters && m_windows.formFXParameters->isVisible();
}

void TformMain::EnableDisableControls(bool enabled) {
    if (m_windows.formFXParameters)
        m_windows.formFXParameters->EnableDisableControls(enabled);
}

} // namespace kx
