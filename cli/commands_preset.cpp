// The editor's preset files from the command line: save reads the pedal's state into one,
// load sends a preset's values to the running effect.
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/session.h"
#include "link/Communication.h"
#include "link/D2XXUnit.h"
#include "params/control_addresses.h"
#include "params/parameter_messages.h"
#include "params/parameters_state.h"
#include "params/preset_file.h"

#include <QJsonObject>

#include <algorithm>

namespace kx::cli {

namespace {

constexpr char kSave[] = "save";
constexpr char kLoad[] = "load";
// The longest the preset's messages may take to leave for the pedal before the port closes.
constexpr int kSentLimitMs = 1000;

void print_done(Session& session, const QString& action, const QString& path,
                const RunningEffect& effect) {
    if (session.options().json)
        print_json(QJsonObject{{QStringLiteral("action"), action},
                               {QStringLiteral("file"), path},
                               {QStringLiteral("effect"), effect.name},
                               {QStringLiteral("effect_number"), effect.info.pedal_effect_number}});
    else if (action == QLatin1String(kSave))
        print_out(QStringLiteral("saved %1 to %2\n").arg(effect.name, path));
    else
        print_out(QStringLiteral("loaded %1 into %2\n").arg(path, effect.name));
}

int save(Session& session, const RunningEffect& effect, const QString& path) {
    const ControlDescription& description = effect.description;
    const int count = description.control_count;
    const auto values =
        session.comm().receive_values(parameter_request_message(count), parameter_reply(count));
    if (!values)
        return session.fail(values.failure());
    const ParameterReply reply = decode_parameter_reply(*values, count, description.readback_count);
    if (!reply.complete())
        return session.fail(Error{QString::fromLatin1(kMessageShortReply)
                                      .arg(reply.received_count)
                                      .arg(reply.expected_count),
                                  kLinkBadReply});
    FXParametersState state;
    for (const auto& value : reply.values)
        state.values << value.value_or(0);
    for (int i = 0; i < reply.control_codes.size(); ++i)
        state.control_assignments[i] = reply.control_codes.at(i).value_or(kUnassignedCode);
    for (int j = 0; j < reply.readback_codes.size() && j < kMaxReadbackCount; ++j)
        state.readback_assignments[j] = reply.readback_codes.at(j).value_or(kUnassignedCode);
    state.bypass_assignment = reply.bypass_code.value_or(kUnassignedCode);
    state.preset_assignment = reply.preset_code.value_or(kUnassignedCode);

    const auto preset =
        preset_from_state(effect.info.pedal_effect_number, effect.info.pedal_effect_version, state,
                          count, description.readback_count);
    if (!preset)
        return session.fail(preset.failure());
    const auto text = preset_text(*preset);
    if (!text)
        return session.fail(text.failure());
    if (const Status written = write_preset_file(path, *text); !written)
        return failed_error(QStringLiteral("Error saving file: %1: %2").arg(path, written.error()));
    print_done(session, QLatin1String(kSave), path, effect);
    return kExitOk;
}

int load(Session& session, const QString& path) {
    // The file is read and checked before the pedal is reached.
    const auto lines = read_preset_file(path);
    if (!lines)
        return usage_error(QStringLiteral("Error loading file: ") + lines.error());
    const auto preset = parse_preset(*lines);
    if (!preset)
        return usage_error(QStringLiteral("%1: %2").arg(path, preset.error()));
    const auto effect = session.connect_to_effect();
    if (!effect)
        return effect.error_code();
    if (preset->effect_number != effect->info.pedal_effect_number)
        return failed_error(QStringLiteral("%1 is a preset for effect %2, but the pedal runs "
                                           "effect %3 \"%4\": upload that effect first.")
                                .arg(path)
                                .arg(preset->effect_number)
                                .arg(effect->info.pedal_effect_number)
                                .arg(effect->name));
    const ControlDescription& description = effect->description;
    if (preset->control_count() != description.control_count)
        return failed_error(QStringLiteral("%1 holds %2 controls, but %3 has %4.")
                                .arg(path)
                                .arg(preset->control_count())
                                .arg(effect->name)
                                .arg(description.control_count));
    QString error;
    const auto addresses = read_control_addresses(effect->name, description.control_count,
                                                  session.store(), session.log(), &error);
    if (!addresses)
        return failed_error(error);
    for (int i = 0; i < preset->control_count(); ++i) {
        const auto address = parse_address_text(addresses->value(i));
        if (!address)
            return failed_error(QStringLiteral("The image of %1 holds no address for control %2.")
                                    .arg(effect->name)
                                    .arg(i));
        const int value = std::clamp(preset->values.at(i), 0, kMaxControlValue);
        const QByteArray message = parameter_write_message(*address, value);
        session.log().print_line(parameter_log_line(description.controls.at(i).kind, i, message));
        if (const Status sent = session.comm().send_message(message); !sent)
            return session.fail(sent.failure());
    }
    if (const Status out = session.comm().wait_until_sent(kSentLimitMs); !out)
        return session.fail(out.failure());
    print_done(session, QLatin1String(kLoad), path, *effect);
    return kExitOk;
}

} // namespace

int command_preset(Session& session, const QStringList& arguments) {
    const QString& action = arguments.at(0);
    const QString& path = arguments.at(1);
    if (action == QLatin1String(kLoad))
        return load(session, path);
    if (action != QLatin1String(kSave))
        return usage_error(QStringLiteral("preset takes save or load, not \"%1\".").arg(action));
    const auto effect = session.connect_to_effect();
    if (!effect)
        return effect.error_code();
    return save(session, *effect, path);
}

} // namespace kx::cli
