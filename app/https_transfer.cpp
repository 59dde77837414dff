#include "app/https_transfer.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace kx {

namespace {

// Where the module is: beside the program (the build folder), or in the program's library
// folder once installed.
QStringList module_candidates() {
    const QString program_folder = QCoreApplication::applicationDirPath();
    return {QDir(program_folder).filePath(QLatin1String(kHttpsModuleName)),
            QDir(program_folder)
                .filePath(QStringLiteral(KX_MODULE_DIR_FROM_PROGRAM "/") +
                          QLatin1String(kHttpsModuleName))};
}

Result<StartHttpsTransfer> load_module() {
    static StartHttpsTransfer start = nullptr;
    static QString load_error;
    static bool tried = false;
    if (!tried) {
        tried = true;
        for (const QString& candidate : module_candidates()) {
            QLibrary library(candidate);
            start = reinterpret_cast<StartHttpsTransfer>(library.resolve(kStartHttpsTransfer));
            if (start)
                break; // the library stays loaded for the rest of the run
            if (load_error.isEmpty())
                load_error = library.errorString();
        }
    }
    if (!start)
        return Error{QStringLiteral("the network module cannot be loaded (%1).").arg(load_error)};
    return start;
}

} // namespace

Result<std::unique_ptr<HttpsTransfer>> start_https_transfer(const HttpsRequest& request,
                                                            HttpsDone done) {
    const Result<StartHttpsTransfer> start = load_module();
    if (!start)
        return start.failure();
    return std::unique_ptr<HttpsTransfer>((*start)(request, std::move(done)));
}

} // namespace kx
