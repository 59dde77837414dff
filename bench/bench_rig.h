#pragma once

// What the benchmarks share: the link to the virtual pedal, and the line's byte time.
#include "support/link_rig.h"

#include <QString>

namespace kx::bench {

// 8N1 at 115200 baud: ten bits a byte.
inline constexpr double kByteMs = 10.0 * 1000.0 / 115200.0;

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
