#include "app/Settings.h"

#include "base/dialogs.h"
#include "base/outside_file.h"
#include "base/paths.h"
#include "base/save_file.h"
#include "base/translation.h"
#include "library/resource_store.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <filesystem>
#include <system_error>

namespace kx {

namespace {

constexpr char kNoDocumentsFolder[] =
    QT_TRANSLATE_NOOP("kx::TformMain", "the Documents folder cannot be found");
constexpr char kLookNotNumber[] = QT_TRANSLATE_NOOP(
    "kx::TformMain",
    "Error: the look file %1 holds \"%2\", which is not a whole number; look 0 is used.");
constexpr char kLookPrefix[] = "Style_";
// Each settings file holds one word or number; a little room is left for what a text editor adds.
constexpr FileFormat kSettingFormat{"a settings file", 1024};

QString documents_path(const QString& relative) {
    const QString documents = documents_folder();
    if (documents.isEmpty())
        return QString();
    return QDir::cleanPath(documents + QLatin1Char('/') + relative);
}

QString product_relative() {
    return QLatin1String(kMakerFolder) + QLatin1Char('/') + QLatin1String(kProductFolder);
}

// Empty on success, otherwise the system's words for the failure.
QString make_folder(const QString& relative) {
    const QString path = documents_path(relative);
    if (path.isEmpty())
        return ui_text("kx::TformMain", kNoDocumentsFolder);
    std::error_code error;
    const std::filesystem::path native(path.toStdString());
    std::filesystem::create_directories(native, error);
    if (!error && !std::filesystem::is_directory(native, error))
        error = std::make_error_code(std::errc::not_a_directory);
    if (error)
        return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path),
                                            QString::fromStdString(error.message()));
    return QString();
}

} // namespace

QString look_file_path() {
    return documents_path(QLatin1String(kMakerFolder) + QLatin1Char('/') +
                          QLatin1String(kLookFileName));
}

QString update_message_file_path() {
    return documents_path(product_relative() + QLatin1Char('/') +
                          QLatin1String(kUpdateMessageFileName));
}

bool create_folder(Dialogs& dialogs, const QString& name) {
    const QString error = make_folder(name);
    if (!error.isEmpty())
        dialogs.message(ui_text("kx::TformMain", kErrorCreatingFolder) + error);
    return error.isEmpty();
}

bool create_subfolder(Dialogs& dialogs, const QString& name, const QString& subfolder) {
    const QString error = make_folder(name + QLatin1Char('/') + subfolder);
    if (!error.isEmpty())
        dialogs.message(ui_text("kx::TformMain", kErrorCreatingSubfolder) + error);
    return error.isEmpty();
}

bool write_setting(Dialogs& dialogs, const QString& path, const QString& word) {
    const Status written = path.isEmpty()
                               ? Status(Error{ui_text("kx::TformMain", kNoDocumentsFolder)})
                               : save_file_atomically(path, word.toUtf8());
    if (!written) {
        dialogs.message(ui_text("kx::TformMain", kErrorSavingFile) +
                        QDir::toNativeSeparators(path) + QStringLiteral(": ") + written.error());
        return false;
    }
    return true;
}

void read_update_message_setting(Dialogs& dialogs, bool& show_update_message) {
    const QString path = update_message_file_path();
    if (path.isEmpty())
        return;
    if (!QFile::exists(path)) {
        write_setting(dialogs, path, QLatin1String(kYes));
        return;
    }
    const auto content = read_outside_file(path, kSettingFormat);
    if (!content) {
        dialogs.message(ui_text("kx::TformMain", kErrorLoadingFile) + content.error());
        return;
    }
    if (*content == kYes)
        show_update_message = true;
    else if (*content == kNo)
        show_update_message = false;
}

void store_update_message_choice(Dialogs& dialogs, bool show) {
    const QString path = update_message_file_path();
    // A file deleted during the run is not made again: only start-up creates it.
    if (path.isEmpty() || !QFile::exists(path))
        return;
    write_setting(dialogs, path, QLatin1String(show ? kYes : kNo));
}

std::optional<int> stored_look(Dialogs& dialogs) {
    const QString path = look_file_path();
    if (path.isEmpty() || !QFile::exists(path))
        return 0;
    const auto bytes = read_outside_file(path, kSettingFormat);
    if (!bytes) {
        dialogs.message(ui_text("kx::TformMain", kErrorLoadingFile) + bytes.error());
        return std::nullopt;
    }
    const QString content = QString::fromUtf8(*bytes);
    // A line break after the number (as a text editor may add) does not make it unreadable.
    const QString trimmed = content.trimmed();
    bool ok = false;
    const int number = trimmed.toInt(&ok, 10);
    if (!ok) {
        dialogs.message(ui_text("kx::TformMain", kLookNotNumber)
                            .arg(QDir::toNativeSeparators(path), content.left(40)));
        return std::nullopt;
    }
    return number;
}

bool apply_look(const ResourceStore& store, int number) {
    const auto sheet = store.raw(QLatin1String(kLookPrefix) + QString::number(number));
    if (!sheet || !qApp)
        return false;
    qApp->setStyleSheet(QString::fromUtf8(*sheet));
    return true;
}

std::optional<int> restore_look(Dialogs& dialogs, const ResourceStore& store) {
    const int number = stored_look(dialogs).value_or(0);
    if (!apply_look(store, number))
        return std::nullopt;
    return number;
}

bool choose_look(Dialogs& dialogs, const ResourceStore& store, int number) {
    const bool applied = apply_look(store, number);
    write_setting(dialogs, look_file_path(), QString::number(number));
    return applied;
}

} // namespace kx
