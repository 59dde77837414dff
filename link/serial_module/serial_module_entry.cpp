// The loadable module behind module_serial_driver.h: the one place that uses QtSerialPort.
#include "link/drivers/module_serial_driver.h"
#include "link/drivers/qt_serial_driver.h"

extern "C" Q_DECL_EXPORT kx::SerialDriver* kx_make_serial_driver(const QStringList& port_paths) {
    return new kx::QtSerialDriver(port_paths);
}
