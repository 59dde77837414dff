#pragma once

#include "base/result.h"
#include "params/control_description.h"
#include "params/parameter_messages.h"

#include <QString>

namespace kx::cli {

// The index of a control given by its name (exact, then regardless of case) or its index.
Result<int> find_control(const ControlDescription& description, const QString& name_or_index);
// The index of a readback given by its name or index.
Result<int> find_readback(const ControlDescription& description, const QString& name_or_index);

// A value given as a number 0-1023 (any kind), on/off (a switch, or its state texts) or an
// option's text (a selector), as the value the pedal takes.
Result<int> parse_control_value(const ControlEntry& control, const QString& text);
// A number outside 0-1023 is wrong whatever the control: said before anything is sent.
bool value_text_in_range(const QString& text);

// What a value means for its control: the number for a knob, on/off, the option's text.
QString value_meaning(const ControlEntry& control, int value);
QString kind_name(ControlKind kind);

// The code for a pedal control or light named as its box lists it (regardless of case), or
// "none" / "--" for unassigned.
Result<quint8> parse_assignment(AssignmentBox box, const QString& text);
// The box's text for a code: "none" for unassigned, the code in hex if it names nothing.
QString assignment_text(AssignmentBox box, quint8 code);

} // namespace kx::cli
