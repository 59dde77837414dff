#include "scripted_serial_driver.h"

#include <algorithm>
#include <cstring>

namespace kx {

int ScriptedSerialDriver::check(FtHandle handle) const {
    if (handle == 0 || handle != open_handle)
        return FT_INVALID_HANDLE;
    if (unplug_at_ms >= 0 && m_clock.now_ms() >= unplug_at_ms)
        return FT_IO_ERROR;
    return FT_OK;
}

void ScriptedSerialDriver::deliver() {
    const qint64 now = m_clock.now_ms();
    while (!m_pending.isEmpty() && m_pending.first().at_ms <= now)
        m_queue += m_pending.takeFirst().bytes;
}

int ScriptedSerialDriver::device_count(quint32& count) {
    if (count_status != FT_OK)
        return count_status;
    count = static_cast<quint32>(chips.size());
    return FT_OK;
}

int ScriptedSerialDriver::serial_number(quint32 index, QByteArray& text) {
    if (index >= static_cast<quint32>(chips.size()))
        return FT_DEVICE_NOT_FOUND;
    if (chips[index].serial_status != FT_OK)
        return chips[index].serial_status;
    text = chips[index].serial;
    return FT_OK;
}

int ScriptedSerialDriver::description(quint32 index, QByteArray& text) {
    if (index >= static_cast<quint32>(chips.size()))
        return FT_DEVICE_NOT_FOUND;
    if (chips[index].description_status != FT_OK)
        return chips[index].description_status;
    text = chips[index].description;
    return FT_OK;
}

int ScriptedSerialDriver::open_by_serial(const QByteArray& serial, FtHandle& handle) {
    opened_serials << serial;
    for (const Chip& chip : chips) {
        if (chip.serial.left(serial.size()) != serial || serial.isEmpty())
            continue;
        if (chip.open_status != FT_OK)
            return chip.open_status;
        handle = open_handle = m_next_handle++;
        return FT_OK;
    }
    return FT_DEVICE_NOT_FOUND;
}

int ScriptedSerialDriver::open_first(FtHandle& handle) {
    if (chips.isEmpty())
        return FT_DEVICE_NOT_FOUND;
    handle = open_handle = m_next_handle++;
    return FT_OK;
}

int ScriptedSerialDriver::close(FtHandle handle) {
    ++closes;
    if (handle != open_handle || handle == 0)
        return FT_INVALID_HANDLE;
    if (close_status != FT_OK)
        return close_status;
    open_handle = 0;
    return FT_OK;
}

int ScriptedSerialDriver::queue_status(FtHandle handle, quint32& queued) {
    ++queue_queries;
    if (const int status = check(handle); status != FT_OK)
        return status;
    deliver();
    queued = static_cast<quint32>(m_queue.size());
    return FT_OK;
}

int ScriptedSerialDriver::read(FtHandle handle, char* buffer, quint32 count, quint32& bytes_read) {
    bytes_read = 0;
    if (const int status = check(handle); status != FT_OK)
        return status;
    if (read_status != FT_OK)
        return read_status;
    const quint32 n = std::min(count, static_cast<quint32>(m_queue.size()));
    if (n > 0)
        std::memcpy(buffer, m_queue.constData(), n);
    m_queue.remove(0, n);
    bytes_read = n;
    return FT_OK;
}

int ScriptedSerialDriver::write(FtHandle handle, const char* buffer, quint32 count,
                                quint32& bytes_written) {
    bytes_written = 0;
    if (const int status = check(handle); status != FT_OK)
        return status;
    if (write_status != FT_OK)
        return write_status;
    writes << QByteArray(buffer, count);
    bytes_written = count;
    if (!replies.isEmpty())
        for (const Piece& piece : replies.takeFirst())
            m_pending.append({m_clock.now_ms() + piece.after_ms, piece.bytes});
    std::stable_sort(m_pending.begin(), m_pending.end(),
                     [](const Pending& a, const Pending& b) { return a.at_ms < b.at_ms; });
    return FT_OK;
}

int ScriptedSerialDriver::purge(FtHandle handle, quint32 mask) {
    if (const int status = check(handle); status != FT_OK)
        return status;
    purges << mask;
    if (mask & FT_PURGE_RX)
        m_queue.clear();
    return FT_OK;
}

int ScriptedSerialDriver::reset(FtHandle handle) {
    return check(handle);
}

int ScriptedSerialDriver::set_baud_rate(FtHandle handle, quint32 rate) {
    if (const int status = check(handle); status != FT_OK)
        return status;
    baud = rate;
    return FT_OK;
}

int ScriptedSerialDriver::set_data_characteristics(FtHandle handle, quint8 word, quint8 stop,
                                                   quint8 par) {
    if (const int status = check(handle); status != FT_OK)
        return status;
    word_length = word;
    stop_bits = stop;
    parity = par;
    return FT_OK;
}

int ScriptedSerialDriver::set_timeouts(FtHandle handle, quint32, quint32) {
    return check(handle);
}

Task<> ScriptedSerialDriver::wait_for_data(FtHandle, int timeout_ms) {
    ++waits;
    if (during_wait)
        during_wait();
    qint64 until = m_clock.now_ms() + std::max(timeout_ms, 0);
    if (!m_pending.isEmpty())
        until = std::min(until, m_pending.first().at_ms);
    const qint64 step = until - m_clock.now_ms();
    if (step > 0)
        m_clock.advance_ms(static_cast<int>(step));
    // As a real wait does, it lets the event loop run: what a window event starts meanwhile
    // meets the link's wait.
    co_await after_ms(0);
}

} // namespace kx
