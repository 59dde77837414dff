// The version check and the update: once per run, one second after start-up, the main window
// asks the maker's server for the newest version, shows it in the Info menu and, when it is
// newer, offers the update.
#include "app/AppContext.h"
#include "app/Main.h"
#include "app/NewVersionMsg.h"
#include "base/dialogs.h"
#include "base/paths.h"
#include "base/translation.h"
#include "base/ui/translated.h"

#include <QAction>

namespace kx {

namespace {
constexpr char kNewVersionCaption[] = QT_TRANSLATE_NOOP("kx::TformMain", "New version available:");
constexpr char kNoUpdateAvailable[] = QT_TRANSLATE_NOOP("kx::TformMain", "No update available");
constexpr char kLogVersionCheckOff[] = "version check off";
constexpr char kLogVersionCheck[] = "version check: ";
constexpr char kMessageCheckOff[] = QT_TRANSLATE_NOOP(
    "kx::TformMain",
    "The version check is turned off for this run (the update server is \"off\").");
constexpr char kLogNoUpdateServer[] = "version check: no update server set for this build";
constexpr char kMessageNoUpdateServer[] = QT_TRANSLATE_NOOP(
    "kx::TformMain",
    "No update server is set for this build of the Kestrel X Editor, so it cannot check for "
    "updates. To check one, start the editor with KX_UPDATE_SERVER set to the server's address "
    "(for example KX_UPDATE_SERVER=https://updates.example.org ./run.sh).");
constexpr char kMessageNewer[] = QT_TRANSLATE_NOOP(
    "kx::TformMain", "Version %1 of the Kestrel X Editor is available (this is %2). "
                     "Help > Info > Update Now installs it.");
constexpr char kMessageNewest[] =
    QT_TRANSLATE_NOOP("kx::TformMain", "This is the newest version of the Kestrel X Editor (%1).");
} // namespace

void TformMain::checkmostrecentversiononwebsite() {
    // One check per run.
    TimerCheckWebVersion.stop();
    if (update_server() == QLatin1String(kUpdateServerOff)) {
        m_context.log.print_line(QLatin1String(kLogVersionCheckOff));
        if (m_check_on_purpose)
            m_context.dialogs.message(ui_text("kx::TformMain", kMessageCheckOff));
        m_check_on_purpose = false;
        return;
    }
    // The built-in address answers nowhere: a network error would say nothing useful.
    if (update_server_is_builtin()) {
        m_context.log.print_line(QLatin1String(kLogNoUpdateServer));
        if (m_check_on_purpose)
            m_context.dialogs.message(ui_text("kx::TformMain", kMessageNoUpdateServer));
        m_check_on_purpose = false;
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
    const bool on_purpose = m_check_on_purpose;
    m_check_on_purpose = false;
    if (!result.error.isEmpty()) {
        // The menu keeps its texts. The check at start-up is the editor's own idea: its
        // failure (an offline computer, most often) goes to the log only. One asked for in the
        // Help menu says what happened.
        m_context.log.print_line(QLatin1String(kLogVersionCheck) + result.error);
        if (on_purpose)
            m_context.dialogs.message(result.error);
        return;
    }
    web_version = result.web_version;
    m_context.log.print_line(QLatin1String(kLogVersionCheck) + web_version);
    set_translated(menuNewAppVersion, "text", "kx::TformMain", kNewVersionCaption,
                   QLatin1Char(' ') + web_version);
    if (result.newer) {
        if (m_context.show_update_message && !on_purpose && m_windows.formNewVersionMsg)
            m_windows.formNewVersionMsg->show();
        menuUpdateNow->setEnabled(true);
    } else {
        set_translated(menuNewAppVersion, "text", "kx::TformMain", kNoUpdateAvailable);
        menuUpdateNow->setEnabled(false);
    }
    if (on_purpose)
        m_context.dialogs.message(
            result.newer ? ui_text("kx::TformMain", kMessageNewer).arg(web_version, own_version)
                         : ui_text("kx::TformMain", kMessageNewest).arg(own_version));
}

void TformMain::menuCheckForUpdatesClick() {
    m_check_on_purpose = true;
    // A check already on its way answers this one too.
    if (m_version_client && m_version_client->running())
        return;
    checkmostrecentversiononwebsite();
}

void TformMain::menuUpdateNowClick() {
    // The same hand-over as the New Version window's "Update Now".
    if (m_windows.formNewVersionMsg)
        m_windows.formNewVersionMsg->btnLaunchUpdateClick();
}

} // namespace kx
