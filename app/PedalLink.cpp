#include "app/PedalLink.h"

#include "link/Communication.h"
#include "link/D2XXUnit.h"
#include "link/pedal_drivers.h"
#include "session/pedal_session.h"

namespace kx {

PedalLink::PedalLink(const LinkOptions& options)
    : m_drivers(std::make_unique<PedalDrivers>(options.virtual_pedal, options.ports)) {
    m_driver = &m_drivers->driver();
}

PedalLink::PedalLink(SerialDriver& driver) : m_driver(&driver) {}

PedalLink::~PedalLink() {
    // The session refers to the connection, which refers to the chip access, which closes the
    // chip through the drivers.
    session.reset();
    communication.reset();
    d2xx.reset();
}

VirtualPedalDriver* PedalLink::virtual_pedal() {
    return m_drivers ? m_drivers->virtual_pedal() : nullptr;
}

QStringList PedalLink::take_port_problems() {
    return m_drivers ? m_drivers->take_port_problems() : QStringList();
}

void PedalLink::attach(ConnectionUi& ui, Dialogs& dialogs, Log& log, Clock& clock,
                       ResourceStore& store) {
    session.reset();
    communication.reset();
    d2xx = std::make_unique<D2XXUnit>(*m_driver, log);
    communication = std::make_unique<Communication>(*d2xx, ui, dialogs, log, clock);
    session = std::make_unique<PedalSession>(*communication, store, log, clock);
}

} // namespace kx
