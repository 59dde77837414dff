#pragma once

// What the benchmarks share: a connection with no window to show its state, the link to the
// virtual pedal, and the line's byte time.
#include "base/clock.h"
#include "base/log.h"
#include "base/scripted_dialogs.h"
#include "link/Communication.h"
#include "link/D2XXUnit.h"
#include "link/connection_ui.h"
#include "link/drivers/virtual_pedal_driver.h"

#include <QString>

namespace kx::bench {

// 8N1 at 115200 baud: ten bits a byte.
inline constexpr double kByteMs = 10.0 * 1000.0 / 115200.0;

class NoWindow : public ConnectionUi {
public:
    QString device_name_text() const override { return m_name; }
    void set_device_name_text(const QString& text) override { m_name = text; }
    void append_serial_number_text(const QString&) override {}
    void show_status_text(const QString&) override {}

private:
    QString m_name;
};

// The editor's link to the in-process virtual pedal with its real timing, connected.
struct Link {
    VirtualPedalDriver driver;
    ScriptedDialogs dialogs;
    NullLog log;
    RealClock clock;
    NoWindow window;
    D2XXUnit d2xx{driver, log};
    Communication comm{d2xx, window, dialogs, log, clock};

    Link() {
        comm.list_devices();
        comm.init_line_settings();
        comm.menuConnectClick();
    }
    qsizetype pedal_sent() { return driver.pedal().sent().size(); }
};

} // namespace kx::bench
