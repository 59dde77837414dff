#pragma once

#include "app/version_client.h"
#include "base/result.h"
#include "base/translation.h"

#include <QString>
#include <QUrl>
#include <QWidget>

#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;

namespace kx {

class AppContext;

inline constexpr char kVersionPagePath[] = "/download/kestrelx/kestrel-x-version.php";
inline constexpr char kWhatsNewPagePath[] = "/download/updatekestrelx/whatsnew.html";
inline constexpr char kContactPagePath[] = "/contact-us/";
// The update server "off" (KX_UPDATE_SERVER=off) turns the version check off: for machines
// that must not reach the network, such as test runs.
inline constexpr char kUpdateServerOff[] = "off";
// The updater program the editor hands over to, looked for beside the editor.
inline constexpr char kUpdaterProgram[] = "kestrel-x-updater";
// The package the updater installs, in the folder for temporary files.
inline constexpr char kUpdatePackageName[] = "kestrel-x-editor-update";
inline constexpr char kConfirmUpdate[] = QT_TRANSLATE_NOOP(
    "kx::TformNewVersionMsg",
    "This action will update the Kestrel X Editor to the latest version. Do you want to "
    "continue?");
inline constexpr char kFailedToLaunchUpdater[] =
    QT_TRANSLATE_NOOP("kx::TformNewVersionMsg", "Failed to launch updater: ");
inline constexpr char kUpdateThroughPackages[] = QT_TRANSLATE_NOOP(
    "kx::TformNewVersionMsg",
    "The Kestrel X Editor is updated through your system's packages, or by downloading the new "
    "version from the maker's site. The page that has just opened tells what is new.");
inline constexpr char kLogUpdaterStarted[] = "updater started: ";

// The editor's own version, major.minor, from the build's project version.
QString get_app_version();

// A page of the maker's web server.
QUrl maker_page(const char* path);

// Opens a web address with the desktop's default handler; the result is ignored.
void open_in_browser(AppContext& context, const QUrl& address);

VersionRequest prepare_version_request();

// The update package's path: the package name in the temporary folder, symbolic links
// resolved.
QString update_package_path();

// Starts the updater with exactly two arguments, the package path and the editor path, as a
// program of its own (no shell reads them). The error gives the system's reason.
Status launch_updater(const QString& updater, const QString& package, const QString& editor);

// Tells the user that the maker's server offers a newer editor, and hands over to the updater.
class TformNewVersionMsg : public QWidget {
    Q_OBJECT
public:
    explicit TformNewVersionMsg(AppContext& context, QWidget* parent = nullptr);

    QLabel* Label1;
    QPushButton* btnLaunchUpdate;
    QPushButton* btnSeeWhatsNew;
    QCheckBox* CheckBox1;

    // Where the updater is looked for: the running editor's folder. Tests point it elsewhere.
    QString updater_folder;
    // The running editor's path, which the updater replaces.
    QString editor_path;
    // Ends the run once the updater has started; tests record the call instead.
    std::function<void()> end_editor;

public slots:
    // With an updater beside the editor: asks, starts it and ends the editor. Without one
    // (the editor came from a package), opens the what's-new page and says where updates
    // come from.
    void btnLaunchUpdateClick();
    void btnSeeWhatsNewClick();
    void CheckBox1Change();

protected:
    void showEvent(QShowEvent* event) override;
    // Another language brings other lengths of text: the window fits them again.
    void changeEvent(QEvent* event) override;

private:
    // Widens the controls (and the window) where the font and the look need more room than
    // the designed pixels give, keeping each control centred where it was designed.
    void fit_to_text();

    AppContext& m_context;
};

} // namespace kx
