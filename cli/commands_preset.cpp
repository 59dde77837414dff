// The editor's preset files from the command line: save reads the pedal's state into one,
// load sends a preset's values to the running effect.
#include "cli/await.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/session.h"
#include "params/parameter_messages.h"
#include "params/preset_file.h"
#include "session/pedal_session.h"

#include <QJsonObject>

#include <algorithm>

namespace kx::cli {

namespace {

constexpr char kSave[] = "save";
constexpr char kLoad[] = "load";

void print_done(Session& session, const QString& action, const QString& path,
                const PedalEffect& effect) {
    if (session.options().json)
        print_json(QJsonObject{{QStringLiteral("action"), action},
                               {QStringLiteral("file"), path},
                               {QStringLiteral("effect"), effect.name},
                               {QStringLiteral("effect_number"), effect.number}});
    else if (action == QLatin1String(kSave))
        print_out(QStringLiteral("saved %1 to %2\n").arg(effect.name, path));
    else
        print_out(QStringLiteral("loaded %1 into %2\n").arg(path, effect.name));
}

int save(Session& session, const QString& path) {
    if (const auto effect = session.connect_to_effect(); !effect)
        return session.fail(effect.failure());
    PedalSession& pedal = session.pedal();
    if (const auto read = finish(pedal.request_state()); !read)
        return session.fail(read.failure());
    const PedalEffect& effect = pedal.effect();
    const auto preset = preset_from_state(effect.number, effect.version, pedal.state(),
                                          effect.control_count(), effect.readback_count());
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
        return session.fail(effect.failure());
    // The same checks and values as the editor's; the effect is not uploaded from here.
    const Status applied = finish(
        session.pedal().apply_preset(*preset, PedalSession::PresetAssignments::Keep));
    if (!applied && applied.error_kind() == ErrorKind::BadInput)
        return failed_error(QStringLiteral("%1: %2").arg(path, applied.error()));
    if (!applied)
        return session.fail(applied.failure());
    if (const Status out = session.finish_sending(); !out)
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
    return save(session, path);
}

} // namespace kx::cli
