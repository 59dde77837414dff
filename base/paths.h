#pragma once

#include <QString>

namespace kx {

// The user's Documents folder, where the settings and presets live. The environment variable
// KX_DOCUMENTS_DIR (or set_documents_folder) redirects it, so tests never touch the real home.
QString documents_folder();
void set_documents_folder(const QString& folder);
// The product's own folder in it, where the editor keeps what it makes: NORVA/Kestrel X.
QString product_data_folder();

// Scheme and host of the maker's web server ("https://host[:port]"). KX_UPDATE_SERVER
// (or set_update_server) redirects it, so tests talk to a local server.
QString update_server();
void set_update_server(const QString& server);
// Whether the server is the built-in one, which names no real host: a build that is to check
// for updates is given its server's address.
bool update_server_is_builtin();

} // namespace kx
