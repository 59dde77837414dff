#pragma once

#include <QString>
#include <QStringList>

namespace kx {

// Every effect's information page is a store resource: its resource name followed by "_info".
QString info_resource_name(const QString& effect_name);

// The address relative references of the page are taken against: a bare name, so they find
// nothing.
QString info_base_name(const QString& effect_name);

// The page's lines joined with nothing between them, as the page is shown and logged.
QString info_page_text(const QStringList& lines);

// The log line that names the page: the program's folder, the separator, the effect's
// display name and "-info.html". No file is written there.
QString info_page_log_path(const QString& program_folder, const QString& effect_name);

} // namespace kx
