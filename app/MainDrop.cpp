// Files dropped onto the main window: a preset loads as from the Preset Library, a WAV file
// starts the impulse response import for the selected impulse response effect.
#include "app/AppContext.h"
#include "app/Main.h"
#include "base/dialogs.h"
#include "base/translation.h"
#include "library/categories.h"
#include "params/preset_file.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace kx {

namespace {

constexpr char kImpulseResponseResource[] = "impulse_response";
constexpr char kWavNeedsIrEffect[] = QT_TRANSLATE_NOOP(
    "kx::TformMain",
    "A WAV file goes into an impulse response effect. Choose one of these in the \"Impulse "
    "Response\" category first, then drop the file again: %1.");
constexpr char kNotPresetOrWav[] = QT_TRANSLATE_NOOP(
    "kx::TformMain",
    "\"%1\" is neither a preset (.txt) nor a WAV file (.wav): nothing was loaded.");
constexpr char kOneFileAtATime[] =
    QT_TRANSLATE_NOOP("kx::TformMain", "Drop one file at a time: %1 files were dropped.");

enum class DroppedKind { Preset, Wav, Other };

DroppedKind kind_of(const QString& path) {
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(QLatin1String(kPresetExtension).mid(1), Qt::CaseInsensitive) == 0)
        return DroppedKind::Preset;
    if (suffix.compare(QLatin1String("wav"), Qt::CaseInsensitive) == 0)
        return DroppedKind::Wav;
    return DroppedKind::Other;
}

// The local files of a drop; anything else (a web address, text) is not ours to take.
QStringList local_files(const QMimeData* data) {
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    return paths;
}

} // namespace

void TformMain::dragEnterEvent(QDragEnterEvent* event) {
    if (!local_files(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TformMain::dropEvent(QDropEvent* event) {
    const QStringList paths = local_files(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    drop_file(paths);
}

void TformMain::drop_file(const QStringList& paths) {
    if (paths.size() != 1) {
        m_context.dialogs.message(ui_text("kx::TformMain", kOneFileAtATime).arg(paths.size()));
        return;
    }
    const QString& path = paths.first();
    switch (kind_of(path)) {
    case DroppedKind::Preset:
        load_preset_file(path);
        return;
    case DroppedKind::Wav: {
        const auto ir_effects =
            m_context.store.read_file_from_stream(QLatin1String(kImpulseResponseResource));
        const QStringList names = ir_effects ? *ir_effects : QStringList();
        if (!names.contains(m_context.selection.selected_effect_name)) {
            m_context.dialogs.message(
                ui_text("kx::TformMain", kWavNeedsIrEffect).arg(names.join(QStringLiteral(", "))));
            return;
        }
        import_ir_file(path);
        return;
    }
    case DroppedKind::Other:
        m_context.dialogs.message(
            ui_text("kx::TformMain", kNotPresetOrWav).arg(QFileInfo(path).fileName()));
        return;
    }
}

} // namespace kx
