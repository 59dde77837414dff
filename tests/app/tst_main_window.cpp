#include "editor_fixture.h"
#include "support/await.h"

#include "library/effect_naming.h"
#include "app/Main.h"
#include "app/NewVersionMsg.h"
#include "app/PrintConsole.h"
#include "base/paths.h"
#include "ir/ui/ImpulseResponse.h"
#include "ir/wav_formats.h"
#include "kx_version.h"
#include "link/Communication.h"
#include "params/ui/FXParameters.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>

using namespace kx;

namespace {

const QStringList kCategoryCaptions = {"Gain",    "Modulation",       "Synthesis", "Filter",
                                       "Dynamic", "Impulse Response", "Other"};
const QStringList kCategoryResources = {"GAIN",    "MODULATION",       "SYNTHESIS", "FILTER",
                                        "DYNAMIC", "IMPULSE_RESPONSE", "OTHER"};
constexpr int kImpulseResponseRow = 5;

QStringList lines_of(const QString& text) {
    return text.split(QStringLiteral("\r\n"));
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void windows_are_created_in_order();
    void closed_windows_make_their_widgets_when_needed();
    void startup_controls_data();
    void startup_controls();
    void startup_menus_data();
    void startup_menus();
    void startup_sequence_state();
    void category_click_data();
    void category_click();
    void effect_click_data();
    void effect_click();
    void load_ir_follows_category_at_effect_click();
    void arrow_keys_data();
    void arrow_keys();
    void print_console_key_data();
    void print_console_key();
    void support_opens_contact_page();
    void identify_pedal_effect_data();
    void identify_pedal_effect();
    void status_text_data();
    void status_text();
    void every_control_has_an_accessible_name();
    void mnemonics_are_unique_in_each_menu();

private:
    TformMain& main() { return f->main(); }
    QStringList log_lines() const {
        const QString text = f->windows->formPrint->Memo1->toPlainText();
        return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
    }
    void click_category(int row);
    void click_effect(int row);

    EditorFixture* f = nullptr;
};

void TestMainWindow::init() {
    f = new EditorFixture;
    QVERIFY(f->documents.isValid());
    f->start();
    QVERIFY(QTest::qWaitForWindowExposed(&main()));
}

void TestMainWindow::cleanup() {
    delete f;
    f = nullptr;
}

void TestMainWindow::click_category(int row) {
    QListWidget* list = main().lstCategory;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

void TestMainWindow::click_effect(int row) {
    QListWidget* list = main().lstEffects;
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

void TestMainWindow::windows_are_created_in_order() {
    EditorWindows& w = *f->windows;
    const QList<QWidget*> windows = {w.formMain.get(),         w.formFirmwareUpgrade.get(),
                                     w.formPrint.get(),        w.formFXParameters.get(),
                                     w.formFXInfo.get(),       w.formImpulseResponse.get(),
                                     w.formNewVersionMsg.get()};
    const QStringList names = {"formMain",         "formFirmwareUpgrade", "formPrint",
                               "formFXParameters", "formFXInfo",          "formImpulseResponse",
                               "formNewVersionMsg"};
    const QStringList captions = {
        "Kestrel X Editor", "Firmware Upgrade", "Print Console", "FX Parameters", "Form1", "IR",
        "New Version"};
    for (int i = 0; i < windows.size(); ++i) {
        QCOMPARE(windows.at(i)->objectName(), names.at(i));
        QCOMPARE(windows.at(i)->windowTitle(), captions.at(i));
        QCOMPARE(windows.at(i)->isVisible(), i == 0);
    }
    QCOMPARE(main().size(), QSize(400, 396));
    QCOMPARE(main().minimumSize(), main().maximumSize());
    QCOMPARE(w.formPrint->size(), QSize(490, 652));
    QCOMPARE(w.formNewVersionMsg->size(), QSize(282, 146));
    QCOMPARE(w.formFirmwareUpgrade->size(), QSize(250, 255)); // with its Close button
    QCOMPARE(w.formFXInfo->size(), QSize(335, 480));
    QCOMPARE(w.formFXParameters->width(), parameters_window_width());
    // The assignment map comes after the seven, hidden until Settings > Assignment Map.
    QCOMPARE(w.formAssignmentMap->windowTitle(), "Assignment Map");
    QVERIFY(!w.formAssignmentMap->isVisible());
    // The start-up runs before the console exists and writes nothing to it.
    QCOMPARE(log_lines(), QStringList());
}

// The windows a start does not show hold no widgets yet; showing one, or reaching one of its
// widgets, makes them all.
void TestMainWindow::closed_windows_make_their_widgets_when_needed() {
    EditorWindows& w = *f->windows;
    for (QWidget* window :
         {static_cast<QWidget*>(w.formFirmwareUpgrade.get()),
          static_cast<QWidget*>(w.formFXInfo.get()), static_cast<QWidget*>(w.formPrint.get())})
        QVERIFY2(window->findChildren<QWidget*>().isEmpty(), qPrintable(window->objectName()));

    w.formFirmwareUpgrade->show();
    auto* firmware = w.formFirmwareUpgrade->findChild<QComboBox*>("cmbFirmwareChoose");
    QVERIFY(firmware);
    QCOMPARE(static_cast<QComboBox*>(w.formFirmwareUpgrade->cmbFirmwareChoose), firmware);
    QVERIFY(firmware->itemText(0).startsWith("Firmware "));
    QVERIFY(w.formFirmwareUpgrade->findChild<QProgressBar*>("ProgressBar1"));

    QTextBrowser* page = w.formFXInfo->WebBrowser1;
    QVERIFY(page);
    QCOMPARE(page->objectName(), "WebBrowser1");
    QCOMPARE(page->parentWidget(), w.formFXInfo.get());
    QVERIFY(!w.formFXInfo->isVisible());
}

void TestMainWindow::startup_controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("shown");
    auto row = [](const char* name, const char* caption, QRect geometry, bool enabled,
                  bool shown = true) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(caption) << geometry
                            << enabled << shown;
    };
    row("MenuBar1", "", {0, 0, 400, 24}, true);
    row("lblDeviceName", "Device Name: ", {8, 29, 174, 17}, true);
    row("lblSerialNumber", "Serial Number: ", {8, 47, 185, 17}, true);
    row("lblFirmwareVersion", "Firmware Version: ", {9, 64, 174, 20}, true);
    row("btnUpload", "Upload Selected Effect", {7, 90, 174, 36}, false);
    row("lblStatus", "Status: ", {7, 134, 174, 17}, true);
    row("btnOpenEffect", "Open FX", {9, 164, 174, 31}, false);
    row("btnRequest", "Request", {8, 203, 80, 31}, false);
    row("btnAssign", "Assign", {97, 203, 86, 31}, false);
    row("btnStoreSettingsOnPedal", "Store Settings On Pedal", {8, 242, 175, 31}, false);
    row("btnGetFXInfo", "?", {161, 281, 22, 22}, false);
    row("lstCategory", "", {191, 28, 200, 137}, true);
    row("lstEffects", "", {191, 173, 200, 211}, true);
    row("lblStatusLine", "", {8, 311, 175, 73}, true);
}

void TestMainWindow::startup_controls() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    QFETCH(bool, enabled);
    QFETCH(bool, shown);
    auto* widget = main().findChild<QWidget*>(name);
    QVERIFY2(widget, qPrintable(name));
    QVERIFY(widget);
    QCOMPARE(widget->isEnabled(), enabled);
    QCOMPARE(widget->isVisible(), shown);
    if (geometry.isValid())
        QCOMPARE(widget->geometry(), geometry);
    if (auto* label = qobject_cast<QLabel*>(widget))
        QCOMPARE(label->text(), caption);
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        QCOMPARE(button->text(), caption);
}

void TestMainWindow::startup_menus_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("checkable");
    auto row = [](const char* name, const char* menu, const QString& caption, bool enabled,
                  bool shown = true, bool checkable = false) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(menu) << caption
                            << enabled << shown << checkable;
    };
    // Captions carry their mnemonic ("&File"); the hidden "Alive Parameters!" and "Quick
    // Start" are gone.
    row("menuLoadConfiguration", "menuFile", "L&oad Configuration", true);
    row("menuSaveConfiguration", "menuFile", "&Save Configuration", true);
    row("menuPresetLibrary", "menuFile", "Preset &Library\u2026", true);
    row("menuLoadIR", "menuFile", "Load &IR", false);
    row("menuQuit", "menuFile", "&Quit", true);
    row("menuUndo", "menuEdit", "&Undo", false);
    row("menuRedo", "menuEdit", "&Redo", false);
    row("menuScan", "menuConnection", "&Scan", true);
    row("menuConnect", "menuConnection", "&Connect", true);
    row("menuDisconnect", "menuConnection", "&Disconnect", false);
    row("menuDiagnose", "menuConnection", "Dia&gnose\u2026", true);
    row("menuConnectAutomatically", "menuConnection", "Connect Auto&matically", true, true, true);
    row("menuUpload", "menuConnection", "&Upload Selected Effect", false);
    row("menuOpenEffect", "menuConnection", "&Open FX", false);
    row("menuRequest", "menuConnection", "&Request", false);
    row("menuAssign", "menuConnection", "&Assign", false);
    row("menuStoreSettingsOnPedal", "menuConnection", "S&tore Settings On Pedal", false);
    row("menuSwitchWindow", "menuConnection", "Switch &Window", true);
    row("menuAssignmentMap", "menuSettings", "&Assignment Map\u2026", true);
    row("menuLook", "menuSettings", "&Look", true);
    row("menuMIDI", "menuSettings", "&MIDI", false); // needs the pedal's firmware
    row("menuMIDIchannel", "menuMIDI", "&Channel", true);
    row("menuFirmwareUpgradeMode", "menuFirmwareUpgrade", "&Upgrade Mode", true, true, true);
    row("menuStartFirmwareUpgrade", "menuFirmwareUpgrade", "&Start Firmware Upgrade", false);
    row("menuSupport", "menuInfo", "&Support", true);
    row("menuAppVersion", "menuInfo", QStringLiteral("Version:  ") + KX_VERSION_TEXT, false);
    row("menuNewAppVersion", "menuInfo", "New version available:", false);
    row("menuSerialNumber", "menuInfo", "Device Serial: ", true);
    // Nothing to install before a check has found a newer version.
    row("menuUpdateNow", "menuInfo", "&Update Now", false);
    row("menuShowUpdateMsg", "menuInfo", "Show Update &Message", true, true, true);
    row("menuUserGuide", "menuHelp", "&User Guide", true);
    row("menuConnectionDoctor", "menuHelp", QStringLiteral("Connection &Doctor\u2026"), true);
    row("menuCheckForUpdates", "menuHelp", QStringLiteral("&Check for Updates\u2026"), true);
    row("menuAbout", "menuHelp", "&About Kestrel X Editor", true);
    row("menuAboutQt", "menuHelp", "About &Qt", true);
}

void TestMainWindow::startup_menus() {
    QFETCH(QString, name);
    QFETCH(QString, menu);
    QFETCH(QString, caption);
    QFETCH(bool, enabled);
    QFETCH(bool, shown);
    QFETCH(bool, checkable);
    auto* action = main().findChild<QAction*>(name);
    QVERIFY(action);
    auto* parent = main().findChild<QMenu*>(menu);
    QVERIFY(parent);
    QVERIFY(parent->actions().contains(action));
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->isVisible(), shown);
    if (shown) // a hidden item counts as disabled
        QCOMPARE(action->isEnabled(), enabled);
    QCOMPARE(action->isCheckable(), checkable);
}

void TestMainWindow::startup_sequence_state() {
    QStringList bar;
    for (QAction* action : main().MenuBar1->actions())
        bar << action->text();
    QCOMPARE(bar, (QStringList{"&File", "&Edit", "&Connection", "&Settings", "F&irmware Upgrade",
                               "&Help"}));

    QStringList categories;
    for (int i = 0; i < main().lstCategory->count(); ++i)
        categories << main().lstCategory->item(i)->text();
    QCOMPARE(categories, kCategoryCaptions);
    QVERIFY(main().lstCategory->selectedItems().isEmpty());
    QCOMPARE(main().lstEffects->count(), 0);

    QStringList looks, channels;
    for (QAction* action : main().menuLook->actions())
        looks << action->text();
    for (QAction* action : main().menuMIDIchannel->actions())
        channels << action->text();
    QCOMPARE(looks, (QStringList{"Dark &Red", "Dark &Orange", "Dark &Turquoise", "Dark &Blue",
                                 "&Grey Orange", "Grey Go&ld", "Light &Cyan"}));
    QCOMPARE(channels.size(), 17);
    QCOMPARE(channels.first(), QStringLiteral("OMNI"));
    QCOMPARE(channels.at(1), QStringLiteral("1"));
    QCOMPARE(channels.last(), QStringLiteral("16"));

    QVERIFY(main().menuShowUpdateMsg->isChecked());
    QVERIFY(!main().menuFirmwareUpgradeMode->isChecked());
    QVERIFY(!f->main().communication().firmware_upgrade_mode);
    QVERIFY(!f->main().session().effect_known());

    // The version check is armed once, one second after start-up.
    QVERIFY(main().TimerCheckWebVersion.isActive());
    QCOMPARE(main().TimerCheckWebVersion.interval(), 1000);
    QCOMPARE(main().NetHTTPRequest1.method, QByteArray("GET"));
    QCOMPARE(main().NetHTTPRequest1.url.toString(),
             update_server() + QStringLiteral("/download/kestrelx/kestrel-x-version.php"));
    main().checkmostrecentversiononwebsite();
    QVERIFY(!main().TimerCheckWebVersion.isActive());
}

void TestMainWindow::category_click_data() {
    QTest::addColumn<int>("row");
    for (int row = 0; row < kCategoryCaptions.size(); ++row)
        QTest::newRow(qPrintable(kCategoryCaptions.at(row))) << row;
}

void TestMainWindow::category_click() {
    QFETCH(int, row);
    // An effect of another category is selected and its parameters window is open.
    const int other = row == 0 ? 1 : 0;
    click_category(other);
    f->dialogs.messages.clear();
    click_effect(0);
    const SelectionState before = f->context->selection;
    const bool load_ir = main().menuLoadIR->isEnabled();
    QVERIFY(main().btnGetFXInfo->isEnabled());
    QVERIFY(f->windows->formFXParameters->isVisible());

    click_category(row);

    const QStringList expected = f->context->store.resource_text;
    QCOMPARE(expected, split_resource_lines(*f->context->store.raw(kCategoryResources.at(row))));
    QStringList shown;
    for (int i = 0; i < main().lstEffects->count(); ++i)
        shown << main().lstEffects->item(i)->text();
    QCOMPARE(shown, expected);
    QVERIFY(main().lstEffects->selectedItems().isEmpty());

    const SelectionState& after = f->context->selection;
    QCOMPARE(after.selected_category, kCategoryCaptions.at(row));
    QCOMPARE(after.selected_effect_name, before.selected_effect_name);
    QVERIFY(main().btnGetFXInfo->isEnabled());
    QCOMPARE(main().menuLoadIR->isEnabled(), load_ir);
    QVERIFY(f->windows->formFXParameters->isVisible());

    // No box on any visit: the Impulse Response category points to the IR window's how-to in
    // the status line, and the how-to names the files the import takes.
    QCOMPARE(f->dialogs.messages, QStringList());
    if (row == kImpulseResponseRow) {
        QVERIFY(main().lblStatusLine->toolTip().contains(QLatin1String("Load IR")));
        const QStringList howto = lines_of(impulse_response_howto());
        QCOMPARE(howto.first(), QStringLiteral("How to load an impulse response:"));
        QCOMPARE(howto.last(), QString::fromLatin1(kWavFormats));
        QCOMPARE(f->windows->formImpulseResponse->lblHowTo->text().split('\n'), howto);
    } else {
        QCOMPARE(main().lblStatusLine->toolTip(), QString());
    }
}

// With no pedal connected a click shows a preview; what runs on the pedal decides what is live
// (see tst_session_table).
void TestMainWindow::effect_click_data() {
    QTest::addColumn<bool>("window_open");
    QTest::newRow("window closed") << false;
    QTest::newRow("window open") << true;
}

void TestMainWindow::effect_click() {
    QFETCH(bool, window_open);
    TformFXParameters& parameters = *f->windows->formFXParameters;
    click_category(0);
    QCOMPARE(main().lstEffects->item(1)->text(), QStringLiteral("Basalt Fuzz Box"));
    if (window_open) {
        click_effect(3);
        QVERIFY(parameters.isVisible());
    }
    f->windows->formPrint->btnClear->click();
    kx::test::settle();

    click_effect(1);

    const SelectionState& selection = f->context->selection;
    // The click's own lines come first; the parameters window then logs what it builds from.
    QCOMPARE(log_lines().mid(0, 2),
             (QStringList{"efx index :1", "selected effect name: Basalt Fuzz Box"}));
    QCOMPARE(selection.selected_effect_name, QStringLiteral("Basalt Fuzz Box"));
    QVERIFY(!f->windows->formFXParameters->effect_is_live());
    for (QPushButton* button :
         {main().btnRequest, main().btnAssign, main().btnStoreSettingsOnPedal})
        QVERIFY(!button->isEnabled());
    QVERIFY(main().btnGetFXInfo->isEnabled());
    QVERIFY(!main().menuLoadIR->isEnabled());
    QCOMPARE(main().highlighted_effect_row(), 1);

    QVERIFY(parameters.isVisible());
    QCOMPARE(parameters.windowTitle(), QStringLiteral("Basalt Fuzz Box"));
    QCOMPARE(parameters.selected_effect_name, QStringLiteral("Basalt Fuzz Box"));
    QVERIFY(!parameters.effect_is_live());
    // Beside the main window, not over it, whole on the screen: right of it where it fits, else
    // on another side.
    const QRect frame = main().frameGeometry();
    const QRect area = parameters.screen()->availableGeometry();
    const QRect placed = parameters.frameGeometry();
    QVERIFY2(area.contains(placed) && !placed.intersects(frame),
             qPrintable(QStringLiteral("%1,%2").arg(placed.x()).arg(placed.y())));
    if (area.right() - frame.right() >= placed.width())
        QCOMPARE(placed.topLeft(), QPoint(frame.x() + frame.width(), frame.y()));
    QCOMPARE(parameters.height(),
             parameters_window_height(parameters.control_count(), parameters.readback_count()));
}

void TestMainWindow::load_ir_follows_category_at_effect_click() {
    click_category(kImpulseResponseRow);
    QVERIFY(!main().menuLoadIR->isEnabled());
    click_effect(0);
    QVERIFY(main().menuLoadIR->isEnabled());
    click_category(0);
    QVERIFY(main().menuLoadIR->isEnabled());
    click_effect(0);
    QVERIFY(!main().menuLoadIR->isEnabled());
}

void TestMainWindow::arrow_keys_data() {
    QTest::addColumn<int>("start"); // highlighted row, -1 for none
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("end");
    QTest::addColumn<QString>("logged");
    const int last = 12; // Gain holds 13 effects
    QTest::newRow("down from no highlight") << -1 << int(Qt::Key_Down) << 0 << kLogArrowDown;
    QTest::newRow("down in the middle") << 5 << int(Qt::Key_Down) << 6 << kLogArrowDown;
    QTest::newRow("down stops at the last") << last << int(Qt::Key_Down) << last << kLogArrowDown;
    QTest::newRow("up in the middle") << 5 << int(Qt::Key_Up) << 4 << kLogArrowUp;
    QTest::newRow("up stops at the first") << 0 << int(Qt::Key_Up) << 0 << kLogArrowUp;
    QTest::newRow("up with no highlight") << -1 << int(Qt::Key_Up) << -1 << kLogArrowUp;
}

void TestMainWindow::arrow_keys() {
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, end);
    QFETCH(QString, logged);
    click_category(0);
    QCOMPARE(main().lstEffects->count(), 13);
    click_effect(2);
    main().lstEffects->setCurrentRow(start, QItemSelectionModel::ClearAndSelect);
    if (start < 0)
        main().lstEffects->clearSelection();
    QCOMPARE(main().highlighted_effect_row(), start);
    const SelectionState before = f->context->selection;
    f->windows->formPrint->btnClear->click();
    kx::test::settle();

    QTest::keyClick(main().lstEffects, Qt::Key(key));
    kx::test::settle();

    QCOMPARE(main().highlighted_effect_row(), end);
    QCOMPARE(log_lines(), QStringList{logged});
    // Moving the highlight is not a click.
    QCOMPARE(f->context->selection.selected_effect_name, before.selected_effect_name);
}

void TestMainWindow::print_console_key_data() {
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("shown");
    QTest::newRow("Ctrl+Shift+P") << int(Qt::ControlModifier | Qt::ShiftModifier) << true;
    QTest::newRow("P") << int(Qt::NoModifier) << false;
    QTest::newRow("Ctrl+P") << int(Qt::ControlModifier) << false;
    QTest::newRow("Shift+P") << int(Qt::ShiftModifier) << false;
}

void TestMainWindow::print_console_key() {
    QFETCH(int, modifiers);
    QFETCH(bool, shown);
    TformPrint& console = *f->windows->formPrint;
    main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main()));
    for (int round = 0; round < 2; ++round) { // the second time after closing the console
        main().lstEffects->setFocus();
        QTest::keyClick(main().lstEffects, Qt::Key_P, Qt::KeyboardModifiers(modifiers));
        kx::test::settle();
        QCOMPARE(console.isVisible(), shown);
        console.close();
        main().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main()));
    }
}

void TestMainWindow::support_opens_contact_page() {
    main().menuSupport->trigger();
    kx::test::settle();
    QCOMPARE(f->opened, QList<QUrl>{QUrl(update_server() + QStringLiteral("/contact-us/"))});
}

void TestMainWindow::identify_pedal_effect_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("name"); // empty: the number is not in the catalogue
    QTest::newRow("0 is empty") << 0 << "empty";
    QTest::newRow("1") << 1 << "Chorus+Plate Reverb";
    QTest::newRow("58, the last") << 58 << "*";
    QTest::newRow("59, past the end") << 59 << "";
    QTest::newRow("negative") << -1 << "";
}

void TestMainWindow::identify_pedal_effect() {
    QFETCH(int, number);
    QFETCH(QString, name);
    const QStringList catalogue = split_resource_lines(*f->context->store.raw("EFFECT_LIST"));
    QCOMPARE(catalogue.size(), 59);
    if (name == QLatin1String("*"))
        name = catalogue.at(58).section(QLatin1Char(':'), 1);
    click_category(0);
    click_effect(0);
    f->windows->formPrint->btnClear->click();
    kx::test::settle();
    const SelectionState before = f->context->selection;
    const QStringList shown = f->context->store.resource_text;

    const Result<QString> named = kx::name_pedal_effect(number, f->context->store, f->context->log);

    QCOMPARE(named.ok(), !name.isEmpty());
    // The lookup reads the catalogue for itself: the list the window shows keeps its lines,
    // and the window's selection stays as it was.
    QCOMPARE(f->context->store.resource_text, shown);
    QCOMPARE(f->context->selection.selected_effect_name, before.selected_effect_name);
    if (named) {
        QCOMPARE(*named, name);
        QCOMPARE(log_lines(),
                 (QStringList{catalogue.at(number), "effetto ottenuto dalla lista: " + name}));
    } else {
        QVERIFY2(named.error().contains(QString::number(number)), qPrintable(named.error()));
        QCOMPARE(named.error_kind(), ErrorKind::BadReply);
        QCOMPARE(log_lines(), QStringList());
    }
}

void TestMainWindow::status_text_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("refused while busy")
        << "Busy: waiting for the pedal's reply; Disconnect was not done.";
    QTest::newRow("missing port with a long path")
        << "Port /dev/serial/by-id/usb-FTDI_FT230X_Basic_UART_DK0ABCDE-if00-port0 does not exist.";
}

void TestMainWindow::status_text() {
    QFETCH(QString, text);
    QLabel* line = main().lblStatusLine;
    main().TimerStatusLine.setInterval(50);
    // The pedal link reaches it through the connection's interface.
    static_cast<ConnectionUi&>(main()).show_status_text(text);
    // The label may hold break chances (zero-width spaces) after slashes.
    QCOMPARE(line->text().remove(QChar(0x200B)), text);
    QCOMPARE(line->toolTip(), text);
    QCOMPARE(line->accessibleDescription(), text);
    QVERIFY(line->isVisible());
    // Wrapped into the label's room, nothing cut off at the side or the bottom.
    QVERIFY2(line->heightForWidth(line->width()) <= line->height(),
             qPrintable(QString::number(line->heightForWidth(line->width()))));
    QVERIFY2(line->minimumSizeHint().width() <= line->width(),
             qPrintable(QString::number(line->minimumSizeHint().width())));
    // It goes after a while.
    QTRY_COMPARE(line->text(), QString());
}

void TestMainWindow::every_control_has_an_accessible_name() {
    // Screen readers and test drivers find controls by their accessible names; Qt's own inner
    // widgets (viewports, scroll bars) are named "qt_...".
    for (QWidget* widget : main().findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(accessible);
        // A label is named by what it shows, empty or not.
        if (auto* label = qobject_cast<QLabel*>(widget))
            QCOMPARE(accessible->text(QAccessible::Name), label->text());
        else
            QVERIFY2(!accessible->text(QAccessible::Name).trimmed().isEmpty(),
                     qPrintable(name + " has no accessible name"));
    }
}

// Alt and a letter reaches one item: two items with the same letter take two presses and
// turns, which a keyboard user cannot tell from a wrong key.
void TestMainWindow::mnemonics_are_unique_in_each_menu() {
    QList<QWidget*> menus{main().MenuBar1};
    for (QMenu* menu : main().findChildren<QMenu*>())
        menus << menu;
    static const QRegularExpression marker(QStringLiteral("&([^&])"));
    for (QWidget* menu : menus) {
        QMap<QChar, QString> taken;
        for (QAction* action : menu->actions()) {
            if (action->isSeparator() || !action->isVisible())
                continue;
            const QRegularExpressionMatch match = marker.match(action->text());
            if (!match.hasMatch())
                continue;
            const QChar letter = match.captured(1).at(0).toLower();
            QVERIFY2(!taken.contains(letter),
                     qPrintable(QStringLiteral("%1: \"%2\" and \"%3\" share Alt+%4")
                                    .arg(menu->objectName(), taken.value(letter), action->text(),
                                         letter)));
            taken.insert(letter, action->text());
        }
    }
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
