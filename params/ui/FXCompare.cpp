// The parameters window's side of Compare and of the reset to the effect's values: the session
// switches the sounds and sends; the window asks before an edit would be made to the stored
// sound, records the undo steps and shows which sound plays.
#include "base/dialogs.h"
#include "params/ui/FXParameters.h"
#include "params/ui/ParameterEdits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace kx {

namespace {

enum Choice { kBackToEdits, kKeepStored, kCancel };

} // namespace

bool TformFXParameters::can_compare() const {
    return m_live && m_session->values_known() &&
           m_session->stored_values().size() == control_count();
}

void TformFXParameters::refresh_compare() {
    if (!btnCompare || !m_session)
        return;
    const bool comparing = m_live && m_session->comparing();
    btnCompare->setEnabled(can_compare());
    btnCompare->setChecked(comparing);
    // A preview sends nothing: the pedal plays whatever it played.
    QString playing = tr("Preview only");
    if (comparing)
        playing = m_session->stored_source() == StoredSource::Preset
                      ? tr("Playing: the preset")
                      : tr("Playing: stored sound");
    else if (m_live)
        playing = tr("Playing: your edits");
    lblPlaying->setText(playing);
    emit compare_changed();
}

Task<Status> TformFXParameters::toggle_compare() {
    if (!can_compare()) {
        refresh_compare();
        co_return Error{tr("Compare needs the running effect's values read first."),
                        ErrorKind::EffectUnknown};
    }
    const Status status = co_await m_session->set_comparing(!m_session->comparing());
    refresh_compare();
    report(status);
    co_return status;
}

bool TformFXParameters::asks_before_edit(int i) {
    if (m_program_change > 0 || !m_live || !m_session->comparing())
        return false;
    (void)edit_while_comparing(i, setting_of(i));
    return true;
}

// Until the user has answered, the control shows again what plays, and nothing is sent.
Task<> TformFXParameters::edit_while_comparing(int i, int wanted) {
    if (QSlider* slider = m_sliders.value(i))
        slider->setSliderDown(false); // the question ends the drag
    show_value(i, m_session->state().values.value(i));
    const bool go_on = co_await leave_compare(
        tr("The pedal plays the sound as stored, to compare. Go back to your edits and make this "
           "change there, or keep the stored sound and change it (your edits are let go)?"));
    // The window may have closed or shown another effect meanwhile.
    if (go_on && m_live && i < int(m_settings.size()))
        set_as_edit(i, wanted);
}

Task<bool> TformFXParameters::leave_compare(QString question) {
    const int chosen = m_dialogs->choose(
        question, {tr("Back to my edits"), tr("Keep the stored sound"), tr("Cancel")});
    if (chosen == kKeepStored) {
        // One undo step brings the edits back.
        const QList<int> edits = m_session->edited_values();
        m_session->keep_stored_sound();
        m_undo.push(
            new ValuesEdit(*this, edits, m_session->state().values, tr("Keep the stored sound")));
        co_return true;
    }
    if (chosen != kBackToEdits)
        co_return false;
    const Status back = co_await m_session->set_comparing(false);
    report(back);
    co_return back.ok();
}

void TformFXParameters::set_as_edit(int i, int setting) {
    if (QSlider* slider = m_sliders.value(i)) {
        slider->setValue(setting); // its handler sends and records
    } else if (QCheckBox* toggle = m_toggles.value(i)) {
        toggle->setChecked(setting != 0);
        SwitchParameterClick(i);
    } else if (QComboBox* list = m_lists.value(i)) {
        list->setCurrentIndex(setting);
    }
}

Task<> TformFXParameters::back_then_replay(int i, int setting) {
    // An undo or redo is a step among the edits: they play again first.
    if (const Status back = co_await m_session->set_comparing(false); !back) {
        report(back);
        co_return;
    }
    if (m_live && i < int(m_settings.size()))
        replay_setting(i, setting);
}

void TformFXParameters::replay_values(const QList<int>& values) {
    if (m_live)
        (void)back_then_replay_values(values);
}

Task<> TformFXParameters::back_then_replay_values(QList<int> values) {
    if (m_session->comparing()) {
        if (const Status back = co_await m_session->set_comparing(false); !back) {
            report(back);
            co_return;
        }
    }
    const Status written = co_await m_session->write_values(values);
    report(written);
}

Task<Status> TformFXParameters::reset_to_effect_values() {
    if (!m_live)
        co_return Error{tr("The reset needs the running effect's values read first."),
                        ErrorKind::EffectUnknown};
    const auto values = m_session->image_values();
    if (!values) {
        report(values.failure());
        co_return values.failure();
    }
    if (m_session->comparing()) {
        const bool go_on = co_await leave_compare(
            tr("The pedal plays the sound as stored, to compare. Go back to your edits and reset "
               "them, or reset from the stored sound (your edits are let go)?"));
        if (!go_on)
            co_return Status{};
    }
    const QList<int> before = m_session->edited_values();
    if (before == *values)
        co_return Status{};
    m_undo.push(new ValuesEdit(*this, before, *values, tr("Reset to the effect's values")));
    const Status written = co_await m_session->write_values(*values);
    report(written);
    co_return written;
}

} // namespace kx
