#pragma once

#include "app/CommandLine.h"
#include "app/PedalLink.h"
#include "base/log.h"
#include "library/resource_store.h"
#include "app/selection.h"

#include <QUrl>

#include <functional>

namespace kx {

class Clock;
class Dialogs;
class PedalWatcher;

// Hands every line to the log console once it exists. Lines written before that (the main
// window's start-up) go nowhere, as the console is created after the main window.
class ForwardingLog : public Log {
public:
    void set_target(Log* target) { m_target = target; }
    Log* target() const { return m_target; }
    void print_line(const QString& text) override {
        if (m_target)
            m_target->print_line(text);
    }
    void append_line(const QString& text) override {
        if (m_target)
            m_target->append_line(text);
    }

private:
    Log* m_target = nullptr;
};

// The application shell's state, created once at start-up and handed by reference to the
// windows. Tests build it with scripted dialogs, an instant clock and a temporary Documents
// folder.
class AppContext {
public:
    AppContext(Dialogs& dialogs, Clock& clock);
    ~AppContext();

    Dialogs& dialogs;
    Clock& clock;
    ResourceStore store;
    ForwardingLog log;
    SelectionState selection;
    LinkOptions link_options;
    // Made from link_options when the main window is created, unless set before (tests).
    std::unique_ptr<PedalLink> link;
    // Made from link_options when the main window is created, unless set before (tests).
    std::unique_ptr<PedalWatcher> watcher;
    bool show_update_message = true;
    // Opens a web address with the desktop's default handler; tests record instead.
    std::function<void(const QUrl&)> url_opener;
};

} // namespace kx
