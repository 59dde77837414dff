#pragma once

#include "params/control_description.h"
#include "params/parameter_messages.h"

#include <QList>

#include <array>

namespace kx {

// What the parameters window keeps from one effect to the next, and what the preset files
// save and load: the values last received or loaded (edits in the window leave them alone)
// and the assignment codes.
struct FXParametersState {
    QList<int> values;
    std::array<quint8, kAssignableControls> control_assignments;
    std::array<quint8, kMaxReadbackCount> readback_assignments;
    quint8 bypass_assignment = kUnassignedCode;
    quint8 preset_assignment = kUnassignedCode;

    FXParametersState() {
        control_assignments.fill(kUnassignedCode);
        readback_assignments.fill(kUnassignedCode);
    }
};

} // namespace kx
