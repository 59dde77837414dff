#include "base/ui/translated.h"

#include <QCoreApplication>
#include <QEvent>
#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace kx {

namespace {

constexpr char kTranslatedProperties[] = "kx_translated";
// Between the parts of an entry: a character no text holds.
constexpr QChar kSeparator(0x1F);

// Each property's context, source and suffix, as one list of entries, each its
// parts joined by kSeparator.
void translate_again(QObject* object) {
    const QStringList entries = object->property(kTranslatedProperties).toStringList();
    for (const QString& entry : entries) {
        const QStringList parts = entry.split(kSeparator);
        if (parts.size() != 4)
            continue;
        object->setProperty(parts[0].toLatin1().constData(),
                            QCoreApplication::translate(parts[1].toUtf8().constData(),
                                                        parts[2].toUtf8().constData()) +
                                parts[3]);
    }
}

class Retranslator : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::LanguageChange && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            translate_again(watched);
            for (QObject* child : watched->findChildren<QObject*>())
                translate_again(child);
        }
        return false;
    }
};

QStringList without(QObject* object, const QString& name) {
    QStringList entries = object->property(kTranslatedProperties).toStringList();
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [&](const QString& entry) {
                                     return entry.section(kSeparator, 0, 0) == name;
                                 }),
                  entries.end());
    return entries;
}

} // namespace

void set_translated(QObject* object, const char* property, const char* context, const char* source,
                    const QString& suffix) {
    const QString name = QLatin1String(property);
    QStringList entries = without(object, name);
    QString kept_suffix = suffix;
    kept_suffix.remove(kSeparator);
    entries << name + kSeparator + QString::fromUtf8(context) + kSeparator +
                   QString::fromUtf8(source) + kSeparator + kept_suffix;
    object->setProperty(kTranslatedProperties, entries);
    object->setProperty(property, QCoreApplication::translate(context, source) + suffix);
    install_retranslation(); // a window with such a text follows the language from now on
}

void set_untranslated(QObject* object, const char* property, const QString& text) {
    object->setProperty(kTranslatedProperties, without(object, QLatin1String(property)));
    object->setProperty(property, text);
}

void install_retranslation() {
    static Retranslator* installed = nullptr;
    if (installed || !QCoreApplication::instance())
        return;
    installed = new Retranslator(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(installed);
}

} // namespace kx
