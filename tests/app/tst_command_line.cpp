#include "app/CommandLine.h"
#include "kx_version.h"
#include "platform/platform.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace kx;

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void answers_without_display_data();
    void answers_without_display();
    void diagnose_exits_by_readiness_data();
    void diagnose_exits_by_readiness();
};

void TestCommandLine::parse_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("virtual_pedal");
    QTest::addColumn<QStringList>("ports");
    QTest::addColumn<QString>("shows"); // "help", "version" or empty
    QTest::addColumn<QString>("error"); // part of the message; empty when the line is valid
    QTest::newRow("nothing") << QStringList{} << false << QStringList{} << ""
                             << "";
    QTest::newRow("virtual pedal") << QStringList{"--virtual-pedal"} << true << QStringList{} << ""
                                   << "";
    QTest::newRow("ports in order, with the pedal")
        << QStringList{"--port", "/dev/pts/3", "--virtual-pedal", "--port=/dev/ttyUSB0"} << true
        << QStringList{"/dev/pts/3", "/dev/ttyUSB0"} << ""
        << "";
    QTest::newRow("port without path") << QStringList{"--port"} << false << QStringList{} << ""
                                       << "--port";
    QTest::newRow("port with empty path") << QStringList{"--port="} << false << QStringList{} << ""
                                          << "--port";
    QTest::newRow("unknown option") << QStringList{"--virtual"} << false << QStringList{} << ""
                                    << "--virtual";
    QTest::newRow("stray argument")
        << QStringList{"--virtual-pedal", "extra"} << false << QStringList{} << ""
        << "extra";
    QTest::newRow("help") << QStringList{"--help"} << false << QStringList{} << "help"
                          << "";
    QTest::newRow("short help") << QStringList{"-h"} << false << QStringList{} << "help"
                                << "";
    QTest::newRow("version") << QStringList{"--version"} << false << QStringList{} << "version"
                             << "";
    QTest::newRow("help wins over a wrong argument")
        << QStringList{"--bogus", "--help"} << false << QStringList{} << "help"
        << "";
    QTest::newRow("a port path is no option")
        << QStringList{"--port", "--help"} << false << QStringList{"--help"} << ""
        << "";
}

void TestCommandLine::parse() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, virtual_pedal);
    QFETCH(QStringList, ports);
    QFETCH(QString, shows);
    QFETCH(QString, error);
    const auto parsed = parse_command_line(arguments);
    QCOMPARE(parsed.ok(), error.isEmpty());
    if (!parsed) {
        QCOMPARE(parsed.error_kind(), ErrorKind::BadInput);
        QVERIFY2(parsed.error().contains(error), qPrintable(parsed.error()));
        return;
    }
    QCOMPARE(parsed->link.virtual_pedal, virtual_pedal);
    QCOMPARE(parsed->link.ports, ports);
    QCOMPARE(parsed->show_help, shows == QLatin1String("help"));
    QCOMPARE(parsed->show_version, shows == QLatin1String("version"));
}

void TestCommandLine::answers_without_display_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("output"); // the start of what it prints
    QTest::newRow("--help") << "--help"
                            << "Usage: ";
    QTest::newRow("--version") << "--version"
                               << QStringLiteral("Kestrel X Editor " KX_VERSION_TEXT);
}

void TestCommandLine::answers_without_display() {
    QFETCH(QString, option);
    QFETCH(QString, output);
    const QString editor = QStringLiteral(KX_BINARY_DIR "/kestrel-x-editor");
    QVERIFY2(QFileInfo(editor).isExecutable(), "build the target kestrel-x-editor first");
    // A terminal without a display: no DISPLAY, no QT_QPA_PLATFORM, nothing else either.
    QProcess process;
    process.setProcessEnvironment(QProcessEnvironment());
    process.start(editor, {option});
    QVERIFY2(process.waitForFinished(10000), "the editor did not end");
    const QString out = QString::fromLocal8Bit(process.readAllStandardOutput());
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QVERIFY2(process.exitCode() == 0, qPrintable(err));
    QVERIFY2(out.startsWith(output), qPrintable(out));
    QVERIFY2(err.isEmpty(), qPrintable(err));
}

void TestCommandLine::diagnose_exits_by_readiness_data() {
    QTest::addColumn<QString>("sys"); // fixture tree of the system's devices
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exit_code");
    QTest::addColumn<QString>("output"); // part of what it prints
    QTest::newRow("no pedal") << "none" << QStringList{"--diagnose"} << 1 << "No FTDI USB chip";
    QTest::newRow("chip without driver")
        << "unbound" << QStringList{"--diagnose"} << 1 << "sudo modprobe ftdi_sio";
    QTest::newRow("virtual pedal") << "none" << QStringList{"--virtual-pedal", "--diagnose"} << 0
                                   << "A pedal is ready to connect.";
    QTest::newRow("missing port") << "none"
                                  << QStringList{"--diagnose", "--port", "/dev/kx-no-such-port"}
                                  << 1 << "/dev/kx-no-such-port does not exist";
}

void TestCommandLine::diagnose_exits_by_readiness() {
    QFETCH(QString, sys);
    QFETCH(QStringList, arguments);
    QFETCH(int, exit_code);
    QFETCH(QString, output);
    // The portable build's doctor does not read the trees: only rows that any doctor answers
    // alike run there.
    if (sys != QLatin1String("none") && !platform::has_linux_parts())
        QSKIP("reads a fixture tree with a chip, which only the Linux doctor reads");
    const QString trees = QStringLiteral(KX_FIXTURES_DIR "/doctor/");
    QTemporaryDir root;
    QVERIFY(QFile::link(trees + "sys/" + sys, root.filePath("sys")));
    QVERIFY(QFile::link(trees + "proc/quiet", root.filePath("proc")));
    QVERIFY(QFile::link(trees + "etc", root.filePath("etc")));
    // A terminal without a display, the system's trees replaced by the fixtures.
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("KX_DIAGNOSE_ROOT"), root.path());
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(KX_BINARY_DIR "/kestrel-x-editor"), arguments);
    QVERIFY2(process.waitForFinished(10000), "the editor did not end");
    const QString out = QString::fromLocal8Bit(process.readAllStandardOutput());
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QVERIFY2(process.exitCode() == exit_code, qPrintable(out));
    QVERIFY2(out.contains(output), qPrintable(out));
    QVERIFY2(process.readAllStandardError().isEmpty(), qPrintable(out));
}

QTEST_MAIN(TestCommandLine)
#include "tst_command_line.moc"
