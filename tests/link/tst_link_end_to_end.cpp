// The editor's link against the virtual pedal with its real timing (115200 baud, USB packets
// of 62 bytes, the chip's 16 ms latency timer), reached two ways: in-process through its own
// driver, and served on a pseudo-terminal by its program, through the QtSerialPort driver as
// `--port PATH` reaches it. Each scenario runs on both.
#include "base/clock.h"
#include "base/log.h"
#include "base/scripted_dialogs.h"
#include "link/Communication.h"
#include "link/D2XXUnit.h"
#include "link/Operation.h"
#include "link/drivers/composite_serial_driver.h"
#include "link/drivers/qt_serial_driver.h"
#include "link/drivers/virtual_pedal_driver.h"
#include "support/recording_connection_ui.h"

#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace kx;

namespace {

const QString kServer = QStringLiteral(KX_BINARY_DIR "/kestrel-x-virtual-pedal");
const QByteArray kInformationRequest("\x05\x00", 2);
const QByteArray kParameterRequest("\x02\x10", 2);
// A command the pedal does not know: it answers with nothing.
const QByteArray kUnknownCommand("\x09\x00", 2);

struct Options {
    bool bootloader = false;
    int reply_delay_ms = 0;
};

// One link to one virtual pedal; `transport` says how it is reached.
class Rig {
public:
    Rig(const QString& transport, Options options) : m_transport(transport) {
        if (transport == QLatin1String("in-process")) {
            m_pedal = std::make_unique<VirtualPedalDriver>(
                std::make_shared<sim::VirtualPedal>(false, options.bootloader));
            m_pedal->pedal().inject_extra_delay_us(qint64(options.reply_delay_ms) * 1000);
            m_driver = std::make_unique<CompositeSerialDriver>(QList<SerialDriver*>{m_pedal.get()});
        } else {
            QStringList arguments;
            if (options.bootloader)
                arguments << QStringLiteral("--bootloader");
            if (options.reply_delay_ms > 0)
                arguments << QStringLiteral("--reply-delay-ms")
                          << QString::number(options.reply_delay_ms);
            m_server.start(kServer, arguments);
            if (!m_server.waitForStarted(5000) || !m_server.waitForReadyRead(5000))
                return;
            const QString path = QString::fromLocal8Bit(m_server.readLine()).trimmed();
            m_driver = std::make_unique<QtSerialDriver>(QStringList{path});
        }
        d2xx = std::make_unique<D2XXUnit>(*m_driver, log);
        comm = std::make_unique<Communication>(*d2xx, ui, dialogs, log, clock);
        comm->list_devices();
        comm->init_line_settings();
        if (options.bootloader)
            QTest::qWait(5); // the bootloader starts after power-on
    }
    ~Rig() {
        comm.reset();
        d2xx.reset();
        if (m_server.state() != QProcess::NotRunning) {
            m_server.terminate();
            m_server.waitForFinished(5000);
        }
    }
    bool ok() const { return comm != nullptr; }
    bool in_process() const { return m_pedal != nullptr; }
    VirtualPedalDriver& pedal_driver() { return *m_pedal; }

    void connect() {
        comm->menuConnectClick();
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.join('\n')));
        QVERIFY(comm->connected());
        log.lines.clear();
    }
    // Pulls the cable: the in-process chip vanishes; the served pedal's program ends, which
    // takes its pseudo-terminal with it.
    void unplug() {
        if (in_process()) {
            m_pedal->unplug();
        } else {
            m_server.kill();
            m_server.waitForFinished(5000);
        }
    }

    ScriptedDialogs dialogs;
    MemoryLog log;
    RealClock clock;
    RecordingConnectionUi ui;
    std::unique_ptr<D2XXUnit> d2xx;
    std::unique_ptr<Communication> comm;

private:
    QString m_transport;
    QProcess m_server;
    std::unique_ptr<VirtualPedalDriver> m_pedal;
    std::unique_ptr<SerialDriver> m_driver;
};

void add_transports() {
    QTest::addColumn<QString>("transport");
    QTest::newRow("in-process") << "in-process";
    QTest::newRow("pseudo-terminal") << "pseudo-terminal";
}

// An operation of one exchange, as the upload and the firmware upgrade are made of many.
class OneExchange : public Operation {
public:
    OneExchange(Communication& comm, QByteArray message, ReplyRequest reply)
        : Operation(QStringLiteral("Test exchange")), m_comm(comm), m_message(std::move(message)),
          m_reply(std::move(reply)) {}
    QByteArray answer;

protected:
    Status run() override {
        auto claim = m_comm.claim(name());
        if (!claim)
            return claim.failure();
        set_step(QStringLiteral("ask"));
        const auto reply = m_comm.exchange(m_message, m_reply, &*claim);
        if (!reply)
            return reply.failure();
        answer = *reply;
        return {};
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
    void parameter_reply_of_16_controls();
};

void TestLinkEndToEnd::connect_exchange_reconnect() {
    QFETCH(QString, transport);
    Rig rig(transport, {});
    QVERIFY2(rig.ok(), "the served pedal did not name its port");
    QCOMPARE(rig.ui.device_name, QStringLiteral("Kestrel X"));
    rig.comm->menuScanClick();
    QCOMPARE(rig.dialogs.messages, QStringList{"FT230X Basic UART found, click Connect"});
    QCOMPARE(rig.log.lines.first(), QStringLiteral("FT device count: 1"));
    rig.dialogs.messages.clear();
    for (int round = 0; round < 2; ++round) {
        rig.comm->menuConnectClick();
        QVERIFY2(rig.dialogs.messages.isEmpty(), qPrintable(rig.dialogs.messages.join('\n')));
        QVERIFY(rig.ui.device_name.endsWith(QLatin1String(" connected")));
        QVERIFY(rig.comm->connected());

        const auto text = rig.comm->receive_text(kInformationRequest, information_reply());
        QVERIFY2(text, qPrintable(text.error()));
        QCOMPARE(text->count("\r\n"), 4);
        QCOMPARE(text->split('\r').value(1), QByteArray("\n0"));

        const auto values = rig.comm->receive_values(kParameterRequest, parameter_reply(16));
        QVERIFY2(values, qPrintable(values.error()));
        QCOMPARE(values->size(), 86);
        // The factory effect's assignments are all "none".
        QCOMPARE(values->sliced(64), QByteArray(22, '\xFF'));

        rig.comm->menuDisconnectClick();
        QVERIFY(!rig.ui.device_name.contains(QLatin1String("connected")));
        QVERIFY(!rig.comm->connected());
    }
    QVERIFY2(rig.dialogs.messages.isEmpty(), qPrintable(rig.dialogs.messages.join('\n')));
}

void TestLinkEndToEnd::silent_pedal_ends_at_time_limit() {
    QFETCH(QString, transport);
    Rig rig(transport, {});
    QVERIFY(rig.ok());
    rig.connect();
    rig.comm->received_values = "keep";
    const auto values = rig.comm->receive_values(kUnknownCommand, parameter_reply(16, 400));
    QCOMPARE(values.error(),
             QStringLiteral("The pedal did not send its parameter state reply within 0.4 s."));
    QVERIFY2(rig.dialogs.messages.isEmpty(), "the caller decides what the user sees");
    QCOMPARE(rig.comm->received_values, QByteArray("keep"));
    QVERIFY(rig.comm->connected());
    QVERIFY(!rig.comm->waiting());
}

// Every answer comes 600 ms late. The first request gives up after 400 ms; its reply then
// arrives while the second request is being made. Taken for the second one's (86 lines), the
// information reply's 4 lines would make it fail, and every later answer would be one behind.
void TestLinkEndToEnd::late_reply_is_never_taken_for_the_next() {
    QFETCH(QString, transport);
    Rig rig(transport, {false, 600});
    QVERIFY(rig.ok());
    rig.connect();
    QCOMPARE(rig.comm->receive_text(kInformationRequest, information_reply(400)).error_kind(),
             ErrorKind::TimedOut);
    const auto values = rig.comm->receive_values(kParameterRequest, parameter_reply(16, 3000));
    QVERIFY2(values, qPrintable(values.error()));
    QCOMPARE(values->size(), 86);
    QVERIFY2(rig.log.lines.filter(QStringLiteral("late reply dropped, bytes: ")).size() == 1,
             qPrintable(rig.log.lines.join('\n')));
    const auto text = rig.comm->receive_text(kInformationRequest, information_reply(3000));
    QVERIFY2(text, qPrintable(text.error()));
    QCOMPARE(text->count("\r\n"), 4);
    QVERIFY(rig.dialogs.messages.isEmpty());
}

void TestLinkEndToEnd::unplug_is_reported_once_data() {
    QTest::addColumn<QString>("transport");
    QTest::addColumn<QString>("found_by");
    QTest::newRow("in-process, a write") << "in-process"
                                         << "write";
    QTest::newRow("in-process, a wait") << "in-process"
                                        << "wait";
    QTest::newRow("pseudo-terminal, a write") << "pseudo-terminal"
                                              << "write";
    QTest::newRow("pseudo-terminal, a wait") << "pseudo-terminal"
                                             << "wait";
}

// Whichever call finds the chip gone, the editor is then not connected, has said so once,
// and the knob turns that follow add no further messages.
void TestLinkEndToEnd::unplug_is_reported_once() {
    QFETCH(QString, transport);
    QFETCH(QString, found_by);
    Rig rig(transport, {});
    QVERIFY(rig.ok());
    rig.connect();
    const QByteArray knob_turn("\x01\x00\x10\x00\x00\x20\x00", 7);
    if (found_by == QLatin1String("write")) {
        rig.unplug();
        QCOMPARE(rig.comm->send_message(knob_turn).error_kind(), ErrorKind::LinkLost);
    } else {
        QTimer::singleShot(100, [&] { rig.unplug(); });
        QCOMPARE(rig.comm->receive_text(kUnknownCommand, information_reply(5000)).error_kind(),
                 ErrorKind::LinkLost);
    }
    for (int step = 0; step < 5; ++step)
        QVERIFY(!rig.comm->send_message(knob_turn));
    QCOMPARE(rig.dialogs.messages.size(), 1);
    QVERIFY2(rig.dialogs.messages[0].contains(QLatin1String(" - ")),
             qPrintable(rig.dialogs.messages[0]));
    QCOMPARE(rig.log.lines, QStringList{kLogLinkLost});
    QVERIFY(!rig.comm->connected());

    if (rig.in_process()) {
        // Plugged in again, the pedal can be connected as before.
        rig.dialogs.messages.clear();
        rig.pedal_driver().replug();
        rig.connect();
        QVERIFY(rig.comm->receive_text(kInformationRequest, information_reply()));
    }
}

void TestLinkEndToEnd::time_out_reaches_the_operation_as_a_value() {
    QFETCH(QString, transport);
    Rig rig(transport, {});
    QVERIFY(rig.ok());
    rig.connect();
    OneExchange silent(*rig.comm, kUnknownCommand, information_reply(300));
    QSignalSpy finished(&silent, &Operation::finished);
    const Status result = silent.start();
    QCOMPARE(result.error_kind(), ErrorKind::TimedOut);
    QCOMPARE(silent.state(), Operation::State::Failed);
    QCOMPARE(silent.step(), QStringLiteral("ask"));
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished[0][0].toBool(), false);
    QVERIFY(rig.dialogs.messages.isEmpty());
    QVERIFY(!rig.comm->claimed());

    // The link is free again, and the same operation can be run anew.
    OneExchange information(*rig.comm, kInformationRequest, information_reply());
    QVERIFY(information.start());
    QCOMPARE(information.state(), Operation::State::Succeeded);
    QCOMPARE(information.progress_percent(), 100);
    QCOMPARE(information.answer.count("\r\n"), 4);
}

void TestLinkEndToEnd::bootloader_check_data() {
    QTest::addColumn<QString>("transport");
    QTest::addColumn<bool>("refuse");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("byte");
    QTest::newRow("in-process, acknowledged") << "in-process" << false << kTextBootloaderOk << "79";
    QTest::newRow("in-process, refused") << "in-process" << true << kTextBootloaderFailed << "1F";
    QTest::newRow("pseudo-terminal, acknowledged")
        << "pseudo-terminal" << false << kTextBootloaderOk << "79";
}

void TestLinkEndToEnd::bootloader_check() {
    QFETCH(QString, transport);
    QFETCH(bool, refuse);
    QFETCH(QString, message);
    QFETCH(QString, byte);
    Rig rig(transport, {true, 0});
    QVERIFY(rig.ok());
    if (refuse)
        rig.pedal_driver().pedal().inject_nack_at_step(1);
    rig.comm->firmware_upgrade_mode = true;
    rig.comm->menuConnectClick();
    QCOMPARE(rig.dialogs.messages, QStringList{message});
    QVERIFY(rig.log.lines.contains(QStringLiteral("received Byte: ") + byte));
    QCOMPARE(rig.comm->bootloader_ready, !refuse);
    QVERIFY(rig.comm->connected());
}

// The reply spans several USB packets and holds distinct numbers: a value word at address 0,
// which the factory effect's controls all read, and an assignment for each control and
// readback.
void TestLinkEndToEnd::parameter_reply_of_16_controls() {
    Rig rig(QStringLiteral("in-process"), {});
    rig.connect();
    QVERIFY(rig.comm->send_message(QByteArray("\x01\x00\x00\x00\xFE\x2A\x07", 7)));
    QByteArray assign("\x04", 1);
    for (int i = 0; i < 16; ++i)
        assign.append(char(i % 12));
    assign.append(QByteArray("\x00\x01\x02\x03\x05\x07", 6));
    QVERIFY(rig.comm->send_message(assign));
    QTest::qWait(100); // the pedal takes them in; they have no answer
    rig.pedal_driver().pedal().clear_history();

    const auto values = rig.comm->receive_values(kParameterRequest, parameter_reply(16));
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
    QCOMPARE(rig.comm->received_values, expected);
    QVERIFY2(rig.pedal_driver().pedal().sent().size() > 3 * 62,
             "the reply spans several USB packets");
    QVERIFY(rig.dialogs.messages.isEmpty());
}

QTEST_GUILESS_MAIN(TestLinkEndToEnd)
#include "tst_link_end_to_end.moc"
