#pragma once

#include <QString>

namespace kx {

// The texts the connection code shows without a box: the main window implements it; tests and
// the command line record or print it. What is enabled follows the pedal session's state
// instead (see session/pedal_session.h).
class ConnectionUi {
public:
    virtual ~ConnectionUi() = default;

    // Text of the label lblDeviceName.
    virtual QString device_name_text() const = 0;
    virtual void set_device_name_text(const QString& text) = 0;
    // Appends to the text of the menu item menuSerialNumber, without a separator.
    virtual void append_serial_number_text(const QString& text) = 0;
    // A short text the user sees without a box: why a pedal action was not done.
    virtual void show_status_text(const QString& text) = 0;
};

} // namespace kx
