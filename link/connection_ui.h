#pragma once

#include <QString>

namespace kx {

// What the connection code changes in the windows. The main window implements it; tests
// record it. Controls carry the names of the main window's widgets and menu actions.
class ConnectionUi {
public:
    enum class Control {
        btnUpload,
        btnRequest,
        btnOpenEffect,
        btnAssign,
        btnStoreSettingsOnPedal,
        menuScan,
        menuConnect,
        menuDisconnect,
        menuFirmwareUpgradeMode,
        chkFirmwareUpgradeMode,
        menuStartFirmwareUpgrade,
    };

    virtual ~ConnectionUi() = default;

    // Text of the label lblDeviceName.
    virtual QString device_name_text() const = 0;
    virtual void set_device_name_text(const QString& text) = 0;
    // Appends to the text of the menu item menuSerialNumber, without a separator.
    virtual void append_serial_number_text(const QString& text) = 0;
    virtual void set_control_enabled(Control control, bool enabled) = 0;
    // Whether the effect parameters window is shown, and its EnableDisableControls.
    virtual bool parameters_window_visible() const = 0;
    virtual void EnableDisableControls(bool enabled) = 0;
    // A short text the user sees without a box: why a pedal action was not done.
    virtual void show_status_text(const QString& text) = 0;
};

} // namespace kx
