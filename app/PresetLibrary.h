#pragma once

#include "params/preset_library.h"

#include <QDialog>
#include <QFileSystemWatcher>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace kx {

class Dialogs;

inline constexpr char kPresetLibraryTitle[] = "Preset Library";
inline constexpr char kConfirmDeletePreset[] =
    "Delete the preset \"%1\"? The file is removed from the preset folder.";
inline constexpr char kDamagedPreset[] = "Damaged: %1";

// Where the list of presets loaded or saved last is kept between runs.
QString recent_presets_file();
// That list. A file that cannot be read (a pipe, a huge file) is set aside and the list starts
// empty; the returned notice says so (empty when all is well).
QStringList read_recent_list(QString& notice);
// Puts `path` first in that list (a failure to store it costs only the list); returns the
// notice of a list file set aside.
QString note_recent_preset(const QString& path);

// The preset folder as a list to pick from: each file with its effect's name and category and
// its date, a filter, the presets loaded or saved last, and rename and delete. A file that is
// not a preset is listed as damaged. Loading is the main window's: the library asks for it.
class TformPresetLibrary : public QDialog {
    Q_OBJECT
public:
    // Columns of lstPresets.
    enum Column { ColumnName, ColumnEffect, ColumnCategory, ColumnDate, ColumnCount };

    TformPresetLibrary(QString folder, EffectCatalogue catalogue, Dialogs& dialogs,
                       QWidget* parent = nullptr);

    // Reads the folder and the recent list again.
    void refresh();
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
    QPushButton* btnRenamePreset;
    QPushButton* btnDeletePreset;
    QPushButton* btnClosePresetLibrary;

signals:
    // The user chose a preset to load.
    void load_requested(const QString& path);
    // Something the main window's status line should say (a recent list set aside).
    void notice(const QString& text);

public slots:
    void btnLoadPresetClick();
    void btnRenamePresetClick();
    void btnDeletePresetClick();
    void edtPresetFilterChange(const QString& text);
    // Renames the preset of `item` to `new_name`; says why in a box when it cannot.
    bool rename_row(QTreeWidgetItem* item, const QString& new_name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void fill_presets();
    void fill_recent();
    void update_buttons();
    void row_edited(QTreeWidgetItem* item, int column);
    QString selected_path() const;

    QString m_folder;
    EffectCatalogue m_catalogue;
    Dialogs& m_dialogs;
    QList<PresetEntry> m_entries;
    QFileSystemWatcher m_watcher;
    bool m_filling = false;
};

} // namespace kx
