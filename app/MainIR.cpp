// The main window's "Load IR": imports a WAV file into the selected impulse response effect's
// image, which the upload then sends.
#include "app/AppContext.h"
#include "app/EditorMemory.h"
#include "app/Main.h"
#include "base/dialogs.h"
#include "base/outside_file.h"
#include "base/translation.h"
#include "ir/ir_import.h"
#include "ir/ui/ImpulseResponse.h"
#include "session/pedal_session.h"

#include <QFileInfo>
#include <QScopeGuard>

namespace kx {

namespace {
constexpr char kErrorLoadingFile[] = QT_TRANSLATE_NOOP("kx::TformMain", "Error loading file: ");
}

void TformMain::menuLoadIRClick() {
    TformImpulseResponse* form = m_windows.formImpulseResponse;
    if (!form)
        return;
    // The how-to beside the file dialog: which files, and what comes next. Nothing imported,
    // it goes again.
    const bool shown_before = form->isVisible();
    form->show_howto();
    show_kept_imports();
    // With imports kept for the effect, the window stays to offer them.
    auto hide_unless_shown_before = qScopeGuard([form, shown_before] {
        if (!shown_before && form->kept_import_count() == 0)
            form->hide();
    });
    form->set_folder(m_memory.folder(memory_key::kWavFolder, form->folder()));
    const QString path = form->OpenDialog1Execute(m_context.dialogs);
    if (path.isEmpty())
        return;
    m_memory.set_folder_of(memory_key::kWavFolder, path);
    if (import_ir_file(path))
        hide_unless_shown_before.dismiss();
}

bool TformMain::import_ir_file(const QString& path) {
    TformImpulseResponse* form = m_windows.formImpulseResponse;
    if (!form)
        return false;
    const QString file_name = QFileInfo(path).fileName();
    m_context.log.print_line(path);
    m_context.log.print_line(file_name);

    const auto file = OutsideFile::open(path, kWavFileFormat);
    if (!file) {
        m_context.dialogs.message(ui_text("kx::TformMain", kErrorLoadingFile) + file.error());
        return false;
    }
    const IrTools tools = form->tools();
    const IrImportRequest request{file_name, **file, m_context.selection.selected_effect_name,
                                  tools};

    Dialogs& dialogs = m_context.dialogs;
    const auto imported =
        import_ir(request, m_context.store, m_context.log, [&dialogs](const QString& question) {
            return dialogs.confirm(question) != Dialogs::Answer::No;
        });
    // A refused file leaves the effect's image as it was.
    if (!imported) {
        m_context.dialogs.message(imported.error());
        return false;
    }
    // The image belongs to the effect it was built for; the upload of another sends its own.
    session().set_ir_image(m_context.selection.selected_effect_name, imported->image);
    m_ir_files.insert(m_context.selection.selected_effect_name, file_name);
    m_last_ir_path = path;
    keep_ir_response(response_of_import(*imported, m_context.selection.selected_effect_name,
                                        file_name, tools, QDateTime::currentDateTimeUtc()));
    form->show_import(*imported);
    return true;
}

} // namespace kx
