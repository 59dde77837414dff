#pragma once

#include "base/translation.h"
#include <QString>

#include <optional>

namespace kx {

class Dialogs;
class ResourceStore;

inline constexpr char kErrorCreatingFolder[] =
    QT_TRANSLATE_NOOP("kx::TformMain", "Error creating folder: ");
inline constexpr char kErrorCreatingSubfolder[] =
    QT_TRANSLATE_NOOP("kx::TformMain", "Error creating subfolder: ");
inline constexpr char kErrorSavingFile[] =
    QT_TRANSLATE_NOOP("kx::TformMain", "Error saving file: ");
inline constexpr char kErrorLoadingFile[] =
    QT_TRANSLATE_NOOP("kx::TformMain", "Error loading file: ");
inline constexpr char kMakerFolder[] = "NORVA";
inline constexpr char kProductFolder[] = "Kestrel X";
inline constexpr char kLookFileName[] = "style.txt";
inline constexpr char kUpdateMessageFileName[] = "ShowMessageVersionAtStartup.txt";
inline constexpr char kYes[] = "YES";
inline constexpr char kNo[] = "NO";
inline constexpr int kLookMenuCount = 7; // looks 0..6 are offered; 7 only through the file
// The Look menu's items, by look number: background, then accent.
inline constexpr const char* kLookNames[kLookMenuCount] = {
    QT_TRANSLATE_NOOP("kx::TformMain", "Dark &Red"),
    QT_TRANSLATE_NOOP("kx::TformMain", "Dark &Orange"),
    QT_TRANSLATE_NOOP("kx::TformMain", "Dark &Turquoise"),
    QT_TRANSLATE_NOOP("kx::TformMain", "Dark &Blue"),
    QT_TRANSLATE_NOOP("kx::TformMain", "&Grey Orange"),
    QT_TRANSLATE_NOOP("kx::TformMain", "Grey Go&ld"),
    QT_TRANSLATE_NOOP("kx::TformMain", "Light &Cyan")};

// The two one-word settings files under the user's Documents folder. Each path is empty
// when the Documents folder cannot be found.
QString look_file_path();
QString update_message_file_path();

// Makes Documents/name (and any missing parent) unless it exists; reports a failure.
bool create_folder(Dialogs& dialogs, const QString& name);
bool create_subfolder(Dialogs& dialogs, const QString& name, const QString& subfolder);

// Writes one word, UTF-8 without byte-order mark or line break, replacing the content as a
// whole: a failed write leaves the old word. A failure is reported with "Error saving file: ".
bool write_setting(Dialogs& dialogs, const QString& path, const QString& word);

// Creates the start-up message file with "YES" when missing; otherwise "YES" or "NO", exactly,
// set `show_update_message` and anything else leaves it.
void read_update_message_setting(Dialogs& dialogs, bool& show_update_message);

// Stores the start-up message choice, but only into a file that exists.
void store_update_message_choice(Dialogs& dialogs, bool show);

// The look number in the look file: 0 when there is no file; nothing (after reporting the
// error) when the file cannot be read or does not hold a whole number.
std::optional<int> stored_look(Dialogs& dialogs);

// Makes the look "Style_<number>" the look of every window at once. A number without a theme
// in the store leaves the current look; returns whether a look was applied.
bool apply_look(const ResourceStore& store, int number);

// Applies the stored look; look 0 when the file is missing or unusable. Returns the look
// applied, or nothing when the number has no theme.
std::optional<int> restore_look(Dialogs& dialogs, const ResourceStore& store);

// Applies look `number` and stores it in the look file; returns whether it was applied.
bool choose_look(Dialogs& dialogs, const ResourceStore& store, int number);

} // namespace kx
