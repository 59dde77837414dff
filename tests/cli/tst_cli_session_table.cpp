// kestrel-x's rows of the pedal session's table: each of its pedal commands run as a program
// against the served virtual pedal in each state the pedal can be in for it, with the exit
// status and every message the pedal received. The rows named "fault N" are the faults a
// guitarist met when each program kept its own idea of the pedal.
#include "params/preset_file.h"
#include "support/served_pedal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace {

const QString kProgram =
    qEnvironmentVariable("KX_CLI_PROGRAM", QStringLiteral(KX_BINARY_DIR "/kestrel-x"));
const QString kServer =
    QFileInfo(kProgram).dir().filePath(QStringLiteral("kestrel-x-virtual-pedal"));
const QString kFuzz = QStringLiteral("Basalt Fuzz Box"); // 3 knobs and a switch, effect 3
const QString kTape = QStringLiteral("Tape Loom Delay"); // 8 controls, 1 readback
const QString kCabinet = QStringLiteral(KX_FIXTURES_DIR "/ir/cabinet-like-24bit-mono-48k.wav");

enum State : int {
    NewPedal,      // the pedal runs effect 0, as from the factory and after an upgrade
    Running,       // the pedal runs Basalt Fuzz Box
    Edited,        // Basalt Fuzz Box, with Fuzz at 222 and Gate on
    AfterIrUpload, // the pedal runs Basic IR Loader with an impulse response
    Bootloader,    // powered up with the footswitch held
    // The same, after a stopped upgrade synchronised it: it refuses what it does not take.
    SynchronisedBootloader,
};

struct Run {
    int exit_code = -1;
    QString out;
    QString err;
};

Run run_cli(const QStringList& arguments) {
    QProcess process;
    process.start(kProgram, arguments);
    Run run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        run.err = QStringLiteral("kestrel-x did not finish");
        return run;
    }
    run.exit_code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

QString describe(const Run& run) {
    return QStringLiteral("exit %1\nstdout:\n%2\nstderr:\n%3")
        .arg(run.exit_code)
        .arg(run.out, run.err);
}

// Sends the bootloader's synchronisation byte on `path` and waits for its acknowledgement,
// as an upgrade's first step does.
bool synchronise_bootloader(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY);
    if (fd < 0)
        return false;
    termios raw{};
    bool acknowledged = false;
    if (tcgetattr(fd, &raw) == 0) {
        cfmakeraw(&raw);
        cfsetspeed(&raw, B115200);
        tcsetattr(fd, TCSANOW, &raw);
        const char sync = 0x7F;
        pollfd ready{fd, POLLIN, 0};
        char answer = 0;
        acknowledged = ::write(fd, &sync, 1) == 1 && ::poll(&ready, 1, 2000) > 0 &&
                       ::read(fd, &answer, 1) == 1 && answer == 0x79;
    }
    ::close(fd);
    return acknowledged;
}

// The served pedal, and every message it received since the last mark.
class ServedPedal {
public:
    ServedPedal(const QString& log, bool bootloader) : m_log(log) {
        QStringList arguments{QStringLiteral("--instant"), QStringLiteral("--log"), log};
        if (bootloader)
            arguments << QStringLiteral("--bootloader");
        if (m_server.start(arguments))
            m_port = m_server.path();
    }
    QStringList port() const { return {QStringLiteral("--port"), m_port}; }
    const QString& path() const { return m_port; }
    bool started() const { return m_port.startsWith(QLatin1String("/dev/")); }
    void mark() { m_mark = QFileInfo(m_log).size(); }
    // "05 00 02 04": the bytes the pedal read, in order, however the reads cut them.
    QString received() const {
        QFile file(m_log);
        if (!file.open(QIODevice::ReadOnly) || !file.seek(m_mark))
            return QStringLiteral("<no log>");
        QStringList reads;
        for (const QByteArray& line : file.readAll().split('\n')) {
            const qsizetype at = line.indexOf(" RX ");
            if (at >= 0)
                reads << QString::fromLatin1(line.mid(at + 4));
        }
        return reads.join(QLatin1Char(' '));
    }

private:
    kx::test::ServedPedal m_server{kServer};
    QString m_log;
    QString m_port;
    qint64 m_mark = 0;
};

// A pedal the test plays on a pseudo-terminal of its own, for what the virtual pedal never
// does: after an upload it names `after` as its effect (0: none) and answers the image with
// `answer`. It runs effect 0 until then. It keeps every byte it read.
class ScriptedPedal {
public:
    ScriptedPedal(int after, QByteArray answer) : m_after(after), m_answer(std::move(answer)) {
        m_master = posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0)
            return;
        const char* name = ptsname(m_master);
        if (!name)
            return;
        m_path = QString::fromLocal8Bit(name);
        // Held open so that the master sees no hang-up between the program's runs.
        m_slave = ::open(name, O_RDWR | O_NOCTTY);
        termios raw{};
        if (m_slave < 0 || tcgetattr(m_slave, &raw) != 0)
            return;
        cfmakeraw(&raw);
        cfsetspeed(&raw, B115200);
        tcsetattr(m_slave, TCSANOW, &raw);
        m_thread = std::thread([this] { serve(); });
    }
    ~ScriptedPedal() {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        if (m_slave >= 0)
            ::close(m_slave);
        if (m_master >= 0)
            ::close(m_master);
    }
    ScriptedPedal(const ScriptedPedal&) = delete;
    ScriptedPedal& operator=(const ScriptedPedal&) = delete;

    bool started() const { return m_thread.joinable(); }
    QStringList port() const { return {QStringLiteral("--port"), m_path}; }
    // "05 00 0D 00 ...": every byte read, in order.
    QString received() const {
        const std::lock_guard<std::mutex> lock(m_mutex);
        return QString::fromLatin1(m_read.toHex(' ').toUpper());
    }

private:
    void reply(const QByteArray& bytes) {
        qsizetype written = 0;
        while (written < bytes.size()) {
            const ssize_t n =
                ::write(m_master, bytes.constData() + written, size_t(bytes.size() - written));
            if (n <= 0)
                return;
            written += n;
        }
    }

    // Answers each whole message at the front of `pending`; true while it took one.
    bool take(QByteArray& pending) {
        const quint8 command = quint8(pending.at(0));
        if (command == 0x00) { // an image: its first three bytes are its length
            if (pending.size() < 3)
                return false;
            const qsizetype length = (quint8(pending.at(1)) << 8) | quint8(pending.at(2));
            if (pending.size() < std::max<qsizetype>(length, 3))
                return false;
            pending.remove(0, std::max<qsizetype>(length, 3));
            m_uploaded = true;
            reply(m_answer);
            return true;
        }
        if (pending.size() < 2)
            return false;
        pending.remove(0, 2);
        if (command == 0x05) {
            const int number = m_uploaded ? m_after : 0;
            reply(QByteArrayLiteral("Kestrel X\r\n") + QByteArray::number(number) +
                  QByteArrayLiteral("\r\n1\r\n3\r\n"));
        }
        return true;
    }

    void serve() {
        QByteArray pending;
        while (!m_stop) {
            pollfd ready{m_master, POLLIN, 0};
            if (::poll(&ready, 1, 20) <= 0 || !(ready.revents & POLLIN))
                continue;
            char buffer[4096];
            const ssize_t n = ::read(m_master, buffer, sizeof buffer);
            if (n <= 0)
                continue;
            {
                const std::lock_guard<std::mutex> lock(m_mutex);
                m_read.append(buffer, n);
            }
            pending.append(buffer, n);
            while (!pending.isEmpty() && take(pending)) {
            }
        }
    }

    const int m_after;
    const QByteArray m_answer;
    int m_master = -1;
    int m_slave = -1;
    QString m_path;
    bool m_uploaded = false;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    QByteArray m_read;
    std::thread m_thread;
};

} // namespace

class TestCliSessionTable : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void states_and_commands_data();
    void states_and_commands();
    void upload_is_confirmed_by_the_pedal_data();
    void upload_is_confirmed_by_the_pedal();

private:
    QTemporaryDir m_dir;
    QString m_preset; // a Basalt Fuzz Box preset
};

void TestCliSessionTable::initTestCase() {
    QVERIFY(QFile::exists(kProgram));
    QVERIFY(m_dir.isValid());
    // A Documents folder of this run's own: what kestrel-x keeps there (versions the pedals
    // reported, kept imports) must not carry over from another run of these tests, such as
    // the run against the installed program.
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("documents")));
    qputenv("KX_DOCUMENTS_DIR", QFile::encodeName(m_dir.filePath(QStringLiteral("documents"))));
    kx::Preset preset;
    preset.effect_number = 3;
    preset.effect_version = 1;
    preset.values = {111, 222, 333, 1023};
    preset.control_assignments = {0xFF, 0xFF, 0xFF, 0xFF};
    m_preset = m_dir.filePath(QStringLiteral("fuzz.txt"));
    QFile file(m_preset);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(kx::preset_file_bytes(*kx::preset_text(preset)));
}

// `wire` is a pattern over the bytes the pedal read.
void TestCliSessionTable::states_and_commands_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exit_code");
    QTest::addColumn<QString>("wire");
    QTest::addColumn<QString>("said"); // in the output (exit 0) or the one error line

    const QString image = QStringLiteral("( [0-9A-F]{2})+");
    const QString preset = QStringLiteral("<preset>");
    const QString saved = QStringLiteral("<saved>");

    // A new pedal runs effect 0: only what needs no effect is done (fault 5), and nothing
    // reaches it that assumes a count of controls (fault 3).
    QTest::newRow("new pedal: info") << int(NewPedal) << QStringList{"info"} << 0 << "05 00"
                                     << "effect: none yet";
    QTest::newRow("new pedal: get, fault 5") << int(NewPedal) << QStringList{"get"} << 1 << "05 00"
                                             << "runs no effect yet";
    QTest::newRow("new pedal: set")
        << int(NewPedal) << QStringList{"set", "Fuzz", "300"} << 1 << "05 00"
        << "runs no effect yet";
    QTest::newRow("new pedal: assign, fault 3")
        << int(NewPedal) << QStringList{"assign", "Fuzz", "KI"} << 1 << "05 00"
        << "runs no effect yet";
    QTest::newRow("new pedal: store, fault 3")
        << int(NewPedal) << QStringList{"store"} << 1 << "05 00"
        << "runs no effect yet";
    QTest::newRow("new pedal: midi")
        << int(NewPedal) << QStringList{"midi", "3"} << 0 << "05 00 07 03"
        << "MIDI channel 3";
    QTest::newRow("new pedal: upload") << int(NewPedal) << QStringList{"upload", kFuzz} << 0
                                       << "05 00 0D 00" + image + " 05 00 02 04"
                                       << "Upload complete";
    QTest::newRow("new pedal: preset save")
        << int(NewPedal) << QStringList{"preset", "save", saved} << 1 << "05 00"
        << "runs no effect yet";
    QTest::newRow("new pedal: preset load")
        << int(NewPedal) << QStringList{"preset", "load", preset} << 1 << "05 00"
        << "runs no effect yet";
    QTest::newRow("new pedal: firmware")
        << int(NewPedal) << QStringList{"firmware", "upgrade", "--yes"}
        << 1
        // The bootloader check: 7F, a filler that ends a command pair, then fillers enough to
        // end the longest frame a stopped upgrade can leave; the running firmware drops them.
        << "7F( 06){258}"
        << "not in its bootloader";

    // The pedal runs an effect: N comes from it (fault 3), and each command sends its message.
    QTest::newRow("running: info") << int(Running) << QStringList{"info"} << 0 << "05 00"
                                   << "effect: Basalt Fuzz Box";
    QTest::newRow("running: get") << int(Running) << QStringList{"get"} << 0 << "05 00 02 04"
                                  << "Fuzz";
    QTest::newRow("running: set") << int(Running) << QStringList{"set", "Fuzz", "300"} << 0
                                  << "05 00 01 [0-9A-F]{2} [0-9A-F]{2} 00 25 80 00"
                                  << "Fuzz = 300";
    QTest::newRow("running: assign") << int(Running) << QStringList{"assign", "Fuzz", "KI"} << 0
                                     << "05 00 02 04 04( [0-9A-F]{2}){22}"
                                     << "Fuzz -> KI";
    QTest::newRow("running: store, fault 3")
        << int(Running) << QStringList{"store"} << 0 << "05 00 03 04"
        << "stored Basalt Fuzz Box";
    QTest::newRow("running: midi")
        << int(Running) << QStringList{"midi", "omni"} << 0 << "05 00 07 00"
        << "MIDI channel OMNI";
    QTest::newRow("running: upload another") << int(Running) << QStringList{"upload", kTape} << 0
                                             << "05 00 0D 00" + image + " 05 00 02 08"
                                             << "Upload complete";
    // What is saved is what the pedal plays, edits included (fault 1).
    QTest::newRow("edited: preset save, fault 1")
        << int(Edited) << QStringList{"preset", "save", saved} << 0 << "05 00 02 04"
        << "saved Basalt Fuzz Box";
    QTest::newRow("running: preset load") << int(Running) << QStringList{"preset", "load", preset}
                                          << 0 << "05 00( 01( [0-9A-F]{2}){6}){4}"
                                          << "loaded";
    QTest::newRow("running: firmware")
        << int(Running) << QStringList{"firmware", "upgrade", "--yes"}
        << 1
        // The bootloader check: 7F, a filler that ends a command pair, then fillers enough to
        // end the longest frame a stopped upgrade can leave; the running firmware drops them.
        << "7F( 06){258}"
        << "not in its bootloader";

    // An impulse response belongs to the effect it was imported for (fault 2): another effect
    // uploaded afterwards is that effect's own image, and an IR effect needs its file.
    QTest::newRow("after an IR upload: upload another, fault 2")
        << int(AfterIrUpload) << QStringList{"upload", kTape} << 0
        << "05 00 0D 00" + image + " 05 00 02 08"
        << "Upload complete";
    QTest::newRow("after an IR upload: the other IR effect, fault 2")
        << int(AfterIrUpload) << QStringList{"upload", "IR Loader + EQ"} << 2 << ""
        << "--ir FILE.wav";

    // The bootloader ignores the firmware's commands: each command stops at the unanswered
    // question, and nothing else reaches it (fault 6).
    for (const QStringList& command :
         {QStringList{"info"}, QStringList{"get"}, QStringList{"set", "Fuzz", "300"},
          QStringList{"assign", "Fuzz", "KI"}, QStringList{"store"}, QStringList{"midi", "3"},
          QStringList{"upload", kFuzz}, QStringList{"preset", "save", saved},
          QStringList{"preset", "load", preset}})
        QTest::newRow(qPrintable(QStringLiteral("bootloader: %1, fault 6")
                                     .arg(command.mid(0, 2).join(QLatin1Char(' ')))))
            << int(Bootloader) << command << 1 << "05 00"
            << "in its bootloader";
    // A synchronised bootloader refuses the first question: that refusal names it, where it
    // was once read as an incomplete reply.
    for (const QStringList& command :
         {QStringList{"info"}, QStringList{"get"}, QStringList{"midi", "16"},
          QStringList{"set", "Fuzz", "300"}, QStringList{"upload", kFuzz}})
        QTest::newRow(qPrintable(QStringLiteral("synchronised bootloader: %1")
                                     .arg(command.mid(0, 2).join(QLatin1Char(' ')))))
            << int(SynchronisedBootloader) << command << 1 << "05 00"
            << "The pedal is in its bootloader";
}

void TestCliSessionTable::states_and_commands() {
    QFETCH(int, state);
    QFETCH(QStringList, arguments);
    QFETCH(int, exit_code);
    QFETCH(QString, wire);
    QFETCH(QString, said);
    const QString saved = m_dir.filePath(QStringLiteral("saved.txt"));
    QFile::remove(saved);
    for (QString& argument : arguments) {
        if (argument == QLatin1String("<preset>"))
            argument = m_preset;
        else if (argument == QLatin1String("<saved>"))
            argument = saved;
    }

    const QString log = m_dir.filePath(QStringLiteral("pedal.log"));
    QFile::remove(log);
    ServedPedal pedal(log, state == Bootloader || state == SynchronisedBootloader);
    QVERIFY(pedal.started());
    if (state == SynchronisedBootloader)
        QVERIFY(synchronise_bootloader(pedal.path()));
    if (state == Running || state == Edited)
        QCOMPARE(run_cli(QStringList{"upload", kFuzz} + pedal.port()).exit_code, 0);
    if (state == Edited) {
        QCOMPARE(run_cli(QStringList{"set", "Fuzz", "222"} + pedal.port()).exit_code, 0);
        QCOMPARE(run_cli(QStringList{"set", "Gate", "on"} + pedal.port()).exit_code, 0);
    }
    if (state == AfterIrUpload)
        QCOMPARE(run_cli(QStringList{"upload", "Basic IR Loader", "--ir", kCabinet} + pedal.port())
                     .exit_code,
                 0);
    pedal.mark();

    const Run run = run_cli(arguments + pedal.port());
    QVERIFY2(run.exit_code == exit_code, qPrintable(describe(run)));
    QVERIFY2((exit_code == 0 ? run.out : run.err).contains(said), qPrintable(describe(run)));
    if (exit_code != 0) {
        QVERIFY2(run.out.isEmpty(), qPrintable(describe(run)));
        QVERIFY2(run.err.count(QLatin1Char('\n')) == 1, qPrintable(describe(run)));
    }
    // The pedal logs what it has read, which may be a moment after the program has ended.
    const QRegularExpression expected_wire(QStringLiteral("^(%1)$").arg(wire));
    QTRY_VERIFY2_WITH_TIMEOUT(
        expected_wire.match(pedal.received()).hasMatch(),
        qPrintable(QStringLiteral("received %1, expected %2").arg(pedal.received(), wire)), 3000);

    // What the pedal runs afterwards is what the command said it put there.
    if (arguments.first() == QLatin1String("upload") && exit_code == 0) {
        const Run info = run_cli(QStringList{"info"} + pedal.port());
        QVERIFY2(info.out.contains(QStringLiteral("effect: ") + arguments.at(1)),
                 qPrintable(describe(info)));
    }
    // A saved preset holds what the pedal plays (fault 1).
    if (arguments.value(1) == QLatin1String("save") && exit_code == 0) {
        const auto lines = kx::read_preset_file(saved);
        QVERIFY(lines.ok());
        const auto read = kx::parse_preset(*lines);
        QVERIFY2(read.ok(), qPrintable(read.error()));
        QCOMPARE(read->effect_number, 3);
        QCOMPARE(read->values.value(0), 222);
        QCOMPARE(read->values.value(3), 1023);
    }
}

void TestCliSessionTable::upload_is_confirmed_by_the_pedal_data() {
    QTest::addColumn<int>("after"); // the effect the pedal names after the upload
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("said");
    const QByteArray complete = QByteArrayLiteral("Upload complete\r\n");
    QTest::newRow("another effect") << 4 << complete << "the pedal now reports effect 4 (";
    QTest::newRow("no effect") << 0 << complete << "the pedal now reports that it runs no effect";
    // Once, garbage in place of the answer was taken for success.
    QTest::newRow("garbage, then another effect")
        << 4 << QByteArrayLiteral("\x13\x37#!garbage\xFF") << "the pedal now reports effect 4 (";
}

// The pedal's own word on what it runs after an upload decides whether the upload worked,
// whatever its answer to the image said; a failed one asks nothing more of the pedal.
void TestCliSessionTable::upload_is_confirmed_by_the_pedal() {
    QFETCH(int, after);
    QFETCH(QByteArray, answer);
    QFETCH(QString, said);
    ScriptedPedal pedal(after, answer);
    QVERIFY(pedal.started());
    const Run run = run_cli(QStringList{"upload", kFuzz} + pedal.port());
    QVERIFY2(run.exit_code == 1, qPrintable(describe(run)));
    QVERIFY2(run.out.isEmpty(), qPrintable(describe(run)));
    QVERIFY2(run.err.contains(QStringLiteral("The upload of %1 failed: ").arg(kFuzz) + said),
             qPrintable(describe(run)));
    // The upload's progress lines, then the one line that says what went wrong.
    const QStringList lines = run.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY2(lines.filter(QRegularExpression(QStringLiteral("^\\d+%$"))).size() == lines.size() - 1,
             qPrintable(describe(run)));
    const QString received = pedal.received();
    QVERIFY2(QRegularExpression(QStringLiteral("^05 00 0D 00( [0-9A-F]{2})+ 05 00$"))
                 .match(received)
                 .hasMatch(),
             qPrintable(received));
}

QTEST_GUILESS_MAIN(TestCliSessionTable)
#include "tst_cli_session_table.moc"
