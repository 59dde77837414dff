#include "app/AppContext.h"

#include "link/hotplug/pedal_watcher.h"

#include <QDesktopServices>

namespace kx {

AppContext::AppContext(Dialogs& dialogs_, Clock& clock_)
    : dialogs(dialogs_), clock(clock_), store(dialogs_),
      url_opener([](const QUrl& url) { QDesktopServices::openUrl(url); }) {}

AppContext::~AppContext() = default;

} // namespace kx
