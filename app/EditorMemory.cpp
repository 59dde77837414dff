#include "app/EditorMemory.h"

#include "app/Settings.h"
#include "base/log.h"
#include "base/outside_file.h"
#include "base/paths.h"
#include "base/translation.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include <algorithm>

namespace kx {

namespace {

constexpr char kPlaceGroup[] = "Windows/";
constexpr char kLogNotRemembered[] = "Could not remember the editor's settings in %1.";
constexpr char kSetAside[] = QT_TRANSLATE_NOOP(
    "kx::TformMain",
    "The editor's settings were not read: %1 The file is set aside as %2; the defaults are used.");
constexpr char kNotSetAside[] = QT_TRANSLATE_NOOP(
    "kx::TformMain", "The editor's settings were not read: %1 It could not be set "
                     "aside (%2); the defaults are used and nothing is remembered.");
// Window places and a few names: far below this.
constexpr FileFormat kMemoryFormat{"the editor's settings file", 1024 * 1024};

QString place_key(const QWidget& window) {
    return QLatin1String(kPlaceGroup) + window.objectName();
}

} // namespace

QString EditorMemory::file_path() {
    const QString documents = documents_folder();
    if (documents.isEmpty())
        return {};
    return QDir::cleanPath(documents + QLatin1Char('/') + QLatin1String(kMakerFolder) +
                           QLatin1Char('/') + QLatin1String(kProductFolder) + QLatin1Char('/') +
                           QLatin1String(kMemoryFileName));
}

QString EditorMemory::usable_path() const {
    if (m_given_up)
        return {};
    const QString path = file_path();
    if (path.isEmpty())
        return {};
    // Checked before every QSettings, which opens and reads the file as it is, pipe or not.
    const Status usable = check_outside_file(path, kMemoryFormat);
    if (usable)
        return path;
    const Result<QString> aside = set_aside_file(path);
    QString notice;
    if (aside) {
        notice = ui_text("kx::TformMain", kSetAside)
                     .arg(usable.error(), QDir::toNativeSeparators(*aside));
    } else {
        m_given_up = true;
        notice = ui_text("kx::TformMain", kNotSetAside).arg(usable.error(), aside.error());
    }
    if (m_log)
        m_log->print_line(notice);
    if (m_notice)
        m_notice(notice);
    return aside ? path : QString();
}

QVariant EditorMemory::value(const char* key) const {
    const QString path = usable_path();
    if (path.isEmpty() || !QFileInfo::exists(path))
        return {};
    const QSettings settings(path, QSettings::IniFormat);
    return settings.value(QLatin1String(key));
}

void EditorMemory::set_value(const char* key, const QVariant& value) {
    const QString path = usable_path();
    if (path.isEmpty())
        return;
    QDir().mkpath(QFileInfo(path).path());
    QSettings settings(path, QSettings::IniFormat);
    settings.setValue(QLatin1String(key), value);
    settings.sync();
    if (settings.status() != QSettings::NoError && m_log)
        m_log->print_line(
            QString::fromLatin1(kLogNotRemembered).arg(QDir::toNativeSeparators(path)));
}

QString EditorMemory::folder(const char* key, const QString& fallback) const {
    const QString remembered = text(key);
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir())
        return remembered;
    return fallback;
}

void EditorMemory::set_folder_of(const char* key, const QString& file_path) {
    if (!file_path.isEmpty())
        set_value(key, QFileInfo(file_path).absolutePath());
}

void EditorMemory::remember_place(const QWidget& window) {
    const QString path = usable_path();
    if (path.isEmpty() || window.objectName().isEmpty())
        return;
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    QDir().mkpath(QFileInfo(path).path());
    QSettings settings(path, QSettings::IniFormat);
    // The frame's corner, whole on a screen: a title bar above the screen is never kept.
    settings.setValue(place_key(window), keep_on_screen(window.frameGeometry(), screens));
    settings.sync();
}

void EditorMemory::restore_place(QWidget& window) const {
    const QString path = usable_path();
    if (path.isEmpty() || !QFileInfo::exists(path))
        return;
    const QSettings settings(path, QSettings::IniFormat);
    const QVariant stored = settings.value(place_key(window));
    // A hand-edited or damaged entry is no place.
    if (stored.typeId() != QMetaType::QPoint)
        return;
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    if (screens.isEmpty())
        return;
    // A place off every screen (a screen since unplugged, a title bar above the top) is not
    // used: the window opens where it would on a first run.
    const QRect frame(stored.toPoint(), window.frameGeometry().size());
    if (keep_on_screen(frame, screens) != frame.topLeft())
        return;
    window.move(frame.topLeft());
}

QPoint keep_on_screen(const QRect& frame, const QList<QRect>& screens) {
    if (screens.isEmpty())
        return frame.topLeft();
    QRect screen = screens.first();
    qint64 best = -1;
    for (const QRect& candidate : screens) {
        const QRect overlap = candidate.intersected(frame);
        const qint64 area = overlap.isEmpty() ? 0 : qint64(overlap.width()) * overlap.height();
        if (area > best) {
            best = area;
            screen = candidate;
        }
    }
    const int x = std::clamp(frame.x(), screen.left(),
                             std::max(screen.left(), screen.right() + 1 - frame.width()));
    const int y = std::clamp(frame.y(), screen.top(),
                             std::max(screen.top(), screen.bottom() + 1 - frame.height()));
    return {x, y};
}

} // namespace kx
