// The bootloader commands on a scripted port: which bytes leave, one per write, with which
// pauses, and where each command stops when an answer is wrong.
#include "base/clock.h"
#include "base/log.h"
#include "firmware/bootloader_frames.h"
#include "firmware/bootloader_port.h"
#include "firmware/bootloader_protocol.h"
#include "link/D2XXUnit.h"

#include <QtTest>

#include <functional>

using namespace kx;

namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// Writes ("W43"), pauses ("P1ms", "P87us"), waits ("R1/1000") and looks at unasked bytes ("?")
// in the order they happen. Each queued answer serves one wait; with none left a wait times out.
struct Script : BootloaderPort, Clock {
    struct Answer {
        QByteArray bytes;
        ErrorKind kind = ErrorKind::None; // a link error instead of the bytes
    };
    QStringList events;
    QList<Answer> answers;
    QByteArray unasked;

    Status begin() override {
        events << QStringLiteral("begin");
        return {};
    }
    Status send_byte(quint8 byte) override {
        events << QStringLiteral("W") + byte_text(byte);
        return {};
    }
    Result<QByteArray> receive(int bytes, int timeout_ms, const QString&) override {
        events << QStringLiteral("R%1/%2").arg(bytes).arg(timeout_ms);
        if (answers.isEmpty())
            return Error{QStringLiteral("no answer"), ErrorKind::TimedOut};
        const Answer answer = answers.takeFirst();
        if (answer.kind != ErrorKind::None)
            return Error{QStringLiteral("link error"), answer.kind};
        return answer.bytes;
    }
    Result<QByteArray> take_unasked() override {
        events << QStringLiteral("?");
        return std::exchange(unasked, {});
    }
    void sleep_ms(int ms) override { events << QStringLiteral("P%1ms").arg(ms); }
    void sleep_us(qint64 us) override { events << QStringLiteral("P%1us").arg(us); }
    qint64 now_ms() const override { return 0; }

    void acks(int n) {
        for (int i = 0; i < n; ++i)
            answers.append({hex("79")});
    }
};

// "W31 P1ms WCE P1ms" for bytes followed by a pause each.
QStringList paced(const QByteArray& bytes, const QString& pause) {
    QStringList events;
    for (const char byte : bytes)
        events << QStringLiteral("W") + byte_text(quint8(byte)) << pause;
    return events;
}

QStringList write_address_events(quint32 address) {
    return QStringList{"?"} + paced(hex("31 CE"), "P1ms") + QStringList{"P20ms", "R1/1000"} +
           paced(address_frame(address), "P1ms") + QStringList{"P20ms", "R1/1000"};
}

using Command = std::function<Status(BootloaderProtocol&)>;

} // namespace

Q_DECLARE_METATYPE(Command)
Q_DECLARE_METATYPE(kx::ErrorKind)

class TestBootloaderProtocol : public QObject {
    Q_OBJECT
private slots:
    void each_byte_alone_with_its_pauses_data();
    void each_byte_alone_with_its_pauses();
    void stops_at_the_first_wrong_answer_data();
    void stops_at_the_first_wrong_answer();
    void read_back_compares_every_byte_data();
    void read_back_compares_every_byte();
    void unasked_bytes_stop_a_command_before_it_sends();
    void log_lines_of_a_chunk_and_of_go();
    void resynchronise_data();
    void resynchronise();
};

void TestBootloaderProtocol::each_byte_alone_with_its_pauses_data() {
    QTest::addColumn<Command>("command");
    QTest::addColumn<QList<Script::Answer>>("answers");
    QTest::addColumn<QStringList>("events");
    const auto acks = [](int n) { return QList<Script::Answer>(n, {hex("79")}); };

    // The erase pauses before each byte, every other step after.
    QTest::newRow("erase_flash") << Command([](BootloaderProtocol& p) {
        return p.erase_flash();
    }) << acks(2) << QStringList{"?",    "P1ms", "W43",  "P1ms", "WBC",   "P20ms",   "R1/1000",
                                 "P1ms", "WFF",  "P1ms", "W00",  "P20ms", "R1/35000"};
    QTest::newRow("send_write_address")
        << Command([](BootloaderProtocol& p) { return p.send_write_address(0x08000C00); })
        << acks(2) << write_address_events(0x08000C00);
    QTest::newRow("write_data") << Command([](BootloaderProtocol& p) {
        return p.write_data(hex("AA BB CC"));
    }) << acks(1) << QStringList{"W02", "P1ms",  "WAA", "P87us", "WBB",    "P87us",
                                 "WCC", "P87us", "WDF", "P1ms",  "R1/1000"};
    QTest::newRow("write_record") << Command([](BootloaderProtocol& p) {
        return p.write_record(*firmware_record(1));
    }) << acks(3)
                                  << write_address_events(kRecordAddress) +
                                         paced(hex("07 00 00 00 00 00 00 00 01 06"), "P1ms") +
                                         QStringList{"P20ms", "R1/1000"};
    QTest::newRow("go_to_application")
        << Command([](BootloaderProtocol& p) { return p.go_to_application(); }) << acks(2)
        << QStringList{"?"} + paced(hex("21 DE"), "P1ms") + QStringList{"P100ms", "R1/1000"} +
               paced(hex("08 00 00 00 08"), "P1ms") + QStringList{"P100ms", "R1/1000"};
    QTest::newRow("read_back") << Command([](BootloaderProtocol& p) {
        return p.read_back(0x08000100, hex("5A A5"));
    }) << QList<Script::Answer>{{hex("79")}, {hex("79")}, {hex("79 5A A5")}}
                               << QStringList{"?"} + paced(hex("11 EE"), "P87us") +
                                      QStringList{"R1/1000"} +
                                      paced(hex("08 00 01 00 09"), "P87us") +
                                      QStringList{"R1/1000"} + paced(hex("01 FE"), "P87us") +
                                      QStringList{"R3/1000"};
}

void TestBootloaderProtocol::each_byte_alone_with_its_pauses() {
    QFETCH(Command, command);
    QFETCH(QList<Script::Answer>, answers);
    QFETCH(QStringList, events);
    Script script;
    script.answers = answers;
    NullLog log;
    BootloaderProtocol protocol(script, log, script);
    const Status done = command(protocol);
    QVERIFY2(done, qPrintable(done.error()));
    QCOMPARE(script.events, events);
    QVERIFY(script.answers.isEmpty());
}

void TestBootloaderProtocol::stops_at_the_first_wrong_answer_data() {
    QTest::addColumn<QList<Script::Answer>>("answers");
    QTest::addColumn<int>("waits");
    QTest::addColumn<ErrorKind>("code");
    QTest::addColumn<QString>("message");
    const Script::Answer ack{hex("79")};
    QTest::newRow("NACK to the command")
        << QList<Script::Answer>{{hex("1F")}} << 1 << ErrorKind::BootloaderRefused
        << "the bootloader refused the Write Memory command (NACK)";
    QTest::newRow("NACK to the address")
        << QList<Script::Answer>{ack, {hex("1F")}} << 2 << ErrorKind::BootloaderRefused
        << "the bootloader refused the write address (NACK)";
    QTest::newRow("another byte") << QList<Script::Answer>{{hex("55")}} << 1
                                  << ErrorKind::BootloaderUnexpected
                                  << "the bootloader answered the Write Memory command with the "
                                     "byte 55 instead of an acknowledgement";
    QTest::newRow("two acknowledgements at once")
        << QList<Script::Answer>{{hex("79 79")}} << 1 << ErrorKind::BootloaderUnasked
        << "the bootloader answered the Write Memory command with 2 bytes where one "
           "acknowledgement belongs";
    QTest::newRow("no answer") << QList<Script::Answer>{} << 1 << ErrorKind::TimedOut
                               << "the bootloader did not answer the Write Memory command within "
                                  "1 s";
    QTest::newRow("data refused") << QList<Script::Answer>{ack, ack, {hex("1F")}} << 3
                                  << ErrorKind::BootloaderRefused
                                  << "the bootloader refused the data (NACK)";
    QTest::newRow("link lost") << QList<Script::Answer>{ack, {{}, ErrorKind::LinkLost}} << 2
                               << ErrorKind::LinkLost << "link error";
}

// Nothing is sent after the answer that ends the command.
void TestBootloaderProtocol::stops_at_the_first_wrong_answer() {
    QFETCH(QList<Script::Answer>, answers);
    QFETCH(int, waits);
    QFETCH(ErrorKind, code);
    QFETCH(QString, message);
    Script script;
    script.answers = answers;
    NullLog log;
    BootloaderProtocol protocol(script, log, script);
    Status done = protocol.send_write_address(0x08000000);
    if (done)
        done = protocol.write_data(hex("01 02"));
    QCOMPARE(done.error_kind(), code);
    QCOMPARE(done.error(), message);
    QCOMPARE(script.events.filter(QRegularExpression("^R")).size(), waits);
    QVERIFY2(script.events.back().startsWith('R'), qPrintable(script.events.join(' ')));
}

void TestBootloaderProtocol::read_back_compares_every_byte_data() {
    QTest::addColumn<QList<Script::Answer>>("answers");
    QTest::addColumn<ErrorKind>("code");
    QTest::addColumn<QString>("message");
    const Script::Answer ack{hex("79")};
    QTest::newRow("as written") << QList<Script::Answer>{ack, ack, {hex("79 10 20 30")}}
                                << ErrorKind::None << "";
    QTest::newRow("last byte differs")
        << QList<Script::Answer>{ack, ack, {hex("79 10 20 FF")}} << ErrorKind::BootloaderMismatch
        << "the flash at 0x08000402 reads back FF where 30 was written";
    QTest::newRow("read protected")
        << QList<Script::Answer>{{hex("1F")}} << ErrorKind::BootloaderReadRefused
        << "the bootloader refused to read the flash back (NACK to "
           "Read Memory; the flash may be read-protected), so the "
           "firmware written cannot be verified";
    QTest::newRow("count refused")
        << QList<Script::Answer>{ack, ack, {hex("1F")}} << ErrorKind::BootloaderRefused
        << "the bootloader refused the read count (NACK)";
    QTest::newRow("too few bytes")
        << QList<Script::Answer>{ack, ack, {hex("79 10 20")}} << ErrorKind::BootloaderUnexpected
        << "the bootloader sent 2 bytes of flash where 3 were asked for";
    QTest::newRow("too many bytes")
        << QList<Script::Answer>{ack, ack, {hex("79 10 20 30 79")}} << ErrorKind::BootloaderUnasked
        << "the bootloader sent 4 bytes of flash where 3 were asked for";
    QTest::newRow("no flash contents") << QList<Script::Answer>{ack, ack} << ErrorKind::TimedOut
                                       << "the bootloader did not answer the read count within "
                                          "1 s";
}

void TestBootloaderProtocol::read_back_compares_every_byte() {
    QFETCH(QList<Script::Answer>, answers);
    QFETCH(ErrorKind, code);
    QFETCH(QString, message);
    Script script;
    script.answers = answers;
    MemoryLog log;
    BootloaderProtocol protocol(script, log, script);
    const Status same = protocol.read_back(0x08000400, hex("10 20 30"));
    QCOMPARE(same.error_kind(), code);
    QCOMPARE(same.error(), message);
    QCOMPARE(log.lines.contains(QStringLiteral("read back matches, bytes: 3")), code == 0);
}

void TestBootloaderProtocol::unasked_bytes_stop_a_command_before_it_sends() {
    Script script;
    script.unasked = hex("79");
    NullLog log;
    BootloaderProtocol protocol(script, log, script);
    const Status go = protocol.go_to_application();
    QCOMPARE(go.error_kind(), ErrorKind::BootloaderUnasked);
    QCOMPARE(go.error(), QStringLiteral("the bootloader sent 1 byte(s) nobody asked for (79)"));
    QCOMPARE(script.events, QStringList{"?"});
}

void TestBootloaderProtocol::log_lines_of_a_chunk_and_of_go() {
    Script script;
    script.acks(2);
    script.answers.append({hex("1F")});
    script.acks(2);
    MemoryLog log;
    BootloaderProtocol protocol(script, log, script);
    QVERIFY(protocol.send_write_address(0x08008C00));
    QVERIFY(!protocol.write_data(QByteArray(28, '\x11')));
    const QStringList ack{"num of bytes received: 1", "received: 79", "ACK"};
    QStringList expected = QStringList{"SEND WRITE COMMAND"} + ack;
    expected << "SEND ADDRESS + CHECKSUM"
             << "Address: 08008C00"
             << "address checksum: 84";
    expected += ack;
    expected << "SEND N BYTE + DATA + CHECKSUM"
             << "N_byte: 1B"
             << "chunk size: 28"
             << "data checksum: 1B"
             << "num of bytes received: 1"
             << "received: 1F"
             << "NOT ACK";
    QCOMPARE(log.lines, expected);

    log.lines.clear();
    QVERIFY(protocol.go_to_application());
    expected = QStringList{"", "SEND GO COMMAND"} + ack;
    expected << "SEND ADDRESS + CHECKSUM"
             << "Address: 08000000"
             << "address checksum: 08";
    expected += ack;
    QCOMPARE(log.lines, expected);
}

void TestBootloaderProtocol::resynchronise_data() {
    QTest::addColumn<int>("silent_fillers");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<ErrorKind>("code");
    QTest::addColumn<QStringList>("sent");
    // Waiting for a command: the second filler completes a pair.
    QTest::newRow("inside nothing")
        << 1 << hex("1F") << ErrorKind::None << QStringList{"W00", "W00"};
    // Waiting for an address: five fillers make a frame it refuses.
    QTest::newRow("before an address")
        << 4 << hex("1F") << ErrorKind::None << QStringList(5, "W00");
    // Waiting for data: N - 1 = 0, one byte, its checksum; it is written and acknowledged.
    QTest::newRow("before data") << 2 << hex("79") << ErrorKind::None << QStringList(3, "W00");
    QTest::newRow("restarted: only the sync byte answers")
        << 6 << hex("79") << ErrorKind::None << QStringList(6, "W00") + QStringList{"W7F"};
    QTest::newRow("never answers")
        << 7 << QByteArray() << ErrorKind::TimedOut << QStringList(6, "W00") + QStringList{"W7F"};
    QTest::newRow("answers garbage")
        << 0 << hex("C3") << ErrorKind::BootloaderUnexpected << QStringList{"W00"};
}

void TestBootloaderProtocol::resynchronise() {
    QFETCH(int, silent_fillers);
    QFETCH(QByteArray, answer);
    QFETCH(ErrorKind, code);
    QFETCH(QStringList, sent);
    Script script;
    // A late answer of the stopped attempt comes first; it must not count as a filler's.
    script.answers.append({hex("79")});
    script.answers.append(QList<Script::Answer>(silent_fillers, {{}, ErrorKind::TimedOut}));
    if (!answer.isEmpty())
        script.answers.append({answer});
    NullLog log;
    BootloaderProtocol protocol(script, log, script);
    QCOMPARE(protocol.resynchronise().error_kind(), code);
    QCOMPARE(script.events.filter(QRegularExpression("^W")), sent);
    QCOMPARE(script.events.filter(QRegularExpression("^R")),
             QStringList{"R1024/1000"} + QStringList(sent.size(), "R1/100"));
}

QTEST_GUILESS_MAIN(TestBootloaderProtocol)
#include "tst_bootloader_protocol.moc"
