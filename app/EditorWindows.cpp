#include "app/EditorWindows.h"

#include "app/AppContext.h"
#include "base/ui/accessibility.h"
#include "base/ui/window_placement.h"

#include <QApplication>

namespace kx {

QIcon editor_icon() {
    QIcon icon;
    // A window system takes every size offered, decoded, with each window; a dock shows the
    // installed desktop file's icon, so the largest (256) stays out of the program's memory.
    for (int size : {32, 64, 128})
        icon.addFile(QStringLiteral(":/icons/kestrel-x-editor-%1.png").arg(size),
                     QSize(size, size));
    return icon;
}

EditorWindows::EditorWindows(AppContext& context) : m_context(context) {
    install_accessibility();
    QApplication::setWindowIcon(editor_icon());
    keep_windows_inside_screen();
    formMain = std::make_unique<TformMain>(context);
    set_home_window(formMain.get());
    formFirmwareUpgrade = std::make_unique<TformFirmwareUpgrade>(FirmwareUpgradeContext{
        *context.link->session, context.log, context.dialogs, context.clock, context.store});
    formPrint = std::make_unique<TformPrint>(&context.dialogs);
    context.log.set_target(formPrint.get());
    formFXParameters = std::make_unique<TformFXParameters>();
    formFXInfo = std::make_unique<TformFXInfo>();
    formImpulseResponse = std::make_unique<TformImpulseResponse>();
    formNewVersionMsg = std::make_unique<TformNewVersionMsg>(context);
    formAssignmentMap = std::make_unique<TformAssignmentMap>(*formFXParameters);
    formMain->set_other_windows({formFirmwareUpgrade.get(), formPrint.get(), formFXParameters.get(),
                                 formFXInfo.get(), formImpulseResponse.get(),
                                 formNewVersionMsg.get(), formAssignmentMap.get()});
}

EditorWindows::~EditorWindows() {
    if (m_context.log.target() == formPrint.get())
        m_context.log.set_target(nullptr);
    // The members go in reverse order of creation, the main window last.
}

} // namespace kx
