#include "app/PedalLink.h"

#include "link/pedal_drivers.h"

namespace kx {

PedalLink::PedalLink(const LinkOptions& options)
    : m_drivers(std::make_unique<PedalDrivers>(options.virtual_pedal, options.ports)) {
    m_driver = &m_drivers->driver();
}

PedalLink::PedalLink(SerialDriver& driver) : m_driver(&driver) {}

PedalLink::~PedalLink() {
    clear();
}

VirtualPedalDriver* PedalLink::virtual_pedal() {
    return m_drivers ? m_drivers->virtual_pedal() : nullptr;
}

QStringList PedalLink::take_port_problems() {
    return m_drivers ? m_drivers->take_port_problems() : QStringList();
}

void PedalLink::attach(ConnectionUi& ui, Log& log, Clock& clock, ResourceStore& store) {
    build(*m_driver, ui, log, clock, store);
}

} // namespace kx
