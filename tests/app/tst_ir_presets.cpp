// Impulse responses that last, through the real windows offscreen: a preset of an impulse
// response effect saved with its response beside it, loaded after a restart onto the served
// virtual pedal with the same image; the last imports offered again; a response missing or
// damaged named while the values still load; and the Preset Library keeping each pair
// together through copy, rename and delete.
#include "editor_fixture.h"
#include "support/await.h"

#include "../ir/ir_fixtures.h"

#include "app/Main.h"
#include "app/PresetLibrary.h"
#include "base/log.h"
#include "ir/ir_import.h"
#include "ir/ir_response.h"
#include "ir/ir_targets.h"
#include "ir/ui/ImpulseResponse.h"
#include "library/effect_image.h"
#include "library/resource_store.h"
#include "link/drivers/virtual_pedal_driver.h"
#include "params/preset_file.h"
#include "params/preset_library.h"
#include "session/pedal_session.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

using namespace kx;

namespace {

const QString kCabinet = QStringLiteral("cabinet-like-24bit-mono-48k.wav");
const QString kBasic = QStringLiteral("Basic IR Loader");
const QString kPresetDir = QStringLiteral("NORVA/Kestrel X/Preset/");

// The editor as `--virtual-pedal` starts it, connected, with Basic IR Loader chosen; restart()
// ends the run and starts a new one, with a new pedal, on the same Documents folder.
struct Rig {
    Rig() { start(); }
    void start() {
        f.real_time = true;
        set_documents_folder(f.documents.path());
        f.context = std::make_unique<AppContext>(f.dialogs, f.real_clock);
        f.context->link_options.virtual_pedal = true;
        f.windows = std::make_unique<EditorWindows>(*f.context);
        w().show();
        w().menuConnect->trigger();
        kx::test::settle();
        f.choose_effect(QString::fromLatin1(kImpulseResponseCategory), kBasic);
        f.dialogs.messages.clear(); // the category's how-to
    }
    void restart() {
        f.stop();
        start();
    }
    TformMain& w() { return f.main(); }
    TformImpulseResponse& ir_window() { return *f.windows->formImpulseResponse; }
    PedalSession& session() { return *f.context->link->session; }
    sim::VirtualPedal& pedal() { return f.context->link->virtual_pedal()->pedal(); }
    // Waits, with a limit a loaded machine meets, until the pedal has taken every byte sent.
    void pedal_done() {
        kx::test::settle();
        QTRY_VERIFY_WITH_TIMEOUT(
            (pedal().advance(VirtualPedalDriver::now_us()), pedal().unreceived_host_bytes() == 0),
            20000);
        kx::test::settle();
    }
    void load_ir(const QString& fixture) {
        f.dialogs.files << ir_fixtures::path(fixture);
        w().menuLoadIR->trigger();
        kx::test::settle();
    }
    void upload() {
        w().btnUpload->click();
        pedal_done();
    }
    QString imported() { return session().ir_image(kBasic); }
    // The coefficient table the pedal plays.
    QList<qint32> pedal_table() {
        const IrTarget target = *ir_target_for(kBasic);
        const int first = (target.first_byte - kParameterWordsOffset) / kParameterWordBytes;
        QList<qint32> words;
        for (int i = 0; i < target.word_count; ++i)
            words << qint32(pedal().parameter_word(first + i));
        return words;
    }
    QString preset_path(const QString& name) { return f.path(kPresetDir + name); }

    EditorFixture f;
};

QList<qint32> table_of(const QString& image) {
    const IrTarget target = *ir_target_for(kBasic);
    QList<qint32> words;
    for (int i = 0; i < target.word_count; ++i)
        words << coefficient_value(QStringView(image).mid(target.head_chars() + 8 * i, 8));
    return words;
}

QString last_message(const ScriptedDialogs& dialogs) {
    return dialogs.messages.isEmpty() ? QString() : dialogs.messages.last();
}

IrResponse canonical_response(int samples = 912) {
    ResourceStore store;
    NullLog log;
    const QByteArray bytes = ir_fixtures::read(ir_fixtures::kCanonical);
    MemorySource file(bytes);
    const auto imported = import_ir({QStringLiteral("cab.wav"), file, kBasic}, store, log,
                                    [](const QString&) { return false; });
    IrResponse response = response_of_import(imported.value(), kBasic, QStringLiteral("cab.wav"),
                                             {}, QDateTime::currentDateTimeUtc());
    response.samples.resize(samples);
    return response;
}

QByteArray preset_bytes(int number, const QList<int>& values) {
    Preset preset;
    preset.effect_number = number;
    preset.effect_version = 1;
    preset.values = values;
    return preset_file_bytes(*preset_text(preset));
}

} // namespace

class TestIrPresets : public QObject {
    Q_OBJECT
private slots:
    void preset_keeps_its_response_across_a_restart();
    void response_missing_or_damaged_values_still_load_data();
    void response_missing_or_damaged_values_still_load();
    void library_keeps_each_pair_together();
};

void TestIrPresets::preset_keeps_its_response_across_a_restart() {
    Rig rig;
    rig.ir_window().chkTrim->setChecked(true);
    rig.ir_window().chkFade->setChecked(true);
    rig.ir_window().cmbFadeLength->setCurrentIndex(rig.ir_window().cmbFadeLength->findData(5.0));
    rig.load_ir(kCabinet);
    QVERIFY2(rig.f.dialogs.messages.isEmpty(), qPrintable(last_message(rig.f.dialogs)));
    QVERIFY(rig.ir_window().lblSummary->text().contains(
        QLatin1String("Faded out over the last 5.0 ms (240 samples)")));
    const QString image = rig.imported();
    QVERIFY(!image.isEmpty());
    rig.upload();
    QCOMPARE(rig.w().lblStatus->text(), QStringLiteral("Upload complete"));
    QCOMPARE(rig.pedal_table(), table_of(image));

    // Saved: the preset file as it always was, its response beside it.
    const QString path = rig.preset_path(QStringLiteral("Cabinet.txt"));
    rig.f.dialogs.files << path;
    rig.w().menuSaveConfiguration->trigger();
    kx::test::settle();
    QCOMPARE(last_message(rig.f.dialogs),
             QStringLiteral("File saved successfully: %1\n\nIts impulse response \"%2\" is saved "
                            "beside it: Cabinet.wav")
                 .arg(path, kCabinet));
    const PedalEffect& effect = rig.session().effect();
    const auto preset = preset_from_state(effect.number, effect.version, rig.session().state(),
                                          effect.control_count(), effect.readback_count());
    QCOMPARE(rig.f.read(kPresetDir + "Cabinet.txt"), preset_file_bytes(*preset_text(*preset)));
    QVERIFY(QFile::exists(rig.preset_path(QStringLiteral("Cabinet.wav"))));

    // A new run, a new pedal that runs nothing: loading the preset imports its response and
    // offers the upload of its effect, which then plays the same table.
    rig.restart();
    QVERIFY(rig.imported().isEmpty());
    QCOMPARE(rig.pedal().running_effect(), 0);
    rig.f.dialogs.messages.clear();
    rig.f.dialogs.confirmations.clear();
    rig.f.dialogs.files << path;
    rig.w().menuLoadConfiguration->trigger();
    rig.pedal_done();
    QTRY_VERIFY_WITH_TIMEOUT(!rig.f.dialogs.messages.isEmpty(), 20000);
    QCOMPARE(last_message(rig.f.dialogs),
             QStringLiteral("File loaded successfully: %1\n\nIts impulse response \"%2\" is "
                            "imported: an upload of \"Basic IR Loader\" sends it.")
                 .arg(path, kCabinet));
    QVERIFY2(rig.f.dialogs.confirmations.join('\n').contains(
                 QLatin1String("Upload Basic IR Loader and apply this preset?")),
             qPrintable(rig.f.dialogs.confirmations.join('\n')));
    QCOMPARE(rig.imported(), image);
    QCOMPARE(rig.pedal_table(), table_of(image));
    QCOMPARE(rig.session().state().values.first(preset->control_count()), preset->values);

    // The import itself is kept too: offered in the IR window after a restart, and taken again
    // with the same image.
    rig.restart();
    rig.w().menuLoadIR->trigger(); // the file dialog cancelled
    kx::test::settle();
    QVERIFY(rig.ir_window().isVisible());
    QVERIFY(rig.ir_window().kept_import_count() >= 1);
    QVERIFY2(rig.ir_window().cmbKeptImports->itemText(0).contains(QLatin1String("trimmed")),
             qPrintable(rig.ir_window().cmbKeptImports->itemText(0)));
    rig.ir_window().cmbKeptImports->setCurrentIndex(0);
    rig.ir_window().btnUseKeptImport->click();
    kx::test::settle();
    QCOMPARE(rig.imported(), image);
    QVERIFY(rig.ir_window().lblSummary->text().contains(QLatin1String("Kept import: ")));

    // Or Upload at once: the last import is offered, and that answer is the upload's too.
    rig.restart();
    rig.f.dialogs.confirmations.clear();
    rig.upload();
    QCOMPARE(rig.f.dialogs.confirmations.size(), 1);
    QVERIFY2(rig.f.dialogs.confirmations.first().startsWith(
                 QStringLiteral("No impulse response has been loaded for \"Basic IR Loader\" "
                                "since the editor started. Upload it with the last one "
                                "imported, \"%1\"")
                     .arg(kCabinet)),
             qPrintable(rig.f.dialogs.confirmations.first()));
    QCOMPARE(rig.w().lblStatus->text(), QStringLiteral("Upload complete"));
    QCOMPARE(rig.pedal_table(), table_of(image));
}

void TestIrPresets::response_missing_or_damaged_values_still_load_data() {
    QTest::addColumn<QString>("response"); // what lies beside the preset
    QTest::addColumn<QString>("note");
    QTest::newRow("none") << "none"
                          << "Its impulse response (Test.wav) is missing: the values are loaded";
    QTest::newRow("damaged") << "garbage"
                             << "Its impulse response cannot be used: ";
    QTest::newRow("too short") << "short"
                               << "needs 912";
    QTest::newRow("good, upload declined") << "good"
                                           << "Its impulse response \"cab.wav\" is imported";
}

// The pedal runs the preset's effect: its values go to it whatever lies beside the preset; a
// good response is offered as an upload (declined here), a missing or damaged one named.
void TestIrPresets::response_missing_or_damaged_values_still_load() {
    QFETCH(QString, response);
    QFETCH(QString, note);
    Rig rig;
    rig.load_ir(kCabinet);
    rig.upload();
    const QString image = rig.imported();
    const PedalEffect& effect = rig.session().effect();
    auto preset = preset_from_state(effect.number, effect.version, rig.session().state(),
                                    effect.control_count(), effect.readback_count());
    QVERIFY(preset.ok());
    preset->values[0] = preset->values[0] == 500 ? 501 : 500;
    rig.f.write(kPresetDir + "Test.txt", preset_file_bytes(*preset_text(*preset)));
    const QString wav = kPresetDir + "Test.wav";
    if (response == QLatin1String("garbage"))
        rig.f.write(wav, "RIFF\x10\0\0\0WAVEfmt nothing");
    else if (response == QLatin1String("short"))
        rig.f.write(wav, response_wav_bytes(canonical_response(100)).value());
    else if (response == QLatin1String("good"))
        rig.f.write(wav, response_wav_bytes(canonical_response()).value());

    rig.f.dialogs.messages.clear();
    rig.f.dialogs.answers << Dialogs::Answer::No; // the upload with the response
    rig.f.dialogs.files << rig.preset_path(QStringLiteral("Test.txt"));
    rig.w().menuLoadConfiguration->trigger();
    rig.pedal_done();
    QTRY_VERIFY_WITH_TIMEOUT(!rig.f.dialogs.messages.isEmpty(), 20000);
    const QString message = last_message(rig.f.dialogs);
    QVERIFY2(message.startsWith(QLatin1String("File loaded successfully: ")), qPrintable(message));
    QVERIFY2(message.contains(note), qPrintable(message));
    QCOMPARE(rig.session().state().values.first(preset->control_count()), preset->values);
    // Nothing was uploaded: the pedal plays the table it had.
    QCOMPARE(rig.pedal_table(), table_of(image));
    const bool offered = rig.f.dialogs.confirmations.join('\n').contains(
        QLatin1String("keeps its impulse response \"cab.wav\" beside it"));
    QCOMPARE(offered, response == QLatin1String("good"));
}

void TestIrPresets::library_keeps_each_pair_together() {
    EditorFixture f;
    f.start();
    const EffectCatalogue catalogue = catalogue_from_store(f.context->store);
    const int basic = catalogue.names.key(kBasic);
    const int fuzz = catalogue.names.key(QStringLiteral("Basalt Fuzz Box"));
    const QByteArray response = response_wav_bytes(canonical_response()).value();
    f.write(kPresetDir + "Cab.txt", preset_bytes(basic, {1, 2}));
    f.write(kPresetDir + "Cab.wav", response);
    f.write(kPresetDir + "Lost.txt", preset_bytes(basic, {1, 2}));
    f.write(kPresetDir + "Broken.txt", preset_bytes(basic, {1, 2}));
    f.write(kPresetDir + "Broken.wav", "not a WAV file");
    f.write(kPresetDir + "Short.txt", preset_bytes(basic, {1, 2}));
    f.write(kPresetDir + "Short.wav", response_wav_bytes(canonical_response(100)).value());
    f.write(kPresetDir + "Crunch.txt", preset_bytes(fuzz, {1, 2, 3, 4}));

    f.main().findChild<QAction*>(QStringLiteral("menuPresetLibrary"))->trigger();
    kx::test::settle();
    auto* library = f.main().findChild<TformPresetLibrary*>(QStringLiteral("formPresetLibrary"));
    QVERIFY(library);
    QTRY_VERIFY(!library->scanning());
    const auto response_text = [library](const QString& name) {
        const auto rows =
            library->lstPresets->findItems(name, Qt::MatchExactly, TformPresetLibrary::ColumnName);
        return rows.size() == 1 ? rows.first()->text(TformPresetLibrary::ColumnResponse)
                                : QStringLiteral("<no row>");
    };
    QCOMPARE(response_text("Cab"), QStringLiteral("cab.wav"));
    QCOMPARE(response_text("Lost"), QStringLiteral("Missing"));
    QCOMPARE(response_text("Crunch"), QString());
    QVERIFY2(response_text("Broken").startsWith(QLatin1String("Damaged: ")),
             qPrintable(response_text("Broken")));
    QCOMPARE(response_text("Short"),
             QStringLiteral("Damaged: it holds 100 samples, Basic IR Loader needs 912"));

    const auto choose = [library](const QString& name) {
        library->lstPresets->setCurrentItem(library->lstPresets->findItems(
            name, Qt::MatchExactly, TformPresetLibrary::ColumnName)[0]);
    };
    const auto exists = [&f](const QString& name) {
        return QFile::exists(f.path(kPresetDir + name));
    };

    // Copy: both files, under a free name, the copy chosen.
    choose("Cab");
    library->btnCopyPreset->click();
    QVERIFY(exists("Cab copy.txt") && exists("Cab copy.wav"));
    QCOMPARE(f.read(kPresetDir + "Cab copy.wav"), response);
    QTRY_COMPARE(response_text("Cab copy"), QStringLiteral("cab.wav"));

    // Rename: both; refused, with both left, when the response's new name is taken.
    f.write(kPresetDir + "Taken.wav", "a stray response");
    choose("Cab copy");
    const auto copy = library->lstPresets->findItems("Cab copy", Qt::MatchExactly, 0)[0];
    QVERIFY(!library->rename_row(copy, QStringLiteral("Taken")));
    QVERIFY2(last_message(f.dialogs).contains(QLatin1String("\"Taken.wav\" exists already")),
             qPrintable(last_message(f.dialogs)));
    QVERIFY(exists("Cab copy.txt") && exists("Cab copy.wav") && !exists("Taken.txt"));
    QVERIFY(library->rename_row(copy, QStringLiteral("Cab Two")));
    QVERIFY(exists("Cab Two.txt") && exists("Cab Two.wav"));
    QVERIFY(!exists("Cab copy.txt") && !exists("Cab copy.wav"));

    // Delete: both, and the question says so; a preset alone is asked about as before.
    QTRY_VERIFY(!library->lstPresets->findItems("Cab Two", Qt::MatchExactly, 0).isEmpty());
    choose("Cab Two");
    library->btnDeletePreset->click();
    QCOMPARE(f.dialogs.confirmations.last(),
             QStringLiteral("Delete the preset \"Cab Two\" and its impulse response? Both files "
                            "are removed from the preset folder."));
    QVERIFY(!exists("Cab Two.txt") && !exists("Cab Two.wav"));
    choose("Lost");
    library->btnDeletePreset->click();
    QVERIFY(f.dialogs.confirmations.last().startsWith(
        QLatin1String("Delete the preset \"Lost\"? The file is removed")));
    QVERIFY(!exists("Lost.txt"));
    QVERIFY(exists("Cab.txt") && exists("Cab.wav") && exists("Taken.wav"));
}

QTEST_MAIN(TestIrPresets)
#include "tst_ir_presets.moc"
