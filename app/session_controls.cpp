#include "app/session_controls.h"

#include "session/pedal_session.h"

#include <array>

namespace kx {

namespace {

constexpr int kPhaseCount = int(EditorPhase::Upgrading) + 1;

// Rows: phases; columns: Upload, Open FX, Request, Assign, Store, MIDI, Scan, Connect,
// Disconnect, Upgrade Mode, Start Firmware Upgrade, Follow Pedal.
// Request opens the running effect when it is not known; Assign and Store need its values and
// assignments read, so that they never send a count or a code the pedal did not give. In the
// bootloader only the upgrade, Disconnect and leaving Upgrade Mode are offered; changing
// Upgrade Mode while connected connects again in the other mode. Following needs the window
// live: it shows what the pedal plays.
// clang-format off
constexpr std::array<std::array<bool, kEditorControlCount>, kPhaseCount> kTable{{
    // Upl   Open   Req    Asg    Sto    MIDI   Scan   Conn   Disc   Mode   Start  Follow
    {false, false, false, false, false, false, true,  true,  false, true,  false, false}, // NotConnected
    {true,  true,  true,  false, false, true,  false, false, true,  true,  false, false}, // NoEffectKnown
    {true,  true,  true,  false, false, true,  false, false, true,  true,  false, false}, // EffectKnown
    {true,  true,  true,  true,  true,  true,  false, false, true,  true,  false, true},  // Live
    {true,  true,  true,  false, false, true,  false, false, true,  true,  false, false}, // Preview
    {false, false, false, false, false, false, false, false, true,  true,  true,  false}, // Bootloader
    {false, false, false, false, false, false, false, false, true,  true,  false, false}, // BootloaderSilent
    {false, false, false, false, false, false, false, false, false, false, false, false}, // Upgrading
}};
// clang-format on

bool pedal_action(EditorControl control) {
    switch (control) {
    case EditorControl::btnUpload:
    case EditorControl::btnOpenEffect:
    case EditorControl::btnRequest:
    case EditorControl::btnAssign:
    case EditorControl::btnStoreSettingsOnPedal:
    case EditorControl::menuMIDI:
    case EditorControl::menuFirmwareUpgradeMode:
        return true;
    default:
        return false;
    }
}

} // namespace

EditorPhase editor_phase(const PedalSession& session, const QString& selected_effect) {
    switch (session.link_state()) {
    case LinkState::NotConnected:
        return EditorPhase::NotConnected;
    case LinkState::Bootloader:
        return EditorPhase::Bootloader;
    case LinkState::BootloaderSilent:
        return EditorPhase::BootloaderSilent;
    case LinkState::Upgrading:
        return EditorPhase::Upgrading;
    case LinkState::Firmware:
        break;
    }
    if (!selected_effect.isEmpty() &&
        (!session.effect_known() || selected_effect != session.effect().name))
        return EditorPhase::Preview;
    if (!session.effect_known())
        return EditorPhase::NoEffectKnown;
    return session.values_known() ? EditorPhase::Live : EditorPhase::EffectKnown;
}

bool control_enabled(EditorPhase phase, EditorControl control, bool busy) {
    if (busy && pedal_action(control))
        return false;
    return kTable[int(phase)][int(control)];
}

QString editor_phase_name(EditorPhase phase) {
    static const char* const kNames[] = {
        "not connected", "no effect known", "effect known",      "live",
        "preview",       "bootloader",      "bootloader silent", "upgrading"};
    return QString::fromLatin1(kNames[int(phase)]);
}

QString editor_control_name(EditorControl control) {
    static const char* const kNames[] = {"btnUpload",
                                         "btnOpenEffect",
                                         "btnRequest",
                                         "btnAssign",
                                         "btnStoreSettingsOnPedal",
                                         "menuMIDI",
                                         "menuScan",
                                         "menuConnect",
                                         "menuDisconnect",
                                         "menuFirmwareUpgradeMode",
                                         "menuStartFirmwareUpgrade",
                                         "menuFollowPedal"};
    return QString::fromLatin1(kNames[int(control)]);
}

} // namespace kx
