#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;

namespace kx {

class AppContext;

inline constexpr char kVersionPagePath[] = "/download/kestrelx/kestrel-x-version.php";
inline constexpr char kWhatsNewPagePath[] = "/download/updatekestrelx/whatsnew.html";
inline constexpr char kContactPagePath[] = "/contact-us/";

// The editor's own version, major.minor, from the build's project version.
QString get_app_version();

// A page of the maker's web server.
QUrl maker_page(const char* path);

// Opens a web address with the desktop's default handler; the result is ignored.
void open_in_browser(AppContext& context, const QUrl& address);

// The version check's request, prepared at start-up and sent by the check.
struct VersionRequest {
    QByteArray method;
    QUrl url;
};
VersionRequest prepare_version_request();

// Tells the user that the maker's server offers a newer editor.
class TformNewVersionMsg : public QWidget {
    Q_OBJECT
public:
    explicit TformNewVersionMsg(AppContext& context, QWidget* parent = nullptr);

    QLabel* Label1;
    QPushButton* btnLaunchUpdate;
    QPushButton* btnSeeWhatsNew;
    QCheckBox* CheckBox1;

public slots:
    void btnSeeWhatsNewClick();
    void CheckBox1Change();

private:
    AppContext& m_context;
};

} // namespace kx
