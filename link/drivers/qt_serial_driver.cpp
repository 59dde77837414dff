#include "link/drivers/qt_serial_driver.h"

#include "platform/platform.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QSerialPort>
#include <QSerialPortInfo>

#include <algorithm>
#include <climits>
#include <cerrno>
#include <cstring>
#include <optional>

namespace kx {

namespace {

// Extra time a write may take beyond twice its wire time before it counts as failed.
constexpr qint64 kWriteSlackMs = 1000;
// The chip's latency timer as the system's driver sets it: 1 ms with the port's low-latency
// flag, its usual 16 ms without.
constexpr quint8 kLowLatencyMs = 1;
constexpr quint8 kUsualLatencyMs = 16;
// How often a wait for written bytes to leave looks again.
constexpr int kSentPollMs = 1;

int status_of(QSerialPort::SerialPortError error) {
    switch (error) {
    case QSerialPort::NoError:
        return FT_OK;
    case QSerialPort::DeviceNotFoundError:
        return FT_DEVICE_NOT_FOUND;
    case QSerialPort::PermissionError:
    case QSerialPort::OpenError:
    case QSerialPort::NotOpenError:
        return FT_DEVICE_NOT_OPENED;
    case QSerialPort::WriteError:
        return FT_FAILED_TO_WRITE_DEVICE;
    case QSerialPort::ReadError:
    case QSerialPort::ResourceError:
    case QSerialPort::TimeoutError:
        return FT_IO_ERROR;
    case QSerialPort::UnsupportedOperationError:
        return FT_INVALID_PARAMETER;
    default:
        return FT_OTHER_ERROR;
    }
}

// A wait that simply ran out is no failure of the port; anything else stays reported.
int settle_after_wait(QSerialPort& port) {
    if (port.error() == QSerialPort::TimeoutError)
        port.clearError();
    return status_of(port.error());
}

} // namespace

QtSerialDriver::QtSerialDriver(QStringList port_paths) : m_port_paths(std::move(port_paths)) {}

QtSerialDriver::~QtSerialDriver() = default;

QList<ChipEntry> QtSerialDriver::list_entries() {
    // Where there is no device tree, Qt looks in its own way (which, on Linux, asks udev about
    // every tty and is the slowest part of a listing).
    QList<ChipEntry> entries;
    if (auto in_tree = chips_in_device_tree()) {
        entries = std::move(*in_tree);
    } else {
        for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
            if (!info.hasVendorIdentifier() || info.vendorIdentifier() != kFtdiVendorId)
                continue;
            entries.append({info.serialNumber().toLatin1(), info.description().toLatin1(),
                            info.systemLocation()});
        }
    }
    m_problems.clear(); // only the newest listing counts
    entries += chips_given_by_path(m_port_paths, m_problems);
    return entries;
}

int QtSerialDriver::device_count(quint32& count) {
    m_entries = list_entries();
    count = static_cast<quint32>(m_entries.size());
    return FT_OK;
}

int QtSerialDriver::serial_number(quint32 index, QByteArray& text) {
    if (index >= static_cast<quint32>(m_entries.size()))
        return FT_DEVICE_NOT_FOUND;
    text = list_buffer(m_entries[index].serial);
    return FT_OK;
}

int QtSerialDriver::description(quint32 index, QByteArray& text) {
    if (index >= static_cast<quint32>(m_entries.size()))
        return FT_DEVICE_NOT_FOUND;
    text = list_buffer(m_entries[index].description);
    return FT_OK;
}

int QtSerialDriver::open_by_serial(const QByteArray& serial, FtHandle& handle) {
    // The chips may have changed since the last listing: look again.
    const QList<ChipEntry> entries = list_entries();
    // The last entry wins, as the editor takes the last chip listed.
    for (auto it = entries.crbegin(); it != entries.crend(); ++it)
        if (!serial.isEmpty() && (it->serial == serial || (serial.size() == kOpenSerialMaxChars &&
                                                           it->serial.startsWith(serial))))
            return open_entry(*it, handle);
    return FT_DEVICE_NOT_FOUND;
}

int QtSerialDriver::open_first(FtHandle& handle) {
    const QList<ChipEntry> entries = list_entries();
    if (entries.isEmpty())
        return FT_DEVICE_NOT_FOUND;
    return open_entry(entries.first(), handle);
}

int QtSerialDriver::open_entry(const ChipEntry& entry, FtHandle& handle) {
    auto port = std::make_unique<QSerialPort>();
    port->setPortName(entry.port);
    if (!port->open(QIODevice::ReadWrite))
        return status_of(port->error());
    port->setFlowControl(QSerialPort::NoFlowControl);
    handle = m_next_handle++;
    m_open[handle].port = std::move(port);
    return FT_OK;
}

QtSerialDriver::Open* QtSerialDriver::find(FtHandle handle) {
    const auto it = m_open.find(handle);
    return it == m_open.end() ? nullptr : &it->second;
}

int QtSerialDriver::close(FtHandle handle) {
    const auto it = m_open.find(handle);
    if (it == m_open.end())
        return FT_INVALID_HANDLE;
    it->second.port->close();
    m_open.erase(it);
    return FT_OK;
}

int QtSerialDriver::queue_status(FtHandle handle, quint32& queued) {
    Open* open = find(handle);
    if (!open)
        return FT_INVALID_HANDLE;
    QSerialPort& port = *open->port;
    // The port takes in what the system received whenever the event loop serves it, and every
    // wait for the pedal runs the event loop: what it holds now is what has arrived.
    const int status = settle_after_wait(port);
    if (status != FT_OK)
        return status;
    if (!port.isOpen())
        return FT_DEVICE_NOT_OPENED;
    queued = static_cast<quint32>(std::min<qint64>(port.bytesAvailable(), UINT32_MAX));
    return FT_OK;
}

int QtSerialDriver::read(FtHandle handle, char* buffer, quint32 count, quint32& bytes_read) {
    bytes_read = 0;
    Open* open = find(handle);
    if (!open)
        return FT_INVALID_HANDLE;
    if (count == 0)
        return FT_OK;
    const qint64 n = open->port->read(buffer, count);
    if (n < 0)
        return status_of(open->port->error()) == FT_OK ? FT_IO_ERROR
                                                       : status_of(open->port->error());
    bytes_read = static_cast<quint32>(n);
    return FT_OK;
}

int QtSerialDriver::write(FtHandle handle, const char* buffer, quint32 count,
                          quint32& bytes_written) {
    bytes_written = 0;
    Open* open = find(handle);
    if (!open)
        return FT_INVALID_HANDLE;
    QSerialPort& port = *open->port;
    if (count == 0)
        return FT_OK;
    if (port.write(buffer, count) != static_cast<qint64>(count))
        return FT_FAILED_TO_WRITE_DEVICE;
    // The bytes leave now, as far as the system takes them without waiting: a caller may pause
    // between single-byte writes, and the port would otherwise only send them once the event
    // loop serves it. The rest goes as the event loop runs (wait_written).
    port.flush();
    if (port.error() != QSerialPort::NoError)
        return status_of(port.error());
    bytes_written = count;
    return FT_OK;
}

Task<int> QtSerialDriver::wait_written(FtHandle handle) {
    Open* open = find(handle);
    if (!open)
        co_return FT_INVALID_HANDLE;
    QSerialPort* port = open->port.get();
    if (port->bytesToWrite() == 0)
        co_return FT_OK;
    const qint32 baud = std::max<qint32>(port->baudRate(), 1200);
    const qint64 wire_ms = port->bytesToWrite() * 10 * 1000 / baud;
    const qint64 limit_ms =
        open->write_timeout_ms > 0 ? open->write_timeout_ms : 2 * wire_ms + kWriteSlackMs;
    QDeadlineTimer deadline(limit_ms);
    QPointer<QSerialPort> alive(port);
    while (alive && port->isOpen() && port->bytesToWrite() > 0 && !deadline.hasExpired() &&
           port->error() == QSerialPort::NoError)
        co_await signal_or_timeout(port, &QIODevice::bytesWritten,
                                   int(std::max<qint64>(deadline.remainingTime(), 1)));
    // The port may have been closed while the wait ran.
    if (!alive || !find(handle))
        co_return FT_INVALID_HANDLE;
    if (port->bytesToWrite() > 0) {
        const int status = settle_after_wait(*port);
        port->clear(QSerialPort::Output);
        co_return status == FT_OK ? FT_IO_ERROR : status;
    }
    co_return settle_after_wait(*port);
}

int QtSerialDriver::purge(FtHandle handle, quint32 mask) {
    Open* open = find(handle);
    if (!open)
        return FT_INVALID_HANDLE;
    if ((mask & (FT_PURGE_RX | FT_PURGE_TX)) == 0)
        return FT_INVALID_PARAMETER;
    QSerialPort::Directions directions;
    if (mask & FT_PURGE_RX)
        directions |= QSerialPort::Input;
    if (mask & FT_PURGE_TX)
        directions |= QSerialPort::Output;
    return open->port->clear(directions) ? FT_OK : status_of(open->port->error());
}

int QtSerialDriver::reset(FtHandle handle) {
    Open* open = find(handle);
    if (!open)
        return FT_INVALID_HANDLE;
    return open->port->clear(QSerialPort::AllDirections) ? FT_OK : status_of(open->port->error());
}

int QtSerialDriver::set_baud_rate(FtHandle handle, quint32 baud) {
    Open* open = find(handle);
    if (!open)
        return FT_INVALID_HANDLE;
    if (baud == 0 || baud > static_cast<quint32>(INT32_MAX) ||
        !open->port->setBaudRate(static_cast<qint32>(baud)))
        return FT_INVALID_BAUD_RATE;
    return FT_OK;
}

int QtSerialDriver::set_data_characteristics(FtHandle handle, quint8 word_length, quint8 stop_bits,
                                             quint8 parity) {
    Open* open = find(handle);
    if (!open)
        return FT_INVALID_HANDLE;
    QSerialPort::DataBits data_bits;
    switch (word_length) {
    case 7:
        data_bits = QSerialPort::Data7;
        break;
    case 8:
        data_bits = QSerialPort::Data8;
        break;
    default:
        return FT_INVALID_PARAMETER;
    }
    QSerialPort::StopBits stop;
    switch (stop_bits) {
    case 0:
        stop = QSerialPort::OneStop;
        break;
    case 2:
        stop = QSerialPort::TwoStop;
        break;
    default:
        return FT_INVALID_PARAMETER;
    }
    static constexpr QSerialPort::Parity kParities[] = {
        QSerialPort::NoParity, QSerialPort::OddParity, QSerialPort::EvenParity,
        QSerialPort::MarkParity, QSerialPort::SpaceParity};
    if (parity >= std::size(kParities))
        return FT_INVALID_PARAMETER;
    QSerialPort& port = *open->port;
    if (!port.setDataBits(data_bits) || !port.setStopBits(stop) ||
        !port.setParity(kParities[parity]))
        return status_of(port.error()) == FT_OK ? FT_INVALID_PARAMETER : status_of(port.error());
    return FT_OK;
}

int QtSerialDriver::set_timeouts(FtHandle handle, quint32 /*read_ms*/, quint32 write_ms) {
    Open* open = find(handle);
    if (!open)
        return FT_INVALID_HANDLE;
    // Reads take only queued bytes and never wait, so only the write limit has a use here.
    open->write_timeout_ms = write_ms;
    return FT_OK;
}

int QtSerialDriver::set_latency_timer(FtHandle handle, quint8 ms) {
    Open* open = find(handle);
    if (!open)
        return FT_INVALID_HANDLE;
    return platform::set_low_latency(*open->port, ms < kUsualLatencyMs) ? FT_OK : FT_OTHER_ERROR;
}

int QtSerialDriver::latency_timer(FtHandle handle, quint8& ms) {
    Open* open = find(handle);
    if (!open)
        return FT_INVALID_HANDLE;
    const std::optional<bool> low = platform::low_latency(*open->port);
    if (!low)
        return FT_OTHER_ERROR;
    ms = *low ? kLowLatencyMs : kUsualLatencyMs;
    return FT_OK;
}

Task<int> QtSerialDriver::wait_until_sent(FtHandle handle, int timeout_ms) {
    QDeadlineTimer deadline(std::max(timeout_ms, 0));
    for (;;) {
        Open* open = find(handle);
        if (!open)
            co_return FT_INVALID_HANDLE;
        // First the port's own queue, then the system's output queue until it is empty.
        int queued = int(std::min<qint64>(open->port->bytesToWrite(), INT_MAX));
        if (queued == 0)
            queued = platform::unsent_bytes(*open->port).value_or(0);
        if (queued <= 0)
            co_return FT_OK;
        if (deadline.hasExpired())
            co_return FT_IO_ERROR;
        co_await after_ms(kSentPollMs);
    }
}

Task<> QtSerialDriver::wait_for_data(FtHandle handle, int timeout_ms) {
    Open* open = find(handle);
    if (!open || !open->port->isOpen() || open->port->bytesAvailable() > 0)
        co_return;
    // The port reads what the system received when the event loop serves its notifier, and
    // says so with readyRead; a port closed meanwhile only ends the wait at its limit.
    co_await signal_or_timeout(open->port.get(), &QIODevice::readyRead, std::max(timeout_ms, 0));
}

} // namespace kx
