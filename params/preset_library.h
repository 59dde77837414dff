#pragma once

#include "base/result.h"

#include <QDateTime>

#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>

namespace kx {

class ResourceStore;

// How many presets the library remembers as loaded or saved last.
inline constexpr int kRecentPresetCount = 10;
// The file, in the product's settings folder, that keeps them between runs: one path a line.
inline constexpr char kRecentPresetsFileName[] = "RecentPresets.txt";

// What a look at the impulse response beside a preset found: why it cannot be used (empty:
// it can) and the name of the file it was imported from, when it says.
struct ResponseLook {
    QString damage;
    QString source_name;
};
// Reads the response file at `path` for the preset's effect `effect_name`. Called on the
// library's worker thread.
using ResponseReader = std::function<ResponseLook(const QString& path, const QString& effect_name)>;

// Which effect an effect number is, and in which category a name is listed.
struct EffectCatalogue {
    QMap<int, QString> names;         // effect number -> name
    QHash<QString, QString> category; // name -> category caption
    // How a response beside a preset is read (the impulse response import knows); none: only
    // whether it is there counts.
    ResponseReader response_reader;

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
    // The impulse response beside the preset (response_path_of): its path when it is there,
    // its size and time, why it cannot be used, and the file it was imported from.
    QString response_path;
    qint64 response_size = -1;
    QDateTime response_modified;
    QString response_damage;
    QString response_source;

    bool damaged() const { return !damage.isEmpty(); }
    enum class Response { None, Present, Missing, Damaged };
    // Missing: a preset of an impulse response effect without its response.
    Response response() const;
};

// The impulse response kept beside a preset: the same name with ".wav" for ".txt".
QString response_path_of(const QString& preset_path);

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

// Renames a preset within its folder, and its response with it. `new_name` is the name without
// ".txt" (one is added when missing); a name with a folder separator, an empty name and an
// existing preset or response are refused. Returns the new path.
Result<QString> rename_preset(const QString& path, const QString& new_name);

// Copies a preset, and its response with it, to `new_name` in its folder (refused as rename
// refuses). Returns the new path.
Result<QString> copy_preset(const QString& path, const QString& new_name);
// A name for a copy of the preset at `path` that no preset or response of its folder has:
// "<name> copy", "<name> copy 2", ...
QString copy_name(const QString& path);

// Deletes a preset file and its response.
Status delete_preset(const QString& path);

// The recent list kept in `file` (missing: empty), and writing it back. The file is read
// through the guard of outside files: a pipe or a huge file is refused, never waited on.
Result<QStringList> read_recent_presets(const QString& file);
Status write_recent_presets(const QString& file, const QStringList& recent);

} // namespace kx
