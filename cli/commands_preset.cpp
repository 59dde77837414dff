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

#include <algorithm>

namespace kx::cli {

namespace {

constexpr char kSave[] = "save";
constexpr char kLoad[] = "load";
// The longest the preset's messages may take to leave for the pedal before the port closes.
constexpr int kSentLimitMs = 1000;

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
    if (const Status written = write_preset_file(path, *text); !written) {
        print_error(QStringLiteral("Error saving file: ") + written.error());
        return kExitFailed;
    }
    print_out(QStringLiteral("saved %1 to %2\n").arg(effect.name, path));
    return kExitOk;
}

int load(Session& session, const QString& path) {
    // The file is read and checked before the pedal is reached.
    const auto lines = read_preset_file(path);
    if (!lines) {
        print_error(QStringLiteral("Error loading file: ") + lines.error());
        return kExitUsage;
    }
    const auto preset = parse_preset(*lines);
    if (!preset) {
        print_error(QStringLiteral("%1: %2").arg(path, preset.error()));
        return kExitUsage;
    }
    const auto effect = session.connect_to_effect();
    if (!effect)
        return effect.error_code();
    if (preset->effect_number != effect->info.pedal_effect_number) {
        print_error(QStringLiteral("The preset is for effect %1, but the pedal runs effect %2 "
                                   "\"%3\": upload that effect first.")
                        .arg(preset->effect_number)
                        .arg(effect->info.pedal_effect_number)
                        .arg(effect->name));
        return kExitFailed;
    }
    const ControlDescription& description = effect->description;
    if (preset->control_count() != description.control_count) {
        print_error(QStringLiteral("The preset holds %1 controls, but %2 has %3.")
                        .arg(preset->control_count())
                        .arg(effect->name)
                        .arg(description.control_count));
        return kExitFailed;
    }
    QString error;
    const auto addresses = read_control_addresses(effect->name, description.control_count,
                                                  session.store(), session.log(), &error);
    if (!addresses) {
        print_error(error);
        return kExitFailed;
    }
    for (int i = 0; i < preset->control_count(); ++i) {
        const auto address = parse_address_text(addresses->value(i));
        if (!address) {
            print_error(QStringLiteral("The image of %1 holds no address for control %2.")
                            .arg(effect->name)
                            .arg(i));
            return kExitFailed;
        }
        const int value = std::clamp(preset->values.at(i), 0, kMaxControlValue);
        const QByteArray message = parameter_write_message(*address, value);
        session.log().print_line(parameter_log_line(description.controls.at(i).kind, i, message));
        if (const Status sent = session.comm().send_message(message); !sent)
            return session.fail(sent.failure());
    }
    if (const Status out = session.comm().wait_until_sent(kSentLimitMs); !out)
        return session.fail(out.failure());
    print_out(QStringLiteral("loaded %1 into %2\n").arg(path, effect->name));
    return kExitOk;
}

} // namespace

int command_preset(Session& session, const QStringList& arguments) {
    const QString& action = arguments.at(0);
    const QString& path = arguments.at(1);
    if (action == QLatin1String(kLoad))
        return load(session, path);
    if (action != QLatin1String(kSave)) {
        print_error(QStringLiteral("preset takes save or load, not \"%1\".").arg(action));
        return kExitUsage;
    }
    const auto effect = session.connect_to_effect();
    if (!effect)
        return effect.error_code();
    return save(session, *effect, path);
}

} // namespace kx::cli
