#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <deque>
#include <optional>
#include <vector>

namespace kx::sim {

// The serial line runs at 115200 baud, 8N1: ten bits a byte, 86.8 us.
inline constexpr qint64 kBaudRate = 115200;
inline constexpr qint64 kBitsPerByte = 10;
// The chip hands received bytes to the host in USB packets of at most 62 data bytes; a packet
// that does not fill up is sent when the latency timer expires, 16 ms after its first byte.
inline constexpr int kUsbPacketPayload = 62;
inline constexpr qint64 kLatencyTimer_us = 16000;

struct TimedByte {
    qint64 at_us = 0;
    quint8 value = 0;
};

// One direction of the serial line. Bytes handed over while the line is busy queue behind the
// ones still being shifted out; times are computed from the start of the current burst so that
// the fractional byte time does not drift.
class SerialWire {
public:
    // Time at which a byte handed over at `at_us` has been received at the far end.
    qint64 push(qint64 at_us);
    void set_instant(bool instant) { m_instant = instant; }
    // Forgets the bytes still being sent; the next byte may start once `idle_from_us` has come.
    void restart(qint64 idle_from_us) {
        m_burst_start_us = idle_from_us;
        m_burst_bytes = 0;
    }

private:
    qint64 end_of_byte(qint64 count) const;

    qint64 m_burst_start_us = 0;
    qint64 m_burst_bytes = 0;
    bool m_instant = false;
};

// The receive side of the USB chip: bytes from the pedal wait in the chip until their packet is
// sent, then sit in the host's queue until read.
class UsbPacketizer {
public:
    void push(const TimedByte& byte) { m_chip.push_back(byte); }
    // Moves every packet complete by `now_us` into the host queue; returns the bytes moved.
    std::vector<TimedByte> deliver(qint64 now_us);
    // When the oldest waiting packet will be sent, if any byte waits.
    std::optional<qint64> next_packet_us() const;
    // Drops the bytes the chip holds by `now_us` (a receive purge); later bytes still come.
    void purge_received_by(qint64 now_us);
    // Drops the bytes that would only reach the chip after `at_us` (their sender lost power).
    void drop_arriving_after(qint64 at_us);
    void clear() { m_chip.clear(); }
    qsizetype size() const { return qsizetype(m_chip.size()); }
    void set_instant(bool instant) { m_instant = instant; }
    bool empty() const { return m_chip.empty(); }
    void set_latency_timer_us(qint64 us) { m_latency_us = us; }
    qint64 latency_timer_us() const { return m_latency_us; }

private:
    // Send time and byte count of the packet starting at the oldest waiting byte.
    std::pair<qint64, int> first_packet() const;

    std::deque<TimedByte> m_chip;
    bool m_instant = false;
    qint64 m_latency_us = kLatencyTimer_us;
};

} // namespace kx::sim
