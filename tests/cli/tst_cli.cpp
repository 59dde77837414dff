// kestrel-x run as a program: its output, its exit status and what the pedal holds after it,
// against the virtual pedal in process (--virtual-pedal) and served on a pseudo-terminal.
#include "base/scripted_dialogs.h"
#include "library/firmware_image.h"
#include "library/resource_store.h"
#include "params/preset_file.h"
#include "support/hostile_files.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kProgram = QStringLiteral(KX_BINARY_DIR "/kestrel-x");
const QString kServer = QStringLiteral(KX_BINARY_DIR "/kestrel-x-virtual-pedal");
const QString kEffect = QStringLiteral("Basalt Fuzz Box");

struct Run {
    int exit_code = -1;
    QString out;
    QString err;
};

Run run_cli(const QStringList& arguments) {
    QProcess process;
    process.start(kProgram, arguments);
    Run run;
    if (!process.waitForFinished(30000)) {
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

} // namespace

class TestCli : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void usage_errors_data();
    void usage_errors();
    void help_and_man_page();
    void no_pedal_data();
    void no_pedal();
    void in_process_data();
    void in_process();
    void served_pedal_data();
    void served_pedal();
    void bad_input_sends_nothing_that_changes_the_pedal_data();
    void bad_input_sends_nothing_that_changes_the_pedal();
    void preset_save_and_load_round_trip();
    void preset_files_refused_data();
    void preset_files_refused();
    void firmware_upgrade_in_the_bootloader();
    void firmware_refused_data();
    void firmware_refused();
    void hostile_files_are_refused_data();
    void hostile_files_are_refused();
    void diagnose_data();
    void diagnose();

private:
    // The served pedal's state as `get --json` reads it.
    QJsonObject pedal_state();
    QStringList received_messages() const;

    QProcess m_server;
    QTemporaryDir m_dir;
    QString m_port;
    QString m_pedal_log;
};

void TestCli::initTestCase() {
    QVERIFY(QFile::exists(kProgram));
    QVERIFY(m_dir.isValid());
    m_pedal_log = m_dir.filePath(QStringLiteral("pedal.log"));
    m_server.start(kServer, {QStringLiteral("--instant"), QStringLiteral("--log"), m_pedal_log});
    QVERIFY(m_server.waitForStarted(5000));
    QVERIFY(m_server.waitForReadyRead(5000));
    m_port = QString::fromLocal8Bit(m_server.readLine()).trimmed();
    QVERIFY(m_port.startsWith(QLatin1String("/dev/")));
    const Run upload =
        run_cli({QStringLiteral("upload"), kEffect, QStringLiteral("--port"), m_port});
    QVERIFY2(upload.exit_code == 0, qPrintable(describe(upload)));
}

void TestCli::cleanupTestCase() {
    m_server.terminate();
    m_server.waitForFinished(5000);
}

QJsonObject TestCli::pedal_state() {
    const Run get = run_cli(
        {QStringLiteral("get"), QStringLiteral("--json"), QStringLiteral("--port"), m_port});
    if (get.exit_code != 0)
        qWarning("%s", qPrintable(describe(get)));
    return QJsonDocument::fromJson(get.out.toUtf8()).object();
}

QStringList TestCli::received_messages() const {
    QFile file(m_pedal_log);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList messages;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const qsizetype at = line.indexOf(" RX ");
        if (at >= 0)
            messages << QString::fromLatin1(line.mid(at + 4));
    }
    return messages;
}

void TestCli::usage_errors_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");
    // A port that does not exist: a command that got as far as connecting would exit 3.
    const QStringList nowhere{QStringLiteral("--port"), QStringLiteral("/nonexistent/tty")};
    QTest::newRow("no command") << QStringList{} << "No command given";
    QTest::newRow("unknown command") << QStringList{"fly"} << "Unknown command: fly";
    QTest::newRow("unknown option") << QStringList{"info", "--bogus"} << "bogus";
    QTest::newRow("another command's option") << QStringList{"info", "--ir", "x.wav"} << "ir";
    QTest::newRow("missing argument") << QStringList{"set", "Fuzz"} << "set CONTROL VALUE";
    QTest::newRow("extra argument") << QStringList{"store", "now"} << "kestrel-x store";
    QTest::newRow("value above range")
        << (QStringList{"set", "Fuzz", "1024"} + nowhere) << "1024 is out of range";
    // A leading "-" reads as an option unless "--" ends the options.
    QTest::newRow("negative value")
        << (nowhere + QStringList{"set", "--", "Fuzz", "-1"}) << "-1 is out of range";
    QTest::newRow("midi channel 17")
        << (QStringList{"midi", "17"} + nowhere) << "\"17\" is not a MIDI channel";
    QTest::newRow("unknown category") << QStringList{"effects", "Jazz"} << "no category \"Jazz\"";
    QTest::newRow("unknown effect")
        << (QStringList{"upload", "Kazoo"} + nowhere) << "no effect \"Kazoo\"";
    QTest::newRow("IR effect without a file")
        << (QStringList{"upload", "Basic IR Loader"} + nowhere) << "--ir FILE.wav";
    QTest::newRow("--ir on a plain effect")
        << (QStringList{"upload", "Basalt Fuzz Box", "--ir", "a.wav"} + nowhere) << "not one";
    QTest::newRow("missing IR file")
        << (QStringList{"upload", "Basic IR Loader", "--ir", "/nonexistent.wav"} + nowhere)
        << "Error loading file: /nonexistent.wav";
    QTest::newRow("malformed IR file")
        << (QStringList{"upload", "Basic IR Loader", "--ir",
                        QStringLiteral(KX_SOURCE_DIR "/CMakeLists.txt")} +
            nowhere)
        << "";
}

void TestCli::usage_errors() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    const Run run = run_cli(arguments);
    QVERIFY2(run.exit_code == 2, qPrintable(describe(run)));
    QVERIFY2(run.out.isEmpty(), qPrintable(describe(run)));
    QVERIFY2(run.err.contains(error), qPrintable(describe(run)));
    QVERIFY2(run.err.startsWith(QLatin1String("kestrel-x: ")) && run.err.count('\n') == 1,
             qPrintable(describe(run)));
}

void TestCli::help_and_man_page() {
    const Run help = run_cli({QStringLiteral("--help")});
    QCOMPARE(help.exit_code, 0);
    const Run man = run_cli({QStringLiteral("--help-man")});
    QCOMPARE(man.exit_code, 0);
    QVERIFY(man.out.startsWith(QLatin1String(".TH KESTREL")));
    // Every command's summary is in the help, and its description in the man page.
    for (const char* command : {"list", "info", "effects", "get", "set", "assign", "store", "midi",
                                "upload", "preset", "firmware", "diagnose"}) {
        const QString name = QLatin1String(command);
        QVERIFY2(help.out.contains(QStringLiteral("\n  ") + name), command);
        QVERIFY2(man.out.contains(QStringLiteral(".B ") + name), command);
        const Run own = run_cli({name, QStringLiteral("--help")});
        QCOMPARE(own.exit_code, 0);
        QVERIFY2(own.out.startsWith(QStringLiteral("Usage: kestrel-x [OPTIONS] ") + name),
                 qPrintable(own.out));
    }
}

void TestCli::no_pedal_data() {
    QTest::addColumn<QStringList>("arguments");
    const QStringList nowhere{QStringLiteral("--port"), QStringLiteral("/nonexistent/tty")};
    QTest::newRow("list") << (QStringList{"list"} + nowhere);
    QTest::newRow("info") << (QStringList{"info"} + nowhere);
    QTest::newRow("get") << (QStringList{"get", "--json"} + nowhere);
    QTest::newRow("store") << (QStringList{"store"} + nowhere);
    QTest::newRow("unknown serial") << QStringList{"info", "--virtual-pedal", "--serial", "NOPE"};
}

void TestCli::no_pedal() {
    QFETCH(QStringList, arguments);
    const Run run = run_cli(arguments);
    QVERIFY2(run.exit_code == 3, qPrintable(describe(run)));
    QVERIFY2(run.out.trimmed().isEmpty() || run.out.trimmed() == QLatin1String("[\n]"),
             qPrintable(describe(run)));
    QVERIFY2(!run.err.isEmpty(), qPrintable(describe(run)));
}

void TestCli::in_process_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exit_code");
    QTest::addColumn<QString>("output");
    QTest::newRow("list") << QStringList{"list"} << 0 << "KXV00001\tFT230X Basic UART\n";
    QTest::newRow("list --json") << QStringList{"list", "--json"} << 0
                                 << "\"serial\": \"KXV00001\"";
    QTest::newRow("info") << QStringList{"info"} << 0 << "effect number: 0\neffect: empty\n";
    QTest::newRow("info --json") << QStringList{"info", "--json"} << 0 << "\"effect\": \"empty\"";
    QTest::newRow("info by serial")
        << QStringList{"info", "--serial", "KXV00001"} << 0 << "effect: empty";
    QTest::newRow("effects") << QStringList{"effects"} << 0 << "Gain\n  Ember Overdrive\n";
    QTest::newRow("effects of a category")
        << QStringList{"effects", "impulse response"} << 0 << "Basic IR Loader\n";
    QTest::newRow("upload") << QStringList{"upload", "Basalt Fuzz Box"} << 0 << "Upload complete\n";
    QTest::newRow("upload, any case")
        << QStringList{"upload", "basalt fuzz box"} << 0 << "Upload complete\n";
    QTest::newRow("midi") << QStringList{"midi", "16"} << 0 << "MIDI channel 16\n";
    QTest::newRow("midi omni") << QStringList{"midi", "omni"} << 0 << "MIDI channel OMNI\n";
    // The pedal starts with no effect, which has no controls to read.
    QTest::newRow("get without an effect") << QStringList{"get"} << 1 << "";
}

void TestCli::in_process() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exit_code);
    QFETCH(QString, output);
    const Run run = run_cli(arguments + QStringList{QStringLiteral("--virtual-pedal")});
    QVERIFY2(run.exit_code == exit_code, qPrintable(describe(run)));
    QVERIFY2(run.out.contains(output), qPrintable(describe(run)));
}

// Each row runs on the pedal as the rows before it left it.
void TestCli::served_pedal_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("control"); // whose state the row changes, by name
    QTest::addColumn<QString>("field");
    QTest::addColumn<QJsonValue>("expected");
    QTest::addColumn<QString>("received"); // the last message the pedal got; empty: not checked

    QTest::newRow("set by name") << QStringList{"set", "Fuzz", "300"} << "Fuzz = 300\n"
                                 << "Fuzz"
                                 << "value" << QJsonValue(300) << "";
    QTest::newRow("set by index") << QStringList{"set", "1", "1023"} << "Tone = 1023\n"
                                  << "Tone"
                                  << "value" << QJsonValue(1023) << "";
    QTest::newRow("set a switch on") << QStringList{"set", "gate", "on"} << "Gate = on\n"
                                     << "Gate"
                                     << "text" << QJsonValue("on") << "";
    QTest::newRow("set a switch by number") << QStringList{"set", "Gate", "0"} << "Gate = off\n"
                                            << "Gate"
                                            << "text" << QJsonValue("off") << "";
    QTest::newRow("assign a knob") << QStringList{"assign", "Fuzz", "KII"} << "Fuzz -> KII\n"
                                   << "Fuzz"
                                   << "assignment" << QJsonValue("KII") << "";
    QTest::newRow("assign keeps the others")
        << QStringList{"assign", "Volume", "exp"} << "Volume -> EXP\n"
        << "Fuzz"
        << "assignment" << QJsonValue("KII") << "";
    QTest::newRow("unassign") << QStringList{"assign", "Fuzz", "none"} << "Fuzz -> none\n"
                              << "Fuzz"
                              << "assignment" << QJsonValue("none") << "";
    QTest::newRow("assign bypass") << QStringList{"assign", "bypass", "FS"} << "bypass -> FS\n"
                                   << ""
                                   << "bypass" << QJsonValue("FS") << "";
    QTest::newRow("store") << QStringList{"store"} << "stored Basalt Fuzz Box\n"
                           << ""
                           << "" << QJsonValue() << "03 04";
    QTest::newRow("midi") << QStringList{"midi", "3"} << "MIDI channel 3\n"
                          << ""
                          << "" << QJsonValue() << "07 03";
}

void TestCli::served_pedal() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, output);
    QFETCH(QString, control);
    QFETCH(QString, field);
    QFETCH(QJsonValue, expected);
    QFETCH(QString, received);
    const Run run = run_cli(arguments + QStringList{QStringLiteral("--port"), m_port});
    QVERIFY2(run.exit_code == 0, qPrintable(describe(run)));
    QCOMPARE(run.out, output);
    if (!received.isEmpty())
        QCOMPARE(received_messages().value(received_messages().size() - 1), received);
    if (field.isEmpty())
        return;
    const QJsonObject state = pedal_state();
    QCOMPARE(state.value(QLatin1String("effect")).toString(), kEffect);
    if (control.isEmpty()) {
        QCOMPARE(state.value(field), expected);
        return;
    }
    for (const QJsonValue& entry : state.value(QLatin1String("controls")).toArray())
        if (entry[QLatin1String("name")] == control) {
            QCOMPARE(entry[field], expected);
            return;
        }
    QFAIL("control not in the state");
}

void TestCli::bad_input_sends_nothing_that_changes_the_pedal_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");
    QTest::newRow("unknown control") << QStringList{"set", "Wah", "3"} << "no control \"Wah\"";
    QTest::newRow("control index too high") << QStringList{"set", "4", "3"} << "no control 4";
    QTest::newRow("switch value") << QStringList{"set", "Gate", "maybe"} << "give on or off";
    QTest::newRow("knob value") << QStringList{"set", "Fuzz", "loud"} << "give 0 to 1023";
    QTest::newRow("unknown knob") << QStringList{"assign", "Fuzz", "K9"} << "cannot be assigned";
    QTest::newRow("assign to nothing") << QStringList{"assign", "Wah", "KI"} << "no control";
}

void TestCli::bad_input_sends_nothing_that_changes_the_pedal() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    const QJsonObject before = pedal_state();
    const qsizetype received_before = received_messages().size();
    const Run run = run_cli(arguments + QStringList{QStringLiteral("--port"), m_port});
    QVERIFY2(run.exit_code == 2, qPrintable(describe(run)));
    QVERIFY2(run.err.contains(error), qPrintable(describe(run)));
    // Only the question which effect runs went out.
    const QStringList received = received_messages().mid(received_before);
    for (const QString& message : received)
        QVERIFY2(message == QLatin1String("05 00"), qPrintable(received.join('|')));
    QCOMPARE(pedal_state(), before);
}

QJsonValue control_value(const QJsonObject& state, const QString& name) {
    for (const QJsonValue& entry : state.value(QLatin1String("controls")).toArray())
        if (entry[QLatin1String("name")] == name)
            return entry[QLatin1String("value")];
    return {};
}

void TestCli::preset_save_and_load_round_trip() {
    const QStringList port{QStringLiteral("--port"), m_port};
    QCOMPARE(run_cli(QStringList{"set", "Volume", "777"} + port).exit_code, 0);
    const QString path = m_dir.filePath(QStringLiteral("saved.txt"));
    const Run saved = run_cli(QStringList{"preset", "save", path} + port);
    QVERIFY2(saved.exit_code == 0, qPrintable(describe(saved)));

    // The file is the editor's: the core reads it back to the pedal's state, and writing that
    // again gives the same bytes.
    const QJsonObject state = pedal_state();
    const auto lines = kx::read_preset_file(path);
    QVERIFY(lines.ok());
    const auto preset = kx::parse_preset(*lines);
    QVERIFY2(preset.ok(), qPrintable(preset.error()));
    QCOMPARE(preset->effect_number, state.value(QLatin1String("effect_number")).toInt());
    QCOMPARE(preset->values.value(2), 777);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), kx::preset_file_bytes(*kx::preset_text(*preset)));

    QCOMPARE(run_cli(QStringList{"set", "Volume", "5"} + port).exit_code, 0);
    const Run loaded = run_cli(QStringList{"preset", "load", path} + port);
    QVERIFY2(loaded.exit_code == 0, qPrintable(describe(loaded)));
    QCOMPARE(control_value(pedal_state(), QStringLiteral("Volume")), QJsonValue(777));
}

void TestCli::preset_files_refused_data() {
    QTest::addColumn<QByteArray>("file"); // empty: no file at all
    QTest::addColumn<int>("exit_code");
    QTest::addColumn<QString>("error");
    QTest::newRow("missing") << QByteArray() << 2 << "Error loading file";
    QTest::newRow("not hexadecimal") << QByteArray("\xEF\xBB\xBF"
                                                   "0003\r01\r04\rZZ\r")
                                     << 2 << "line 4";
    kx::Preset other;
    other.effect_number = 1; // the pedal runs effect 3
    other.effect_version = 1;
    other.values = {1, 2, 3, 4};
    other.control_assignments = {0xFF, 0xFF, 0xFF, 0xFF};
    QTest::newRow("another effect's")
        << kx::preset_file_bytes(*kx::preset_text(other)) << 1 << "upload that effect first";
}

void TestCli::preset_files_refused() {
    QFETCH(QByteArray, file);
    QFETCH(int, exit_code);
    QFETCH(QString, error);
    const QString path = m_dir.filePath(QStringLiteral("refused.txt"));
    QFile::remove(path);
    if (!file.isEmpty()) {
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(file);
    }
    const QJsonObject before = pedal_state();
    const Run run = run_cli(
        {QStringLiteral("preset"), QStringLiteral("load"), path, QStringLiteral("--port"), m_port});
    QVERIFY2(run.exit_code == exit_code, qPrintable(describe(run)));
    QVERIFY2(run.err.contains(error), qPrintable(describe(run)));
    QCOMPARE(pedal_state(), before);
}

void TestCli::firmware_upgrade_in_the_bootloader() {
    QProcess server;
    server.start(kServer, {QStringLiteral("--instant"), QStringLiteral("--bootloader")});
    QVERIFY(server.waitForStarted(5000) && server.waitForReadyRead(5000));
    const QStringList port{QStringLiteral("--port"),
                           QString::fromLocal8Bit(server.readLine()).trimmed()};
    const Run upgrade = run_cli(QStringList{"firmware", "upgrade"} + port);
    QVERIFY2(upgrade.exit_code == 0, qPrintable(describe(upgrade)));
    QCOMPARE(upgrade.out,
             QStringLiteral("Firmware upgrade complete: the pedal now runs Firmware_1.\n"));
    // Not a terminal: a percentage a line, ending at 100.
    QVERIFY2(upgrade.err.contains(QLatin1String("\n50%\n")) &&
                 upgrade.err.endsWith(QLatin1String("\n100%\n")),
             qPrintable(upgrade.err));
    // The new firmware runs and says its version.
    const Run info = run_cli(QStringList{"info", "--json"} + port);
    QCOMPARE(info.exit_code, 0);
    const QJsonObject json = QJsonDocument::fromJson(info.out.toUtf8()).object();
    kx::ScriptedDialogs dialogs;
    const kx::ResourceStore store(dialogs);
    const auto version =
        kx::firmware_version_of(store.raw(QStringLiteral("FIRMWARE_1")).value_or(""));
    QVERIFY(version);
    QCOMPARE(json.value(QLatin1String("firmware_version")).toInt(), int(*version));
    server.terminate();
    server.waitForFinished(5000);
}

void TestCli::firmware_refused_data() {
    QTest::addColumn<QByteArray>("file"); // "-": no file argument, empty: a missing file
    QTest::addColumn<int>("exit_code");
    QTest::addColumn<QString>("error");
    QTest::newRow("missing file") << QByteArray() << 2 << "Error loading file";
    QTest::newRow("empty file") << QByteArray("\0", 0) << 2 << "is empty";
    QTest::newRow("too large") << QByteArray(127 * 1024 + 1, '\xFF') << 2 << "cannot be written";
    QTest::newRow("larger than the flash")
        << QByteArray(128 * 1024 + 1, '\xFF') << 2
        << "it is 131073 bytes long, but a firmware image is at most 131072 bytes";
    // The served pedal runs its firmware, not the bootloader.
    QTest::newRow("not in the bootloader") << QByteArray("-") << 3 << "not in its bootloader";
}

void TestCli::firmware_refused() {
    QFETCH(QByteArray, file);
    QFETCH(int, exit_code);
    QFETCH(QString, error);
    QStringList arguments{QStringLiteral("firmware"), QStringLiteral("upgrade")};
    if (file != "-") {
        const QString path = m_dir.filePath(QStringLiteral("firmware.bin"));
        QFile::remove(path);
        if (!file.isNull()) {
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(file);
        }
        arguments << path;
    }
    const Run run = run_cli(arguments + QStringList{QStringLiteral("--port"), m_port});
    QVERIFY2(run.exit_code == exit_code, qPrintable(describe(run)));
    QVERIFY2(run.err.contains(error), qPrintable(describe(run)));
    QVERIFY2(run.out.isEmpty(), qPrintable(describe(run)));
}

void TestCli::diagnose_data() {
    QTest::addColumn<bool>("served");
    QTest::addColumn<int>("exit_code");
    QTest::addColumn<QString>("output");
    QTest::newRow("served pedal") << true << 0 << "A pedal is ready to connect.";
    QTest::newRow("missing port") << false << 3 << "/nonexistent/tty";
}

void TestCli::diagnose() {
    QFETCH(bool, served);
    QFETCH(int, exit_code);
    QFETCH(QString, output);
    const Run run = run_cli({QStringLiteral("diagnose"), QStringLiteral("--port"),
                             served ? m_port : QStringLiteral("/nonexistent/tty")});
    QVERIFY2(run.exit_code == exit_code, qPrintable(describe(run)));
    QVERIFY2(run.out.contains(output), qPrintable(describe(run)));
}

void TestCli::hostile_files_are_refused_data() {
    QTest::addColumn<QStringList>("command"); // FILE stands for the hostile file
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("refusal");
    const QList<QPair<const char*, QStringList>> commands{
        {"preset load", {"preset", "load", "FILE"}},
        {"firmware upgrade", {"firmware", "upgrade", "FILE"}},
        {"upload --ir", {"upload", "Basic IR Loader", "--ir", "FILE"}},
    };
    for (const auto& [name, command] : commands)
        for (const hostile_files::Kind& kind : hostile_files::kKinds) {
            // A huge file may be within what a WAV file can be, but its first bytes are not one.
            const bool wav_sized =
                command.contains("--ir") && QByteArray(kind.name).contains("sparse");
            QTest::addRow("%s, %s", name, kind.name)
                << command << QString::fromLatin1(kind.name)
                << (wav_sized ? QStringLiteral("not a WAV file")
                              : QString::fromLatin1(kind.refusal));
        }
}

// Each file the command line reads, given a pipe, a device, a folder or a huge file: refused
// before the pedal is reached, with the reason, at once and in little memory.
void TestCli::hostile_files_are_refused() {
    QFETCH(QStringList, command);
    QFETCH(QString, kind);
    QFETCH(QString, refusal);
    const QString path = m_dir.filePath(QStringLiteral("hostile"));
    QVERIFY(hostile_files::make(kind, path));
    command.replace(command.indexOf(QStringLiteral("FILE")), path);
    QProcess process;
    process.start(kProgram, command + QStringList{QStringLiteral("--port"), m_port});
    QVERIFY(process.waitForStarted(5000));
    const bool finished = process.waitForFinished(5000);
    if (!finished) {
        process.kill();
        process.waitForFinished();
    }
    QVERIFY2(finished, "kestrel-x did not refuse the file within 5 s");
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    QVERIFY2(process.exitCode() == 2, qPrintable(err));
    QVERIFY2(err.contains(refusal), qPrintable(err));
    if (!refusal.contains(QLatin1String("WAV")))
        QVERIFY2(err.contains(QStringLiteral("Error loading file: ") + path + QStringLiteral(": ")),
                 qPrintable(err));
    // The most any finished child has held: every earlier run is far below the bound.
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);
    QVERIFY2(qint64(children.ru_maxrss) * 1024 < hostile_files::kMemoryBound,
             qPrintable(QString::number(children.ru_maxrss)));
    QDir(path).removeRecursively();
    QFile::remove(path);
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
