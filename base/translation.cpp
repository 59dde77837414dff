#include "base/translation.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kx {

QString translation_for(const QStringList& ui_languages) {
    for (QString wanted : ui_languages) {
        wanted.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString language = wanted.section(QLatin1Char('_'), 0, 0);
        // English is the source: a user who puts it first gets it, not a later choice.
        if (language == QLatin1String("en") || language == QLatin1String("C"))
            return {};
        for (const Language& known : kLanguages) {
            const QString code = QLatin1String(known.code);
            // A translation for a region serves the language's other regions as well:
            // Portuguese readers outside Brazil read Brazilian Portuguese more easily than English.
            if (wanted == code || language == code.section(QLatin1Char('_'), 0, 0))
                return code;
        }
    }
    return {};
}

QString load_language(const QString& code) {
    // Owned by the application, so that they live as long as it and go with it.
    static QTranslator* editor = nullptr;
    static QTranslator* qt = nullptr;
    auto* app = QCoreApplication::instance();
    for (QTranslator** translator : {&editor, &qt}) {
        if (*translator) {
            QCoreApplication::removeTranslator(*translator);
            delete *translator;
            *translator = nullptr;
        }
    }
    const QString chosen = code.isEmpty() ? translation_for(QLocale::system().uiLanguages()) : code;
    if (chosen.isEmpty() || !app)
        return {};
    editor = new QTranslator(app);
    if (!editor->load(QStringLiteral(":/i18n/kestrel-x-editor_") + chosen)) {
        delete editor;
        editor = nullptr;
        return {};
    }
    QCoreApplication::installTranslator(editor);
    // Qt's own texts, from the system's Qt translations; without them they stay English.
    qt = new QTranslator(app);
    if (qt->load(QStringLiteral("qtbase_") + chosen,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else {
        delete qt;
        qt = nullptr;
    }
    return chosen;
}

} // namespace kx
