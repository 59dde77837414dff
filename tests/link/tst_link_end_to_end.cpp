// The editor's link against the virtual pedal with its real timing (115200 baud, USB packets
// of 62 bytes, the chip's 16 ms latency timer), reached two ways: in-process through its own
// driver, and served on a pseudo-terminal by its program, through the QtSerialPort driver as
// `--port PATH` reaches it. Each scenario runs on both.
#include "link/Operation.h"
#include "support/await.h"
#include "support/link_rig.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace kx;

namespace {

const QByteArray kInformationRequest("\x05\x00", 2);
const QByteArray kParameterRequest("\x02\x10", 2);
// A command the pedal does not know: it answers with nothing.
const QByteArray kUnknownCommand("\x09\x00", 2);

// One link to one virtual pedal; `transport` names how it is reached.
struct Rig : test::LinkRig {
    Rig(test::Transport transport, const test::PedalOptions& options)
        : LinkRig(transport, options) {}
    void connect() {
        const Status connected = LinkRig::connect();
        QVERIFY2(connected, qPrintable(connected.error()));
        QVERIFY(comm.connected());
    }
};

void add_transports() {
    QTest::addColumn<test::Transport>("transport");
    for (test::Transport transport : test::kRealTimeTransports)
        QTest::newRow(test::transport_name(transport)) << transport;
}

// An operation of one exchange, as the upload and the firmware upgrade are made of many.
class OneExchange : public Operation {
public:
    OneExchange(Communication& comm, QByteArray message, ReplyRequest reply)
        : Operation(QStringLiteral("Test exchange")), m_comm(comm), m_message(std::move(message)),
          m_reply(std::move(reply)) {}
    QByteArray answer;

protected:
    Task<Status> run() override {
        auto claim = m_comm.claim(name());
        if (!claim)
            co_return claim.failure();
        set_step(QStringLiteral("ask"));
        const auto reply = co_await m_comm.exchange(m_message, m_reply, &*claim);
        if (!reply)
            co_return reply.failure();
        answer = *reply;
        co_return Status{};
    }

private:
    Communication& m_comm;
    QByteArray m_message;
    ReplyRequest m_reply;
};

} // namespace

class TestLinkEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void connect_exchange_reconnect_data() { add_transports(); }
    void connect_exchange_reconnect();
    void silent_pedal_ends_at_time_limit_data() { add_transports(); }
    void silent_pedal_ends_at_time_limit();
    void late_reply_is_never_taken_for_the_next_data() { add_transports(); }
    void late_reply_is_never_taken_for_the_next();
    void unplug_is_reported_once_data();
    void unplug_is_reported_once();
    void time_out_reaches_the_operation_as_a_value_data() { add_transports(); }
    void time_out_reaches_the_operation_as_a_value();
    void bootloader_check_data();
    void bootloader_check();
    void bootloader_check_again_data() { add_transports(); }
    void bootloader_check_again();
    void parameter_reply_of_16_controls();
};

void TestLinkEndToEnd::connect_exchange_reconnect() {
    QFETCH(test::Transport, transport);
    Rig rig(transport, {});
    QVERIFY2(rig.ok(), "the served pedal did not name its port");
    QCOMPARE(rig.ui.device_name, QStringLiteral("Kestrel X"));
    const auto found = rig.comm.scan_devices();
    QVERIFY2(found, qPrintable(found.error()));
    QCOMPARE(*found, QStringList{"FT230X Basic UART"});
    QCOMPARE(rig.log.lines.first(), QStringLiteral("FT device count: 1"));
    for (int round = 0; round < 2; ++round) {
        const Status connected = test::done(rig.comm.connect_device());
        QVERIFY2(connected, qPrintable(connected.error()));
        QVERIFY(rig.ui.device_name.endsWith(QLatin1String(" connected")));
        QVERIFY(rig.comm.connected());

        const auto text =
            test::done(rig.comm.receive_text(kInformationRequest, information_reply()));
        QVERIFY2(text, qPrintable(text.error()));
        QCOMPARE(text->count("\r\n"), 4);
        QCOMPARE(text->split('\r').value(1), QByteArray("\n0"));

        const auto values =
            test::done(rig.comm.receive_values(kParameterRequest, parameter_reply(16)));
        QVERIFY2(values, qPrintable(values.error()));
        QCOMPARE(values->size(), 86);
        // The factory effect's assignments are all "none".
        QCOMPARE(values->sliced(64), QByteArray(22, '\xFF'));

        QVERIFY(rig.comm.disconnect_device());
        QVERIFY(!rig.ui.device_name.contains(QLatin1String("connected")));
        QVERIFY(!rig.comm.connected());
    }
    QVERIFY(rig.lost.isEmpty());
}

void TestLinkEndToEnd::silent_pedal_ends_at_time_limit() {
    QFETCH(test::Transport, transport);
    Rig rig(transport, {});
    QVERIFY(rig.ok());
    rig.connect();
    rig.comm.received_values = "keep";
    const auto values =
        test::done(rig.comm.receive_values(kUnknownCommand, parameter_reply(16, 400)));
    QCOMPARE(values.error(),
             QStringLiteral("The pedal did not send its parameter state reply within 0.4 s."));
    QCOMPARE(rig.comm.received_values, QByteArray("keep"));
    QVERIFY(rig.comm.connected());
    QVERIFY(!rig.comm.waiting());
}

// Every answer comes 600 ms late. The first request gives up after 400 ms; its reply then
// arrives while the second request is being made. Taken for the second one's (86 lines), the
// information reply's 4 lines would make it fail, and every later answer would be one behind.
void TestLinkEndToEnd::late_reply_is_never_taken_for_the_next() {
    QFETCH(test::Transport, transport);
    Rig rig(transport, {.reply_delay_ms = 600});
    QVERIFY(rig.ok());
    rig.connect();
    QCOMPARE(
        test::done(rig.comm.receive_text(kInformationRequest, information_reply(400))).error_kind(),
        ErrorKind::TimedOut);
    const auto values =
        test::done(rig.comm.receive_values(kParameterRequest, parameter_reply(16, 3000)));
    QVERIFY2(values, qPrintable(values.error()));
    QCOMPARE(values->size(), 86);
    QVERIFY2(rig.log.lines.filter(QStringLiteral("late reply dropped, bytes: ")).size() == 1,
             qPrintable(rig.log.lines.join('\n')));
    const auto text =
        test::done(rig.comm.receive_text(kInformationRequest, information_reply(3000)));
    QVERIFY2(text, qPrintable(text.error()));
    QCOMPARE(text->count("\r\n"), 4);
}

void TestLinkEndToEnd::unplug_is_reported_once_data() {
    QTest::addColumn<test::Transport>("transport");
    QTest::addColumn<QString>("found_by");
    for (test::Transport transport : test::kRealTimeTransports)
        for (const char* found_by : {"write", "wait"})
            QTest::newRow(qPrintable(
                QStringLiteral("%1, a %2")
                    .arg(QLatin1String(test::transport_name(transport)), QLatin1String(found_by))))
                << transport << QString::fromLatin1(found_by);
}

// Whichever call finds the chip gone, the editor is then not connected, has said so once,
// and the knob turns that follow add no further messages.
void TestLinkEndToEnd::unplug_is_reported_once() {
    QFETCH(test::Transport, transport);
    QFETCH(QString, found_by);
    Rig rig(transport, {});
    QVERIFY(rig.ok());
    rig.connect();
    const QByteArray knob_turn("\x01\x00\x10\x00\x00\x20\x00", 7);
    if (found_by == QLatin1String("write")) {
        rig.unplug();
        QCOMPARE(test::done(rig.comm.send_message(knob_turn)).error_kind(), ErrorKind::LinkLost);
    } else {
        QTimer::singleShot(100, [&] { rig.unplug(); });
        QCOMPARE(test::done(rig.comm.receive_text(kUnknownCommand, information_reply(5000)))
                     .error_kind(),
                 ErrorKind::LinkLost);
    }
    for (int step = 0; step < 5; ++step)
        QVERIFY(!test::done(rig.comm.send_message(knob_turn)));
    QCOMPARE(rig.lost.size(), 1);
    QVERIFY2(rig.lost[0].contains(QLatin1String(" - ")), qPrintable(rig.lost[0]));
    QCOMPARE(rig.log.lines, QStringList{kLogLinkLost});
    QVERIFY(!rig.comm.connected());

    if (rig.in_process()) {
        // Plugged in again, the pedal can be connected as before.
        rig.pedal_driver().replug();
        rig.connect();
        QVERIFY(test::done(rig.comm.receive_text(kInformationRequest, information_reply())));
    }
}

void TestLinkEndToEnd::time_out_reaches_the_operation_as_a_value() {
    QFETCH(test::Transport, transport);
    Rig rig(transport, {});
    QVERIFY(rig.ok());
    rig.connect();
    OneExchange silent(rig.comm, kUnknownCommand, information_reply(300));
    QSignalSpy finished(&silent, &Operation::finished);
    const Status result = test::done(silent.start());
    QCOMPARE(result.error_kind(), ErrorKind::TimedOut);
    QCOMPARE(silent.state(), Operation::State::Failed);
    QCOMPARE(silent.step(), QStringLiteral("ask"));
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished[0][0].toBool(), false);
    QVERIFY(!rig.comm.claimed());

    // The link is free again, and the same operation can be run anew.
    OneExchange information(rig.comm, kInformationRequest, information_reply());
    QVERIFY(test::done(information.start()));
    QCOMPARE(information.state(), Operation::State::Succeeded);
    QCOMPARE(information.progress_percent(), 100);
    QCOMPARE(information.answer.count("\r\n"), 4);
}

void TestLinkEndToEnd::bootloader_check_data() {
    using test::Transport;
    QTest::addColumn<Transport>("transport");
    QTest::addColumn<bool>("refuse");
    QTest::addColumn<QString>("byte");
    QTest::newRow("in-process, acknowledged") << Transport::InProcess << false << "79";
    QTest::newRow("in-process, refused") << Transport::InProcess << true << "1F";
    QTest::newRow("pseudo-terminal, acknowledged") << Transport::PseudoTerminal << false << "79";
}

void TestLinkEndToEnd::bootloader_check() {
    QFETCH(test::Transport, transport);
    QFETCH(bool, refuse);
    QFETCH(QString, byte);
    Rig rig(transport, {.bootloader = true});
    QVERIFY(rig.ok());
    if (refuse)
        rig.pedal_driver().pedal().inject_nack_at_step(1);
    rig.comm.firmware_upgrade_mode = true;
    const Status connected = test::done(rig.comm.connect_device());
    // A refusal of 7F comes from a bootloader in step, which then waits for a command: it is
    // found either way.
    QVERIFY2(connected, qPrintable(connected.error()));
    QVERIFY(rig.log.lines.contains(QStringLiteral("received Byte: ") + byte));
    QVERIFY(rig.comm.bootloader_ready);
    QVERIFY(rig.comm.connected());
    if (refuse) {
        const auto id = test::done(rig.comm.exchange(
            QByteArray("\x02\xFD", 2), {QStringLiteral("Get ID answer"), 0, 5, 2000, false}));
        QVERIFY2(id, qPrintable(id.error()));
        QCOMPARE(*id, QByteArray("\x79\x01\x04\x10\x79", 5));
    }
}

// The bootloader answers only the first 7F after its reset and takes a later one as the first
// byte of a command pair. A second connect (a retry, or the next run of the program) still
// finds it, and leaves it waiting for a command: Get ID is answered.
void TestLinkEndToEnd::bootloader_check_again() {
    QFETCH(test::Transport, transport);
    Rig rig(transport, {.bootloader = true});
    QVERIFY(rig.ok());
    rig.comm.firmware_upgrade_mode = true;
    for (int round = 0; round < 3; ++round) {
        const Status connected = test::done(rig.comm.connect_device());
        QVERIFY2(connected,
                 qPrintable(QStringLiteral("round %1: ").arg(round) + connected.error()));
        QVERIFY(rig.comm.bootloader_ready);
        QVERIFY(
            rig.log.lines.contains(QStringLiteral("received Byte: ") + (round == 0 ? "79" : "1F")));
        const auto id = test::done(rig.comm.exchange(
            QByteArray("\x02\xFD", 2), {QStringLiteral("Get ID answer"), 0, 5, 2000, false}));
        QVERIFY2(id, qPrintable(id.error()));
        QCOMPARE(*id, QByteArray("\x79\x01\x04\x10\x79", 5));
        QVERIFY(rig.comm.disconnect_device());
        rig.log.lines.clear();
    }
    QVERIFY(rig.lost.isEmpty());
}

// The reply spans several USB packets and holds distinct numbers: a value word at address 0,
// which the factory effect's controls all read, and an assignment for each control and
// readback.
void TestLinkEndToEnd::parameter_reply_of_16_controls() {
    Rig rig(test::Transport::InProcess, {});
    rig.connect();
    QVERIFY(test::done(rig.comm.send_message(QByteArray("\x01\x00\x00\x00\xFE\x2A\x07", 7))));
    QByteArray assign("\x04", 1);
    for (int i = 0; i < 16; ++i)
        assign.append(char(i % 12));
    assign.append(QByteArray("\x00\x01\x02\x03\x05\x07", 6));
    QVERIFY(test::done(rig.comm.send_message(assign)));
    // They have no answer: wait until the pedal has taken them in.
    QTRY_VERIFY_WITH_TIMEOUT(rig.pedal_has_taken_everything(), 5000);
    rig.pedal_driver().pedal().clear_history();

    const auto values = test::done(rig.comm.receive_values(kParameterRequest, parameter_reply(16)));
    QVERIFY2(values, qPrintable(values.error()));

    QByteArray expected;
    for (int i = 0; i < 16; ++i)
        expected.append(QByteArray("\x00\xFE\x2A\x07", 4));
    const sim::Assignments& codes = rig.pedal_driver().pedal().assignments();
    for (const quint8 code : codes.controls)
        expected.append(char(code));
    expected.append(char(codes.bypass));
    expected.append(char(codes.preset));
    for (const quint8 code : codes.readbacks)
        expected.append(char(code));
    QCOMPARE(expected.size(), 86);
    QCOMPARE(rig.comm.received_values, expected);
    QVERIFY2(rig.pedal_driver().pedal().sent().size() > 3 * 62,
             "the reply spans several USB packets");
}

QTEST_GUILESS_MAIN(TestLinkEndToEnd)
#include "tst_link_end_to_end.moc"
