// The main window's pedal actions: upload, Open FX, Request, Assign, Store and the MIDI
// channel. Each runs on the link's exchanges and decides here what the user sees.
#include "app/AppContext.h"
#include "app/Main.h"
#include "base/clock.h"
#include "base/dialogs.h"
#include "library/resource_store.h"
#include "link/Communication.h"
#include "link/D2XXUnit.h"
#include "link/effect_upload.h"
#include "link/pedal_commands.h"
#include "params/ui/FXParameters.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace kx {

namespace {

QString latin1(const char* text) {
    return QString::fromLatin1(text);
}

} // namespace

void TformMain::report_pedal_error(const Error& error) {
    // A lost chip has been reported once by the link, and a refusal shows in the status line.
    if (error.code == kLinkLost || error.code == kLinkBusy)
        return;
    m_context.dialogs.message(error.message);
}

void TformMain::btnUploadClick() {
    if (m_context.dialogs.confirm(latin1(kConfirmUpload)) == Dialogs::Answer::No)
        return;
    const SelectionState& selection = m_context.selection;
    if (selection.selected_effect_name.isEmpty()) {
        m_context.dialogs.message(latin1(kMessageNoEffectSelected));
        return;
    }
    QString image_text;
    if (selection.selected_category == QLatin1String(kImpulseResponseCategory)) {
        image_text = m_context.ir_image;
        m_context.log.print_line(latin1(kLogFileContentSize) +
                                 QString::number(image_text.size() / 2));
    } else {
        const QString name = format_resource_name(selection.selected_effect_name);
        m_context.log.print_line(latin1(kLogResourceName) + name);
        const auto lines = m_context.store.read_file_from_stream(name);
        if (!lines) {
            m_context.dialogs.message(lines.error());
            return;
        }
        image_text = lines->value(0);
    }

    if (!m_upload) {
        m_upload = std::make_unique<EffectUpload>(
            communication(), m_context.log, m_context.clock, [this]() -> Status {
                if (!m_windows.formFXParameters)
                    return Error{QStringLiteral("The parameters window is missing.")};
                return m_windows.formFXParameters->enter_bypass();
            });
        connect(m_upload.get(), &Operation::step_changed, this, [this](const QString& step) {
            if (step == QLatin1String(kTextUploading))
                lblStatus->setText(step);
        });
    }
    m_upload->set_image(image_text, selection.selected_effect_name);

    // The buttons come back as they were, unless the pedal went away meanwhile.
    const QString status_before = lblStatus->text();
    const QList<QPushButton*> held = {btnUpload, btnOpenEffect, btnRequest};
    QList<bool> enabled_before;
    for (QPushButton* button : held) {
        enabled_before << button->isEnabled();
        button->setEnabled(false);
    }
    const Status result = m_upload->start();
    if (communication().connected())
        for (int i = 0; i < held.size(); ++i)
            held[i]->setEnabled(enabled_before[i]);
    if (result) {
        // The answer ends its line with CR LF; a one-line label shows the words only.
        QString shown = m_upload->answer();
        while (shown.endsWith(QLatin1Char('\n')) || shown.endsWith(QLatin1Char('\r')))
            shown.chop(1);
        lblStatus->setText(shown);
        return;
    }
    lblStatus->setText(status_before);
    report_pedal_error(result.failure());
}

std::optional<int> TformMain::find_effect_in_list(const QStringList& lines) const {
    const qsizetype index = lines.indexOf(m_context.selection.pedal_effect_name);
    if (index < 0)
        return std::nullopt;
    return static_cast<int>(index);
}

void TformMain::btnOpenEffectClick() {
    // Opening rebuilds the parameters window: its unstored edits are asked about first.
    if (!keep_or_let_go_of_edits())
        return;
    Communication& comm = communication();
    if (!comm.exchange_allowed(QStringLiteral("Open FX")))
        return;
    btnOpenEffect->setEnabled(false);
    const auto reply = comm.receive_text(effect_information_message(), information_reply());
    if (comm.connected())
        btnOpenEffect->setEnabled(true);
    if (!reply) {
        report_pedal_error(reply.failure());
        return;
    }
    const auto info = parse_effect_info(*reply);
    if (!info) {
        m_context.dialogs.message(info.error());
        return;
    }
    SelectionState& selection = m_context.selection;
    selection.pedal_effect_number = info->pedal_effect_number;
    selection.pedal_effect_version = info->pedal_effect_version;
    selection.pedal_firmware_version = info->pedal_firmware_version;
    for (const QString& line : effect_info_log_lines(*info))
        m_context.log.print_line(line);
    lblFirmwareVersion->setText(latin1(kTextFirmwareVersion) +
                                QString::number(info->pedal_firmware_version));

    if (!identify_pedal_effect())
        return;
    if (TformFXParameters* parameters = m_windows.formFXParameters) {
        show_parameters_window(selection.pedal_effect_name + QStringLiteral(" v") +
                               QString::number(selection.pedal_effect_version));
        // They stay off until a request has read the pedal's values.
        parameters->EnableDisableControls(false);
    }
    btnRequest->setEnabled(true);

    for (int row = 0; row < category_count(); ++row) {
        lstEffects->clear();
        const auto lines = m_context.store.read_file_from_stream(category_resource(row));
        if (!lines)
            continue;
        if (const auto index = find_effect_in_list(*lines)) {
            m_context.store.load_resource_text(category_resource(row));
            fill_effect_list();
            lstCategory->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
            lstEffects->setCurrentRow(*index, QItemSelectionModel::ClearAndSelect);
            break;
        }
    }
}

void TformMain::btnRequestClick() {
    request_parameters();
}

void TformMain::request_parameters() {
    TformFXParameters* parameters = m_windows.formFXParameters;
    Communication& comm = communication();
    if (!parameters || !comm.exchange_allowed(QStringLiteral("Request")))
        return;
    const int count = parameters->control_count();
    btnRequest->setEnabled(false);
    const auto values =
        comm.receive_values(parameter_request_message(count), parameter_reply(count));
    if (!values) {
        if (comm.connected())
            btnRequest->setEnabled(true);
        report_pedal_error(values.failure());
        return;
    }
    // The window enables Request again once it has taken the values over.
    parameters->update_FXParameters(*values);
    parameters->receive_assignments_from_device(*values);
    btnAssign->setEnabled(true);
    btnStoreSettingsOnPedal->setEnabled(true);
    parameters->EnableDisableControls(true);
}

void TformMain::btnAssignClick() {
    TformFXParameters* parameters = m_windows.formFXParameters;
    if (!parameters)
        return;
    // It tells the user about a failure, and says when the pedal got the codes.
    const Status sent = parameters->assign_to_pedal();
    if (!sent)
        show_status_text(latin1(kStatusAssignFailed) + sent.error());
}

void TformMain::btnStoreSettingsOnPedalClick() {
    (void)store_settings();
}

bool TformMain::store_settings() {
    TformFXParameters* parameters = m_windows.formFXParameters;
    const int count = parameters ? parameters->control_count() : 0;
    const QByteArray message = store_settings_message(count);
    m_context.log.print_line(latin1(kLogStoreSettings) + message_hex(message));
    const Status sent = communication().send_message(message);
    if (!sent) {
        report_pedal_error(sent.failure());
        show_status_text(latin1(kStatusStoreFailed) + sent.error());
        return false;
    }
    communication().pause_ms(kStoreSettingsPauseMs, &m_context.clock);
    if (parameters)
        parameters->mark_stored();
    show_status_text(latin1(kStatusStored));
    return true;
}

void TformMain::menuMIDIchannelsClickItem(QAction* item) {
    const QString caption = item->text();
    m_context.log.print_line(latin1(kLogMidiChannel) + caption);
    const auto message = midi_channel_message(caption);
    if (!message) {
        m_context.dialogs.message(message.error());
        return;
    }
    m_context.log.print_line(message_hex(*message));
    if (const Status sent = communication().send_message(*message); !sent) {
        report_pedal_error(sent.failure());
        show_status_text(latin1(kStatusMidiFailed).arg(caption) + sent.error());
        return;
    }
    show_status_text(latin1(kStatusMidiSet).arg(caption));
    check_midi_channel(caption);
    m_memory.set_value(memory_key::kMidiChannel, caption);
}

} // namespace kx
