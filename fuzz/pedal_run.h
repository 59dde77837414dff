#pragma once

// Runs a virtual pedal on fuzz input until it has nothing more to say, with the properties
// every run must keep: time moves on, and unread answers stay within their bound.

#include "fuzz/fuzz_check.h"
#include "sim/virtual_pedal.h"

#include <QByteArray>

namespace kx::fuzz {

// No input of a fuzz run is long enough to need more deliveries than this; more would mean the
// pedal forecasts a delivery that never comes.
inline constexpr int kMaxDeliveries = 1 << 20;

// Writes `bytes` at `at_us`, then follows the pedal's forecast to the last delivery, reading
// everything. Returns the time of the last delivery.
inline qint64 run_to_quiet(sim::VirtualPedal& pedal, const QByteArray& bytes, qint64 at_us) {
    pedal.host_bytes(bytes, at_us);
    qint64 now_us = at_us;
    int deliveries = 0;
    while (const std::optional<qint64> next = pedal.next_delivery_us()) {
        KX_FUZZ_CHECK(++deliveries <= kMaxDeliveries);
        now_us = std::max(now_us, *next);
        pedal.advance(now_us);
        KX_FUZZ_CHECK(pedal.unread_answer_bytes() <= sim::kMaxUnreadAnswerBytes);
        pedal.take_deliverable(now_us);
    }
    KX_FUZZ_CHECK(pedal.unreceived_host_bytes() == 0);
    return now_us;
}

} // namespace kx::fuzz
