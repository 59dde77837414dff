// Save Configuration and Load Configuration through the main window's File menu, over scripted
// dialogs; and once end to end against the in-process virtual pedal with real timing.
#include "editor_fixture.h"
#include "support/await.h"
#include "support/hostile_files.h"
#include "support/log_tap.h"

#include "app/Main.h"
#include "app/NewVersionMsg.h"
#include "app/PresetLibrary.h"
#include "link/drivers/virtual_pedal_driver.h"
#include "params/preset_file.h"
#include "params/ui/FXParameters.h"
#include "support/write_failure.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QSlider>

using namespace kx;

namespace {

const QString kPresetDir = QStringLiteral("NORVA/Kestrel X/Preset");
const QByteArray kMark("\xEF\xBB\xBF");

// Everything the parameters window shows, in creation order: slider positions, toggle states
// and the selections of the option lists and assignment boxes.
QStringList shown(TformFXParameters& window) {
    QStringList out;
    for (QSlider* slider : window.findChildren<QSlider*>())
        out << QStringLiteral("slider %1").arg(slider->value());
    for (QCheckBox* toggle : window.findChildren<QCheckBox*>())
        out << QStringLiteral("toggle %1").arg(toggle->isChecked());
    for (QComboBox* box : window.findChildren<QComboBox*>())
        out << box->accessibleName() + QStringLiteral(" %1").arg(box->currentIndex());
    return out;
}

// A value for each control that its kind can show: pots anywhere in 0..1023, switches 0 or
// 1, option lists the first value of an option. `shift` gives a second, different set.
QList<int> values_for(const ControlDescription& description, int shift) {
    QList<int> values;
    for (int i = 0; i < description.control_count; ++i) {
        const ControlEntry& entry = description.controls.at(i);
        switch (entry.kind) {
        case ControlKind::Pot:
            values << (i * 131 + 7 + shift * 500) % 1024;
            break;
        case ControlKind::Switch:
            values << (i + shift) % 2;
            break;
        case ControlKind::MultiSwitch: {
            const int k = int(entry.options.size());
            values << ((i + shift) % k) * (1024 / k);
            break;
        }
        }
    }
    return values;
}

// The index after the last pot and switch of the window's effect.
int last_switch_end(const TformFXParameters& window) {
    return window.description().pot_count + window.description().switch_count;
}

QByteArray read_file(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void write_file(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Drops the file on the main window as a file manager would.
void drop_on(QWidget& window, const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 40), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    QDropEvent event(QPointF(10, 40), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &event);
}

QByteArray preset_bytes(int number, int version, const QList<int>& values, int readbacks = 0) {
    Preset preset;
    preset.effect_number = number;
    preset.effect_version = version;
    preset.values = values;
    preset.readback_assignments = QList<quint8>(readbacks, 0xFF);
    return preset_file_bytes(*preset_text(preset));
}

} // namespace

class TestPresets : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void save_is_refused_without_values_data();
    void save_is_refused_without_values();
    void save_writes_the_open_effect_data();
    void save_writes_the_open_effect();
    void failed_write_keeps_the_old_file_data();
    void failed_write_keeps_the_old_file();
    void round_trip_through_the_window_data();
    void round_trip_through_the_window();
    void load_is_refused_and_changes_nothing_data();
    void load_is_refused_and_changes_nothing();
    void hostile_preset_files_data();
    void hostile_preset_files();
    void preset_of_another_effect_asks_first_data();
    void preset_of_another_effect_asks_first();
    void end_to_end_with_the_pedal();
    void preset_for_another_effect_uploads_it_data();
    void preset_for_another_effect_uploads_it();

private:
    TformMain& main() { return f->main(); }
    TformFXParameters& parameters() { return *f->windows->formFXParameters; }
    void open_effect(const QString& category, const QString& name);
    QString preset_path(const QString& name) const { return f->path(kPresetDir + '/' + name); }

    EditorFixture* f = nullptr;
};

void TestPresets::init() {
    f = new EditorFixture;
    f->start();
}

void TestPresets::cleanup() {
    delete f;
    f = nullptr;
}

// Opens the effect's parameters window by clicking it in the lists.
void TestPresets::open_effect(const QString& category, const QString& name) {
    const auto categories = main().lstCategory->findItems(category, Qt::MatchExactly);
    QCOMPARE(categories.size(), 1);
    emit main().lstCategory->itemClicked(categories.first());
    const auto effects = main().lstEffects->findItems(name, Qt::MatchExactly);
    QCOMPARE(effects.size(), 1);
    emit main().lstEffects->itemClicked(effects.first());
    QVERIFY(parameters().isVisible());
    f->dialogs.messages.clear();
}

void TestPresets::save_is_refused_without_values_data() {
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>("message");
    const QString no_effect = QStringLiteral("There is no open effect to save");
    const QString no_values =
        QStringLiteral("The values of \"Tape Loom Delay\" have not been read");
    QTest::newRow("no window yet") << "none" << no_effect;
    QTest::newRow("window closed") << "closed" << no_effect;
    QTest::newRow("no values read") << "empty" << no_values;
    QTest::newRow("fewer values than controls") << "short" << no_values;
    QTest::newRow("values of the effect opened before")
        << "other effect" << QStringLiteral("The values of \"Rotary Cabin\" have not been read");
}

// Nothing is asked and nothing is written.
void TestPresets::save_is_refused_without_values() {
    QFETCH(QString, situation);
    QFETCH(QString, message);
    if (situation != QLatin1String("none"))
        open_effect(QStringLiteral("Modulation"), QStringLiteral("Tape Loom Delay"));
    if (situation == QLatin1String("other effect")) {
        // Rotary Cabin has as many controls as Tape Loom Delay, whose values these are.
        parameters().preview_state().values = QList<int>(8, 1);
        open_effect(QStringLiteral("Modulation"), QStringLiteral("Rotary Cabin"));
    }
    if (situation == QLatin1String("closed")) {
        parameters().preview_state().values = QList<int>(8, 1);
        parameters().close();
    } else if (situation == QLatin1String("short")) {
        parameters().preview_state().values = QList<int>(7, 1);
    }
    const QString path = preset_path(QStringLiteral("refused.txt"));
    f->dialogs.files << path;

    main().menuSaveConfiguration->trigger();
    kx::test::settle();

    QCOMPARE(f->dialogs.messages.size(), 1);
    QVERIFY2(f->dialogs.messages.first().startsWith(message), qPrintable(f->dialogs.messages[0]));
    QCOMPARE(f->dialogs.files, QStringList{path}); // no file dialog was shown
    QVERIFY(!QFile::exists(path));
}

void TestPresets::save_writes_the_open_effect_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("bare name") << "Fuzz"
                               << "Fuzz.txt";
    QTest::newRow("ends in .txt") << "Fuzz.txt"
                                  << "Fuzz.txt";
    QTest::newRow("ends in .TXT") << "Fuzz.TXT"
                                  << "Fuzz.TXT.txt";
    QTest::newRow("cancelled") << ""
                               << "";
}

// Effect number and version of the preview, the window's values list (not the
// sliders) and its assignments; the preset folder is made when missing.
void TestPresets::save_writes_the_open_effect() {
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    open_effect(QStringLiteral("Gain"), QStringLiteral("Basalt Fuzz Box"));
    QCOMPARE(parameters().control_count(), 4);
    QCOMPARE(parameters().readback_count(), 0);
    f->context->selection.preview_effect_number = 3;
    f->context->selection.preview_effect_version = 2;
    parameters().preview_state().values = {512, 1023, 1, 0};
    parameters().preview_state().control_assignments[1] = 8;
    parameters().findChildren<QSlider*>().first()->setValue(5); // an edit, not a value read
    QVERIFY(!QFileInfo::exists(f->path(kPresetDir)));
    if (!chosen.isEmpty())
        f->dialogs.files << preset_path(chosen);

    main().menuSaveConfiguration->trigger();
    kx::test::settle();

    QVERIFY(QFileInfo(f->path(kPresetDir)).isDir());
    if (written.isEmpty()) {
        QCOMPARE(f->dialogs.messages, QStringList());
        QCOMPARE(QDir(f->path(kPresetDir)).entryList(QDir::Files), QStringList());
        return;
    }
    const QString path = preset_path(written);
    QCOMPARE(f->dialogs.messages, QStringList{QStringLiteral("File saved successfully: ") + path});
    QCOMPARE(read_file(path), kMark + "0003\r02\r04\r00000200\r000003FF\r00000001\r00000000\r"
                                      "FF\r08\rFF\rFF\r");
    QCOMPARE(QDir(f->path(kPresetDir)).entryList(QDir::Files), QStringList{written});
}

void TestPresets::failed_write_keeps_the_old_file_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("preset") << "preset";
    QTest::newRow("start-up message setting") << "setting";
}

// A disk that fills up halfway through the write: the user reads why, the old file is whole.
void TestPresets::failed_write_keeps_the_old_file() {
    QFETCH(QString, file);
    QString path;
    QByteArray old_bytes;
    if (file == QLatin1String("preset")) {
        open_effect(QStringLiteral("Synthesis"), QStringLiteral("Arpeggio Synth"));
        parameters().preview_state().values = QList<int>(24, 300);
        QDir().mkpath(f->path(kPresetDir));
        path = preset_path(QStringLiteral("old.txt"));
        old_bytes = preset_bytes(10, 1, QList<int>(24, 7));
        write_file(path, old_bytes);
        f->dialogs.files << path;
        FileSizeLimit limit(100);
        QVERIFY(limit.ok());
        main().menuSaveConfiguration->trigger();
    } else {
        path = f->path(kMessageFile);
        old_bytes = f->read(kMessageFile);
        QCOMPARE(old_bytes, QByteArray("YES"));
        FileSizeLimit limit(1);
        QVERIFY(limit.ok());
        f->windows->formNewVersionMsg->CheckBox1->setChecked(true);
    }
    QCOMPARE(f->dialogs.messages.size(), 1);
    const QString prefix = QStringLiteral("Error saving file: ") + path + QStringLiteral(": ");
    QVERIFY2(f->dialogs.messages.first().startsWith(prefix) &&
                 f->dialogs.messages.first().size() > prefix.size(),
             qPrintable(f->dialogs.messages.first()));
    QCOMPARE(read_file(path), old_bytes);
    QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QFileInfo(path).fileName()});
}

void TestPresets::round_trip_through_the_window_data() {
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("effect");
    QTest::addColumn<int>("number");
    QTest::addColumn<QByteArray>("line_end");
    QTest::newRow("pots and a switch") << "Gain"
                                       << "Basalt Fuzz Box" << 3 << QByteArray("\r");
    QTest::newRow("every kind and a readback") << "Modulation"
                                               << "Tape Loom Delay" << 0x1F << QByteArray("\r");
    QTest::newRow("every kind, edited to LF") << "Modulation"
                                              << "Tape Loom Delay" << 0x1F << QByteArray("\n");
    QTest::newRow("every kind, edited to CR LF") << "Modulation"
                                                 << "Tape Loom Delay" << 0x1F << QByteArray("\r\n");
    QTest::newRow("24 controls") << "Synthesis"
                                 << "Arpeggio Synth" << 0x0A << QByteArray("\r\n");
}

// Save, change the values and an assignment, load: the values come back, the assignment stays
// as changed, and the open effect is still the same.
void TestPresets::round_trip_through_the_window() {
    QFETCH(QString, category);
    QFETCH(QString, effect);
    QFETCH(int, number);
    QFETCH(QByteArray, line_end);
    open_effect(category, effect);
    TformFXParameters& window = parameters();
    SelectionState& selection = f->context->selection;
    selection.preview_effect_number = number;
    selection.preview_effect_version = 4;
    const QList<int> saved = values_for(window.description(), 0);
    window.preview_state().values = saved;
    window.setItems();
    const QStringList saved_view = shown(window);
    const QString path = preset_path(QStringLiteral("round.txt"));
    f->dialogs.files << path;
    main().menuSaveConfiguration->trigger();
    kx::test::settle();
    QCOMPARE(f->dialogs.messages.size(), 1);
    QByteArray bytes = read_file(path);
    write_file(path, bytes.replace("\r", line_end));

    window.preview_state().values = values_for(window.description(), 1);
    window.setItems();
    QVERIFY(shown(window) != saved_view);
    QComboBox* first_box = nullptr;
    for (QComboBox* box : window.findChildren<QComboBox*>())
        if (!first_box && box->accessibleName().endsWith(QLatin1String(" assignment")))
            first_box = box;
    QVERIFY(first_box);
    const int box_row = int(saved_view.indexOf(
        first_box->accessibleName() + QStringLiteral(" %1").arg(first_box->currentIndex())));
    QVERIFY(box_row >= 0);
    first_box->setCurrentIndex(3);
    const auto assignments = window.state().control_assignments;
    selection.preview_effect_version = 9;
    f->dialogs.messages.clear();
    f->dialogs.files << path;
    LogTap tap;
    tap.next = f->context->log.target();
    f->context->log.set_target(&tap);

    main().menuLoadConfiguration->trigger();
    kx::test::settle();

    f->context->log.set_target(tap.next);
    QCOMPARE(f->dialogs.messages, QStringList{QStringLiteral("File loaded successfully: ") + path});
    QCOMPARE(f->dialogs.confirmations, QStringList());
    QCOMPARE(window.state().values, saved);
    QCOMPARE(selection.preview_effect_number, number);
    QCOMPARE(selection.preview_effect_version, 4);
    QCOMPARE(selection.selected_effect_name, effect);
    QCOMPARE(window.control_count(), int(saved.size()));
    QCOMPARE(window.state().control_assignments, assignments);
    QStringList expected_view = saved_view;
    expected_view[box_row] = first_box->accessibleName() + QStringLiteral(" 3");
    QCOMPARE(shown(window), expected_view);
    // The log holds the file's text, each line ended by CR LF.
    QCOMPARE(tap.lines.first().left(10),
             QStringLiteral("%1\r\n04\r\n").arg(number, 4, 16, QLatin1Char('0')).toUpper());
    QCOMPARE(tap.lines.first().count(QStringLiteral("\r\n")),
             3 + 2 * saved.size() + window.readback_count());
}

void TestPresets::load_is_refused_and_changes_nothing_data() {
    QTest::addColumn<QByteArray>("bytes"); // empty: the file is not there
    QTest::addColumn<QString>("message");  // empty: no message
    const QByteArray head = kMark + "001F\r01\r08\r";
    const QByteArray values = QByteArray("00000100\r").repeated(8);
    const QByteArray assignments = QByteArray("FF\r").repeated(9);
    const QString error = QStringLiteral("Error loading file: %1: ");
    QTest::newRow("cancelled") << QByteArray("-") << QString();
    QTest::newRow("missing") << QByteArray() << error;
    QTest::newRow("not hexadecimal") << head + "00000100\r0000010X\r" + values.mid(18) + assignments
                                     << error + "line 5 holds \"0000010X\"";
    QTest::newRow("widths changed")
        << kMark + "1F\r1\r8\r" + values + assignments << error + "line 1 holds \"1F\"";
    QTest::newRow("short") << head + values.left(45) << error + "the file ends after line 8";
    QTest::newRow("foreign") << QByteArray("RIFF\x24\0\0\0WAVEfmt ", 16) << error;
    QTest::newRow("over-long") << head + values + assignments.repeated(2000) << error;
    QTest::newRow("fewer controls")
        << preset_bytes(0x1F, 1, {1, 2, 3})
        << "This preset holds 3 controls, but the open effect \"Tape Loom Delay\" has 8";
    QTest::newRow("more controls")
        << preset_bytes(0x1F, 1, QList<int>(9, 5), 4)
        << "This preset holds 9 controls, but the open effect \"Tape Loom Delay\" has 8";
    QTest::newRow("another effect's, no pedal to upload it to")
        << preset_bytes(3, 1, {1, 2, 3, 0})
        << "This preset is for effect 3 \"Basalt Fuzz Box\", not for the open effect \"Tape Loom "
           "Delay\": it was not loaded. Connect the pedal to upload Basalt Fuzz Box and apply "
           "this preset.";
}

// The values list, the effect number and version and every widget stay as they were.
void TestPresets::load_is_refused_and_changes_nothing() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    open_effect(QStringLiteral("Modulation"), QStringLiteral("Tape Loom Delay"));
    const QList<int> before = values_for(parameters().description(), 0);
    parameters().preview_state().values = before;
    parameters().setItems();
    const QStringList view = shown(parameters());
    f->context->selection.preview_effect_number = 0x1F;
    f->context->selection.preview_effect_version = 6;
    QDir().mkpath(f->path(kPresetDir));
    const QString path = preset_path(QStringLiteral("bad.txt"));
    if (bytes != "-") {
        if (!bytes.isEmpty())
            write_file(path, bytes);
        f->dialogs.files << path;
    }

    main().menuLoadConfiguration->trigger();
    kx::test::settle();

    if (message.isEmpty()) {
        QCOMPARE(f->dialogs.messages, QStringList());
    } else {
        QCOMPARE(f->dialogs.messages.size(), 1);
        const QString expected =
            message.contains(QLatin1String("%1")) ? message.arg(path) : message;
        QVERIFY2(f->dialogs.messages.first().startsWith(expected),
                 qPrintable(f->dialogs.messages.first()));
    }
    QCOMPARE(f->dialogs.confirmations, QStringList());
    QCOMPARE(parameters().state().values, before);
    QCOMPARE(shown(parameters()), view);
    QCOMPARE(f->context->selection.preview_effect_number, 0x1F);
    QCOMPARE(f->context->selection.preview_effect_version, 6);
    QCOMPARE(parameters().control_count(), 8);
}

void TestPresets::preset_of_another_effect_asks_first_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("loads");
    QTest::newRow("No") << int(Dialogs::Answer::No) << false;
    QTest::newRow("Yes") << int(Dialogs::Answer::Yes) << true;
    QTest::newRow("box closed") << int(Dialogs::Answer::Closed) << true;
}

// A preset of Ember Overdrive (effect 15) has as many controls as Basalt Fuzz Box: its values
// land on the open effect's controls only when the user agrees; the open effect stays.
void TestPresets::preset_of_another_effect_asks_first() {
    QFETCH(int, answer);
    QFETCH(bool, loads);
    open_effect(QStringLiteral("Gain"), QStringLiteral("Basalt Fuzz Box"));
    const QList<int> before = {1, 2, 3, 0};
    const QList<int> other = {700, 600, 500, 1};
    parameters().preview_state().values = before;
    f->context->selection.preview_effect_number = 3;
    QDir().mkpath(f->path(kPresetDir));
    const QString path = preset_path(QStringLiteral("ember.txt"));
    write_file(path, preset_bytes(0x0F, 5, other));
    f->dialogs.files << path;
    f->dialogs.answers << Dialogs::Answer(answer);

    main().menuLoadConfiguration->trigger();
    kx::test::settle();

    QCOMPARE(f->dialogs.confirmations,
             QStringList{"This preset was saved for effect 15 \"Ember Overdrive\", not for the "
                         "open effect \"Basalt Fuzz Box\". Load its values into \"Basalt Fuzz "
                         "Box\"?"});
    QCOMPARE(parameters().state().values, loads ? other : before);
    QCOMPARE(f->context->selection.preview_effect_number, loads ? 0x0F : 3);
    QCOMPARE(f->context->selection.selected_effect_name, QStringLiteral("Basalt Fuzz Box"));
    QCOMPARE(parameters().findChildren<QSlider*>().first()->value(), loads ? 700 : 0);
    QCOMPARE(f->dialogs.messages.size(), loads ? 1 : 0);
}

// Open FX, Request, Save; move the controls on the pedal; Load puts the pedal and the window
// back, and a new Request reads the saved values from the pedal.
void TestPresets::end_to_end_with_the_pedal() {
    delete f;
    f = new EditorFixture;
    f->real_time = true;
    set_documents_folder(f->documents.path());
    f->context = std::make_unique<AppContext>(f->dialogs, f->real_clock);
    f->context->link_options.virtual_pedal = true;
    f->windows = std::make_unique<EditorWindows>(*f->context);
    main().show();
    VirtualPedalDriver* driver = f->context->link->virtual_pedal();
    QVERIFY(driver);
    sim::VirtualPedal& pedal = driver->pedal();
    const auto settle = [&] {
        QTest::qWait(30);
        pedal.advance(VirtualPedalDriver::now_us());
    };

    main().menuConnect->trigger();
    kx::test::settle();
    open_effect(QStringLiteral("Modulation"), QStringLiteral("Tape Loom Delay"));
    main().btnUpload->click();
    kx::test::settle();
    main().btnOpenEffect->click();
    kx::test::settle();
    main().btnRequest->click();
    kx::test::settle();
    QCOMPARE(f->dialogs.messages, QStringList());
    TformFXParameters& window = parameters();
    QVERIFY(window.findChildren<QSlider*>().first()->isEnabled());
    const QList<int> saved = window.state().values;
    QCOMPARE(saved.size(), 8);
    const QStringList saved_view = shown(window);

    const QString path = preset_path(QStringLiteral("Tape Loom Delay.txt"));
    f->dialogs.files << preset_path(QStringLiteral("Tape Loom Delay"));
    main().menuSaveConfiguration->trigger();
    kx::test::settle();
    QCOMPARE(f->dialogs.messages, QStringList{QStringLiteral("File saved successfully: ") + path});
    const auto lines = read_preset_file(path);
    QVERIFY(lines.ok());
    const auto preset = parse_preset(*lines);
    QVERIFY2(preset.ok(), qPrintable(preset.error()));
    QCOMPARE(preset->effect_number, 0x1F);
    QCOMPARE(preset->effect_version, f->main().session().effect().version);
    QCOMPARE(preset->values, saved);

    // Every control moves: each edit reaches the pedal.
    for (QSlider* slider : window.findChildren<QSlider*>())
        slider->setValue(1023 - slider->value());
    for (QCheckBox* toggle : window.findChildren<QCheckBox*>())
        toggle->click();
    kx::test::settle();
    for (QComboBox* list : window.findChildren<QComboBox*>())
        if (!list->accessibleName().endsWith(QLatin1String(" assignment")))
            list->setCurrentIndex((list->currentIndex() + 1) % list->count());
    settle();
    const auto& effect = pedal.effect();
    QVERIFY(pedal.parameter_word(effect.address_of(0)) != quint32(saved[0]) * 8192u);

    f->dialogs.messages.clear();
    f->dialogs.files << path;
    main().menuLoadConfiguration->trigger();
    kx::test::settle();
    QCOMPARE(f->dialogs.messages, QStringList{QStringLiteral("File loaded successfully: ") + path});
    settle();
    QCOMPARE(shown(window), saved_view);
    for (int i = 0; i < window.description().pot_count; ++i)
        QCOMPARE(pedal.parameter_word(effect.address_of(i)), quint32(saved[i]) * 8192u);

    // Every value of the file went to the pedal, the switch included: reading the pedal again
    // gives the file's values back.
    main().btnRequest->click();
    kx::test::settle();
    QCOMPARE(f->dialogs.messages.size(), 1);
    const QList<int> read_back = window.state().values;
    for (int i = 0; i < last_switch_end(window); ++i)
        QCOMPARE(read_back[i], saved[i]);
    const int last = window.control_count() - 1;
    const int options = int(window.description().controls.at(last).options.size());
    QCOMPARE(multi_switch_option_from_value(read_back[last], options),
             multi_switch_option_from_value(saved[last], options));
}

void TestPresets::preset_for_another_effect_uploads_it_data() {
    QTest::addColumn<QString>("route"); // menu, drop or library
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("edits"); // -1: no unstored edit; else the choice made about it
    QTest::addColumn<bool>("uploads");
    const int yes = int(Dialogs::Answer::Yes), no = int(Dialogs::Answer::No);
    QTest::newRow("File > Load, Yes") << "menu" << yes << -1 << true;
    QTest::newRow("dropped, Yes") << "drop" << yes << -1 << true;
    QTest::newRow("Preset Library, Yes") << "library" << yes << -1 << true;
    QTest::newRow("No") << "menu" << no << -1 << false;
    QTest::newRow("box closed") << "menu" << int(Dialogs::Answer::Closed) << -1 << false;
    QTest::newRow("Yes, edits discarded") << "menu" << yes << 2 << true;
    QTest::newRow("Yes, edits kept: Cancel") << "menu" << yes << 3 << false;
    // The pedal runs the preset's effect already, while the window shows another: nothing to
    // ask, no upload; the values go to the pedal and the window shows its effect live.
    QTest::newRow("pedal runs it already") << "menu" << -1 << -1 << true;
}

// The pedal runs Ember Overdrive; a Basalt Fuzz Box preset names its effect and offers the
// upload. Yes leaves the pedal running Basalt Fuzz Box with the preset's values and
// assignments, and the window live on them with no undo step; No (or unstored edits kept)
// sends nothing and leaves everything as it was.
void TestPresets::preset_for_another_effect_uploads_it() {
    QFETCH(QString, route);
    QFETCH(int, answer);
    QFETCH(int, edits);
    QFETCH(bool, uploads);
    delete f;
    f = new EditorFixture;
    f->real_time = true;
    set_documents_folder(f->documents.path());
    f->context = std::make_unique<AppContext>(f->dialogs, f->real_clock);
    f->context->link_options.virtual_pedal = true;
    f->windows = std::make_unique<EditorWindows>(*f->context);
    main().show();
    sim::VirtualPedal& pedal = f->context->link->virtual_pedal()->pedal();
    main().menuConnect->trigger();
    kx::test::settle();
    const bool runs_it = answer < 0;
    open_effect(QStringLiteral("Gain"),
                runs_it ? QStringLiteral("Basalt Fuzz Box") : QStringLiteral("Ember Overdrive"));
    main().btnUpload->click();
    kx::test::settle();
    QVERIFY2(f->dialogs.messages.isEmpty(), qPrintable(f->dialogs.messages.join('\n')));
    QCOMPARE(pedal.running_effect(), runs_it ? 3 : 0x0F);
    TformFXParameters& window = parameters();
    QVERIFY(window.effect_is_live());
    if (runs_it)
        open_effect(QStringLiteral("Gain"), QStringLiteral("Ember Overdrive"));
    if (edits >= 0) {
        QSlider* first = window.findChildren<QSlider*>().first();
        first->setValue(first->value() == 100 ? 101 : 100);
        QVERIFY(window.has_unstored_edits());
        f->dialogs.choices << edits;
    }
    QTest::qWait(30);
    pedal.advance(VirtualPedalDriver::now_us());
    const sim::RunningEffect before = pedal.effect();
    const QStringList view = shown(window);
    pedal.clear_history();
    f->dialogs.confirmations.clear();

    const QList<int> values = {700, 300, 512, 1};
    Preset preset;
    preset.effect_number = 3;
    preset.effect_version = 1;
    preset.values = values;
    preset.control_assignments = {0x00, 0x02, 0xFF, 0x08};
    QDir().mkpath(f->path(kPresetDir));
    const QString path = preset_path(QStringLiteral("basalt.txt"));
    write_file(path, preset_file_bytes(*preset_text(preset)));
    if (!runs_it)
        f->dialogs.answers << Dialogs::Answer(answer);
    if (route == QLatin1String("menu")) {
        f->dialogs.files << path;
        main().menuLoadConfiguration->trigger();
    } else if (route == QLatin1String("drop")) {
        drop_on(main(), path);
    } else {
        main().menuPresetLibrary->trigger();
        kx::test::settle();
        auto* library = main().findChild<TformPresetLibrary*>(QStringLiteral("formPresetLibrary"));
        QVERIFY(library);
        emit library->load_requested(path);
    }
    kx::test::settle();

    QCOMPARE(f->dialogs.confirmations,
             runs_it ? QStringList()
                     : QStringList{"This preset is for \"Basalt Fuzz Box\", but the pedal runs "
                                   "\"Ember Overdrive\".\n\nUpload Basalt Fuzz Box and apply this "
                                   "preset?"});
    QTest::qWait(30);
    pedal.advance(VirtualPedalDriver::now_us());
    if (!uploads) {
        QCOMPARE(pedal.received().size(), 0);
        QCOMPARE(pedal.running_effect(), 0x0F);
        QVERIFY(pedal.effect().parameter_memory == before.parameter_memory);
        QCOMPARE(window.selected_effect_name, QStringLiteral("Ember Overdrive"));
        QCOMPARE(shown(window), view);
        QVERIFY(f->dialogs.messages.isEmpty());
        return;
    }
    QCOMPARE(f->dialogs.messages, QStringList{QStringLiteral("File loaded successfully: ") + path});
    QCOMPARE(pedal.running_effect(), 3);
    for (int i = 0; i < values.size(); ++i)
        QCOMPARE(pedal.parameter_word(pedal.effect().address_of(i)), quint32(values[i]) * 8192u);
    for (int i = 0; i < 4 && !runs_it; ++i)
        QCOMPARE(pedal.assignments().controls[i], preset.control_assignments[i]);
    QCOMPARE(window.selected_effect_name, QStringLiteral("Basalt Fuzz Box"));
    QVERIFY(window.effect_is_live());
    QCOMPARE(window.state().values, values);
    QCOMPARE(window.findChildren<QSlider*>().first()->value(), 700);
    QCOMPARE(window.undo_stack().count(), 0);
    QVERIFY(!window.has_unstored_edits());
}

void TestPresets::hostile_preset_files_data() {
    hostile_files::add_rows();
}

// A pipe, a device, a folder or a huge file chosen as a preset is refused at once with its
// reason, and nothing changes.
void TestPresets::hostile_preset_files() {
    QFETCH(QString, kind);
    QFETCH(QString, refusal);
    open_effect(QStringLiteral("Modulation"), QStringLiteral("Tape Loom Delay"));
    const QStringList view = shown(parameters());
    QDir().mkpath(f->path(kPresetDir));
    const QString path = preset_path(QStringLiteral("hostile.txt"));
    QVERIFY(hostile_files::make(kind, path));
    f->dialogs.files << path;
    const qint64 memory_before = hostile_files::peak_memory_bytes();

    main().menuLoadConfiguration->trigger();
    kx::test::settle();

    QCOMPARE(f->dialogs.messages.size(), 1);
    QVERIFY2(f->dialogs.messages.first().startsWith(QStringLiteral("Error loading file: ") +
                                                    QDir::toNativeSeparators(path) +
                                                    QStringLiteral(": ")),
             qPrintable(f->dialogs.messages.first()));
    QVERIFY2(f->dialogs.messages.first().contains(refusal),
             qPrintable(f->dialogs.messages.first()));
    QVERIFY(hostile_files::peak_memory_bytes() - memory_before < hostile_files::kMemoryBound);
    QCOMPARE(shown(parameters()), view);
}

QTEST_MAIN(TestPresets)
#include "tst_presets.moc"
