#pragma once

#include <QString>

namespace kx {

// What the main window has selected. The pedal's own state (which effect runs, its version,
// whether a window is live) is the session's alone.
struct SelectionState {
    QString selected_category;    // caption of the category row clicked last
    QString selected_effect_name; // effect clicked last, or the pedal's after Open FX
    // The effect of a preset shown in a window that is not live (a preview): a preset saved
    // from the preview keeps it.
    int preview_effect_number = 0;
    int preview_effect_version = 0;
};

} // namespace kx
