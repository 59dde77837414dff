#pragma once

#include "link/drivers/chip_listing.h"
#include "link/serial_driver.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <utility>

class QSerialPort;

namespace kx {

// The chips on QtSerialPort: every attached FTDI chip (by serial number and USB
// description), then the ports given by path (e.g. a pseudo-terminal), whose serial number
// is the port's file name. The list is taken anew by each device_count and each open, and a
// path is in it only while it is a character device: a pseudo-terminal that appears later is
// found by the next listing, a path that does not exist never poses as a chip.
class QtSerialDriver : public SerialDriver {
public:
    explicit QtSerialDriver(QStringList port_paths = {});
    ~QtSerialDriver() override;

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
    // Through the port's low-latency flag where the system has one (Linux).
    int set_latency_timer(FtHandle handle, quint8 ms) override;
    int latency_timer(FtHandle handle, quint8& ms) override;
    Task<int> wait_written(FtHandle handle) override;
    Task<int> wait_until_sent(FtHandle handle, int timeout_ms) override;

    // Why ports given by path were left out of the listings since the last call, one text
    // each naming its path. The driver shows nothing itself; the window decides who reads
    // these. Taking them clears them, so each listing is reported once.
    QStringList take_problems() override { return std::exchange(m_problems, {}); }

private:
    struct Open {
        std::unique_ptr<QSerialPort> port;
        quint32 write_timeout_ms = 0; // 0: derived from the byte count
    };

    // Lists the ports; records in m_problems why a port given by path was left out.
    QList<ChipEntry> list_entries();
    int open_entry(const ChipEntry& entry, FtHandle& handle);
    Open* find(FtHandle handle);

    QStringList m_port_paths;
    QList<ChipEntry> m_entries;
    QStringList m_problems;
    std::map<FtHandle, Open> m_open;
    FtHandle m_next_handle = 1;
};

} // namespace kx
