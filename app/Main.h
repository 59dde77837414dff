#pragma once

#include "app/EditorMemory.h"
#include "app/NewVersionMsg.h"
#include "base/result.h"
#include "base/task.h"
#include "base/translation.h"
#include "ir/ir_response.h"
#include "link/connection_ui.h"

#include <QElapsedTimer>
#include <QHash>
#include <QPointer>
#include <QStringList>

#include <memory>
#include <optional>

#include <QTimer>
#include <QWidget>

class QAction;
class QCheckBox;
class QDragEnterEvent;
class QDropEvent;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QMenuBar;
class QPushButton;

namespace kx {

class AppContext;
class Communication;
class ElidingLabel;
class PedalSession;
class TformFirmwareUpgrade;
class TformFXInfo;
class TformFXParameters;
class TformImpulseResponse;
class TformAssignmentMap;
class TformPrint;
enum class EditorPhase;
class Log;
struct Preset;
struct PresentPedal;

// The windows created after the main window, which it shows, places and closes.
struct OtherWindows {
    TformFirmwareUpgrade* formFirmwareUpgrade = nullptr;
    TformPrint* formPrint = nullptr;
    TformFXParameters* formFXParameters = nullptr;
    TformFXInfo* formFXInfo = nullptr;
    TformImpulseResponse* formImpulseResponse = nullptr;
    TformNewVersionMsg* formNewVersionMsg = nullptr;
    TformAssignmentMap* formAssignmentMap = nullptr;
};

inline constexpr char kImpulseResponseCategory[] = "Impulse Response";
inline constexpr char kLogEffectIndex[] = "efx index :";
inline constexpr char kLogSelectedEffect[] = "selected effect name: ";
inline constexpr char kLogArrowUp[] = "arrow up pressed";
inline constexpr char kLogArrowDown[] = "arrow down pressed";
// The upload's question names what goes to the pedal: the effect, and an impulse response
// effect's imported file.
inline constexpr char kConfirmUpload[] =
    QT_TRANSLATE_NOOP("kx::TformMain", "Upload the selected effect, \"%1\"?");
inline constexpr char kConfirmUploadIr[] = QT_TRANSLATE_NOOP(
    "kx::TformMain", "Upload the selected effect, \"%1\", with the impulse response \"%2\"?");
// lblStatus with no upload to tell of.
inline constexpr char kTextStatusCaption[] = QT_TRANSLATE_NOOP("kx::TformMain", "Status: ");
inline constexpr char kMessageNoEffectSelected[] =
    QT_TRANSLATE_NOOP("kx::TformMain", "Choose an effect in the list first, then upload it.");
// What the status line says after a write to the pedal.
inline constexpr char kStatusStored[] =
    QT_TRANSLATE_NOOP("kx::TformMain", "Settings stored on the pedal");
inline constexpr char kStatusStoreFailed[] =
    QT_TRANSLATE_NOOP("kx::TformMain", "The settings were not stored: ");
inline constexpr char kStatusAssigned[] =
    QT_TRANSLATE_NOOP("kx::TformMain", "Assignments sent to the pedal");
inline constexpr char kStatusAssignFailed[] =
    QT_TRANSLATE_NOOP("kx::TformMain", "The assignments were not sent: ");
inline constexpr char kStatusMidiSet[] =
    QT_TRANSLATE_NOOP("kx::TformMain", "MIDI channel set to %1");
inline constexpr char kStatusMidiFailed[] =
    QT_TRANSLATE_NOOP("kx::TformMain", "The MIDI channel was not set to %1: ");

// The category rows, in display order: how many, and the resource that lists each one's
// effects.
int category_count();
QString category_resource(int row);

// How long a status text stays in the main window.
inline constexpr int kStatusTextShow_ms = 6000;
// Choosing the Impulse Response category says this in the status line; the IR window, which
// Load IR shows, has the how-to.
inline constexpr char kImpulseResponseHint[] = QT_TRANSLATE_NOOP(
    "kx::TformMain",
    "Impulse Response: choose an effect, then File > Load IR (Ctrl+I) and Upload (Ctrl+U). Load "
    "IR shows how.");

// The editor's home: the effect catalogue, the pedal buttons and the menus.
class TformMain : public QWidget, public ConnectionUi {
    Q_OBJECT
public:
    // Builds the window and runs its start-up sequence (FormCreate).
    explicit TformMain(AppContext& context, QWidget* parent = nullptr);
    ~TformMain() override;

    // Called once the other windows exist (they are created after this one).
    void set_other_windows(const OtherWindows& windows);

    // The highlighted row of lstEffects, or -1.
    int highlighted_effect_row() const;

    // The pedal connection, which shows its state in this window.
    Communication& communication();
    // What the editor knows of the pedal; its state decides what is enabled here.
    PedalSession& session();
    // Applies the one table of session state -> enabled controls (session_controls.h).
    void refresh_controls();

    // What the connection changes in this window.
    QString device_name_text() const override;
    void set_device_name_text(const QString& text) override;
    void append_serial_number_text(const QString& text) override;
    // Tells the user in a few words what just happened (an action refused while the pedal is
    // busy, a port that is missing); the text goes after kStatusTextShow_ms.
    void show_status_text(const QString& text) override;

    QMenuBar* MenuBar1;
    // Shows its text with blanks run together; device_name_text() keeps the text as set.
    ElidingLabel* lblDeviceName;
    QLabel* lblSerialNumber;
    QLabel* lblFirmwareVersion;
    QPushButton* btnUpload;
    QLabel* lblStatus;
    QPushButton* btnOpenEffect;
    QPushButton* btnRequest;
    QPushButton* btnAssign;
    QPushButton* btnStoreSettingsOnPedal;
    QPushButton* btnGetFXInfo;
    QListWidget* lstCategory;
    QListWidget* lstEffects;
    // Kept for the connection, which enables it; never shown, so not in the window.
    std::unique_ptr<QCheckBox> chkFirmwareUpgradeMode;
    // The status texts, under the pedal buttons.
    QLabel* lblStatusLine;
    QTimer TimerStatusLine;
    QTimer TimerCheckWebVersion;
    VersionRequest NetHTTPRequest1;

    QMenu* menuFile;
    QAction* menuLoadConfiguration;
    QAction* menuSaveConfiguration;
    QAction* menuPresetLibrary;
    QAction* menuLoadIR;
    QMenu* menuEdit;
    QAction* menuUndo = nullptr; // made with the parameters window's undo stack
    QAction* menuRedo = nullptr;
    // Compare and the reset to the effect's values; see MainCompare.cpp.
    QAction* menuCompare = nullptr;
    QAction* menuResetToEffectValues = nullptr;
    QMenu* menuConnection;
    QAction* menuScan;
    QAction* menuConnect;
    QAction* menuDisconnect;
    QAction* menuDiagnose;
    QAction* menuConnectAutomatically;
    // Every attached pedal by serial and port, the chosen one ticked; see MainPedalChoice.cpp.
    QMenu* menuPedal = nullptr;
    // The pedal buttons as items of the Connection menu, with their shortcuts; each follows its
    // button's state.
    QAction* menuUpload;
    QAction* menuOpenEffect;
    QAction* menuRequest;
    QAction* menuAssign;
    QAction* menuStoreSettingsOnPedal;
    // Moves between this window and the parameters window (F6).
    QAction* menuSwitchWindow;
    QMenu* menuSettings;
    QAction* menuAssignmentMap;
    // Checked while the session follows the pedal's knobs; see MainFollow.cpp.
    QAction* menuFollowPedal;
    QMenu* menuLook;
    QMenu* menuLanguage;
    QMenu* menuMIDI;
    QMenu* menuMIDIchannel;
    QMenu* menuFirmwareUpgrade;
    QAction* menuFirmwareUpgradeMode;
    QAction* menuStartFirmwareUpgrade;
    QMenu* menuInfo;
    QAction* menuSupport;
    QAction* menuAppVersion;
    QAction* menuNewAppVersion;
    QAction* menuSerialNumber;
    QAction* menuUpdateNow;
    QAction* menuShowUpdateMsg;
    // Asks the server now, and shows the answer whatever it is.
    QAction* menuCheckForUpdates;

    QString own_version;
    // The server's version from the last check that got one; empty until then.
    QString web_version;

public slots:
    void lstGainClick();
    void lstModulationClick();
    void lstSynthesisClick();
    void lstFilterClick();
    void lstDynamicClick();
    void lstIRClick();
    void lstOtherClick();
    Task<> effetto_cliccato(QListWidgetItem* Item);
    void menuSupportClick();
    Task<> menuScanClick();
    Task<> menuConnectClick();
    Task<> menuDisconnectClick();
    // The connection doctor; see MainDoctor.cpp.
    void menuDiagnoseClick();
    // Hot-plug; see MainHotplug.cpp.
    void menuConnectAutomaticallyClick();
    void menuLookClickItem(QAction* item);
    void menuLanguageClickItem(QAction* item);
    void menuShowUpdateMsgClick();
    Task<> menuFirmwareUpgradeModeClick();
    void menuStartFirmwareUpgradeClick();
    void menuLoadIRClick();
    void checkmostrecentversiononwebsite();
    void WebRequestCompleted(const kx::VersionReply& AResponse);
    void menuUpdateNowClick();
    void menuCheckForUpdatesClick();
    void menuSwitchWindowClick();
    Task<> menuLoadConfigurationClick();
    void menuSaveConfigurationClick();
    void menuPresetLibraryClick();
    void btnGetFXInfoClick();
    void FormKeyDown();
    // The pedal's actions start at once and end when the pedal has answered: each gives the
    // task that ends then (the windows never wait for it).
    Task<> btnUploadClick();
    Task<> btnOpenEffectClick();
    Task<> btnRequestClick();
    Task<> btnAssignClick();
    Task<> btnStoreSettingsOnPedalClick();
    Task<> menuMIDIchannelsClickItem(QAction* item);
    void menuAssignmentMapClick();
    void menuFollowPedalClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Dropped files; see MainDrop.cpp.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // A larger desktop font, or a look's, scales the window so that no caption is cut.
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // The first painting starts the pedal watcher (see MainHotplug.cpp).
    void paintEvent(QPaintEvent* event) override;

private:
    void build_controls();
    // What the last run left: see MainMemory.cpp.
    void restore_memory();
    void restore_selection();
    void restore_other_places();
    void remember_places();
    void check_midi_channel(const QString& caption);
    // Unstored edits; see MainEdits.cpp.
    void create_edit_actions();
    void create_compare_actions();
    void refresh_compare_actions();
    // Connection > Pedal; see MainPedalChoice.cpp.
    void create_pedal_menu();
    void fill_pedal_menu();
    Task<> choose_pedal(QString serial);
    // The serial of the pedal the user chose (remembered between runs), or empty.
    QString chosen_pedal() const;
    // Asks what to do with unstored edits before they would be lost; false: stay as we are.
    Task<bool> keep_or_let_go_of_edits();
    // Closes the window once the question about the unstored edits has been answered and the
    // edits stored, saved or let go.
    Task<> close_after_edits();
    void show_unstored(bool unstored);
    // Store Settings On Pedal; whether the pedal took the settings.
    Task<bool> store_settings();
    void build_menus();
    void FormCreate();
    // The pedal link's part of the start-up; see MainLink.cpp.
    void attach_pedal_link();
    // Starts watching for the pedal being plugged in and out, once the window is up.
    void attach_pedal_watcher();
    void start_pedal_watcher();
    void pedal_arrived(const PresentPedal& pedal);
    void pedal_left(const PresentPedal& pedal);
    // A real pedal plugged in while the virtual pedal is connected takes its place.
    void leave_virtual_pedal();
    // Connects when "Connect Automatically" is on, exactly one pedal is present, nothing is
    // connected and the user has not disconnected by hand.
    void connect_automatically();
    // Follow Pedal; see MainFollow.cpp.
    void attach_follow();
    void following_changed(bool on, const QString& reason);
    void stop_following_unless_live(EditorPhase phase);
    // A preset loads, a WAV starts the impulse response import.
    void drop_file(const QStringList& paths);
    // Imports a WAV file into the selected impulse response effect and shows the result; false
    // when nothing was imported (the user has been told why).
    bool import_ir_file(const QString& path);
    // Kept impulse responses; see MainIRKept.cpp. The IR window's signals, the selected
    // effect's last imports listed there, one of them taken again, and a new import kept.
    void attach_ir_window();
    void show_kept_imports();
    bool use_kept_import(const QString& path);
    // Asks whether to take the newest import kept for `effect_name`, and takes it.
    enum class LastImport { NoneKept, Taken, Declined };
    LastImport offer_last_import(const QString& effect_name);
    void keep_ir_response(const IrResponse& response);
    // A preset's impulse response beside it: written with the preset (the note for the saved
    // message), and imported when the preset is loaded.
    QString save_preset_response(const QString& preset_path);
    struct PresetResponse {
        bool imported = false;
        QString note; // for the loaded message: a response missing or damaged
    };
    PresetResponse import_preset_response(const QString& preset_path, const QString& effect_name);
    void list_devices();
    // Says why ports given by path were not listed: in the log and in the status line.
    void report_port_problems();
    // Opens the connection doctor when a connect has just failed for a reason it finds.
    void diagnose_failed_connect();
    void init_line_settings();
    void create_categories();
    void create_look_menu();
    // System, then each translation by its own name; the choice is remembered (MainLanguage.cpp).
    void create_language_menu();
    // Texts that are no fixed caption, shown again in the language just chosen.
    void retranslate_shown_texts();
    void create_midi_channel_menu();
    void category_click(int row);
    void fill_effect_list();
    bool move_up_or_down(int key);
    // Return, Enter or Space on a list row does what a click on it does.
    bool activate_current_row(QListWidget* list, int key);
    void focus_request();
    void check_current_look(std::optional<int> look);
    // With the built-in virtual pedal, Upgrade Mode offers to restart it in its bootloader, as
    // a pedal powered up with its footswitch held; true when it was restarted so.
    Task<bool> offer_virtual_bootloader();
    // The new firmware runs; the session has turned upgrade mode off.
    void firmware_upgraded();
    // Shows the running effect as the session knows it: the lists, the firmware version and
    // its parameters window.
    void show_running_effect();
    // Uploads `effect_name` through the session with its steps in lblStatus, and shows the
    // running effect once the pedal names it.
    Task<Result<QString>> upload_and_show(QString effect_name);
    // Closes the parameters window if it is open, places it beside this one, shows it for the
    // selected effect under `caption` and sizes it to the effect's rows.
    void show_parameters_window(const QString& caption);
    Task<> request_parameters();
    // The row of the pedal's effect in a category list, if it is there.
    std::optional<int> find_effect_in_list(const QStringList& lines) const;
    // Loads a category's effect names for the effect list (ResourceStore::resource_text); a
    // failure is shown, and the list keeps the names it had.
    bool load_effect_list(const QString& resource);
    // Whether `effect_name` is listed in the Impulse Response category.
    bool is_impulse_response_effect(const QString& effect_name) const;
    // The one place that shows what went wrong with the pedal: a failed step of the link or an
    // operation of the session (a lost link and a refusal are said elsewhere, once).
    void report_pedal_error(const Error& error);
    // Shows it, the guitarist's sentence first; the log keeps the driver's words.
    void show_pedal_message(const Error& error);
    // Which pedal a chip serial is, in a few words: "virtual", a port's path, or the serial.
    QString pedal_identity(const QString& serial) const;
    // Disconnects a port the editor took by itself whose device did not answer as the pedal.
    Task<> release_unproven_port(Error error);
    // Preset files; see MainPresets.cpp.
    void SaveTextWithDialog(const QString& TextContent, const QString& NameOfFile);
    std::optional<QStringList> LoadTextWithDialog(QString& path);
    // Loads a preset file into the open effect, as Load Configuration does after its dialog.
    Task<bool> load_preset_file(QString path);
    // Whether a preset can go anywhere: a pedal that answers, or an open parameters window.
    bool preset_target_open();
    Task<bool> apply_preset(QString path, QStringList lines);
    // A preset of a catalogue effect while the firmware answers: applied to the running effect,
    // or, when the pedal runs another, offered as an upload of its effect with it applied.
    Task<bool> apply_preset_on_pedal(QString path, Preset preset, QString effect_name,
                                     PresetResponse response);
    // A preset was loaded or saved: it goes first in the library's recent list.
    void preset_used(const QString& path);

    AppContext& m_context;
    OtherWindows m_windows;
    QString m_device_name_text;
    bool m_upload_watched = false;
    bool m_closing_approved = false;
    QPointer<QWidget> m_focus_after_busy;
    bool m_in_close_event = false;
    bool m_close_now = false;
    // The chip (serial or port path) of the last pedal connected this run.
    QString m_last_pedal_serial;
    // Connected by itself to a port given by path, and that device has not answered as the
    // pedal yet.
    bool m_unproven_port = false;
    // Disconnect chosen in the menu: no connect by itself until Connect is chosen again.
    bool m_disconnected_by_hand = false;
    bool m_watcher_start_asked = false;
    bool m_watcher_started = false;
    VersionClient* m_version_client = nullptr; // made by the first check
    // The list row clicked last, and when: a double click on it is not a second click.
    const QListWidgetItem* m_last_clicked = nullptr;
    QElapsedTimer m_last_click;
    // The pedal items of the menu, by the button whose state they follow.
    QHash<QObject*, QAction*> m_button_items;
    // The file of each effect's imported impulse response, by effect name.
    QHash<QString, QString> m_ir_files;
    // Each effect's imported response as a preset keeps it, and the last WAV file imported.
    QHash<QString, IrResponse> m_ir_responses;
    QString m_last_ir_path;
    // The running check was asked for in the Help menu: its result is shown, not only logged.
    bool m_check_on_purpose = false;
    EditorMemory m_memory;
    // The parameters window is closed only to be shown again.
    bool m_reopening_parameters = false;
    // The log console, while a follow request runs unlogged.
};

} // namespace kx
