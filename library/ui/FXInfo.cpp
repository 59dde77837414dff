#include "library/ui/FXInfo.h"

#include "base/ui/accessibility.h"
#include "base/ui/translated.h"

#include <QImage>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVariant>

namespace kx {

namespace {

constexpr char kInitialCaption[] = "Form1";

// A page's pictures and style sheets would be looked up in the program's working folder; the
// store holds none, so every reference gets an empty answer (an empty answer, not none: for
// none the document would read the file itself). A picture keeps its place, left blank.
class PageBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int type, const QUrl&) override {
        if (type == QTextDocument::ImageResource) {
            QImage blank(1, 1, QImage::Format_ARGB32);
            blank.fill(Qt::transparent);
            return blank;
        }
        return QByteArray();
    }
};

} // namespace

TformFXInfo::TformFXInfo(QWidget* parent)
    : BuiltOnUseWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                   Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("formFXInfo"));
    setWindowTitle(QString::fromLatin1(kInitialCaption));
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(335, 480);
    close_on_escape(this);
}

void TformFXInfo::build() {
    WebBrowser1 = new PageBrowser(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    set_translated(WebBrowser1, "accessibleName", "kx::TformFXInfo",
                   QT_TRANSLATE_NOOP("kx::TformFXInfo", "Effect information page"));
    WebBrowser1->setGeometry(8, 8, 319, 464);
    // The pages have no links; should one appear, it opens nothing.
    WebBrowser1->setOpenLinks(false);
    WebBrowser1->setOpenExternalLinks(false);
    // The text wraps to the width; only a picture's blank place could be wider.
    WebBrowser1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void TformFXInfo::show_html(const QString& html, const QString& base_name) {
    WebBrowser1->document()->setBaseUrl(QUrl(base_name));
    WebBrowser1->setHtml(html);
}

} // namespace kx
