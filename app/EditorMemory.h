#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QVariant>

#include <functional>

class QWidget;

namespace kx {

class Log;

inline constexpr char kMemoryFileName[] = "Editor.ini";

// Keys of what the editor remembers between runs.
namespace memory_key {
inline constexpr char kCategory[] = "Selection/Category";
inline constexpr char kEffect[] = "Selection/Effect";
inline constexpr char kMidiChannel[] = "Pedal/MidiChannel";
// The serial of the pedal chosen under Connection > Pedal.
inline constexpr char kChosenPedal[] = "Pedal/Chosen";
inline constexpr char kPresetFolder[] = "Folders/Presets";
inline constexpr char kWavFolder[] = "Folders/Wav";
// The language chosen in Settings > Language: a translation's code, empty for the system's.
inline constexpr char kLanguage[] = "Editor/Language";
} // namespace memory_key

// What the editor remembers from one run to the next (window places, the last category and
// effect, the MIDI channel, the last preset and WAV folders), in its own file beside the
// product's settings file: Documents/NORVA/Kestrel X/Editor.ini. The one-word settings files
// are never touched. A value that cannot be read is as if never stored; a failed write is
// logged and costs nothing but the memory. A file that is no regular file or far too long (a
// pipe would stop the editor in QSettings) is set aside once, with a notice, and the editor
// goes on with its defaults.
class EditorMemory {
public:
    explicit EditorMemory(Log* log = nullptr) : m_log(log) {}

    static QString file_path();
    // Called with the notice of a file set aside (for the status line).
    void set_notice_handler(std::function<void(const QString&)> handler) {
        m_notice = std::move(handler);
    }

    QVariant value(const char* key) const;
    QString text(const char* key) const { return value(key).toString(); }
    void set_value(const char* key, const QVariant& value);

    // A folder remembered under `key`, when it still exists; otherwise `fallback`.
    QString folder(const char* key, const QString& fallback) const;
    // Remembers the folder of `file_path`.
    void set_folder_of(const char* key, const QString& file_path);

    // The window's place under its object name; a place not whole on a screen is not restored.
    void remember_place(const QWidget& window);
    void restore_place(QWidget& window) const;

private:
    // The file's path once it is safe for QSettings to open; empty when there is none.
    QString usable_path() const;

    Log* m_log;
    std::function<void(const QString&)> m_notice;
    // The file could not be set aside: nothing is read or written for the rest of the run.
    mutable bool m_given_up = false;
};

// The top-left corner that shows `frame` whole on one of the `screens` (available areas): the
// screen it overlaps most, or else the first; a frame larger than its screen keeps its title
// bar on it.
QPoint keep_on_screen(const QRect& frame, const QList<QRect>& screens);

} // namespace kx
