#pragma once

#include "base/task.h"
#include "base/translation.h"

#include "base/ui/built_on_use.h"
#include "firmware/upgrade_operation.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace kx {

class Clock;
class Dialogs;
class PedalSession;
class Log;
class ResourceStore;

inline constexpr char kTextUpgradeComplete[] = QT_TRANSLATE_NOOP(
    "kx::TformFirmwareUpgrade", "Firmware Upgrade Complete, device will now restart");
inline constexpr char kLogFirmwareVersionChosen[] = "Firmware Version: ";
// Asked before the first byte of an upgrade: %1 is the firmware's list text.
inline constexpr char kConfirmFirmwareUpgrade[] = QT_TRANSLATE_NOOP(
    "kx::TformFirmwareUpgrade",
    "Upgrade the pedal to %1? Do not unplug the pedal or switch it off until \"Firmware Upgrade "
    "Complete\" appears.");
inline constexpr char kTextBootloaderHowTo[] = QT_TRANSLATE_NOOP(
    "kx::TformFirmwareUpgrade",
    "To start the pedal in its bootloader, unplug it, then plug it in again while holding its "
    "footswitch down, and connect with Upgrade Mode ticked.");

// A firmware's list text: the version it brings and its resource name ("Firmware 12
// (Firmware_1)"), or the name alone when the image does not say its version.
QString firmware_item_text(const ResourceStore& store, const QString& resource_name);

// What the firmware window works with, handed over once when it is created.
struct FirmwareUpgradeContext {
    PedalSession& session;
    Log& log;
    Dialogs& dialogs;
    Clock& clock;
    const ResourceStore& store;
};

// The firmware upgrade window, shown from the main window's "Start Firmware Upgrade": choose a
// firmware, start the upgrade and watch it. It stays usable for another try until an upgrade
// has succeeded; then it hides, turns upgrade mode off and says so with firmware_upgraded().
class TformFirmwareUpgrade : public BuiltOnUseWindow {
    Q_OBJECT
public:
    explicit TformFirmwareUpgrade(const FirmwareUpgradeContext& context, QWidget* parent = nullptr);

    BuiltChild<QComboBox> cmbFirmwareChoose{this};
    BuiltChild<QPushButton> btnUpgradeFirmware{this};
    // Stops a running upgrade after the chunk being written, with the bootloader ready for
    // another try.
    BuiltChild<QPushButton> btnCancelUpgrade{this};
    // Closes the window; not while an upgrade runs.
    BuiltChild<QPushButton> btnCloseFirmwareUpgrade{this};
    BuiltChild<QProgressBar> ProgressBar1{this};
    BuiltChild<QLabel> lblBootloaderHowTo{this};

    void FirmwareSelect();
    Task<> btnUpgradeFirmwareClick();
    void btnCancelUpgradeClick();

    FirmwareUpgradeOperation& operation() { return m_operation; }

signals:
    // The new firmware was written, read back, recorded and started; upgrade mode is off and
    // the session's link state is the running firmware again.
    void firmware_upgraded();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Another language brings other lengths of text: the window fits them again.
    void changeEvent(QEvent* event) override;
    // Reads the firmware list's versions from the store, which only this window shows.
    void build() override;

private:
    void show_step(const QString& step);
    void show_chunk(int position, int maximum);
    void set_running(bool running);

    FirmwareUpgradeContext m_context;
    // The session's; the window watches it.
    FirmwareUpgradeOperation& m_operation;
    QString m_image_name;
    int m_firmware_number = 0;
};

} // namespace kx
