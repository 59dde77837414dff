#include "ir/kept_imports.h"

#include "base/outside_file.h"
#include "base/paths.h"
#include "base/translation.h"
#include "ir/ir_targets.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace kx {

namespace {

constexpr char kNotForAnEffect[] = QT_TRANSLATE_NOOP("Ir", "it names no impulse response effect");
constexpr int kMaxNameChars = 60;

// The table an effect's imports belong to; empty for an effect without one.
QString table_of(const QString& effect_name) {
    const auto target = ir_target_for(effect_name);
    return target ? target->row_name : QString();
}

// A file name's part from the imported file's name: no folder separators, nothing hidden.
QString name_part(const QString& source_name) {
    QString name = QFileInfo(source_name).completeBaseName();
    for (QChar& c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    name = name.left(kMaxNameChars).trimmed();
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    return name.isEmpty() ? QStringLiteral("response") : name;
}

struct Listed {
    QList<KeptImport> mine; // of the table asked for
    QStringList problems;
};

Listed list_folder(const QString& folder, const QString& table, bool set_aside) {
    Listed listed;
    const QDir dir(folder);
    const QStringList names =
        dir.entryList({QStringLiteral("*") + QLatin1String(kResponseExtension)}, QDir::Files);
    for (const QString& name : names) {
        const QString path = dir.filePath(name);
        auto response = read_ir_response_file(path);
        QString problem;
        if (!response) {
            problem = response.error();
        } else if (table_of(response->notes.effect_name).isEmpty()) {
            problem = ui_text("Ir", kNotForAnEffect);
        } else if (const QString misfit = response_misfit(*response, response->notes.effect_name);
                   !misfit.isEmpty()) {
            problem = misfit;
        }
        if (!problem.isEmpty()) {
            // Set aside, so that it is told once and never met again.
            if (set_aside)
                (void)set_aside_file(path);
            listed.problems << name + QStringLiteral(": ") + problem;
            continue;
        }
        if (table_of(response->notes.effect_name) == table)
            listed.mine << KeptImport{path, std::move(*response)};
    }
    std::stable_sort(listed.mine.begin(), listed.mine.end(),
                     [](const KeptImport& a, const KeptImport& b) {
                         if (a.response.notes.imported != b.response.notes.imported)
                             return a.response.notes.imported > b.response.notes.imported;
                         return a.path > b.path;
                     });
    return listed;
}

} // namespace

QString kept_imports_folder() {
    const QString product = product_data_folder();
    return product.isEmpty() ? QString()
                             : product + QLatin1Char('/') + QLatin1String(kKeptImportsFolderName);
}

KeptImports kept_imports(const QString& folder, const QString& effect_name) {
    KeptImports kept;
    const QString table = table_of(effect_name);
    if (folder.isEmpty() || table.isEmpty() || !QFileInfo(folder).isDir())
        return kept;
    Listed listed = list_folder(folder, table, true);
    kept.imports = std::move(listed.mine);
    kept.problems = std::move(listed.problems);
    return kept;
}

Result<QString> keep_import(const QString& folder, const IrResponse& response) {
    if (folder.isEmpty())
        return Error{ui_text("Ir", "There is no Documents folder to keep the import in.")};
    if (!QDir().mkpath(folder))
        return Error{ui_text("Ir", "%1: the folder cannot be made.").arg(folder)};
    const QDateTime when = response.notes.imported.isValid() ? response.notes.imported
                                                             : QDateTime::currentDateTimeUtc();
    const QString stem = when.toUTC().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")) +
                         QLatin1Char(' ') + name_part(response.notes.source_name);
    const QDir dir(folder);
    QString path = dir.filePath(stem + QLatin1String(kResponseExtension));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path =
            dir.filePath(stem + QStringLiteral("-%1").arg(n) + QLatin1String(kResponseExtension));
    if (const Status written = write_ir_response_file(path, response); !written)
        return written.failure();
    // The oldest of this table go; the new one is among the newest.
    const Listed listed = list_folder(folder, table_of(response.notes.effect_name), false);
    for (qsizetype i = kKeptImportsPerTable; i < listed.mine.size(); ++i)
        if (listed.mine.at(i).path != path)
            QFile::remove(listed.mine.at(i).path);
    return path;
}

} // namespace kx
