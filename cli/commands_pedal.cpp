// The commands that read or change the running effect: the editor's Connect, Open FX,
// Request, the parameters window's controls, Assign, Store and the MIDI menu.
#include "cli/commands.h"
#include "cli/control_values.h"
#include "cli/exit_codes.h"
#include "cli/session.h"
#include "link/Communication.h"
#include "link/D2XXUnit.h"
#include "params/control_addresses.h"
#include "params/parameter_messages.h"

#include <QJsonArray>
#include <QJsonObject>

namespace kx::cli {

namespace {

// A message without an answer must have left for the pedal before the program closes the
// port; this is the longest that may take.
constexpr int kSentLimitMs = 1000;

int usage(const QString& message) {
    return usage_error(message);
}

// The parameter state of the running effect, decoded.
Result<ParameterReply> request_state(Session& session, const RunningEffect& effect) {
    const int count = effect.description.control_count;
    const auto values =
        session.comm().receive_values(parameter_request_message(count), parameter_reply(count));
    if (!values)
        return values.failure();
    return decode_parameter_reply(*values, count, effect.description.readback_count);
}

int send_and_settle(Session& session, const QByteArray& message) {
    if (const Status sent = session.comm().send_message(message); !sent)
        return session.fail(sent.failure());
    if (const Status out = session.comm().wait_until_sent(kSentLimitMs); !out)
        return session.fail(out.failure());
    return kExitOk;
}

QString optional_code_text(AssignmentBox box, const std::optional<quint8>& code) {
    return code ? assignment_text(box, *code) : QStringLiteral("?");
}

QJsonValue optional_code_json(AssignmentBox box, const std::optional<quint8>& code) {
    return code ? QJsonValue(assignment_text(box, *code)) : QJsonValue();
}

} // namespace

int command_list(Session& session) {
    D2XXUnit& d2xx = session.d2xx();
    if (const Status count = d2xx.GetFTDeviceCount(); !count)
        return session.fail(count.failure());
    session.report_port_problems();
    QJsonArray json;
    QString text;
    for (quint32 i = 0; i < d2xx.device_count; ++i) {
        const auto serial_read = d2xx.GetFTDeviceSerialNo(i);
        const auto description_read = d2xx.GetFTDeviceDescription(i);
        const QString serial = serial_read ? *serial_read : QString();
        const QString description = description_read ? *description_read : QString();
        json.append(QJsonObject{{QStringLiteral("serial"), serial},
                                {QStringLiteral("description"), description}});
        text += serial + QLatin1Char('\t') + description + QLatin1Char('\n');
    }
    session.options().json ? print_json(QJsonObject{{QStringLiteral("devices"), json}})
                           : print_out(text);
    if (d2xx.device_count == 0)
        return no_pedal_error(QString::fromLatin1(kTextNoDevice));
    return kExitOk;
}

int command_info(Session& session) {
    const auto effect = session.connect_to_effect(false);
    if (!effect)
        return effect.error_code();
    const EffectInfo& info = effect->info;
    if (session.options().json) {
        print_json(QJsonObject{
            {QStringLiteral("effect_number"), info.pedal_effect_number},
            {QStringLiteral("effect"), effect->name},
            {QStringLiteral("effect_version"), info.pedal_effect_version},
            {QStringLiteral("firmware_version"), info.pedal_firmware_version},
        });
    } else {
        print_out(QStringLiteral("effect number: %1\neffect: %2\neffect version: %3\n"
                                 "firmware version: %4\n")
                      .arg(info.pedal_effect_number)
                      .arg(effect->name)
                      .arg(info.pedal_effect_version)
                      .arg(info.pedal_firmware_version));
    }
    return kExitOk;
}

int command_get(Session& session) {
    const auto effect = session.connect_to_effect();
    if (!effect)
        return effect.error_code();
    const auto state = request_state(session, *effect);
    if (!state)
        return session.fail(state.failure());
    const ControlDescription& description = effect->description;

    QJsonArray controls;
    QString text =
        QStringLiteral("%1 v%2\n").arg(effect->name).arg(effect->info.pedal_effect_version);
    for (int i = 0; i < description.control_count; ++i) {
        const ControlEntry& control = description.controls.at(i);
        const std::optional<int> value = state->values.value(i);
        const QString meaning = value ? value_meaning(control, *value) : QStringLiteral("?");
        const std::optional<quint8> code =
            i < state->control_codes.size() ? state->control_codes.at(i) : std::nullopt;
        const bool assignable = ControlDescription::assignable(i);
        const QString assigned =
            assignable ? optional_code_text(AssignmentBox::Control, code) : QStringLiteral("-");
        controls.append(control_json(i, control, value,
                                     assignable ? optional_code_json(AssignmentBox::Control, code)
                                                : QJsonValue()));
        text += QStringLiteral("%1 %2 = %3").arg(i, 2).arg(control.label, meaning);
        if (const auto option = value ? option_number(control, *value) : std::nullopt)
            text += QStringLiteral(" (option %1, %2)").arg(*option).arg(*value);
        else if (control.kind != ControlKind::Pot && value)
            text += QStringLiteral(" (%1)").arg(*value);
        text += QStringLiteral("  [%1]\n").arg(assigned);
    }
    QJsonArray readbacks;
    for (int j = 0; j < description.readback_count; ++j) {
        const QString assigned =
            optional_code_text(AssignmentBox::Readback, state->readback_codes.value(j));
        readbacks.append(QJsonObject{
            {QStringLiteral("index"), j},
            {QStringLiteral("name"), description.readbacks.value(j)},
            {QStringLiteral("assignment"),
             optional_code_json(AssignmentBox::Readback, state->readback_codes.value(j))}});
        text += QStringLiteral("readback %1  [%2]\n").arg(description.readbacks.value(j), assigned);
    }
    const QString bypass = optional_code_text(AssignmentBox::BypassOrPreset, state->bypass_code);
    const QString preset = optional_code_text(AssignmentBox::BypassOrPreset, state->preset_code);
    text += QStringLiteral("bypass  [%1]\npreset  [%2]\n").arg(bypass, preset);

    if (session.options().json) {
        print_json(QJsonObject{
            {QStringLiteral("effect"), effect->name},
            {QStringLiteral("effect_number"), effect->info.pedal_effect_number},
            {QStringLiteral("effect_version"), effect->info.pedal_effect_version},
            {QStringLiteral("controls"), controls},
            {QStringLiteral("readbacks"), readbacks},
            {QStringLiteral("bypass"),
             optional_code_json(AssignmentBox::BypassOrPreset, state->bypass_code)},
            {QStringLiteral("preset"),
             optional_code_json(AssignmentBox::BypassOrPreset, state->preset_code)},
        });
    } else {
        print_out(text);
    }
    if (!state->complete())
        return session.fail(Error{QString::fromLatin1(kMessageShortReply)
                                      .arg(state->received_count)
                                      .arg(state->expected_count),
                                  kLinkBadReply});
    return kExitOk;
}

int command_set(Session& session, const QStringList& arguments, bool raw) {
    const QString& control_text = arguments.at(0);
    const QString& value_text = arguments.at(1);
    if (!value_text_in_range(value_text))
        return usage(QStringLiteral("%1 is out of range: a value is 0 to %2.")
                         .arg(value_text)
                         .arg(kMaxControlValue));
    const auto effect = session.connect_to_effect();
    if (!effect)
        return effect.error_code();
    const auto index = find_control(effect->description, control_text);
    if (!index)
        return usage(index.error());
    const ControlEntry& control = effect->description.controls.at(*index);
    const auto value = parse_control_value(control, value_text, raw);
    if (!value)
        return usage(value.error());

    QString error;
    const auto addresses = read_control_addresses(effect->name, effect->description.control_count,
                                                  session.store(), session.log(), &error);
    if (!addresses)
        return failed_error(error);
    const auto address = parse_address_text(addresses->value(*index));
    if (!address)
        return failed_error(QStringLiteral("The image of %1 holds no address for %2.")
                                .arg(effect->name, control.label));
    const QByteArray message = parameter_write_message(*address, *value);
    session.log().print_line(parameter_log_line(control.kind, *index, message));
    if (const int status = send_and_settle(session, message); status != kExitOk)
        return status;
    if (session.options().json)
        print_json(QJsonObject{
            {QStringLiteral("effect"), effect->name},
            {QStringLiteral("control"), control_json(*index, control, *value, QJsonValue())}});
    else
        print_out(QStringLiteral("%1 = %2\n").arg(control.label, value_meaning(control, *value)));
    return kExitOk;
}

int command_assign(Session& session, const QStringList& arguments) {
    const QString& target = arguments.at(0);
    const QString& knob = arguments.at(1);
    const auto effect = session.connect_to_effect();
    if (!effect)
        return effect.error_code();
    const ControlDescription& description = effect->description;

    // Which slot the name picks, and the box its knob is chosen from.
    enum class Slot { Control, Readback, Bypass, Preset } slot = Slot::Control;
    int index = -1;
    if (target.compare(QLatin1String("bypass"), Qt::CaseInsensitive) == 0) {
        slot = Slot::Bypass;
    } else if (target.compare(QLatin1String("preset"), Qt::CaseInsensitive) == 0) {
        slot = Slot::Preset;
    } else if (const auto control = find_control(description, target)) {
        index = *control;
        if (!ControlDescription::assignable(index))
            return usage(QStringLiteral("%1 cannot be assigned: only the first %2 controls can.")
                             .arg(target)
                             .arg(kAssignableControls));
    } else if (const auto readback = find_readback(description, target)) {
        slot = Slot::Readback;
        index = *readback;
    } else {
        return usage(control.error());
    }
    const AssignmentBox box = slot == Slot::Control    ? AssignmentBox::Control
                              : slot == Slot::Readback ? AssignmentBox::Readback
                                                       : AssignmentBox::BypassOrPreset;
    const auto code = parse_assignment(box, knob);
    if (!code)
        return usage(code.error());

    // The message carries every assignment: the others are sent back as the pedal has them.
    const auto state = request_state(session, *effect);
    if (!state)
        return session.fail(state.failure());
    if (!state->complete())
        return session.fail(Error{QString::fromLatin1(kMessageShortReply)
                                      .arg(state->received_count)
                                      .arg(state->expected_count),
                                  kLinkBadReply});
    AssignmentCodes codes;
    for (const auto& c : state->control_codes)
        codes.controls << c.value_or(kUnassignedCode);
    for (const auto& c : state->readback_codes)
        codes.readbacks << c.value_or(kUnassignedCode);
    codes.bypass = state->bypass_code.value_or(kUnassignedCode);
    codes.preset = state->preset_code.value_or(kUnassignedCode);
    switch (slot) {
    case Slot::Control:
        codes.controls[index] = *code;
        break;
    case Slot::Readback:
        codes.readbacks[index] = *code;
        break;
    case Slot::Bypass:
        codes.bypass = *code;
        break;
    case Slot::Preset:
        codes.preset = *code;
        break;
    }
    const QByteArray message = assignment_message(codes);
    session.log().print_line(message_hex(message));
    if (const int status = send_and_settle(session, message); status != kExitOk)
        return status;
    if (session.options().json) {
        const char* slot_names[] = {"control", "readback", "bypass", "preset"};
        const QString name = slot == Slot::Control    ? description.controls.at(index).label
                             : slot == Slot::Readback ? description.readbacks.value(index)
                                                      : QLatin1String(slot_names[int(slot)]);
        print_json(QJsonObject{{QStringLiteral("effect"), effect->name},
                               {QStringLiteral("slot"), QLatin1String(slot_names[int(slot)])},
                               {QStringLiteral("name"), name},
                               {QStringLiteral("index"), index < 0 ? QJsonValue() : index},
                               {QStringLiteral("assignment"), assignment_text(box, *code)}});
    } else {
        print_out(QStringLiteral("%1 -> %2\n").arg(target, assignment_text(box, *code)));
    }
    return kExitOk;
}

int command_store(Session& session) {
    const auto effect = session.connect_to_effect();
    if (!effect)
        return effect.error_code();
    const QByteArray message = store_settings_message(effect->description.control_count);
    session.log().print_line(QLatin1String(kLogStoreSettings) + message_hex(message));
    if (const int status = send_and_settle(session, message); status != kExitOk)
        return status;
    if (session.options().json)
        print_json(QJsonObject{{QStringLiteral("effect"), effect->name},
                               {QStringLiteral("effect_number"), effect->info.pedal_effect_number},
                               {QStringLiteral("stored"), true}});
    else
        print_out(QStringLiteral("stored %1\n").arg(effect->name));
    return kExitOk;
}

int command_midi(Session& session, const QStringList& arguments) {
    QString caption = arguments.at(0);
    if (caption.compare(QLatin1String(kTextMidiOmni), Qt::CaseInsensitive) == 0)
        caption = QLatin1String(kTextMidiOmni);
    const auto message = midi_channel_message(caption);
    if (!message)
        return usage(message.error());
    if (const int status = session.connect(); status != kExitOk)
        return status;
    session.log().print_line(QLatin1String(kLogMidiChannel) + caption);
    session.log().print_line(message_hex(*message));
    if (const int status = send_and_settle(session, *message); status != kExitOk)
        return status;
    if (session.options().json) {
        const bool omni = caption == QLatin1String(kTextMidiOmni);
        print_json(QJsonObject{{QStringLiteral("channel"), omni ? QJsonValue() : caption.toInt()},
                               {QStringLiteral("omni"), omni}});
    } else {
        print_out(QStringLiteral("MIDI channel %1\n").arg(caption));
    }
    return kExitOk;
}

} // namespace kx::cli
