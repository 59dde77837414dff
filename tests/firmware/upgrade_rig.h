#pragma once

// The firmware window on a link to the virtual pedal in its bootloader, connected in upgrade
// mode: in-process with instant or real timing, or served on a pseudo-terminal.

#include "base/scripted_dialogs.h"
#include "firmware/bootloader_frames.h"
#include "firmware/ui/FirmwareUpgrade.h"
#include "library/resource_store.h"
#include "session/pedal_session.h"
#include "support/link_rig.h"

#include <QComboBox>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace kx::test {

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

class UpgradeRig : public LinkRig {
public:
    using Transport = test::Transport;

    explicit UpgradeRig(Transport transport) : LinkRig(transport, {.bootloader = true}) {
        session = std::make_unique<PedalSession>(comm, store, log, clock());
        QObject::connect(session.get(), &PedalSession::link_lost,
                         [this](const QString& detail) { lost << detail; });
        form = std::make_unique<TformFirmwareUpgrade>(
            FirmwareUpgradeContext{*session, log, dialogs, clock(), store});
        QVERIFY2(ok(), qPrintable(error()));
    }
    ~UpgradeRig() {
        form.reset();
        session.reset();
    }

    // Connects in upgrade mode; the bootloader must acknowledge.
    void connect_to_bootloader() {
        comm.firmware_upgrade_mode = true;
        const Status connected = connect();
        QVERIFY2(connected, qPrintable(connected.error()));
        QCOMPARE(session->link_state(), LinkState::Bootloader);
        if (in_process())
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

    ScriptedDialogs dialogs;
    ResourceStore store;
    std::unique_ptr<PedalSession> session;
    std::unique_ptr<TformFirmwareUpgrade> form;
};

} // namespace kx::test
