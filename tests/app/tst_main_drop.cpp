// Files dropped onto the main window: a preset loads into the open effect, a WAV file goes
// into the selected impulse response effect, anything else is refused with the reason.
#include "editor_fixture.h"

#include "../ir/ir_fixtures.h"

#include "app/Main.h"
#include "params/preset_file.h"
#include "params/ui/FXParameters.h"

#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QUrl>

using namespace kx;

namespace {

const QString kCabinet = QStringLiteral("cabinet-like-24bit-mono-48k.wav");

// Drops the files on the main window as a file manager would; returns whether it was taken.
bool drop(QWidget& window, const QStringList& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(10, 40), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent event(QPointF(10, 40), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &event);
    return event.isAccepted();
}

} // namespace

class TestMainDrop : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void preset_loads();
    void wav_goes_into_the_impulse_response_effect();
    void refused_drops_data();
    void refused_drops();

private:
    void open_effect(const QString& category, const QString& name);

    EditorFixture* f = nullptr;
};

void TestMainDrop::init() {
    f = new EditorFixture;
    f->start();
}

void TestMainDrop::cleanup() {
    delete f;
    f = nullptr;
}

void TestMainDrop::open_effect(const QString& category, const QString& name) {
    TformMain& main = f->main();
    emit main.lstCategory->itemClicked(
        main.lstCategory->findItems(category, Qt::MatchExactly).value(0));
    emit main.lstEffects->itemClicked(main.lstEffects->findItems(name, Qt::MatchExactly).value(0));
    QVERIFY(f->windows->formFXParameters->isVisible());
    f->dialogs.messages.clear();
}

void TestMainDrop::preset_loads() {
    open_effect(QStringLiteral("Modulation"), QStringLiteral("Tape Loom Delay"));
    Preset preset;
    preset.effect_number = 0x1F;
    preset.effect_version = 1;
    preset.values = QList<int>(8, 640);
    const QString path = f->path(QStringLiteral("dropped.txt"));
    f->write(QStringLiteral("dropped.txt"), preset_file_bytes(*preset_text(preset)));

    QVERIFY(drop(f->main(), {path}));
    QCOMPARE(f->windows->formFXParameters->state().values, QList<int>(8, 640));
    QCOMPARE(f->dialogs.messages.size(), 1);
    QVERIFY(f->dialogs.messages.first().startsWith("File loaded successfully: "));
}

void TestMainDrop::wav_goes_into_the_impulse_response_effect() {
    open_effect(QStringLiteral("Impulse Response"), QStringLiteral("Basic IR Loader"));
    QVERIFY(drop(f->main(), {ir_fixtures::path(kCabinet)}));
    QVERIFY2(f->dialogs.messages.isEmpty(), qPrintable(f->dialogs.messages.join('\n')));
    QVERIFY(!f->context->link->session->ir_image(QStringLiteral("Basic IR Loader")).isEmpty());
    QVERIFY(f->windows->formImpulseResponse->isVisible());
}

void TestMainDrop::refused_drops_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("message");
    const QString wav = ir_fixtures::path(kCabinet);
    QTest::newRow("WAV for an effect without an impulse response")
        << QStringList{wav}
        << "A WAV file goes into an impulse response effect. Choose one of these in the "
           "\"Impulse Response\" category first, then drop the file again: Fenwick + IR Loader, "
           "Halcyon + IR Loader, Basic IR Loader, IR Loader + EQ.";
    QTest::newRow("neither preset nor WAV")
        << QStringList{QStringLiteral("/tmp/picture.png")}
        << "\"picture.png\" is neither a preset (.txt) nor a WAV file (.wav): nothing was loaded.";
    QTest::newRow("two files") << QStringList{wav, wav}
                               << "Drop one file at a time: 2 files were dropped.";
}

void TestMainDrop::refused_drops() {
    QFETCH(QStringList, files);
    QFETCH(QString, message);
    open_effect(QStringLiteral("Modulation"), QStringLiteral("Tape Loom Delay"));
    const QList<int> before = f->windows->formFXParameters->state().values;
    drop(f->main(), files);
    QCOMPARE(f->dialogs.messages, QStringList{message});
    QVERIFY(f->context->link->session->ir_image(QStringLiteral("Tape Loom Delay")).isEmpty());
    QCOMPARE(f->windows->formFXParameters->state().values, before);
}

QTEST_MAIN(TestMainDrop)
#include "tst_main_drop.moc"
