#pragma once

#include "base/result.h"
#include "base/task.h"
#include "base/translation.h"
#include "link/connection_ui.h"
#include "params/control_description.h"
#include "params/parameter_messages.h"
#include "params/parameters_state.h"
#include "session/pedal_session.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QUndoStack>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QSlider;
class QSpinBox;

namespace kx {

class Clock;
class Dialogs;
class Log;
class ResourceStore;

inline constexpr char kConfirmAssign[] =
    QT_TRANSLATE_NOOP("kx::TformFXParameters", "Assign parameters?");
inline constexpr char kCaptionBypassToggle[] =
    QT_TRANSLATE_NOOP("kx::TformFXParameters", "Bypass Toggle");
inline constexpr char kCaptionPresetChange[] =
    QT_TRANSLATE_NOOP("kx::TformFXParameters", "Preset Change");

// Client height of the parameters window for an effect with `control_count` controls and
// `readback_count` readbacks: one 25-pixel row each, plus bypass, preset and margins.
int parameters_window_height(int control_count, int readback_count);
// Its client width, the same for every effect.
int parameters_window_width();

// The effect parameters window. The main window sets the selected effect, then places and
// shows it; showing builds one row per control from the effect's control description, closing
// discards them.
//
// The window is live while it shows the effect the pedal runs and the session has read that
// effect's values: then it shows the session's values and assignments, and every edit goes
// through the session to the pedal. Any other effect is a preview: its widgets are disabled,
// and nothing it shows is sent. Values filled in from a reply or a preset are shown without
// running the handlers, so nothing is echoed to the pedal, and they make no undo step.
class TformFXParameters : public QWidget {
    Q_OBJECT
public:
    explicit TformFXParameters(QWidget* parent = nullptr);
    ~TformFXParameters() override;

    // The window's collaborators, given once at start-up. Until then showing builds nothing.
    // `status` shows short texts without a box (the main window).
    void attach(PedalSession& session, ConnectionUi& status, ResourceStore& store, Dialogs& dialogs,
                Log& log, Clock& clock);

    // Set by the main window before it shows this window.
    QString selected_effect_name;
    // The request's live mode: pot and switch edits send nothing while it is set.
    bool live_mode = false;

    // Whether the window shows the running effect with its values read.
    bool effect_is_live() const;

    // Counts of the effect built by the last showing (0 while closed).
    int control_count() const { return m_description.control_count; }
    int readback_count() const { return m_description.readback_count; }
    const ControlDescription& description() const { return m_description; }
    // The values and assignments shown: the session's while live, the preview's otherwise.
    const FXParametersState& state() const;
    // A preview's values (from a preset), shown without sending anything.
    void set_preview_values(const QList<int>& values);
    // The preview's values and assignments (those of an effect that is not live).
    FXParametersState& preview_state() { return m_state; }
    // The line between the controls and their boxes, painted from the top row down.
    int separator_height() const { return m_separator_height; }
    // Shows the rows within `height` pixels when the window is taller (a low screen): a scroll
    // bar at the right moves them, and so does the keyboard's focus. A taller `height` shows
    // the whole window again.
    void fit_height(int height);
    // The scroll bar fit_height made, or nullptr.
    QScrollBar* scroll_bar() const { return m_scroll; }

    // Shows the values list in the widgets, without running their handlers.
    void setItems();
    // Shows the assignment codes in the boxes, without running their handlers.
    void show_assignments();
    // Enables or disables every widget of the window, labels and line included.
    void EnableDisableControls(bool AEnable);

    // The main window's "Assign": asks "Assign parameters?" and has the session send the
    // assignment lists. The answer No sends nothing (and is no error). Failures are shown here.
    Task<Status> assign_to_pedal();
    // Whether the assignment boxes can be changed now: an effect is open, it runs on the pedal
    // and the window's widgets are enabled.
    bool assignments_editable() const;
    // Sets the boxes to `codes` (the assignment map's change) and sends the assignment message
    // at once, without asking: the change itself was the user's answer. Failures are shown here.
    Task<Status> apply_assignments(FXParametersState codes, QString edit_text = {});

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

    // Compare: switches the pedal between the values as edited and the sound as stored (or
    // loaded from a preset); lblPlaying says which one plays. Failures are shown here.
    Task<Status> toggle_compare();
    // Sets every control to the starting value the effect's image carries, as one undo step.
    // Asked about first while comparing, as every edit is.
    Task<Status> reset_to_effect_values();
    // Whether Compare and the reset can be used now (the window is live with values read).
    bool can_compare() const;
    bool can_reset() const { return m_live; }
    // What an undo or redo of a whole sound does: sends each value that differs, and shows it.
    void replay_values(const QList<int>& values);
    // Made with the rows (nullptr while closed).
    QPushButton* btnCompare = nullptr;
    QLabel* lblPlaying = nullptr;

    // The parameter writes of one control, from its widget's current state. Nothing is sent
    // while the window is not live.
    Task<Status> send_pot(int i);
    Task<Status> send_switch(int i);
    Task<Status> send_multiswitch(int i);

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
    // Compare began or ended, or became possible or not.
    void compare_changed();

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
    void add_compare_row();
    // Follows the session's Compare: the button's check and lblPlaying's text.
    void refresh_compare();
    // A control changed while the stored sound plays: asks whether to go back to the edits
    // (and make the change there) or to keep the stored sound, before anything is sent.
    Task<> edit_while_comparing(int i, int wanted);
    // Asks `question` with the choices back to the edits, keep the stored sound, cancel, and
    // ends Compare as chosen; false when cancelled or the way back failed.
    Task<bool> leave_compare(QString question);
    // Sets control i to `setting` as the user's own change would: sent, and an undo step.
    void set_as_edit(int i, int setting);
    // Undo or redo while comparing: back to the edits first.
    Task<> back_then_replay(int i, int setting);
    Task<> back_then_replay_values(QList<int> values);
    bool asks_before_edit(int i);
    // The footswitch items' tooltips say what the effect's information page says it does.
    void add_footswitch_hints();
    // Links every row's label to the row's widgets (its control, a pot's value box, the
    // assignment box), for screen readers and mnemonics.
    void link_rows();
    QComboBox* add_box(int row, AssignmentBox kind, const QString& object_name,
                       const QString& accessible_row);
    void show_value(int i, int value);
    void refresh_state_label(int i);
    // Follows the session: live or not, and values that came from a reply or a preset.
    void refresh_live();
    // Sliders, value boxes, toggles, lists and boxes on or off; labels and the line stay.
    void set_editors_enabled(bool enabled);
    void session_value_changed(int i, int value, ValueOrigin origin);
    // Tells the user about a send that failed, unless the link already has.
    void report(const Status& status);
    Task<Status> send_parameter(int i, int value);
    // Takes `codes` as the assignments (the session's while live) and shows them.
    void take_codes(const FXParametersState& codes);
    // Stores one box's code where the window's assignments live.
    void store_code(AssignmentBox kind, int index, quint8 code);
    // A control's setting as its widget shows it, and as an edit's name tells it ("Fuzz 640").
    int setting_of(int i) const;
    QString edit_text(int i, int setting) const;
    void record_setting(int i, int drag);
    void record_assignments(const QString& text);
    QString assignment_text(const QString& what, AssignmentBox box, int item) const;
    // Has the session send the assignment lists; says so when they reached the pedal.
    Task<Status> send_assignment();

    // Handlers; each knows its control by the index it was connected with.
    void PotParameterChange(int i);
    void SwitchParameterClick(int i);
    void MultiSwitchOnChange(int i);
    void boxAssignOnChange(int i);
    void boxAssignRdbcksOnChange(int j);
    void boxAssignBypassOnChange();
    void boxAssignPresetOnChange();

    PedalSession* m_session = nullptr;
    ConnectionUi* m_main = nullptr;
    ResourceStore* m_store = nullptr;
    Dialogs* m_dialogs = nullptr;
    Log* m_log = nullptr;
    Clock* m_clock = nullptr;

    // A preview's values and assignments; the live effect's are the session's.
    FXParametersState m_state;
    QUndoStack m_undo;
    // What the widgets showed before the edit now being made: the undo step's "before".
    QList<int> m_settings;
    FXParametersState m_codes_shown;
    // Above 0 while the program itself sets widgets: no undo step is made.
    int m_program_change = 0;
    int m_drag = 0; // the slider drag in progress, 0 for none
    int m_drag_count = 0;
    // The effect whose window the preview values were last kept for.
    QString m_values_effect;
    ControlDescription m_description;
    bool m_live = false;
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
    // Rows moved up by m_offset pixels through m_scroll (fit_height).
    void scroll_rows(int offset);
    void show_focused_row(QWidget* focused);
    QScrollBar* m_scroll = nullptr;
    int m_offset = 0;
};

} // namespace kx
