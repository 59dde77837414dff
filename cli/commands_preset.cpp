// The editor's preset files from the command line: save reads the pedal's state into one,
// load sends a preset's values to the running effect. An impulse response effect's preset keeps
// its response beside it, as the editor's do.
#include "cli/await.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/session.h"
#include "cli/terminal.h"
#include "ir/ir_targets.h"
#include "ir/kept_imports.h"
#include "ir/response_import.h"
#include "link/effect_upload.h"
#include "params/parameter_messages.h"
#include "params/preset_file.h"
#include "params/preset_library.h"
#include "session/pedal_session.h"

#include <QDateTime>
#include <QFileInfo>
#include <QJsonObject>

#include <algorithm>

namespace kx::cli {

namespace {

constexpr char kSave[] = "save";
constexpr char kLoad[] = "load";

constexpr char kNoKeptResponse[] =
    "%1: no impulse response of %2 is kept (upload it with --ir FILE.wav first), so none is "
    "saved beside the preset.";
constexpr char kResponseSaved[] =
    "%1: its impulse response \"%2\" (imported %3) is saved beside it";
constexpr char kResponseMissing[] =
    "%1: its impulse response %2 is missing; the values are loaded, and the pedal keeps the "
    "impulse response it has.";
constexpr char kResponseDamaged[] =
    "%1: its impulse response cannot be used: %2; the values are loaded, and the pedal keeps "
    "the impulse response it has.";
constexpr char kResponseNotUploaded[] =
    "%1 keeps its impulse response \"%2\": add --upload to upload %3 with it.";

void print_done(Session& session, const QString& action, const QString& path,
                const PedalEffect& effect, const QString& response) {
    if (session.options().json)
        print_json(QJsonObject{{QStringLiteral("action"), action},
                               {QStringLiteral("file"), path},
                               {QStringLiteral("effect"), effect.name},
                               {QStringLiteral("effect_number"), effect.number},
                               {QStringLiteral("response"),
                                response.isEmpty() ? QJsonValue() : QJsonValue(response)}});
    else if (action == QLatin1String(kSave))
        print_out(QStringLiteral("saved %1 to %2\n").arg(effect.name, path));
    else
        print_out(QStringLiteral("loaded %1 into %2\n").arg(path, effect.name));
}

// Writes the impulse response imported last for `effect` beside the preset at `path`; returns
// its path, or empty when there is none (a note says so).
Result<QString> save_response(const QString& path, const QString& effect) {
    if (!ir_target_for(effect))
        return QString();
    const KeptImports kept = kept_imports(kept_imports_folder(), effect);
    for (const QString& problem : kept.problems)
        print_note(problem);
    if (kept.imports.isEmpty()) {
        print_note(QString::fromLatin1(kNoKeptResponse).arg(path, effect));
        return QString();
    }
    const QString response_path = response_path_of(path);
    IrResponse response = kept.imports.first().response;
    response.notes.effect_name = effect;
    if (const Status written = write_ir_response_file(response_path, response); !written)
        return written.failure();
    print_note(QString::fromLatin1(kResponseSaved)
                   .arg(response_path, response_display_name(response, kept.imports.first().path),
                        response.notes.imported.toString(Qt::ISODate)));
    return response_path;
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
    const auto response = save_response(path, effect.name);
    if (!response)
        return failed_error(QStringLiteral("Error saving file: ") + response.error());
    print_done(session, QLatin1String(kSave), path, effect, *response);
    return kExitOk;
}

// Imports the response beside the preset at `path` for `effect` into the session, and keeps it
// among the effect's last imports. Returns its path, or empty when there is none to take (a
// note says why).
QString load_response(Session& session, const QString& path, const QString& effect) {
    if (!ir_target_for(effect))
        return QString();
    const QString response_path = response_path_of(path);
    if (!QFileInfo::exists(response_path)) {
        print_note(QString::fromLatin1(kResponseMissing).arg(path, response_path));
        return QString();
    }
    // A response at another rate is brought to the pedal's, as upload --ir does.
    const auto taken = import_response_file(response_path, effect, session.store(), session.log(),
                                            [](const QString&) { return true; });
    if (!taken) {
        print_note(QString::fromLatin1(kResponseDamaged).arg(path, taken.error()));
        return QString();
    }
    session.pedal().set_ir_image(effect, taken->import.image);
    IrResponse response = taken->response;
    response.notes.effect_name = effect;
    if (const auto kept = keep_import(kept_imports_folder(), response); !kept)
        session.log().print_line(QStringLiteral("The import was not kept: ") + kept.error());
    return response_path;
}

int load(Session& session, const QString& path, bool upload) {
    // The file is read and checked before the pedal is reached.
    const auto lines = read_preset_file(path);
    if (!lines)
        return usage_error(QStringLiteral("Error loading file: ") + lines.error());
    const auto preset = parse_preset(*lines);
    if (!preset)
        return usage_error(QStringLiteral("%1: %2").arg(path, preset.error()));
    const QString preset_effect =
        catalogue_from_store(session.store()).name_of(preset->effect_number);
    if (upload && preset_effect.isEmpty())
        return usage_error(QStringLiteral("%1: effect %2 is not in the catalogue; it cannot be "
                                          "uploaded.")
                               .arg(path)
                               .arg(preset->effect_number));
    const QString response = load_response(session, path, preset_effect);
    auto effect = session.connect_to_effect();
    if (upload) {
        // A pedal running no effect takes the upload all the same.
        if (!effect && effect.error_kind() != ErrorKind::NoEffect)
            return session.fail(effect.failure());
        PedalSession& pedal = session.pedal();
        Result<QString> answer = QString();
        {
            ProgressDisplay progress(pedal.upload_operation());
            answer = finish(pedal.upload_effect(preset_effect));
        }
        if (!answer)
            return session.fail(answer.failure());
        effect = pedal.effect();
    } else if (!effect) {
        return session.fail(effect.failure());
    } else if (!response.isEmpty()) {
        print_note(QString::fromLatin1(kResponseNotUploaded)
                       .arg(path, QFileInfo(response).fileName(), preset_effect));
    }
    // The same checks and values as the editor's; an uploaded effect takes the assignments too.
    const Status applied = finish(
        session.pedal().apply_preset(*preset, upload ? PedalSession::PresetAssignments::Take
                                                     : PedalSession::PresetAssignments::Keep));
    if (!applied && applied.error_kind() == ErrorKind::BadInput)
        return failed_error(QStringLiteral("%1: %2").arg(path, applied.error()));
    if (!applied)
        return session.fail(applied.failure());
    if (const Status out = session.finish_sending(); !out)
        return session.fail(out.failure());
    print_done(session, QLatin1String(kLoad), path, *effect, response);
    return kExitOk;
}

} // namespace

int command_preset(Session& session, const QStringList& arguments, bool upload) {
    const QString& action = arguments.at(0);
    const QString& path = arguments.at(1);
    if (action == QLatin1String(kLoad))
        return load(session, path, upload);
    if (action != QLatin1String(kSave))
        return usage_error(QStringLiteral("preset takes save or load, not \"%1\".").arg(action));
    if (upload)
        return usage_error(QStringLiteral("--upload is for preset load."));
    return save(session, path);
}

} // namespace kx::cli
