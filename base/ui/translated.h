#pragma once

#include <QString>

class QObject;

namespace kx {

// Sets `property` of `object` ("text", "title", "windowTitle", "toolTip", "accessibleName",
// "statusTip", "placeholderText") to the translation of `source` (marked with QT_TRANSLATE_NOOP
// or QT_TR_NOOP in `context`), and again each time the language changes: a window's fixed
// captions follow a new language without being built again. `suffix` (a value after its
// caption, such as a version number) follows the translation as it is.
void set_translated(QObject* object, const char* property, const char* context, const char* source,
                    const QString& suffix = {});

// Sets `property` to a text that is no fixed caption (a pedal's answer, a status): a change of
// language leaves it as it is, until the editor shows the next one.
void set_untranslated(QObject* object, const char* property, const QString& text);

// Makes the texts given to set_translated follow a change of language: when a window hears
// QEvent::LanguageChange, its own texts and those of everything in it are translated again,
// before the window's changeEvent (which may fit its layout to them) runs. set_translated calls
// it; calling it again does nothing.
void install_retranslation();

} // namespace kx
