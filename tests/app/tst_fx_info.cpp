// The "?" button: every effect's information page, beside the parameters window, with its
// caption and its two log lines.
#include "editor_fixture.h"
#include "support/await.h"

#include "app/Main.h"
#include "library/ui/FXInfo.h"
#include "params/ui/FXParameters.h"

#include <QCoreApplication>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextDocument>

using namespace kx;

namespace {

const QStringList kCategories = {"Gain",    "Modulation",       "Synthesis", "Filter",
                                 "Dynamic", "Impulse Response", "Other"};

struct LogTap : public Log {
    QStringList lines;
    void print_line(const QString& text) override { lines << text; }
    void append_line(const QString& text) override { lines << text; }
};

// With KX_SHOT_DIR set, keeps a picture of a window for a person to look at.
void keep_picture(QWidget& window, const QString& name) {
    const QString folder = qEnvironmentVariable("KX_SHOT_DIR");
    if (!folder.isEmpty())
        window.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

} // namespace

class TestFXInfo : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void every_effect_has_its_page_data();
    void every_effect_has_its_page();
    void follows_the_parameters_window();
    void shows_the_effect_clicked_last();
    void loads_nothing_from_outside();
    void missing_page_is_reported();

private:
    TformMain& main() { return f->main(); }
    TformFXInfo& info() { return *f->windows->formFXInfo; }
    TformFXParameters& parameters() { return *f->windows->formFXParameters; }
    void click_category(const QString& caption);
    void click_effect(const QString& name);
    QPoint beside_parameters() const;

    EditorFixture* f = nullptr;
    LogTap tap;
};

void TestFXInfo::init() {
    f = new EditorFixture;
    f->start();
    tap.lines.clear();
}

void TestFXInfo::cleanup() {
    delete f;
    f = nullptr;
}

void TestFXInfo::click_category(const QString& caption) {
    const auto items = main().lstCategory->findItems(caption, Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    emit main().lstCategory->itemClicked(items.first());
    f->dialogs.messages.clear(); // the Impulse Response how-to
}

void TestFXInfo::click_effect(const QString& name) {
    const auto items = main().lstEffects->findItems(name, Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    emit main().lstEffects->itemClicked(items.first());
}

// Beside the parameters window, or moved left just enough for its client area to show whole.
QPoint TestFXInfo::beside_parameters() const {
    const QRect frame = f->windows->formFXParameters->frameGeometry();
    const QRect area = f->windows->formFXInfo->screen()->availableGeometry();
    // Its whole frame, right border included, inside the screen.
    const QRect info_frame = f->windows->formFXInfo->frameGeometry();
    const int inside = area.right() + 1 - info_frame.width();
    return {std::min(frame.x() + frame.width(), inside), frame.y()};
}

void TestFXInfo::every_effect_has_its_page_data() {
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("effect");
    ScriptedDialogs dialogs;
    const ResourceStore store;
    for (const QString& category : kCategories) {
        const auto resource = store.read_file_from_stream(format_resource_name(category));
        QVERIFY(resource.ok());
        for (const QString& effect : *resource)
            QTest::newRow(qPrintable(effect)) << category << effect;
    }
}

// The page is the resource with its line breaks taken out, logged whole, then the path line.
void TestFXInfo::every_effect_has_its_page() {
    QFETCH(QString, category);
    QFETCH(QString, effect);
    click_category(category);
    click_effect(effect);
    parameters().move(420, 60);
    f->context->log.set_target(&tap);

    main().btnGetFXInfo->click();
    kx::test::settle();

    QCOMPARE(f->dialogs.messages, QStringList());
    QVERIFY(info().isVisible());
    QCOMPARE(info().windowTitle(), effect + QStringLiteral(" information"));
    QCOMPARE(info().frameGeometry().topLeft(), beside_parameters());
    QCOMPARE(info().size(), QSize(335, 480));
    const QByteArray raw = f->context->store.raw(format_resource_name(effect) + "_info").value();
    const QString page =
        QString::fromLatin1(raw).remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    QCOMPARE(tap.lines.size(), 2);
    QCOMPARE(tap.lines.at(0), page);
    QCOMPARE(tap.lines.at(1), QCoreApplication::applicationDirPath() + QLatin1Char('/') + effect +
                                  QStringLiteral("-info.html"));
    const QString shown = info().WebBrowser1->toPlainText();
    QVERIFY2(shown.contains(QLatin1String("INPUT:")) && shown.contains(QLatin1String("OUTPUT:")),
             qPrintable(shown.left(200)));
    if (effect == QLatin1String("Tape Loom Delay"))
        keep_picture(info(), QStringLiteral("fx-info-tape-loom"));
}

// A second click shows the page again beside the parameters window, wherever it now is.
void TestFXInfo::follows_the_parameters_window() {
    click_category(QStringLiteral("Gain"));
    click_effect(QStringLiteral("Basalt Fuzz Box"));
    parameters().move(420, 60);
    main().btnGetFXInfo->click();
    kx::test::settle();
    const QPoint first = info().frameGeometry().topLeft();
    QCOMPARE(first, beside_parameters());
    main().btnGetFXInfo->click();
    kx::test::settle();
    QCOMPARE(info().frameGeometry().topLeft(), first);
    QVERIFY(info().isVisible());

    parameters().move(40, 200);
    QCOMPARE(info().frameGeometry().topLeft(), first); // it moves only with the next click
    main().btnGetFXInfo->click();
    kx::test::settle();
    QCOMPARE(info().frameGeometry().topLeft(), beside_parameters());
    QVERIFY(info().frameGeometry().topLeft() != first);
}

// "?" stays enabled after a category click and shows the effect clicked last.
void TestFXInfo::shows_the_effect_clicked_last() {
    QVERIFY(!main().btnGetFXInfo->isEnabled());
    click_category(QStringLiteral("Modulation"));
    click_effect(QStringLiteral("Tape Loom Delay"));
    click_category(QStringLiteral("Other"));
    QVERIFY(main().btnGetFXInfo->isEnabled());
    main().btnGetFXInfo->click();
    kx::test::settle();
    QCOMPARE(info().windowTitle(), QStringLiteral("Tape Loom Delay information"));
    QVERIFY(info().WebBrowser1->toPlainText().contains(QLatin1String("tape")));
}

// The Arpeggio Synth page refers to a picture by a relative address: even with such a file in
// the working folder, the page is shown without it.
void TestFXInfo::loads_nothing_from_outside() {
    QTemporaryDir folder;
    QImage picture(30, 10, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(folder.filePath(QStringLiteral("arpeggio_steps.png"))));
    const QString was = QDir::currentPath();
    QDir::setCurrent(folder.path());

    click_category(QStringLiteral("Synthesis"));
    click_effect(QStringLiteral("Arpeggio Synth"));
    main().btnGetFXInfo->click();
    kx::test::settle();
    info().grab(); // lays the page out, pictures included
    const QVariant loaded = info().WebBrowser1->document()->resource(
        QTextDocument::ImageResource, QUrl(QStringLiteral("arpeggio_steps.png")));
    QDir::setCurrent(was);
    QVERIFY(info().WebBrowser1->toHtml().contains(QLatin1String("arpeggio_steps.png")));
    QVERIFY(loaded.value<QImage>().size() != picture.size());
    QVERIFY(!loaded.value<QByteArray>().startsWith("\x89PNG"));
    keep_picture(info(), QStringLiteral("fx-info-arpeggio"));
}

void TestFXInfo::missing_page_is_reported() {
    click_category(QStringLiteral("Gain"));
    click_effect(QStringLiteral("Basalt Fuzz Box"));
    main().btnGetFXInfo->click();
    kx::test::settle();
    const QString page = info().WebBrowser1->toPlainText();
    info().close();
    f->context->selection.selected_effect_name = QStringLiteral("No Such Effect");

    main().btnGetFXInfo->click();
    kx::test::settle();

    QCOMPARE(f->dialogs.messages.size(), 1);
    QVERIFY2(f->dialogs.messages.first().startsWith(QLatin1String("Error loading resource: ")),
             qPrintable(f->dialogs.messages.first()));
    QVERIFY(!info().isVisible());
    QCOMPARE(info().windowTitle(), QStringLiteral("Basalt Fuzz Box information"));
    QCOMPARE(info().WebBrowser1->toPlainText(), page);
}

QTEST_MAIN(TestFXInfo)
#include "tst_fx_info.moc"
