#pragma once

// The firmware window on a link to the virtual pedal in its bootloader, connected in upgrade
// mode: in-process with instant or real timing, or served on a pseudo-terminal.

#include "base/clock.h"
#include "base/log.h"
#include "base/scripted_dialogs.h"
#include "firmware/bootloader_frames.h"
#include "firmware/ui/FirmwareUpgrade.h"
#include "library/resource_store.h"
#include "link/Communication.h"
#include "link/D2XXUnit.h"
#include "link/drivers/qt_serial_driver.h"
#include "link/drivers/virtual_pedal_driver.h"
#include "session/pedal_session.h"
#include "support/recording_connection_ui.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace kx::test {

// Pauses take no time but count as time passed; waits for the pedal take real time, so time
// limits still expire.
class FastClock : public Clock {
public:
    FastClock() { m_timer.start(); }
    void sleep_ms(int ms) override { m_slept_us += qint64(ms) * 1000; }
    void sleep_us(qint64 us) override { m_slept_us += us; }
    qint64 now_ms() const override { return m_timer.elapsed() + m_slept_us / 1000; }

private:
    QElapsedTimer m_timer;
    qint64 m_slept_us = 0;
};

inline QByteArray hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// What the pedal must receive for an image: the erase, each chunk written and read back, the
// record of firmware 1 and Go; written out here from the bootloader's byte layout.
inline QByteArray expected_wire(const QByteArray& image) {
    const auto address = [](quint32 a) {
        QByteArray frame;
        for (int shift = 24; shift >= 0; shift -= 8)
            frame.append(char(a >> shift));
        frame.append(char(frame[0] ^ frame[1] ^ frame[2] ^ frame[3]));
        return frame;
    };
    QByteArray wire = hex("43 BC FF 00");
    for (qsizetype at = 0; at < image.size(); at += 256) {
        const QByteArray chunk = image.mid(at, 256);
        const char n_minus_1 = char(chunk.size() - 1);
        char checksum = n_minus_1;
        for (const char byte : chunk)
            checksum ^= byte;
        const quint32 target = 0x08000000 + quint32(at);
        wire += hex("31 CE") + address(target) + n_minus_1 + chunk + checksum;
        wire += hex("11 EE") + address(target) + n_minus_1 + char(~n_minus_1);
    }
    wire += hex("31 CE 08 01 FC 00 F5 07 00 00 00 00 00 00 00 01 06");
    wire += hex("21 DE 08 00 00 00 08");
    return wire;
}

inline QByteArray firmware_1() {
    QFile file(QStringLiteral(KX_SOURCE_DIR "/resources/FIRMWARE_1"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class UpgradeRig {
public:
    enum class Transport { Instant, InProcess, PseudoTerminal };

    explicit UpgradeRig(Transport transport) {
        if (transport == Transport::Instant)
            clock = std::make_unique<FastClock>();
        else
            clock = std::make_unique<RealClock>();
        if (transport == Transport::PseudoTerminal) {
            m_server.start(QStringLiteral(KX_BINARY_DIR "/kestrel-x-virtual-pedal"),
                           {QStringLiteral("--bootloader")});
            if (!m_server.waitForStarted(5000) || !m_server.waitForReadyRead(5000))
                return;
            const QString path = QString::fromLocal8Bit(m_server.readLine()).trimmed();
            m_driver = std::make_unique<QtSerialDriver>(QStringList{path});
        } else {
            m_pedal = std::make_unique<VirtualPedalDriver>(std::make_shared<sim::VirtualPedal>(
                transport == Transport::Instant, /*start_in_bootloader=*/true));
        }
        SerialDriver& driver = m_pedal ? static_cast<SerialDriver&>(*m_pedal) : *m_driver;
        d2xx = std::make_unique<D2XXUnit>(driver, log);
        comm = std::make_unique<Communication>(*d2xx, ui, dialogs, log, *clock);
        session = std::make_unique<PedalSession>(*comm, store, log, *clock);
        form = std::make_unique<TformFirmwareUpgrade>(
            FirmwareUpgradeContext{*session, log, dialogs, *clock, store});
        comm->list_devices();
        comm->init_line_settings();
        if (transport != Transport::Instant)
            QTest::qWait(5); // the bootloader starts after power-on
    }
    ~UpgradeRig() {
        form.reset();
        session.reset();
        comm.reset();
        d2xx.reset();
        if (m_server.state() != QProcess::NotRunning) {
            m_server.terminate();
            m_server.waitForFinished(5000);
        }
    }

    bool ok() const { return form != nullptr; }
    sim::VirtualPedal& pedal() { return m_pedal->pedal(); }
    VirtualPedalDriver& pedal_driver() { return *m_pedal; }

    // Connects in upgrade mode; the bootloader must acknowledge.
    void connect_to_bootloader() {
        comm->firmware_upgrade_mode = true;
        comm->menuConnectClick();
        QCOMPARE(dialogs.messages, QStringList{kTextBootloaderOk});
        dialogs.messages.clear();
        log.lines.clear();
        if (m_pedal)
            pedal().clear_history();
    }
    void choose_firmware_1() { form->cmbFirmwareChoose->setCurrentIndex(0); }
    // What the pedal received since the connection.
    QByteArray wire() {
        QByteArray bytes;
        for (const sim::TimedByte& byte : pedal().received())
            bytes.append(char(byte.value));
        return bytes;
    }
    QByteArray flash(quint32 address, int count) {
        return pedal().flash().mid(address - kImageAddress, count);
    }

    std::unique_ptr<Clock> clock;
    ScriptedDialogs dialogs;
    MemoryLog log;
    RecordingConnectionUi ui;
    ResourceStore store{dialogs};
    std::unique_ptr<D2XXUnit> d2xx;
    std::unique_ptr<Communication> comm;
    std::unique_ptr<PedalSession> session;
    std::unique_ptr<TformFirmwareUpgrade> form;

private:
    QProcess m_server;
    std::unique_ptr<VirtualPedalDriver> m_pedal;
    std::unique_ptr<SerialDriver> m_driver;
};

} // namespace kx::test
