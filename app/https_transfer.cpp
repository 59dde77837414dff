#include "app/https_transfer.h"
#include "base/translation.h"

#include "base/loadable_module.h"

namespace kx {

Result<std::unique_ptr<HttpsTransfer>> start_https_transfer(const HttpsRequest& request,
                                                            HttpsDone done) {
    const Result<void*> start = resolve_module_function(kHttpsModuleName, kStartHttpsTransfer);
    if (!start)
        return Error{ui_text("kx::VersionClient", "the network module cannot be loaded (%1).")
                         .arg(start.error())};
    return std::unique_ptr<HttpsTransfer>(
        reinterpret_cast<StartHttpsTransfer>(*start)(request, std::move(done)));
}

} // namespace kx
