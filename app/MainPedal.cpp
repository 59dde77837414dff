// The main window's pedal actions: upload, Open FX, Request, Assign, Store and the MIDI
// channel. Each is one operation of the pedal session; this file decides what the user sees.
#include "app/AppContext.h"
#include "app/Main.h"
#include "base/dialogs.h"
#include "base/translation.h"
#include "base/ui/translated.h"
#include "library/categories.h"
#include "library/resource_store.h"
#include "link/Communication.h"
#include "link/effect_upload.h"
#include "link/pedal_commands.h"
#include "params/ui/FXParameters.h"
#include "session/pedal_messages.h"
#include "session/pedal_session.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

namespace kx {

namespace {

QString latin1(const char* text) {
    return QString::fromLatin1(text);
}

constexpr char kMessageNotAPedal[] = QT_TRANSLATE_NOOP(
    "kx::TformMain",
    "The device at %1 did not answer as a Kestrel X, so the editor let it go. If it is the "
    "pedal, check that it is powered, then choose Connect.");

} // namespace

void TformMain::report_pedal_error(const Error& error) {
    // A lost chip is announced once, by the session's link_lost, and a refusal shows in the
    // status line.
    if (error.kind == ErrorKind::LinkLost || error.kind == ErrorKind::Busy)
        return;
    // Actions asked before the link went fail one by one: a line each, not a box each.
    if (error.kind == ErrorKind::NotConnected) {
        show_status_text(error.message);
        return;
    }
    // A port taken by itself that does not answer as the pedal is some other device.
    if (m_unproven_port &&
        (error.kind == ErrorKind::TimedOut || error.kind == ErrorKind::BadReply)) {
        release_unproven_port(error);
        return;
    }
    show_pedal_message(error);
}

Task<> TformMain::release_unproven_port(Error error) {
    const QString path = communication().device_serial_number;
    m_unproven_port = false;
    m_context.log.print_line(error.message);
    // The user did not choose this device: it is not taken again by itself this run.
    m_disconnected_by_hand = true;
    (void)co_await session().disconnect_pedal();
    m_context.dialogs.message(ui_text("kx::TformMain", kMessageNotAPedal).arg(path));
}

void TformMain::show_pedal_message(const Error& error) {
    // The user reads what happened and what to do; the log keeps the detail as it came.
    if (error.kind == ErrorKind::DriverFailed || error.kind == ErrorKind::TimedOut ||
        error.kind == ErrorKind::BadReply)
        m_context.log.print_line(error.message);
    m_context.dialogs.message(session::user_message(error));
}

bool TformMain::is_impulse_response_effect(const QString& effect_name) const {
    for (const EffectCategory& category : kEffectCategories)
        if (QLatin1String(category.caption) == QLatin1String(kImpulseResponseCategory)) {
            const auto names = m_context.store.read_file_from_stream(latin1(category.resource));
            return names && names->contains(effect_name);
        }
    return false;
}

Task<> TformMain::btnUploadClick() {
    // Without a choice there is no "selected effect" to ask about.
    const SelectionState& selection = m_context.selection;
    if (selection.selected_effect_name.isEmpty()) {
        m_context.dialogs.message(ui_text("kx::TformMain", kMessageNoEffectSelected));
        co_return;
    }
    const QString& name = selection.selected_effect_name;
    // After a restart, the effect's last import is offered before "nothing to upload"; taking
    // it is the answer to the upload's question too.
    const LastImport last = !m_ir_files.contains(name) && is_impulse_response_effect(name)
                                ? offer_last_import(name)
                                : LastImport::NoneKept;
    if (last == LastImport::Declined)
        co_return;
    const QString ir_file = m_ir_files.value(name);
    if (ir_file.isEmpty() && is_impulse_response_effect(name)) {
        // Nothing to upload until a response is imported: said before any question.
        m_context.dialogs.message(ui_text("Link", kMessageImageEmpty).arg(name));
        co_return;
    }
    const QString question = ir_file.isEmpty()
                                 ? ui_text("kx::TformMain", kConfirmUpload).arg(name)
                                 : ui_text("kx::TformMain", kConfirmUploadIr).arg(name, ir_file);
    if (last != LastImport::Taken && m_context.dialogs.confirm(question) == Dialogs::Answer::No)
        co_return;
    // The new effect replaces the one whose edits are not stored yet.
    const bool let_go = co_await keep_or_let_go_of_edits();
    if (!let_go)
        co_return;
    if (const auto answer = co_await upload_and_show(selection.selected_effect_name); !answer)
        report_pedal_error(answer.failure());
}

Task<Result<QString>> TformMain::upload_and_show(QString effect_name) {
    PedalSession& pedal = session();
    if (!m_upload_watched) {
        m_upload_watched = true;
        connect(&pedal.upload_operation(), &Operation::step_changed, this,
                [this](const QString& step) {
                    if (step == ui_text("Link", kTextUploading))
                        set_untranslated(lblStatus, "text", step);
                });
    }
    // The last upload's outcome goes: this one's steps and outcome take its place.
    set_translated(lblStatus, "text", "kx::TformMain", kTextStatusCaption);
    const auto answer = co_await pedal.upload_effect(effect_name);
    if (answer)
        set_untranslated(lblStatus, "text", *answer);
    // The pedal runs the uploaded effect: its window goes live with the pedal's values.
    if (pedal.effect_known())
        show_running_effect();
    co_return answer;
}

Task<> TformMain::btnOpenEffectClick() {
    // Opening rebuilds the parameters window: its unstored edits are asked about first.
    const bool let_go = co_await keep_or_let_go_of_edits();
    if (!let_go)
        co_return;
    const auto effect = co_await session().open_running_effect();
    if (!effect) {
        report_pedal_error(effect.failure());
        co_return;
    }
    show_running_effect();
}

void TformMain::show_running_effect() {
    const PedalEffect& effect = session().effect();
    SelectionState& selection = m_context.selection;
    selection.selected_effect_name = effect.name;

    for (int row = 0; row < category_count(); ++row) {
        const auto lines = m_context.store.read_file_from_stream(category_resource(row));
        if (!lines)
            continue;
        if (const auto index = find_effect_in_list(*lines)) {
            lstEffects->clear();
            (void)load_effect_list(category_resource(row));
            fill_effect_list();
            lstCategory->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
            lstEffects->setCurrentRow(*index, QItemSelectionModel::ClearAndSelect);
            selection.selected_category = lstCategory->item(row)->text();
            break;
        }
    }
    if (m_windows.formFXParameters)
        show_parameters_window(effect.name + QStringLiteral(" v") +
                               QString::number(effect.version));
    refresh_controls();
    btnRequest->setFocus();
}

std::optional<int> TformMain::find_effect_in_list(const QStringList& lines) const {
    const qsizetype index = lines.indexOf(m_context.link->session->effect().name);
    if (index < 0)
        return std::nullopt;
    return static_cast<int>(index);
}

Task<> TformMain::btnRequestClick() {
    co_await request_parameters();
}

Task<> TformMain::request_parameters() {
    PedalSession& pedal = session();
    const bool was_known = pedal.effect_known();
    const QString shown = m_context.selection.selected_effect_name;
    const auto state = co_await pedal.request_state();
    // Request is for the running effect: it was opened on the way, or a preview was shown.
    if (pedal.effect_known() &&
        (!was_known || shown != pedal.effect().name || !m_windows.formFXParameters ||
         !m_windows.formFXParameters->isVisible()))
        show_running_effect();
    if (!state)
        report_pedal_error(state.failure());
}

Task<> TformMain::btnAssignClick() {
    if (TformFXParameters* parameters = m_windows.formFXParameters) {
        // It tells the user about a failure, and says when the pedal got the codes.
        const Status sent = co_await parameters->assign_to_pedal();
        if (!sent)
            show_status_text(ui_text("kx::TformMain", kStatusAssignFailed) + sent.error());
        co_return;
    }
    if (const Status sent = co_await session().assign(); !sent) {
        report_pedal_error(sent.failure());
        show_status_text(ui_text("kx::TformMain", kStatusAssignFailed) + sent.error());
        co_return;
    }
    show_status_text(ui_text("kx::TformMain", kStatusAssigned));
}

Task<> TformMain::btnStoreSettingsOnPedalClick() {
    (void)co_await store_settings();
}

Task<bool> TformMain::store_settings() {
    if (const Status sent = co_await session().store(); !sent) {
        report_pedal_error(sent.failure());
        show_status_text(ui_text("kx::TformMain", kStatusStoreFailed) + sent.error());
        co_return false;
    }
    if (TformFXParameters* parameters = m_windows.formFXParameters)
        parameters->mark_stored();
    show_status_text(ui_text("kx::TformMain", kStatusStored));
    co_return true;
}

Task<> TformMain::menuMIDIchannelsClickItem(QAction* item) {
    const QString caption = item->text();
    const int channel = int(menuMIDIchannel->actions().indexOf(item));
    if (const Status sent = co_await session().set_midi_channel(channel); !sent) {
        report_pedal_error(sent.failure());
        show_status_text(ui_text("kx::TformMain", kStatusMidiFailed).arg(caption) + sent.error());
        co_return;
    }
    show_status_text(ui_text("kx::TformMain", kStatusMidiSet).arg(caption));
    check_midi_channel(caption);
    m_memory.set_value(memory_key::kMidiChannel, caption);
}

} // namespace kx
