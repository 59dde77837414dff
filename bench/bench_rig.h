#pragma once

// What the benchmarks share: a connection with no window to show its state, the link to the
// virtual pedal, and the line's byte time.
#include "link/connection_ui.h"
#include "support/link_rig.h"

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

// The editor's link to the in-process virtual pedal with its real timing, connected: the
// tests' link rig.
struct Link : test::LinkRig {
    // Why the link is not usable: a failed connect, or the chip lost on the way.
    QStringList& problems = lost;

    Link() : LinkRig(test::Transport::InProcess) {
        if (!ok())
            problems << error();
        else if (const Status connected = connect(); !connected)
            problems << connected.error();
    }
    qsizetype pedal_sent() { return pedal().sent().size(); }
};

} // namespace kx::bench
