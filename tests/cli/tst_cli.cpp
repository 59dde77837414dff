// kestrel-x run as a program: its output, its exit status and what the pedal holds after it,
// against the virtual pedal in process (--virtual-pedal) and served on a pseudo-terminal.
// KX_CLI_PROGRAM names an installed kestrel-x to run instead of the built one; the served pedal
// is then the one installed beside it.
#include "cli/exit_codes.h"
#include "cli/help_text.h"
#include "library/firmware_image.h"
#include "library/resource_store.h"
#include "params/preset_file.h"
#include "support/hostile_files.h"
#include "support/served_pedal.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "kx_version.h"

#include <QtTest>
#include <algorithm>

namespace {

const QString kProgram =
    qEnvironmentVariable("KX_CLI_PROGRAM", QStringLiteral(KX_BINARY_DIR "/kestrel-x"));
const QString kServer =
    QFileInfo(kProgram).dir().filePath(QStringLiteral("kestrel-x-virtual-pedal"));
const QString kEffect = QStringLiteral("Basalt Fuzz Box");

struct Run {
    int exit_code = -1;
    QString out;
    QString err;
};

Run run_cli(const QStringList& arguments, const QProcessEnvironment& environment = {}) {
    QProcess process;
    if (!environment.isEmpty())
        process.setProcessEnvironment(environment);
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
    void alone_prints_a_short_usage();
    void version_data();
    void version();
    void help_data();
    void help();
    void help_is_wrapped_data();
    void help_is_wrapped();
    void help_and_man_page();
    void json_data();
    void json();
    void json_errors_data();
    void json_errors();
    void set_by_option_data();
    void set_by_option();
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
    void firmware_upgrade_in_the_bootloader_data();
    void firmware_upgrade_in_the_bootloader();
    void firmware_upgrade_unplugged();
    void firmware_upgrade_says_what_it_replaces();
    void a_resampled_impulse_response_is_named();
    void firmware_asks_on_a_terminal();
    void firmware_refused_data();
    void firmware_refused();
    void hostile_files_are_refused_data();
    void hostile_files_are_refused();
    void diagnose_data();
    void diagnose();
    void bash_completion_offers_what_each_word_takes_data();
    void bash_completion_offers_what_each_word_takes();

private:
    // The served pedal's state as `get --json` reads it.
    QJsonObject pedal_state();
    QStringList received_messages() const;

    kx::test::ServedPedal m_server{kServer};
    QTemporaryDir m_dir;
    QString m_port;
    QString m_pedal_log;
};

void TestCli::initTestCase() {
    QVERIFY(QFile::exists(kProgram));
    QVERIFY(m_dir.isValid());
    m_pedal_log = m_dir.filePath(QStringLiteral("pedal.log"));
    QVERIFY2(m_server.start({QStringLiteral("--instant"), QStringLiteral("--log"), m_pedal_log}),
             qPrintable(m_server.error()));
    m_port = m_server.path();
    QVERIFY(m_port.startsWith(QLatin1String("/dev/")));
    const Run upload =
        run_cli({QStringLiteral("upload"), kEffect, QStringLiteral("--port"), m_port});
    QVERIFY2(upload.exit_code == 0, qPrintable(describe(upload)));
}

void TestCli::cleanupTestCase() {
    m_server.stop();
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
        << (QStringList{"midi", "17"} + nowhere)
        << "\"17\" is not a MIDI channel: give 1 to 16, or OMNI.";
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
    QTest::newRow("two pedals") << QStringList{"info", "--virtual-pedal", "--port", "/dev/null"}
                                << "either --virtual-pedal or --port";
    QTest::newRow("help for no such command") << QStringList{"help", "fly"} << "fly";
    QTest::newRow("another command's --raw")
        << QStringList{"store", "--raw", "--virtual-pedal"} << "raw";
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

void TestCli::alone_prints_a_short_usage() {
    const Run run = run_cli({});
    QVERIFY2(run.exit_code == 2, qPrintable(describe(run)));
    QVERIFY2(run.out.isEmpty(), qPrintable(describe(run)));
    QVERIFY2(run.err.startsWith(QLatin1String("Usage: kestrel-x ")), qPrintable(describe(run)));
    QCOMPARE(run.err.count(QLatin1String("\n    kestrel-x ")), 2);
    QVERIFY2(run.err.count('\n') < 12, qPrintable(describe(run)));
}

void TestCli::version_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("--version") << QStringList{"--version"};
    QTest::newRow("-V") << QStringList{"-V"};
    QTest::newRow("after a command") << QStringList{"get", "--version"};
}

void TestCli::version() {
    QFETCH(QStringList, arguments);
    const Run run = run_cli(arguments);
    QVERIFY2(run.exit_code == 0, qPrintable(describe(run)));
    QCOMPARE(run.out, QStringLiteral("kestrel-x " KX_VERSION_TEXT " (Kestrel X Editor)\n"));
    QVERIFY(run.err.isEmpty());
}

void TestCli::help_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("same_as");
    QTest::newRow("help") << QStringList{"help"} << QStringList{"--help"};
    for (const kx::cli::CommandHelp& command : kx::cli::commands())
        QTest::newRow(qPrintable(QStringLiteral("help ") + command.name))
            << QStringList{"help", command.name} << QStringList{command.name, "--help"};
}

// `help COMMAND` is `COMMAND --help`; each shows examples and leaves the common options to the
// program's help, which lists them once.
void TestCli::help() {
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, same_as);
    const Run run = run_cli(arguments);
    QVERIFY2(run.exit_code == 0, qPrintable(describe(run)));
    QCOMPARE(run.out, run_cli(same_as).out);
    QVERIFY2(run.out.contains(QLatin1String("\nExamples:\n  ")) &&
                 run.out.contains(QLatin1String("\n    kestrel-x ")),
             qPrintable(run.out));
    for (const kx::cli::OptionHelp& option : kx::cli::common_options()) {
        const QString described = option.description.section(QLatin1Char(' '), 0, 2);
        QVERIFY2(run.out.count(described) == (arguments.size() == 1 ? 1 : 0),
                 qPrintable(described + '\n' + run.out));
    }
}

void TestCli::help_is_wrapped_data() {
    QTest::addColumn<int>("columns");
    QTest::newRow("64 columns") << 64;
    QTest::newRow("100 columns") << 100;
}

void TestCli::help_is_wrapped() {
    QFETCH(int, columns);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("COLUMNS"), QString::number(columns));
    int widest = 0;
    for (const QStringList& arguments :
         {QStringList{"--help"}, QStringList{"help", "get"}, QStringList{"help", "firmware"}}) {
        const Run run = run_cli(arguments, environment);
        QCOMPARE(run.exit_code, 0);
        for (const QString& line : run.out.split('\n')) {
            // An example's command line is never broken.
            if (line.startsWith(QLatin1String("    kestrel-x ")))
                continue;
            QVERIFY2(line.size() <= columns, qPrintable(line));
            widest = std::max(widest, int(line.size()));
        }
    }
    QVERIFY2(widest > columns - 10, "the help does not use the width it has");
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
    for (const char* section : {"EXAMPLES", "ENVIRONMENT", "FILES", "JSON OUTPUT", "EXIT STATUS"})
        QVERIFY2(man.out.contains(QStringLiteral("\n.SH %1\n").arg(QLatin1String(section))),
                 section);
    for (const char* variable : {"KX_DOCUMENTS_DIR", "KX_UPDATE_SERVER"})
        QVERIFY2(man.out.contains(QLatin1String(variable)), variable);
}

QStringList sorted_keys(const QJsonObject& object) {
    QStringList keys = object.keys();
    keys.sort();
    return keys;
}

QStringList sorted(QStringList keys) {
    keys.sort();
    return keys;
}

// Each command's --json output against the keys its help documents, on the served pedal.
void TestCli::json_data() {
    QTest::addColumn<QStringList>("arguments");
    const QString preset = QStringLiteral("json-preset.txt");
    QTest::newRow("list") << QStringList{"list"};
    QTest::newRow("info") << QStringList{"info"};
    QTest::newRow("effects") << QStringList{"effects"};
    QTest::newRow("effects of a category") << QStringList{"effects", "Gain"};
    QTest::newRow("upload") << QStringList{"upload", kEffect};
    QTest::newRow("get") << QStringList{"get"};
    QTest::newRow("set a knob") << QStringList{"set", "Fuzz", "300"};
    QTest::newRow("set a switch") << QStringList{"set", "Gate", "on"};
    QTest::newRow("assign") << QStringList{"assign", "Fuzz", "KI"};
    QTest::newRow("assign bypass") << QStringList{"assign", "bypass", "none"};
    QTest::newRow("store") << QStringList{"store"};
    QTest::newRow("midi") << QStringList{"midi", "5"};
    QTest::newRow("midi omni") << QStringList{"midi", "omni"};
    QTest::newRow("preset save") << QStringList{"preset", "save", preset};
    QTest::newRow("preset load") << QStringList{"preset", "load", preset};
    QTest::newRow("diagnose") << QStringList{"diagnose"};
}

void TestCli::json() {
    QFETCH(QStringList, arguments);
    for (QString& argument : arguments)
        if (argument.endsWith(QLatin1String(".txt")))
            argument = m_dir.filePath(argument);
    const Run run = run_cli(arguments + QStringList{"--json", "--port", m_port});
    QVERIFY2(run.exit_code == 0, qPrintable(describe(run)));
    QVERIFY2(run.out.endsWith('\n') && run.out.count('\n') == 1, qPrintable(describe(run)));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(run.out.toUtf8(), &error);
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));

    const kx::cli::CommandHelp* command = kx::cli::find_command(arguments.first());
    QVERIFY(command);
    const QStringList documented = sorted(command->json.keys);
    QList<QJsonObject> objects;
    if (command->json.array) {
        QVERIFY2(document.isArray() && !document.array().isEmpty(), qPrintable(run.out));
        for (const QJsonValue& item : document.array())
            objects << item.toObject();
    } else {
        QVERIFY2(document.isObject(), qPrintable(run.out));
        objects << document.object();
    }
    for (const QJsonObject& object : objects)
        QCOMPARE(sorted_keys(object), documented);

    // Every control has the same keys, whatever its kind.
    const QStringList control_keys = sorted(kx::cli::control_json_keys());
    const QJsonObject object = document.object();
    if (object.contains(QLatin1String("controls"))) {
        const QJsonArray controls = object.value(QLatin1String("controls")).toArray();
        QCOMPARE(controls.size(), 4);
        for (const QJsonValue& control : controls)
            QCOMPARE(sorted_keys(control.toObject()), control_keys);
    }
    if (object.value(QLatin1String("control")).isObject())
        QCOMPARE(sorted_keys(object.value(QLatin1String("control")).toObject()), control_keys);
}

void TestCli::json_errors_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exit_code");
    QTest::addColumn<QString>("kind");
    QTest::newRow("usage") << QStringList{"set", "Fuzz"} << 2 << "usage";
    QTest::newRow("no command") << QStringList{} << 2 << "usage";
    QTest::newRow("unknown option") << QStringList{"info", "--bogus"} << 2 << "usage";
    QTest::newRow("no pedal") << QStringList{"info", "--port", "/nonexistent/tty"} << 3
                              << "no_pedal";
    QTest::newRow("missing preset file")
        << QStringList{"preset", "load", "/nonexistent/p.txt", "--virtual-pedal"} << 2 << "usage";
    // A new pedal runs no effect: there is nothing to read.
    QTest::newRow("refused by the state")
        << QStringList{"get", "--virtual-pedal"} << 1 << "no_effect";
}

void TestCli::json_errors() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exit_code);
    QFETCH(QString, kind);
    const Run run = run_cli(arguments + QStringList{"--json"});
    QVERIFY2(run.exit_code == exit_code, qPrintable(describe(run)));
    QVERIFY2(run.out.isEmpty(), qPrintable(describe(run)));
    QVERIFY2(run.err.count('\n') == 1, qPrintable(describe(run)));
    const QJsonObject error = QJsonDocument::fromJson(run.err.toUtf8()).object();
    QCOMPARE(sorted_keys(error), sorted(kx::cli::error_json_keys()));
    QVERIFY(!error.value(QLatin1String("error")).toString().isEmpty());
    QCOMPARE(error.value(QLatin1String("kind")).toString(), kind);
    // The man page lists each kind under the exit status it comes with.
    QVERIFY2(kx::cli::kind_names(kx::cli::ExitCode(exit_code)).contains(kind),
             qPrintable(kx::cli::kind_names(kx::cli::ExitCode(exit_code)).join(' ')));
}

// An option list takes an option's name or number; the pedal gets the option's word
// (option 2 of 3: 341 x 8192 = 0x002AA000).
void TestCli::set_by_option_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exit_code");
    QTest::addColumn<QString>("text"); // Clip afterwards, as get shows it; empty: unchanged
    QTest::newRow("by name") << QStringList{"set", "Clip", "Germanium"} << 0 << "Germanium";
    QTest::newRow("by name, any case") << QStringList{"set", "clip", "led"} << 0 << "LED";
    QTest::newRow("by number") << QStringList{"set", "Clip", "2"} << 0 << "Germanium";
    QTest::newRow("raw") << QStringList{"set", "--raw", "Clip", "0"} << 0 << "Silicon";
    QTest::newRow("no such option") << QStringList{"set", "Clip", "Diode"} << 2 << "";
    QTest::newRow("number beyond the options") << QStringList{"set", "Clip", "4"} << 2 << "";
    QTest::newRow("no option 0") << QStringList{"set", "Clip", "0"} << 2 << "";
}

void TestCli::set_by_option() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exit_code);
    QFETCH(QString, text);
    kx::test::ServedPedal server{kServer};
    const QString log = m_dir.filePath(QStringLiteral("option-pedal.log"));
    QFile::remove(log);
    QVERIFY2(server.start({QStringLiteral("--instant"), QStringLiteral("--log"), log}),
             qPrintable(server.error()));
    const QStringList port{QStringLiteral("--port"), server.path()};
    QCOMPARE(run_cli(QStringList{"upload", "Copperhead Distortion"} + port).exit_code, 0);
    const auto clip = [&port]() {
        const Run get = run_cli(QStringList{"get", "--json"} + port);
        const QJsonObject state = QJsonDocument::fromJson(get.out.toUtf8()).object();
        return state.value(QLatin1String("controls")).toArray().at(5).toObject();
    };
    const QJsonObject before = clip();
    QCOMPARE(before.value(QLatin1String("name")).toString(), QStringLiteral("Clip"));
    const qint64 logged = QFileInfo(log).size();

    const Run run = run_cli(arguments + port);
    QVERIFY2(run.exit_code == exit_code, qPrintable(describe(run)));
    // The program ends once its bytes are out; the pedal logs them when it has read them.
    const auto received = [&log, logged]() {
        QFile file(log);
        return file.open(QIODevice::ReadOnly) && file.seek(logged) ? file.readAll() : QByteArray();
    };
    if (exit_code != 0) {
        QCOMPARE(clip(), before);
        QVERIFY2(!received().contains(" RX 01 "), received().constData());
    } else {
        const QByteArray word = text == QLatin1String("Germanium") ? " 00 2A A0 00\n"
                                : text == QLatin1String("LED")     ? " 00 55 40 00\n"
                                                                   : " 00 00 00 00\n";
        QTRY_VERIFY2_WITH_TIMEOUT(received().contains(" RX 01 ") && received().contains(word),
                                  received().constData(), 5000);
        QCOMPARE(clip().value(QLatin1String("text")).toString(), text);
    }
    server.stop();
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
    QTest::newRow("list --json, no path for a chip") << QStringList{"list", "--json"} << 0
                                                     << "\"port\":\"\"";
    QTest::newRow("list --json") << QStringList{"list", "--json"} << 0 << "\"serial\":\"KXV00001\"";
    QTest::newRow("info") << QStringList{"info"} << 0 << "effect number: 0\neffect: none yet";
    QTest::newRow("info --json") << QStringList{"info", "--json"} << 0 << "\"effect\":\"empty\"";
    QTest::newRow("info by serial")
        << QStringList{"info", "--serial", "KXV00001"} << 0 << "effect: none yet";
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
    QTest::newRow("set a switch raw") << QStringList{"set", "--raw", "Gate", "0"} << "Gate = off\n"
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
    if (!received.isEmpty()) // logged once the pedal has read it, maybe after the program ends
        QTRY_COMPARE_WITH_TIMEOUT(received_messages().value(received_messages().size() - 1),
                                  received, 5000);
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
    QTest::newRow("switch by number") << QStringList{"set", "Gate", "1"} << "needs --raw";
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
    QTest::newRow("missing") << QByteArray() << 2
                             << "Error loading file: " + m_dir.filePath("refused.txt");
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

void TestCli::firmware_upgrade_in_the_bootloader_data() {
    QTest::addColumn<bool>("json");
    QTest::newRow("text") << false;
    QTest::newRow("json") << true;
}

void TestCli::firmware_upgrade_in_the_bootloader() {
    QFETCH(bool, json);
    kx::test::ServedPedal server{kServer};
    QVERIFY2(server.start({QStringLiteral("--instant"), QStringLiteral("--bootloader")}),
             qPrintable(server.error()));
    const QStringList port{QStringLiteral("--port"), server.path()};
    QStringList arguments = QStringList{"firmware", "upgrade", "--yes"} + port;
    if (json)
        arguments << QStringLiteral("--json");
    const Run upgrade = run_cli(arguments);
    QVERIFY2(upgrade.exit_code == 0, qPrintable(describe(upgrade)));
    if (json) {
        // What stm32flash shows, for a script: the bootloader, the chip and the range written.
        const QJsonObject report = QJsonDocument::fromJson(upgrade.out.toUtf8()).object();
        QCOMPARE(report.value(QLatin1String("bootloader_version")).toString(),
                 QStringLiteral("2.2"));
        QCOMPARE(report.value(QLatin1String("chip_id")).toString(), QStringLiteral("0x0410"));
        QCOMPARE(report.value(QLatin1String("first_address")).toString(),
                 QStringLiteral("0x08000000"));
        QCOMPARE(report.value(QLatin1String("last_address")).toString(),
                 QStringLiteral("0x08008C1B"));
        QCOMPARE(report.value(QLatin1String("chunks")).toInt(), 141);
        QVERIFY2(upgrade.err.isEmpty(), qPrintable(upgrade.err));
    } else {
        QCOMPARE(upgrade.out,
                 QStringLiteral("Bootloader version 2.2, chip ID 0x0410 (STM32F10xxx "
                                "medium-density).\nFirmware_1: 35868 bytes in 141 chunks to "
                                "0x08000000-0x08008C1B, and the firmware record to "
                                "0x0801FC00-0x0801FC07.\nFirmware upgrade complete: the pedal "
                                "now runs Firmware_1.\n"));
        // Not a terminal: a line every tenth of the chunks the bootloader acknowledged.
        QVERIFY2(upgrade.err.contains(QLatin1String("\n71 of 141 chunks acknowledged\n")) &&
                     upgrade.err.endsWith(QLatin1String("\n141 of 141 chunks acknowledged\n")),
                 qPrintable(upgrade.err));
    }
    // The new firmware runs and says its version.
    const Run info = run_cli(QStringList{"info", "--json"} + port);
    QCOMPARE(info.exit_code, 0);
    const QJsonObject state = QJsonDocument::fromJson(info.out.toUtf8()).object();
    const kx::ResourceStore store;
    const auto version =
        kx::firmware_version_of(store.raw(QStringLiteral("FIRMWARE_1")).value_or(""));
    QVERIFY(version);
    QCOMPARE(state.value(QLatin1String("firmware_version")).toInt(), int(*version));
    server.stop();
}

// The bootloader cannot say which firmware the pedal runs: the version its firmware reported
// to an earlier run (kept by the port's name beside the editor's files) says what the upgrade
// replaces.
void TestCli::firmware_upgrade_says_what_it_replaces() {
    QTemporaryDir documents;
    QVERIFY(QDir(documents.path()).mkpath(QStringLiteral("NORVA/Kestrel X")));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("KX_DOCUMENTS_DIR"), documents.path());
    const QString port = documents.filePath(QStringLiteral("kestrel"));
    {
        kx::test::ServedPedal firmware{kServer};
        QVERIFY2(firmware.start({QStringLiteral("--instant")}), qPrintable(firmware.error()));
        QVERIFY(QFile::link(firmware.path(), port));
        const Run info =
            run_cli({QStringLiteral("info"), QStringLiteral("--port"), port}, environment);
        QVERIFY2(info.out.contains(QLatin1String("11")), qPrintable(describe(info)));
        QVERIFY(QFile::remove(port));
    }
    kx::test::ServedPedal bootloader{kServer};
    QVERIFY2(bootloader.start({QStringLiteral("--instant"), QStringLiteral("--bootloader")}),
             qPrintable(bootloader.error()));
    QVERIFY(QFile::link(bootloader.path(), port));
    const Run upgrade = run_cli({QStringLiteral("firmware"), QStringLiteral("upgrade"),
                                 QStringLiteral("--yes"), QStringLiteral("--port"), port},
                                environment);
    QVERIFY2(upgrade.exit_code == 0, qPrintable(describe(upgrade)));
    QVERIFY2(upgrade.out.contains(QLatin1String("0x0801FC00-0x0801FC07.\nThis replaces Firmware "
                                                "11 with Firmware 12.\nFirmware upgrade complete")),
             qPrintable(describe(upgrade)));
}

// The pedal unplugged halfway through the upgrade: one line says where the upgrade stopped,
// that the link was lost and what to run next, not only the driver's words.
// The editor asks before it resamples; a script is told that it was done.
void TestCli::a_resampled_impulse_response_is_named() {
    const Run run = run_cli({QStringLiteral("upload"), QStringLiteral("Basic IR Loader"),
                             QStringLiteral("--ir"),
                             QStringLiteral(KX_FIXTURES_DIR "/ir/pcm16-mono-44k1.wav"),
                             QStringLiteral("--virtual-pedal")});
    QVERIFY2(run.exit_code == 0, qPrintable(describe(run)));
    QVERIFY2(run.err.contains(QLatin1String("Resampled from 44100 Hz to 48000 Hz")),
             qPrintable(describe(run)));
}

void TestCli::firmware_upgrade_unplugged() {
    kx::test::ServedPedal server{kServer};
    QVERIFY2(server.start({QStringLiteral("--bootloader")}),
             qPrintable(server.error())); // at the link's own pace
    const QString port = server.path();
    QProcess upgrade;
    upgrade.start(kProgram, {QStringLiteral("firmware"), QStringLiteral("upgrade"),
                             QStringLiteral("--yes"), QStringLiteral("--port"), port});
    QVERIFY(upgrade.waitForStarted(5000));
    upgrade.setReadChannel(QProcess::StandardError);
    QByteArray err;
    QElapsedTimer waited;
    waited.start();
    while (!err.contains("chunks acknowledged") && waited.elapsed() < 30000 &&
           upgrade.state() == QProcess::Running) {
        upgrade.waitForReadyRead(100);
        err += upgrade.readAllStandardError();
    }
    QVERIFY2(err.contains("chunks acknowledged"), err.constData());
    server.kill();
    QVERIFY(upgrade.waitForFinished(30000));
    err += upgrade.readAllStandardError();
    QCOMPARE(upgrade.exitCode(), 3);
    const QStringList lines =
        QString::fromLocal8Bit(err).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY2(lines.filter(QStringLiteral(" chunks acknowledged")).size() == lines.size() - 1,
             err.constData());
    const QString& last = lines.constLast();
    // Where it stopped: writing or reading back one of the chunks.
    QVERIFY2(QRegularExpression(QStringLiteral("^kestrel-x: The firmware upgrade stopped while "
                                               "[a-z ]+ chunk \\d+ of 141 at 0x080[0-9A-F]{5}: "
                                               "the connection to the pedal was lost\\. The new "
                                               "firmware was not started\\. .*run kestrel-x "
                                               "firmware upgrade again"))
                 .match(last)
                 .hasMatch(),
             qPrintable(last));
}

// On a terminal the upgrade names the bootloader and says what it will write, then asks; "n"
// writes nothing: only the bootloader check and its identity went out. script(1) gives
// kestrel-x a terminal.
void TestCli::firmware_asks_on_a_terminal() {
    const QString script = QStandardPaths::findExecutable(QStringLiteral("script"));
    if (script.isEmpty())
        QSKIP("script (util-linux) is not installed");
    kx::test::ServedPedal server{kServer};
    const QString log = m_dir.filePath(QStringLiteral("bootloader.log"));
    QVERIFY2(server.start({QStringLiteral("--instant"), QStringLiteral("--bootloader"),
                           QStringLiteral("--log"), log}),
             qPrintable(server.error()));
    const QString port = server.path();
    QProcess process;
    process.start(script, {QStringLiteral("-qec"),
                           QStringLiteral("'%1' firmware upgrade --port '%2'").arg(kProgram, port),
                           QStringLiteral("/dev/null")});
    QVERIFY(process.waitForStarted(5000));
    QString seen;
    QElapsedTimer timer;
    timer.start();
    while (!seen.contains(QLatin1String("[y/N]")) && timer.elapsed() < 20000) {
        process.waitForReadyRead(500);
        seen += QString::fromLocal8Bit(process.readAll());
    }
    const qsizetype plan = seen.indexOf(QLatin1String("Firmware_1: 35868 bytes in 141 chunks to "
                                                      "0x08000000-0x08008C1B"));
    QVERIFY2(plan > 0, qPrintable(seen));
    // What the bootloader is comes first, and the plan once.
    QVERIFY2(seen.indexOf(QLatin1String("Bootloader version ")) < plan, qPrintable(seen));
    QVERIFY2(seen.indexOf(QLatin1String("Bootloader version ")) >= 0, qPrintable(seen));
    QCOMPARE(seen.count(QLatin1String("Firmware_1: 35868 bytes")), 1);
    process.write("n\n");
    QVERIFY(process.waitForFinished(20000));
    seen += QString::fromLocal8Bit(process.readAll());
    QVERIFY2(process.exitCode() == 1, qPrintable(seen));
    QVERIFY2(seen.contains(QLatin1String("Nothing was written")), qPrintable(seen));
    server.stop();
    QFile file(log);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray received = file.readAll();
    // Neither an erase (43) nor a write (31) reached the bootloader.
    QVERIFY2(!received.contains(" RX 43") && !received.contains(" RX 31"), received.constData());
}

void TestCli::firmware_refused_data() {
    QTest::addColumn<QByteArray>("file"); // "-": no file argument, empty: a missing file
    QTest::addColumn<bool>("yes");
    QTest::addColumn<int>("exit_code");
    QTest::addColumn<QString>("error");
    QTest::newRow("missing file") << QByteArray() << true << 2
                                  << "Error loading file: " + m_dir.filePath("firmware.bin");
    QTest::newRow("empty file") << QByteArray("\0", 0) << true << 2
                                << "firmware.bin is not one (it is empty)";
    QTest::newRow("too large") << QByteArray(127 * 1024 + 1, '\xFF') << true << 2
                               << "its 130049 bytes are more than the 130048 that fit";
    // A file picked by mistake never reaches the flash, however it is named.
    QFile wav(QStringLiteral(KX_FIXTURES_DIR "/ir/pcm16-mono-48k.wav"));
    QVERIFY(wav.open(QIODevice::ReadOnly));
    QTest::newRow("impulse response WAV")
        << wav.readAll() << true << 2
        << "Choose a firmware file made for the Kestrel X: firmware.bin is not one (it starts "
           "with 0x46464952";
    QTest::newRow("larger than the flash")
        << QByteArray(128 * 1024 + 1, '\xFF') << true << 2
        << "it is 131073 bytes long, but a firmware image is at most 131072 bytes";
    // No terminal to ask on, and no --yes: not even the bootloader check goes out.
    QTest::newRow("without --yes") << QByteArray("-") << false << 2 << "give --yes";
    // The served pedal runs its firmware, not the bootloader.
    QTest::newRow("not in the bootloader")
        << QByteArray("-") << true << 1 << "not in its bootloader";
}

void TestCli::firmware_refused() {
    QFETCH(QByteArray, file);
    QFETCH(bool, yes);
    QFETCH(int, exit_code);
    QFETCH(QString, error);
    QStringList arguments{QStringLiteral("firmware"), QStringLiteral("upgrade")};
    if (yes)
        arguments << QStringLiteral("--yes");
    const qsizetype received_before = received_messages().size();
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
    // Every failure is one line.
    QVERIFY2(run.err.count('\n') == 1, qPrintable(describe(run)));
    QVERIFY2(run.out.isEmpty(), qPrintable(describe(run)));
    if (exit_code == 2)
        QCOMPARE(received_messages().size(), received_before);
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
        {"firmware upgrade", {"firmware", "upgrade", "FILE", "--yes"}},
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

void TestCli::bash_completion_offers_what_each_word_takes_data() {
    QTest::addColumn<QString>("line"); // what is typed, the last word being completed
    QTest::addColumn<QStringList>("offered");
    QTest::addColumn<QStringList>("not_offered");
    const QStringList files{QStringLiteral("fuzz.txt")};
    QTest::newRow("command") << "up" << QStringList{"upload"} << files;
    QTest::newRow("effect name") << "upload Bas" << QStringList{"Basalt\\ Fuzz\\ Box"} << files;
    QTest::newRow("control name: nothing to guess") << "set " << QStringList() << files;
    QTest::newRow("value: nothing to guess") << "set Fuzz " << QStringList() << files;
    QTest::newRow("pedal control code") << "assign Fuzz K" << QStringList{"KI", "KV"} << files;
    QTest::newRow("MIDI channel") << "midi 1" << QStringList{"1", "16"} << files;
    QTest::newRow("preset file") << "preset load " << files << QStringList{"save"};
    QTest::newRow("option") << "upload --i" << QStringList{"--ir"} << files;
}

// Effect names and pedal control codes where they belong, file names only where a file goes.
void TestCli::bash_completion_offers_what_each_word_takes() {
    QFETCH(QString, line);
    QFETCH(QStringList, offered);
    QFETCH(QStringList, not_offered);
    const Run script = run_cli({QStringLiteral("--help-bash-completion")});
    QCOMPARE(script.exit_code, 0);
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("fuzz.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QFile saved(folder.filePath(QStringLiteral("completion.bash")));
    QVERIFY(saved.open(QIODevice::WriteOnly));
    saved.write(script.out.toUtf8());
    saved.close();
    // The words as bash splits them; an ending blank starts an empty word.
    const QStringList words = line.split(QLatin1Char(' '));
    QString array;
    for (const QString& word : QStringList{QStringLiteral("kestrel-x")} + words)
        array += QStringLiteral(" '%1'").arg(word);
    QProcess bash;
    bash.setWorkingDirectory(folder.path());
    bash.start(QStringLiteral("bash"),
               {QStringLiteral("-c"),
                QStringLiteral("source ./completion.bash; COMP_WORDS=(%1); COMP_CWORD=%2; "
                               "_kestrel_x; printf '%s\\n' \"${COMPREPLY[@]}\"")
                    .arg(array)
                    .arg(words.size())});
    QVERIFY(bash.waitForFinished(10000));
    const QStringList got = QString::fromUtf8(bash.readAllStandardOutput())
                                .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& want : offered)
        QVERIFY2(got.contains(want), qPrintable(got.join(QLatin1String(" | "))));
    for (const QString& unwanted : not_offered)
        QVERIFY2(!got.contains(unwanted), qPrintable(got.join(QLatin1String(" | "))));
    if (offered.isEmpty())
        QVERIFY2(got.isEmpty(), qPrintable(got.join(QLatin1String(" | "))));
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
