// The "?" button: the selected effect's information page, beside the parameters window.
#include "app/AppContext.h"
#include "app/Main.h"
#include "base/dialogs.h"
#include "base/ui/window_placement.h"
#include "library/fx_info_page.h"
#include "library/ui/FXInfo.h"
#include "params/ui/FXParameters.h"

#include <QCoreApplication>

namespace kx {

void TformMain::btnGetFXInfoClick() {
    TformFXInfo* info = m_windows.formFXInfo;
    if (!info)
        return;
    const QString& effect_name = m_context.selection.selected_effect_name;
    // Read first: a page that cannot be loaded leaves the window as it was.
    const Result<QStringList> lines =
        m_context.store.read_file_from_stream(info_resource_name(effect_name));
    if (!lines) {
        m_context.dialogs.message(lines.error());
        return;
    }

    if (info->isVisible())
        info->close();
    info->show();
    // Beside the parameters window it tells about, else beside this one.
    TformFXParameters* parameters = m_windows.formFXParameters;
    place_beside(info,
                 parameters && parameters->isVisible() ? static_cast<QWidget*>(parameters) : this);
    // Named apart from the parameters window, which carries the effect's name alone.
    info->setWindowTitle(tr("%1 information").arg(effect_name));

    const QString page = info_page_text(*lines);
    m_context.log.print_line(page);
    info->show_html(page, info_base_name(effect_name));
    m_context.log.print_line(
        info_page_log_path(QCoreApplication::applicationDirPath(), effect_name));
}

} // namespace kx
