#include "link/drivers/composite_serial_driver.h"

namespace kx {

CompositeSerialDriver::CompositeSerialDriver(QList<SerialDriver*> drivers)
    : m_drivers(std::move(drivers)), m_counts(m_drivers.size(), 0) {}

int CompositeSerialDriver::device_count(quint32& count) {
    count = 0;
    for (qsizetype i = 0; i < m_drivers.size(); ++i) {
        quint32 n = 0;
        const int status = m_drivers[i]->device_count(n);
        if (status != FT_OK)
            return status;
        m_counts[i] = n;
        count += n;
    }
    return FT_OK;
}

std::pair<SerialDriver*, quint32> CompositeSerialDriver::locate(quint32 index) const {
    for (qsizetype i = 0; i < m_drivers.size(); ++i) {
        if (index < m_counts[i])
            return {m_drivers[i], index};
        index -= m_counts[i];
    }
    return {nullptr, 0};
}

int CompositeSerialDriver::serial_number(quint32 index, QByteArray& text) {
    const auto [driver, inner] = locate(index);
    return driver ? driver->serial_number(inner, text) : FT_DEVICE_NOT_FOUND;
}

int CompositeSerialDriver::description(quint32 index, QByteArray& text) {
    const auto [driver, inner] = locate(index);
    return driver ? driver->description(inner, text) : FT_DEVICE_NOT_FOUND;
}

FtHandle CompositeSerialDriver::adopt(SerialDriver* driver, FtHandle inner) {
    const FtHandle handle = m_next_handle++;
    m_handles[handle] = {driver, inner};
    return handle;
}

std::pair<SerialDriver*, FtHandle> CompositeSerialDriver::route(FtHandle handle) const {
    const auto it = m_handles.find(handle);
    return it == m_handles.end() ? std::pair<SerialDriver*, FtHandle>{nullptr, 0} : it->second;
}

int CompositeSerialDriver::open_by_serial(const QByteArray& serial, FtHandle& handle) {
    // Later drivers first: the editor means the chip listed last.
    for (auto it = m_drivers.crbegin(); it != m_drivers.crend(); ++it) {
        FtHandle inner = 0;
        const int status = (*it)->open_by_serial(serial, inner);
        if (status == FT_DEVICE_NOT_FOUND)
            continue;
        if (status == FT_OK)
            handle = adopt(*it, inner);
        return status;
    }
    return FT_DEVICE_NOT_FOUND;
}

int CompositeSerialDriver::open_first(FtHandle& handle) {
    for (SerialDriver* driver : m_drivers) {
        FtHandle inner = 0;
        const int status = driver->open_first(inner);
        if (status == FT_DEVICE_NOT_FOUND)
            continue;
        if (status == FT_OK)
            handle = adopt(driver, inner);
        return status;
    }
    return FT_DEVICE_NOT_FOUND;
}

int CompositeSerialDriver::close(FtHandle handle) {
    const auto [driver, inner] = route(handle);
    if (!driver)
        return FT_INVALID_HANDLE;
    const int status = driver->close(inner);
    if (status == FT_OK)
        m_handles.erase(handle);
    return status;
}

int CompositeSerialDriver::queue_status(FtHandle handle, quint32& queued) {
    const auto [driver, inner] = route(handle);
    return driver ? driver->queue_status(inner, queued) : FT_INVALID_HANDLE;
}

int CompositeSerialDriver::read(FtHandle handle, char* buffer, quint32 count, quint32& bytes_read) {
    const auto [driver, inner] = route(handle);
    bytes_read = 0;
    return driver ? driver->read(inner, buffer, count, bytes_read) : FT_INVALID_HANDLE;
}

int CompositeSerialDriver::write(FtHandle handle, const char* buffer, quint32 count,
                                 quint32& bytes_written) {
    const auto [driver, inner] = route(handle);
    bytes_written = 0;
    return driver ? driver->write(inner, buffer, count, bytes_written) : FT_INVALID_HANDLE;
}

int CompositeSerialDriver::purge(FtHandle handle, quint32 mask) {
    const auto [driver, inner] = route(handle);
    return driver ? driver->purge(inner, mask) : FT_INVALID_HANDLE;
}

int CompositeSerialDriver::reset(FtHandle handle) {
    const auto [driver, inner] = route(handle);
    return driver ? driver->reset(inner) : FT_INVALID_HANDLE;
}

int CompositeSerialDriver::set_baud_rate(FtHandle handle, quint32 baud) {
    const auto [driver, inner] = route(handle);
    return driver ? driver->set_baud_rate(inner, baud) : FT_INVALID_HANDLE;
}

int CompositeSerialDriver::set_data_characteristics(FtHandle handle, quint8 word_length,
                                                    quint8 stop_bits, quint8 parity) {
    const auto [driver, inner] = route(handle);
    return driver ? driver->set_data_characteristics(inner, word_length, stop_bits, parity)
                  : FT_INVALID_HANDLE;
}

int CompositeSerialDriver::set_timeouts(FtHandle handle, quint32 read_ms, quint32 write_ms) {
    const auto [driver, inner] = route(handle);
    return driver ? driver->set_timeouts(inner, read_ms, write_ms) : FT_INVALID_HANDLE;
}

int CompositeSerialDriver::set_latency_timer(FtHandle handle, quint8 ms) {
    const auto [driver, inner] = route(handle);
    return driver ? driver->set_latency_timer(inner, ms) : FT_INVALID_HANDLE;
}

int CompositeSerialDriver::latency_timer(FtHandle handle, quint8& ms) {
    const auto [driver, inner] = route(handle);
    return driver ? driver->latency_timer(inner, ms) : FT_INVALID_HANDLE;
}

Task<int> CompositeSerialDriver::wait_written(FtHandle handle) {
    const auto [driver, inner] = route(handle);
    if (!driver)
        co_return FT_INVALID_HANDLE;
    const int status = co_await driver->wait_written(inner);
    co_return status;
}

Task<int> CompositeSerialDriver::wait_until_sent(FtHandle handle, int timeout_ms) {
    const auto [driver, inner] = route(handle);
    if (!driver)
        co_return FT_INVALID_HANDLE;
    const int status = co_await driver->wait_until_sent(inner, timeout_ms);
    co_return status;
}

Task<> CompositeSerialDriver::wait_for_data(FtHandle handle, int timeout_ms) {
    const auto [driver, inner] = route(handle);
    if (driver)
        co_await driver->wait_for_data(inner, timeout_ms);
}

} // namespace kx
