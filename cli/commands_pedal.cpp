// The commands that read or change the running effect: the editor's Connect, Open FX,
// Request, the parameters window's controls, Assign, Store and the MIDI menu, each one call of
// the pedal session.
#include "base/translation.h"
#include "cli/await.h"
#include "cli/commands.h"
#include "cli/control_values.h"
#include "cli/exit_codes.h"
#include "cli/session.h"
#include "link/Communication.h"
#include "link/D2XXUnit.h"
#include "link/pedal_commands.h"
#include "session/pedal_session.h"

#include <QJsonArray>
#include <QFileInfo>
#include <QJsonObject>

namespace kx::cli {

namespace {

// The catalogue's name for effect 0, which a new pedal runs (kept in JSON for scripts), and
// what a reader is told instead.
constexpr char kNoEffectName[] = "empty";
constexpr char kNoEffectText[] = "none yet (upload one with kestrel-x upload EFFECT)";

QJsonValue code_json(AssignmentBox box, quint8 code) {
    return QJsonValue(assignment_text(box, code));
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
        // A port given by path is listed by its file name: the path says which it is.
        QString port;
        for (const QString& path : session.options().ports)
            if (QFileInfo(path).fileName() == serial)
                port = path;
        json.append(QJsonObject{{QStringLiteral("serial"), serial},
                                {QStringLiteral("description"), description},
                                {QStringLiteral("port"), port}});
        text += serial + QLatin1Char('\t') + description +
                (port.isEmpty() ? QString() : QLatin1Char('\t') + port) + QLatin1Char('\n');
    }
    session.options().json ? print_json(QJsonObject{{QStringLiteral("devices"), json}})
                           : print_out(text);
    if (d2xx.device_count == 0)
        return no_pedal_error(ui_text("Link", kTextNoDevice));
    return kExitOk;
}

int command_info(Session& session) {
    const auto effect = session.connect_to_effect();
    // A new pedal runs effect 0: that is what it says, not a failure to report.
    if (!effect && effect.error_kind() != ErrorKind::NoEffect)
        return session.fail(effect.failure());
    const PedalEffect& running = effect ? *effect : session.pedal().effect();
    const QString name = effect ? running.name : QLatin1String(kNoEffectName);
    if (session.options().json) {
        print_json(QJsonObject{
            {QStringLiteral("effect_number"), running.number},
            {QStringLiteral("effect"), name},
            {QStringLiteral("effect_version"), running.version},
            {QStringLiteral("firmware_version"), running.firmware_version},
        });
    } else {
        print_out(QStringLiteral("effect number: %1\neffect: %2\neffect version: %3\n"
                                 "firmware version: %4\n")
                      .arg(running.number)
                      .arg(effect ? name : QLatin1String(kNoEffectText))
                      .arg(running.version)
                      .arg(running.firmware_version));
    }
    return kExitOk;
}

int command_get(Session& session) {
    if (const auto effect = session.connect_to_effect(); !effect)
        return session.fail(effect.failure());
    PedalSession& pedal = session.pedal();
    if (const auto read = finish(pedal.request_state()); !read)
        return session.fail(read.failure());
    const PedalEffect& effect = pedal.effect();
    const ControlDescription& description = effect.description;
    const FXParametersState& state = pedal.state();

    QJsonArray controls;
    QString text = QStringLiteral("%1 v%2\n").arg(effect.name).arg(effect.version);
    for (int i = 0; i < description.control_count; ++i) {
        const ControlEntry& control = description.controls.at(i);
        const int value = state.values.value(i);
        const bool assignable = ControlDescription::assignable(i);
        const quint8 code = assignable ? state.control_assignments[i] : kUnassignedCode;
        controls.append(
            control_json(i, control, value,
                         assignable ? code_json(AssignmentBox::Control, code) : QJsonValue()));
        text += QStringLiteral("%1 %2 = %3")
                    .arg(i, 2)
                    .arg(control.label, value_meaning(control, value));
        if (const auto option = option_number(control, value))
            text += QStringLiteral(" (option %1, %2)").arg(*option).arg(value);
        else if (control.kind != ControlKind::Pot)
            text += QStringLiteral(" (%1)").arg(value);
        text += QStringLiteral("  [%1]\n")
                    .arg(assignable ? assignment_text(AssignmentBox::Control, code)
                                    : QStringLiteral("-"));
    }
    QJsonArray readbacks;
    for (int j = 0; j < description.readback_count && j < kMaxReadbackCount; ++j) {
        const quint8 code = state.readback_assignments[j];
        readbacks.append(
            QJsonObject{{QStringLiteral("index"), j},
                        {QStringLiteral("name"), description.readbacks.value(j)},
                        {QStringLiteral("assignment"), code_json(AssignmentBox::Readback, code)}});
        text += QStringLiteral("readback %1  [%2]\n")
                    .arg(description.readbacks.value(j),
                         assignment_text(AssignmentBox::Readback, code));
    }
    const QString bypass = assignment_text(AssignmentBox::BypassOrPreset, state.bypass_assignment);
    const QString preset = assignment_text(AssignmentBox::BypassOrPreset, state.preset_assignment);
    text += QStringLiteral("bypass  [%1]\npreset  [%2]\n").arg(bypass, preset);

    if (session.options().json)
        print_json(QJsonObject{
            {QStringLiteral("effect"), effect.name},
            {QStringLiteral("effect_number"), effect.number},
            {QStringLiteral("effect_version"), effect.version},
            {QStringLiteral("controls"), controls},
            {QStringLiteral("readbacks"), readbacks},
            {QStringLiteral("bypass"), bypass},
            {QStringLiteral("preset"), preset},
        });
    else
        print_out(text);
    return kExitOk;
}

int command_set(Session& session, const QStringList& arguments, bool raw) {
    const QString& control_text = arguments.at(0);
    const QString& value_text = arguments.at(1);
    if (!value_text_in_range(value_text))
        return usage_error(QStringLiteral("%1 is out of range: a value is 0 to %2.")
                               .arg(value_text)
                               .arg(kMaxControlValue));
    const auto effect = session.connect_to_effect();
    if (!effect)
        return session.fail(effect.failure());
    const auto index = find_control(effect->description, control_text);
    if (!index)
        return usage_error(index.error());
    const ControlEntry& control = effect->description.controls.at(*index);
    const auto value = parse_control_value(control, value_text, raw);
    if (!value)
        return usage_error(value.error());
    if (const Status written = finish(session.pedal().write_control(*index, *value)); !written)
        return session.fail(written.failure());
    if (const Status out = session.finish_sending(); !out)
        return session.fail(out.failure());
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
        return session.fail(effect.failure());
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
            return usage_error(
                QStringLiteral("%1 cannot be assigned: only the first %2 controls can.")
                    .arg(target)
                    .arg(kAssignableControls));
    } else if (const auto readback = find_readback(description, target)) {
        slot = Slot::Readback;
        index = *readback;
    } else {
        return usage_error(control.error());
    }
    const AssignmentBox box = slot == Slot::Control    ? AssignmentBox::Control
                              : slot == Slot::Readback ? AssignmentBox::Readback
                                                       : AssignmentBox::BypassOrPreset;
    const auto code = parse_assignment(box, knob);
    if (!code)
        return usage_error(code.error());

    // The message carries every assignment: the others go back as the pedal has them.
    PedalSession& pedal = session.pedal();
    if (const auto read = finish(pedal.request_state()); !read)
        return session.fail(read.failure());
    switch (slot) {
    case Slot::Control:
        pedal.set_control_assignment(index, *code);
        break;
    case Slot::Readback:
        pedal.set_readback_assignment(index, *code);
        break;
    case Slot::Bypass:
        pedal.set_bypass_assignment(*code);
        break;
    case Slot::Preset:
        pedal.set_preset_assignment(*code);
        break;
    }
    if (const Status assigned = finish(pedal.assign()); !assigned)
        return session.fail(assigned.failure());
    if (const Status out = session.finish_sending(); !out)
        return session.fail(out.failure());
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
        return session.fail(effect.failure());
    if (const Status stored = finish(session.pedal().store()); !stored)
        return session.fail(stored.failure());
    if (const Status out = session.finish_sending(); !out)
        return session.fail(out.failure());
    if (session.options().json)
        print_json(QJsonObject{{QStringLiteral("effect"), effect->name},
                               {QStringLiteral("effect_number"), effect->number},
                               {QStringLiteral("stored"), true}});
    else
        print_out(QStringLiteral("stored %1\n").arg(effect->name));
    return kExitOk;
}

int command_midi(Session& session, const QStringList& arguments) {
    QString caption = arguments.at(0);
    bool number = false;
    if (caption.compare(QLatin1String(kTextMidiOmni), Qt::CaseInsensitive) == 0)
        caption = QLatin1String(kTextMidiOmni);
    else if (const int channel = caption.toInt(&number); number)
        caption = QString::number(channel);
    if (const auto message = midi_channel_message(caption); !message)
        return usage_error(message.error());
    const int channel = int(midi_channel_items().indexOf(caption));
    // The channel goes only to a pedal whose firmware answered: a bootloader must not get it.
    // A new pedal, which runs no effect, takes it all the same.
    if (const auto effect = session.connect_to_effect();
        !effect && effect.error_kind() != ErrorKind::NoEffect)
        return session.fail(effect.failure());
    if (const Status set = finish(session.pedal().set_midi_channel(channel)); !set)
        return session.fail(set.failure());
    if (const Status out = session.finish_sending(); !out)
        return session.fail(out.failure());
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
