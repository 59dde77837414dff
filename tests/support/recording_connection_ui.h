#pragma once

#include "link/connection_ui.h"

#include <QList>
#include <QMap>
#include <QStringList>

namespace kx {

// Records what the connection code does to the windows; starts as the main window does after
// its start-up sequence.
class RecordingConnectionUi : public ConnectionUi {
public:
    RecordingConnectionUi() {
        for (const Control c : {Control::menuScan, Control::menuConnect,
                                Control::menuFirmwareUpgradeMode, Control::chkFirmwareUpgradeMode})
            enabled[c] = true;
        for (const Control c : {Control::btnUpload, Control::btnRequest, Control::btnOpenEffect,
                                Control::btnAssign, Control::btnStoreSettingsOnPedal,
                                Control::menuDisconnect, Control::menuStartFirmwareUpgrade})
            enabled[c] = false;
    }

    QString device_name = QStringLiteral("Device Name: ");
    QString serial_menu = QStringLiteral("Device Serial: ");
    QMap<Control, bool> enabled;
    bool parameters_visible = false;
    QList<bool> parameter_controls_calls;
    QStringList status_texts;

    QString device_name_text() const override { return device_name; }
    void set_device_name_text(const QString& text) override { device_name = text; }
    void append_serial_number_text(const QString& text) override { serial_menu += text; }
    void set_control_enabled(Control control, bool on) override { enabled[control] = on; }
    bool parameters_window_visible() const override { return parameters_visible; }
    void EnableDisableControls(bool on) override { parameter_controls_calls << on; }
    void show_status_text(const QString& text) override { status_texts << text; }
};

} // namespace kx
