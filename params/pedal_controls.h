#pragma once

#include "params/parameter_messages.h"
#include "params/parameters_state.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace kx {

// The pedal's own controls and lights in plain words, and the assignment map built from the
// assignment codes: which physical control drives which control of the running effect.

// One physical control of the pedal, or one of its lights.
struct PedalControl {
    AssignmentBox box; // Control for knobs, buttons, footswitch, remote, pedal; Readback for lights
    quint8 code;       // its assignment code
    QString item;      // the box item that names it ("KI")
    QString name;      // in plain words ("Knob 1")
    QString hint;      // a sentence for its tooltip
    bool switches_bypass_or_preset = false; // the footswitch's two uses and the remote
};

// The five knobs, the three buttons, the footswitch's two uses, the remote, the expression
// pedal, then the four lights: the map's rows, in the order the pedal's panel is read.
const QList<PedalControl>& pedal_controls();

// The tooltip of a box's item (item index as in assignment_box_items); empty for "--" and
// for an index with no item.
QString assignment_item_hint(AssignmentBox box, int item);

// Plain words for an effect information page's footswitch line ("Latching"), to add to the
// footswitch's hint; empty when the page says nothing the editor understands.
QString footswitch_action_hint(const QString& info_page_text);

// ---- the assignment map

// What the map offers for one physical control: nothing, one of the effect's controls (the
// first 16, which have assignment slots), the bypass or preset switching (the footswitch and
// remote only), or one of the readbacks (lights only).
struct MapChoice {
    enum class Kind { Nothing, Control, Bypass, Preset, Readback };
    Kind kind = Kind::Nothing;
    int index = -1; // control or readback index
    bool operator==(const MapChoice&) const = default;
};

// The effect the map shows: its control labels and readback labels, by index.
struct MapEffect {
    QStringList controls;
    QStringList readbacks;
};

// The choices of a row, "Nothing" first, each with its text.
QList<MapChoice> map_choices(const PedalControl& row, const MapEffect& effect);
QString map_choice_text(const MapChoice& choice, const MapEffect& effect);

// What drives from one physical control under the codes in `state`: more than one entry means
// that two controls share it.
QList<MapChoice> driven_by(const PedalControl& row, const MapEffect& effect,
                           const FXParametersState& state);

// The codes after the user made `row` drive `choice`: whatever it drove before is unassigned,
// and the chosen control leaves the physical control it had.
FXParametersState choose_on_map(const PedalControl& row, const MapChoice& choice,
                                const MapEffect& effect, FXParametersState state);

} // namespace kx
