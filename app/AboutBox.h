#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTextBrowser;

namespace kx {

// "About Kestrel X Editor": the version, the build date, the Qt version and the licenses of
// the libraries the editor links or loads.
class TformAbout : public QDialog {
    Q_OBJECT
public:
    explicit TformAbout(QWidget* parent = nullptr);

    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblLibraries;
    QTextBrowser* memoLicenses;
    QPushButton* btnClose;
};

// The licenses as the About box lists them, one library a row (HTML).
QString licenses_html();

} // namespace kx
