#include "base/loadable_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QMutex>

#include <map>
#include <utility>

namespace kx {

namespace {

QStringList module_candidates(const QString& module) {
    const QString program_folder = QCoreApplication::applicationDirPath();
    return {QDir(program_folder).filePath(module),
            QDir(program_folder)
                .filePath(QStringLiteral(KX_MODULE_DIR_FROM_PROGRAM "/") + module)};
}

} // namespace

Result<void*> resolve_module_function(const char* module, const char* function) {
    static QMutex mutex;
    static std::map<std::pair<QByteArray, QByteArray>, std::pair<void*, QString>> tried;
    const QMutexLocker lock(&mutex);
    const auto key = std::make_pair(QByteArray(module), QByteArray(function));
    auto found = tried.find(key);
    if (found == tried.end()) {
        void* resolved = nullptr;
        QString error;
        for (const QString& candidate : module_candidates(QString::fromLatin1(module))) {
            QLibrary library(candidate);
            resolved = reinterpret_cast<void*>(library.resolve(function));
            if (resolved)
                break; // the library is never unloaded
            if (error.isEmpty())
                error = library.errorString();
        }
        found = tried.emplace(key, std::make_pair(resolved, error)).first;
    }
    if (!found->second.first)
        return Error{found->second.second};
    return found->second.first;
}

} // namespace kx
