#include "pedal_rig.h"
#include "support/served_pedal.h"

#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSerialPort>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <unistd.h>

namespace {

using Server = kx::test::ServedPedal;

// Runs stm32flash with the pedal's line settings; returns its exit code, -1 if it hung.
int stm32flash(const QString& program, const QStringList& arguments, const QString& port) {
    QProcess flash;
    flash.setProcessChannelMode(QProcess::MergedChannels);
    flash.start(program, QStringList{"-b", "115200", "-m", "8n1"} + arguments + QStringList{port});
    if (!flash.waitForFinished(120000)) {
        flash.kill();
        flash.waitForFinished();
        return -1;
    }
    if (flash.exitCode() != 0)
        qWarning().noquote() << flash.readAll();
    return flash.exitCode();
}

} // namespace

class TestVirtualPedalServer : public QObject {
    Q_OBJECT
private slots:
    void firmware_answers_through_the_pty();
    void stm32flash_writes_verifies_and_reads_back();
    void player_turns_a_knob_from_standard_input();
    void unread_player_answers_never_stop_the_pedal();
};

void TestVirtualPedalServer::firmware_answers_through_the_pty() {
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("pedal.log"));
    Server server;
    QVERIFY2(server.start({"--instant", "--log", log}), "the server printed no path");

    QByteArray reply;
    for (int attempt = 0; attempt < 2; ++attempt) { // a client may close and come back
        QSerialPort port(server.path());
        QVERIFY2(port.open(QIODevice::ReadWrite), qPrintable(port.errorString()));
        port.write("\x05\x00", 2);
        port.waitForBytesWritten(1000);
        reply.clear();
        while (reply.size() < 21 && port.waitForReadyRead(2000))
            reply += port.readAll();
        QCOMPARE(reply, QByteArray("Kestrel X\r\n0\r\n0\r\n11\r\n"));
    }

    // Asked to stop (SIGTERM), it ends cleanly.
    server.stop();
    QCOMPARE(server.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(server.process().exitCode(), 0);
    QFile file(log);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.contains("RX 05 00"));
    QVERIFY(text.contains("information request"));
    QVERIFY(text.contains("TX 4B 65 73"));
}

void TestVirtualPedalServer::stm32flash_writes_verifies_and_reads_back() {
    const QString program = QStandardPaths::findExecutable(QStringLiteral("stm32flash"));
    if (program.isEmpty())
        QSKIP("stm32flash is not installed");
    QTemporaryDir dir;
    QByteArray image(3000, '\0'); // not a multiple of the 256-byte frames
    for (int i = 0; i < image.size(); ++i)
        image[i] = char((i * 131 + i / 256) & 0xFF);
    const QString written = dir.filePath(QStringLiteral("firmware.bin"));
    const QString read_back = dir.filePath(QStringLiteral("read-back.bin"));
    QFile file(written);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(image);
    file.close();

    Server server; // with the link's real timing
    QVERIFY2(server.start({"--bootloader"}), "the server printed no path");
    QCOMPARE(stm32flash(program, {"-w", written, "-v"}, server.path()), 0);
    // A second session starts with a new synchronisation byte, which the bootloader (already
    // synchronised) takes as a command; stm32flash must recover from that as with real chips.
    QCOMPARE(stm32flash(program, {"-S", "0x08000000:3000", "-r", read_back}, server.path()), 0);
    QFile result(read_back);
    QVERIFY(result.open(QIODevice::ReadOnly));
    QCOMPARE(result.readAll(), image);
}

// A line on the server's standard input turns a pedal knob: the control assigned to it takes
// the value, and the next parameter request through the port reads it.
void TestVirtualPedalServer::player_turns_a_knob_from_standard_input() {
    Server server;
    QVERIFY2(server.start({"--instant"}), "the server printed no path");
    QSerialPort port(server.path());
    QVERIFY2(port.open(QIODevice::ReadWrite), qPrintable(port.errorString()));
    auto exchange = [&](const QByteArray& bytes, int reply_bytes) {
        port.write(bytes);
        port.waitForBytesWritten(1000);
        QByteArray reply;
        while (reply.size() < reply_bytes && port.waitForReadyRead(2000))
            reply += port.readAll();
        return reply;
    };
    auto player = [&](const QByteArray& line) {
        server.tell(line);
        return server.read_line(2000).trimmed();
    };
    using kx::sim::test::hex;
    QCOMPARE(exchange(kx::sim::test::effect_image(7, 2, {0, 0}), 17),
             QByteArray("Upload complete\r\n"));
    // Control 1 on KII (code 1); nothing else assigned.
    exchange(hex("04 FF01FFFFFFFFFFFFFFFFFFFFFFFFFFFF FFFFFFFF FF FF"), 0);
    exchange(hex("05 00"), 21); // answered once the assignments are in
    QCOMPARE(player("turn 1 512"), QByteArray("turned 1 to 512: 1 controls follow"));
    QCOMPARE(player("turn 1 2000"), QByteArray("turn needs a control 0..11 and a value 0..1023"));
    const QList<int> reply = kx::sim::test::numbers(exchange(hex("02 02"), 8 * 3 + 22 * 3));
    QCOMPARE(reply.mid(0, 8), QList<int>({0, 0, 0, 0, 0, 64, 0, 0}));
    // A NUL is no end of a line: nothing behind it is ignored.
    QCOMPARE(player(QByteArray("turn 1 5\0junk", 13)),
             QByteArray("turn needs a control 0..11 and a value 0..1023"));
    QCOMPARE(player("turn +1 5"), QByteArray("turn needs a control 0..11 and a value 0..1023"));
}

// The player's answers go to standard output; a reader that never reads (here a shell that
// took the port's path and then only sleeps) must not stop the pedal once the pipe is full.
// A NUL in a line is no end of it: "turn 0 5<NUL>junk" is refused whole.
void TestVirtualPedalServer::unread_player_answers_never_stop_the_pedal() {
    QTemporaryDir dir;
    const QString path_file = dir.filePath(QStringLiteral("path"));
    QProcess shell;
    // Its own process group, so that the pedal and the sleeper go with it.
    shell.setChildProcessModifier([] { ::setsid(); });
    shell.start(QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"),
                 QStringLiteral("\"$0\" --instant | { IFS= read -r p; echo \"$p\" > \"$1\"; "
                                "exec sleep 120; }"),
                 Server::default_program(), path_file});
    QVERIFY(shell.waitForStarted());
    const auto stop = qScopeGuard([&] {
        ::kill(-pid_t(shell.processId()), SIGTERM);
        shell.waitForFinished(5000);
    });
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(path_file).size() > 0, 10000);
    QFile file(path_file);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString port_path = QString::fromLocal8Bit(file.readAll().trimmed());
    QSerialPort port(port_path);
    QVERIFY2(port.open(QIODevice::ReadWrite), qPrintable(port.errorString()));

    // About 150 KB of answers, more than twice what a pipe holds.
    QByteArray lines = QByteArray("turn 0 5\0junk\n", 14);
    for (int i = 0; i < 4000; ++i)
        lines += "turn 1 5\n";
    shell.write(lines);
    QVERIFY(shell.waitForBytesWritten(10000));
    QTest::qWait(500);
    port.write("\x05\x00", 2);
    port.waitForBytesWritten(1000);
    QByteArray reply;
    while (reply.size() < 21 && port.waitForReadyRead(3000))
        reply += port.readAll();
    QCOMPARE(reply, QByteArray("Kestrel X\r\n0\r\n0\r\n11\r\n"));
}

QTEST_GUILESS_MAIN(TestVirtualPedalServer)
#include "tst_virtual_pedal_server.moc"
