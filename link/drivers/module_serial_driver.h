#pragma once

#include "base/translation.h"
#include "link/drivers/chip_listing.h"
#include "link/serial_driver.h"

#include <QStringList>

#include <memory>

namespace kx {

// The loadable module that holds the driver on QtSerialPort (QtSerialDriver), and the function
// that makes one: QtSerialPort and the udev library it needs are loaded only when a port is
// first opened, never by the start.
inline constexpr char kSerialModuleName[] = "kestrel-x-serial";
inline constexpr char kMakeSerialDriver[] = "kx_make_serial_driver";
using MakeSerialDriver = SerialDriver* (*)(const QStringList& port_paths);
// What take_problems() says when the module is missing or broken; %1 is why.
inline constexpr char kSerialModuleMissing[] = QT_TRANSLATE_NOOP(
    "Link",
    "The serial port module of this installation cannot be loaded, so no port can be opened "
    "(%1). Reinstall the editor.");

// The serial ports, as QtSerialDriver reaches them, with the driver itself loaded on first
// use. Until then the chips are listed from the system's device tree (where there is none,
// listing loads the driver too); an open loads it, and from then on every call goes to it.
class ModuleSerialDriver : public SerialDriver {
public:
    // `module` names the module to load (another name only in tests).
    explicit ModuleSerialDriver(QStringList port_paths = {},
                                const char* module = kSerialModuleName);
    ~ModuleSerialDriver() override;

    int device_count(quint32& count) override;
    int serial_number(quint32 index, QByteArray& text) override;
    int description(quint32 index, QByteArray& text) override;
    int open_by_serial(const QByteArray& serial, FtHandle& handle) override;
    int open_first(FtHandle& handle) override;
    int close(FtHandle handle) override;
    int queue_status(FtHandle handle, quint32& queued) override;
    int read(FtHandle handle, char* buffer, quint32 count, quint32& bytes_read) override;
    int write(FtHandle handle, const char* buffer, quint32 count, quint32& bytes_written) override;
    int purge(FtHandle handle, quint32 mask) override;
    int reset(FtHandle handle) override;
    int set_baud_rate(FtHandle handle, quint32 baud) override;
    int set_data_characteristics(FtHandle handle, quint8 word_length, quint8 stop_bits,
                                 quint8 parity) override;
    int set_timeouts(FtHandle handle, quint32 read_ms, quint32 write_ms) override;
    Task<> wait_for_data(FtHandle handle, int timeout_ms) override;
    int set_latency_timer(FtHandle handle, quint8 ms) override;
    int latency_timer(FtHandle handle, quint8& ms) override;
    Task<int> wait_written(FtHandle handle) override;
    Task<int> wait_until_sent(FtHandle handle, int timeout_ms) override;

    // The listings' problems, and why the module could not be loaded.
    QStringList take_problems() override;
    // Whether the driver has been loaded (for tests).
    bool loaded() const { return m_driver != nullptr; }

private:
    // The loaded driver; null (and a problem noted) when the module cannot be loaded.
    SerialDriver* driver();
    // A text of the listing made without the driver.
    int listed_text(quint32 index, QByteArray ChipEntry::*field, QByteArray& text) const;

    QStringList m_port_paths;
    const char* m_module;
    QList<ChipEntry> m_entries;
    QStringList m_problems;
    QString m_load_error;     // why the module could not be loaded
    QString m_module_problem; // the same, from the last open that failed, until taken
    std::unique_ptr<SerialDriver> m_driver;
    bool m_load_failed = false;
};

} // namespace kx
