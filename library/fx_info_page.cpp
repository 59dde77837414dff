#include "library/fx_info_page.h"

#include "library/resource_store.h"

#include <QDir>

namespace kx {

namespace {
constexpr char kInfoSuffix[] = "_info";
constexpr char kBaseSuffix[] = "_info.html";
constexpr char kLogPathSuffix[] = "-info.html";
} // namespace

QString info_resource_name(const QString& effect_name) {
    return format_resource_name(effect_name) + QLatin1String(kInfoSuffix);
}

QString info_base_name(const QString& effect_name) {
    return format_resource_name(effect_name) + QLatin1String(kBaseSuffix);
}

QString info_page_text(const QStringList& lines) {
    return lines.join(QString());
}

QString info_page_log_path(const QString& program_folder, const QString& effect_name) {
    QString folder = QDir::toNativeSeparators(program_folder);
    while (folder.size() > 1 && folder.endsWith(QDir::separator()))
        folder.chop(1);
    return folder + QDir::separator() + effect_name + QLatin1String(kLogPathSuffix);
}

} // namespace kx
