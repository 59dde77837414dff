#pragma once

#include <QStringList>

#include <memory>

namespace kx {

class CompositeSerialDriver;
class ModuleSerialDriver;
class SerialDriver;
class VirtualPedalDriver;

// The serial number the in-process virtual pedal's chip lists.
inline constexpr char kVirtualPedalSerial[] = "KXV00001";

// The drivers a program reaches the pedal through, as its command line chose them. Lists, in
// this order, the in-process virtual pedal (when asked for), the attached USB chips, and the
// ports given by path; a connection opens the chip listed last, so a real pedal wins over the
// virtual one.
class PedalDrivers {
public:
    PedalDrivers(bool virtual_pedal, const QStringList& ports);
    ~PedalDrivers();
    PedalDrivers(const PedalDrivers&) = delete;
    PedalDrivers& operator=(const PedalDrivers&) = delete;

    SerialDriver& driver();
    VirtualPedalDriver* virtual_pedal() { return m_virtual.get(); }
    // Why ports given by path were left out of the listings since the last call.
    QStringList take_port_problems();

private:
    std::unique_ptr<VirtualPedalDriver> m_virtual;
    std::unique_ptr<ModuleSerialDriver> m_serial;
    std::unique_ptr<CompositeSerialDriver> m_composite;
};

} // namespace kx
