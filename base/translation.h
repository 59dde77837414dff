#pragma once

#include <QCoreApplication>
#include <QString>

namespace kx {

// Shown texts are written in English, marked with QT_TRANSLATE_NOOP(context, text) where they
// stand (or tr() in a QObject class), and translated where they are shown: the English text is
// the key of its translations. Each folder has its own context ("Link", "Session", ...); log
// lines, file contents and bytes on the wire keep the English text and are never translated.
inline QString ui_text(const char* context, const char* source) {
    return QCoreApplication::translate(context, source);
}

// A language the editor is translated into: its code (the .ts file's suffix) and its name in
// itself, as a menu lists it.
struct Language {
    const char* code;
    const char* own_name;
};
inline constexpr Language kLanguages[] = {
    {"de", "Deutsch"},
    {"fr", "Fran\u00e7ais"},
    {"it", "Italiano"},
    {"es", "Espa\u00f1ol"},
    {"pt_BR", "Portugu\u00eas (Brasil)"},
    {"ja", "\u65e5\u672c\u8a9e"},
};

// Shows the editor's texts, and Qt's own (standard buttons, file dialogs), in `code` (one of
// kLanguages), or in the system's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) when `code` is
// empty; English where no translation exists. Replaces the languages loaded before; windows
// that are open hear of it through QEvent::LanguageChange. Returns the code of the editor's
// translation that was loaded, empty for English.
QString load_language(const QString& code);

// The translation that matches `locale`'s languages, empty when none does (English).
QString translation_for(const QStringList& ui_languages);

} // namespace kx
