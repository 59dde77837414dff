#include "library/FXInfo.h"

#include <QTextBrowser>

namespace kx {

namespace {
constexpr char kInitialCaption[] = "Form1";
}

TformFXInfo::TformFXInfo(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      WebBrowser1(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("formFXInfo"));
    setWindowTitle(QString::fromLatin1(kInitialCaption));
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(335, 480);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setGeometry(8, 8, 319, 464);
    // The pages come from the store; nothing is fetched or opened from a link.
    WebBrowser1->setOpenLinks(false);
}

} // namespace kx
