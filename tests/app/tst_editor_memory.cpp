// What the editor remembers between runs, in its own file beside the settings files: window
// places kept on a screen, the last category and effect, the MIDI channel, the preset and WAV
// folders; a damaged file costs nothing but the memory.
#include "editor_fixture.h"
#include "support/await.h"
#include "support/hostile_files.h"

#include "app/EditorMemory.h"
#include "app/Main.h"
#include "ir/ui/ImpulseResponse.h"
#include "params/ui/AssignmentMap.h"
#include "params/ui/FXParameters.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>

using namespace kx;

namespace {
const QString kMemoryFile = QStringLiteral("NORVA/Kestrel X/Editor.ini");
}

class TestEditorMemory : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void keep_on_screen_data();
    void keep_on_screen();
    void remembered_between_runs();
    void folders_of_the_dialogs();
    void damaged_or_stale_memory_is_ignored_data();
    void damaged_or_stale_memory_is_ignored();
    void hostile_memory_file_is_set_aside_data();
    void hostile_memory_file_is_set_aside();

private:
    EditorFixture* f = nullptr;
};

void TestEditorMemory::init() {
    f = new EditorFixture;
    QVERIFY(f->documents.isValid());
}

void TestEditorMemory::cleanup() {
    delete f;
    f = nullptr;
}

void TestEditorMemory::keep_on_screen_data() {
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QPoint>("place");
    const QRect one(0, 0, 1920, 1080);
    const QRect two(1920, 0, 1280, 1024);
    QTest::newRow("on screen") << QRect(100, 80, 400, 400) << QList<QRect>{one} << QPoint(100, 80);
    QTest::newRow("half off the right edge")
        << QRect(1700, 80, 400, 400) << QList<QRect>{one} << QPoint(1520, 80);
    QTest::newRow("above the top")
        << QRect(100, -50, 400, 400) << QList<QRect>{one} << QPoint(100, 0);
    QTest::newRow("on a screen that is gone")
        << QRect(2500, 300, 400, 400) << QList<QRect>{one} << QPoint(1520, 300);
    QTest::newRow("on the second screen")
        << QRect(2500, 300, 400, 400) << QList<QRect>{one, two} << QPoint(2500, 300);
    QTest::newRow("mostly on the second screen")
        << QRect(1800, 300, 400, 400) << QList<QRect>{one, two} << QPoint(1920, 300);
    QTest::newRow("larger than the screen")
        << QRect(50, 50, 2500, 1200) << QList<QRect>{one} << QPoint(0, 0);
}

void TestEditorMemory::keep_on_screen() {
    QFETCH(QRect, frame);
    QFETCH(QList<QRect>, screens);
    QFETCH(QPoint, place);
    QCOMPARE(kx::keep_on_screen(frame, screens), place);
}

void TestEditorMemory::remembered_between_runs() {
    f->start();
    const QByteArray look = "3";
    f->write(kLookFile, look);
    const QByteArray message = f->read(kMessageFile);
    TformMain& main = f->main();
    main.lstCategory->setCurrentRow(1);
    main.lstModulationClick();
    kx::test::settle();
    main.effetto_cliccato(main.lstEffects->item(2));
    const QString effect = main.lstEffects->item(2)->text();
    main.move(60, 40);
    f->windows->formAssignmentMap->show();
    f->windows->formAssignmentMap->move(120, 70);
    EditorMemory().set_value(memory_key::kMidiChannel, QStringLiteral("5"));
    main.close();

    f->restart();
    TformMain& again = f->main();
    QCOMPARE(again.lstCategory->currentRow(), 1);
    QCOMPARE(again.highlighted_effect_row(), 2);
    QCOMPARE(again.lstEffects->item(2)->text(), effect);
    QCOMPARE(f->context->selection.selected_category, "Modulation");
    // Highlighted, not opened: nothing is shown or sent until the user clicks.
    QVERIFY(!f->windows->formFXParameters->isVisible());
    QCOMPARE(again.pos(), QPoint(60, 40));
    QCOMPARE(f->windows->formAssignmentMap->pos(), QPoint(120, 70));
    QVERIFY(again.findChild<QAction*>("menuMIDIchannel5")->isChecked());
    QVERIFY(!again.findChild<QAction*>("menuMIDIchannelOMNI")->isChecked());
    // The one-word settings files are the Part's own: untouched.
    QCOMPARE(f->read(kLookFile), look);
    QCOMPARE(f->read(kMessageFile), message);
    QCOMPARE(f->dialogs.messages, QStringList());
}

void TestEditorMemory::folders_of_the_dialogs() {
    f->start();
    QDir(f->documents.path()).mkpath("irs");
    QDir(f->documents.path()).mkpath("sets");
    // The WAV folder: a cancelled first dialog, then one that picks a file in "irs".
    TformMain& main = f->main();
    main.lstCategory->setCurrentRow(5);
    main.lstIRClick();
    kx::test::settle();
    main.effetto_cliccato(main.lstEffects->item(0));
    f->dialogs.files << f->path("irs/missing.wav");
    main.menuLoadIRClick();
    kx::test::settle();
    // The preset folder: a load that picks a file in "sets".
    f->dialogs.files << f->path("sets/none.txt");
    main.menuLoadConfigurationClick();
    kx::test::settle();
    f->dialogs.folders.clear();

    f->restart();
    f->main().lstCategory->setCurrentRow(5);
    f->main().lstIRClick();
    f->main().effetto_cliccato(f->main().lstEffects->item(0));
    f->main().menuLoadIRClick();
    f->main().menuLoadConfigurationClick();
    QCOMPARE(f->dialogs.folders, (QStringList{f->path("irs"), f->path("sets")}));
}

void TestEditorMemory::damaged_or_stale_memory_is_ignored_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addRow("garbage") << QByteArray("\x01\xff[[[=\n==\x00 junk", 20);
    QTest::addRow("unknown names")
        << QByteArray("[Selection]\nCategory=Nowhere\nEffect=Nothing\n[Pedal]\nMidiChannel=99\n"
                      "[Windows]\nformMain=not a point\n");
    // Left by a run whose windows opened with their title bars above the screen.
    QTest::addRow("places off the screen")
        << QByteArray("[Windows]\nformMain=@Point(-1 -20)\nformAssignmentMap=@Point(5000 -20)\n");
    QTest::addRow("effect of another category")
        << QByteArray("[Selection]\nCategory=Gain\nEffect=Ghost Effect\n");
}

void TestEditorMemory::damaged_or_stale_memory_is_ignored() {
    QFETCH(QByteArray, content);
    f->write(kMemoryFile, content);
    f->start();
    TformMain& main = f->main();
    QCOMPARE(main.pos(), QPoint(37, 31));
    QCOMPARE(main.highlighted_effect_row(), -1);
    for (QAction* item : main.menuMIDIchannel->actions())
        QVERIFY(!item->isChecked());
    QCOMPARE(f->dialogs.messages, QStringList());
    // Remembering again works over the damaged file.
    main.lstCategory->setCurrentRow(0);
    main.lstGainClick();
    kx::test::settle();
    f->restart();
    QCOMPARE(f->main().lstCategory->currentRow(), 0);
}

void TestEditorMemory::hostile_memory_file_is_set_aside_data() {
    hostile_files::add_rows();
}

// A pipe would stop the start in QSettings, a huge file would fill the memory: the file is set
// aside with a word in the status line, the editor starts with its defaults and remembers
// again from then on.
void TestEditorMemory::hostile_memory_file_is_set_aside() {
    QFETCH(QString, kind);
    QFETCH(QString, refusal);
    QVERIFY(QDir().mkpath(QFileInfo(f->path(kMemoryFile)).path()));
    QVERIFY(hostile_files::make(kind, f->path(kMemoryFile)));
    const qint64 memory_before = hostile_files::peak_memory_bytes();
    f->start();
    TformMain& main = f->main();
    QVERIFY(main.isVisible());
    QCOMPARE(main.pos(), QPoint(37, 31));
    const QString status = main.lblStatusLine->accessibleDescription();
    QVERIFY2(status.startsWith(QStringLiteral("The editor's settings were not read: ") +
                               QDir::toNativeSeparators(f->path(kMemoryFile))),
             qPrintable(status));
    QVERIFY2(status.contains(refusal), qPrintable(status));
    QVERIFY2(status.contains(QStringLiteral("Editor.ini.unreadable")), qPrintable(status));
    QVERIFY(QFileInfo(f->path(kMemoryFile) + QStringLiteral(".unreadable")).exists() ||
            QFileInfo(f->path(kMemoryFile) + QStringLiteral(".unreadable")).isSymLink());
    QCOMPARE(f->dialogs.messages, QStringList());
    QVERIFY(hostile_files::peak_memory_bytes() - memory_before < hostile_files::kMemoryBound);

    main.lstCategory->setCurrentRow(0);
    main.lstGainClick();
    kx::test::settle();
    f->restart();
    QCOMPARE(f->main().lstCategory->currentRow(), 0);
    QCOMPARE(f->main().lblStatusLine->accessibleDescription(), QString());
}

QTEST_MAIN(TestEditorMemory)
#include "tst_editor_memory.moc"
