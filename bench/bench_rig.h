#pragma once

// What the benchmarks share: a connection with no window to show its state, and the line's
// byte time.
#include "link/connection_ui.h"

#include <QString>

namespace kx::bench {

// 8N1 at 115200 baud: ten bits a byte.
inline constexpr double kByteMs = 10.0 * 1000.0 / 115200.0;

class NoWindow : public ConnectionUi {
public:
    QString device_name_text() const override { return m_name; }
    void set_device_name_text(const QString& text) override { m_name = text; }
    void append_serial_number_text(const QString&) override {}
    void set_control_enabled(Control, bool) override {}
    bool parameters_window_visible() const override { return false; }
    void EnableDisableControls(bool) override {}
    void show_status_text(const QString&) override {}

private:
    QString m_name;
};

} // namespace kx::bench
