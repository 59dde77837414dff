#pragma once

#include "link/serial_driver.h"

#include <QList>

#include <map>
#include <utility>

namespace kx {

// Lists the chips of several drivers one after another, in the order given, and routes each
// open handle to the driver that opened it. The drivers are not owned.
class CompositeSerialDriver : public SerialDriver {
public:
    explicit CompositeSerialDriver(QList<SerialDriver*> drivers);

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

private:
    // The driver and its index within that driver's list, for an index of the joined list.
    std::pair<SerialDriver*, quint32> locate(quint32 index) const;
    FtHandle adopt(SerialDriver* driver, FtHandle inner);
    // The driver and inner handle of an outer handle; nullptr when unknown.
    std::pair<SerialDriver*, FtHandle> route(FtHandle handle) const;

    QList<SerialDriver*> m_drivers;
    QList<quint32> m_counts; // per driver, from the last device_count
    std::map<FtHandle, std::pair<SerialDriver*, FtHandle>> m_handles;
    FtHandle m_next_handle = 1;
};

} // namespace kx
