#pragma once

#include "app/NewVersionMsg.h"
#include "base/result.h"
#include "link/connection_ui.h"

#include <QStringList>

#include <memory>
#include <optional>

#include <QTimer>
#include <QWidget>

class QAction;
class QCheckBox;
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
class TformPrint;

// The windows created after the main window, which it shows, places and closes.
struct OtherWindows {
    TformFirmwareUpgrade* formFirmwareUpgrade = nullptr;
    TformPrint* formPrint = nullptr;
    TformFXParameters* formFXParameters = nullptr;
    TformFXInfo* formFXInfo = nullptr;
    TformImpulseResponse* formImpulseResponse = nullptr;
    TformNewVersionMsg* formNewVersionMsg = nullptr;
};

inline constexpr char kImpulseResponseCategory[] = "Impulse Response";
inline constexpr char kLogEffectIndex[] = "efx index :";
inline constexpr char kLogSelectedEffect[] = "selected effect name: ";
inline constexpr char kLogArrowUp[] = "arrow up pressed";
inline constexpr char kLogArrowDown[] = "arrow down pressed";
inline constexpr char kConfirmUpload[] = "Upload the selected effect?";
inline constexpr char kMessageNoEffectSelected[] =
    "Choose an effect in the list first, then upload it.";

// The category rows, in display order: how many, and the resource that lists each one's
// effects.
int category_count();
QString category_resource(int row);

// How long a status text stays in the main window.
inline constexpr int kStatusTextShow_ms = 6000;
// The how-to message of the Impulse Response category, its lines joined by CR LF.
QString impulse_response_howto();

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
    QCheckBox* chkFirmwareUpgradeMode;
    QPushButton* btnUploadFile;
    QCheckBox* chkLiveRequest;
    // The status texts, under the pedal buttons.
    QLabel* lblStatusLine;
    QTimer TimerStatusLine;
    QTimer TimerCheckWebVersion;
    VersionRequest NetHTTPRequest1;

    QMenu* menuFile;
    QAction* menuLoadConfiguration;
    QAction* menuSaveConfiguration;
    QAction* menuLoadIR;
    QMenu* menuConnection;
    QAction* menuScan;
    QAction* menuConnect;
    QAction* menuDisconnect;
    QAction* menuDiagnose;
    QMenu* menuSettings;
    QAction* menuLiveEnable;
    QMenu* menuLook;
    QMenu* menuMIDI;
    QMenu* menuMIDIchannel;
    QMenu* menuFirmwareUpgrade;
    QAction* menuFirmwareUpgradeMode;
    QAction* menuStartFirmwareUpgrade;
    QMenu* menuInfo;
    QAction* menuQuickStart;
    QAction* menuSupport;
    QAction* menuAppVersion;
    QAction* menuNewAppVersion;
    QAction* menuSerialNumber;
    QAction* menuUpdateNow;
    QAction* menuShowUpdateMsg;

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
    void effetto_cliccato(QListWidgetItem* Item);
    void menuSupportClick();
    void menuScanClick();
    void menuConnectClick();
    void menuDisconnectClick();
    // The connection doctor; see MainDoctor.cpp.
    void menuDiagnoseClick();
    void menuLookClickItem(QAction* item);
    void menuShowUpdateMsgClick();
    void menuFirmwareUpgradeModeClick();
    void menuStartFirmwareUpgradeClick();
    void menuLoadIRClick();
    void checkmostrecentversiononwebsite();
    void WebRequestCompleted(const kx::VersionReply& AResponse);
    void menuUpdateNowClick();
    void menuLoadConfigurationClick();
    void menuSaveConfigurationClick();
    void btnGetFXInfoClick();
    void FormKeyDown();
    void btnUploadClick();
    void btnOpenEffectClick();
    void btnRequestClick();
    void btnAssignClick();
    void btnStoreSettingsOnPedalClick();
    void menuMIDIchannelsClickItem(QAction* item);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build_controls();
    void build_menus();
    void FormCreate();
    // The pedal link's part of the start-up; see MainLink.cpp.
    void attach_pedal_link();
    void list_devices();
    // Says why ports given by path were not listed: in the log and in the status line.
    void report_port_problems();
    // Opens the connection doctor when a connect has just failed for a reason it finds.
    void diagnose_failed_connect();
    void init_line_settings();
    void create_categories();
    void create_look_menu();
    void create_midi_channel_menu();
    void category_click(int row);
    void fill_effect_list();
    bool move_up_or_down(int key);
    // The new firmware runs; the session has turned upgrade mode off.
    void firmware_upgraded();
    // Shows the running effect as the session knows it: the lists, the firmware version and
    // its parameters window.
    void show_running_effect();
    // Closes the parameters window if it is open, places it beside this one, shows it for the
    // selected effect under `caption` and sizes it to the effect's rows.
    void show_parameters_window(const QString& caption);
    void request_parameters();
    // The row of the pedal's effect in a category list, if it is there.
    std::optional<int> find_effect_in_list(const QStringList& lines) const;
    // Shows a pedal action's failure, unless the link has already told the user.
    void report_pedal_error(const Error& error);
    // Preset files; see MainPresets.cpp.
    void SaveTextWithDialog(const QString& TextContent, const QString& NameOfFile);
    std::optional<QStringList> LoadTextWithDialog(QString& path);

    AppContext& m_context;
    OtherWindows m_windows;
    QString m_device_name_text;
    bool m_upload_watched = false;
    VersionClient* m_version_client = nullptr; // made by the first check
};

} // namespace kx
