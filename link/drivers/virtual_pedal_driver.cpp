#include "link/drivers/virtual_pedal_driver.h"

#include <algorithm>
#include <chrono>
#include <cstring>

namespace kx {

namespace {

// Line settings as the D2XX interface codes them, and the chip's limits.
constexpr quint32 kPedalBaud = 115200;
constexpr quint32 kPowerOnBaud = 9600;
constexpr quint32 kLowestBaud = 183;
constexpr quint32 kHighestBaud = 3000000;
constexpr quint8 kBits7 = 7;
constexpr quint8 kBits8 = 8;
constexpr quint8 kStopBits1 = 0;
constexpr quint8 kStopBits2 = 2;
constexpr quint8 kParityNone = 0;
constexpr quint8 kParitySpace = 4;

} // namespace

VirtualPedalDriver::VirtualPedalDriver(std::shared_ptr<sim::VirtualPedal> pedal)
    : m_pedal(std::move(pedal)) {}

qint64 VirtualPedalDriver::now_us() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

void VirtualPedalDriver::unplug() {
    m_pedal->unplug(now_us());
}

void VirtualPedalDriver::replug() {
    m_pedal->replug();
}

int VirtualPedalDriver::device_count(quint32& count) {
    count = m_pedal->unplugged() ? 0 : 1;
    return FT_OK;
}

int VirtualPedalDriver::serial_number(quint32 index, QByteArray& text) {
    if (m_pedal->unplugged() || index != 0)
        return FT_DEVICE_NOT_FOUND;
    text = kVirtualPedalSerial;
    return FT_OK;
}

int VirtualPedalDriver::description(quint32 index, QByteArray& text) {
    if (m_pedal->unplugged() || index != 0)
        return FT_DEVICE_NOT_FOUND;
    text = kVirtualPedalDescription;
    return FT_OK;
}

int VirtualPedalDriver::open_by_serial(const QByteArray& serial, FtHandle& handle) {
    if (m_pedal->unplugged() || serial != kVirtualPedalSerial)
        return FT_DEVICE_NOT_FOUND;
    if (m_handle != 0)
        return FT_DEVICE_NOT_OPENED; // one process at a time, as with the real chip
    m_handle = m_next_handle++;
    handle = m_handle;
    m_unplug_count_at_open = m_pedal->unplug_count();
    m_baud = kPowerOnBaud;
    m_word_length = kBits8;
    m_stop_bits = kStopBits1;
    m_parity = kParityNone;
    m_received.clear();
    m_pedal->purge_host_receive(now_us());
    return FT_OK;
}

int VirtualPedalDriver::open_first(FtHandle& handle) {
    return open_by_serial(kVirtualPedalSerial, handle);
}

int VirtualPedalDriver::check(FtHandle handle) const {
    if (handle == 0 || handle != m_handle)
        return FT_INVALID_HANDLE;
    if (m_pedal->unplug_count() != m_unplug_count_at_open)
        return FT_IO_ERROR;
    return FT_OK;
}

int VirtualPedalDriver::close(FtHandle handle) {
    if (handle == 0 || handle != m_handle)
        return FT_INVALID_HANDLE;
    m_handle = 0;
    m_received.clear();
    return FT_OK;
}

bool VirtualPedalDriver::line_matches() const {
    return m_baud == kPedalBaud && m_word_length == kBits8 && m_stop_bits == kStopBits1 &&
           m_parity == kParityNone;
}

void VirtualPedalDriver::collect() {
    const QByteArray delivered = m_pedal->take_deliverable(now_us());
    if (line_matches())
        m_received += delivered;
}

int VirtualPedalDriver::queue_status(FtHandle handle, quint32& queued) {
    if (const int status = check(handle); status != FT_OK)
        return status;
    collect();
    queued = quint32(m_received.size());
    return FT_OK;
}

int VirtualPedalDriver::read(FtHandle handle, char* buffer, quint32 count, quint32& bytes_read) {
    bytes_read = 0;
    if (const int status = check(handle); status != FT_OK)
        return status;
    // A read takes only what has arrived: waits belong to wait_for_data, which lets the event
    // loop run.
    collect();
    bytes_read = std::min<quint32>(count, quint32(m_received.size()));
    if (bytes_read > 0)
        std::memcpy(buffer, m_received.constData(), bytes_read);
    m_received.remove(0, bytes_read);
    return FT_OK;
}

int VirtualPedalDriver::write(FtHandle handle, const char* buffer, quint32 count,
                              quint32& bytes_written) {
    bytes_written = 0;
    if (const int status = check(handle); status != FT_OK)
        return status;
    if (!line_matches()) {
        // The chip sends them, but at the wrong speed or framing the pedal reads nothing.
        bytes_written = count;
        return FT_OK;
    }
    bytes_written = quint32(m_pedal->host_bytes(QByteArray(buffer, count), now_us()));
    return check(handle);
}

int VirtualPedalDriver::purge(FtHandle handle, quint32 mask) {
    if (const int status = check(handle); status != FT_OK)
        return status;
    if (mask & FT_PURGE_RX) {
        m_received.clear();
        m_pedal->purge_host_receive(now_us());
    }
    if (mask & FT_PURGE_TX)
        m_pedal->purge_host_transmit(now_us());
    return FT_OK;
}

int VirtualPedalDriver::reset(FtHandle handle) {
    return purge(handle, FT_PURGE_RX | FT_PURGE_TX);
}

int VirtualPedalDriver::set_baud_rate(FtHandle handle, quint32 baud) {
    if (const int status = check(handle); status != FT_OK)
        return status;
    if (baud < kLowestBaud || baud > kHighestBaud)
        return FT_INVALID_BAUD_RATE;
    m_baud = baud;
    return FT_OK;
}

int VirtualPedalDriver::set_data_characteristics(FtHandle handle, quint8 word_length,
                                                 quint8 stop_bits, quint8 parity) {
    if (const int status = check(handle); status != FT_OK)
        return status;
    if ((word_length != kBits7 && word_length != kBits8) ||
        (stop_bits != kStopBits1 && stop_bits != kStopBits2) || parity > kParitySpace)
        return FT_INVALID_PARAMETER;
    m_word_length = word_length;
    m_stop_bits = stop_bits;
    m_parity = parity;
    return FT_OK;
}

int VirtualPedalDriver::set_timeouts(FtHandle handle, quint32 /*read_ms*/, quint32 /*write_ms*/) {
    // Reads take only what has arrived and writes never wait: no limit has a use here.
    return check(handle);
}

Task<> VirtualPedalDriver::wait_for_data(FtHandle handle, int timeout_ms) {
    if (check(handle) != FT_OK)
        co_return;
    collect();
    if (!m_received.isEmpty())
        co_return;
    // The pedal knows when its next event is due (a byte reaching it, bytes reaching the
    // host): the wait looks again then, until bytes came or the limit passed.
    const qint64 deadline_us = now_us() + qint64(std::max(timeout_ms, 0)) * 1000;
    for (;;) {
        const qint64 now = now_us();
        if (now >= deadline_us)
            co_return;
        const qint64 wake_us =
            std::min(deadline_us, m_pedal->next_delivery_us().value_or(deadline_us));
        co_await after_ms(int(std::max<qint64>((wake_us - now + 999) / 1000, 1)));
        if (check(handle) != FT_OK)
            co_return;
        collect();
        if (!m_received.isEmpty())
            co_return;
    }
}

int VirtualPedalDriver::set_latency_timer(FtHandle handle, quint8 ms) {
    if (const int status = check(handle); status != FT_OK)
        return status;
    if (ms == 0)
        return FT_INVALID_PARAMETER;
    m_pedal->set_latency_timer_ms(ms);
    return FT_OK;
}

int VirtualPedalDriver::latency_timer(FtHandle handle, quint8& ms) {
    if (const int status = check(handle); status != FT_OK)
        return status;
    ms = quint8(m_pedal->latency_timer_ms());
    return FT_OK;
}

Task<int> VirtualPedalDriver::wait_written(FtHandle handle) {
    // The pedal's line takes every byte at once and delivers it in its own time.
    co_return check(handle);
}

Task<int> VirtualPedalDriver::wait_until_sent(FtHandle handle, int timeout_ms) {
    const qint64 deadline_us = now_us() + qint64(std::max(timeout_ms, 0)) * 1000;
    for (;;) {
        if (const int status = check(handle); status != FT_OK)
            co_return status;
        const qint64 now = now_us();
        m_pedal->advance(now);
        if (m_pedal->unreceived_host_bytes() == 0)
            co_return FT_OK;
        if (now >= deadline_us)
            co_return FT_IO_ERROR;
        const qint64 next = std::min(deadline_us, m_pedal->next_delivery_us().value_or(deadline_us));
        co_await after_ms(int(std::max<qint64>((next - now + 999) / 1000, 1)));
    }
}

} // namespace kx
