#include "sim/link_timing.h"

#include <algorithm>

namespace kx::sim {

qint64 SerialWire::end_of_byte(qint64 count) const {
    // Rounded up: a byte is only there once its stop bit is.
    return m_burst_start_us + (count * kBitsPerByte * 1000000 + kBaudRate - 1) / kBaudRate;
}

qint64 SerialWire::push(qint64 at_us) {
    if (m_instant)
        return at_us;
    if (at_us >= end_of_byte(m_burst_bytes)) {
        m_burst_start_us = at_us;
        m_burst_bytes = 0;
    }
    ++m_burst_bytes;
    return end_of_byte(m_burst_bytes);
}

std::pair<qint64, int> UsbPacketizer::first_packet() const {
    const qint64 first_us = m_chip.front().at_us;
    const qint64 flush_us = m_instant ? first_us : first_us + m_latency_us;
    int count = 0;
    qint64 last_us = first_us;
    for (const TimedByte& byte : m_chip) {
        if (count == kUsbPacketPayload || byte.at_us > flush_us)
            break;
        last_us = byte.at_us;
        ++count;
    }
    // A full packet leaves with its last byte, a partial one when the timer runs out.
    return {count == kUsbPacketPayload ? last_us : flush_us, count};
}

std::optional<qint64> UsbPacketizer::next_packet_us() const {
    if (m_chip.empty())
        return std::nullopt;
    return first_packet().first;
}

std::vector<TimedByte> UsbPacketizer::deliver(qint64 now_us) {
    std::vector<TimedByte> delivered;
    while (!m_chip.empty()) {
        const auto [send_us, count] = first_packet();
        if (send_us > now_us)
            break;
        for (int i = 0; i < count; ++i) {
            delivered.push_back({send_us, m_chip.front().value});
            m_chip.pop_front();
        }
    }
    return delivered;
}

void UsbPacketizer::purge_received_by(qint64 now_us) {
    while (!m_chip.empty() && m_chip.front().at_us <= now_us)
        m_chip.pop_front();
}

void UsbPacketizer::drop_arriving_after(qint64 at_us) {
    while (!m_chip.empty() && m_chip.back().at_us > at_us)
        m_chip.pop_back();
}

} // namespace kx::sim
