#pragma once

#include "base/result.h"
#include "link/connection_ui.h"
#include "params/control_description.h"
#include "params/parameter_messages.h"
#include "params/parameters_state.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QUndoStack>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QSlider;
class QSpinBox;

namespace kx {

class Clock;
class Communication;
class Dialogs;
class LinkClaim;
class Log;
class ResourceStore;

inline constexpr char kConfirmAssign[] = "Assign parameters?";
inline constexpr char kCaptionBypassToggle[] = "Bypass Toggle";
inline constexpr char kCaptionPresetChange[] = "Preset Change";

// Client height of the parameters window for an effect with `control_count` controls and
// `readback_count` readbacks: one 25-pixel row each, plus bypass, preset and margins.
int parameters_window_height(int control_count, int readback_count);
// Its client width, the same for every effect.
int parameters_window_width();

// The effect parameters window. The main window sets the selected effect and whether it runs
// on the pedal, then places and shows it; showing builds one row per control from the effect's
// control description and image, closing discards them. Every edit goes to the pedal at once.
//
// Changes the program makes count like the user's: a slider or list that setItems moves sends
// its message, a box that a reply sets runs its handler. A toggle set by the program sends
// nothing.
class TformFXParameters : public QWidget {
    Q_OBJECT
public:
    explicit TformFXParameters(QWidget* parent = nullptr);
    ~TformFXParameters() override;

    // The window's collaborators, given once at start-up. Until then showing builds nothing.
    // `main_window` is where the window enables the main window's Request and Assign buttons
    // and shows short status texts.
    void attach(Communication& comm, ConnectionUi& main_window, ResourceStore& store,
                Dialogs& dialogs, Log& log, Clock& clock);

    // Set by the main window before it shows this window.
    QString selected_effect_name;
    bool effect_is_live = false;
    // The request's live mode: pot and switch edits send nothing while it is set.
    bool live_mode = false;

    // Counts of the effect built by the last showing (0 while closed).
    int control_count() const { return m_description.control_count; }
    int readback_count() const { return m_description.readback_count; }
    const ControlDescription& description() const { return m_description; }
    // The values list and the assignment tables; they outlive the rows.
    FXParametersState& state() { return m_state; }
    const FXParametersState& state() const { return m_state; }
    // The line between the controls and their boxes, painted from the top row down.
    int separator_height() const { return m_separator_height; }

    // After a parameter request: takes the reply's values into the values list and shows them
    // (setItems). A reply too short for some values leaves those entries and their widgets as
    // they were, and the user is told what was missing (assignments included).
    void update_FXParameters(QByteArrayView received_values);
    // Shows the values list in the widgets and enables the main window's Request button.
    void setItems();
    // Shows the reply's assignment codes in the boxes and stores them; parts that a short
    // reply lacks keep what they were (update_FXParameters has told the user).
    void receive_assignments_from_device(QByteArrayView received_values);
    // Enables or disables every widget of the window, labels and line included.
    void EnableDisableControls(bool AEnable);

    // Sends the bypass message. Reports nothing: the caller (the upload) decides what the
    // user sees, and passes its claim when it holds the link.
    Status enter_bypass(const LinkClaim* claim = nullptr);
    // The main window's "Assign": builds the assignment message from the boxes, logs it, asks
    // "Assign parameters?" and sends it, then holds the main window's Assign button disabled
    // for 100 ms. The answer No sends nothing (and is no error). Failures are shown here.
    Status assign_to_pedal();
    // Whether the assignment boxes can be changed now: an effect is open, it runs on the pedal
    // and the window's widgets are enabled.
    bool assignments_editable() const;
    // Sets the boxes to `codes` (the assignment map's change) and sends the assignment message
    // at once, without asking: the change itself was the user's answer. Failures are shown here.
    Status apply_assignments(const FXParametersState& codes, const QString& edit_text = {});

    // The user's edits of values and assignments, undoable; values that a reply or a preset
    // fills in are not edits. Showing an effect starts an empty stack.
    QUndoStack& undo_stack() { return m_undo; }
    // Edits neither stored on the pedal nor saved in a preset since (undoing back to that point
    // leaves none).
    bool has_unstored_edits() const { return !m_undo.isClean(); }
    // The pedal stored the settings, or a preset file holds them.
    void mark_stored() { m_undo.setClean(); }
    // What an undo or redo does: sets control `i` to a setting (a pot's position, a switch's
    // 0 or 1, a list's option) or the boxes to `codes`, and sends as an edit does.
    void replay_setting(int i, int setting);
    void replay_assignments(const FXParametersState& codes, bool send);

    // The parameter writes of one control, from its widget's current state. Nothing is sent
    // while the window shows an effect that does not run on the pedal.
    Status send_pot(int i);
    Status send_switch(int i);
    Status send_multiswitch(int i);

signals:
    // The window was closed: the main window disables the buttons that need it open.
    void closed();
    // The rows or the assignment codes changed (an effect opened or closed, a box changed, a
    // reply was shown, the widgets were enabled or disabled).
    void assignments_changed();
    // Edits became unstored, or stored (or discarded) again.
    void unstored_changed(bool unstored);
    // The pedal was sent the assignment message (Assign, the map, an undo of a map change).
    void assignments_sent();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void OnShow();
    void OnClose();
    bool build_rows();
    void clear_rows();
    QLabel* add_row_label(int row, const QString& text, const QString& hint);
    QSpinBox* add_value_box(int row, const QString& label, QSlider* slider);
    void add_headings();
    // The footswitch items' tooltips say what the effect's information page says it does.
    void add_footswitch_hints();
    // Links every row's label to the row's widgets (its control, a pot's value box, the
    // assignment box), for screen readers and mnemonics.
    void link_rows();
    QComboBox* add_box(int row, AssignmentBox kind, const QString& object_name,
                       const QString& accessible_row);
    void show_values(const QList<bool>& known);
    void refresh_state_label(int i);
    void report_incomplete(const ParameterReply& reply);
    // Tells the user about a send that failed, unless the link already has.
    void report(const Status& status);
    Status send_parameter(ControlKind kind, int i, int value);
    // Runs a box's handler once for `item`, even when the box already shows it.
    void select_box_item(QComboBox* box, int item, void (TformFXParameters::*handler)());
    void set_main_button(ConnectionUi::Control control, bool enabled);
    // The boxes' codes, stored as the assignments, in the assignment message.
    QByteArray assignment_message_from_boxes();
    // The boxes set to `codes`, each through its handler (as a reply sets them).
    void show_codes(const FXParametersState& codes);
    // A control's setting as its widget shows it, and as an edit's name tells it ("Fuzz 640").
    int setting_of(int i) const;
    QString edit_text(int i, int setting) const;
    void record_setting(int i, int drag);
    void record_assignments(const QString& text);
    QString assignment_text(const QString& what, AssignmentBox box, int item) const;
    Status send_assignment(const QByteArray& message);

    // Handlers; each knows its control by the index it was connected with.
    void PotParameterChange(int i);
    void SwitchParameterClick(int i);
    void MultiSwitchOnChange(int i);
    void boxAssignOnChange(int i);
    void boxAssignRdbcksOnChange(int j);
    void boxAssignBypassOnChange();
    void boxAssignPresetOnChange();

    Communication* m_comm = nullptr;
    ConnectionUi* m_main = nullptr;
    ResourceStore* m_store = nullptr;
    Dialogs* m_dialogs = nullptr;
    Log* m_log = nullptr;
    Clock* m_clock = nullptr;

    FXParametersState m_state;
    QUndoStack m_undo;
    // What the widgets showed before the edit now being made: the undo step's "before".
    QList<int> m_settings;
    FXParametersState m_codes_shown;
    // Above 0 while the program itself sets widgets: no undo step is made.
    int m_program_change = 0;
    int m_drag = 0; // the slider drag in progress, 0 for none
    int m_drag_count = 0;
    // The effect whose window the values list was last kept for.
    QString m_values_effect;
    ControlDescription m_description;
    QList<quint16> m_addresses; // control index order
    QList<int> m_option_counts; // K of each multi switch, by control index (0 otherwise)

    // Widget tables by control index (nullptr where the control is of another kind), and by
    // readback index.
    QList<QLabel*> m_row_labels;
    QList<QSlider*> m_sliders;
    QList<QSpinBox*> m_values; // a pot's value box, beside its slider
    QList<QCheckBox*> m_toggles;
    QList<QLabel*> m_state_labels;
    QList<QComboBox*> m_lists;
    QList<QComboBox*> m_boxes;
    QList<QLabel*> m_readback_labels;
    QList<QComboBox*> m_readback_boxes;
    QLabel* m_bypass_label = nullptr;
    QComboBox* m_bypass_box = nullptr;
    QLabel* m_preset_label = nullptr;
    QComboBox* m_preset_box = nullptr;
    // Height of the line between the controls and their assignment boxes (0: none).
    int m_separator_height = 0;
};

} // namespace kx
