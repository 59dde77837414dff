// Impulse responses that last: every import is kept in the product's folder and offered again
// in the IR window after a restart, and a preset of an impulse response effect keeps its
// response in a file beside it, imported again when the preset is loaded.
#include "app/AppContext.h"
#include "app/Main.h"
#include "base/dialogs.h"
#include "base/log.h"
#include "base/translation.h"
#include "ir/ir_import.h"
#include "ir/kept_imports.h"
#include "ir/response_import.h"
#include "ir/ui/ImpulseResponse.h"
#include "params/preset_library.h"
#include "params/ui/FXParameters.h"
#include "session/pedal_session.h"

#include <QFileInfo>
#include <QLocale>

namespace kx {

namespace {

constexpr char kErrorLoadingFile[] = QT_TRANSLATE_NOOP("kx::TformMain", "Error loading file: ");
constexpr char kLogNotKept[] = "The import was not kept for the next start: ";
constexpr char kKeptSetAside[] = QT_TRANSLATE_NOOP(
    "kx::TformMain", "A kept impulse response could not be read and was set aside: %1");
constexpr char kOfferLastImport[] = QT_TRANSLATE_NOOP(
    "kx::TformMain",
    "No impulse response has been loaded for \"%1\" since the editor started. Upload it with "
    "the last one imported, \"%2\" (%3)?");
constexpr char kKeptLine[] = QT_TRANSLATE_NOOP(
    "kx::TformMain", "Kept import: %1, the same coefficients as when it was made");
constexpr char kResponseSaved[] =
    QT_TRANSLATE_NOOP("kx::TformMain", "Its impulse response \"%1\" is saved beside it: %2");
constexpr char kResponseNotSaved[] =
    QT_TRANSLATE_NOOP("kx::TformMain", "Its impulse response was not saved: %1");
constexpr char kNoResponseToSave[] = QT_TRANSLATE_NOOP(
    "kx::TformMain",
    "No impulse response has been imported for \"%1\" yet, so the preset has none beside it. "
    "Load one (File > Load IR) and save again to keep it with the preset.");
constexpr char kResponseImported[] = QT_TRANSLATE_NOOP(
    "kx::TformMain", "Its impulse response \"%1\" is imported: an upload of \"%2\" sends it.");
constexpr char kResponseMissing[] = QT_TRANSLATE_NOOP(
    "kx::TformMain",
    "Its impulse response (%1) is missing: the values are loaded, and \"%2\" keeps the "
    "impulse response it has.");
constexpr char kResponseDamaged[] = QT_TRANSLATE_NOOP(
    "kx::TformMain",
    "Its impulse response cannot be used: %1. The values are loaded, and \"%2\" keeps the "
    "impulse response it has.");

QString latin1(const char* text) {
    return QString::fromLatin1(text);
}

} // namespace

void TformMain::attach_ir_window() {
    TformImpulseResponse* form = m_windows.formImpulseResponse;
    if (!form)
        return;
    connect(form, &TformImpulseResponse::import_again_requested, this, [this] {
        if (!m_last_ir_path.isEmpty())
            import_ir_file(m_last_ir_path);
    });
    connect(form, &TformImpulseResponse::kept_import_chosen, this,
            [this](const QString& path) { use_kept_import(path); });
}

void TformMain::show_kept_imports() {
    TformImpulseResponse* form = m_windows.formImpulseResponse;
    if (!form)
        return;
    const KeptImports kept =
        kept_imports(kept_imports_folder(), m_context.selection.selected_effect_name);
    for (const QString& problem : kept.problems) {
        m_context.log.print_line(latin1(kKeptSetAside).arg(problem));
        show_status_text(ui_text("kx::TformMain", kKeptSetAside).arg(problem));
    }
    form->set_kept_imports(kept.imports);
}

bool TformMain::use_kept_import(const QString& path) {
    TformImpulseResponse* form = m_windows.formImpulseResponse;
    const QString effect = m_context.selection.selected_effect_name;
    m_context.log.print_line(path);
    Dialogs& dialogs = m_context.dialogs;
    const auto taken = import_response_file(
        path, effect, m_context.store, m_context.log, [&dialogs](const QString& question) {
            return dialogs.confirm(question) != Dialogs::Answer::No;
        });
    if (!taken) {
        dialogs.message(ui_text("kx::TformMain", kErrorLoadingFile) + taken.error());
        show_kept_imports();
        return false;
    }
    session().set_ir_image(effect, taken->import.image);
    m_ir_files.insert(effect, response_display_name(taken->response, path));
    IrResponse response = taken->response;
    response.notes.effect_name = effect;
    m_ir_responses.insert(effect, response);
    // What was done when it was made, and that these are its coefficients.
    IrImport shown = taken->import;
    QStringList summary = taken->response.notes.summary;
    summary << ui_text("kx::TformMain", kKeptLine).arg(QFileInfo(path).fileName());
    shown.summary = summary.join(QStringLiteral("\r\n"));
    if (form)
        form->show_import(shown);
    return true;
}

TformMain::LastImport TformMain::offer_last_import(const QString& effect_name) {
    const KeptImports kept = kept_imports(kept_imports_folder(), effect_name);
    for (const QString& problem : kept.problems)
        m_context.log.print_line(latin1(kKeptSetAside).arg(problem));
    if (kept.imports.isEmpty())
        return LastImport::NoneKept;
    const KeptImport& last = kept.imports.first();
    const QString when =
        QLocale().toString(last.response.notes.imported.toLocalTime(), QLocale::ShortFormat);
    if (m_context.dialogs.confirm(
            ui_text("kx::TformMain", kOfferLastImport)
                .arg(effect_name, response_display_name(last.response, last.path), when)) !=
        Dialogs::Answer::Yes)
        return LastImport::Declined;
    // The import goes to the selected effect, which the upload sends.
    return use_kept_import(last.path) ? LastImport::Taken : LastImport::Declined;
}

void TformMain::keep_ir_response(const IrResponse& response) {
    m_ir_responses.insert(response.notes.effect_name, response);
    if (const auto kept = keep_import(kept_imports_folder(), response); !kept)
        m_context.log.print_line(latin1(kLogNotKept) + kept.error());
    show_kept_imports();
}

QString TformMain::save_preset_response(const QString& preset_path) {
    const TformFXParameters* parameters = m_windows.formFXParameters;
    const QString effect = parameters ? parameters->selected_effect_name : QString();
    if (!is_impulse_response_effect(effect))
        return QString();
    const auto response = m_ir_responses.constFind(effect);
    if (response == m_ir_responses.cend())
        return ui_text("kx::TformMain", kNoResponseToSave).arg(effect);
    const QString path = response_path_of(preset_path);
    if (const Status written = write_ir_response_file(path, *response); !written)
        return ui_text("kx::TformMain", kResponseNotSaved).arg(written.error());
    return ui_text("kx::TformMain", kResponseSaved)
        .arg(response_display_name(*response, path), QFileInfo(path).fileName());
}

TformMain::PresetResponse TformMain::import_preset_response(const QString& preset_path,
                                                            const QString& effect_name) {
    PresetResponse result;
    if (!is_impulse_response_effect(effect_name))
        return result;
    const QString path = response_path_of(preset_path);
    if (!QFileInfo::exists(path)) {
        result.note =
            ui_text("kx::TformMain", kResponseMissing).arg(QFileInfo(path).fileName(), effect_name);
        return result;
    }
    Dialogs& dialogs = m_context.dialogs;
    const auto taken = import_response_file(
        path, effect_name, m_context.store, m_context.log, [&dialogs](const QString& question) {
            return dialogs.confirm(question) != Dialogs::Answer::No;
        });
    if (!taken) {
        result.note = ui_text("kx::TformMain", kResponseDamaged).arg(taken.error(), effect_name);
        return result;
    }
    session().set_ir_image(effect_name, taken->import.image);
    const QString name = response_display_name(taken->response, path);
    m_ir_files.insert(effect_name, name);
    // Kept among the effect's last imports as well.
    const QString selected = m_context.selection.selected_effect_name;
    IrResponse response = taken->response;
    response.notes.effect_name = effect_name;
    keep_ir_response(response);
    if (TformImpulseResponse* form = m_windows.formImpulseResponse;
        form && form->isVisible() && selected == effect_name)
        form->show_import(taken->import);
    result.imported = true;
    result.note = ui_text("kx::TformMain", kResponseImported).arg(name, effect_name);
    return result;
}

} // namespace kx
