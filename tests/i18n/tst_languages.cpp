// The editor in each of its languages: every window shows its texts whole, a change of language
// applies to the open windows at once, the choice is remembered, and the command line keeps
// its JSON and exit codes whatever the language.
#include "app/EditorMemory.h"
#include "app/Main.h"
#include "app/editor_fixture.h"
#include "base/translation.h"
#include "firmware/ui/FirmwareUpgrade.h"
#include "ir/ui/ImpulseResponse.h"
#include "link/drivers/virtual_pedal_driver.h"
#include "params/ui/FXParameters.h"
#include "sim/virtual_pedal.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QtTest>

using namespace kx;

namespace {

// Every language the editor has, and English (no translation).
QStringList language_codes() {
    QStringList codes{QStringLiteral("en")};
    for (const Language& language : kLanguages)
        codes << QLatin1String(language.code);
    return codes;
}

QString where(const QWidget* widget) {
    return widget->window()->objectName() + QLatin1Char('/') + widget->objectName();
}

// The mnemonic letter of a caption ("&File" -> 'f'), none for a caption without one.
QChar mnemonic(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] != QLatin1Char('&'))
            return caption[i + 1].toLower();
        ++i;
    }
    return {};
}

// What does not fit in `window`: a one-line label or a button whose text is wider than the room
// it has, a word-wrapped label taller than its place, a menu bar with a menu behind its edge.
// A label that elides its text and carries the whole text as its tool tip is no fault.
QStringList cut_texts(QWidget* window) {
    QStringList cut;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (!widget->isVisibleTo(window) || widget->window() != window || widget->width() <= 0)
            continue;
        const QFontMetrics metrics = widget->fontMetrics();
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            const QString text = label->text();
            if (text.isEmpty() || label->pixmap().cacheKey() != 0)
                continue;
            const QRect room = label->contentsRect();
            if (label->wordWrap()) {
                if (label->heightForWidth(label->width()) > label->height() + 1)
                    cut << QStringLiteral("%1: \"%2\" needs %3 px of height, has %4")
                               .arg(where(label), text)
                               .arg(label->heightForWidth(label->width()))
                               .arg(label->height());
                continue;
            }
            if (label->inherits("kx::ElidingLabel") && !label->toolTip().isEmpty())
                continue;
            if (label->textFormat() == Qt::RichText ||
                (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text)))
                continue; // laid out by the label's document, which wraps by itself
            int widest = 0;
            const QStringList lines = text.split(QLatin1Char('\n'));
            for (const QString& line : lines)
                widest = std::max(
                    widest, metrics.horizontalAdvance(QString(line).remove(QLatin1Char('&'))));
            if (widest > room.width() + 1 || metrics.height() * lines.size() > room.height() + 1)
                cut << QStringLiteral("%1: \"%2\" needs %3 px, has %4 x %5")
                           .arg(where(label), text)
                           .arg(widest)
                           .arg(room.width())
                           .arg(room.height());
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            const QString text = QString(button->text()).remove(QLatin1Char('&'));
            if (text.isEmpty())
                continue;
            int room = button->contentsRect().width();
            if (qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button))
                room -=
                    button->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button) +
                    button->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button);
            if (metrics.horizontalAdvance(text) > room)
                cut << QStringLiteral("%1: \"%2\" needs %3 px, has %4")
                           .arg(where(button), text)
                           .arg(metrics.horizontalAdvance(text))
                           .arg(room);
        } else if (auto* bar = qobject_cast<QMenuBar*>(widget)) {
            const QList<QAction*> menus = bar->actions();
            if (!menus.isEmpty()) {
                const QRect last = bar->actionGeometry(menus.last());
                if (last.isEmpty() || last.right() >= bar->width())
                    cut << where(bar) + QStringLiteral(": the last menu is behind the edge");
            }
        }
    }
    // A menu sizes itself to its items; it only has to stay inside the screen.
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        const int screen = menu->screen()->availableGeometry().width();
        if (menu->sizeHint().width() > screen)
            cut << QStringLiteral("menu %1 is wider than the screen").arg(menu->objectName());
    }
    return cut;
}

// Captions that share a mnemonic within one menu, or within one window's buttons and labels.
QStringList mnemonic_clashes(QWidget* window) {
    QStringList clashes;
    const auto check = [&clashes](const QString& place, const QStringList& captions) {
        QHash<QChar, QString> seen;
        for (const QString& caption : captions) {
            const QChar key = mnemonic(caption);
            if (key.isNull())
                continue;
            if (seen.contains(key))
                clashes << QStringLiteral("%1: \"%2\" and \"%3\" share &%4")
                               .arg(place, seen[key], caption, key);
            seen.insert(key, caption);
        }
    };
    QStringList captions;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window) || widget->window() != window)
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            captions << button->text();
        else if (auto* label = qobject_cast<QLabel*>(widget); label && label->buddy())
            captions << label->text();
    }
    check(window->objectName(), captions);
    QList<QMenu*> menus = window->findChildren<QMenu*>();
    if (auto* bar = window->findChild<QMenuBar*>()) {
        QStringList titles;
        for (QAction* action : bar->actions())
            titles << action->text();
        check(window->objectName() + QStringLiteral(" menu bar"), titles);
    }
    for (QMenu* menu : menus) {
        QStringList items;
        for (QAction* action : menu->actions())
            if (action->isVisible() && !action->isSeparator())
                items << action->text();
        check(menu->objectName(), items);
    }
    return clashes;
}

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { load_language(QStringLiteral("en")); }
    void every_window_fits_in_every_language_data();
    void every_window_fits_in_every_language();
    void language_menu_applies_at_once_and_is_remembered();
    void system_language_data();
    void system_language();
    void command_line_json_and_exit_codes_keep_to_english();
};

void TestLanguages::every_window_fits_in_every_language_data() {
    QTest::addColumn<QString>("code");
    for (const QString& code : language_codes())
        QTest::newRow(qPrintable(code)) << code;
}

// The windows are built in English and then switched, as Settings > Language does; the ones
// opened afterwards are built in the new language. Each one that is open is then checked.
void TestLanguages::every_window_fits_in_every_language() {
    QFETCH(QString, code);
    // Pictures show the windows as a user of that language opens them, from the start.
    const QString shots = qEnvironmentVariable("KX_SCREENSHOTS");
    if (!shots.isEmpty())
        load_language(code);
    EditorFixture f;
    f.start_on_virtual_pedal();
    TformMain& w = f.main();
    w.menuConnect->trigger();
    test::settle();
    // An effect live on the pedal: the parameters window has its rows.
    emit w.lstCategory->itemClicked(
        w.lstCategory->findItems(QStringLiteral("Modulation"), Qt::MatchExactly).value(0));
    emit w.lstEffects->itemClicked(
        w.lstEffects->findItems(QStringLiteral("Tape Loom Delay"), Qt::MatchExactly).value(0));
    w.btnUpload->click();
    test::settle();
    w.btnOpenEffect->click();
    test::settle();
    w.btnRequest->click();
    test::settle();

    const QString english_upload = w.btnUpload->text();
    QCOMPARE(load_language(code), code == QLatin1String("en") ? QString() : code);
    QApplication::processEvents();
    if (code != QLatin1String("en") && shots.isEmpty())
        QVERIFY2(w.btnUpload->text() != english_upload, "the main window stayed in English");

    EditorWindows& windows = *f.windows;
    w.FormKeyDown(); // the log console
    if (w.btnGetFXInfo->isEnabled())
        w.btnGetFXInfo->click();
    test::settle();
    windows.formImpulseResponse->show_howto();
    windows.formNewVersionMsg->show();
    windows.formFirmwareUpgrade->show();
    w.menuDiagnose->trigger();
    test::settle();
    w.menuAssignmentMap->trigger();
    test::settle();
    w.menuPresetLibrary->trigger();
    test::settle();
    QApplication::processEvents();

    QStringList faults;
    int checked = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = window->windowType();
        if (!window->isVisible() || (type != Qt::Window && type != Qt::Dialog))
            continue;
        ++checked;
        faults << cut_texts(window) << mnemonic_clashes(window);
        // KX_SCREENSHOTS=<folder> keeps each window as <folder>/<code>/<window>.png: the
        // pictures of docs/screenshots are taken this way.
        if (!shots.isEmpty()) {
            const QString folder = shots + QLatin1Char('/') + code;
            QDir().mkpath(folder);
            QVERIFY(window->grab().save(folder + QLatin1Char('/') + window->objectName() +
                                        QStringLiteral(".png")));
        }
    }
    QVERIFY2(checked >= 8, qPrintable(QString::number(checked)));
    f.stop();
    for (const QString& fault : faults)
        qWarning("%s", qPrintable(fault));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestLanguages::language_menu_applies_at_once_and_is_remembered() {
    EditorFixture f;
    f.start();
    TformMain& w = f.main();
    const QString english = w.btnOpenEffect->text();
    auto* german = w.menuLanguage->findChild<QAction*>(QStringLiteral("menuLanguage_de"));
    auto* system = w.menuLanguage->findChild<QAction*>(QStringLiteral("menuLanguageSystem"));
    QVERIFY(german && system);
    QCOMPARE(german->text(), QStringLiteral("Deutsch"));
    german->trigger();
    QApplication::processEvents();
    // Captions, menus and accessible names follow without a restart.
    QCOMPARE(w.btnOpenEffect->text(), QStringLiteral("FX öffnen"));
    QCOMPARE(w.menuConnection->title(), QStringLiteral("&Verbindung"));
    QCOMPARE(w.menuConnection->accessibleName(), QStringLiteral("Verbindung"));
    QCOMPARE(w.lstEffects->accessibleName(), QStringLiteral("Effekte"));
    QCOMPARE(EditorMemory().text(memory_key::kLanguage), QStringLiteral("de"));
    // Qt's own buttons follow, through Qt's translations.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    QVERIFY(german->isChecked());
    // The language names itself in any language.
    QCOMPARE(w.menuLanguage->findChild<QAction*>(QStringLiteral("menuLanguage_ja"))->text(),
             QStringLiteral("日本語"));
    system->trigger();
    QApplication::processEvents();
    QCOMPARE(EditorMemory().text(memory_key::kLanguage), QString());
    // The tests run in the C locale: the system's language is English.
    if (translation_for(QLocale::system().uiLanguages()).isEmpty())
        QCOMPARE(w.btnOpenEffect->text(), english);
    f.stop();
}

void TestLanguages::system_language_data() {
    QTest::addColumn<QStringList>("ui_languages");
    QTest::addColumn<QString>("code");
    QTest::newRow("German") << QStringList{"de-DE", "de"} << QStringLiteral("de");
    QTest::newRow("Swiss French") << QStringList{"fr-CH"} << QStringLiteral("fr");
    QTest::newRow("Brazil") << QStringList{"pt-BR"} << QStringLiteral("pt_BR");
    QTest::newRow("Portugal reads Brazilian") << QStringList{"pt-PT"} << QStringLiteral("pt_BR");
    QTest::newRow("Japanese") << QStringList{"ja-JP"} << QStringLiteral("ja");
    QTest::newRow("English first") << QStringList{"en-GB", "de-DE"} << QStringLiteral("");
    QTest::newRow("untranslated, then Spanish")
        << QStringList{"ru-RU", "es-ES"} << QStringLiteral("es");
    QTest::newRow("C locale") << QStringList{"C"} << QStringLiteral("");
}

void TestLanguages::system_language() {
    QFETCH(QStringList, ui_languages);
    QFETCH(QString, code);
    QCOMPARE(translation_for(ui_languages), code);
}

// The command line speaks the language of LANG where the editor has it, but its JSON (for
// programs) and its exit codes are the same in every language.
void TestLanguages::command_line_json_and_exit_codes_keep_to_english() {
    const QString program = QStringLiteral(KX_BINARY_DIR "/kestrel-x");
    const QString port = QStringLiteral("/nonexistent/kx-port");
    struct Run {
        int exit_code;
        QByteArray out;
        QByteArray err;
    };
    const auto run = [&](const QString& lang, const QStringList& arguments) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            environment.remove(QLatin1String(name));
        environment.insert(QStringLiteral("LANG"), lang);
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        const bool finished = process.waitForFinished(30000);
        return Run{finished ? process.exitCode() : -1, process.readAllStandardOutput(),
                   process.readAllStandardError()};
    };
    const QStringList diagnose{QStringLiteral("diagnose"), QStringLiteral("--port"), port};
    const QStringList info{QStringLiteral("info"), QStringLiteral("--port"), port};
    const Run english = run(QStringLiteral("C.UTF-8"), diagnose);
    QVERIFY2(english.out.contains("does not exist."), english.out.constData());
    for (const QString& lang : {QStringLiteral("de_DE.UTF-8"), QStringLiteral("ja_JP.UTF-8")}) {
        const Run translated = run(lang, diagnose);
        QCOMPARE(translated.exit_code, english.exit_code);
        QVERIFY2(!translated.out.contains("does not exist."), translated.out.constData());
        QVERIFY2(translated.out.contains(lang.startsWith(QLatin1String("de")) ? "existiert nicht."
                                                                              : "は存在しません。"),
                 translated.out.constData());
        for (const QStringList& arguments : {diagnose, info}) {
            const Run plain =
                run(QStringLiteral("C.UTF-8"), arguments + QStringList{QStringLiteral("--json")});
            const Run json = run(lang, arguments + QStringList{QStringLiteral("--json")});
            QCOMPARE(json.exit_code, plain.exit_code);
            QCOMPARE(json.out, plain.out);
            QCOMPARE(json.err, plain.err);
            QCOMPARE(run(lang, arguments).exit_code, run(QStringLiteral("C"), arguments).exit_code);
        }
    }
    // A language the editor has no translation for leaves it English.
    QCOMPARE(run(QStringLiteral("ru_RU.UTF-8"), diagnose).out, english.out);
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
