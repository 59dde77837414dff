// The File menu's preset files: Save Configuration writes the open effect's values and
// assignments, Load Configuration gives the values back to the parameters window; the Preset
// Library and a file dropped on the main window load the same way. A preset made for another
// effect than the pedal runs is offered as an upload of that effect with the preset applied.
#include "app/AppContext.h"
#include "app/EditorMemory.h"
#include "app/Main.h"
#include "app/PresetLibrary.h"
#include "app/Settings.h"
#include "base/dialogs.h"
#include "base/paths.h"
#include "base/translation.h"
#include "library/resource_store.h"
#include "params/control_description.h"
#include "params/preset_file.h"
#include "params/preset_library.h"
#include "params/ui/FXParameters.h"
#include "session/pedal_session.h"

#include <QDir>

namespace kx {

namespace {

constexpr char kSaveTitle[] = QT_TRANSLATE_NOOP("kx::TformMain", "Save Preset File");
constexpr char kOpenTitle[] = QT_TRANSLATE_NOOP("kx::TformMain", "Open Preset File");
constexpr char kPresetFilter[] = QT_TRANSLATE_NOOP("kx::TformMain", "Preset files (*.txt)");
constexpr char kPresetFolder[] = "Preset";
constexpr char kFileSaved[] = QT_TRANSLATE_NOOP("kx::TformMain", "File saved successfully: ");
constexpr char kFileLoaded[] = QT_TRANSLATE_NOOP("kx::TformMain", "File loaded successfully: ");

// After the load message: a word when the file held no assignments.
QString missing_assignments_note(const Preset& preset) {
    return preset.assignments_missing
               ? QStringLiteral("\n\n") + ui_text("Params", kNoteAssignmentsMissing)
               : QString();
}
constexpr char kNothingToSave[] = QT_TRANSLATE_NOOP(
    "kx::TformMain",
    "There is no open effect to save: click Open FX, then Request, and save again.");
constexpr char kNothingToLoadInto[] = QT_TRANSLATE_NOOP(
    "kx::TformMain",
    "There is no open effect to load the preset into: click Open FX, or an effect in the "
    "list, and load again.");
constexpr char kValuesNotRead[] = QT_TRANSLATE_NOOP(
    "kx::TformMain",
    "The values of \"%1\" have not been read yet: click Request, or load a preset, and save "
    "again.");
constexpr char kCountDiffers[] = QT_TRANSLATE_NOOP(
    "kx::TformMain",
    "This preset holds %1 controls, but the open effect \"%2\" has %3: it was not loaded.");
constexpr char kOtherEffect[] = QT_TRANSLATE_NOOP(
    "kx::TformMain",
    "This preset was saved for %1, not for the open effect \"%2\". Load its values into "
    "\"%2\"?");
constexpr char kOtherEffectNotConnected[] = QT_TRANSLATE_NOOP(
    "kx::TformMain",
    "This preset is for %1, not for the open effect \"%2\": it was not loaded. Connect the "
    "pedal to upload %3 and apply this preset.");
constexpr char kOfferUpload[] =
    QT_TRANSLATE_NOOP("kx::TformMain", "This preset is for %1, but the pedal runs %2.\n\nUpload %3 "
                                       "and apply this preset?");
constexpr char kRunsNothing[] = QT_TRANSLATE_NOOP("kx::TformMain", "no effect");
constexpr char kOfferUploadResponse[] = QT_TRANSLATE_NOOP(
    "kx::TformMain",
    "This preset keeps its impulse response \"%2\" beside it.\n\nUpload %1 with it "
    "and apply this preset?");
constexpr char kPresetDoesNotFit[] = QT_TRANSLATE_NOOP(
    "kx::TformMain", "This preset holds %1 controls, but %2 has %3: it was not loaded.");
constexpr char kEffectList[] = "effect_list";

QString latin1(const char* text) {
    return QString::fromLatin1(text);
}

// A note below a message, when there is one.
QString note_after(const QString& note) {
    return note.isEmpty() ? QString() : QStringLiteral("\n\n") + note;
}

QString product_folder() {
    return latin1(kMakerFolder) + QLatin1Char('/') + latin1(kProductFolder);
}

QString preset_folder() {
    return QDir(documents_folder())
        .filePath(product_folder() + QLatin1Char('/') + latin1(kPresetFolder));
}

// The effect names of the catalogue, by effect number ("n:name" lines).
QStringList catalogue_names(ResourceStore& store) {
    QStringList names;
    const Result<QStringList> lines = store.read_file_from_stream(latin1(kEffectList));
    if (!lines)
        return names;
    for (const QString& line : *lines) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        names << (colon < 0 ? line : line.mid(colon + 1));
    }
    return names;
}

QString effect_description(const QStringList& names, int number) {
    if (number >= 0 && number < names.size())
        return QStringLiteral("effect %1 \"%2\"").arg(number).arg(names.at(number));
    return ui_text("kx::TformMain", "effect %1, which the effect list does not hold").arg(number);
}

} // namespace

void TformMain::menuSaveConfigurationClick() {
    TformFXParameters* parameters = m_windows.formFXParameters;
    if (!parameters || !parameters->isVisible() || parameters->control_count() < 1) {
        m_context.dialogs.message(ui_text("kx::TformMain", kNothingToSave));
        return;
    }
    const SelectionState& selection = m_context.selection;
    // The live window saves what the pedal plays: the session's values, which follow every
    // edit sent. A preview saves what it shows.
    const PedalSession& pedal = session();
    const bool live = parameters->effect_is_live();
    const auto preset = preset_from_state(
        live ? pedal.effect().number : selection.preview_effect_number,
        live ? pedal.effect().version : selection.preview_effect_version, parameters->state(),
        parameters->control_count(), parameters->readback_count());
    if (!preset) {
        m_context.dialogs.message(
            ui_text("kx::TformMain", kValuesNotRead).arg(parameters->selected_effect_name));
        return;
    }
    const Result<QString> text = preset_text(*preset);
    if (!text) {
        m_context.dialogs.message(ui_text("kx::TformMain", kErrorSavingFile) + text.error());
        return;
    }
    SaveTextWithDialog(*text, selection.selected_effect_name);
}

void TformMain::SaveTextWithDialog(const QString& TextContent, const QString& NameOfFile) {
    if (!create_subfolder(m_context.dialogs, product_folder(), latin1(kPresetFolder)))
        return;
    // A path in the folder argument proposes the file name.
    const QString folder = m_memory.folder(memory_key::kPresetFolder, preset_folder());
    QString path = m_context.dialogs.save_file(ui_text("kx::TformMain", kSaveTitle),
                                               ui_text("kx::TformMain", kPresetFilter),
                                               QDir(folder).filePath(NameOfFile));
    if (path.isEmpty())
        return;
    m_memory.set_folder_of(memory_key::kPresetFolder, path);
    path = with_preset_extension(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (const Status written = write_preset_file(path, TextContent); !written) {
        m_context.dialogs.message(ui_text("kx::TformMain", kErrorSavingFile) + shown +
                                  QStringLiteral(": ") + written.error());
        return;
    }
    // An impulse response effect's response goes beside it.
    const QString response_note = save_preset_response(path);
    preset_used(path);
    if (m_windows.formFXParameters)
        m_windows.formFXParameters->mark_stored();
    m_context.dialogs.message(ui_text("kx::TformMain", kFileSaved) + shown +
                              note_after(response_note));
}

std::optional<QStringList> TformMain::LoadTextWithDialog(QString& path) {
    if (!create_subfolder(m_context.dialogs, product_folder(), latin1(kPresetFolder)))
        return std::nullopt;
    path = m_context.dialogs.open_file(ui_text("kx::TformMain", kOpenTitle),
                                       ui_text("kx::TformMain", kPresetFilter),
                                       m_memory.folder(memory_key::kPresetFolder, preset_folder()));
    if (path.isEmpty())
        return std::nullopt;
    m_memory.set_folder_of(memory_key::kPresetFolder, path);
    const Result<QStringList> lines = read_preset_file(path);
    if (!lines) {
        m_context.dialogs.message(ui_text("kx::TformMain", kErrorLoadingFile) + lines.error());
        return std::nullopt;
    }
    return *lines;
}

Task<> TformMain::menuLoadConfigurationClick() {
    if (!preset_target_open())
        co_return;
    QString path;
    const auto lines = LoadTextWithDialog(path);
    if (!lines)
        co_return;
    co_await apply_preset(path, *lines);
}

Task<bool> TformMain::load_preset_file(QString path) {
    if (!preset_target_open())
        co_return false;
    const Result<QStringList> lines = read_preset_file(path);
    if (!lines) {
        m_context.dialogs.message(ui_text("kx::TformMain", kErrorLoadingFile) +
                                  QDir::toNativeSeparators(path) + QStringLiteral(": ") +
                                  lines.error());
        co_return false;
    }
    co_return co_await apply_preset(path, *lines);
}

bool TformMain::preset_target_open() {
    // A pedal that answers takes a preset of any effect: it is uploaded first.
    if (session().link_state() == LinkState::Firmware)
        return true;
    TformFXParameters* parameters = m_windows.formFXParameters;
    if (!parameters || !parameters->isVisible() || parameters->control_count() < 1) {
        m_context.dialogs.message(ui_text("kx::TformMain", kNothingToLoadInto));
        return false;
    }
    return true;
}

Task<bool> TformMain::apply_preset(QString path, QStringList lines) {
    m_context.log.print_line(joined_preset_text(lines));

    // Nothing changes until the whole file has been read and accepted.
    const Result<Preset> preset = parse_preset(lines);
    const QString shown = QDir::toNativeSeparators(path);
    if (!preset) {
        m_context.dialogs.message(ui_text("kx::TformMain", kErrorLoadingFile) + shown +
                                  QStringLiteral(": ") + preset.error());
        co_return false;
    }
    const QStringList names = catalogue_names(m_context.store);
    const QString preset_effect = names.value(preset->effect_number);
    // The response beside it is imported first, whatever becomes of the values.
    const PresetResponse response = import_preset_response(path, preset_effect);
    if (session().link_state() == LinkState::Firmware && !preset_effect.isEmpty())
        co_return co_await apply_preset_on_pedal(path, *preset, preset_effect, response);

    TformFXParameters* parameters = m_windows.formFXParameters;
    if (!parameters || !parameters->isVisible() || parameters->control_count() < 1) {
        m_context.dialogs.message(ui_text("kx::TformMain", kNothingToLoadInto));
        co_return false;
    }
    const QString& open_effect = parameters->selected_effect_name;
    const int control_count = parameters->control_count();
    const qsizetype open_number = names.indexOf(open_effect);
    const bool other_effect = open_number >= 0 && open_number != preset->effect_number;
    if (preset->control_count() != control_count) {
        // Another effect's preset goes onto the pedal only as an upload of that effect.
        if (other_effect && !preset_effect.isEmpty())
            m_context.dialogs.message(ui_text("kx::TformMain", kOtherEffectNotConnected)
                                          .arg(effect_description(names, preset->effect_number),
                                               open_effect, preset_effect));
        else
            m_context.dialogs.message(ui_text("kx::TformMain", kCountDiffers)
                                          .arg(preset->control_count())
                                          .arg(open_effect)
                                          .arg(control_count));
        co_return false;
    }
    if (other_effect &&
        m_context.dialogs.confirm(ui_text("kx::TformMain", kOtherEffect)
                                      .arg(effect_description(names, preset->effect_number),
                                           open_effect)) == Dialogs::Answer::No)
        co_return false;

    if (parameters->effect_is_live()) {
        // The pedal plays the preset's values from now on, and the window shows them.
        if (const Status sent = co_await session().load_values(preset->values); !sent) {
            report_pedal_error(sent.failure());
            co_return false;
        }
    } else {
        SelectionState& selection = m_context.selection;
        selection.preview_effect_number = preset->effect_number;
        selection.preview_effect_version = preset->effect_version;
        parameters->set_preview_values(preset->values);
    }
    preset_used(path);
    m_context.dialogs.message(ui_text("kx::TformMain", kFileLoaded) + shown +
                              missing_assignments_note(*preset) + note_after(response.note));
    co_return true;
}

Task<bool> TformMain::apply_preset_on_pedal(QString path, Preset preset, QString effect_name,
                                            PresetResponse response) {
    PedalSession& pedal = session();
    // Whether the preset is for what the pedal runs is the pedal's word, not the window's.
    if (!pedal.effect_known()) {
        const auto opened = co_await pedal.open_running_effect();
        if (!opened && opened.error_kind() != ErrorKind::NoEffect) {
            report_pedal_error(opened.failure());
            co_return false;
        }
    }
    bool runs_it = pedal.effect_known() && pedal.effect().name == effect_name;
    const QString description = QStringLiteral("\"%1\"").arg(effect_name);

    // A preset that does not fit its own effect is refused before anything is sent.
    const auto controls = read_control_description(effect_name, m_context.store, m_context.log);
    if (!controls) {
        m_context.dialogs.message(controls.error());
        co_return false;
    }
    if (preset.control_count() != controls->control_count) {
        m_context.dialogs.message(ui_text("kx::TformMain", kPresetDoesNotFit)
                                      .arg(preset.control_count())
                                      .arg(description)
                                      .arg(controls->control_count));
        co_return false;
    }

    // A response that came with the preset reaches the pedal only with an upload of its
    // effect: offered even when the pedal runs it.
    const bool upload_response =
        runs_it && response.imported &&
        m_context.dialogs.confirm(ui_text("kx::TformMain", kOfferUploadResponse)
                                      .arg(description, m_ir_files.value(effect_name))) ==
            Dialogs::Answer::Yes;
    if (upload_response)
        runs_it = false;
    else if (!runs_it) {
        const QString running = pedal.effect_known()
                                    ? QStringLiteral("\"%1\"").arg(pedal.effect().name)
                                    : ui_text("kx::TformMain", kRunsNothing);
        if (m_context.dialogs.confirm(
                ui_text("kx::TformMain", kOfferUpload).arg(description, running, effect_name)) !=
            Dialogs::Answer::Yes)
            co_return false;
    }
    TformFXParameters* parameters = m_windows.formFXParameters;
    const bool shown_live = parameters && parameters->isVisible() && parameters->effect_is_live() &&
                            parameters->selected_effect_name == effect_name;
    // An upload, or a window built anew, lets go of the edits the window holds.
    bool let_go = runs_it && shown_live;
    if (!let_go)
        let_go = co_await keep_or_let_go_of_edits();
    if (!let_go)
        co_return false;
    if (runs_it && !pedal.values_known()) {
        // Assignments never read would go out as unassigned with the next Assign.
        if (const auto read = co_await pedal.request_state(); !read) {
            report_pedal_error(read.failure());
            co_return false;
        }
    }
    if (!runs_it) {
        const auto uploaded = co_await upload_and_show(effect_name);
        if (!uploaded) {
            report_pedal_error(uploaded.failure());
            co_return false;
        }
    }
    // The pedal plays the preset's values from now on, and the window shows them. An effect
    // uploaded for the preset takes its assignments too.
    const Status applied =
        co_await pedal.apply_preset(preset, runs_it ? PedalSession::PresetAssignments::Keep
                                                    : PedalSession::PresetAssignments::Take);
    if (!runs_it && parameters && parameters->effect_is_live())
        parameters->show_assignments();
    if (!applied) {
        report_pedal_error(applied.failure());
        if (!runs_it)
            show_status_text(ui_text("kx::TformMain", kStatusAssignFailed) + applied.error());
        co_return false;
    }
    if (runs_it && !shown_live) {
        show_running_effect();
    }
    preset_used(path);
    m_context.dialogs.message(ui_text("kx::TformMain", kFileLoaded) +
                              QDir::toNativeSeparators(path) + missing_assignments_note(preset) +
                              note_after(response.note));
    co_return true;
}

void TformMain::preset_used(const QString& path) {
    if (const QString notice = note_recent_preset(path); !notice.isEmpty())
        show_status_text(notice);
    if (auto* library = findChild<TformPresetLibrary*>(QStringLiteral("formPresetLibrary"),
                                                       Qt::FindDirectChildrenOnly))
        library->refresh();
}

void TformMain::menuPresetLibraryClick() {
    auto* library = findChild<TformPresetLibrary*>(QStringLiteral("formPresetLibrary"),
                                                   Qt::FindDirectChildrenOnly);
    if (!library) {
        // The folder is made first, so that the library can watch it from the start.
        create_subfolder(m_context.dialogs, product_folder(), latin1(kPresetFolder));
        library = new TformPresetLibrary(preset_folder(), catalogue_from_store(m_context.store),
                                         m_context.dialogs, this);
        library->setWindowFlag(Qt::Window);
        connect(library, &TformPresetLibrary::load_requested, this,
                [this](const QString& path) { load_preset_file(path); });
        connect(library, &TformPresetLibrary::notice, this, &TformMain::show_status_text);
    }
    library->show();
    library->raise();
    library->activateWindow();
}

} // namespace kx
