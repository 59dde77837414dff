#include "app/guide_places.h"

namespace kx {

namespace {

struct GuidePlace {
    const char* window;
    const char* page; // file#anchor under kGuideRoot
};

// One row for each window of the editor.
constexpr GuidePlace kGuidePlaces[] = {
    {"formMain", "effects.md"},
    {"formFXInfo", "effects.md#the-information-page"},
    {"formFXParameters", "editing.md"},
    {"formAssignmentMap", "assignments.md#the-assignment-map"},
    {"formPresetLibrary", "presets.md#the-preset-library"},
    {"formImpulseResponse", "impulse-responses.md"},
    {"formFirmwareUpgrade", "firmware.md"},
    {"formConnectionDoctor", "connection-doctor.md"},
    {"formPrint", "connection-doctor.md#the-log-console"},
    {"formNewVersionMsg", "README.md#updates"},
    {"formAbout", "README.md#updates"},
};

} // namespace

QUrl guide_place(const QString& window_name) {
    QString page = QString::fromLatin1(kGuideContents);
    for (const GuidePlace& place : kGuidePlaces)
        if (window_name == QLatin1String(place.window))
            page = QString::fromLatin1(place.page);
    return QUrl(QString::fromLatin1(kGuideRoot) + page);
}

QString heading_anchor(const QString& heading) {
    QString anchor;
    for (const QChar c : heading.trimmed().toLower()) {
        if (c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_'))
            anchor += c;
        else if (c == QLatin1Char(' '))
            anchor += QLatin1Char('-');
    }
    return anchor;
}

} // namespace kx
