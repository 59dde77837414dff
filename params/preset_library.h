#pragma once

#include "base/result.h"

#include <QDateTime>

#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <atomic>

namespace kx {

class ResourceStore;

// How many presets the library remembers as loaded or saved last.
inline constexpr int kRecentPresetCount = 10;
// The file, in the product's settings folder, that keeps them between runs: one path a line.
inline constexpr char kRecentPresetsFileName[] = "RecentPresets.txt";

// Which effect an effect number is, and in which category a name is listed.
struct EffectCatalogue {
    QMap<int, QString> names;         // effect number -> name
    QHash<QString, QString> category; // name -> category caption

    QString name_of(int number) const { return names.value(number); }
    QString category_of(int number) const { return category.value(names.value(number)); }
};

// The catalogue and the category lists of the resource store; what cannot be read is left out.
EffectCatalogue catalogue_from_store(const ResourceStore& store);

// One file of the preset folder as the library shows it.
struct PresetEntry {
    QString path;
    QString name; // the file name without ".txt"
    QDateTime modified;
    qint64 size = -1;
    // A file that is not a preset the editor can load: why, in the editor's words.
    QString damage;
    int effect_number = -1;
    int control_count = 0;
    QString effect_name; // empty: a number the catalogue does not hold
    QString category;

    bool damaged() const { return !damage.isEmpty(); }
};

// Reads one preset file for the library: a file that cannot be read or parsed comes back
// damaged, with the reason, never as an error.
PresetEntry read_preset_entry(const QString& path, const EffectCatalogue& catalogue);

// The ".txt" files of `folder`, by name (case-insensitive).
QList<PresetEntry> list_presets(const QString& folder, const EffectCatalogue& catalogue);

// A look at the preset folder that reads only what changed: an entry of `known` whose file
// (by path) has kept its size and modification time is taken over as it is; every other file
// is read. `files_read` counts the reads. Runs on any thread; `stop`, when set, is checked
// between files and ends the scan early (its result is then not to be used).
struct PresetScan {
    QList<PresetEntry> entries;
    int files_read = 0;
};
PresetScan scan_presets(const QString& folder, const EffectCatalogue& catalogue,
                        const QList<PresetEntry>& known, const std::atomic<bool>* stop = nullptr);

// Whether every word of `filter` appears, ignoring letter case, in the entry's name, effect
// or category (or is "damaged", for a damaged file). An empty filter matches everything.
bool preset_matches(const PresetEntry& entry, const QString& filter);

// `path` put first in `recent`, once, and the list cut to kRecentPresetCount.
QStringList remember_recent(QStringList recent, const QString& path);

// Renames a preset within its folder. `new_name` is the name without ".txt" (one is added
// when missing); a name with a folder separator, an empty name and an existing file are
// refused. Returns the new path.
Result<QString> rename_preset(const QString& path, const QString& new_name);

// Deletes a preset file.
Status delete_preset(const QString& path);

// The recent list kept in `file` (missing: empty), and writing it back. The file is read
// through the guard of outside files: a pipe or a huge file is refused, never waited on.
Result<QStringList> read_recent_presets(const QString& file);
Status write_recent_presets(const QString& file, const QStringList& recent);

} // namespace kx
