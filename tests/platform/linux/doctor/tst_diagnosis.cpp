#include "platform/linux/doctor/access_rule.h"
#include "platform/diagnosis.h"
#include "platform/linux/doctor/node_probe.h"

#include <QFile>
#include <QProcess>
#include <QtTest>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace kx::doctor;

namespace {

const QString kTrees = QStringLiteral(KX_FIXTURES_DIR "/doctor");
// The pedal chip's node in the sys trees.
const QString kChipNode = QStringLiteral("/dev/ttyUSB0");
constexpr quint32 kDialout = 20;

struct User {
    quint32 uid;
    const char* name;
};
const User kAlice{1000, "alice"}; // listed in dialout by the fixture's group file
const User kBob{1001, "bob"};

// The fixture trees for one case; the chip's node is root:dialout with `mode`.
DoctorSources fixture_sources(const QString& sys, const QString& proc, const User& user,
                              const QList<quint32>& groups, quint32 mode, bool seat_access) {
    DoctorSources sources;
    sources.sys_root = kTrees + QStringLiteral("/sys/") + sys;
    sources.proc_root = kTrees + QStringLiteral("/proc/") + proc;
    sources.etc_root = kTrees + QStringLiteral("/etc");
    sources.identity = {user.uid, QString::fromLatin1(user.name), groups, false};
    sources.probe = [mode, seat_access](const QString& path) {
        NodeFacts facts;
        facts.canonical = path;
        if (path != kChipNode)
            return facts;
        facts.exists = true;
        facts.char_device = true;
        facts.owner = 0;
        facts.group = kDialout;
        facts.mode = mode;
        if (seat_access)
            facts.system_allows = true;
        return facts;
    };
    return sources;
}

struct Pty {
    int master = -1;
    QString path;
    ~Pty() {
        if (master >= 0)
            ::close(master);
    }
};

} // namespace

class TestDiagnosis : public QObject {
    Q_OBJECT
private slots:
    void cases_data();
    void cases();
    void pseudo_terminal_held_and_chmodded();
    void packaged_rule_is_the_one_offered();
};

void TestDiagnosis::cases_data() {
    QTest::addColumn<QString>("sys");
    QTest::addColumn<QString>("proc");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QList<quint32>>("groups"); // of this login
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("seat_access"); // the desktop's access list lets the user in
    QTest::addColumn<bool>("rule_installed");
    QTest::addColumn<qint64>("own_pid");
    QTest::addColumn<QStringList>("ports");
    QTest::addColumn<bool>("virtual_pedal");
    QTest::addColumn<bool>("ready");
    QTest::addColumn<bool>("rule_would_help");
    QTest::addColumn<QStringList>("report"); // texts the report must hold

    const QList<quint32> bob{1001};
    const QList<quint32> alice_before_joining{1000};
    const QList<quint32> alice{1000, kDialout};
    const QStringList none;
    // clang-format off
    QTest::newRow("no device")
        << "none" << "quiet" << "bob" << bob << 0660 << false << false << qint64(0) << none << false
        << false << false
        << QStringList{"[problem] USB devices", "No FTDI USB chip is attached", "carries data",
                       "No pedal is ready"};
    QTest::newRow("no device, virtual pedal attached")
        << "none" << "quiet" << "bob" << bob << 0660 << false << false << qint64(0) << none << true
        << true << false
        << QStringList{"[note] USB devices", "[ok] Virtual pedal", "A pedal is ready to connect."};
    QTest::newRow("port given by path missing")
        << "none" << "quiet" << "bob" << bob << 0660 << false << false << qint64(0)
        << QStringList{"/dev/pts/77"} << false
        << false << false
        << QStringList{"[problem] Port /dev/pts/77 (given with --port)", "/dev/pts/77 does not exist"};
    QTest::newRow("device without driver")
        << "unbound" << "quiet" << "alice" << alice << 0660 << false << false << qint64(0) << none
        << false << false << false
        << QStringList{"[problem] USB chip \"FT230X Basic UART\" (FTDI 0403:6015, serial DK0KX123)",
                       "(ftdi_sio) is not loaded", "sudo modprobe ftdi_sio"};
    QTest::newRow("daemon present: brltty took the chip")
        << "claimed" << "brltty" << "alice" << alice << 0660 << false << false << qint64(0) << none
        << false << false << false
        << QStringList{"through libusb", "The program is brltty (process 812).",
                       "sudo systemctl stop brltty-udev.service brltty.service",
                       "[note] Service brltty (process 812)"};
    QTest::newRow("denied, not in the group")
        << "bound" << "quiet" << "bob" << bob << 0660 << false << false << qint64(0) << none << false
        << false << true
        << QStringList{"You (bob) may not open /dev/ttyUSB0",
                       "belongs to root and the group dialout, with the rights crw-rw----",
                       "You are not a member of dialout.", rule_install_command()};
    QTest::newRow("denied, joined the group after logging in")
        << "bound" << "quiet" << "alice" << alice_before_joining << 0660 << false << false
        << qint64(0) << none << false
        << false << false
        << QStringList{"added to the group dialout after this login", "Log out and log in again"};
    QTest::newRow("denied with the group, the group may not write")
        << "bound" << "quiet" << "alice" << alice << 0600 << false << false << qint64(0) << none
        << false << false << true
        << QStringList{"crw-------: only root may read and write it",
                       "You are a member of dialout, but the group may not write to it."};
    QTest::newRow("denied, rule installed but not applied")
        << "bound" << "quiet" << "bob" << bob << 0660 << false << true << qint64(0) << none << false
        << false << false
        << QStringList{"unplug the pedal and plug it in again", "sudo usermod -aG dialout bob"};
    QTest::newRow("ready as a member of the group")
        << "bound" << "quiet" << "alice" << alice << 0660 << false << false << qint64(0) << none
        << false << true << false
        << QStringList{"[ok] USB chip", "You may open /dev/ttyUSB0", "A pedal is ready to connect."};
    QTest::newRow("ready through the seat's access list")
        << "bound" << "quiet" << "bob" << bob << 0660 << true << false << qint64(0) << none << false
        << true << false
        << QStringList{"You may open /dev/ttyUSB0", "The desktop gives you access to it."};
    QTest::newRow("port busy, holder named")
        << "bound" << "minicom" << "alice" << alice << 0660 << false << false << qint64(0) << none
        << false << false << false
        << QStringList{"/dev/ttyUSB0 is open in another program: minicom (process 4242).",
                       "Close minicom"};
    QTest::newRow("port held by this editor")
        << "bound" << "minicom" << "alice" << alice << 0660 << false << false << qint64(4242) << none
        << false << true << false
        << QStringList{"This editor has /dev/ttyUSB0 open: it is connected."};
    QTest::newRow("daemon present: ModemManager beside a ready chip")
        << "bound" << "modemmanager" << "alice" << alice << 0660 << false << false << qint64(0)
        << none << false
        << true << false
        << QStringList{"[note] Service ModemManager (process 640)",
                       "sudo systemctl stop ModemManager", "A pedal is ready to connect."};
    // clang-format on
}

void TestDiagnosis::cases() {
    QFETCH(QString, sys);
    QFETCH(QString, proc);
    QFETCH(QString, user);
    QFETCH(QList<quint32>, groups);
    QFETCH(int, mode);
    QFETCH(bool, seat_access);
    QFETCH(bool, rule_installed);
    QFETCH(qint64, own_pid);
    QFETCH(QStringList, ports);
    QFETCH(bool, virtual_pedal);
    QFETCH(bool, ready);
    QFETCH(bool, rule_would_help);
    QFETCH(QStringList, report);

    DoctorSources sources = fixture_sources(sys, proc, user == "alice" ? kAlice : kBob, groups,
                                            static_cast<quint32>(mode), seat_access);
    if (rule_installed)
        sources.rule_dirs << QStringLiteral(KX_SOURCE_DIR "/packaging");
    sources.own_pid = own_pid;
    sources.ports = ports;
    sources.virtual_pedal = virtual_pedal;

    const Diagnosis diagnosis = diagnose(sources);
    const QString text = report_text(diagnosis);
    QVERIFY2(diagnosis.ready == ready, qPrintable(text));
    QVERIFY2(diagnosis.rule_would_help == rule_would_help, qPrintable(text));
    for (const QString& expected : report)
        QVERIFY2(text.contains(expected),
                 qPrintable(QStringLiteral("missing \"%1\" in:\n%2").arg(expected, text)));
    // Every problem says what to do.
    for (const Finding& finding : diagnosis.findings)
        if (finding.severity == Severity::Problem)
            QVERIFY2(!finding.advice.isEmpty(), qPrintable(finding.text));
}

// A real pseudo-terminal: first held open by another process, then freed, then closed to
// others by its rights, with the system's own /proc and the node's real owner and mode.
void TestDiagnosis::pseudo_terminal_held_and_chmodded() {
    Pty pty;
    pty.master = ::posix_openpt(O_RDWR | O_NOCTTY);
    QVERIFY(pty.master >= 0);
    QVERIFY(::grantpt(pty.master) == 0 && ::unlockpt(pty.master) == 0);
    pty.path = QString::fromLocal8Bit(::ptsname(pty.master));

    DoctorSources sources;
    sources.sys_root = kTrees + QStringLiteral("/sys/none");
    sources.proc_root = QStringLiteral("/proc");
    sources.etc_root = QStringLiteral("/etc");
    sources.identity = current_identity();
    sources.probe = [](const QString& path) { return probe_node(path, true); };
    sources.own_pid = QCoreApplication::applicationPid();
    sources.ports = {pty.path};

    QProcess holder;
    holder.setStandardInputFile(pty.path);
    holder.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    QVERIFY(holder.waitForStarted());
    // Its own open of the port happens before sleep runs; wait until /proc shows it.
    const QString held = QStringLiteral("sleep (process %1)").arg(holder.processId());
    QString text;
    QTRY_VERIFY2_WITH_TIMEOUT((text = report_text(diagnose(sources))).contains(held),
                              qPrintable(text), 5000);
    QVERIFY2(!diagnose(sources).ready, qPrintable(text));

    holder.kill();
    QVERIFY(holder.waitForFinished());
    Diagnosis free = diagnose(sources);
    QVERIFY2(free.ready, qPrintable(report_text(free)));

    // Another user, not a member of its group: only the rights decide.
    sources.identity = {54321, QStringLiteral("someone"), {54321}, false};
    sources.probe = [](const QString& path) { return probe_node(path, false); };
    const QByteArray native = QFile::encodeName(pty.path);
    QCOMPARE(::chmod(native.constData(), 0600), 0);
    const Diagnosis closed = diagnose(sources);
    text = report_text(closed);
    QVERIFY2(!closed.ready, qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("You (someone) may not open %1").arg(pty.path)),
             qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("crw-------")), qPrintable(text));

    QCOMPARE(::chmod(native.constData(), 0666), 0);
    const Diagnosis open = diagnose(sources);
    QVERIFY2(open.ready, qPrintable(report_text(open)));
}

// The command the doctor offers, and the user guide, write the very rule that the package
// installs.
void TestDiagnosis::packaged_rule_is_the_one_offered() {
    QFile file(QStringLiteral(KX_SOURCE_DIR "/packaging/") + QLatin1String(kRuleFileName));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QStringList rules;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (!line.trimmed().isEmpty() && !line.startsWith('#'))
            rules << QString::fromUtf8(line);
    QCOMPARE(rules, QStringList{QLatin1String(kRuleLine)});
    QVERIFY(rule_install_command().contains(QLatin1String(kRuleLine)));
    QVERIFY(rule_install_arguments().join(QLatin1Char(' ')).contains(QLatin1String(kRuleLine)));
    QFile guide(QStringLiteral(KX_SOURCE_DIR "/docs/guide/getting-connected.md"));
    QVERIFY(guide.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromUtf8(guide.readAll()).contains(rule_install_command()));
}

QTEST_GUILESS_MAIN(TestDiagnosis)
#include "tst_diagnosis.moc"
