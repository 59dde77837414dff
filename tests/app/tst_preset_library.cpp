// The Preset Library window (File > "Preset Library…") over a folder of preset files, with
// scripted dialogs: listing, filtering, loading, the recent list, rename and delete.
#include "editor_fixture.h"
#include "support/await.h"
#include "support/hostile_files.h"

#include "app/Main.h"
#include "app/PresetLibrary.h"
#include "params/preset_file.h"
#include "params/preset_library.h"
#include "params/ui/FXParameters.h"

#include <QAction>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>
#include <fcntl.h>
#include <unistd.h>

using namespace kx;

namespace {

const QString kPresetDir = QStringLiteral("NORVA/Kestrel X/Preset/");
constexpr int kTapeLoomDelay = 0x1F; // 8 controls, in Modulation
constexpr int kBasaltFuzzBox = 3;    // 4 controls, in Gain

QByteArray preset_bytes(int number, const QList<int>& values) {
    Preset preset;
    preset.effect_number = number;
    preset.effect_version = 1;
    preset.values = values;
    return preset_file_bytes(*preset_text(preset));
}

QStringList column(const QList<QTreeWidgetItem*>& rows, int column) {
    QStringList texts;
    for (const QTreeWidgetItem* row : rows)
        texts << row->text(column);
    return texts;
}

} // namespace

class TestPresetLibrary : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void lists_the_folder();
    void filters_data();
    void filters();
    void loads_with_return_and_double_click();
    void renames_and_deletes();
    void keeps_the_last_ten();
    void hostile_recent_list_data();
    void hostile_recent_list();
    void reads_only_what_changed();
    void lists_a_name_that_is_not_utf8();

private:
    TformPresetLibrary& open_library();
    QTreeWidgetItem* row(const QString& name);

    EditorFixture* f = nullptr;
    TformPresetLibrary* library = nullptr;
};

void TestPresetLibrary::init() {
    f = new EditorFixture;
    f->start();
    f->write(kPresetDir + "Warm Tape.txt", preset_bytes(kTapeLoomDelay, QList<int>(8, 300)));
    f->write(kPresetDir + "Crunch.txt", preset_bytes(kBasaltFuzzBox, {1, 2, 3, 4}));
    f->write(kPresetDir + "Broken.txt", "\xEF\xBB\xBF"
                                        "001F\rXY\r08\r");
    f->write(kPresetDir + "Stranger.txt", preset_bytes(0xC8, {5}));
    f->write(kPresetDir + "notes.md", "not a preset");
    library = &open_library();
}

void TestPresetLibrary::cleanup() {
    delete f;
    f = nullptr;
    library = nullptr;
}

TformPresetLibrary& TestPresetLibrary::open_library() {
    QAction* item = f->main().findChild<QAction*>(QStringLiteral("menuPresetLibrary"));
    [&] { QVERIFY(item); }();
    item->trigger();
    kx::test::settle();
    auto* window = f->main().findChild<TformPresetLibrary*>(QStringLiteral("formPresetLibrary"));
    [&] { QVERIFY(window && window->isVisible()); }();
    // The folder is read on a thread of its own.
    [&] { QTRY_VERIFY(!window->scanning()); }();
    return *window;
}

QTreeWidgetItem* TestPresetLibrary::row(const QString& name) {
    const auto found =
        library->lstPresets->findItems(name, Qt::MatchExactly, TformPresetLibrary::ColumnName);
    return found.size() == 1 ? found.first() : nullptr;
}

// Every .txt file is a row, by name; a damaged one says why instead of its effect.
void TestPresetLibrary::lists_the_folder() {
    const QList<QTreeWidgetItem*> rows = library->visible_rows();
    QCOMPARE(column(rows, TformPresetLibrary::ColumnName),
             QStringList({"Broken", "Crunch", "Stranger", "Warm Tape"}));
    QCOMPARE(column(rows, TformPresetLibrary::ColumnEffect).mid(1),
             QStringList(
                 {"Basalt Fuzz Box", "effect 200, not in this editor's list", "Tape Loom Delay"}));
    QCOMPARE(column(rows, TformPresetLibrary::ColumnCategory),
             QStringList({"", "Gain", "", "Modulation"}));
    QVERIFY2(rows[0]->text(TformPresetLibrary::ColumnEffect).startsWith("Damaged: line 2"),
             qPrintable(rows[0]->text(TformPresetLibrary::ColumnEffect)));
    for (const QTreeWidgetItem* item : rows)
        QVERIFY(!item->text(TformPresetLibrary::ColumnDate).isEmpty());
    QCOMPARE(library->lblPresetFilter->buddy(), library->edtPresetFilter);
    QCOMPARE(library->lblPresets->buddy(), library->lstPresets);

    // A file saved meanwhile shows up without reopening.
    f->write(kPresetDir + "Late.txt", preset_bytes(kBasaltFuzzBox, {1, 1, 1, 1}));
    QTRY_VERIFY(row(QStringLiteral("Late")));
}

void TestPresetLibrary::filters_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("nothing typed")
        << "" << QStringList({"Broken", "Crunch", "Stranger", "Warm Tape"});
    QTest::newRow("by effect, any case") << "FUZZ" << QStringList({"Crunch"});
    QTest::newRow("by category") << "modulation" << QStringList({"Warm Tape"});
    QTest::newRow("every word must match") << "tape warm" << QStringList({"Warm Tape"});
    QTest::newRow("the damaged ones") << "damaged" << QStringList({"Broken"});
    QTest::newRow("no match") << "reverb" << QStringList();
}

void TestPresetLibrary::filters() {
    QFETCH(QString, filter);
    QFETCH(QStringList, shown);
    QTest::keyClicks(library->edtPresetFilter, filter);
    kx::test::settle();
    QCOMPARE(column(library->visible_rows(), TformPresetLibrary::ColumnName), shown);
    // The first match is chosen, so Return in the filter loads it.
    QCOMPARE(library->btnLoadPreset->isEnabled(), !shown.isEmpty());
}

void TestPresetLibrary::loads_with_return_and_double_click() {
    const auto effects = [&](const QString& category, const QString& name) {
        emit f->main().lstCategory->itemClicked(
            f->main().lstCategory->findItems(category, Qt::MatchExactly).first());
        emit f->main().lstEffects->itemClicked(
            f->main().lstEffects->findItems(name, Qt::MatchExactly).first());
    };
    effects(QStringLiteral("Modulation"), QStringLiteral("Tape Loom Delay"));
    TformFXParameters& parameters = *f->windows->formFXParameters;
    f->dialogs.messages.clear();

    library->lstPresets->setCurrentItem(row(QStringLiteral("Warm Tape")));
    QTest::keyClick(library->lstPresets, Qt::Key_Return);
    kx::test::settle();
    QCOMPARE(parameters.state().values, QList<int>(8, 300));
    QCOMPARE(f->dialogs.messages.size(), 1);
    QVERIFY(f->dialogs.messages.first().startsWith("File loaded successfully: "));
    QCOMPARE(library->lstRecentPresets->count(), 1);
    QCOMPARE(library->lstRecentPresets->item(0)->text(), QStringLiteral("Warm Tape"));

    // A damaged file is refused with its reason; the window and the values stay.
    f->dialogs.messages.clear();
    emit library->lstPresets->itemDoubleClicked(row(QStringLiteral("Broken")), 0);
    QCOMPARE(f->dialogs.messages.size(), 1);
    QVERIFY2(f->dialogs.messages.first().startsWith("Error loading file: "),
             qPrintable(f->dialogs.messages.first()));
    QCOMPARE(parameters.state().values, QList<int>(8, 300));
    QVERIFY(library->isVisible());
    QCOMPARE(library->lstRecentPresets->count(), 1);
}

void TestPresetLibrary::renames_and_deletes() {
    QVERIFY(library->rename_row(row(QStringLiteral("Crunch")), QStringLiteral("Crunchier")));
    QVERIFY(QFile::exists(f->path(kPresetDir + "Crunchier.txt")));
    QVERIFY(!QFile::exists(f->path(kPresetDir + "Crunch.txt")));
    QVERIFY(row(QStringLiteral("Crunchier")));

    // Refused: a name taken, a folder, nothing; the files stay as they were.
    for (const QString& name : {QStringLiteral("Warm Tape"), QStringLiteral("../Up"), QString()}) {
        f->dialogs.messages.clear();
        QVERIFY(!library->rename_row(row(QStringLiteral("Crunchier")), name));
        QCOMPARE(f->dialogs.messages.size(), 1);
        QVERIFY(QFile::exists(f->path(kPresetDir + "Crunchier.txt")));
    }
    QCOMPARE(f->read(kPresetDir + "Warm Tape.txt"),
             preset_bytes(kTapeLoomDelay, QList<int>(8, 300)));

    library->lstPresets->setCurrentItem(row(QStringLiteral("Broken")));
    f->dialogs.answers = {Dialogs::Answer::No};
    library->btnDeletePreset->click();
    kx::test::settle();
    QCOMPARE(f->dialogs.confirmations.size(), 1);
    QVERIFY(f->dialogs.confirmations.first().contains("\"Broken\""));
    QVERIFY(QFile::exists(f->path(kPresetDir + "Broken.txt")));
    QTest::keyClick(library->lstPresets, Qt::Key_Delete); // the answer is Yes now
    QVERIFY(!QFile::exists(f->path(kPresetDir + "Broken.txt")));
    QVERIFY(!row(QStringLiteral("Broken")));
}

void TestPresetLibrary::keeps_the_last_ten() {
    QStringList recent;
    for (int i = 0; i < 12; ++i)
        recent = remember_recent(recent, QStringLiteral("/p/%1.txt").arg(i));
    recent = remember_recent(recent, QStringLiteral("/p/5.txt")); // again: moves to the front
    QCOMPARE(recent.size(), kRecentPresetCount);
    QCOMPARE(recent.first(), QStringLiteral("/p/5.txt"));
    QCOMPARE(recent.count(QStringLiteral("/p/5.txt")), 1);
    QCOMPARE(recent.last(), QStringLiteral("/p/2.txt"));

    // Kept between runs.
    QVERIFY(write_recent_presets(recent_presets_file(), recent));
    f->restart();
    const auto read = read_recent_presets(recent_presets_file());
    QVERIFY2(read, qPrintable(read.error()));
    QCOMPARE(*read, recent);
}

void TestPresetLibrary::hostile_recent_list_data() {
    hostile_files::add_rows();
}

// A pipe as the recent list would freeze the library and every load and save that updates
// it: it is set aside with a word in the status line, and the list starts again.
void TestPresetLibrary::hostile_recent_list() {
    QFETCH(QString, kind);
    QFETCH(QString, refusal);
    delete library;
    const QString file = recent_presets_file();
    QVERIFY(hostile_files::make(kind, file));
    const qint64 memory_before = hostile_files::peak_memory_bytes();
    library = &open_library();
    QCOMPARE(library->lstRecentPresets->count(), 0);
    QCOMPARE(library->visible_rows().size(), 4);
    const QString status = f->main().lblStatusLine->accessibleDescription();
    QVERIFY2(status.startsWith(QStringLiteral("The list of recent presets was not read: ") +
                               QDir::toNativeSeparators(file)),
             qPrintable(status));
    QVERIFY2(status.contains(refusal), qPrintable(status));
    QVERIFY(QFileInfo(file + QStringLiteral(".unreadable")).exists() ||
            QFileInfo(file + QStringLiteral(".unreadable")).isSymLink());
    QVERIFY(hostile_files::peak_memory_bytes() - memory_before < hostile_files::kMemoryBound);

    // The same kind of file again, met by a load or a save (each notes its preset): the note
    // ends, says so, and the list takes the preset.
    QVERIFY(hostile_files::make(kind, file));
    const QString preset = f->path(kPresetDir + "Crunch.txt");
    QVERIFY(note_recent_preset(preset).contains(refusal));
    library->refresh();
    QCOMPARE(library->lstRecentPresets->count(), 1);
    const auto recent = read_recent_presets(file);
    QVERIFY2(recent, qPrintable(recent.error()));
    QCOMPARE(*recent, QStringList{QFileInfo(preset).absoluteFilePath()});
}

// The folder is read once when the library opens; after that a change reads the files that
// came or changed, and only their rows change.
void TestPresetLibrary::reads_only_what_changed() {
    QSignalSpy scanned(library, &TformPresetLibrary::scanned);
    QTreeWidgetItem* tape = row(QStringLiteral("Warm Tape"));
    QTreeWidgetItem* stranger = row(QStringLiteral("Stranger"));
    QVERIFY(tape && stranger);
    const QString tape_text = tape->text(TformPresetLibrary::ColumnEffect);

    for (int i = 0; i < 3; ++i)
        f->write(kPresetDir + QStringLiteral("New %1.txt").arg(i),
                 preset_bytes(kBasaltFuzzBox, {1, 2, 3, i}));
    QFile::remove(f->path(kPresetDir + "Stranger.txt"));
    QTRY_VERIFY(row(QStringLiteral("New 2")) && !row(QStringLiteral("Stranger")));
    QTRY_VERIFY(!library->scanning());
    int read = 0;
    for (const QList<QVariant>& signal : std::as_const(scanned))
        read += signal.at(0).toInt();
    QCOMPARE(read, 3);
    QCOMPARE(row(QStringLiteral("Warm Tape")), tape);
    QCOMPARE(tape->text(TformPresetLibrary::ColumnEffect), tape_text);
    QCOMPARE(column(library->visible_rows(), TformPresetLibrary::ColumnName),
             QStringList({"Broken", "Crunch", "New 0", "New 1", "New 2", "Warm Tape"}));

    // A file written again (which changes no folder entry) is read again at the next look,
    // alone, and its row shows what it holds now.
    f->write(kPresetDir + "Warm Tape.txt", "not a preset any more");
    scanned.clear();
    library->refresh();
    QTRY_COMPARE(scanned.size(), 1);
    QCOMPARE(scanned.first().at(0).toInt(), 1);
    QVERIFY(row(QStringLiteral("Warm Tape"))
                ->text(TformPresetLibrary::ColumnEffect)
                .startsWith(QLatin1String("Damaged: ")));
}

// Qt's listing leaves out a file whose name is not UTF-8; the library lists it all the same,
// damaged, with why it cannot be opened.
void TestPresetLibrary::lists_a_name_that_is_not_utf8() {
    const QByteArray name = QFile::encodeName(f->path(kPresetDir)) + "Caf\xE9.txt";
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    QVERIFY(fd >= 0);
    ::close(fd);
    library->refresh();
    QTRY_VERIFY(!library->scanning());
    QTreeWidgetItem* item = row(QStringLiteral("Caf\uFFFD"));
    QVERIFY(item);
    QVERIFY2(item->text(TformPresetLibrary::ColumnEffect).contains(QLatin1String("not UTF-8")),
             qPrintable(item->text(TformPresetLibrary::ColumnEffect)));
    QCOMPARE(library->visible_rows().size(), 5);
}

QTEST_MAIN(TestPresetLibrary)
#include "tst_preset_library.moc"
