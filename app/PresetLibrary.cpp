#include "app/PresetLibrary.h"

#include "app/Settings.h"
#include "base/dialogs.h"
#include "base/outside_file.h"
#include "base/paths.h"
#include "base/translation.h"
#include "base/ui/translated.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <optional>

namespace kx {

namespace {

constexpr int kPathRole = Qt::UserRole;
// After a change in the folder, the next look waits this long for more changes.
constexpr int kRescanDelayMs = 150;
// Rows added in one turn of the event loop on the first look.
constexpr qsizetype kBatchRows = 500;
constexpr int kMeasuredRows = 64;
constexpr char kUnknownEffect[] =
    QT_TRANSLATE_NOOP("kx::TformPresetLibrary", "effect %1, not in this editor's list");
constexpr char kRecentSetAside[] =
    QT_TRANSLATE_NOOP("kx::TformPresetLibrary",
                      "The list of recent presets was not read: %1 The file is set aside as %2.");
constexpr char kRecentNotSetAside[] =
    QT_TRANSLATE_NOOP("kx::TformPresetLibrary", "The list of recent presets was not read: %1");

QString latin1(const char* text) {
    return QString::fromLatin1(text);
}

QPushButton* make_button(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(parent);
    set_translated(button, "text", "kx::TformPresetLibrary", caption);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

QString recent_presets_file() {
    const QString documents = documents_folder();
    if (documents.isEmpty())
        return {};
    return QDir(documents).filePath(latin1(kMakerFolder) + QLatin1Char('/') +
                                    latin1(kProductFolder) + QLatin1Char('/') +
                                    latin1(kRecentPresetsFileName));
}

QStringList read_recent_list(QString& notice) {
    const QString file = recent_presets_file();
    if (file.isEmpty())
        return {};
    const Result<QStringList> recent = read_recent_presets(file);
    if (recent)
        return *recent;
    const Result<QString> aside = set_aside_file(file);
    notice = aside ? ui_text("kx::TformPresetLibrary", kRecentSetAside)
                         .arg(recent.error(), QDir::toNativeSeparators(*aside))
                   : ui_text("kx::TformPresetLibrary", kRecentNotSetAside).arg(recent.error());
    return {};
}

QString note_recent_preset(const QString& path) {
    const QString file = recent_presets_file();
    if (file.isEmpty())
        return {};
    QString notice;
    const QStringList recent = read_recent_list(notice);
    // The list is a convenience: a folder that cannot take it costs nothing else.
    (void)write_recent_presets(file, remember_recent(recent, QFileInfo(path).absoluteFilePath()));
    return notice;
}

TformPresetLibrary::TformPresetLibrary(QString folder, EffectCatalogue catalogue, Dialogs& dialogs,
                                       QWidget* parent)
    : QDialog(parent), m_folder(std::move(folder)), m_catalogue(std::move(catalogue)),
      m_dialogs(dialogs) {
    if (!m_catalogue.response_reader)
        m_catalogue.response_reader = preset_response_reader();
    setObjectName(QStringLiteral("formPresetLibrary"));
    set_translated(this, "windowTitle", "kx::TformPresetLibrary", kPresetLibraryTitle);
    setModal(false);

    lblPresetFilter = new QLabel(this);
    set_translated(lblPresetFilter, "text", "kx::TformPresetLibrary",
                   QT_TRANSLATE_NOOP("kx::TformPresetLibrary", "&Filter:"));
    lblPresetFilter->setObjectName(QStringLiteral("lblPresetFilter"));
    edtPresetFilter = new QLineEdit(this);
    edtPresetFilter->setObjectName(QStringLiteral("edtPresetFilter"));
    set_translated(edtPresetFilter, "placeholderText", "kx::TformPresetLibrary",
                   QT_TRANSLATE_NOOP("kx::TformPresetLibrary", "Name, effect or category"));
    // No clear button: hidden while the filter is empty, it would still be in a reader's tree.
    set_translated(edtPresetFilter, "accessibleName", "kx::TformPresetLibrary",
                   QT_TRANSLATE_NOOP("kx::TformPresetLibrary", "Filter"));
    lblPresetFilter->setBuddy(edtPresetFilter);

    lblPresets = new QLabel(tr("&Presets in %1:").arg(QDir::toNativeSeparators(m_folder)), this);
    lblPresets->setObjectName(QStringLiteral("lblPresets"));
    lblPresets->setWordWrap(true);
    lstPresets = new QTreeWidget(this);
    lstPresets->setObjectName(QStringLiteral("lstPresets"));
    set_translated(lstPresets, "accessibleName", "kx::TformPresetLibrary",
                   QT_TRANSLATE_NOOP("kx::TformPresetLibrary", "Presets"));
    lstPresets->setColumnCount(ColumnCount);
    lstPresets->setHeaderLabels(
        {tr("Preset"), tr("Effect"), tr("Category"), tr("Date"), tr("Impulse response")});
    lstPresets->setRootIsDecorated(false);
    lstPresets->setUniformRowHeights(true);
    lstPresets->setSortingEnabled(false);
    lstPresets->setSelectionMode(QAbstractItemView::SingleSelection);
    // Renaming starts from the button or F2, never from a click that meant to load.
    lstPresets->setEditTriggers(QAbstractItemView::EditKeyPressed);
    lstPresets->header()->setStretchLastSection(false);
    lstPresets->header()->setSectionResizeMode(ColumnName, QHeaderView::Stretch);
    lstPresets->header()->setSectionResizeMode(ColumnEffect, QHeaderView::Stretch);
    lstPresets->header()->setSectionResizeMode(ColumnCategory, QHeaderView::ResizeToContents);
    lstPresets->header()->setSectionResizeMode(ColumnDate, QHeaderView::ResizeToContents);
    lstPresets->header()->setSectionResizeMode(ColumnResponse, QHeaderView::ResizeToContents);
    // Those two columns are sized from the rows in view and a few around them: measuring a
    // thousand rows at each change of a folder of thousands holds the window up.
    lstPresets->header()->setResizeContentsPrecision(kMeasuredRows);
    lblPresets->setBuddy(lstPresets);

    lblRecentPresets = new QLabel(this);
    set_translated(lblRecentPresets, "text", "kx::TformPresetLibrary",
                   QT_TRANSLATE_NOOP("kx::TformPresetLibrary", "&Loaded or saved last:"));
    lblRecentPresets->setObjectName(QStringLiteral("lblRecentPresets"));
    lstRecentPresets = new QListWidget(this);
    lstRecentPresets->setObjectName(QStringLiteral("lstRecentPresets"));
    set_translated(lstRecentPresets, "accessibleName", "kx::TformPresetLibrary",
                   QT_TRANSLATE_NOOP("kx::TformPresetLibrary", "Loaded or saved last"));
    lblRecentPresets->setBuddy(lstRecentPresets);

    btnLoadPreset =
        make_button(this, "btnLoadPreset", QT_TRANSLATE_NOOP("kx::TformPresetLibrary", "L&oad"));
    btnCopyPreset =
        make_button(this, "btnCopyPreset", QT_TRANSLATE_NOOP("kx::TformPresetLibrary", "&Copy"));
    btnRenamePreset = make_button(this, "btnRenamePreset",
                                  QT_TRANSLATE_NOOP("kx::TformPresetLibrary", "&Rename"));
    btnDeletePreset = make_button(this, "btnDeletePreset",
                                  QT_TRANSLATE_NOOP("kx::TformPresetLibrary", "&Delete"));
    btnClosePresetLibrary = make_button(this, "btnClosePresetLibrary",
                                        QT_TRANSLATE_NOOP("kx::TformPresetLibrary", "Close"));
    // Return in the filter loads the preset it leaves chosen.
    btnLoadPreset->setDefault(true);

    auto* filter_row = new QHBoxLayout;
    filter_row->addWidget(lblPresetFilter);
    filter_row->addWidget(edtPresetFilter, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnLoadPreset);
    buttons->addWidget(btnCopyPreset);
    buttons->addWidget(btnRenamePreset);
    buttons->addWidget(btnDeletePreset);
    buttons->addStretch(1);
    buttons->addWidget(btnClosePresetLibrary);
    auto* layout = new QGridLayout(this);
    layout->addLayout(filter_row, 0, 0);
    layout->addWidget(lblPresets, 1, 0);
    layout->addWidget(lstPresets, 2, 0);
    layout->addWidget(lblRecentPresets, 3, 0);
    layout->addWidget(lstRecentPresets, 4, 0);
    layout->addLayout(buttons, 5, 0);
    layout->setRowStretch(2, 3);
    layout->setRowStretch(4, 1);
    resize(760, 460);

    connect(edtPresetFilter, &QLineEdit::textChanged, this,
            &TformPresetLibrary::edtPresetFilterChange);
    connect(lstPresets, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        emit load_requested(item->data(ColumnName, kPathRole).toString());
    });
    connect(lstPresets, &QTreeWidget::itemSelectionChanged, this,
            &TformPresetLibrary::update_buttons);
    connect(lstPresets, &QTreeWidget::itemChanged, this, &TformPresetLibrary::row_edited);
    connect(lstRecentPresets, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        emit load_requested(item->data(kPathRole).toString());
    });
    connect(btnLoadPreset, &QPushButton::clicked, this, &TformPresetLibrary::btnLoadPresetClick);
    connect(btnCopyPreset, &QPushButton::clicked, this, &TformPresetLibrary::btnCopyPresetClick);
    connect(btnRenamePreset, &QPushButton::clicked, this,
            &TformPresetLibrary::btnRenamePresetClick);
    connect(btnDeletePreset, &QPushButton::clicked, this,
            &TformPresetLibrary::btnDeletePresetClick);
    connect(btnClosePresetLibrary, &QPushButton::clicked, this, &QDialog::close);
    // Presets saved from the main window, or changed by another program, show up at once.
    // A program writing many files changes the folder many times: one look after it settles.
    m_scan_pool.setMaxThreadCount(1);
    m_scan_timer.setSingleShot(true);
    m_scan_timer.setInterval(kRescanDelayMs);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_scan_timer,
            qOverload<>(&QTimer::start));
    connect(&m_scan_timer, &QTimer::timeout, this, [this] {
        if (m_scanning)
            m_scan_again = true;
        else
            start_scan();
    });
    lstPresets->installEventFilter(this);
    lstRecentPresets->installEventFilter(this);
    // The folder is read when the window shows, not here as well.
}

TformPresetLibrary::~TformPresetLibrary() {
    // A look still running stops at its next file; its result is never shown.
    m_stop_scan->store(true);
    m_scan_pool.waitForDone();
}

void TformPresetLibrary::refresh() {
    fill_recent();
    if (m_scanning)
        m_scan_again = true;
    else
        start_scan();
}

void TformPresetLibrary::start_scan() {
    m_scan_timer.stop();
    m_scanning = true;
    m_scan_again = false;
    if (QFileInfo(m_folder).isDir() && !m_watcher.directories().contains(m_folder))
        m_watcher.addPath(m_folder);
    // The files are read off the window thread: a folder of thousands of presets, or another
    // program writing into it, must not stop the windows. Only changed files are read again.
    m_scan_pool.start(
        [this, folder = m_folder, catalogue = m_catalogue, known = m_entries, stop = m_stop_scan] {
            PresetScan scan = scan_presets(folder, catalogue, known, stop.get());
            if (stop->load())
                return;
            // The window waits for this thread before it goes, so `this` is still there.
            QMetaObject::invokeMethod(
                this, [this, scan = std::move(scan)]() mutable { take_scan(std::move(scan)); },
                Qt::QueuedConnection);
        });
}

void TformPresetLibrary::take_scan(PresetScan scan) {
    m_scanning = false;
    if (m_batching) {
        // The rows of the last look are still going in: this one is taken again after them.
        m_scan_again = true;
        return;
    }
    m_entries = std::move(scan.entries);
    fill_presets();
    emit scanned(scan.files_read);
    if (m_scan_again)
        start_scan();
}

namespace {

bool same_row(const PresetEntry& a, const PresetEntry& b) {
    return a.path == b.path && a.name == b.name && a.modified == b.modified && a.size == b.size &&
           a.damage == b.damage && a.effect_number == b.effect_number &&
           a.effect_name == b.effect_name && a.category == b.category &&
           a.response_path == b.response_path && a.response_damage == b.response_damage &&
           a.response_source == b.response_source;
}

} // namespace

void TformPresetLibrary::fill_item(QTreeWidgetItem* item, const PresetEntry& entry) const {
    item->setData(ColumnName, kPathRole, entry.path);
    item->setText(ColumnName, entry.name);
    item->setToolTip(ColumnName, QDir::toNativeSeparators(entry.path));
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    QFont font = item->font(ColumnEffect);
    font.setItalic(entry.damaged());
    item->setFont(ColumnEffect, font);
    item->setToolTip(ColumnEffect, entry.damaged() ? entry.damage : QString());
    if (entry.damaged()) {
        item->setText(ColumnEffect,
                      ui_text("kx::TformPresetLibrary", kDamagedPreset).arg(entry.damage));
        item->setText(ColumnCategory, QString());
    } else if (entry.effect_name.isEmpty()) {
        item->setText(ColumnEffect,
                      ui_text("kx::TformPresetLibrary", kUnknownEffect).arg(entry.effect_number));
        item->setText(ColumnCategory, QString());
    } else {
        item->setText(ColumnEffect, entry.effect_name);
        item->setText(ColumnCategory, entry.category);
    }
    item->setText(ColumnDate, QLocale().toString(entry.modified, QLocale::ShortFormat));
    fill_response(item, entry);
}

// Brings the rows in line with m_entries, touching only rows whose file came, went or changed.
void TformPresetLibrary::fill_presets() {
    const QString keep = selected_path();
    m_filling = true;
    QHash<QString, qsizetype> index;
    index.reserve(m_entries.size());
    for (qsizetype i = 0; i < m_entries.size(); ++i)
        index.insert(m_entries.at(i).path, i);
    // What each row showed, by path; rows of files that went are removed.
    QHash<QString, QTreeWidgetItem*> rows;
    for (int i = lstPresets->topLevelItemCount() - 1; i >= 0; --i) {
        QTreeWidgetItem* item = lstPresets->topLevelItem(i);
        const QString path = item->data(ColumnName, kPathRole).toString();
        if (index.contains(path))
            rows.insert(path, item);
        else
            delete lstPresets->takeTopLevelItem(i);
    }
    if (rows.isEmpty()) {
        // The first look: the rows go in batches, each in its own turn of the event loop, so
        // that thousands of them never hold the window up for long.
        m_shown = m_entries;
        m_entry_index = std::move(index);
        m_batch_at = 0;
        m_batching = true;
        m_keep_after_batches = keep;
        add_batch();
        return;
    } else {
        for (qsizetype i = 0; i < m_entries.size(); ++i) {
            const PresetEntry& entry = m_entries.at(i);
            QTreeWidgetItem* item = rows.value(entry.path);
            if (!item) {
                item = new QTreeWidgetItem;
                fill_item(item, entry);
                lstPresets->insertTopLevelItem(int(i), item);
                continue;
            }
            const qsizetype before = m_entry_index.value(entry.path, -1);
            if (before < 0 || before >= m_shown.size() || !same_row(m_shown.at(before), entry))
                fill_item(item, entry);
            // Rows keep their order: only one that moved is looked for.
            if (lstPresets->topLevelItem(int(i)) != item) {
                lstPresets->takeTopLevelItem(lstPresets->indexOfTopLevelItem(item));
                lstPresets->insertTopLevelItem(int(i), item);
            }
        }
    }
    m_shown = m_entries;
    m_entry_index = std::move(index);
    finish_fill(keep);
}

void TformPresetLibrary::finish_fill(const QString& keep) {
    for (QTreeWidgetItem* item : lstPresets->selectedItems())
        item->setSelected(false);
    if (!keep.isEmpty())
        if (QTreeWidgetItem* item = row_of(keep))
            item->setSelected(true);
    m_filling = false;
    edtPresetFilterChange(edtPresetFilter->text());
}

void TformPresetLibrary::add_batch() {
    const qsizetype end = std::min<qsizetype>(m_shown.size(), m_batch_at + kBatchRows);
    QList<QTreeWidgetItem*> items;
    items.reserve(end - m_batch_at);
    for (; m_batch_at < end; ++m_batch_at) {
        auto* item = new QTreeWidgetItem;
        fill_item(item, m_shown.at(m_batch_at));
        items << item;
    }
    lstPresets->addTopLevelItems(items);
    if (m_batch_at < m_shown.size()) {
        QTimer::singleShot(0, this, [this] { add_batch(); });
        return;
    }
    m_batching = false;
    finish_fill(std::exchange(m_keep_after_batches, QString()));
    // A look that ended while the rows went in is taken now.
    if (m_scan_again && !m_scanning)
        start_scan();
}

QTreeWidgetItem* TformPresetLibrary::row_of(const QString& path) const {
    const qsizetype at = m_entry_index.value(path, -1);
    if (at < 0 || at >= lstPresets->topLevelItemCount())
        return nullptr;
    QTreeWidgetItem* item = lstPresets->topLevelItem(int(at));
    return item->data(ColumnName, kPathRole).toString() == path ? item : nullptr;
}

void TformPresetLibrary::fill_recent() {
    lstRecentPresets->clear();
    QString problem;
    const QStringList recent = read_recent_list(problem);
    if (!problem.isEmpty())
        emit notice(problem);
    for (const QString& path : recent) {
        auto* item = new QListWidgetItem(QFileInfo(path).completeBaseName(), lstRecentPresets);
        item->setData(kPathRole, path);
        item->setToolTip(QDir::toNativeSeparators(path));
        if (!QFileInfo::exists(path))
            item->setText(item->text() + tr(" (no longer there)"));
    }
}

const PresetEntry* TformPresetLibrary::entry_of(const QTreeWidgetItem* item) const {
    if (!item)
        return nullptr;
    const qsizetype at = m_entry_index.value(item->data(ColumnName, kPathRole).toString(), -1);
    return at >= 0 && at < m_entries.size() ? &m_entries.at(at) : nullptr;
}

QList<QTreeWidgetItem*> TformPresetLibrary::visible_rows() const {
    QList<QTreeWidgetItem*> rows;
    for (int i = 0; i < lstPresets->topLevelItemCount(); ++i)
        if (!lstPresets->topLevelItem(i)->isHidden())
            rows << lstPresets->topLevelItem(i);
    return rows;
}

QString TformPresetLibrary::selected_path() const {
    const QList<QTreeWidgetItem*> selected = lstPresets->selectedItems();
    return selected.isEmpty() ? QString()
                              : selected.first()->data(ColumnName, kPathRole).toString();
}

void TformPresetLibrary::edtPresetFilterChange(const QString& text) {
    QTreeWidgetItem* first_visible = nullptr;
    for (int i = 0; i < lstPresets->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = lstPresets->topLevelItem(i);
        const PresetEntry* entry = entry_of(item);
        const bool shown = entry && preset_matches(*entry, text);
        if (item->isHidden() == shown)
            item->setHidden(!shown);
        if (!shown)
            item->setSelected(false);
        else if (!first_visible)
            first_visible = item;
    }
    // Return in the filter loads the first match.
    if (lstPresets->selectedItems().isEmpty() && first_visible)
        lstPresets->setCurrentItem(first_visible);
    update_buttons();
}

void TformPresetLibrary::update_buttons() {
    const bool chosen = !selected_path().isEmpty();
    btnLoadPreset->setEnabled(chosen);
    btnCopyPreset->setEnabled(chosen);
    btnRenamePreset->setEnabled(chosen);
    btnDeletePreset->setEnabled(chosen);
}

void TformPresetLibrary::btnLoadPresetClick() {
    const QString path = selected_path();
    if (!path.isEmpty())
        emit load_requested(path);
}

void TformPresetLibrary::btnRenamePresetClick() {
    const QList<QTreeWidgetItem*> selected = lstPresets->selectedItems();
    if (!selected.isEmpty())
        lstPresets->editItem(selected.first(), ColumnName);
}

void TformPresetLibrary::row_edited(QTreeWidgetItem* item, int column) {
    if (m_filling || column != ColumnName)
        return;
    const PresetEntry* entry = entry_of(item);
    if (!entry || item->text(ColumnName) == entry->name)
        return;
    // The editor that changed the row is still at work: rename once it has finished, as the
    // rows are rebuilt.
    const QString path = entry->path;
    const QString name = item->text(ColumnName);
    QMetaObject::invokeMethod(
        this,
        [this, path, name] {
            for (int i = 0; i < lstPresets->topLevelItemCount(); ++i)
                if (lstPresets->topLevelItem(i)->data(ColumnName, kPathRole).toString() == path)
                    rename_row(lstPresets->topLevelItem(i), name);
        },
        Qt::QueuedConnection);
}

bool TformPresetLibrary::rename_row(QTreeWidgetItem* item, const QString& new_name) {
    const PresetEntry* entry = entry_of(item);
    if (!entry)
        return false;
    const QString old_path = entry->path;
    const Result<QString> renamed = rename_preset(old_path, new_name);
    if (!renamed) {
        m_dialogs.message(
            tr("The preset \"%1\" was not renamed: %2").arg(entry->name, renamed.error()));
        m_filling = true;
        item->setText(ColumnName, entry->name);
        m_filling = false;
        return false;
    }
    // The recent list follows the file.
    const QString file = recent_presets_file();
    QString problem;
    QStringList recent = read_recent_list(problem);
    if (!problem.isEmpty())
        emit notice(problem);
    const qsizetype at = recent.indexOf(QFileInfo(old_path).absoluteFilePath());
    if (at >= 0) {
        recent[at] = QFileInfo(*renamed).absoluteFilePath();
        (void)write_recent_presets(file, recent);
    }
    // The row follows at once; the next look at the folder confirms it.
    replace_entry(old_path, read_preset_entry(*renamed, m_catalogue));
    if (QTreeWidgetItem* row = row_of(*renamed))
        lstPresets->setCurrentItem(row);
    refresh();
    return true;
}

void TformPresetLibrary::replace_entry(const QString& old_path, std::optional<PresetEntry> entry) {
    if (m_batching) {
        // The rows are still going in; the look after them shows the change.
        m_scan_again = true;
        return;
    }
    QList<PresetEntry> entries = m_entries;
    entries.removeIf([&](const PresetEntry& e) { return e.path == old_path; });
    if (entry) {
        const auto at = std::lower_bound(
            entries.begin(), entries.end(), *entry, [](const PresetEntry& a, const PresetEntry& b) {
                return QString::compare(QFileInfo(a.path).fileName(), QFileInfo(b.path).fileName(),
                                        Qt::CaseInsensitive) < 0;
            });
        entries.insert(at, *entry);
    }
    m_entries = std::move(entries);
    fill_presets();
}

void TformPresetLibrary::btnDeletePresetClick() {
    const QList<QTreeWidgetItem*> selected = lstPresets->selectedItems();
    const PresetEntry* entry = selected.isEmpty() ? nullptr : entry_of(selected.first());
    if (!entry)
        return;
    const char* question =
        entry->response_path.isEmpty() ? kConfirmDeletePreset : kConfirmDeletePresetAndResponse;
    if (m_dialogs.confirm(ui_text("kx::TformPresetLibrary", question).arg(entry->name)) !=
        Dialogs::Answer::Yes)
        return;
    if (const Status deleted = delete_preset(entry->path); !deleted)
        m_dialogs.message(
            tr("The preset \"%1\" was not deleted: %2").arg(entry->name, deleted.error()));
    else
        replace_entry(entry->path, std::nullopt);
    refresh();
}

bool TformPresetLibrary::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        // While a name is edited, keys go to the editor, not to the list.
        if (watched == lstPresets) {
            if (enter) {
                btnLoadPresetClick();
                return true;
            }
            if (key == Qt::Key_Delete) {
                btnDeletePresetClick();
                return true;
            }
        } else if (watched == lstRecentPresets && enter && lstRecentPresets->currentItem()) {
            emit load_requested(lstRecentPresets->currentItem()->data(kPathRole).toString());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TformPresetLibrary::showEvent(QShowEvent* event) {
    refresh();
    QDialog::showEvent(event);
}

} // namespace kx
