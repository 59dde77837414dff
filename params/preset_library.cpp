#include "params/preset_library.h"

#include "base/outside_file.h"
#include "base/save_file.h"
#include "base/translation.h"
#include "library/categories.h"
#include "library/resource_store.h"
#include "params/preset_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

#ifndef Q_OS_WIN
#include <dirent.h>
#endif

namespace kx {

EffectCatalogue catalogue_from_store(const ResourceStore& store) {
    EffectCatalogue catalogue;
    if (const auto lines = store.read_file_from_stream(QLatin1String(kEffectListResource))) {
        // The effect number is the line's row; each line reads "number:name".
        int row = 0;
        for (const QString& line : *lines) {
            const qsizetype colon = line.indexOf(QLatin1Char(':'));
            catalogue.names.insert(row++, colon < 0 ? line : line.mid(colon + 1));
        }
    }
    for (const EffectCategory& category : kEffectCategories) {
        const auto lines = store.read_file_from_stream(QLatin1String(category.resource));
        if (!lines)
            continue;
        for (const QString& name : *lines)
            catalogue.category.insert(name, QLatin1String(category.caption));
    }
    return catalogue;
}

namespace {

constexpr char kImpulseResponseCategory[] = "Impulse Response";
constexpr char kResponseExtension[] = ".wav";

// The response's part of an entry; read only when its file is there.
void look_at_response(PresetEntry& entry, const EffectCatalogue& catalogue) {
    const QFileInfo info(response_path_of(entry.path));
    entry.response_path.clear();
    entry.response_size = -1;
    entry.response_modified = QDateTime();
    entry.response_damage.clear();
    entry.response_source.clear();
    if (!info.exists() && !info.isSymLink())
        return;
    entry.response_path = info.filePath();
    entry.response_size = info.size();
    entry.response_modified = info.lastModified();
    if (catalogue.response_reader && !entry.damaged()) {
        const ResponseLook look = catalogue.response_reader(entry.response_path, entry.effect_name);
        entry.response_damage = look.damage;
        entry.response_source = look.source_name;
    }
}

// Whether the response beside `path` is as `entry` saw it.
bool same_response(const PresetEntry& entry, const QString& path) {
    const QFileInfo info(response_path_of(path));
    if (!info.exists())
        return entry.response_path.isEmpty();
    return !entry.response_path.isEmpty() && entry.response_size == info.size() &&
           entry.response_modified == info.lastModified();
}

} // namespace

QString response_path_of(const QString& preset_path) {
    const QString base = preset_path.endsWith(QLatin1String(kPresetExtension))
                             ? preset_path.chopped(qsizetype(qstrlen(kPresetExtension)))
                             : preset_path;
    return base + QLatin1String(kResponseExtension);
}

PresetEntry::Response PresetEntry::response() const {
    if (!response_path.isEmpty())
        return response_damage.isEmpty() ? Response::Present : Response::Damaged;
    return category == QLatin1String(kImpulseResponseCategory) ? Response::Missing : Response::None;
}

PresetEntry read_preset_entry(const QString& path, const EffectCatalogue& catalogue) {
    const QFileInfo info(path);
    PresetEntry entry;
    entry.path = path;
    entry.name = info.completeBaseName();
    entry.modified = info.lastModified();
    entry.size = info.size();
    const Result<QStringList> lines = read_preset_file(path);
    if (!lines) {
        entry.damage = ui_text("Params", "cannot be read: ") + lines.error();
        return entry;
    }
    const Result<Preset> preset = parse_preset(*lines);
    if (!preset) {
        entry.damage = preset.error();
        return entry;
    }
    entry.effect_number = preset->effect_number;
    entry.control_count = preset->control_count();
    entry.effect_name = catalogue.name_of(preset->effect_number);
    entry.category = catalogue.category_of(preset->effect_number);
    look_at_response(entry, catalogue);
    return entry;
}

QList<PresetEntry> list_presets(const QString& folder, const EffectCatalogue& catalogue) {
    QList<PresetEntry> entries;
    const QDir dir(folder);
    const QStringList names = dir.entryList({QStringLiteral("*") + QLatin1String(kPresetExtension)},
                                            QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names)
        entries << read_preset_entry(dir.filePath(name), catalogue);
    return entries;
}

namespace {

constexpr char kNotUtf8Name[] = QT_TRANSLATE_NOOP(
    "Params", "its file name is not UTF-8 text, so the editor cannot open it: rename it in a file "
              "manager.");

// The ".txt" files of `folder` whose names are not UTF-8, listed from the system's own bytes.
QList<PresetEntry> presets_without_utf8_names(const QString& folder) {
    QList<PresetEntry> entries;
#ifndef Q_OS_WIN
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return entries;
    while (const dirent* item = ::readdir(dir)) {
        const QByteArray name(item->d_name);
        if (!name.toLower().endsWith(kPresetExtension))
            continue;
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = utf8(name);
        if (!utf8.hasError())
            continue; // Qt lists it
        PresetEntry entry;
        // Never opened: the path only tells this entry from the others.
        entry.path = QDir(folder).filePath(QString::fromLatin1(name.toPercentEncoding()));
        entry.name = decoded.chopped(qsizetype(qstrlen(kPresetExtension)));
        entry.damage = ui_text("Params", kNotUtf8Name);
        entries << entry;
    }
    ::closedir(dir);
#else
    (void)folder;
#endif
    return entries;
}

} // namespace

PresetScan scan_presets(const QString& folder, const EffectCatalogue& catalogue,
                        const QList<PresetEntry>& known, const std::atomic<bool>* stop) {
    QHash<QString, const PresetEntry*> by_path;
    by_path.reserve(known.size());
    for (const PresetEntry& entry : known)
        by_path.insert(entry.path, &entry);
    PresetScan scan;
    QDir dir(folder);
    dir.setNameFilters({QStringLiteral("*") + QLatin1String(kPresetExtension)});
    dir.setFilter(QDir::Files);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    const QFileInfoList files = dir.entryInfoList();
    scan.entries.reserve(files.size());
    for (const QFileInfo& info : files) {
        if (stop && stop->load())
            break;
        const QString path = info.filePath();
        const PresetEntry* before = by_path.value(path);
        if (before && before->size == info.size() && before->modified == info.lastModified() &&
            same_response(*before, path)) {
            scan.entries << *before;
            continue;
        }
        scan.entries << read_preset_entry(path, catalogue);
        ++scan.files_read;
    }
    // Qt leaves out a name that is not UTF-8; such a preset is listed all the same, with why
    // it cannot be opened.
    const QList<PresetEntry> unnamed = presets_without_utf8_names(folder);
    if (!unnamed.isEmpty()) {
        scan.entries += unnamed;
        std::stable_sort(scan.entries.begin(), scan.entries.end(),
                         [](const PresetEntry& a, const PresetEntry& b) {
                             return QString::compare(a.name, b.name, Qt::CaseInsensitive) < 0;
                         });
    }
    return scan;
}

bool preset_matches(const PresetEntry& entry, const QString& filter) {
    // A damaged file is found by that word too.
    const QString haystack = entry.name + QLatin1Char(' ') + entry.effect_name + QLatin1Char(' ') +
                             entry.category +
                             (entry.damaged() ? QStringLiteral(" damaged") : QString());
    const QStringList words = filter.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return std::all_of(words.cbegin(), words.cend(), [&](const QString& word) {
        return haystack.contains(word, Qt::CaseInsensitive);
    });
}

QStringList remember_recent(QStringList recent, const QString& path) {
    recent.removeAll(path);
    recent.prepend(path);
    while (recent.size() > kRecentPresetCount)
        recent.removeLast();
    return recent;
}

namespace {

// The path a preset named `new_name` would have beside `path`, or why it cannot.
Result<QString> new_preset_path(const QString& path, const QString& new_name) {
    const QString name = new_name.trimmed();
    if (name.isEmpty())
        return Error{ui_text("Params", "A preset needs a name.")};
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name == QLatin1String(".") || name == QLatin1String(".."))
        return Error{ui_text("Params", "\"%1\" is not a file name: a preset stays in its folder.")
                         .arg(name)};
    return QFileInfo(path).dir().filePath(with_preset_extension(name));
}

// Refuses a target whose preset or response exists already.
Status check_free(const QString& target) {
    if (QFileInfo::exists(target))
        return Error{ui_text("Params", "A preset named \"%1\" exists already.")
                         .arg(QFileInfo(target).completeBaseName())};
    if (QFileInfo::exists(response_path_of(target)))
        return Error{ui_text("Params", "An impulse response named \"%1\" exists already.")
                         .arg(QFileInfo(response_path_of(target)).fileName())};
    return {};
}

} // namespace

Result<QString> rename_preset(const QString& path, const QString& new_name) {
    const auto target = new_preset_path(path, new_name);
    if (!target)
        return target;
    const QFileInfo info(path);
    if (QFileInfo(*target) == info)
        return target;
    if (const Status free = check_free(*target); !free)
        return free.failure();
    QFile file(path);
    if (!file.rename(*target))
        return Error{file.errorString()};
    // The response follows; if it cannot, the preset goes back, so the two stay a pair.
    if (QFile response(response_path_of(path));
        response.exists() && !response.rename(response_path_of(*target))) {
        const QString reason = response.errorString();
        QFile::rename(*target, path);
        return Error{reason};
    }
    return target;
}

Result<QString> copy_preset(const QString& path, const QString& new_name) {
    const auto target = new_preset_path(path, new_name);
    if (!target)
        return target;
    if (const Status free = check_free(*target); !free)
        return free.failure();
    QFile file(path);
    if (!file.copy(*target))
        return Error{file.errorString()};
    if (QFile response(response_path_of(path));
        response.exists() && !response.copy(response_path_of(*target))) {
        const QString reason = response.errorString();
        QFile::remove(*target);
        return Error{reason};
    }
    return target;
}

QString copy_name(const QString& path) {
    const QFileInfo info(path);
    const QString base = info.completeBaseName() + QStringLiteral(" copy");
    QString name = base;
    for (int n = 2; !check_free(info.dir().filePath(with_preset_extension(name))).ok(); ++n)
        name = base + QStringLiteral(" %1").arg(n);
    return name;
}

Status delete_preset(const QString& path) {
    QFile file(path);
    if (!file.remove())
        return Error{file.errorString()};
    // A response without its preset would only be found by hand.
    if (QFile response(response_path_of(path)); response.exists() && !response.remove())
        return Error{response.errorString()};
    return {};
}

Result<QStringList> read_recent_presets(const QString& file_path) {
    if (!QFileInfo(file_path).exists() && !QFileInfo(file_path).isSymLink())
        return QStringList();
    // Ten paths: far below this.
    const auto bytes =
        read_outside_file(file_path, FileFormat{"the list of recent presets", 64 * 1024});
    if (!bytes)
        return bytes.failure();
    QStringList recent;
    for (const QByteArray& line : bytes->split('\n')) {
        const QString path = QString::fromUtf8(line).trimmed();
        if (!path.isEmpty() && recent.size() < kRecentPresetCount && !recent.contains(path))
            recent << path;
    }
    return recent;
}

Status write_recent_presets(const QString& file_path, const QStringList& recent) {
    return save_file_atomically(file_path, recent.join(QLatin1Char('\n')).toUtf8() + '\n');
}

} // namespace kx
