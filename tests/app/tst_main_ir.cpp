// "Load IR" through the real windows, offscreen, against the in-process virtual pedal with real
// timing: a WAV file imported into each impulse response effect, uploaded, and found in the
// pedal's parameter memory.
#include "editor_fixture.h"
#include "support/await.h"
#include "support/hostile_files.h"

#include "../ir/ir_fixtures.h"

#include "app/Main.h"
#include "ir/ir_targets.h"
#include "ir/ui/ImpulseResponse.h"
#include "library/effect_image.h"
#include "link/drivers/virtual_pedal_driver.h"
#include "session/pedal_session.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

using namespace kx;

namespace {

const QString kCabinet = QStringLiteral("cabinet-like-24bit-mono-48k.wav");

// The editor as `--virtual-pedal` starts it, connected, with the Impulse Response category open.
struct Rig {
    Rig() {
        f.real_time = true;
        set_documents_folder(f.documents.path());
        f.context = std::make_unique<AppContext>(f.dialogs, f.real_clock);
        f.context->link_options.virtual_pedal = true;
        f.windows = std::make_unique<EditorWindows>(*f.context);
        w().show();
        w().menuConnect->trigger();
        kx::test::settle();
        click(w().lstCategory, QString::fromLatin1(kImpulseResponseCategory));
        f.dialogs.messages.clear(); // the category's how-to
    }
    TformMain& w() { return f.main(); }
    TformImpulseResponse& ir_window() { return *f.windows->formImpulseResponse; }
    sim::VirtualPedal& pedal() { return f.context->link->virtual_pedal()->pedal(); }
    void click(QListWidget* list, const QString& text) {
        const auto items = list->findItems(text, Qt::MatchExactly);
        QVERIFY2(items.size() == 1, qPrintable(text));
        emit list->itemClicked(items.first());
    }
    void load_ir(const QString& fixture) {
        f.dialogs.files << ir_fixtures::path(fixture);
        w().menuLoadIR->trigger();
        kx::test::settle();
    }
    void upload() {
        w().btnUpload->click();
        kx::test::settle();
        // The in-process pedal runs only when asked: wait, with a limit a loaded machine
        // meets, until it has taken in every byte sent to it.
        QTRY_VERIFY_WITH_TIMEOUT(
            (pedal().advance(VirtualPedalDriver::now_us()), pedal().unreceived_host_bytes() == 0),
            20000);
    }
    // The impulse response image imported for the selected effect.
    QString imported() {
        return f.context->link->session->ir_image(f.context->selection.selected_effect_name);
    }
    QString resource_image(const QString& effect) {
        return f.context->store.read_file_from_stream(format_resource_name(effect))->value(0);
    }

    EditorFixture f;
};

// With KX_SHOT_DIR set, keeps a picture of a window for a person to look at.
void keep_picture(QWidget& window, const QString& name) {
    const QString folder = qEnvironmentVariable("KX_SHOT_DIR");
    if (!folder.isEmpty())
        window.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

QString messages(const ScriptedDialogs& dialogs) {
    return dialogs.messages.join(QLatin1Char('\n'));
}

} // namespace

class TestMainIR : public QObject {
    Q_OBJECT
private slots:
    void import_and_upload_data();
    void import_and_upload();
    void refused_or_cancelled_import_keeps_the_image();
    void hostile_files_are_refused_data();
    void hostile_files_are_refused();
};

void TestMainIR::import_and_upload_data() {
    QTest::addColumn<QString>("effect");
    for (const char* effect :
         {"Fenwick + IR Loader", "Halcyon + IR Loader", "Basic IR Loader", "IR Loader + EQ"})
        QTest::newRow(effect) << effect;
}

void TestMainIR::import_and_upload() {
    QFETCH(QString, effect);
    Rig rig;
    rig.click(rig.w().lstEffects, effect);
    QVERIFY(rig.w().menuLoadIR->isEnabled());

    rig.load_ir(kCabinet);
    QVERIFY2(rig.f.dialogs.messages.isEmpty(), qPrintable(messages(rig.f.dialogs)));
    QVERIFY(rig.f.dialogs.confirmations.isEmpty()); // 48 kHz: no question
    QVERIFY(rig.ir_window().isVisible());
    QVERIFY(rig.ir_window().lblSummary->text().startsWith(
        QStringLiteral("Selected file data:\nName: ") + kCabinet));
    const IrTarget target = *ir_target_for(effect);
    const QByteArray file = ir_fixtures::read(kCabinet);
    const QString words =
        convert_ir_samples(bytes_to_hex(file.mid(44)), 24, target.word_count).value();
    const QString resource = rig.resource_image(effect);
    QCOMPARE(rig.imported(),
             resource.left(target.head_chars()) + words + resource.mid(target.rest_from()));
    if (effect == QLatin1String("Basic IR Loader"))
        keep_picture(rig.ir_window(), QStringLiteral("impulse-response-window"));

    rig.upload();
    QVERIFY2(rig.f.dialogs.messages.isEmpty(), qPrintable(messages(rig.f.dialogs)));
    QCOMPARE(rig.w().lblStatus->text(), QStringLiteral("Upload complete"));
    const auto info = parse_effect_image(image_bytes(resource));
    QVERIFY(info.has_value());
    QCOMPARE(rig.pedal().running_effect(), info->effect_number);
    const int first_word = (target.first_byte - kParameterWordsOffset) / kParameterWordBytes;
    for (int i = 0; i < target.word_count; ++i)
        QCOMPARE(qint32(rig.pedal().parameter_word(first_word + i)),
                 coefficient_value(QStringView(words).mid(8 * i, 8)));
}

// A refused file, like a cancelled dialog, leaves the last imported image. The image belongs to
// the effect it was built for: another effect of the category has none to upload, and Basic IR
// Loader uploads it.
void TestMainIR::refused_or_cancelled_import_keeps_the_image() {
    Rig rig;
    rig.click(rig.w().lstEffects, QStringLiteral("Basic IR Loader"));
    rig.load_ir(kCabinet);
    const QString imported = rig.imported();
    QVERIFY(!imported.isEmpty());
    rig.ir_window().hide();

    rig.load_ir(QStringLiteral("truncated.wav"));
    QCOMPARE(rig.f.dialogs.messages.size(), 1);
    QVERIFY2(rig.f.dialogs.messages[0].contains(QLatin1String("cut short")),
             qPrintable(messages(rig.f.dialogs)));
    rig.load_ir(QStringLiteral("no-such-file.wav"));
    QCOMPARE(rig.f.dialogs.messages.size(), 2);
    QVERIFY2(rig.f.dialogs.messages[1].startsWith(QLatin1String("Error loading file: ")),
             qPrintable(messages(rig.f.dialogs)));
    rig.w().menuLoadIR->trigger(); // the dialog cancelled: no file queued
    kx::test::settle();
    QCOMPARE(rig.f.dialogs.messages.size(), 2);
    QCOMPARE(rig.imported(), imported);
    // The window stays to offer the import kept from the first file.
    QVERIFY(rig.ir_window().isVisible());
    QCOMPARE(rig.ir_window().kept_import_count(), 1);

    rig.click(rig.w().lstEffects, QStringLiteral("Fenwick + IR Loader"));
    rig.upload();
    QCOMPARE(rig.f.dialogs.messages.size(), 3);
    QVERIFY2(rig.f.dialogs.messages[2].startsWith(QLatin1String("There is no image to upload")),
             qPrintable(messages(rig.f.dialogs)));
    QCOMPARE(rig.pedal().running_effect(), 0);

    rig.click(rig.w().lstEffects, QStringLiteral("Basic IR Loader"));
    rig.upload();
    QCOMPARE(rig.w().lblStatus->text(), QStringLiteral("Upload complete"));
    const auto basic = parse_effect_image(image_bytes(rig.resource_image("Basic IR Loader")));
    QCOMPARE(rig.pedal().running_effect(), basic->effect_number);
}

void TestMainIR::hostile_files_are_refused_data() {
    hostile_files::add_rows();
}

// A pipe, a device or a folder chosen as the WAV file is refused unopened; a huge file is
// refused by its first bytes. Nothing is imported and memory stays as it was.
void TestMainIR::hostile_files_are_refused() {
    QFETCH(QString, kind);
    QFETCH(QString, refusal);
    Rig rig;
    rig.click(rig.w().lstEffects, QStringLiteral("Basic IR Loader"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hostile.wav"));
    QVERIFY(hostile_files::make(kind, path));
    rig.f.dialogs.files << path;
    const qint64 memory_before = hostile_files::peak_memory_bytes();
    rig.w().menuLoadIR->trigger();
    kx::test::settle();

    QCOMPARE(rig.f.dialogs.messages.size(), 1);
    const QString& message = rig.f.dialogs.messages.first();
    if (kind.contains(QLatin1String("sparse"))) {
        // Within the size a WAV file can have, but not one.
        QVERIFY2(message.contains(QLatin1String("not a WAV file")), qPrintable(message));
    } else {
        QVERIFY2(message.startsWith(QStringLiteral("Error loading file: ") + path +
                                    QStringLiteral(": ")),
                 qPrintable(message));
        QVERIFY2(message.contains(refusal), qPrintable(message));
    }
    QVERIFY(hostile_files::peak_memory_bytes() - memory_before < hostile_files::kMemoryBound);
    QVERIFY(rig.imported().isEmpty());
    QVERIFY(!rig.ir_window().isVisible());
}

QTEST_MAIN(TestMainIR)
#include "tst_main_ir.moc"
