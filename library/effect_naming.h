#pragma once

#include "base/result.h"

#include <QString>

#include <optional>

namespace kx {

class Log;
class ResourceStore;

// The main window's selection state and the pedal's last information reply. Everything
// starts empty, false or 0.
struct SelectionState {
    QString selected_category;    // caption of the category row clicked last
    QString selected_effect_name; // effect clicked last, or the pedal's after Open FX
    QString pedal_effect_name;    // effect running on the pedal, as identified last
    bool effect_is_live = false;  // the selected effect is the one on the pedal
    int pedal_effect_number = 0;
    int pedal_effect_version = 0;
    int pedal_firmware_version = 0;
};

inline constexpr char kLogEffectFromList[] = "effetto ottenuto dalla lista: ";

// Names `pedal_effect_number` from the catalogue and makes it the selected, live effect.
// An error when the catalogue has no such line (BadReply; it names the number) or cannot be
// loaded (BadInput, the store's "Error loading resource: " text); then nothing has changed.
Status identify_pedal_effect(SelectionState& state, ResourceStore& store, Log& log);

} // namespace kx
