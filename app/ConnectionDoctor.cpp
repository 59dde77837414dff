#include "app/ConnectionDoctor.h"

#include "base/dialogs.h"
#include "base/translation.h"
#include "base/ui/translated.h"
#include "platform/diagnosis.h"

#include <QBoxLayout>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextBrowser>

namespace kx {

namespace {

constexpr char kCaption[] = QT_TRANSLATE_NOOP("kx::ConnectionDoctor", "Connection Doctor");
constexpr char kCommandCaption[] =
    QT_TRANSLATE_NOOP("kx::ConnectionDoctor", "Command for a terminal:");
constexpr char kAllowAccess[] = QT_TRANSLATE_NOOP("kx::ConnectionDoctor", "&Allow access\u2026");
constexpr char kAccessGiven[] = QT_TRANSLATE_NOOP(
    "kx::ConnectionDoctor",
    "The rule is installed. If the pedal is still refused, unplug it and plug it in again, then "
    "choose Connect.");
constexpr char kAccessNotGiven[] = QT_TRANSLATE_NOOP(
    "kx::ConnectionDoctor",
    "The rule was not installed (the administrator's password was not given, or the command "
    "failed). You can run the command shown in a terminal instead.");
constexpr char kNoRunner[] = QT_TRANSLATE_NOOP(
    "kx::ConnectionDoctor",
    "pkexec, which asks for the administrator's password, is not installed: run the command in "
    "a terminal instead.");
constexpr int kWidth = 680;
constexpr int kHeight = 500;

QString html(const QString& text) {
    return text.toHtmlEscaped();
}

QString severity_word(doctor::Severity severity) {
    switch (severity) {
    case doctor::Severity::Ok:
        return ui_text("kx::ConnectionDoctor", "Ready");
    case doctor::Severity::Note:
        return ui_text("kx::ConnectionDoctor", "Note");
    case doctor::Severity::Problem:
        break;
    }
    return ui_text("kx::ConnectionDoctor", "Problem");
}

// Runs the program through QProcess, which the window owns until it ends.
void run_with_pkexec(QObject* owner, const QString& program, const QStringList& arguments,
                     std::function<void(int)> done) {
    auto* process = new QProcess(owner);
    QObject::connect(process, &QProcess::finished, owner, [process, done](int exit_code) {
        process->deleteLater();
        done(exit_code);
    });
    QObject::connect(process, &QProcess::errorOccurred, owner,
                     [process, done](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         process->deleteLater();
                         done(-1);
                     });
    process->start(program, arguments);
}

} // namespace

ConnectionDoctor::ConnectionDoctor(SourcesFactory sources, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), lblSummary(new QLabel(this)), memoFindings(new QTextBrowser(this)),
      lblCommand(new QLabel(this)), edtCommand(new QLineEdit(this)),
      btnCopyCommand(new QPushButton(this)), btnAllowAccess(new QPushButton(this)),
      btnDiagnose(new QPushButton(this)), btnClose(new QPushButton(this)),
      m_sources(std::move(sources)), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("formConnectionDoctor"));
    set_translated(this, "windowTitle", "kx::ConnectionDoctor", kCaption);
    set_translated(lblCommand, "text", "kx::ConnectionDoctor", kCommandCaption);
    set_translated(btnCopyCommand, "text", "kx::ConnectionDoctor", QT_TR_NOOP("&Copy command"));
    set_translated(btnAllowAccess, "text", "kx::ConnectionDoctor", kAllowAccess);
    set_translated(btnDiagnose, "text", "kx::ConnectionDoctor", QT_TR_NOOP("&Diagnose again"));
    set_translated(btnClose, "text", "kx::ConnectionDoctor", QT_TR_NOOP("Close"));
    setAttribute(Qt::WA_QuitOnClose, false);

    // The summary may quote a device's own name.
    lblSummary->setTextFormat(Qt::PlainText);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    lblSummary->setWordWrap(true);
    lblSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = lblSummary->font();
    bold.setBold(true);
    lblSummary->setFont(bold);
    memoFindings->setObjectName(QStringLiteral("memoFindings"));
    set_translated(memoFindings, "accessibleName", "kx::ConnectionDoctor",
                   QT_TRANSLATE_NOOP("kx::ConnectionDoctor", "Findings"));
    memoFindings->setOpenLinks(false);
    // Tab leaves the findings for the buttons instead of moving inside the text.
    memoFindings->setTabChangesFocus(true);
    lblCommand->setObjectName(QStringLiteral("lblCommand"));
    lblCommand->setBuddy(edtCommand);
    edtCommand->setObjectName(QStringLiteral("edtCommand"));
    edtCommand->setReadOnly(true);
    set_translated(edtCommand, "placeholderText", "kx::ConnectionDoctor",
                   QT_TRANSLATE_NOOP("kx::ConnectionDoctor", "No command is needed."));
    set_translated(edtCommand, "accessibleName", "kx::ConnectionDoctor",
                   QT_TRANSLATE_NOOP("kx::ConnectionDoctor", "Command for a terminal"));
    btnCopyCommand->setObjectName(QStringLiteral("btnCopyCommand"));
    set_translated(btnCopyCommand, "accessibleName", "kx::ConnectionDoctor",
                   QT_TRANSLATE_NOOP("kx::ConnectionDoctor", "Copy command"));
    btnAllowAccess->setObjectName(QStringLiteral("btnAllowAccess"));
    set_translated(btnAllowAccess, "accessibleName", "kx::ConnectionDoctor",
                   QT_TRANSLATE_NOOP("kx::ConnectionDoctor", "Allow access"));
    set_translated(
        btnAllowAccess, "accessibleDescription", "kx::ConnectionDoctor",
        QT_TRANSLATE_NOOP("kx::ConnectionDoctor",
                          "Installs the editor's udev rule with the administrator's password"));
    btnDiagnose->setObjectName(QStringLiteral("btnDiagnose"));
    set_translated(btnDiagnose, "accessibleName", "kx::ConnectionDoctor",
                   QT_TRANSLATE_NOOP("kx::ConnectionDoctor", "Diagnose again"));
    btnClose->setObjectName(QStringLiteral("btnClose"));
    set_translated(btnClose, "accessibleName", "kx::ConnectionDoctor",
                   QT_TRANSLATE_NOOP("kx::ConnectionDoctor", "Close"));

    auto* command_row = new QHBoxLayout;
    command_row->addWidget(lblCommand);
    command_row->addWidget(edtCommand, 1);
    command_row->addWidget(btnCopyCommand);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnAllowAccess);
    buttons->addStretch(1);
    buttons->addWidget(btnDiagnose);
    buttons->addWidget(btnClose);
    auto* column = new QVBoxLayout(this);
    column->addWidget(lblSummary);
    column->addWidget(memoFindings, 1);
    column->addLayout(command_row);
    column->addLayout(buttons);
    setTabOrder(memoFindings, edtCommand);
    setTabOrder(edtCommand, btnCopyCommand);
    setTabOrder(btnCopyCommand, btnAllowAccess);
    setTabOrder(btnAllowAccess, btnDiagnose);
    setTabOrder(btnDiagnose, btnClose);
    resize(kWidth, kHeight);

    connect(btnDiagnose, &QPushButton::clicked, this, &ConnectionDoctor::btnDiagnoseClick);
    connect(btnCopyCommand, &QPushButton::clicked, this, &ConnectionDoctor::btnCopyCommandClick);
    connect(btnAllowAccess, &QPushButton::clicked, this, &ConnectionDoctor::btnAllowAccessClick);
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);

    const bool have_pkexec =
        !QStandardPaths::findExecutable(doctor::rule_install_program()).isEmpty();
    set_privileged_runner(
        [this](const QString& program, const QStringList& arguments,
               std::function<void(int)> done) {
            run_with_pkexec(this, program, arguments, std::move(done));
        },
        have_pkexec);
}

void ConnectionDoctor::set_privileged_runner(PrivilegedRunner runner, bool available) {
    m_runner = std::move(runner);
    m_runner_available = available;
    show_diagnosis();
}

void ConnectionDoctor::diagnose() {
    m_diagnosis = doctor::diagnose(m_sources());
    show_diagnosis();
}

void ConnectionDoctor::show_diagnosis() {
    // What the system shows is read while the editor may hold the pedal: the summary says so
    // first, not that a pedal is ready to connect.
    const QString connected = m_connected_to ? m_connected_to() : QString();
    lblSummary->setText(connected.isEmpty() ? m_diagnosis.summary()
                                            : tr("The editor is connected to %1.").arg(connected));
    QString text;
    QString command;
    for (const doctor::Finding& finding : m_diagnosis.findings) {
        text +=
            QStringLiteral("<p><b>%1: %2</b><br>%3")
                .arg(severity_word(finding.severity), html(finding.subject), html(finding.text));
        if (!finding.advice.isEmpty())
            text += ui_text("kx::ConnectionDoctor", "<br><i>What to do:</i> %1")
                        .arg(html(finding.advice));
        if (!finding.command.isEmpty())
            text += QStringLiteral("<br><code>%1</code>").arg(html(finding.command));
        text += QStringLiteral("</p>");
        if (command.isEmpty() && finding.severity == doctor::Severity::Problem)
            command = finding.command;
    }
    memoFindings->setHtml(text);
    // The rule's command first: it is what allows access for good.
    if (m_diagnosis.rule_would_help)
        command = doctor::rule_install_command();
    edtCommand->setText(command);
    edtCommand->setCursorPosition(0);
    // Parts that do not apply are disabled, not hidden: a screen reader would still find a
    // hidden one, and the window keeps its shape.
    for (QWidget* widget : {static_cast<QWidget*>(lblCommand), static_cast<QWidget*>(edtCommand),
                            static_cast<QWidget*>(btnCopyCommand)})
        widget->setEnabled(!command.isEmpty());
    btnAllowAccess->setEnabled(m_diagnosis.rule_would_help && m_runner_available && !m_running);
    btnAllowAccess->setToolTip(m_runner_available ? QString()
                                                  : ui_text("kx::ConnectionDoctor", kNoRunner));
}

void ConnectionDoctor::btnDiagnoseClick() {
    diagnose();
}

void ConnectionDoctor::btnCopyCommandClick() {
    QGuiApplication::clipboard()->setText(edtCommand->text());
}

void ConnectionDoctor::btnAllowAccessClick() {
    if (!m_runner_available || m_running)
        return;
    m_running = true;
    btnAllowAccess->setEnabled(false);
    m_runner(doctor::rule_install_program(), doctor::rule_install_arguments(),
             [this](int exit_code) { access_attempt_done(exit_code); });
}

void ConnectionDoctor::access_attempt_done(int exit_code) {
    m_running = false;
    m_dialogs.message(
        ui_text("kx::ConnectionDoctor", exit_code == 0 ? kAccessGiven : kAccessNotGiven));
    diagnose();
}

} // namespace kx
