#pragma once

#include <QString>

namespace kx {

class PedalSession;

// What the main window offers follows from the pedal session's state through one table (see
// session_controls.cpp); nothing else enables or disables these controls.
enum class EditorPhase {
    NotConnected,
    NoEffectKnown,    // the firmware answers; the running effect is not known (yet)
    EffectKnown,      // Open FX named the running effect; its values are not read
    Live,             // the running effect's values are read: the parameters window is live
    Preview,          // the firmware answers; the window shows an effect the pedal does not run
    Bootloader,       // the bootloader answered: the upgrade and Disconnect only
    BootloaderSilent, // connected for an upgrade, but the bootloader did not answer
    Upgrading,
};

enum class EditorControl {
    btnUpload,
    btnOpenEffect,
    btnRequest,
    btnAssign,
    btnStoreSettingsOnPedal,
    menuMIDI,
    menuScan,
    menuConnect,
    menuDisconnect,
    menuFirmwareUpgradeMode, // and the check box that mirrors it
    menuStartFirmwareUpgrade,
    menuFollowPedal,
};
inline constexpr int kEditorControlCount = int(EditorControl::menuFollowPedal) + 1;

// `selected_effect` is the effect the window shows (empty: none).
EditorPhase editor_phase(const PedalSession& session, const QString& selected_effect);

// Whether `control` is enabled in `phase`; while the session waits for the pedal (`busy`) the
// pedal actions are off as well.
bool control_enabled(EditorPhase phase, EditorControl control, bool busy);

QString editor_phase_name(EditorPhase phase);
QString editor_control_name(EditorControl control);

} // namespace kx
