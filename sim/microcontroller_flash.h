#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace kx::sim {

// The version the pedal reports when its firmware does not carry one.
inline constexpr quint32 kFactoryFirmwareVersion = 11;

// The flash as the pedal leaves the factory: a small firmware with a vector table and the
// version record, everything else erased.
QByteArray factory_flash();

// Whether the flash holds a program to start: its reset vector is not erased.
bool has_application(const QByteArray& flash);

// The version the running firmware reports: from its version record, else the factory version.
quint32 firmware_version_in(const QByteArray& flash);

} // namespace kx::sim
