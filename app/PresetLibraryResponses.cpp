// The Preset Library's part of the impulse responses kept beside presets: the column that
// shows them, and Copy, which takes the response along as Rename and Delete do.
#include "app/PresetLibrary.h"

#include "base/dialogs.h"
#include "base/translation.h"
#include "ir/response_import.h"

#include <QDir>
#include <QFileInfo>
#include <QTreeWidget>

namespace kx {

namespace {
constexpr char kResponseMissing[] = QT_TRANSLATE_NOOP("kx::TformPresetLibrary", "Missing");
constexpr char kResponseMissingTip[] = QT_TRANSLATE_NOOP(
    "kx::TformPresetLibrary",
    "This impulse response effect's preset has no %1 beside it: its values load, the effect "
    "keeps the impulse response it has.");
constexpr char kResponseDamaged[] = QT_TRANSLATE_NOOP("kx::TformPresetLibrary", "Damaged: %1");
constexpr char kResponseDamagedTip[] = QT_TRANSLATE_NOOP(
    "kx::TformPresetLibrary", "%1 cannot be used: %2. The preset's values still load.");
constexpr char kNotCopied[] =
    QT_TRANSLATE_NOOP("kx::TformPresetLibrary", "The preset \"%1\" was not copied: %2");
} // namespace

ResponseReader preset_response_reader() {
    return [](const QString& path, const QString& effect_name) {
        ResponseLook look;
        look.damage = response_file_problem(path, effect_name, &look.source_name);
        return look;
    };
}

void fill_response(QTreeWidgetItem* item, const PresetEntry& entry) {
    const int column = TformPresetLibrary::ColumnResponse;
    QFont font = item->font(column);
    font.setItalic(false);
    QString text;
    QString tip;
    switch (entry.response()) {
    case PresetEntry::Response::None:
        break;
    case PresetEntry::Response::Present:
        text = entry.response_source.isEmpty() ? QFileInfo(entry.response_path).fileName()
                                               : entry.response_source;
        tip = QDir::toNativeSeparators(entry.response_path);
        break;
    case PresetEntry::Response::Missing:
        text = ui_text("kx::TformPresetLibrary", kResponseMissing);
        tip = ui_text("kx::TformPresetLibrary", kResponseMissingTip)
                  .arg(QFileInfo(response_path_of(entry.path)).fileName());
        font.setItalic(true);
        break;
    case PresetEntry::Response::Damaged:
        text = ui_text("kx::TformPresetLibrary", kResponseDamaged).arg(entry.response_damage);
        tip = ui_text("kx::TformPresetLibrary", kResponseDamagedTip)
                  .arg(QDir::toNativeSeparators(entry.response_path), entry.response_damage);
        font.setItalic(true);
        break;
    }
    item->setText(column, text);
    item->setToolTip(column, tip);
    item->setFont(column, font);
}

void TformPresetLibrary::btnCopyPresetClick() {
    const QList<QTreeWidgetItem*> selected = lstPresets->selectedItems();
    const PresetEntry* entry = selected.isEmpty() ? nullptr : entry_of(selected.first());
    if (!entry)
        return;
    const Result<QString> copied = copy_preset(entry->path, copy_name(entry->path));
    if (!copied) {
        m_dialogs.message(
            ui_text("kx::TformPresetLibrary", kNotCopied).arg(entry->name, copied.error()));
        return;
    }
    // The copy's row comes at once, chosen; the next look at the folder confirms it.
    replace_entry(QString(), read_preset_entry(*copied, m_catalogue));
    if (QTreeWidgetItem* row = row_of(*copied))
        lstPresets->setCurrentItem(row);
    refresh();
}

} // namespace kx
