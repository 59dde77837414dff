#include "app/NewVersionMsg.h"

#include "app/AppContext.h"
#include "app/Settings.h"
#include "base/paths.h"
#include "kx_version.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace kx {

namespace {
constexpr char kCaption[] = "New Version";
constexpr char kMessage[] = "A new version of the Kestrel X Editor is available";
constexpr char kUpdateNow[] = "Update Now";
constexpr char kWhatsNew[] = "What's New?";
constexpr char kDontShowAgain[] = "Don't Show This Message Again";
constexpr char kGet[] = "GET";
} // namespace

QString get_app_version() {
    return QStringLiteral(KX_VERSION_TEXT);
}

QUrl maker_page(const char* path) {
    return QUrl(update_server() + QLatin1String(path));
}

void open_in_browser(AppContext& context, const QUrl& address) {
    if (context.url_opener)
        context.url_opener(address);
}

VersionRequest prepare_version_request() {
    return {QByteArray(kGet), maker_page(kVersionPagePath)};
}

TformNewVersionMsg::TformNewVersionMsg(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      Label1(new QLabel(this)), btnLaunchUpdate(new QPushButton(this)),
      btnSeeWhatsNew(new QPushButton(this)), CheckBox1(new QCheckBox(this)), m_context(context) {
    setObjectName(QStringLiteral("formNewVersionMsg"));
    setWindowTitle(QString::fromLatin1(kCaption));
    setFixedSize(282, 146);
    move(450, 25);
    setAttribute(Qt::WA_QuitOnClose, false);

    const QFont font(QStringLiteral("Arial"), 11);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 0, 269, 38);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    Label1->setFont(font);
    Label1->setText(QString::fromLatin1(kMessage));
    btnLaunchUpdate->setObjectName(QStringLiteral("btnLaunchUpdate"));
    btnLaunchUpdate->setGeometry(89, 56, 93, 28);
    btnLaunchUpdate->setFont(font);
    btnLaunchUpdate->setText(QString::fromLatin1(kUpdateNow));
    btnSeeWhatsNew->setObjectName(QStringLiteral("btnSeeWhatsNew"));
    btnSeeWhatsNew->setGeometry(89, 89, 93, 28);
    btnSeeWhatsNew->setFont(font);
    btnSeeWhatsNew->setText(QString::fromLatin1(kWhatsNew));
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(30, 125, 215, 19);
    CheckBox1->setFont(font);
    CheckBox1->setText(QString::fromLatin1(kDontShowAgain));

    connect(btnSeeWhatsNew, &QPushButton::clicked, this, &TformNewVersionMsg::btnSeeWhatsNewClick);
    connect(CheckBox1, &QCheckBox::toggled, this, &TformNewVersionMsg::CheckBox1Change);
}

void TformNewVersionMsg::btnSeeWhatsNewClick() {
    open_in_browser(m_context, maker_page(kWhatsNewPagePath));
}

void TformNewVersionMsg::CheckBox1Change() {
    // Unchecking stores nothing: the choice only ever turns the message off.
    if (CheckBox1->isChecked())
        store_update_message_choice(m_context.dialogs, false);
}

} // namespace kx
