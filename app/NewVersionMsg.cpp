#include "app/NewVersionMsg.h"

#include "app/AppContext.h"
#include "app/Settings.h"
#include "base/dialogs.h"
#include "base/paths.h"
#include "base/translation.h"
#include "base/ui/accessibility.h"
#include "base/ui/translated.h"
#include "kx_version.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>

#include <QPushButton>
#include <algorithm>

namespace kx {

namespace {
constexpr char kCaption[] = QT_TRANSLATE_NOOP("kx::TformNewVersionMsg", "New Version");
constexpr char kMessage[] = QT_TRANSLATE_NOOP("kx::TformNewVersionMsg",
                                              "A new version of the Kestrel X Editor is available");
constexpr char kUpdateNow[] = QT_TRANSLATE_NOOP("kx::TformNewVersionMsg", "Update Now");
constexpr char kWhatsNew[] = QT_TRANSLATE_NOOP("kx::TformNewVersionMsg", "What's New?");
constexpr char kDontShowAgain[] =
    QT_TRANSLATE_NOOP("kx::TformNewVersionMsg", "Don't Show This Message Again");
constexpr char kGet[] = "GET";
constexpr int kClientWidth = 282;
constexpr int kClientHeight = 146;
constexpr int kMargin = 4;
const QRect kLabelGeometry(8, 0, 269, 38);
const QRect kLaunchGeometry(89, 56, 93, 28);
const QRect kWhatsNewGeometry(89, 89, 93, 28);
const QRect kCheckBoxGeometry(30, 125, 215, 19);

QString latin1(const char* text) {
    return QString::fromLatin1(text);
}
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

QString update_package_path() {
    const QString temp = QDir::tempPath();
    const QString resolved = QFileInfo(temp).canonicalFilePath();
    return QDir(resolved.isEmpty() ? temp : resolved).filePath(latin1(kUpdatePackageName));
}

Status launch_updater(const QString& updater, const QString& package, const QString& editor) {
    QProcess process;
    process.setProgram(updater);
    process.setArguments({package, editor});
    if (!process.startDetached())
        return Error{QDir::toNativeSeparators(updater) + QStringLiteral(": ") +
                     process.errorString()};
    return {};
}

TformNewVersionMsg::TformNewVersionMsg(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      Label1(new QLabel(this)), btnLaunchUpdate(new QPushButton(this)),
      btnSeeWhatsNew(new QPushButton(this)), CheckBox1(new QCheckBox(this)),
      updater_folder(QCoreApplication::applicationDirPath()),
      editor_path(QCoreApplication::applicationFilePath()),
      end_editor([] { QCoreApplication::quit(); }), m_context(context) {
    setObjectName(QStringLiteral("formNewVersionMsg"));
    set_translated(this, "windowTitle", "kx::TformNewVersionMsg", kCaption);
    close_on_escape(this);
    setFixedSize(kClientWidth, kClientHeight);
    move(450, 25);
    setAttribute(Qt::WA_QuitOnClose, false);

    const QFont font(QStringLiteral("Arial"), 11);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(kLabelGeometry);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    Label1->setFont(font);
    set_translated(Label1, "text", "kx::TformNewVersionMsg", kMessage);
    btnLaunchUpdate->setObjectName(QStringLiteral("btnLaunchUpdate"));
    btnLaunchUpdate->setGeometry(kLaunchGeometry);
    btnLaunchUpdate->setFont(font);
    set_translated(btnLaunchUpdate, "text", "kx::TformNewVersionMsg", kUpdateNow);
    btnSeeWhatsNew->setObjectName(QStringLiteral("btnSeeWhatsNew"));
    btnSeeWhatsNew->setGeometry(kWhatsNewGeometry);
    btnSeeWhatsNew->setFont(font);
    set_translated(btnSeeWhatsNew, "text", "kx::TformNewVersionMsg", kWhatsNew);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(kCheckBoxGeometry);
    CheckBox1->setFont(font);
    set_translated(CheckBox1, "text", "kx::TformNewVersionMsg", kDontShowAgain);

    connect(btnLaunchUpdate, &QPushButton::clicked, this,
            &TformNewVersionMsg::btnLaunchUpdateClick);
    connect(btnSeeWhatsNew, &QPushButton::clicked, this, &TformNewVersionMsg::btnSeeWhatsNewClick);
    connect(CheckBox1, &QCheckBox::toggled, this, &TformNewVersionMsg::CheckBox1Change);
}

void TformNewVersionMsg::showEvent(QShowEvent* event) {
    fit_to_text();
    QWidget::showEvent(event);
}

void TformNewVersionMsg::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        fit_to_text();
}

void TformNewVersionMsg::fit_to_text() {
    ensurePolished();
    // The designed pixels suit the designer's Arial; another font may need more.
    const int label_height =
        std::max(kLabelGeometry.height(), Label1->heightForWidth(kLabelGeometry.width()));
    const int shift = label_height - kLabelGeometry.height();
    int width = kClientWidth;
    for (QWidget* control :
         {static_cast<QWidget*>(btnLaunchUpdate), static_cast<QWidget*>(btnSeeWhatsNew),
          static_cast<QWidget*>(CheckBox1)})
        width = std::max(width, control->sizeHint().width() + 2 * kMargin);
    const int grown = (width - kClientWidth) / 2;
    setFixedSize(width, kClientHeight + shift);
    Label1->setGeometry(kLabelGeometry.translated(grown, 0).adjusted(0, 0, 0, shift));
    const auto place = [&](QWidget* control, const QRect& designed) {
        const QSize hint = control->sizeHint();
        QRect rect = designed.translated(grown, shift);
        rect.setWidth(std::max(designed.width(), hint.width()));
        rect.setHeight(std::max(designed.height(), hint.height()));
        rect.moveCenter(QPoint(designed.center().x() + grown, rect.center().y()));
        rect.moveLeft(std::clamp(rect.left(), kMargin, width - kMargin - rect.width()));
        control->setGeometry(rect);
    };
    place(btnLaunchUpdate, kLaunchGeometry);
    place(btnSeeWhatsNew, kWhatsNewGeometry);
    place(CheckBox1, kCheckBoxGeometry);
}

void TformNewVersionMsg::btnLaunchUpdateClick() {
    // An editor installed from a package has no updater beside it: its updates come the
    // way it came.
    const QString updater = QDir(updater_folder).filePath(latin1(kUpdaterProgram));
    if (!QFileInfo(updater).isFile()) {
        open_in_browser(m_context, maker_page(kWhatsNewPagePath));
        m_context.dialogs.message(ui_text("kx::TformNewVersionMsg", kUpdateThroughPackages));
        return;
    }
    if (m_context.dialogs.confirm(ui_text("kx::TformNewVersionMsg", kConfirmUpdate)) ==
        Dialogs::Answer::No)
        return;
    const QString package = update_package_path();
    const Status started = launch_updater(updater, package, editor_path);
    if (!started) {
        // The editor stays: nothing has replaced it.
        m_context.dialogs.message(ui_text("kx::TformNewVersionMsg", kFailedToLaunchUpdater) +
                                  started.error());
        return;
    }
    m_context.log.print_line(latin1(kLogUpdaterStarted) + QDir::toNativeSeparators(updater));
    if (end_editor)
        end_editor();
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
