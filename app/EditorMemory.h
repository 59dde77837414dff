#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QVariant>

class QWidget;

namespace kx {

class Log;

inline constexpr char kMemoryFileName[] = "Editor.ini";

// Keys of what the editor remembers between runs.
namespace memory_key {
inline constexpr char kCategory[] = "Selection/Category";
inline constexpr char kEffect[] = "Selection/Effect";
inline constexpr char kMidiChannel[] = "Pedal/MidiChannel";
inline constexpr char kPresetFolder[] = "Folders/Presets";
inline constexpr char kWavFolder[] = "Folders/Wav";
} // namespace memory_key

// What the editor remembers from one run to the next (window places, the last category and
// effect, the MIDI channel, the last preset and WAV folders), in its own file beside the
// product's settings file: Documents/NORVA/Kestrel X/Editor.ini. The one-word settings files
// are never touched. A value that cannot be read is as if never stored; a failed write is
// logged and costs nothing but the memory.
class EditorMemory {
public:
    explicit EditorMemory(Log* log = nullptr) : m_log(log) {}

    static QString file_path();

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
    Log* m_log;
};

// The top-left corner that shows `frame` whole on one of the `screens` (available areas): the
// screen it overlaps most, or else the first; a frame larger than its screen keeps its title
// bar on it.
QPoint keep_on_screen(const QRect& frame, const QList<QRect>& screens);

} // namespace kx
