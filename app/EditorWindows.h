#pragma once

#include "app/Main.h"
#include "app/NewVersionMsg.h"
#include "app/PrintConsole.h"
#include "firmware/ui/FirmwareUpgrade.h"
#include "ir/ui/ImpulseResponse.h"
#include "library/ui/FXInfo.h"
#include "params/ui/AssignmentMap.h"
#include "params/ui/FXParameters.h"

#include <QIcon>

#include <memory>

namespace kx {

class AppContext;

// The editor's icon in the sizes it carries, for its windows.
QIcon editor_icon();

// The editor's seven windows, created in their fixed order: the main window first (its
// start-up runs before the log console exists), the new-version window last. From the
// console's creation on, the context's log writes to it.
class EditorWindows {
public:
    explicit EditorWindows(AppContext& context);
    ~EditorWindows();
    EditorWindows(const EditorWindows&) = delete;
    EditorWindows& operator=(const EditorWindows&) = delete;

    std::unique_ptr<TformMain> formMain;
    std::unique_ptr<TformFirmwareUpgrade> formFirmwareUpgrade;
    std::unique_ptr<TformPrint> formPrint;
    std::unique_ptr<TformFXParameters> formFXParameters;
    std::unique_ptr<TformFXInfo> formFXInfo;
    std::unique_ptr<TformImpulseResponse> formImpulseResponse;
    std::unique_ptr<TformNewVersionMsg> formNewVersionMsg;
    // Made after the seven, from the parameters window whose codes it shows.
    std::unique_ptr<TformAssignmentMap> formAssignmentMap;

private:
    AppContext& m_context;
};

} // namespace kx
