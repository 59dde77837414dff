#pragma once

// The editor's link to a pedal, built once for every test and benchmark: the driver, the chip
// unit and the connection over it, with a log and a window that record what the user would
// see. The pedal is the virtual one, reached by one of the transports below. Header-only, so
// the benchmarks can use it.
#include "base/clock.h"
#include "base/log.h"
#include "link/Communication.h"
#include "link/D2XXUnit.h"
#include "link/drivers/composite_serial_driver.h"
#include "link/drivers/qt_serial_driver.h"
#include "link/drivers/virtual_pedal_driver.h"
#include "support/await.h"
#include "support/recording_connection_ui.h"
#include "support/served_pedal.h"

#include <QElapsedTimer>
#include <QList>
#include <QMetaType>
#include <QStringList>

#include <memory>

namespace kx::test {

// How the link reaches the virtual pedal.
enum class Transport {
    Instant,        // in process, answering at once; pauses take no time
    InProcess,      // in process, with the real timing of the line and the chip
    PseudoTerminal, // served by its own program, through the QtSerialPort driver (`--port`)
};

inline const char* transport_name(Transport transport) {
    switch (transport) {
    case Transport::Instant:
        return "instant";
    case Transport::InProcess:
        return "in-process";
    case Transport::PseudoTerminal:
        return "pseudo-terminal";
    }
    return "?";
}

// The transports with real timing, the rows of a test's transport column:
//   QTest::addColumn<kx::test::Transport>("transport");
//   for (Transport t : kRealTimeTransports) QTest::newRow(transport_name(t)) << t;
inline constexpr Transport kRealTimeTransports[] = {Transport::InProcess,
                                                    Transport::PseudoTerminal};

// Pauses take no time but count as time passed; waits for the pedal take real time, so time
// limits still expire.
class FastClock : public Clock {
public:
    FastClock() { m_timer.start(); }
    Task<> pause(int ms) override {
        m_slept_us += qint64(ms) * 1000;
        co_return;
    }
    qint64 now_ms() const override { return m_timer.elapsed() + m_slept_us / 1000; }

private:
    QElapsedTimer m_timer;
    qint64 m_slept_us = 0;
};

// How the virtual pedal starts.
struct PedalOptions {
    bool bootloader = false;  // powered up with the footswitch held
    int reply_delay_ms = 0;   // every answer this much late
    int latency_timer_ms = 0; // the chip's latency timer; 0: its default
    QStringList arguments;    // more for the served pedal's program (see its --help)
};

class LinkRig {
public:
    // A link to the virtual pedal over `transport`; ok() says whether it could be served.
    explicit LinkRig(Transport transport, const PedalOptions& options = {})
        : m_transport(transport),
          m_clock(transport == Transport::Instant ? static_cast<Clock&>(m_fast_clock)
                                                  : m_real_clock),
          m_driver(make_driver(options)), d2xx(m_driver, log), comm(d2xx, ui, log, m_clock) {
        comm.set_lost_handler([this](const Error& error) { lost << error.message; });
        m_listed = comm.list_devices().ok();
        comm.init_line_settings();
    }
    LinkRig(const LinkRig&) = delete;
    LinkRig& operator=(const LinkRig&) = delete;

    // The pedal is served and its chip listed.
    bool ok() const { return m_driver_ok && m_listed; }
    // Why the pedal could not be served.
    QString error() const {
        return !m_driver_ok ? m_served.error() : QStringLiteral("the chip was not listed");
    }
    Transport transport() const { return m_transport; }
    bool in_process() const { return m_pedal != nullptr; }
    // The in-process pedal and its driver; only for the in-process transports.
    VirtualPedalDriver& pedal_driver() { return *m_pedal; }
    sim::VirtualPedal& pedal() { return m_pedal->pedal(); }
    ServedPedal& served() { return m_served; }
    Clock& clock() { return m_clock; }

    // Connects as the Connect step does; the log starts empty afterwards.
    Status connect() {
        const Status connected = test::done(comm.connect_device());
        if (connected)
            log.lines.clear();
        return connected;
    }
    // Whether the in-process pedal has taken in every byte written to it so far.
    bool pedal_has_taken_everything() {
        pedal().advance(VirtualPedalDriver::now_us());
        return pedal().unreceived_host_bytes() == 0;
    }
    // Pulls the cable: the in-process chip vanishes; the served pedal's program ends, which
    // takes its pseudo-terminal with it.
    void unplug() {
        if (m_pedal)
            m_pedal->unplug();
        else
            m_served.kill();
    }

private:
    SerialDriver& make_driver(const PedalOptions& options) {
        if (m_transport == Transport::PseudoTerminal) {
            QStringList arguments;
            if (options.bootloader)
                arguments << QStringLiteral("--bootloader");
            if (options.reply_delay_ms > 0)
                arguments << QStringLiteral("--reply-delay-ms")
                          << QString::number(options.reply_delay_ms);
            if (options.latency_timer_ms > 0)
                arguments << QStringLiteral("--latency-timer-ms")
                          << QString::number(options.latency_timer_ms);
            m_driver_ok = m_served.start(arguments + options.arguments);
            m_port_driver = std::make_unique<QtSerialDriver>(QStringList{m_served.path()});
            return *m_port_driver;
        }
        m_pedal = std::make_unique<VirtualPedalDriver>(std::make_shared<sim::VirtualPedal>(
            m_transport == Transport::Instant, options.bootloader));
        m_pedal->pedal().inject_extra_delay_us(qint64(options.reply_delay_ms) * 1000);
        if (options.latency_timer_ms > 0)
            m_pedal->pedal().set_latency_timer_ms(options.latency_timer_ms);
        // As the programs reach it: one of the drivers they list chips from.
        m_port_driver =
            std::make_unique<CompositeSerialDriver>(QList<SerialDriver*>{m_pedal.get()});
        return *m_port_driver;
    }

    Transport m_transport;
    RealClock m_real_clock;
    FastClock m_fast_clock;
    Clock& m_clock;
    ServedPedal m_served;
    std::unique_ptr<VirtualPedalDriver> m_pedal;
    std::unique_ptr<SerialDriver> m_port_driver;
    bool m_driver_ok = true;
    bool m_listed = false;
    SerialDriver& m_driver;

public:
    // What the user would see: the log, the window's connection texts, and each lost link.
    MemoryLog log;
    RecordingConnectionUi ui;
    QStringList lost;
    D2XXUnit d2xx;
    Communication comm;
};

} // namespace kx::test

Q_DECLARE_METATYPE(kx::test::Transport)
