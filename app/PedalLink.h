#pragma once

#include "app/CommandLine.h"
#include "session/pedal_stack.h"

#include <QStringList>

#include <memory>

namespace kx {

// The chip access, the connection and the session's classes come with PedalStack.
class PedalDrivers;
class VirtualPedalDriver;

// The pedal link's module state: the drivers chosen on the command line, the chip access with
// its two buffers, and the connection. Created once at start-up; the chip access and the
// connection come to life when the main window, which shows their effects, exists.
class PedalLink : public PedalStack {
public:
    // Lists, in this order, the in-process virtual pedal (with --virtual-pedal), the attached
    // USB chips, and the ports given by path. Connect opens the chip listed last, so a real
    // pedal wins over the virtual one.
    explicit PedalLink(const LinkOptions& options);
    // Over a driver that lives elsewhere (tests).
    explicit PedalLink(SerialDriver& driver);
    ~PedalLink();
    PedalLink(const PedalLink&) = delete;
    PedalLink& operator=(const PedalLink&) = delete;

    void attach(ConnectionUi& ui, Log& log, Clock& clock, ResourceStore& store);

    SerialDriver& driver() { return *m_driver; }
    // The in-process virtual pedal, when the options asked for one.
    VirtualPedalDriver* virtual_pedal();
    // Why ports given with --port were left out of the listings since the last call (see
    // QtSerialDriver::take_problems).
    QStringList take_port_problems();

    // d2xx, communication and session (PedalStack) are made by attach(); the destructor ends
    // them before the drivers they use.

private:
    std::unique_ptr<PedalDrivers> m_drivers;
    SerialDriver* m_driver = nullptr;
};

} // namespace kx
