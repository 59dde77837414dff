#pragma once

// The link of the programs (chip access and exchange) on a virtual pedal that answers at once,
// with time that moves only when the link waits: a fuzz run takes no real time, whatever the
// time limits it meets. Deliveries can be cut to one byte a read, as a chip with a short
// latency timer passes a slow pedal's answer on.

#include "base/clock.h"
#include "base/log.h"
#include "link/Communication.h"
#include "link/D2XXUnit.h"
#include "link/serial_driver.h"
#include "sim/virtual_pedal.h"
#include "tests/support/recording_connection_ui.h"

#include <QByteArray>
#include <QCoreApplication>

#include <algorithm>
#include <cstring>

namespace kx::fuzz {

// A Qt application for the rare wait that needs the event loop; made once per process.
inline void ensure_application() {
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app =
        QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv);
    (void)app;
}

class SimDriver : public SerialDriver {
public:
    SimDriver(sim::VirtualPedal& pedal, InstantClock& clock) : m_pedal(pedal), m_clock(clock) {}

    // Bytes put in front of everything the pedal answers, as if they were still on their way;
    // `one_byte_reads` hands out one byte a read.
    QByteArray stray;
    bool one_byte_reads = false;

    int device_count(quint32& count) override {
        count = 1;
        return FT_OK;
    }
    int serial_number(quint32, QByteArray& text) override {
        text = "KX0001";
        return FT_OK;
    }
    int description(quint32, QByteArray& text) override {
        text = kChipFactoryDescription;
        return FT_OK;
    }
    int open_by_serial(const QByteArray&, FtHandle& handle) override {
        handle = 1;
        return FT_OK;
    }
    int open_first(FtHandle& handle) override {
        handle = 1;
        return FT_OK;
    }
    int close(FtHandle) override { return FT_OK; }
    int queue_status(FtHandle, quint32& queued) override {
        take();
        queued = quint32(std::min<qsizetype>(m_queue.size(), one_byte_reads ? 1 : m_queue.size()));
        return FT_OK;
    }
    int read(FtHandle, char* buffer, quint32 count, quint32& bytes_read) override {
        take();
        qsizetype n = std::min<qsizetype>(m_queue.size(), count);
        if (one_byte_reads)
            n = std::min<qsizetype>(n, 1);
        std::memcpy(buffer, m_queue.constData(), size_t(n));
        m_queue.remove(0, n);
        bytes_read = quint32(n);
        return FT_OK;
    }
    int write(FtHandle, const char* buffer, quint32 count, quint32& bytes_written) override {
        m_pedal.host_bytes(QByteArray(buffer, count), now_us());
        bytes_written = count;
        return FT_OK;
    }
    int purge(FtHandle, quint32 mask) override {
        if (mask & FT_PURGE_RX) {
            take();
            m_queue.clear();
            // What was on its way comes after the purge all the same.
            m_queue = std::exchange(stray, {});
        }
        return FT_OK;
    }
    int reset(FtHandle) override { return FT_OK; }
    int set_baud_rate(FtHandle, quint32) override { return FT_OK; }
    int set_data_characteristics(FtHandle, quint8, quint8, quint8) override { return FT_OK; }
    int set_timeouts(FtHandle, quint32, quint32) override { return FT_OK; }
    Task<> wait_for_data(FtHandle, int timeout_ms) override {
        // Time moves to the pedal's next delivery, or by the whole wait.
        const qint64 now = now_us();
        const std::optional<qint64> next = m_pedal.next_delivery_us();
        const qint64 until = next && *next <= now + qint64(timeout_ms) * 1000
                                 ? std::max(*next, now + 100)
                                 : now + qint64(std::max(timeout_ms, 1)) * 1000;
        m_clock.advance_us(until - now);
        co_return;
    }

private:
    qint64 now_us() const { return m_clock.now_ms() * 1000 + 1; }
    void take() {
        m_pedal.advance(now_us());
        m_queue += m_pedal.take_deliverable(now_us());
    }

    sim::VirtualPedal& m_pedal;
    InstantClock& m_clock;
    QByteArray m_queue;
};

// The link of a program to `pedal`, listed and ready to connect.
struct SimLink {
    explicit SimLink(sim::VirtualPedal& pedal) : driver(pedal, clock) {
        ensure_application();
        (void)comm.list_devices();
        comm.init_line_settings();
    }
    InstantClock clock;
    SimDriver driver;
    NullLog log;
    D2XXUnit d2xx{driver, log};
    RecordingConnectionUi ui;
    Communication comm{d2xx, ui, log, clock};
};

} // namespace kx::fuzz
