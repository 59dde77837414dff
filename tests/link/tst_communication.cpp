#include "base/clock.h"
#include "base/log.h"
#include "link/Communication.h"
#include "link/D2XXUnit.h"
#include "support/await.h"
#include "support/recording_connection_ui.h"
#include "support/scripted_serial_driver.h"

#include "params/parameter_messages.h"

#include <QTimer>
#include <QtTest>

using namespace kx;
using Piece = ScriptedSerialDriver::Piece;

namespace {

struct Fixture {
    InstantClock clock;
    ScriptedSerialDriver driver{clock};
    MemoryLog log;
    D2XXUnit d2xx{driver, log};
    RecordingConnectionUi ui;
    Communication comm{d2xx, ui, log, clock};
    // What the lost handler announced.
    QList<Error> lost;

    explicit Fixture(QList<ScriptedSerialDriver::Chip> chips = {{"KX0001", "FT230X Basic UART"}}) {
        driver.chips = chips;
        comm.set_lost_handler([this](const Error& error) { lost << error; });
        listed = comm.list_devices();
        comm.init_line_settings();
    }
    void connect() {
        QVERIFY(test::done(comm.connect_device()));
        log.lines.clear();
    }
    Status listed;
    // What the link reports: "not connected", "connected" or "bootloader".
    QString state() const {
        if (!comm.connected())
            return QStringLiteral("not connected");
        return comm.bootloader_ready ? QStringLiteral("bootloader") : QStringLiteral("connected");
    }
};

// The lines of a value reply, each ended by CR LF.
QByteArray value_lines(const QList<int>& values) {
    QByteArray bytes;
    for (const int v : values)
        bytes += QByteArray::number(v) + "\r\n";
    return bytes;
}

// Cuts a reply into USB packets of at most 62 bytes arriving as the chip would send them at
// 115200 baud: a full packet when its last byte is in, the last one 16 ms after its first.
QList<Piece> as_packets(const QByteArray& bytes, qint64 first_ms) {
    QList<Piece> pieces;
    const double byte_ms = 10.0 * 1000 / 115200;
    for (qsizetype at = 0; at < bytes.size(); at += 62) {
        const QByteArray packet = bytes.mid(at, 62);
        const qint64 arrive = packet.size() == 62 ? first_ms + qint64((at + 62) * byte_ms)
                                                  : first_ms + qint64(at * byte_ms) + 16;
        pieces.append({arrive, packet});
    }
    return pieces;
}

} // namespace

Q_DECLARE_METATYPE(kx::ErrorKind)

class TestCommunication : public QObject {
    Q_OBJECT
private slots:
    void list_devices_data();
    void list_devices();
    void connect_and_disconnect();
    void failed_open_changes_nothing_data();
    void failed_open_changes_nothing();
    void failed_close_stays_connected();
    void scan_data();
    void scan();
    void bootloader_check_data();
    void bootloader_check();
    void parse_values_data();
    void parse_values();
    void parse_values_logs_each_value();
    void parameter_reply_in_packets_uses_only_its_bytes();
    void information_reply_in_two_reads();
    void silent_pedal_ends_at_time_limit();
    void unfinished_reply_ends_after_quiet_gap();
    void unplug_during_wait_is_reported_once();
    void second_exchange_inside_wait_is_refused();
    void listing_goes_on_past_failing_calls();
    void late_reply_is_never_taken_for_the_next();
    void reply_that_does_not_fit_is_refused_data();
    void reply_that_does_not_fit_is_refused();
    void unplug_found_by_a_write_is_reported_once();
    void claim_keeps_other_actions_out();
    void long_message_leaves_in_pieces_between_events();
    void link_lost_during_connect_enables_nothing();
    void late_reply_is_dropped_inside_a_claim();
    void late_reply_in_bursts_is_dropped_whole_data();
    void late_reply_in_bursts_is_dropped_whole();
    void bytes_after_a_taken_reply_are_dropped_and_logged();
    void bootloader_refusal_is_named_data();
    void bootloader_refusal_is_named();
    void trickling_reply_ends_at_its_limit_data();
    void trickling_reply_ends_at_its_limit();
    void pause_keeps_events_flowing_and_refuses_pedal_actions();
    void stray_line_in_byte_by_byte_delivery_data();
    void stray_line_in_byte_by_byte_delivery();
};

void TestCommunication::list_devices_data() {
    QTest::addColumn<QList<ScriptedSerialDriver::Chip>>("chips");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("serial_menu");
    QTest::addColumn<QString>("serial");
    QTest::newRow("factory description named as the pedal")
        << QList<ScriptedSerialDriver::Chip>{{"S", "FT230X Basic UART"}} << "Kestrel X"
        << "Device Serial: S"
        << "S";
    QTest::newRow("other description shown as it is")
        << QList<ScriptedSerialDriver::Chip>{{"S", "USB Serial"}} << "USB Serial"
        << "Device Serial: S"
        << "S";
    QTest::newRow("two chips: serials run together, the last wins")
        << QList<ScriptedSerialDriver::Chip>{{"A1", "FT230X Basic UART"}, {"B2", "Other"}}
        << "Other"
        << "Device Serial: A1B2"
        << "B2";
    QTest::newRow("no chip: nothing changes")
        << QList<ScriptedSerialDriver::Chip>{} << "Device Name: "
        << "Device Serial: "
        << "";
}

void TestCommunication::list_devices() {
    QFETCH(QList<ScriptedSerialDriver::Chip>, chips);
    QFETCH(QString, name);
    QFETCH(QString, serial_menu);
    QFETCH(QString, serial);
    Fixture f(chips);
    QCOMPARE(f.ui.device_name, name);
    QCOMPARE(f.ui.serial_menu, serial_menu);
    QCOMPARE(f.comm.device_serial_number, serial);
    QVERIFY(f.log.lines.isEmpty());
    QVERIFY(f.listed);
}

void TestCommunication::connect_and_disconnect() {
    Fixture f;
    QVERIFY(test::done(f.comm.connect_device()));
    QCOMPARE(f.ui.device_name, QStringLiteral("Kestrel X connected"));
    QCOMPARE(f.log.lines,
             (QStringList{"serial number: KX0001", "FT_HANDLE: 0x00001234", "baud rate = 115200"}));
    QCOMPARE(f.driver.baud, 115200u);
    QCOMPARE(f.driver.word_length, quint8(8));
    QCOMPARE(f.driver.stop_bits, quint8(0));
    QCOMPARE(f.driver.parity, quint8(0));
    QCOMPARE(f.state(), QStringLiteral("connected"));

    QVERIFY(f.comm.disconnect_device());
    QCOMPARE(f.ui.device_name, QStringLiteral("Kestrel X "));
    QCOMPARE(f.state(), QStringLiteral("not connected"));
    QCOMPARE(f.driver.open_handle, FtHandle(0));

    // And again: the chip can be opened anew.
    QVERIFY(test::done(f.comm.connect_device()));
    QCOMPARE(f.ui.device_name, QStringLiteral("Kestrel X  connected"));
    QCOMPARE(f.state(), QStringLiteral("connected"));
}

void TestCommunication::failed_open_changes_nothing_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::addColumn<ErrorKind>("kind");
    QTest::newRow("not opened") << int(FT_DEVICE_NOT_OPENED)
                                << "Open_USB_Device_By_Serial_Number - Device not opened..."
                                << ErrorKind::DriverFailed;
    // A chip that is not there is no pedal: the user is told to check the cable.
    QTest::newRow("not found") << int(FT_DEVICE_NOT_FOUND)
                               << "Open_USB_Device_By_Serial_Number - Device not found..."
                               << ErrorKind::NoPedal;
}

void TestCommunication::failed_open_changes_nothing() {
    QFETCH(int, status);
    QFETCH(QString, message);
    QFETCH(ErrorKind, kind);
    Fixture f({{"KX0001", "FT230X Basic UART", status}});
    f.comm.firmware_upgrade_mode = true;
    const auto before = f.state();
    const Status connected = test::done(f.comm.connect_device());
    QCOMPARE(f.state(), before);
    QCOMPARE(f.ui.device_name, QStringLiteral("Kestrel X"));
    QCOMPARE(connected.error(), message);
    QCOMPARE(connected.error_kind(), kind);
    QVERIFY2(f.driver.writes.isEmpty(), "no bootloader check without an open chip");
}

void TestCommunication::failed_close_stays_connected() {
    Fixture f;
    f.connect();
    f.driver.close_status = FT_IO_ERROR;
    const auto before = f.state();
    const Status disconnected = f.comm.disconnect_device();
    QCOMPARE(f.state(), before);
    QCOMPARE(f.ui.device_name, QStringLiteral("Kestrel X connected"));
    QCOMPARE(disconnected.error(), QStringLiteral("FT_Close - General IO error..."));
}

void TestCommunication::scan_data() {
    QTest::addColumn<QList<ScriptedSerialDriver::Chip>>("chips");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QStringList>("found");
    QTest::addColumn<QString>("name");
    QTest::newRow("one chip, description shown unchanged")
        << QList<ScriptedSerialDriver::Chip>{{"KX77", "Kestrel X"}}
        << QStringList{"FT device count: 1", "FT_Device_String: KX77"} << QStringList{"Kestrel X"}
        << "Kestrel X";
    QTest::newRow("factory description not renamed")
        << QList<ScriptedSerialDriver::Chip>{{"KX77", "FT230X Basic UART"}}
        << QStringList{"FT device count: 1", "FT_Device_String: KX77"}
        << QStringList{"FT230X Basic UART"} << "FT230X Basic UART";
    QTest::newRow("no chip") << QList<ScriptedSerialDriver::Chip>{}
                             << QStringList{"FT device count: 0"} << QStringList{}
                             << "No device found";
}

void TestCommunication::scan() {
    QFETCH(QList<ScriptedSerialDriver::Chip>, chips);
    QFETCH(QStringList, log);
    QFETCH(QStringList, found);
    QFETCH(QString, name);
    Fixture f(QList<ScriptedSerialDriver::Chip>{});
    f.driver.chips = chips;
    const auto scanned = f.comm.scan_devices();
    QCOMPARE(f.log.lines, log);
    if (found.isEmpty()) {
        QCOMPARE(scanned.error(), QStringLiteral("No device found"));
        QCOMPARE(scanned.error_kind(), ErrorKind::NoPedal);
    } else {
        QVERIFY(scanned);
        QCOMPARE(*scanned, found);
    }
    QCOMPARE(f.ui.device_name, name);
    QCOMPARE(f.ui.serial_menu, QStringLiteral("Device Serial: "));
}

void TestCommunication::bootloader_check_data() {
    QTest::addColumn<QList<QList<Piece>>>("answers");
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<QStringList>("log_tail");
    QTest::addColumn<QString>("error");
    QTest::addColumn<bool>("ready");
    QTest::addColumn<int>("write_status");
    const QString failed = QString::fromLatin1(kTextBootloaderFailed) + QStringLiteral(": ");
    const QByteArray sync("\x7F");
    QTest::newRow("ack") << QList<QList<Piece>>{{{3, "\x79"}}} << sync
                         << QStringList{"num of bytes received: 1", "received Byte: 79"}
                         << QString() << true << 0;
    // Left inside a command, the bootloader takes 7F as its end and refuses it: in step, and
    // waiting for a command now.
    const QString found_in_command =
        "bootloader found: inside a command, which the synchronisation byte ended";
    QTest::newRow("nack") << QList<QList<Piece>>{{{3, "\x1F"}}} << sync
                          << QStringList{"num of bytes received: 1", "received Byte: 1F",
                                         found_in_command}
                          << QString() << true << 0;
    QTest::newRow("first byte counts")
        << QList<QList<Piece>>{{{3, QByteArray("\x1F\x79")}}} << sync
        << QStringList{"num of bytes received: 2", "received Byte: 1F", found_in_command}
        << QString() << true << 0;
    QTest::newRow("something else") << QList<QList<Piece>>{{{3, "\x55"}}} << sync
                                    << QStringList{"num of bytes received: 1", "received Byte: 55"}
                                    << failed + "it answered 55" << false << 0;
    // A bootloader that an earlier connect synchronised takes 7F as the first byte of a
    // command pair: the filler completes it, and the refusal shows it waits for a command.
    QTest::newRow("synchronised before: the filler refused")
        << QList<QList<Piece>>{{}, {{3, "\x1F"}}} << sync + '\x06'
        << QStringList{"num of bytes received: 1", "received Byte: 1F"} << QString() << true << 0;
    // Left inside a frame (7F may have been its length, asking for 128 bytes more): fillers
    // enough for the longest frame go at once; an acknowledgement on the way only moves it
    // on, and a single filler then ends the command pair the last of them began.
    const QByteArray frame_fillers(257, '\x06');
    const QString found_in_frame =
        "bootloader found: inside a frame a stopped upgrade left, which filler bytes ended";
    QTest::newRow("inside a frame: fillers until refused")
        << QList<QList<Piece>>{{}, {}, {{3, "\x79"}}, {{3, "\x1F"}}}
        << sync + '\x06' + frame_fillers + '\x06'
        << QStringList{"received Byte: 79", "num of bytes received: 1", "received Byte: 1F",
                       found_in_frame}
        << QString() << true << 0;
    QTest::newRow("inside a data frame whose length was 7F")
        << QList<QList<Piece>>{{},
                               {},
                               {{2, "\x1F"}, {3, QByteArray(64, '\x1F')}},
                               {},
                               {{3, "\x1F"}}}
        << sync + '\x06' + frame_fillers + "\x06\x06"
        << QStringList{"num of bytes received: 1", "received Byte: 1F", found_in_frame} << QString()
        << true << 0;
    QTest::newRow("silent, the fillers too")
        << QList<QList<Piece>>{} << sync + '\x06' + frame_fillers << QStringList{}
        << failed + "no answer to the synchronisation byte nor to 258 filler bytes: the pedal is "
                    "not in its bootloader"
        << false << 0;
    QTest::newRow("sync not sent")
        << QList<QList<Piece>>{{{3, "\x79"}}} << QByteArray() << QStringList{"baud rate = 115200"}
        << failed + "FT_Write - Insufficient resources..." << false
        << int(FT_INSUFFICIENT_RESOURCES);
}

void TestCommunication::bootloader_check() {
    QFETCH(QList<QList<Piece>>, answers);
    QFETCH(QByteArray, sent);
    QFETCH(QStringList, log_tail);
    QFETCH(QString, error);
    QFETCH(bool, ready);
    QFETCH(int, write_status);
    Fixture f;
    f.comm.firmware_upgrade_mode = true;
    f.driver.replies = answers;
    f.driver.write_status = write_status;
    const Status connected = test::done(f.comm.connect_device());
    QCOMPARE(f.driver.writes.join(), sent);
    QCOMPARE(f.log.lines.mid(f.log.lines.size() - log_tail.size()), log_tail);
    QCOMPARE(connected.error(), error);
    if (!connected)
        QCOMPARE(connected.error_kind(), ErrorKind::BootloaderSilent);
    // Connected either way; only an answer of the bootloader makes it the bootloader.
    QCOMPARE(f.comm.bootloader_ready, ready);
    QVERIFY(f.comm.connected());
}

void TestCommunication::parse_values_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QByteArray>("values");
    QTest::addColumn<QString>("message");
    QTest::newRow("one to three digits")
        << QByteArray("7\r\n255\r\n12\r\n") << 3 << QByteArray("\x07\xFF\x0C") << "";
    // Lines that no byte of the pedal's state can give are no line of its reply.
    QTest::newRow("a number above 255") << QByteArray("300\r\n") << 1 << QByteArray("old")
                                        << "The pedal's reply cannot be read: line 1 (\"300\") is "
                                           "not a number from 0 to 255.";
    QTest::newRow("four digits")
        << QByteArray("9\r\n1234\r\n") << 2 << QByteArray("old")
        << "The pedal's reply cannot be read: line 2 (\"1234\") is not a number from 0 to 255.";
    QTest::newRow("an empty line")
        << QByteArray("17\r\n\r\n") << 2 << QByteArray("old")
        << "The pedal's reply cannot be read: line 2 (\"\") is not a number from 0 to 255.";
    QTest::newRow("a line without its CR")
        << QByteArray("17\n5\r\n") << 2 << QByteArray("old")
        << "The pedal's reply cannot be read: line 1 (\"17\") is not a number from 0 to 255.";
    QTest::newRow("unfinished last line ignored")
        << QByteArray("1\r\n2\r\n3") << 2 << QByteArray("\x01\x02") << "";
    QTest::newRow("letter is an error")
        << QByteArray("7\r\n1K\r\n") << 2 << QByteArray("old")
        << "The pedal's reply cannot be read: line 2 (\"1K\") is not a number from 0 to 255.";
    QTest::newRow("short reply is reported")
        << QByteArray("7\r\n8\r\n") << 3 << QByteArray("old")
        << "The pedal's reply is incomplete: it holds 2 values where 3 were expected.";
    QTest::newRow("more values than asked for")
        << QByteArray("7\r\n8\r\n9\r\n") << 2 << QByteArray("old")
        << "The pedal's reply does not fit: it holds 3 values where 2 were expected.";
    QTest::newRow("nothing at all") << QByteArray("\0\0\0", 3) << 0 << QByteArray("old")
                                    << "The pedal's reply is incomplete: it holds 0 values "
                                       "where 1 were expected.";
}

void TestCommunication::parse_values() {
    QFETCH(QByteArray, reply);
    QFETCH(int, expected);
    QFETCH(QByteArray, values);
    QFETCH(QString, message);
    Fixture f;
    f.comm.received_values = "old";
    const auto parsed = f.comm.parse_values(reply, expected);
    QCOMPARE(parsed.ok(), message.isEmpty());
    QCOMPARE(parsed.error(), message);
    QCOMPARE(f.comm.received_values, values);
}

void TestCommunication::parse_values_logs_each_value() {
    Fixture f;
    QVERIFY(f.comm.parse_values(QByteArray("7\r\n255\r\n12\r\n"), 3));
    QCOMPARE(f.log.lines, (QStringList{"num of bytes received: 3", "receive array size: 3", "0: 07",
                                       "1: FF", "2: 0C"}));
}

void TestCommunication::parameter_reply_in_packets_uses_only_its_bytes() {
    Fixture f;
    f.connect();
    // Older, longer bytes stand in the receive buffer.
    f.driver.queue_bytes(QByteArray(400, '9'));
    QVERIFY(f.d2xx.ReadFTDevice());
    QList<int> expected;
    for (int i = 0; i < 4 * 16 + 22; ++i)
        expected << (i * 37) % 256;
    const QByteArray reply = value_lines(expected);
    QVERIFY(reply.size() > 3 * 62);
    f.driver.replies = {as_packets(reply, 2)};
    const auto values =
        test::done(f.comm.receive_values(QByteArray("\x02\x10"), parameter_reply(16)));
    QVERIFY2(values, qPrintable(values.error()));
    QCOMPARE(f.comm.received_values.size(), 86);
    QCOMPARE(*values, f.comm.received_values);
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(quint8(f.comm.received_values[i]), quint8(expected[i]));
    // Both queues are emptied before the request is written.
    QCOMPARE(f.driver.purges, (QList<quint32>{FT_PURGE_RX, FT_PURGE_TX}));
    QCOMPARE(f.driver.writes, QList<QByteArray>{"\x02\x10"});
    // Taken at the end of its burst: a tail longer than the chip's latency timer, no more.
    QCOMPARE(f.clock.now_ms(), as_packets(reply, 2).last().after_ms + kBurstTailMs);
}

void TestCommunication::information_reply_in_two_reads() {
    Fixture f;
    f.connect();
    f.driver.replies = {{{5, "X\r\n5\r"}, {21, "\n3\r\n12\r\n"}}};
    const auto text =
        test::done(f.comm.receive_text(QByteArray("\x05\x00", 2), information_reply()));
    QCOMPARE(text.value(), QByteArray("X\r\n5\r\n3\r\n12\r\n"));
    QCOMPARE(f.log.lines, QStringList{"num of bytes received: 13"});
}

void TestCommunication::silent_pedal_ends_at_time_limit() {
    Fixture f;
    f.connect();
    f.comm.received_values = "keep";
    const auto before = f.state();
    const auto values =
        test::done(f.comm.receive_values(QByteArray("\x02\x10"), parameter_reply(16, 1500)));
    QCOMPARE(values.error(),
             QStringLiteral("The pedal did not send its parameter state reply within 1.5 s."));
    QCOMPARE(values.error_kind(), ErrorKind::TimedOut);
    QVERIFY(f.lost.isEmpty());
    QCOMPARE(f.clock.now_ms(), 1500);
    QCOMPARE(f.comm.received_values, QByteArray("keep"));
    QCOMPARE(f.state(), before);
    QVERIFY(f.log.lines.isEmpty());
    // The wait sleeps on the driver between polls instead of spinning.
    QVERIFY2(f.driver.waits <= 1500 / kPollMs + 1, qPrintable(QString::number(f.driver.waits)));
    QVERIFY(!f.comm.waiting());
}

void TestCommunication::unfinished_reply_ends_after_quiet_gap() {
    Fixture f;
    f.connect();
    f.driver.replies = {{{5, "X\r\n5\r\n3\r\n"}}};
    const auto text =
        test::done(f.comm.receive_text(QByteArray("\x05\x00", 2), information_reply()));
    QCOMPARE(text.error(), QStringLiteral("The pedal's effect information reply is incomplete: it "
                                          "stopped after 9 bytes."));
    QCOMPARE(text.error_kind(), ErrorKind::BadReply);
    QCOMPARE(f.clock.now_ms(), 5 + kQuietGapMs);
}

void TestCommunication::unplug_during_wait_is_reported_once() {
    Fixture f;
    f.connect();
    f.driver.unplug_at_ms = 30;
    f.driver.replies = {{{5, "1\r\n"}}}; // the pedal starts to answer, then is gone
    f.comm.received_values = "keep";
    const auto values =
        test::done(f.comm.receive_values(QByteArray("\x02\x10"), parameter_reply(16, 5000)));
    QCOMPARE(values.error_kind(), ErrorKind::LinkLost);
    QCOMPARE(f.lost.size(), 1);
    QCOMPARE(f.lost[0].message, QStringLiteral("FT_GetQueueStatus - General IO error..."));
    QCOMPARE(f.lost[0].kind, ErrorKind::LinkLost);
    QCOMPARE(f.comm.received_values, QByteArray("keep"));
    QCOMPARE(f.state(), QStringLiteral("not connected"));
    QCOMPARE(f.ui.device_name, QStringLiteral("Kestrel X "));
    QCOMPARE(f.log.lines, QStringList{kLogLinkLost});
    QCOMPARE(f.driver.closes, 1);
    QVERIFY(!f.d2xx.device_open());
}

void TestCommunication::second_exchange_inside_wait_is_refused() {
    Fixture f;
    f.connect();
    f.driver.replies = {{{40, "X\r\n5\r\n3\r\n12\r\n"}}};
    // Handlers that a window event would run in the middle of the wait.
    QString nested = "untouched";
    QTimer::singleShot(0, [&] {
        QCOMPARE(f.comm.disconnect_device().error_kind(), ErrorKind::Busy);
        QVERIFY(!f.d2xx.send_bytes(QByteArray("\x01\x00\x10\x00\x00\x20\x00", 7)));
        nested =
            test::done(f.comm.receive_text(QByteArray("\x05\x00", 2), information_reply())).error();
    });
    const auto text =
        test::done(f.comm.receive_text(QByteArray("\x05\x00", 2), information_reply()));
    QCOMPARE(text.value(), QByteArray("X\r\n5\r\n3\r\n12\r\n"));
    QCOMPARE(nested, QStringLiteral("effect information reply was not done: the editor is "
                                    "waiting for the pedal."));
    QCOMPARE(f.driver.writes.size(), 1);
    QCOMPARE(f.state(), QStringLiteral("connected"));
    QCOMPARE(f.log.lines,
             (QStringList{"pedal busy, refused: Disconnect", "pedal busy, refused: FT_Write",
                          "pedal busy, refused: effect information reply",
                          "num of bytes received: 13"}));
    // The user reads why, without a box.
    QCOMPARE(f.ui.status_texts,
             (QStringList{"Disconnect was not done: the editor is waiting for the pedal.",
                          "effect information reply was not done: the editor is waiting for "
                          "the pedal."}));
}

// A failing listing call does not stop the listing, which goes on with an empty text and
// returns the first failure; a scan stops at a failing call and returns it.
void TestCommunication::listing_goes_on_past_failing_calls() {
    Fixture f({{"A1", "FT230X Basic UART", FT_OK, FT_IO_ERROR},
               {"B2", "Pedal", FT_OK, FT_OK, FT_DEVICE_NOT_FOUND}});
    QCOMPARE(f.ui.serial_menu, QStringLiteral("Device Serial: B2"));
    QCOMPARE(f.ui.device_name, QString());
    QCOMPARE(f.comm.device_serial_number, QStringLiteral("B2"));
    QCOMPARE(f.listed.error(), QStringLiteral("GetFTDeviceSerialNo - General IO error..."));
    QCOMPARE(f.listed.error_kind(), ErrorKind::DriverFailed);
    f.driver.count_status = FT_IO_ERROR;
    const auto scanned = f.comm.scan_devices();
    QCOMPARE(scanned.error(), QStringLiteral("GetFTDeviceCount - General IO error..."));
    QVERIFY(f.log.lines.isEmpty());
    f.driver.count_status = FT_OK;
    const auto again = f.comm.scan_devices();
    QCOMPARE(again.error(), QStringLiteral("GetFTDeviceSerialNo - General IO error..."));
    QCOMPARE(f.log.lines, QStringList{"FT device count: 2"});
}

// A reply that comes after its request gave up is dropped, not returned to the next request;
// from then on every answer is the one asked for.
void TestCommunication::late_reply_is_never_taken_for_the_next() {
    Fixture f;
    f.connect();
    f.driver.replies = {{{600, "0\r\n1\r\n2\r\n3\r\n"}},
                        {{5, "4\r\n5\r\n6\r\n7\r\n"}},
                        {{5, "8\r\n9\r\n10\r\n11\r\n"}}};
    const QByteArray request("\x05\x00", 2);
    QCOMPARE(test::done(f.comm.receive_text(request, information_reply(400))).error_kind(),
             ErrorKind::TimedOut);
    QCOMPARE(test::done(f.comm.receive_text(request, information_reply(400))).value(),
             QByteArray("4\r\n5\r\n6\r\n7\r\n"));
    QCOMPARE(test::done(f.comm.receive_text(request, information_reply(400))).value(),
             QByteArray("8\r\n9\r\n10\r\n11\r\n"));
    QVERIFY(f.log.lines.contains(QStringLiteral("late reply dropped, bytes: 12")));
}

void TestCommunication::reply_that_does_not_fit_is_refused_data() {
    QTest::addColumn<QList<Piece>>("pieces");
    QTest::addColumn<QString>("message");
    QTest::newRow("100 kB of one letter")
        << QList<Piece>{{3, QByteArray(100000, 'A')}}
        << "The pedal's effect information reply is longer than it can be.";
    QTest::newRow("more lines than asked for, in the same packet")
        << QList<Piece>{{3, "1\r\n2\r\n3\r\n4\r\n5\r\n"}}
        << "The pedal's effect information reply is longer than it can be.";
    QTest::newRow("more lines than asked for, already received with it")
        << QList<Piece>{{3, "1\r\n2\r\n"}, {3, "3\r\n4\r\n"}, {3, "5\r\n"}}
        << "The pedal's effect information reply is longer than it can be.";
    QTest::newRow("a stray byte behind its last line")
        << QList<Piece>{{3, "1\r\n2\r\n3\r\n4\r\n5"}}
        << "The pedal's effect information reply is longer than it can be.";
    QTest::newRow("lines without end")
        << QList<Piece>{{3, QByteArray(40, '7')}}
        << "The pedal's effect information reply is incomplete: it stopped after 40 bytes.";
}

void TestCommunication::reply_that_does_not_fit_is_refused() {
    QFETCH(QList<Piece>, pieces);
    QFETCH(QString, message);
    Fixture f;
    f.connect();
    f.driver.replies = {pieces, {{5, "4\r\n5\r\n6\r\n7\r\n"}}};
    const QByteArray request("\x05\x00", 2);
    const auto text = test::done(f.comm.receive_text(request, information_reply()));
    QCOMPARE(text.error(), message);
    QCOMPARE(text.error_kind(), ErrorKind::BadReply);
    // What is left of it never reaches the next request.
    const auto next = test::done(f.comm.receive_text(request, information_reply()));
    QVERIFY2(next, qPrintable(next.error()));
    QCOMPARE(*next, QByteArray("4\r\n5\r\n6\r\n7\r\n"));
}

// Knob turns write a message per step: after an unplug the first write ends the connection
// with one message, and the next writes are refused quietly instead of failing again.
void TestCommunication::unplug_found_by_a_write_is_reported_once() {
    Fixture f;
    f.connect();
    f.driver.unplug_at_ms = 0;
    for (int step = 0; step < 5; ++step) {
        const Status sent =
            test::done(f.comm.send_message(QByteArray("\x01\x00\x10\x00\x00\x20\x00", 7)));
        QCOMPARE(sent.error_kind(), step == 0 ? ErrorKind::LinkLost : ErrorKind::NotConnected);
    }
    QCOMPARE(f.lost.size(), 1);
    QCOMPARE(f.lost[0].message, QStringLiteral("FT_Write - General IO error..."));
    QCOMPARE(f.log.lines, QStringList{kLogLinkLost});
    QCOMPARE(f.state(), QStringLiteral("not connected"));
    QVERIFY(f.driver.writes.isEmpty());
}

// Work of several exchanges holds the link: nothing else gets in between, and the claim ends
// with the work.
void TestCommunication::claim_keeps_other_actions_out() {
    Fixture f;
    f.connect();
    f.driver.replies = {{{3, "\x79"}}, {{3, "\x79"}}};
    {
        auto claim = f.comm.claim(QStringLiteral("Upload"));
        QVERIFY(claim);
        QVERIFY(!f.comm.claim(QStringLiteral("Firmware upgrade")));
        QCOMPARE(test::done(f.comm.exchange(QByteArray("\x7F"), bootloader_reply())).error_kind(),
                 ErrorKind::Busy);
        QCOMPARE(f.comm.disconnect_device().error_kind(), ErrorKind::Busy);
        QVERIFY(f.comm.connected());
        QCOMPARE(
            test::done(f.comm.exchange(QByteArray("\x7F"), bootloader_reply(), &*claim)).value(),
            QByteArray("\x79"));
    }
    QCOMPARE(f.ui.status_texts,
             (QStringList{"Firmware upgrade was not done: the editor is waiting for the pedal.",
                          "bootloader answer was not done: the editor is waiting for the pedal.",
                          "Disconnect was not done: the editor is waiting for the pedal."}));
    QVERIFY(test::done(f.comm.exchange(QByteArray("\x7F"), bootloader_reply())));
    QCOMPARE(f.driver.writes.size(), 2);
}

void TestCommunication::long_message_leaves_in_pieces_between_events() {
    Fixture f;
    f.connect();
    QByteArray image(9472, '\0');
    for (int i = 0; i < image.size(); ++i)
        image[i] = char(i * 7);
    int events = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        ++events;
        // A handler that runs meanwhile may not write into the message.
        QVERIFY(!test::done(f.comm.send_message(QByteArray("\x0D\x00", 2))));
    });
    ticker.start(0);
    QVERIFY(test::done(f.comm.send_message(image)));
    ticker.stop();
    QCOMPARE(f.driver.writes.join(), image);
    QVERIFY(f.driver.writes.size() > 1);
    QVERIFY2(events > 0, "window events are handled while a long message is written");
    // A bootloader data frame is one write.
    f.driver.writes.clear();
    QVERIFY(test::done(f.comm.send_message(QByteArray(258, '\x5A'))));
    QCOMPARE(f.driver.writes, QList<QByteArray>{QByteArray(258, '\x5A')});
}

// Upgrade mode, the pedal unplugged inside the bootloader wait: the lost link has the last
// word, also over the Connect handler that was running, and over the next failed Connect.
void TestCommunication::link_lost_during_connect_enables_nothing() {
    Fixture f;
    f.comm.firmware_upgrade_mode = true;
    f.driver.unplug_at_ms = 1;
    QCOMPARE(test::done(f.comm.connect_device()).error_kind(), ErrorKind::LinkLost);
    QCOMPARE(f.state(), QStringLiteral("not connected"));
    QVERIFY(!f.comm.bootloader_ready);
    QCOMPARE(f.lost.size(), 1);
    QCOMPARE(f.lost[0].message, QStringLiteral("FT_GetQueueStatus - General IO error..."));
    f.driver.chips[0].open_status = FT_DEVICE_NOT_FOUND;
    QCOMPARE(test::done(f.comm.connect_device()).error_kind(), ErrorKind::NoPedal);
    QCOMPARE(f.state(), QStringLiteral("not connected"));
    QCOMPARE(f.lost.size(), 1);
}

// Work that holds the link (an upload after an earlier time-out) drops the late reply too,
// instead of being refused by its own claim.
void TestCommunication::late_reply_is_dropped_inside_a_claim() {
    Fixture f;
    f.connect();
    f.driver.replies = {{{600, "0\r\n1\r\n2\r\n3\r\n"}}, {{5, "4\r\n5\r\n6\r\n7\r\n"}}};
    const QByteArray request("\x05\x00", 2);
    QCOMPARE(test::done(f.comm.receive_text(request, information_reply(400))).error_kind(),
             ErrorKind::TimedOut);
    auto claim = f.comm.claim(QStringLiteral("Upload"));
    QVERIFY(claim);
    const auto text = test::done(f.comm.exchange(request, information_reply(400), &*claim));
    QVERIFY2(text, qPrintable(text.error()));
    QCOMPARE(*text, QByteArray("4\r\n5\r\n6\r\n7\r\n"));
    QVERIFY(f.ui.status_texts.isEmpty());
}

// The late window is a time: whatever comes before it ends, however spaced, is dropped, so
// no part of a late answer is taken for the next request's.
void TestCommunication::late_reply_in_bursts_is_dropped_whole_data() {
    QTest::addColumn<QList<Piece>>("first");
    QTest::addColumn<int>("timeout_ms");
    QTest::addColumn<ErrorKind>("code");
    QTest::addColumn<int>("dropped");
    QTest::newRow("late answer in two bursts")
        << QList<Piece>{{600, "X\r\n"}, {700, "255\r\n3\r\n12\r\n"}} << 400 << ErrorKind::TimedOut
        << 15;
    QTest::newRow("a burst, then the answer late in two bursts")
        << QList<Piece>{{5, "X\r\n"}, {1200, "X\r\n255\r\n"}, {1300, "3\r\n12\r\n"}} << 2000
        << ErrorKind::BadReply << 15;
}

void TestCommunication::late_reply_in_bursts_is_dropped_whole() {
    QFETCH(QList<Piece>, first);
    QFETCH(int, timeout_ms);
    QFETCH(ErrorKind, code);
    QFETCH(int, dropped);
    Fixture f;
    f.connect();
    f.driver.replies = {first, {{5, "X\r\n7\r\n3\r\n12\r\n"}}};
    const QByteArray request("\x05\x00", 2);
    QCOMPARE(test::done(f.comm.receive_text(request, information_reply(timeout_ms))).error_kind(),
             code);
    const auto next = test::done(f.comm.receive_text(request, information_reply(timeout_ms)));
    QVERIFY2(next, qPrintable(next.error()));
    QCOMPARE(*next, QByteArray("X\r\n7\r\n3\r\n12\r\n"));
    QVERIFY2(f.log.lines.contains(QStringLiteral("late reply dropped, bytes: %1").arg(dropped)),
             qPrintable(f.log.lines.join('|')));
}

// An exact reply is taken at the end of its burst; what the pedal sends after that is dropped
// by the next exchange before its request, and logged.
void TestCommunication::bytes_after_a_taken_reply_are_dropped_and_logged() {
    Fixture f;
    f.connect();
    f.driver.replies = {{{3, "X\r\n5\r\n3\r\n12\r\n"}, {30, "9\r\n"}},
                        {{5, "X\r\n7\r\n3\r\n12\r\n"}}};
    const QByteArray request("\x05\x00", 2);
    QCOMPARE(test::done(f.comm.receive_text(request, information_reply())).value(),
             QByteArray("X\r\n5\r\n3\r\n12\r\n"));
    QCOMPARE(f.clock.now_ms(), 3 + kBurstTailMs);
    f.clock.advance_ms(100); // the user's next click
    QCOMPARE(test::done(f.comm.receive_text(request, information_reply())).value(),
             QByteArray("X\r\n7\r\n3\r\n12\r\n"));
    QVERIFY(
        f.log.lines.contains(QStringLiteral("stray bytes dropped before the request, bytes: 3")));
}

// A pedal left in its bootloader by a stopped upgrade refuses a firmware request with NACK
// bytes: that is said as the bootloader, not as a reply cut short. Anything else stays a reply.
void TestCommunication::bootloader_refusal_is_named_data() {
    QTest::addColumn<QList<Piece>>("pieces");
    QTest::addColumn<int>("kind");
    QTest::newRow("one refusal") << QList<Piece>{{1, "\x1F"}} << int(ErrorKind::WrongLinkState);
    QTest::newRow("a refusal a byte, in two reads")
        << QList<Piece>{{1, "\x1F"}, {3, "\x1F"}} << int(ErrorKind::WrongLinkState);
    QTest::newRow("a refusal byte, then text") << QList<Piece>{{1, "\x1F"
                                                                   "4\r\n"}}
                                               << int(ErrorKind::BadReply);
    QTest::newRow("an acknowledgement") << QList<Piece>{{1, "\x79"}} << int(ErrorKind::BadReply);
}

void TestCommunication::bootloader_refusal_is_named() {
    QFETCH(QList<Piece>, pieces);
    QFETCH(int, kind);
    Fixture f;
    f.connect();
    f.driver.replies = {pieces};
    const auto text =
        test::done(f.comm.receive_text(QByteArray("\x05\x00", 2), information_reply(400)));
    QCOMPARE(int(text.error_kind()), kind);
    if (kind == int(ErrorKind::WrongLinkState))
        QCOMPARE(text.error(), QString::fromLatin1(kMessageBootloaderRefused)
                                   .arg(QLatin1String("effect information reply")));
}

// Bytes that keep coming never hold an exchange past its time limit, counted from its write.
void TestCommunication::trickling_reply_ends_at_its_limit_data() {
    QTest::addColumn<QByteArray>("trickle");
    QTest::addColumn<QString>("message");
    QTest::newRow("digits without a line end")
        << QByteArray(400, '7')
        << "The pedal did not finish its effect information reply within 1 s: 100 bytes came, "
           "still without its end.";
    QTest::newRow("line ends, but never four lines")
        << QByteArray("X\r") + QByteArray(400, '\r')
        << "The pedal did not finish its effect information reply within 1 s: 100 bytes came, "
           "still without its end.";
}

void TestCommunication::trickling_reply_ends_at_its_limit() {
    QFETCH(QByteArray, trickle);
    QFETCH(QString, message);
    Fixture f;
    f.connect();
    QList<Piece> pieces;
    for (int i = 0; i < trickle.size(); ++i)
        pieces.append({10 * (i + 1), trickle.mid(i, 1)});
    f.driver.replies = {pieces};
    const auto text =
        test::done(f.comm.receive_text(QByteArray("\x05\x00", 2), information_reply(1000)));
    QCOMPARE(text.error(), message);
    QCOMPARE(text.error_kind(), ErrorKind::TimedOut);
    QCOMPARE(f.clock.now_ms(), 1000);
}

// A fixed pause returns to the event loop, which runs, but no pedal action it starts.
void TestCommunication::pause_keeps_events_flowing_and_refuses_pedal_actions() {
    InstantClock driver_clock;
    ScriptedSerialDriver driver{driver_clock};
    driver.chips = {{"KX0001", "FT230X Basic UART"}};
    MemoryLog log;
    D2XXUnit d2xx{driver, log};
    RecordingConnectionUi ui;
    RealClock clock;
    Communication comm{d2xx, ui, log, clock};
    QVERIFY(comm.list_devices());
    comm.init_line_settings();
    QVERIFY(test::done(comm.connect_device()));
    QString nested;
    QTimer::singleShot(
        0, [&] { nested = test::done(comm.send_message(QByteArray("\x0D\x00", 2))).error(); });
    const qint64 start_ms = clock.now_ms();
    test::done(comm.pause(30));
    QVERIFY(clock.now_ms() - start_ms >= 30);
    QCOMPARE(nested, QStringLiteral("FT_Write was not done: the editor is waiting for the pedal."));
    QVERIFY(driver.writes.isEmpty());
    QVERIFY(test::done(comm.send_message(QByteArray("\x0D\x00", 2))));
}

namespace {

// Every byte on its own, a millisecond apart from `first_ms`: what a chip with a 1 ms latency
// timer makes of a slow pedal.
QList<Piece> byte_by_byte(const QByteArray& bytes, qint64 first_ms = 1) {
    QList<Piece> pieces;
    for (qsizetype i = 0; i < bytes.size(); ++i)
        pieces.append({first_ms + i, bytes.mid(i, 1)});
    return pieces;
}

// The parameter state reply of one control at `value` with nothing assigned.
QList<int> one_control_reply(int value) {
    const quint32 word = quint32(value) * 8192;
    QList<int> numbers{int(word >> 24), int((word >> 16) & 0xFF), int((word >> 8) & 0xFF),
                       int(word & 0xFF)};
    for (int i = 0; i < 22; ++i)
        numbers << 0xFF;
    return numbers;
}

} // namespace

// A line on its way when the request was written comes after the purge, in front of the
// reply. Byte by byte, the reply's last line is still to come when its count of lines is
// reached: the burst is followed to its end, so the stray line shows as a line too many. An
// information reply with one is refused; of a parameter state reply, the lines that parse as
// the whole reply are taken, and none when that cannot be told.
void TestCommunication::stray_line_in_byte_by_byte_delivery_data() {
    QTest::addColumn<bool>("parameters");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("taken"); // the text, or control 0's value; empty: refused
    const QByteArray info("X\r\n7\r\n3\r\n12\r\n");
    const QByteArray stale("X\r\n5\r\n3\r\n12\r\n");
    const QByteArray state = value_lines(one_control_reply(512));
    QTest::newRow("information alone") << false << info << QString::fromLatin1(info);
    QTest::newRow("information after a stray line") << false << "12\r\n" + info << QString();
    QTest::newRow("information after a stale one") << false << stale + info << QString();
    QTest::newRow("information after the end of a stale one")
        << false << "3\r\n12\r\n" + info << QString();
    QTest::newRow("parameters alone") << true << state << "512";
    // The stray number makes the first value word impossible: the reply is the last lines.
    QTest::newRow("parameters after a stray line") << true << "200\r\n" + state << "512";
    QTest::newRow("parameters after the end of a stale reply")
        << true << "255\r\n255\r\n" + state << "512";
    // A number a pedal adds behind its reply is ignored.
    QTest::newRow("parameters with a number behind") << true << state + "7\r\n"
                                                     << "512";
    // Read either way the values could be: nothing tells which is the pedal's state.
    QTest::newRow("parameters after a stray zero") << true << "0\r\n" + state << QString();
    QTest::newRow("parameters with a line that is no byte")
        << true << state.left(state.size() - 5) + "300\r\n"
        << QString();
}

void TestCommunication::stray_line_in_byte_by_byte_delivery() {
    QFETCH(bool, parameters);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, taken);
    Fixture f;
    f.connect();
    const QByteArray next_reply =
        parameters ? value_lines(one_control_reply(7)) : QByteArray("X\r\n9\r\n3\r\n12\r\n");
    f.driver.replies = {byte_by_byte(bytes), byte_by_byte(next_reply)};
    const auto ask = [&]() -> QString {
        if (!parameters) {
            const auto text =
                test::done(f.comm.receive_text(QByteArray("\x05\x00", 2), information_reply()));
            return text ? QString::fromLatin1(*text) : QString();
        }
        const auto values =
            test::done(f.comm.receive_values(QByteArray("\x02\x01", 2), parameter_reply(1)));
        if (!values)
            return {};
        const auto reply = read_parameter_reply(*values, 1, 0);
        return reply ? QString::number(*reply->values.at(0)) : QString();
    };
    QCOMPARE(ask(), taken);
    // Nothing of it is taken by the next request either.
    QCOMPARE(ask(), parameters ? QStringLiteral("7") : QStringLiteral("X\r\n9\r\n3\r\n12\r\n"));
}

QTEST_GUILESS_MAIN(TestCommunication)
#include "tst_communication.moc"
