#include "app/AboutBox.h"

#include "app/NewVersionMsg.h"
#include "app/linked_libraries.h"
#include "base/ui/accessibility.h"
#include "base/ui/translated.h"
#include "kx_build_info.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace kx {

namespace {
constexpr int kWidth = 620;
constexpr int kHeight = 520;
} // namespace

QString licenses_html() {
    QString rows;
    for (const LinkedLibrary& library : linked_libraries())
        rows += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td><td>%3</td><td>%4</td></tr>")
                    .arg(library.name.toHtmlEscaped(), library.use.toHtmlEscaped(),
                         library.license.toHtmlEscaped(),
                         QStringLiteral("/usr/share/doc/%1/copyright").arg(library.package));
    return QStringLiteral("<table cellpadding=\"3\"><tr><th align=\"left\">%1</th>"
                          "<th align=\"left\">%2</th><th align=\"left\">%3</th>"
                          "<th align=\"left\">%4</th></tr>%5</table><p>%6</p>")
        .arg(TformAbout::tr("Library"), TformAbout::tr("Used for"), TformAbout::tr("License"),
             TformAbout::tr("Copyright file"), rows,
             TformAbout::tr("The license texts named here are in /usr/share/common-licenses. "
                            "The system libraries that these load in turn (fonts, images, the "
                            "audio codecs of libsndfile) come with your system, each with its "
                            "own copyright file."));
}

TformAbout::TformAbout(QWidget* parent)
    : QDialog(parent), lblTitle(new QLabel(this)), lblVersion(new QLabel(this)),
      lblLibraries(new QLabel(this)), memoLicenses(new QTextBrowser(this)),
      btnClose(new QPushButton(this)) {
    setObjectName(QStringLiteral("formAbout"));
    // The captions follow a change of language.
    set_translated(this, "windowTitle", "kx::TformAbout",
                   QT_TRANSLATE_NOOP("kx::TformAbout", "About Kestrel X Editor"));
    set_translated(lblTitle, "text", "kx::TformAbout",
                   QT_TRANSLATE_NOOP("kx::TformAbout", "Kestrel X Editor"));
    set_translated(lblLibraries, "text", "kx::TformAbout",
                   QT_TRANSLATE_NOOP("kx::TformAbout", "Libraries and licenses:"));
    set_translated(btnClose, "text", "kx::TformAbout",
                   QT_TRANSLATE_NOOP("kx::TformAbout", "Close"));
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(kWidth, kHeight);

    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont title = lblTitle->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.4);
    lblTitle->setFont(title);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setTextFormat(Qt::PlainText);
    lblVersion->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblVersion->setText(
        tr("Version %1, built on %2\nQt %3 (built with Qt %4), QCoro %5\nFor the Kestrel X pedal "
           "by NORVA.")
            .arg(get_app_version(), QStringLiteral(KX_BUILD_DATE), QString::fromLatin1(qVersion()),
                 QStringLiteral(QT_VERSION_STR), QStringLiteral(KX_QCORO_VERSION)));
    lblLibraries->setObjectName(QStringLiteral("lblLibraries"));
    memoLicenses->setObjectName(QStringLiteral("memoLicenses"));
    memoLicenses->setHtml(licenses_html());
    memoLicenses->setTabChangesFocus(true);
    link_label(lblLibraries, memoLicenses);
    btnClose->setObjectName(QStringLiteral("btnClose"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTitle);
    layout->addWidget(lblVersion);
    layout->addWidget(lblLibraries);
    layout->addWidget(memoLicenses, 1);
    layout->addLayout(buttons);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::close);
}

} // namespace kx
