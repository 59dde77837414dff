#pragma once

#include "params/parameters_state.h"

#include <QUndoCommand>

namespace kx {

class TformFXParameters;

// The user's edits in the parameters window as steps of its undo stack. Pushing a step does
// nothing (the edit has been made and sent); undoing or redoing one sets the widgets as an
// edit would, so the pedal gets the value as an ordinary edit.

// One control's setting: a pot's position, a switch's state (0 off, 1 on) or a list's option.
// The steps of one slider drag become one.
class ControlEdit : public QUndoCommand {
public:
    ControlEdit(TformFXParameters& window, int control, int before, int after, int drag,
                const QString& text);
    void undo() override;
    void redo() override;
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    TformFXParameters& m_window;
    int m_control;
    int m_before;
    int m_after;
    int m_drag; // the drag it came from, 0 for none
    bool m_first_redo = true;
};

// The assignment codes before and after a change of one box, or of the assignment map (which
// sends the assignment message, and so do its undo and redo).
class AssignmentEdit : public QUndoCommand {
public:
    AssignmentEdit(TformFXParameters& window, const FXParametersState& before,
                   const FXParametersState& after, bool sends, const QString& text);
    void undo() override;
    void redo() override;

private:
    TformFXParameters& m_window;
    FXParametersState m_before;
    FXParametersState m_after;
    bool m_sends;
    bool m_first_redo = true;
};

// Every control's value at once (a reset to the effect's values, the stored sound kept from
// Compare): undo and redo send the values that differ; the window has sent them when it pushes
// the step.
class ValuesEdit : public QUndoCommand {
public:
    ValuesEdit(TformFXParameters& window, const QList<int>& before, const QList<int>& after,
               const QString& text);
    void undo() override;
    void redo() override;

private:
    TformFXParameters& m_window;
    QList<int> m_before;
    QList<int> m_after;
    bool m_first_redo = true;
};

} // namespace kx
