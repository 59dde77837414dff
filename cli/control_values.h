#pragma once

#include "base/result.h"
#include "params/control_description.h"
#include "params/parameter_messages.h"

#include <QJsonObject>
#include <QString>

#include <optional>

namespace kx::cli {

// The index of a control given by its name (exact, then regardless of case) or its index.
Result<int> find_control(const ControlDescription& description, const QString& name_or_index);
// The index of a readback given by its name or index.
Result<int> find_readback(const ControlDescription& description, const QString& name_or_index);

// A value as the pedal takes it, given as a number 0-1023 for a knob, on/off (or the state
// texts) for a switch, an option's name or number (from 1) for an option list; with `raw`, a
// number 0-1023 for any kind.
Result<int> parse_control_value(const ControlEntry& control, const QString& text, bool raw);
// A number outside 0-1023 is wrong whatever the control: said before anything is sent.
bool value_text_in_range(const QString& text);

// What a value means for its control: the number for a knob, on/off, the option's text.
QString value_meaning(const ControlEntry& control, int value);
// The option (from 1) a value selects on an option list; nullopt for other kinds and for a
// value the pedal cannot hold, which selects no option.
std::optional<int> option_number(const ControlEntry& control, int value);
QString kind_name(ControlKind kind);

// A control as --json gives it: the same keys for every kind (see control_json_keys()).
QJsonObject control_json(int index, const ControlEntry& control, std::optional<int> value,
                         const QJsonValue& assignment);

// The code for a pedal control or light named as its box lists it (regardless of case), or
// "none" / "--" for unassigned.
Result<quint8> parse_assignment(AssignmentBox box, const QString& text);
// The box's text for a code: "none" for unassigned, the code in hex if it names nothing.
QString assignment_text(AssignmentBox box, quint8 code);

} // namespace kx::cli
