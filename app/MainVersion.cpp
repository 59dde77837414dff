// The version check and the update: once per run, one second after start-up, the main window
// asks the maker's server for the newest version, shows it in the Info menu and, when it is
// newer, offers the update.
#include "app/AppContext.h"
#include "app/Main.h"
#include "app/NewVersionMsg.h"
#include "base/dialogs.h"
#include "base/paths.h"

#include <QAction>

namespace kx {

namespace {
constexpr char kNewVersionCaption[] = "New version available:";
constexpr char kNoUpdateAvailable[] = "No update available";
constexpr char kLogVersionCheckOff[] = "version check off";
constexpr char kLogVersionCheck[] = "version check: ";
} // namespace

void TformMain::checkmostrecentversiononwebsite() {
    // One check per run.
    TimerCheckWebVersion.stop();
    if (update_server() == QLatin1String(kUpdateServerOff)) {
        m_context.log.print_line(QLatin1String(kLogVersionCheckOff));
        return;
    }
    if (!m_version_client) {
        m_version_client = new VersionClient(this);
        connect(m_version_client, &VersionClient::finished, this, &TformMain::WebRequestCompleted);
    }
    // The answer comes through the event loop: the windows keep working meanwhile.
    m_version_client->send(NetHTTPRequest1);
}

void TformMain::WebRequestCompleted(const VersionReply& AResponse) {
    const VersionCheckResult result = evaluate_version_reply(AResponse, own_version);
    if (!result.error.isEmpty()) {
        // The menu keeps its texts; the check is not repeated in this run.
        m_context.log.print_line(QLatin1String(kLogVersionCheck) + result.error);
        if (result.unreachable)
            show_status_text(result.error);
        else
            m_context.dialogs.message(result.error);
        return;
    }
    web_version = result.web_version;
    m_context.log.print_line(QLatin1String(kLogVersionCheck) + web_version);
    menuNewAppVersion->setText(QLatin1String(kNewVersionCaption) + QLatin1Char(' ') + web_version);
    if (result.newer) {
        if (m_context.show_update_message && m_windows.formNewVersionMsg)
            m_windows.formNewVersionMsg->show();
        menuUpdateNow->setEnabled(true);
    } else {
        menuNewAppVersion->setText(QLatin1String(kNoUpdateAvailable));
        menuUpdateNow->setEnabled(false);
    }
}

void TformMain::menuUpdateNowClick() {
    // The same hand-over as the New Version window's "Update Now".
    if (m_windows.formNewVersionMsg)
        m_windows.formNewVersionMsg->btnLaunchUpdateClick();
}

} // namespace kx
