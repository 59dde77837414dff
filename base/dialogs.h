#pragma once

#include <QString>
#include <QStringList>

namespace kx {

// Every message box, confirmation and file dialog of the editor goes through this interface,
// so that tests can script the answers instead of blocking on a modal box.
class Dialogs {
public:
    enum class Answer { Yes, No, Closed };

    virtual ~Dialogs() = default;

    // A modal box with an OK button.
    virtual void message(const QString& text) = 0;
    // A modal box with Yes and No buttons. Closing it otherwise gives Closed.
    virtual Answer confirm(const QString& text) = 0;
    // A modal box with one button for each of `choices`, the last of which is the one Escape
    // and closing the box give. Returns the index of the button chosen. Dialogs without a
    // user choose the last.
    virtual int choose(const QString& text, const QStringList& choices) {
        (void)text;
        return int(choices.size()) - 1;
    }
    // File dialogs; an empty result means the user cancelled.
    virtual QString open_file(const QString& caption, const QString& filter,
                              const QString& folder) = 0;
    virtual QString save_file(const QString& caption, const QString& filter,
                              const QString& folder) = 0;
};

} // namespace kx
