#pragma once

#include "base/result.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace kx {

class Log;
class ResourceStore;

inline constexpr char kLogNumOfPots[] = "num of pots: ";
inline constexpr char kLogNumOfSwitches[] = "num of switches: ";
inline constexpr char kLogNumOfMultiSwitch[] = "num of multi switch: ";
inline constexpr char kLogNumOfReadbacks[] = "num of readbacks: ";

// The assignment message and the parameter state reply have 16 control slots and 4 readback
// slots.
inline constexpr int kAssignableControls = 16;
inline constexpr int kMaxReadbackCount = 4;
// How many controls a description may declare. Up to 16 every effect may have; beyond that
// only an effect whose image declares the same count, since the image then holds the addresses
// of controls 16 and on from byte 49 and the parameter request carries the count. Such controls
// are shown and edited like any other but cannot be assigned. Three hexadecimal count digits
// reach at most 45, within the 53 address slots of the image header.
inline constexpr int kMaxDescribedControls = 3 * 15;

enum class ControlKind { Pot, Switch, MultiSwitch };

struct ControlEntry {
    ControlKind kind = ControlKind::Pot;
    QString label;
    QString state0_text; // switch: off position
    QString state1_text; // switch: on position
    QStringList options; // multi switch: the K option texts
    QString raw_line;    // the line as stored
};

struct ControlDescription {
    int pot_count = 0;                      // P
    int switch_count = 0;                   // S
    int multi_switch_count = 0;             // M
    int control_count = 0;                  // N = P + S + M
    int readback_count = 0;                 // R
    bool counts_line_has_readbacks = false; // the counts line is exactly four characters
    QList<ControlEntry> controls;           // control-index order
    QStringList readbacks;                  // readback labels

    // Controls 16 and on have no slot in the assignment message.
    static bool assignable(int control_index) { return control_index < kAssignableControls; }
};

// Parses the lines of a control description. `control_limit` is the most controls the effect
// may have (16, or the image's count when its header holds more addresses). A description
// that breaks a rule is refused: an error (BadInput) that names the effect and the rule.
Result<ControlDescription> parse_control_description(const QStringList& lines,
                                                     const QString& effect_name,
                                                     int control_limit = kAssignableControls);

// The log lines of a parsed description: the counts, then the control and readback lines.
QStringList control_description_log_lines(const ControlDescription& description);

// Loads the description of an effect (its resource name followed by "_ctrls"), parses it and
// logs its lines. Controls beyond 16 are accepted only when the effect's image declares that
// many controls. A missing resource gives the store's "Error loading resource: " text; every
// error is BadInput.
Result<ControlDescription> read_control_description(const QString& effect_name,
                                                    ResourceStore& store, Log& log);

} // namespace kx
