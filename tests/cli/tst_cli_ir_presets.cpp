// kestrel-x keeps an impulse response effect's preset with its response, as the editor does:
// upload --ir keeps the import, preset save writes it beside the preset, and preset load
// --upload brings the effect back with it on a new pedal and a new Documents folder. A missing
// response is named and the values still load. On a served pedal.
#include "support/served_pedal.h"

#include "../ir/ir_fixtures.h"

#include "ir/ir_response.h"
#include "ir/ir_targets.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace kx;

namespace {

const QString kProgram = QStringLiteral(KX_BINARY_DIR "/kestrel-x");
const QString kCabinet = ir_fixtures::path(QStringLiteral("cabinet-like-24bit-mono-48k.wav"));
const QString kBasic = QStringLiteral("Basic IR Loader");

struct Run {
    int exit_code = -1;
    QString out;
    QString err;
};

} // namespace

class TestCliIrPresets : public QObject {
    Q_OBJECT
private slots:
    void preset_keeps_its_response();

private:
    Run cli(const QStringList& arguments, const QString& documents);
    kx::test::ServedPedal m_pedal;
};

Run TestCliIrPresets::cli(const QStringList& arguments, const QString& documents) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("KX_DOCUMENTS_DIR"), documents);
    process.setProcessEnvironment(environment);
    process.start(kProgram, arguments + QStringList{QStringLiteral("--port"), m_pedal.path()});
    Run run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        run.err = QStringLiteral("kestrel-x did not finish");
        return run;
    }
    run.exit_code = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

void TestCliIrPresets::preset_keeps_its_response() {
    QTemporaryDir first_home;
    QTemporaryDir second_home;
    QTemporaryDir presets;
    const QString path = presets.filePath(QStringLiteral("Cab.txt"));
    const QString response = presets.filePath(QStringLiteral("Cab.wav"));
    QVERIFY2(m_pedal.start({QStringLiteral("--instant")}), qPrintable(m_pedal.error()));

    const Run upload = cli({"upload", kBasic, "--ir", kCabinet}, first_home.path());
    QVERIFY2(upload.exit_code == 0, qPrintable(upload.err));
    const Run save = cli({"preset", "save", path, "--json"}, first_home.path());
    QVERIFY2(save.exit_code == 0, qPrintable(save.err));
    QCOMPARE(QJsonDocument::fromJson(save.out.toUtf8()).object().value("response").toString(),
             response);
    // The samples beside the preset are the file's first 912, as the table holds them.
    const QByteArray cabinet = ir_fixtures::read(QFileInfo(kCabinet).fileName());
    const auto kept = read_ir_response_file(response);
    QVERIFY2(kept.ok(), qPrintable(kept.error()));
    QCOMPARE(ir_sample_text(kept->samples, 24), bytes_to_hex(cabinet.mid(44, 3 * 912)));
    QCOMPARE(kept->notes.source_name, QFileInfo(kCabinet).fileName());

    // Another day: a pedal that runs nothing, a Documents folder that keeps nothing.
    QVERIFY2(m_pedal.start({QStringLiteral("--instant")}), qPrintable(m_pedal.error()));
    const Run plain = cli({"preset", "load", path}, second_home.path());
    QVERIFY2(plain.exit_code != 0, qPrintable(plain.out)); // the pedal runs another effect
    const Run load = cli({"preset", "load", path, "--upload", "--json"}, second_home.path());
    QVERIFY2(load.exit_code == 0, qPrintable(load.err));
    const QJsonObject loaded = QJsonDocument::fromJson(load.out.toUtf8()).object();
    QCOMPARE(loaded.value("effect").toString(), kBasic);
    QCOMPARE(loaded.value("response").toString(), response);
    // The load kept what it imported: saved again, the same samples.
    const QString again = presets.filePath(QStringLiteral("Again.txt"));
    QCOMPARE(cli({"preset", "save", again}, second_home.path()).exit_code, 0);
    QCOMPARE(read_ir_response_file(presets.filePath(QStringLiteral("Again.wav")))->samples,
             kept->samples);
    QFile saved_again(again);
    QFile saved_first(path);
    QVERIFY(saved_again.open(QIODevice::ReadOnly) && saved_first.open(QIODevice::ReadOnly));
    QCOMPARE(saved_again.readAll(), saved_first.readAll());

    // Without its response the values load all the same, and the note says what is missing.
    QVERIFY(QFile::remove(response));
    const Run missing = cli({"preset", "load", path}, second_home.path());
    QVERIFY2(missing.exit_code == 0, qPrintable(missing.err));
    QVERIFY2(
        missing.err.contains(QStringLiteral("its impulse response %1 is missing").arg(response)),
        qPrintable(missing.err));
    m_pedal.stop();
}

QTEST_MAIN(TestCliIrPresets)
#include "tst_cli_ir_presets.moc"
