#pragma once

#include "base/translation.h"
#include "params/preset_library.h"

#include <QDialog>
#include <QFileSystemWatcher>
#include <QHash>
#include <QThreadPool>
#include <QTimer>

#include <atomic>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace kx {

class Dialogs;

inline constexpr char kPresetLibraryTitle[] =
    QT_TRANSLATE_NOOP("kx::TformPresetLibrary", "Preset Library");
inline constexpr char kConfirmDeletePreset[] =
    QT_TRANSLATE_NOOP("kx::TformPresetLibrary",
                      "Delete the preset \"%1\"? The file is removed from the preset folder.");
inline constexpr char kDamagedPreset[] = QT_TRANSLATE_NOOP("kx::TformPresetLibrary", "Damaged: %1");
inline constexpr char kConfirmDeletePresetAndResponse[] =
    QT_TRANSLATE_NOOP("kx::TformPresetLibrary",
                      "Delete the preset \"%1\" and its impulse response? Both files are removed "
                      "from the preset folder.");

// Where the list of presets loaded or saved last is kept between runs.
QString recent_presets_file();
// That list. A file that cannot be read (a pipe, a huge file) is set aside and the list starts
// empty; the returned notice says so (empty when all is well).
QStringList read_recent_list(QString& notice);
// Puts `path` first in that list (a failure to store it costs only the list); returns the
// notice of a list file set aside.
QString note_recent_preset(const QString& path);

// How the library reads the impulse response beside a preset: whether it can serve the
// preset's effect, and the file it was imported from.
ResponseReader preset_response_reader();
// The response column of a row: the file the response was imported from, or that it is
// missing or damaged (and why, in the tooltip).
void fill_response(QTreeWidgetItem* item, const PresetEntry& entry);

// The preset folder as a list to pick from: each file with its effect's name and category and
// its date, a filter, the presets loaded or saved last, and rename and delete. A file that is
// not a preset is listed as damaged. Loading is the main window's: the library asks for it.
class TformPresetLibrary : public QDialog {
    Q_OBJECT
public:
    // Columns of lstPresets.
    enum Column {
        ColumnName,
        ColumnEffect,
        ColumnCategory,
        ColumnDate,
        ColumnResponse, // the impulse response beside the preset
        ColumnCount
    };

    TformPresetLibrary(QString folder, EffectCatalogue catalogue, Dialogs& dialogs,
                       QWidget* parent = nullptr);
    ~TformPresetLibrary() override;

    // Reads the recent list again, and looks at the folder again on a worker thread: only
    // files that changed are read, and only their rows change when the look is done.
    void refresh();
    // Whether a look at the folder runs or is due.
    bool scanning() const { return m_scanning || m_batching || m_scan_timer.isActive(); }
    const QList<PresetEntry>& entries() const { return m_entries; }
    // The entry of a row of lstPresets, or nullptr.
    const PresetEntry* entry_of(const QTreeWidgetItem* item) const;
    // The rows that the filter lets through, in order.
    QList<QTreeWidgetItem*> visible_rows() const;

    QLabel* lblPresetFilter;
    QLineEdit* edtPresetFilter;
    QLabel* lblPresets;
    QTreeWidget* lstPresets;
    QLabel* lblRecentPresets;
    QListWidget* lstRecentPresets;
    QPushButton* btnLoadPreset;
    QPushButton* btnCopyPreset;
    QPushButton* btnRenamePreset;
    QPushButton* btnDeletePreset;
    QPushButton* btnClosePresetLibrary;

signals:
    // The user chose a preset to load.
    void load_requested(const QString& path);
    // Something the main window's status line should say (a recent list set aside).
    void notice(const QString& text);
    // A look at the folder has been shown, having read `files_read` files.
    void scanned(int files_read);

public slots:
    void btnLoadPresetClick();
    void btnRenamePresetClick();
    // Copies the chosen preset, its response with it, to a free name, and chooses the copy.
    void btnCopyPresetClick();
    void btnDeletePresetClick();
    void edtPresetFilterChange(const QString& text);
    // Renames the preset of `item` to `new_name`; says why in a box when it cannot.
    bool rename_row(QTreeWidgetItem* item, const QString& new_name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void start_scan();
    void take_scan(PresetScan scan);
    void fill_item(QTreeWidgetItem* item, const PresetEntry& entry) const;
    QTreeWidgetItem* row_of(const QString& path) const;
    void add_batch();
    void finish_fill(const QString& keep);
    // Puts `entry` in place of the entry of `old_path` (or only removes that one).
    void replace_entry(const QString& old_path, std::optional<PresetEntry> entry);
    void fill_presets();
    void fill_recent();
    void update_buttons();
    void row_edited(QTreeWidgetItem* item, int column);
    QString selected_path() const;

    QString m_folder;
    EffectCatalogue m_catalogue;
    Dialogs& m_dialogs;
    QList<PresetEntry> m_entries;
    QHash<QString, qsizetype> m_entry_index; // path -> position in m_entries and the rows
    QList<PresetEntry> m_shown;              // what the rows show
    QFileSystemWatcher m_watcher;
    bool m_filling = false;
    // One look at a time, on its own thread; changes met meanwhile ask for one more after it.
    QThreadPool m_scan_pool;
    QTimer m_scan_timer;
    bool m_scanning = false;
    bool m_batching = false; // the first look's rows are still going in
    qsizetype m_batch_at = 0;
    QString m_keep_after_batches;
    bool m_scan_again = false;
    std::shared_ptr<std::atomic<bool>> m_stop_scan = std::make_shared<std::atomic<bool>>(false);
};

} // namespace kx
