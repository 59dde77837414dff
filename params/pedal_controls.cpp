#include "params/pedal_controls.h"
#include "base/translation.h"

#include <QRegularExpression>

namespace kx {

namespace {

struct Row {
    AssignmentBox box;
    quint8 code;
    const char* item;
    const char* name;
    const char* hint;
    bool bypass_or_preset;
};

// The codes are the pedal's; the plain names of the knobs, buttons, remote and expression pedal
// are certain. The footswitch's second letter and the lights' SX and DX are our reading of the
// codes, and their hints say so.
constexpr Row kRows[] = {
    {AssignmentBox::Control, 0, "KI", "Knob 1", "Knob 1 (KI), the first of the pedal's five knobs.",
     false},
    {AssignmentBox::Control, 1, "KII", "Knob 2", "Knob 2 (KII).", false},
    {AssignmentBox::Control, 2, "KIII", "Knob 3", "Knob 3 (KIII).", false},
    {AssignmentBox::Control, 3, "KIV", "Knob 4", "Knob 4 (KIV).", false},
    {AssignmentBox::Control, 4, "KV", "Knob 5", "Knob 5 (KV), the last of the five knobs.", false},
    {AssignmentBox::Control, 5, "B1", "Button 1", "Button 1 (B1), the first of three buttons.",
     false},
    {AssignmentBox::Control, 6, "B2", "Button 2", "Button 2 (B2).", false},
    {AssignmentBox::Control, 7, "B3", "Button 3", "Button 3 (B3).", false},
    {AssignmentBox::Control, 8, "FS", "Footswitch, pressed",
     "The footswitch (FS), pressed. The code does not say which of its two uses this is: "
     "\"pressed\" is a reading of the code, not certain.",
     true},
    {AssignmentBox::Control, 9, "FL", "Footswitch, held",
     "The footswitch (FL), held down. \"Held\" is a reading of the code's L (long), not certain.",
     true},
    {AssignmentBox::Control, 10, "RMT", "Remote", "A remote switch plugged into the pedal (RMT).",
     true},
    {AssignmentBox::Control, 11, "EXP", "Expression pedal",
     "An expression pedal plugged into the pedal (EXP).", false},
    {AssignmentBox::Readback, 0, "SX", "Left light",
     "Light SX. \"Left\" is a reading of the code (sinistra), not certain.", false},
    {AssignmentBox::Readback, 1, "DX", "Right light",
     "Light DX. \"Right\" is a reading of the code (destra), not certain.", false},
    {AssignmentBox::Readback, 2, "RED", "Red light", "The red light (RED).", false},
    {AssignmentBox::Readback, 3, "GREEN", "Green light", "The green light (GREEN).", false},
};

constexpr char kTextNothing[] = QT_TRANSLATE_NOOP("Params", "Nothing");
constexpr char kTextBypass[] = QT_TRANSLATE_NOOP("Params", "Bypass on and off");
constexpr char kTextPreset[] = QT_TRANSLATE_NOOP("Params", "Preset change");

bool drives(const PedalControl& row, const MapChoice& choice, const FXParametersState& state) {
    switch (choice.kind) {
    case MapChoice::Kind::Control:
        return row.box == AssignmentBox::Control &&
               state.control_assignments.at(choice.index) == row.code;
    case MapChoice::Kind::Bypass:
        return row.switches_bypass_or_preset && state.bypass_assignment == row.code;
    case MapChoice::Kind::Preset:
        return row.switches_bypass_or_preset && state.preset_assignment == row.code;
    case MapChoice::Kind::Readback:
        return row.box == AssignmentBox::Readback &&
               state.readback_assignments.at(choice.index) == row.code;
    case MapChoice::Kind::Nothing:
        break;
    }
    return false;
}

void set_code(const MapChoice& choice, quint8 code, FXParametersState& state) {
    switch (choice.kind) {
    case MapChoice::Kind::Control:
        state.control_assignments[choice.index] = code;
        break;
    case MapChoice::Kind::Bypass:
        state.bypass_assignment = code;
        break;
    case MapChoice::Kind::Preset:
        state.preset_assignment = code;
        break;
    case MapChoice::Kind::Readback:
        state.readback_assignments[choice.index] = code;
        break;
    case MapChoice::Kind::Nothing:
        break;
    }
}

} // namespace

const QList<PedalControl>& pedal_controls() {
    static const QList<PedalControl> controls = [] {
        QList<PedalControl> out;
        for (const Row& row : kRows)
            out << PedalControl{row.box,
                                row.code,
                                QString::fromLatin1(row.item),
                                QString::fromLatin1(row.name),
                                QString::fromUtf8(row.hint),
                                row.bypass_or_preset};
        return out;
    }();
    return controls;
}

QString assignment_item_hint(AssignmentBox box, int item) {
    const quint8 code = assignment_code(box, item);
    const AssignmentBox list =
        box == AssignmentBox::Readback ? AssignmentBox::Readback : AssignmentBox::Control;
    if (code == kUnassignedCode)
        return item >= 0 && item < assignment_box_items(box).size()
                   ? ui_text("Params", "Not assigned to any of the pedal's controls (--).")
                   : QString();
    for (const PedalControl& control : pedal_controls())
        if (control.box == list && control.code == code)
            return control.name + QStringLiteral(": ") + control.hint;
    return {};
}

QString footswitch_action_hint(const QString& info_page_text) {
    static const QRegularExpression line(QStringLiteral("FOOTSWITCH:\\s*(?:<[^>]*>\\s*)*(\\w+)"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QString action = line.match(info_page_text).captured(1).toLower();
    if (action == QLatin1String("latching"))
        return ui_text("Params",
                       "This effect's footswitch latches: press once for on, again for off.");
    if (action == QLatin1String("momentary"))
        return ui_text("Params", "This effect's footswitch is momentary: it acts while held down.");
    return {};
}

QList<MapChoice> map_choices(const PedalControl& row, const MapEffect& effect) {
    QList<MapChoice> out{MapChoice{}};
    if (row.box == AssignmentBox::Readback) {
        for (int j = 0; j < std::min<int>(int(effect.readbacks.size()), kMaxReadbackCount); ++j)
            out << MapChoice{MapChoice::Kind::Readback, j};
        return out;
    }
    for (int i = 0; i < std::min<int>(int(effect.controls.size()), kAssignableControls); ++i)
        out << MapChoice{MapChoice::Kind::Control, i};
    if (row.switches_bypass_or_preset)
        out << MapChoice{MapChoice::Kind::Bypass} << MapChoice{MapChoice::Kind::Preset};
    return out;
}

QString map_choice_text(const MapChoice& choice, const MapEffect& effect) {
    switch (choice.kind) {
    case MapChoice::Kind::Control:
        return effect.controls.value(choice.index);
    case MapChoice::Kind::Readback:
        return effect.readbacks.value(choice.index);
    case MapChoice::Kind::Bypass:
        return ui_text("Params", kTextBypass);
    case MapChoice::Kind::Preset:
        return ui_text("Params", kTextPreset);
    case MapChoice::Kind::Nothing:
        break;
    }
    return ui_text("Params", kTextNothing);
}

QList<MapChoice> driven_by(const PedalControl& row, const MapEffect& effect,
                           const FXParametersState& state) {
    QList<MapChoice> out;
    for (const MapChoice& choice : map_choices(row, effect))
        if (drives(row, choice, state))
            out << choice;
    return out;
}

FXParametersState choose_on_map(const PedalControl& row, const MapChoice& choice,
                                const MapEffect& effect, FXParametersState state) {
    for (const MapChoice& before : driven_by(row, effect, state))
        if (!(before == choice))
            set_code(before, kUnassignedCode, state);
    set_code(choice, row.code, state);
    return state;
}

} // namespace kx
