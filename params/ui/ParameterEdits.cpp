#include "params/ui/ParameterEdits.h"

#include "params/ui/FXParameters.h"

namespace kx {

ControlEdit::ControlEdit(TformFXParameters& window, int control, int before, int after, int drag,
                         const QString& text)
    : m_window(window), m_control(control), m_before(before), m_after(after), m_drag(drag) {
    setText(text);
}

void ControlEdit::undo() {
    m_window.replay_setting(m_control, m_before);
}

void ControlEdit::redo() {
    // The first redo is the push: the edit is already on screen and on the pedal.
    if (!m_first_redo)
        m_window.replay_setting(m_control, m_after);
    m_first_redo = false;
}

bool ControlEdit::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const ControlEdit*>(other);
    if (m_drag == 0 || next->m_drag != m_drag || next->m_control != m_control)
        return false;
    m_after = next->m_after;
    setText(next->text());
    return true;
}

AssignmentEdit::AssignmentEdit(TformFXParameters& window, const FXParametersState& before,
                               const FXParametersState& after, bool sends, const QString& text)
    : m_window(window), m_before(before), m_after(after), m_sends(sends) {
    setText(text);
}

void AssignmentEdit::undo() {
    m_window.replay_assignments(m_before, m_sends);
}

void AssignmentEdit::redo() {
    if (!m_first_redo)
        m_window.replay_assignments(m_after, m_sends);
    m_first_redo = false;
}

ValuesEdit::ValuesEdit(TformFXParameters& window, const QList<int>& before, const QList<int>& after,
                       const QString& text)
    : m_window(window), m_before(before), m_after(after) {
    setText(text);
}

void ValuesEdit::undo() {
    m_window.replay_values(m_before);
}

void ValuesEdit::redo() {
    // The push: the window has sent the values itself.
    if (!m_first_redo)
        m_window.replay_values(m_after);
    m_first_redo = false;
}

} // namespace kx
