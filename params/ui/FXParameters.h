#pragma once

#include "base/result.h"
#include "link/connection_ui.h"
#include "params/control_description.h"
#include "params/parameter_messages.h"
#include "params/parameters_state.h"
#include "session/pedal_session.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QSlider;

namespace kx {

class Clock;
class Dialogs;
class Log;
class ResourceStore;

inline constexpr char kConfirmAssign[] = "Assign parameters?";
inline constexpr char kCaptionBypassToggle[] = "Bypass Toggle";
inline constexpr char kCaptionPresetChange[] = "Preset Change";

// Client height of the parameters window for an effect with `control_count` controls and
// `readback_count` readbacks: one 25-pixel row each, plus bypass, preset and margins.
int parameters_window_height(int control_count, int readback_count);

// The effect parameters window. The main window sets the selected effect, then places and
// shows it; showing builds one row per control from the effect's control description, closing
// discards them.
//
// The window is live while it shows the effect the pedal runs and the session has read that
// effect's values: then it shows the session's values and assignments, and every edit goes
// through the session to the pedal. Any other effect is a preview: its widgets are disabled,
// and nothing it shows is sent. Values filled in from a reply or a preset are shown without
// running the handlers, so nothing is echoed to the pedal.
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

    // Shows the values list in the widgets, without running their handlers.
    void setItems();
    // Shows the assignment codes in the boxes, without running their handlers.
    void show_assignments();
    // Enables or disables every widget of the window, labels and line included.
    void EnableDisableControls(bool AEnable);

    // The main window's "Assign": asks "Assign parameters?" and has the session send the
    // assignment lists. The answer No sends nothing (and is no error). Failures are shown here.
    Status assign_to_pedal();

    // The parameter writes of one control, from its widget's current state. Nothing is sent
    // while the window is not live.
    Status send_pot(int i);
    Status send_switch(int i);
    Status send_multiswitch(int i);

signals:
    // The window was closed: the main window disables the buttons that need it open.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void OnShow();
    void OnClose();
    bool build_rows();
    void clear_rows();
    QLabel* add_row_label(int row, const QString& text, const QString& hint,
                          const QString& accessible_row);
    QComboBox* add_box(int row, AssignmentBox kind, const QString& object_name,
                       const QString& accessible_row);
    void show_value(int i, int value);
    void refresh_state_label(int i);
    // Follows the session: live or not, and values that came from a reply or a preset.
    void refresh_live();
    void session_value_changed(int i, int value, ValueOrigin origin);
    // Tells the user about a send that failed, unless the link already has.
    void report(const Status& status);
    Status send_parameter(int i, int value);

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
    // The effect whose window the preview values were last kept for.
    QString m_values_effect;
    ControlDescription m_description;
    bool m_live = false;
    QList<int> m_option_counts; // K of each multi switch, by control index (0 otherwise)

    // Widget tables by control index (nullptr where the control is of another kind), and by
    // readback index.
    QList<QLabel*> m_row_labels;
    QList<QSlider*> m_sliders;
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
    QFrame* m_separator = nullptr;
};

} // namespace kx
