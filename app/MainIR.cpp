// The main window's "Load IR": imports a WAV file into the selected impulse response effect's
// image, which the upload then sends.
#include "app/AppContext.h"
#include "app/Main.h"
#include "base/dialogs.h"
#include "ir/ir_import.h"
#include "ir/ui/ImpulseResponse.h"
#include "session/pedal_session.h"

#include <QFile>
#include <QFileInfo>

namespace kx {

namespace {
constexpr char kErrorLoadingFile[] = "Error loading file: ";
}

void TformMain::menuLoadIRClick() {
    TformImpulseResponse* form = m_windows.formImpulseResponse;
    if (!form)
        return;
    const QString path = form->OpenDialog1Execute(m_context.dialogs);
    if (path.isEmpty())
        return;
    const QString file_name = QFileInfo(path).fileName();
    m_context.log.print_line(path);
    m_context.log.print_line(file_name);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_context.dialogs.message(QString::fromLatin1(kErrorLoadingFile) + file.errorString());
        return;
    }
    const IrImportRequest request{file_name, file.readAll(),
                                  m_context.selection.selected_effect_name};
    file.close();

    Dialogs& dialogs = m_context.dialogs;
    const auto imported =
        import_ir(request, m_context.store, m_context.log, [&dialogs](const QString& question) {
            return dialogs.confirm(question) != Dialogs::Answer::No;
        });
    // A refused file leaves the effect's image as it was.
    if (!imported) {
        m_context.dialogs.message(imported.error());
        return;
    }
    // The image belongs to the effect it was built for; the upload of another sends its own.
    session().set_ir_image(m_context.selection.selected_effect_name, imported->image);
    form->show_import(*imported);
}

} // namespace kx
