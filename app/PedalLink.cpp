#include "app/PedalLink.h"

#include "link/Communication.h"
#include "link/D2XXUnit.h"
#include "link/drivers/composite_serial_driver.h"
#include "link/drivers/qt_serial_driver.h"
#include "link/drivers/virtual_pedal_driver.h"

namespace kx {

PedalLink::PedalLink(const LinkOptions& options) {
    QList<SerialDriver*> drivers;
    if (options.virtual_pedal) {
        m_virtual = std::make_unique<VirtualPedalDriver>();
        drivers << m_virtual.get();
    }
    m_serial = std::make_unique<QtSerialDriver>(options.ports);
    drivers << m_serial.get();
    m_composite = std::make_unique<CompositeSerialDriver>(drivers);
    m_driver = m_composite.get();
}

PedalLink::PedalLink(SerialDriver& driver) : m_driver(&driver) {}

PedalLink::~PedalLink() {
    // The connection refers to the chip access, which closes the chip through the drivers.
    communication.reset();
    d2xx.reset();
}

QStringList PedalLink::take_port_problems() {
    return m_serial ? m_serial->take_problems() : QStringList();
}

void PedalLink::attach(ConnectionUi& ui, Dialogs& dialogs, Log& log, Clock& clock) {
    communication.reset();
    d2xx = std::make_unique<D2XXUnit>(*m_driver, log);
    communication = std::make_unique<Communication>(*d2xx, ui, dialogs, log, clock);
}

} // namespace kx
