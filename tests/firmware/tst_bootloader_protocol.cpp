// The bootloader commands on a scripted port: which bytes leave, grouped into which writes,
// with no pause before an answer is awaited, and where each command stops when an answer is
// wrong.
#include "base/clock.h"
#include "base/log.h"
#include "firmware/bootloader_frames.h"
#include "firmware/bootloader_port.h"
#include "firmware/bootloader_protocol.h"
#include "support/await.h"

#include <QtTest>

#include <functional>

using namespace kx;

namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// Writes ("W43 BC"), pauses ("P1ms"), waits ("R1/1000") and looks at unasked bytes
// ("?") in the order they happen. Each queued answer serves one wait; with none left a wait times
// out.
struct Script : BootloaderPort, Clock {
    struct Answer {
        QByteArray bytes;
        ErrorKind kind = ErrorKind::None; // a link error instead of the bytes
    };
    QStringList events;
    QList<Answer> answers;
    QByteArray unasked;

    Task<Status> begin() override {
        events << QStringLiteral("begin");
        co_return Status{};
    }
    Task<Status> send(QByteArray bytes) override {
        events << QStringLiteral("W") + QString::fromLatin1(bytes.toHex(' ').toUpper());
        co_return Status{};
    }
    Task<Result<QByteArray>> receive(int bytes, int timeout_ms, QString) override {
        events << QStringLiteral("R%1/%2").arg(bytes).arg(timeout_ms);
        if (answers.isEmpty())
            co_return Error{QStringLiteral("no answer"), ErrorKind::TimedOut};
        const Answer answer = answers.takeFirst();
        if (answer.kind != ErrorKind::None)
            co_return Error{QStringLiteral("link error"), answer.kind};
        co_return answer.bytes;
    }
    Task<Result<QByteArray>> take_unasked() override {
        events << QStringLiteral("?");
        co_return std::exchange(unasked, {});
    }
    Task<> pause(int ms) override {
        events << QStringLiteral("P%1ms").arg(ms);
        co_return;
    }
    qint64 now_ms() const override { return 0; }

    void acks(int n) {
        for (int i = 0; i < n; ++i)
            answers.append({hex("79")});
    }
};

// "W31 CE" for bytes in one write.
QString written(const QByteArray& bytes) {
    return QStringLiteral("W") + QString::fromLatin1(bytes.toHex(' ').toUpper());
}

QStringList write_address_events(quint32 address) {
    return {"?", "W31 CE", "R1/1000", written(address_frame(address)), "R1/1000"};
}

using Command = std::function<Status(BootloaderProtocol&)>;

} // namespace

Q_DECLARE_METATYPE(Command)
Q_DECLARE_METATYPE(kx::ErrorKind)

class TestBootloaderProtocol : public QObject {
    Q_OBJECT
private slots:
    void frames_whole_and_answers_at_once_data();
    void frames_whole_and_answers_at_once();
    void stops_at_the_first_wrong_answer_data();
    void stops_at_the_first_wrong_answer();
    void read_back_compares_every_byte_data();
    void read_back_compares_every_byte();
    void unasked_bytes_stop_a_command_before_it_sends();
    void log_lines_of_a_chunk_and_of_go();
    void resynchronise_data();
    void resynchronise();
};

void TestBootloaderProtocol::frames_whole_and_answers_at_once_data() {
    QTest::addColumn<Command>("command");
    QTest::addColumn<QList<Script::Answer>>("answers");
    QTest::addColumn<QStringList>("events");
    const auto acks = [](int n) { return QList<Script::Answer>(n, {hex("79")}); };

    // Each command pair and each frame in one write, as stm32flash sends them; the answer is
    // awaited right after it, with no pause.
    QTest::newRow("erase_flash") << Command([](BootloaderProtocol& p) {
        return test::done(p.erase_flash());
    }) << acks(2) << QStringList{"?", "W43 BC", "R1/1000", "WFF 00", "R1/35000"};
    QTest::newRow("send_write_address") << Command([](BootloaderProtocol& p) {
        return test::done(p.send_write_address(0x08000C00));
    }) << acks(2) << write_address_events(0x08000C00);
    QTest::newRow("write_data") << Command([](BootloaderProtocol& p) {
        return test::done(p.write_data(hex("AA BB CC")));
    }) << acks(1) << QStringList{"W02 AA BB CC DF", "R1/1000"};
    QTest::newRow("write_record") << Command([](BootloaderProtocol& p) {
        return test::done(p.write_record(*firmware_record(1)));
    }) << acks(3)
                                  << write_address_events(kRecordAddress) +
                                         QStringList{"W07 00 00 00 00 00 00 00 01 06", "R1/1000"};
    QTest::newRow("go_to_application")
        << Command([](BootloaderProtocol& p) { return test::done(p.go_to_application()); })
        << acks(2) << QStringList{"?", "W21 DE", "R1/1000", "W08 00 00 00 08", "R1/1000"};
    QTest::newRow("read_back") << Command([](BootloaderProtocol& p) {
        return test::done(p.read_back(0x08000100, hex("5A A5")));
    }) << QList<Script::Answer>{{hex("79")}, {hex("79")}, {hex("79 5A A5")}}
                               << QStringList{"?",       "W11 EE", "R1/1000", "W08 00 01 00 09",
                                              "R1/1000", "W01 FE", "R3/1000"};
    QTest::newRow("get_id") << Command([](BootloaderProtocol& p) -> Status {
        const auto id = test::done(p.get_id());
        if (!id)
            return id.failure();
        return *id == 0x0410 ? Status() : Status(Error{QStringLiteral("wrong ID")});
    }) << QList<Script::Answer>{{hex("79 01 04 10 79")}}
                            << QStringList{"?", "W02 FD", "R2/1000"};
}

void TestBootloaderProtocol::frames_whole_and_answers_at_once() {
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
    Status done = test::done(protocol.send_write_address(0x08000000));
    if (done)
        done = test::done(protocol.write_data(hex("01 02")));
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
    const Status same = test::done(protocol.read_back(0x08000400, hex("10 20 30")));
    QCOMPARE(same.error_kind(), code);
    QCOMPARE(same.error(), message);
    QCOMPARE(log.lines.contains(QStringLiteral("read back matches, bytes: 3")),
             code == ErrorKind::None);
}

void TestBootloaderProtocol::unasked_bytes_stop_a_command_before_it_sends() {
    Script script;
    script.unasked = hex("79");
    NullLog log;
    BootloaderProtocol protocol(script, log, script);
    const Status go = test::done(protocol.go_to_application());
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
    QVERIFY(test::done(protocol.send_write_address(0x08008C00)));
    QVERIFY(!test::done(protocol.write_data(QByteArray(28, '\x11'))));
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
    QVERIFY(test::done(protocol.go_to_application()));
    expected = QStringList{"", "SEND GO COMMAND"} + ack;
    expected << "SEND ADDRESS + CHECKSUM"
             << "Address: 08000000"
             << "address checksum: 08";
    expected += ack;
    QCOMPARE(log.lines, expected);
}

void TestBootloaderProtocol::resynchronise_data() {
    QTest::addColumn<QList<Script::Answer>>("answers");
    QTest::addColumn<ErrorKind>("code");
    QTest::addColumn<QStringList>("events");
    const Script::Answer silent{{}, ErrorKind::TimedOut};
    const Script::Answer ack{hex("79")};
    const Script::Answer nack{hex("1F")};
    const Script::Answer id{hex("79 01 04 10 79")};
    const QStringList filler{"W02", "R1/100"};
    const QStringList probe{"?", "?", "W02 FD", "R2/1000"};
    const auto fillers = [&](int n) {
        QStringList events;
        for (int i = 0; i < n; ++i)
            events += filler;
        return events;
    };
    const auto answers = [](std::initializer_list<QList<Script::Answer>> parts) {
        QList<Script::Answer> all;
        for (const auto& part : parts)
            all += part;
        return all;
    };
    // Waiting for a command: the second filler completes a pair it refuses.
    QTest::newRow("waiting for a command")
        << answers({{silent, nack, id}}) << ErrorKind::None << fillers(2) + probe;
    // Waiting for an address: five fillers make a frame whose checksum is wrong.
    QTest::newRow("waiting for an address")
        << answers({QList<Script::Answer>(4, silent), {nack, id}}) << ErrorKind::None
        << fillers(5) + probe;
    // A frame it had started is completed and taken; the fillers go on to a refusal.
    QTest::newRow("an acknowledgement on the way")
        << answers({{silent, silent, ack, silent, nack, id}}) << ErrorKind::None
        << fillers(5) + probe;
    // A late refusal of the stopped attempt ends the fillers too early: Get ID meets the
    // filler left over and is refused, and a second round ends it.
    QTest::newRow("a filler left over")
        << answers({{nack, nack, nack, id}}) << ErrorKind::None << filler + probe + filler + probe;
    // Six fillers one at a time end every short frame; then enough for the longest at once,
    // and single ones again for a command pair one of those began.
    const QStringList block{written(QByteArray(257, '\x02')), "R257/200"};
    const QStringList all_fillers = fillers(6) + block + fillers(3);
    QTest::newRow("inside a data frame of 256 bytes")
        << answers({QList<Script::Answer>(6, silent), {{hex("1F 1F 1F")}, silent, nack, id}})
        << ErrorKind::None << fillers(6) + block + fillers(2) + probe;
    QTest::newRow("restarted: only the sync byte answers")
        << answers({QList<Script::Answer>(10, silent), {ack, id}}) << ErrorKind::None
        << all_fillers + QStringList{"W7F", "R1/100"} + probe;
    QTest::newRow("never answers") << QList<Script::Answer>(11, silent) << ErrorKind::TimedOut
                                   << all_fillers + QStringList{"W7F", "R1/100"};
    QTest::newRow("answers garbage")
        << QList<Script::Answer>(11, {hex("C3")}) << ErrorKind::BootloaderUnexpected
        << all_fillers + QStringList{"W7F", "R1/100"};
    // A short answer is waited out to its limit before it counts as wrong.
    QTest::newRow("Get ID never right")
        << answers({{nack, {hex("79 01 04")}, silent, nack, {hex("55")}, nack, nack}})
        << ErrorKind::BootloaderUnexpected
        << filler + probe + QStringList{"R2/1000"} + filler + probe + filler + probe;
}

void TestBootloaderProtocol::resynchronise() {
    QFETCH(QList<Script::Answer>, answers);
    QFETCH(ErrorKind, code);
    QFETCH(QStringList, events);
    Script script;
    script.answers = answers;
    NullLog log;
    BootloaderProtocol protocol(script, log, script);
    const Status synced = test::done(protocol.resynchronise());
    QCOMPARE(synced.error_kind(), code);
    QCOMPARE(script.events, events);
    QVERIFY(script.answers.isEmpty());
}

QTEST_GUILESS_MAIN(TestBootloaderProtocol)
#include "tst_bootloader_protocol.moc"
