#include "app/PresetLibrary.h"

#include "app/Settings.h"
#include "base/dialogs.h"
#include "base/outside_file.h"
#include "base/paths.h"

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
#include <QTreeWidget>

namespace kx {

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr char kUnknownEffect[] = "effect %1, not in this editor's list";
constexpr char kRecentSetAside[] =
    "The list of recent presets was not read: %1 The file is set aside as %2.";
constexpr char kRecentNotSetAside[] = "The list of recent presets was not read: %1";

QString latin1(const char* text) {
    return QString::fromLatin1(text);
}

QPushButton* make_button(QWidget* parent, const char* name, const QString& text) {
    auto* button = new QPushButton(text, parent);
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
    notice = aside ? latin1(kRecentSetAside).arg(recent.error(), QDir::toNativeSeparators(*aside))
                   : latin1(kRecentNotSetAside).arg(recent.error());
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
    setObjectName(QStringLiteral("formPresetLibrary"));
    setWindowTitle(latin1(kPresetLibraryTitle));
    setModal(false);

    lblPresetFilter = new QLabel(QStringLiteral("&Filter:"), this);
    lblPresetFilter->setObjectName(QStringLiteral("lblPresetFilter"));
    edtPresetFilter = new QLineEdit(this);
    edtPresetFilter->setObjectName(QStringLiteral("edtPresetFilter"));
    edtPresetFilter->setPlaceholderText(QStringLiteral("Name, effect or category"));
    // No clear button: hidden while the filter is empty, it would still be in a reader's tree.
    edtPresetFilter->setAccessibleName(QStringLiteral("Filter"));
    lblPresetFilter->setBuddy(edtPresetFilter);

    lblPresets =
        new QLabel(QStringLiteral("&Presets in %1:").arg(QDir::toNativeSeparators(m_folder)), this);
    lblPresets->setObjectName(QStringLiteral("lblPresets"));
    lblPresets->setWordWrap(true);
    lstPresets = new QTreeWidget(this);
    lstPresets->setObjectName(QStringLiteral("lstPresets"));
    lstPresets->setAccessibleName(QStringLiteral("Presets"));
    lstPresets->setColumnCount(ColumnCount);
    lstPresets->setHeaderLabels({QStringLiteral("Preset"), QStringLiteral("Effect"),
                                 QStringLiteral("Category"), QStringLiteral("Date")});
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
    lblPresets->setBuddy(lstPresets);

    lblRecentPresets = new QLabel(QStringLiteral("&Loaded or saved last:"), this);
    lblRecentPresets->setObjectName(QStringLiteral("lblRecentPresets"));
    lstRecentPresets = new QListWidget(this);
    lstRecentPresets->setObjectName(QStringLiteral("lstRecentPresets"));
    lstRecentPresets->setAccessibleName(QStringLiteral("Loaded or saved last"));
    lblRecentPresets->setBuddy(lstRecentPresets);

    btnLoadPreset = make_button(this, "btnLoadPreset", QStringLiteral("L&oad"));
    btnRenamePreset = make_button(this, "btnRenamePreset", QStringLiteral("&Rename"));
    btnDeletePreset = make_button(this, "btnDeletePreset", QStringLiteral("&Delete"));
    btnClosePresetLibrary = make_button(this, "btnClosePresetLibrary", QStringLiteral("Close"));
    // Return in the filter loads the preset it leaves chosen.
    btnLoadPreset->setDefault(true);

    auto* filter_row = new QHBoxLayout;
    filter_row->addWidget(lblPresetFilter);
    filter_row->addWidget(edtPresetFilter, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnLoadPreset);
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
    resize(660, 460);

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
    connect(btnRenamePreset, &QPushButton::clicked, this,
            &TformPresetLibrary::btnRenamePresetClick);
    connect(btnDeletePreset, &QPushButton::clicked, this,
            &TformPresetLibrary::btnDeletePresetClick);
    connect(btnClosePresetLibrary, &QPushButton::clicked, this, &QDialog::close);
    // Presets saved from the main window, or changed by another program, show up at once.
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &TformPresetLibrary::refresh);
    lstPresets->installEventFilter(this);
    lstRecentPresets->installEventFilter(this);
    // The folder is read when the window shows, not here as well.
}

void TformPresetLibrary::refresh() {
    if (QFileInfo(m_folder).isDir() && !m_watcher.directories().contains(m_folder))
        m_watcher.addPath(m_folder);
    m_entries = list_presets(m_folder, m_catalogue);
    fill_presets();
    fill_recent();
}

void TformPresetLibrary::fill_presets() {
    const QString keep = selected_path();
    m_filling = true;
    lstPresets->clear();
    const QLocale locale;
    for (const PresetEntry& entry : std::as_const(m_entries)) {
        auto* item = new QTreeWidgetItem(lstPresets);
        item->setData(ColumnName, kPathRole, entry.path);
        item->setText(ColumnName, entry.name);
        item->setToolTip(ColumnName, QDir::toNativeSeparators(entry.path));
        item->setFlags(item->flags() | Qt::ItemIsEditable);
        if (entry.damaged()) {
            item->setText(ColumnEffect, latin1(kDamagedPreset).arg(entry.damage));
            item->setToolTip(ColumnEffect, entry.damage);
            QFont italic = item->font(ColumnEffect);
            italic.setItalic(true);
            item->setFont(ColumnEffect, italic);
        } else if (entry.effect_name.isEmpty()) {
            item->setText(ColumnEffect, latin1(kUnknownEffect).arg(entry.effect_number));
        } else {
            item->setText(ColumnEffect, entry.effect_name);
            item->setText(ColumnCategory, entry.category);
        }
        item->setText(ColumnDate, locale.toString(entry.modified, QLocale::ShortFormat));
        if (entry.path == keep)
            item->setSelected(true);
    }
    m_filling = false;
    edtPresetFilterChange(edtPresetFilter->text());
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
            item->setText(item->text() + QStringLiteral(" (no longer there)"));
    }
}

const PresetEntry* TformPresetLibrary::entry_of(const QTreeWidgetItem* item) const {
    if (!item)
        return nullptr;
    const QString path = item->data(ColumnName, kPathRole).toString();
    for (const PresetEntry& entry : m_entries)
        if (entry.path == path)
            return &entry;
    return nullptr;
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
        m_dialogs.message(QStringLiteral("The preset \"%1\" was not renamed: %2")
                              .arg(entry->name, renamed.error()));
        refresh();
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
    m_entries.clear(); // the rows are rebuilt; keep the renamed one chosen
    refresh();
    for (QTreeWidgetItem* row : visible_rows())
        if (row->data(ColumnName, kPathRole).toString() == *renamed)
            lstPresets->setCurrentItem(row);
    return true;
}

void TformPresetLibrary::btnDeletePresetClick() {
    const QList<QTreeWidgetItem*> selected = lstPresets->selectedItems();
    const PresetEntry* entry = selected.isEmpty() ? nullptr : entry_of(selected.first());
    if (!entry)
        return;
    if (m_dialogs.confirm(latin1(kConfirmDeletePreset).arg(entry->name)) != Dialogs::Answer::Yes)
        return;
    if (const Status deleted = delete_preset(entry->path); !deleted)
        m_dialogs.message(QStringLiteral("The preset \"%1\" was not deleted: %2")
                              .arg(entry->name, deleted.error()));
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
