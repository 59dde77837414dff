#include "base/paths.h"

#include <QStandardPaths>

namespace kx {

namespace {
QString g_documents;
QString g_server;
const char kDefaultServer[] = "https://www.norva-audio.example";
} // namespace

QString documents_folder() {
    if (!g_documents.isEmpty())
        return g_documents;
    const QString from_env = qEnvironmentVariable("KX_DOCUMENTS_DIR");
    if (!from_env.isEmpty())
        return from_env;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void set_documents_folder(const QString& folder) {
    g_documents = folder;
}

QString product_data_folder() {
    const QString documents = documents_folder();
    return documents.isEmpty() ? QString() : documents + QStringLiteral("/NORVA/Kestrel X");
}

QString update_server() {
    if (!g_server.isEmpty())
        return g_server;
    const QString from_env = qEnvironmentVariable("KX_UPDATE_SERVER");
    return from_env.isEmpty() ? QString::fromLatin1(kDefaultServer) : from_env;
}

bool update_server_is_builtin() {
    return update_server() == QLatin1String(kDefaultServer);
}

void set_update_server(const QString& server) {
    g_server = server;
}

} // namespace kx
