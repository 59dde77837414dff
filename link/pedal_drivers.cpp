#include "link/pedal_drivers.h"

#include "link/drivers/composite_serial_driver.h"
#include "link/drivers/module_serial_driver.h"
#include "link/drivers/virtual_pedal_driver.h"

namespace kx {

PedalDrivers::PedalDrivers(bool virtual_pedal, const QStringList& ports) {
    QList<SerialDriver*> drivers;
    if (virtual_pedal) {
        m_virtual = std::make_unique<VirtualPedalDriver>();
        drivers << m_virtual.get();
    }
    m_serial = std::make_unique<ModuleSerialDriver>(ports);
    drivers << m_serial.get();
    m_composite = std::make_unique<CompositeSerialDriver>(drivers);
}

PedalDrivers::~PedalDrivers() = default;

SerialDriver& PedalDrivers::driver() {
    return *m_composite;
}

QStringList PedalDrivers::take_port_problems() {
    return m_serial->take_problems();
}

} // namespace kx
