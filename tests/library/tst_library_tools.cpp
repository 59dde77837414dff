#include "library/effect_image.h"
#include "library/resource_store.h"
#include "params/control_description.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace kx;

namespace {

const QString kMakeLibrary = QStringLiteral(KX_BINARY_DIR "/kx-make-library");
const QString kImageTool = QStringLiteral(KX_BINARY_DIR "/kx-image");

// The parts of a source that every case shares: its name and its information page. A case adds
// the memories and the controls.
const QString kSourceFrame = QStringLiteral("name Test Effect\n"
                                            "version 1\n"
                                            "%1\n"
                                            "input MONO\n"
                                            "output MONO\n"
                                            "blue-led On while the effect is active\n"
                                            "orange-led Off\n"
                                            "footswitch Latching\n"
                                            "about A test effect.\n");
// 1,280 bytes of image with 40 parameter words: within the sizes the tool accepts.
const QString kMemories = QStringLiteral("parameter-words 40\ninstructions 160\n");

QString controls(const char* kind, int count, const char* start) {
    QString text;
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("%1 %2 %3 %4 %5:a:b;c\n")
                    .arg(QLatin1String(kind))
                    .arg(3 + i)
                    .arg(QLatin1String(start))
                    .arg(QLatin1String(kind))
                    .arg(i);
    return text;
}

struct Run {
    int exit_code = -1;
    QString output; // standard output and error together
};

Run run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    Run result;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.exit_code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = QString::fromLocal8Bit(process.readAll());
    return result;
}

bool write_file(const QString& path, const QByteArray& data) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

} // namespace

class TestLibraryTools : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void library_source_data();
    void library_source();
    void validator_reads_only_the_image();
};

void TestLibraryTools::initTestCase() {
    QVERIFY2(QFile::exists(kMakeLibrary), qPrintable(kMakeLibrary + " is not built"));
    QVERIFY2(QFile::exists(kImageTool), qPrintable(kImageTool + " is not built"));
}

void TestLibraryTools::library_source_data() {
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("problem"); // empty: the tool writes the effect

    QTest::newRow("one pot") << kMemories + controls("pot", 1, "500") << QString();
    QTest::newRow("15 pots, the most a digit holds")
        << kMemories + controls("pot", 15, "500") << QString();
    QTest::newRow("four readbacks") << kMemories + "counts-line 4\n" + controls("pot", 1, "500") +
                                           "readback A\nreadback B\nreadback C\nreadback D\n"
                                    << QString();
    QTest::newRow("16 pots") << kMemories + controls("pot", 16, "500")
                             << "16 pots: the counts line holds at most 15 of each kind";
    QTest::newRow("16 switches") << kMemories + controls("switch", 16, "on")
                                 << "16 switches: the counts line holds at most 15 of each kind";
    QTest::newRow("16 multi switches")
        << kMemories + controls("multi", 16, "0")
        << "16 multi switches: the counts line holds at most 15 of each kind";
    QTest::newRow("readbacks with a three-character counts line")
        << kMemories + controls("pot", 1, "500") + "readback A\n"
        << "readbacks need \"counts-line 4\": a three-character counts line has none";
    QTest::newRow("counts line of five characters")
        << kMemories + "counts-line 5\n" + controls("pot", 1, "500")
        << "counts-line is 3 or 4, not 5";
    QTest::newRow("huge parameter memory")
        << "parameter-words 2000000000\ninstructions 160\n" + controls("pot", 1, "500")
        << "parameter-words 2000000000 is outside 0..1024";
    QTest::newRow("huge program") << "parameter-words 40\ninstructions 2000000000\n" +
                                         controls("pot", 1, "500")
                                  << "instructions 2000000000 is outside 0..1024";
    QTest::newRow("address past 16 bits") << kMemories + "pot 65538 500 Drive\n"
                                          << "control 0: address 65538 is outside 0..65535";
    QTest::newRow("coefficient region past the memory")
        << kMemories + "ir-region 30 2000000000\n" + controls("pot", 1, "500")
        << "the coefficient region ends past the parameter memory";
}

// The tool either writes an effect whose description and image agree, or writes nothing and
// says why.
void TestLibraryTools::library_source() {
    QFETCH(QString, body);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    QDir root(dir.path());
    QVERIFY(root.mkdir("sources") && root.mkdir("resources"));
    QVERIFY(write_file(root.filePath("resources/EFFECT_LIST"), "0:empty\r\n1:Test Effect"));
    QVERIFY(
        write_file(root.filePath("sources/TEST_EFFECT.txt"), kSourceFrame.arg(body).toLatin1()));

    const Run made = run(kMakeLibrary, {root.filePath("sources"), root.filePath("resources")});
    if (!problem.isEmpty()) {
        QVERIFY2(made.exit_code == 1, qPrintable(made.output));
        QVERIFY2(made.output.contains(problem), qPrintable(made.output));
        QCOMPARE(QDir(root.filePath("resources")).entryList(QDir::Files),
                 QStringList{"EFFECT_LIST"});
        return;
    }
    QVERIFY2(made.exit_code == 0, qPrintable(made.output));
    const ResourceStore store(root.filePath("resources"));
    const auto lines = store.read_file_from_stream("TEST_EFFECT_CTRLS");
    QVERIFY(lines);
    const auto description = parse_control_description(*lines, "Test Effect", 16);
    QVERIFY2(description, qPrintable(description.error()));
    const auto image_lines = store.read_file_from_stream("TEST_EFFECT");
    QVERIFY(image_lines);
    QStringList errors;
    const auto image = parse_effect_image(image_bytes(image_lines->value(0)), &errors);
    QVERIFY2(image, qPrintable(errors.join('\n')));
    QCOMPARE(description->control_count, image->control_count);
    QCOMPARE(description->readback_count, image->readback_count);
}

void TestLibraryTools::validator_reads_only_the_image() {
    QTemporaryDir dir;
    const QString path = dir.filePath("short.bin");
    QVERIFY(write_file(path, QByteArray(136, '\0')));
    const Run checked = run(kImageTool, {"validate", path});
    QCOMPARE(checked.exit_code, 1);
    QVERIFY2(checked.output.contains("the 18 no-operation messages from byte 136 run past the end "
                                     "of the image, which holds 136 bytes"),
             qPrintable(checked.output));
    // Nothing is said about bytes the file does not have.
    QVERIFY2(!checked.output.contains("expected no-operation message"), qPrintable(checked.output));
}

QTEST_GUILESS_MAIN(TestLibraryTools)
#include "tst_library_tools.moc"
