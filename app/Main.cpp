#include "app/Main.h"

#include "app/AppContext.h"
#include "app/ElidingLabel.h"
#include "app/HelpMenu.h"
#include "app/PrintConsole.h"
#include "app/Settings.h"
#include "base/clock.h"
#include "base/dialogs.h"
#include "base/plain_text.h"
#include "base/translation.h"
#include "base/ui/accessibility.h"
#include "base/ui/translated.h"
#include "base/ui/window_placement.h"
#include "firmware/ui/FirmwareUpgrade.h"
#include "library/categories.h"
#include "link/Communication.h"
#include "link/drivers/virtual_pedal_driver.h"
#include "link/pedal_commands.h"
#include "link/pedal_drivers.h"
#include "params/ui/AssignmentMap.h"
#include "params/ui/FXParameters.h"
#include "session/pedal_session.h"
#include "sim/virtual_pedal.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

namespace kx {

namespace {

constexpr char kCaption[] = QT_TRANSLATE_NOOP("kx::TformMain", "Kestrel X Editor");
constexpr int kClientWidth = 400;
constexpr int kClientHeight = 396;
constexpr int kVersionCheckDelay_ms = 1000;
constexpr char kDeviceNameCaption[] = QT_TRANSLATE_NOOP("kx::TformMain", "Device Name: ");
constexpr char kLogReconnectForUpgrade[] =
    "Upgrade Mode ticked: connecting again to the bootloader";
constexpr char kAskVirtualBootloader[] = QT_TRANSLATE_NOOP(
    "kx::TformMain",
    "The built-in virtual pedal runs its firmware. Restart it in its bootloader, as a pedal "
    "powered up with its footswitch held, so that you can try the whole upgrade?");
constexpr char kChoiceRestartInBootloader[] =
    QT_TRANSLATE_NOOP("kx::TformMain", "Restart in bootloader");
constexpr char kChoiceLeaveFirmwareRunning[] =
    QT_TRANSLATE_NOOP("kx::TformMain", "Leave it running");
constexpr char kLogVirtualBootloader[] = "virtual pedal restarted in its bootloader";
constexpr char kLogReconnectForFirmware[] =
    "Upgrade Mode unticked: connecting again to the firmware";

// The category rows are the library's categories, in its order (Open FX walks them in the same
// order); each row has its click handler.
const auto& kCategories = kEffectCategories;
constexpr void (TformMain::*kCategoryHandlers[])() = {
    &TformMain::lstGainClick,   &TformMain::lstModulationClick, &TformMain::lstSynthesisClick,
    &TformMain::lstFilterClick, &TformMain::lstDynamicClick,    &TformMain::lstIRClick,
    &TformMain::lstOtherClick,
};
static_assert(std::size(kCategoryHandlers) == std::size(kEffectCategories),
              "a click handler for every category");

// The pedal's own names (its categories), resource names and log lines: never translated.
QString text(const char* latin1) {
    return QString::fromLatin1(latin1);
}

QLabel* make_label(QWidget* parent, const char* name, const char* caption, QRect geometry) {
    auto* label = new QLabel(parent);
    set_translated(label, "text", "kx::TformMain", caption);
    // The pedal's answers and the system's messages are shown here: never read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    return label;
}

QPushButton* make_button(QWidget* parent, const char* name, const char* caption, QRect geometry) {
    auto* button = new QPushButton(parent);
    set_translated(button, "text", "kx::TformMain", caption);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    return button;
}

// Captions carry their mnemonic as "&"; the accessible name is the caption without it.
QString without_mnemonic(const QString& caption) {
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        // "&&" stands for one "&"; a lone "&" marks the next letter.
        if (caption[i] == QLatin1Char('&') && ++i == caption.size())
            break;
        out += caption[i];
    }
    return out;
}

QMenu* make_menu(QWidget* parent, const char* name, const char* caption) {
    auto* menu = new QMenu(parent);
    set_translated(menu, "title", "kx::TformMain", caption);
    menu->setObjectName(QLatin1String(name));
    menu->setAccessibleName(without_mnemonic(menu->title())); // a popup has none
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

QAction* make_item(QMenu* menu, const char* name, const char* caption,
                   const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(QString());
    set_translated(action, "text", "kx::TformMain", caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    // The editor's shortcuts work from each of its windows, the parameters window included.
    action->setShortcutContext(Qt::ApplicationShortcut);
    return action;
}

} // namespace

TformMain::TformMain(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      m_context(context), m_memory(&context.log) {
    setObjectName(QStringLiteral("formMain"));
    set_translated(this, "windowTitle", "kx::TformMain", kCaption);
    setFixedSize(kClientWidth, kClientHeight);
    move(37, 31);
    build_controls();
    m_memory.set_notice_handler([this](const QString& notice) { show_status_text(notice); });
    build_menus();
    attach_pedal_link();
    FormCreate();
    attach_pedal_watcher();
    setAcceptDrops(true);
    fit_design_to_text(this);
}

void TformMain::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate_shown_texts();
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange ||
        event->type() == QEvent::LanguageChange)
        fit_design_to_text(this);
}

TformMain::~TformMain() = default;

void TformMain::build_controls() {
    lblDeviceName = new ElidingLabel(this);
    lblDeviceName->setObjectName(QStringLiteral("lblDeviceName"));
    lblDeviceName->setGeometry(8, 29, 174, 17);
    m_device_name_text = ui_text("kx::TformMain", kDeviceNameCaption);
    lblDeviceName->set_text(m_device_name_text);
    lblSerialNumber =
        make_label(this, "lblSerialNumber", QT_TRANSLATE_NOOP("kx::TformMain", "Serial Number: "),
                   {8, 47, 185, 17});
    // Dimmer than the other lines, in a colour each look gives with enough contrast.
    lblSerialNumber->setProperty("secondary", true);
    lblFirmwareVersion =
        make_label(this, "lblFirmwareVersion",
                   QT_TRANSLATE_NOOP("kx::TformMain", "Firmware Version: "), {9, 64, 174, 20});
    btnUpload =
        make_button(this, "btnUpload", QT_TRANSLATE_NOOP("kx::TformMain", "Upload Selected Effect"),
                    {7, 90, 174, 36});
    lblStatus = make_label(this, "lblStatus", kTextStatusCaption, {7, 134, 174, 17});
    btnOpenEffect = make_button(this, "btnOpenEffect",
                                QT_TRANSLATE_NOOP("kx::TformMain", "Open FX"), {9, 164, 174, 31});
    btnRequest = make_button(this, "btnRequest", QT_TRANSLATE_NOOP("kx::TformMain", "Request"),
                             {8, 203, 80, 31});
    btnAssign = make_button(this, "btnAssign", QT_TRANSLATE_NOOP("kx::TformMain", "Assign"),
                            {97, 203, 86, 31});
    btnStoreSettingsOnPedal = make_button(
        this, "btnStoreSettingsOnPedal",
        QT_TRANSLATE_NOOP("kx::TformMain", "Store Settings On Pedal"), {8, 242, 175, 31});
    btnGetFXInfo = make_button(this, "btnGetFXInfo", QT_TRANSLATE_NOOP("kx::TformMain", "?"),
                               {161, 281, 22, 22});
    btnGetFXInfo->setCursor(Qt::WhatsThisCursor);
    // Buttons and labels are named by their captions; "?" is only a sign.
    set_translated(btnGetFXInfo, "accessibleName", "kx::TformMain",
                   QT_TRANSLATE_NOOP("kx::TformMain", "Effect information"));
    set_translated(btnGetFXInfo, "toolTip", "kx::TformMain",
                   QT_TRANSLATE_NOOP("kx::TformMain", "Effect information"));
    for (QPushButton* button : {btnUpload, btnOpenEffect, btnGetFXInfo})
        button->setEnabled(false);

    lstCategory = new QListWidget(this);
    lstCategory->setObjectName(QStringLiteral("lstCategory"));
    lstCategory->setGeometry(191, 28, 200, 137);
    set_translated(lstCategory, "accessibleName", "kx::TformMain",
                   QT_TRANSLATE_NOOP("kx::TformMain", "Effect categories"));
    lstEffects = new QListWidget(this);
    lstEffects->setObjectName(QStringLiteral("lstEffects"));
    lstEffects->setGeometry(191, 173, 200, 211);
    set_translated(lstEffects, "accessibleName", "kx::TformMain",
                   QT_TRANSLATE_NOOP("kx::TformMain", "Effects"));
    for (QListWidget* list : {lstCategory, lstEffects}) {
        list->installEventFilter(this);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    connect(lstCategory, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int row = lstCategory->row(item);
        if (row >= 0 && row < int(std::size(kCategories)))
            (this->*kCategoryHandlers[row])();
    });
    connect(lstEffects, &QListWidget::itemClicked, this, &TformMain::effetto_cliccato);
    // A double click (or a desktop's single-click activation) does what a click does, once.
    for (QListWidget* list : {lstCategory, lstEffects}) {
        connect(list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
            m_last_clicked = item;
            m_last_click.start();
        });
        connect(list, &QListWidget::itemActivated, this, [this, list](QListWidgetItem* item) {
            if (item == m_last_clicked && m_last_click.isValid() &&
                m_last_click.elapsed() < QApplication::doubleClickInterval())
                return;
            list->setCurrentItem(item);
            activate_current_row(list, Qt::Key_Return);
        });
    }
    connect(btnUpload, &QPushButton::clicked, this, &TformMain::btnUploadClick);
    connect(btnOpenEffect, &QPushButton::clicked, this, &TformMain::btnOpenEffectClick);
    connect(btnRequest, &QPushButton::clicked, this, &TformMain::btnRequestClick);
    // After their handlers: a button disabled while the pedal answers has lost the focus.
    connect(btnOpenEffect, &QPushButton::clicked, this, &TformMain::focus_request);
    connect(btnRequest, &QPushButton::clicked, this, &TformMain::focus_request);
    connect(btnAssign, &QPushButton::clicked, this, &TformMain::btnAssignClick);
    connect(btnStoreSettingsOnPedal, &QPushButton::clicked, this,
            &TformMain::btnStoreSettingsOnPedalClick);
    connect(btnGetFXInfo, &QPushButton::clicked, this, &TformMain::btnGetFXInfoClick);

    // The hidden "Upload File" and "Live Request" have no behaviour and are not made: a hidden
    // widget would still be read out. This one stays outside the window.
    chkFirmwareUpgradeMode =
        std::make_unique<QCheckBox>(ui_text("kx::TformMain", "Firmware Upgrade Mode"));
    chkFirmwareUpgradeMode->setObjectName(QStringLiteral("chkFirmwareUpgradeMode"));

    // The free space of the left column, under "?": room for two or three lines of text.
    lblStatusLine = new QLabel(this);
    lblStatusLine->setObjectName(QStringLiteral("lblStatusLine"));
    lblStatusLine->setTextFormat(Qt::PlainText);
    lblStatusLine->setGeometry(8, 311, 175, 73);
    lblStatusLine->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblStatusLine->setWordWrap(true);
    TimerStatusLine.setObjectName(QStringLiteral("TimerStatusLine"));
    TimerStatusLine.setSingleShot(true);
    TimerStatusLine.setInterval(kStatusTextShow_ms);
    connect(&TimerStatusLine, &QTimer::timeout, this, [this] { show_status_text({}); });

    TimerCheckWebVersion.setObjectName(QStringLiteral("TimerCheckWebVersion"));
    TimerCheckWebVersion.setInterval(kVersionCheckDelay_ms);
    connect(&TimerCheckWebVersion, &QTimer::timeout, this,
            &TformMain::checkmostrecentversiononwebsite);

    auto* print_console_key = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), this);
    connect(print_console_key, &QShortcut::activated, this, &TformMain::FormKeyDown);

    // Tab reads the left column from the top, then the two lists.
    const QList<QWidget*> order = {
        btnUpload,    btnOpenEffect, btnRequest, btnAssign, btnStoreSettingsOnPedal,
        btnGetFXInfo, lstCategory,   lstEffects};
    for (int i = 1; i < int(order.size()); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TformMain::build_menus() {
    MenuBar1 = new QMenuBar(this);
    MenuBar1->setObjectName(QStringLiteral("MenuBar1"));
    set_translated(MenuBar1, "accessibleName", "kx::TformMain",
                   QT_TRANSLATE_NOOP("kx::TformMain", "Menu bar"));
    MenuBar1->setNativeMenuBar(false);
    // Without a layout the bar sizes itself to its parent's width; its height stays fixed.
    MenuBar1->setFixedHeight(24);
    MenuBar1->setGeometry(0, 0, kClientWidth, 24);

    menuFile = make_menu(this, "menuFile", QT_TRANSLATE_NOOP("kx::TformMain", "&File"));
    menuLoadConfiguration = make_item(menuFile, "menuLoadConfiguration",
                                      QT_TRANSLATE_NOOP("kx::TformMain", "L&oad Configuration"),
                                      QKeySequence(Qt::CTRL | Qt::Key_O));
    menuSaveConfiguration = make_item(menuFile, "menuSaveConfiguration",
                                      QT_TRANSLATE_NOOP("kx::TformMain", "&Save Configuration"),
                                      QKeySequence(Qt::CTRL | Qt::Key_S));
    menuPresetLibrary = make_item(menuFile, "menuPresetLibrary",
                                  QT_TRANSLATE_NOOP("kx::TformMain", "Preset &Library\u2026"));
    menuLoadIR = make_item(menuFile, "menuLoadIR", QT_TRANSLATE_NOOP("kx::TformMain", "Load &IR"),
                           QKeySequence(Qt::CTRL | Qt::Key_I));
    menuLoadIR->setEnabled(false);

    // Undo and Redo come with the parameters window's undo stack (create_edit_actions).
    menuEdit = make_menu(this, "menuEdit", QT_TRANSLATE_NOOP("kx::TformMain", "&Edit"));

    menuConnection =
        make_menu(this, "menuConnection", QT_TRANSLATE_NOOP("kx::TformMain", "&Connection"));
    menuScan = make_item(menuConnection, "menuScan", QT_TRANSLATE_NOOP("kx::TformMain", "&Scan"));
    menuConnect =
        make_item(menuConnection, "menuConnect", QT_TRANSLATE_NOOP("kx::TformMain", "&Connect"));
    menuDisconnect = make_item(menuConnection, "menuDisconnect",
                               QT_TRANSLATE_NOOP("kx::TformMain", "&Disconnect"));
    menuDisconnect->setEnabled(false);
    menuConnection->addSeparator();
    menuDiagnose = make_item(menuConnection, "menuDiagnose",
                             QT_TRANSLATE_NOOP("kx::TformMain", "Dia&gnose\u2026"));
    menuConnectAutomatically =
        make_item(menuConnection, "menuConnectAutomatically",
                  QT_TRANSLATE_NOOP("kx::TformMain", "Connect Auto&matically"));
    menuConnectAutomatically->setCheckable(true);
    menuConnectAutomatically->setChecked(true);

    // The pedal buttons, in the menu the pedal is reached through: a sixth menu would not fit
    // the window's width.
    menuConnection->addSeparator();
    menuUpload = make_item(menuConnection, "menuUpload",
                           QT_TRANSLATE_NOOP("kx::TformMain", "&Upload Selected Effect"),
                           QKeySequence(Qt::CTRL | Qt::Key_U));
    menuOpenEffect =
        make_item(menuConnection, "menuOpenEffect", QT_TRANSLATE_NOOP("kx::TformMain", "&Open FX"));
    menuRequest =
        make_item(menuConnection, "menuRequest", QT_TRANSLATE_NOOP("kx::TformMain", "&Request"),
                  QKeySequence(Qt::Key_F5));
    menuAssign =
        make_item(menuConnection, "menuAssign", QT_TRANSLATE_NOOP("kx::TformMain", "&Assign"));
    menuStoreSettingsOnPedal =
        make_item(menuConnection, "menuStoreSettingsOnPedal",
                  QT_TRANSLATE_NOOP("kx::TformMain", "S&tore Settings On Pedal"));
    menuConnection->addSeparator();
    menuSwitchWindow =
        make_item(menuConnection, "menuSwitchWindow",
                  QT_TRANSLATE_NOOP("kx::TformMain", "Switch &Window"), QKeySequence(Qt::Key_F6));
    const std::pair<QAction*, QPushButton*> pedal_items[] = {
        {menuUpload, btnUpload},
        {menuOpenEffect, btnOpenEffect},
        {menuRequest, btnRequest},
        {menuAssign, btnAssign},
        {menuStoreSettingsOnPedal, btnStoreSettingsOnPedal}};
    for (const auto& [item, button] : pedal_items) {
        item->setEnabled(button->isEnabled());
        m_button_items.insert(button, item);
        button->installEventFilter(this);
        connect(item, &QAction::triggered, button, &QPushButton::click);
    }

    menuSettings = make_menu(this, "menuSettings", QT_TRANSLATE_NOOP("kx::TformMain", "&Settings"));
    menuAssignmentMap = make_item(menuSettings, "menuAssignmentMap",
                                  QT_TRANSLATE_NOOP("kx::TformMain", "&Assignment Map\u2026"));
    menuFollowPedal = make_item(menuSettings, "menuFollowPedal",
                                QT_TRANSLATE_NOOP("kx::TformMain", "&Follow Pedal"));
    menuFollowPedal->setCheckable(true);
    set_translated(
        menuFollowPedal, "statusTip", "kx::TformMain",
        QT_TRANSLATE_NOOP("kx::TformMain",
                          "Show the pedal's knobs in the parameters window as they are turned"));
    menuLook = make_menu(this, "menuLook", QT_TRANSLATE_NOOP("kx::TformMain", "&Look"));
    menuSettings->addMenu(menuLook);
    menuLanguage = make_menu(this, "menuLanguage", QT_TRANSLATE_NOOP("kx::TformMain", "La&nguage"));
    menuSettings->addMenu(menuLanguage);
    menuMIDI = make_menu(this, "menuMIDI", QT_TRANSLATE_NOOP("kx::TformMain", "&MIDI"));
    menuSettings->addMenu(menuMIDI);
    menuMIDIchannel =
        make_menu(this, "menuMIDIchannel", QT_TRANSLATE_NOOP("kx::TformMain", "&Channel"));
    menuMIDI->addMenu(menuMIDIchannel);

    menuFirmwareUpgrade = make_menu(this, "menuFirmwareUpgrade",
                                    QT_TRANSLATE_NOOP("kx::TformMain", "F&irmware Upgrade"));
    menuFirmwareUpgradeMode = make_item(menuFirmwareUpgrade, "menuFirmwareUpgradeMode",
                                        QT_TRANSLATE_NOOP("kx::TformMain", "&Upgrade Mode"));
    menuFirmwareUpgradeMode->setCheckable(true);
    menuStartFirmwareUpgrade =
        make_item(menuFirmwareUpgrade, "menuStartFirmwareUpgrade",
                  QT_TRANSLATE_NOOP("kx::TformMain", "&Start Firmware Upgrade"));
    menuStartFirmwareUpgrade->setEnabled(false);

    // The hidden "Alive Parameters!" and "Quick Start" had no behaviour and are not made.
    menuInfo = make_menu(this, "menuInfo", QT_TRANSLATE_NOOP("kx::TformMain", "I&nfo"));
    menuSupport =
        make_item(menuInfo, "menuSupport", QT_TRANSLATE_NOOP("kx::TformMain", "&Support"));
    menuAppVersion =
        make_item(menuInfo, "menuAppVersion", QT_TRANSLATE_NOOP("kx::TformMain", "Version: "));
    menuAppVersion->setEnabled(false);
    menuNewAppVersion = make_item(menuInfo, "menuNewAppVersion",
                                  QT_TRANSLATE_NOOP("kx::TformMain", "New version available:"));
    menuNewAppVersion->setEnabled(false);
    menuSerialNumber = make_item(menuInfo, "menuSerialNumber",
                                 QT_TRANSLATE_NOOP("kx::TformMain", "Device Serial: "));
    // Only a version known to be newer can be installed.
    menuUpdateNow =
        make_item(menuInfo, "menuUpdateNow", QT_TRANSLATE_NOOP("kx::TformMain", "&Update Now"));
    menuUpdateNow->setEnabled(false);
    menuShowUpdateMsg = make_item(menuInfo, "menuShowUpdateMsg",
                                  QT_TRANSLATE_NOOP("kx::TformMain", "Show Update &Message"));
    menuShowUpdateMsg->setCheckable(true);

    // Info goes under Help: a seventh menu would not fit the window's width.
    for (QMenu* menu : {menuFile, menuEdit, menuConnection, menuSettings, menuFirmwareUpgrade})
        MenuBar1->addMenu(menu);
    add_quit_item(*this);
    add_help_menu(*this, m_context);

    connect(menuLoadConfiguration, &QAction::triggered, this,
            &TformMain::menuLoadConfigurationClick);
    connect(menuSaveConfiguration, &QAction::triggered, this,
            &TformMain::menuSaveConfigurationClick);
    connect(menuPresetLibrary, &QAction::triggered, this, &TformMain::menuPresetLibraryClick);
    connect(menuSupport, &QAction::triggered, this, &TformMain::menuSupportClick);
    connect(menuUpdateNow, &QAction::triggered, this, &TformMain::menuUpdateNowClick);
    connect(menuCheckForUpdates, &QAction::triggered, this, &TformMain::menuCheckForUpdatesClick);
    connect(menuSwitchWindow, &QAction::triggered, this, &TformMain::menuSwitchWindowClick);
    connect(menuShowUpdateMsg, &QAction::triggered, this, &TformMain::menuShowUpdateMsgClick);
    connect(menuFirmwareUpgradeMode, &QAction::triggered, this,
            &TformMain::menuFirmwareUpgradeModeClick);
    connect(menuStartFirmwareUpgrade, &QAction::triggered, this,
            &TformMain::menuStartFirmwareUpgradeClick);
    connect(menuLook, &QMenu::triggered, this, &TformMain::menuLookClickItem);
    connect(menuLanguage, &QMenu::triggered, this, &TformMain::menuLanguageClickItem);
    connect(menuScan, &QAction::triggered, this, &TformMain::menuScanClick);
    connect(menuConnect, &QAction::triggered, this, &TformMain::menuConnectClick);
    connect(menuDisconnect, &QAction::triggered, this, &TformMain::menuDisconnectClick);
    connect(menuDiagnose, &QAction::triggered, this, &TformMain::menuDiagnoseClick);
    connect(menuConnectAutomatically, &QAction::triggered, this,
            &TformMain::menuConnectAutomaticallyClick);
    // After the connect's own handler, which it follows in the order of connection.
    connect(menuConnect, &QAction::triggered, this, &TformMain::diagnose_failed_connect);
    connect(menuLoadIR, &QAction::triggered, this, &TformMain::menuLoadIRClick);
    connect(menuAssignmentMap, &QAction::triggered, this, &TformMain::menuAssignmentMapClick);
    connect(menuFollowPedal, &QAction::triggered, this, &TformMain::menuFollowPedalClick);
}

void TformMain::FormCreate() {
    list_devices();
    init_line_settings();
    (void)session().set_upgrade_mode(false);
    refresh_controls();

    create_categories();
    menuShowUpdateMsg->setChecked(m_context.show_update_message);

    NetHTTPRequest1 = prepare_version_request();
    TimerCheckWebVersion.start();

    own_version = get_app_version();
    set_translated(menuAppVersion, "text", "kx::TformMain",
                   QT_TRANSLATE_NOOP("kx::TformMain", "Version: "), QLatin1Char(' ') + own_version);

    create_folder(m_context.dialogs, QLatin1String(kMakerFolder));
    create_subfolder(m_context.dialogs, QLatin1String(kMakerFolder), QLatin1String(kProductFolder));
    read_update_message_setting(m_context.dialogs, m_context.show_update_message);
    menuShowUpdateMsg->setChecked(m_context.show_update_message);

    create_look_menu();
    create_language_menu();
    check_current_look(restore_look(m_context.dialogs, m_context.store));

    create_midi_channel_menu();
    restore_memory();
}

void TformMain::show_status_text(const QString& status) {
    // Word wrap breaks only between words: a long path may also break after a slash or an
    // underscore. The tooltip and screen readers get the text as it was given.
    QString shown = status;
    shown.replace(QLatin1Char('/'), QStringLiteral("/\u200B"));
    shown.replace(QLatin1Char('_'), QStringLiteral("_\u200B"));
    lblStatusLine->setText(shown);
    lblStatusLine->setToolTip(plain_tooltip(status));
    lblStatusLine->setAccessibleDescription(status);
    if (status.isEmpty())
        TimerStatusLine.stop();
    else
        TimerStatusLine.start();
}

void TformMain::set_other_windows(const OtherWindows& windows) {
    m_windows = windows;
    if (m_windows.formFXParameters) {
        m_windows.formFXParameters->attach(session(), *this, m_context.store, m_context.dialogs,
                                           m_context.log, m_context.clock);
        create_edit_actions();
    }
    attach_follow();
    if (m_windows.formFirmwareUpgrade)
        connect(m_windows.formFirmwareUpgrade, &TformFirmwareUpgrade::firmware_upgraded, this,
                &TformMain::firmware_upgraded);
    attach_ir_window();
    restore_other_places();
}

void TformMain::create_categories() {
    for (const EffectCategory& row : kCategories)
        lstCategory->addItem(text(row.caption));
}

void TformMain::create_look_menu() {
    auto* looks = new QActionGroup(menuLook);
    looks->setExclusive(true);
    for (int k = 0; k < kLookMenuCount; ++k) {
        QAction* item = menuLook->addAction(QString());
        set_translated(item, "text", "kx::TformMain", kLookNames[k]);
        item->setObjectName(QStringLiteral("menuLook%1").arg(k));
        item->setCheckable(true);
        looks->addAction(item);
    }
}

void TformMain::check_current_look(std::optional<int> look) {
    const QList<QAction*> items = menuLook->actions();
    for (int k = 0; k < int(items.size()); ++k)
        items[k]->setChecked(look && *look == k);
}

void TformMain::create_midi_channel_menu() {
    // One channel at a time: the checked item is the channel last set on the pedal.
    auto* channels = new QActionGroup(menuMIDIchannel);
    channels->setExclusive(true);
    for (const QString& caption : midi_channel_items()) {
        QAction* item = menuMIDIchannel->addAction(caption);
        item->setObjectName(QStringLiteral("menuMIDIchannel") + caption);
        item->setCheckable(true);
        channels->addAction(item);
    }
    connect(menuMIDIchannel, &QMenu::triggered, this, &TformMain::menuMIDIchannelsClickItem);
}

int category_count() {
    return static_cast<int>(std::size(kCategories));
}

QString category_resource(int row) {
    return QString::fromLatin1(kCategories[row].resource);
}

void TformMain::lstGainClick() {
    category_click(0);
}
void TformMain::lstModulationClick() {
    category_click(1);
}
void TformMain::lstSynthesisClick() {
    category_click(2);
}
void TformMain::lstFilterClick() {
    category_click(3);
}
void TformMain::lstDynamicClick() {
    category_click(4);
}
void TformMain::lstIRClick() {
    category_click(5);
}
void TformMain::lstOtherClick() {
    category_click(6);
}

bool TformMain::load_effect_list(const QString& resource) {
    const Status loaded = m_context.store.load_resource_text(resource);
    if (!loaded)
        m_context.dialogs.message(loaded.error());
    return loaded.ok();
}

void TformMain::category_click(int row) {
    const EffectCategory& category = kCategories[row];
    lstEffects->clear();
    (void)load_effect_list(text(category.resource));
    fill_effect_list();
    m_context.selection.selected_category = text(category.caption);
    m_memory.set_value(memory_key::kCategory, m_context.selection.selected_category);
    // A hint that goes by itself, not a box on every visit: the IR window shows the how-to.
    if (m_context.selection.selected_category == QLatin1String(kImpulseResponseCategory))
        show_status_text(ui_text("kx::TformMain", kImpulseResponseHint));
}

void TformMain::fill_effect_list() {
    lstEffects->addItems(m_context.store.resource_text);
    lstEffects->clearSelection();
    lstEffects->setCurrentRow(-1);
}

Task<> TformMain::effetto_cliccato(QListWidgetItem* Item) {
    if (!Item)
        co_return;
    // The click rebuilds the parameters window: its unstored edits are asked about first, and
    // Cancel leaves the list as it was.
    const bool let_go = co_await keep_or_let_go_of_edits();
    if (!let_go) {
        const auto shown =
            lstEffects->findItems(m_context.selection.selected_effect_name, Qt::MatchExactly);
        lstEffects->setCurrentItem(shown.isEmpty() ? nullptr : shown.first(),
                                   QItemSelectionModel::ClearAndSelect);
        co_return;
    }
    SelectionState& selection = m_context.selection;
    // The click highlights its row (a Ctrl+click must not leave it unhighlighted).
    lstEffects->setCurrentItem(Item, QItemSelectionModel::ClearAndSelect);
    const int index = lstEffects->row(Item);
    m_context.log.print_line(QLatin1String(kLogEffectIndex) + QString::number(index));
    selection.selected_effect_name = Item->text();
    m_context.log.print_line(QLatin1String(kLogSelectedEffect) + selection.selected_effect_name);
    m_memory.set_value(memory_key::kEffect, selection.selected_effect_name);
    if (!selection.selected_effect_name.isEmpty())
        btnGetFXInfo->setEnabled(true);

    refresh_controls();

    show_parameters_window(selection.selected_effect_name);

    menuLoadIR->setEnabled(selection.selected_category == QLatin1String(kImpulseResponseCategory));
}

void TformMain::show_parameters_window(const QString& caption) {
    TformFXParameters* parameters = m_windows.formFXParameters;
    if (!parameters)
        return;
    if (parameters->isVisible()) {
        // Closed to be built again: following goes on if it still shows the pedal's effect.
        m_reopening_parameters = true;
        parameters->close();
        m_reopening_parameters = false;
    }
    parameters->selected_effect_name = m_context.selection.selected_effect_name;
    // It opens beside this window and leaves the keyboard here; F6 goes over to it.
    parameters->setAttribute(Qt::WA_ShowWithoutActivating);
    parameters->show();
    set_untranslated(parameters, "windowTitle", caption);
    show_unstored(parameters->has_unstored_edits()); // kept when the same effect opens again
    parameters->setFixedHeight(
        parameters_window_height(parameters->control_count(), parameters->readback_count()));
    // Taller than the screen (a 24-control effect on a low screen), it scrolls its rows.
    const int decoration = expected_frame(parameters).height() - parameters->height();
    parameters->fit_height(home_area(parameters).height() - decoration);
    place_beside(parameters, this); // now that its height is known
    refresh_controls();
}

int TformMain::highlighted_effect_row() const {
    const auto rows = lstEffects->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

bool TformMain::move_up_or_down(int key) {
    if (key != Qt::Key_Up && key != Qt::Key_Down)
        return false;
    const int row = highlighted_effect_row();
    if (key == Qt::Key_Up) {
        m_context.log.print_line(QLatin1String(kLogArrowUp));
        if (row > 0)
            lstEffects->setCurrentRow(row - 1, QItemSelectionModel::ClearAndSelect);
    } else {
        m_context.log.print_line(QLatin1String(kLogArrowDown));
        if (row < lstEffects->count() - 1)
            lstEffects->setCurrentRow(row + 1, QItemSelectionModel::ClearAndSelect);
    }
    return true;
}

bool TformMain::activate_current_row(QListWidget* list, int key) {
    if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space)
        return false;
    QListWidgetItem* item = list->currentItem();
    if (!item)
        return true;
    if (list == lstEffects) {
        effetto_cliccato(item);
    } else {
        const int row = lstCategory->row(item);
        if (row >= 0 && row < int(std::size(kCategories))) {
            lstCategory->setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
            (this->*kCategoryHandlers[row])();
        }
    }
    return true;
}

bool TformMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && (watched == lstEffects || watched == lstCategory)) {
        auto* key_event = static_cast<QKeyEvent*>(event);
        auto* list = static_cast<QListWidget*>(watched);
        if (key_event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            return QWidget::eventFilter(watched, event);
        if (activate_current_row(list, key_event->key()))
            return true;
        if (list == lstEffects && move_up_or_down(key_event->key()))
            return true;
        // The list marks its first row as current when it takes the focus, unhighlighted: the
        // first arrow highlights that row rather than moving past it.
        if (list == lstCategory &&
            (key_event->key() == Qt::Key_Down || key_event->key() == Qt::Key_Up) &&
            list->selectionModel()->selectedRows().isEmpty()) {
            list->setCurrentRow(std::max(0, list->currentRow()),
                                QItemSelectionModel::ClearAndSelect);
            return true;
        }
    }
    if (event->type() == QEvent::EnabledChange)
        if (QAction* item = m_button_items.value(watched))
            item->setEnabled(static_cast<QWidget*>(watched)->isEnabled());
    return QWidget::eventFilter(watched, event);
}

void TformMain::focus_request() {
    if (btnRequest->isEnabled())
        btnRequest->setFocus(Qt::OtherFocusReason);
}

void TformMain::menuSwitchWindowClick() {
    // Between this window and the parameters window, for those who move without a mouse.
    QWidget* parameters = m_windows.formFXParameters;
    QWidget* target = this;
    if (parameters && parameters->isVisible() && QApplication::activeWindow() != parameters)
        target = parameters;
    target->raise();
    target->activateWindow();
    if (target == parameters && !parameters->focusWidget()) {
        // Its first control in Tab order.
        QWidget* first = parameters->nextInFocusChain();
        while (first != parameters && !(first->isEnabled() && first->isVisibleTo(parameters) &&
                                        (first->focusPolicy() & Qt::TabFocus)))
            first = first->nextInFocusChain();
        if (first != parameters)
            first->setFocus(Qt::TabFocusReason);
    }
}

void TformMain::FormKeyDown() {
    // Reached through the window's Ctrl+Shift+P shortcut, which consumes the key press.
    if (m_windows.formPrint) {
        m_windows.formPrint->show();
        m_windows.formPrint->raise();
    }
}

void TformMain::firmware_upgraded() {
    refresh_controls();
}

void TformMain::menuSupportClick() {
    open_in_browser(m_context, maker_page(kContactPagePath));
}

void TformMain::menuLookClickItem(QAction* item) {
    const int k = menuLook->actions().indexOf(item);
    if (k >= 0 && choose_look(m_context.dialogs, m_context.store, k))
        check_current_look(k);
}

void TformMain::menuShowUpdateMsgClick() {
    // The check mark has already toggled; the choice takes effect at the next start.
    store_update_message_choice(m_context.dialogs, menuShowUpdateMsg->isChecked());
}

Task<> TformMain::menuFirmwareUpgradeModeClick() {
    const bool on = menuFirmwareUpgradeMode->isChecked();
    PedalSession& pedal = session();
    if (pedal.link_state() == LinkState::NotConnected) {
        if (const Status set = pedal.set_upgrade_mode(on); !set)
            show_status_text(set.error());
        refresh_controls();
        if (on)
            (void)co_await offer_virtual_bootloader();
        co_return;
    }
    // The mode is the connection's: changing it connects again in the other mode, once the
    // edits the window holds have been stored, saved or let go.
    bool let_go = !pedal.busy();
    if (let_go)
        let_go = co_await keep_or_let_go_of_edits();
    if (!let_go) {
        refresh_controls(); // the tick goes back to the mode the connection has
        co_return;
    }
    m_context.log.print_line(
        QLatin1String(on ? kLogReconnectForUpgrade : kLogReconnectForFirmware));
    if (const Status closed = co_await pedal.disconnect_pedal(); !closed) {
        report_pedal_error(closed.failure());
        refresh_controls();
        co_return;
    }
    (void)pedal.set_upgrade_mode(on);
    if (on)
        (void)co_await offer_virtual_bootloader();
    co_await menuConnectClick();
}

Task<bool> TformMain::offer_virtual_bootloader() {
    VirtualPedalDriver* driver = m_context.link->virtual_pedal();
    if (!driver)
        co_return false;
    // Only the built-in pedal can be restarted from here, and only while no other is in use.
    const Communication& link = communication();
    if (link.connected() && link.device_serial_number != QLatin1String(kVirtualPedalSerial))
        co_return false;
    const int chosen =
        m_context.dialogs.choose(ui_text("kx::TformMain", kAskVirtualBootloader),
                                 {ui_text("kx::TformMain", kChoiceRestartInBootloader),
                                  ui_text("kx::TformMain", kChoiceLeaveFirmwareRunning)});
    if (chosen != 0)
        co_return false;
    driver->pedal().power_cycle(VirtualPedalDriver::now_us(), true);
    m_context.log.print_line(text(kLogVirtualBootloader));
    co_await m_context.clock.pause(int(sim::kFirmwareBoot_us / 1000) + 10);
    co_return true;
}

void TformMain::menuAssignmentMapClick() {
    TformAssignmentMap* map = m_windows.formAssignmentMap;
    if (!map)
        return;
    map->refresh();
    map->show();
    map->raise();
    map->activateWindow();
}

void TformMain::menuStartFirmwareUpgradeClick() {
    if (m_windows.formFirmwareUpgrade)
        m_windows.formFirmwareUpgrade->show();
}

} // namespace kx
