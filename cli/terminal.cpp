#include "cli/terminal.h"

#include "link/Operation.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>
#include <sys/ioctl.h>
#include <unistd.h>

namespace kx::cli {

namespace {
constexpr int kBarWidth = 40;
constexpr int kDefaultWidth = 80;
constexpr int kMinWidth = 40;
constexpr int kMaxWidth = 100;
bool g_json_errors = false;

QString one_line(const QString& text) {
    QString line = text.trimmed();
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}
} // namespace

void print_out(const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
}

void print_json(const QJsonValue& value) {
    const QJsonDocument document =
        value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject());
    std::fputs(document.toJson(QJsonDocument::Compact).constData(), stdout);
    std::fputs("\n", stdout);
    std::fflush(stdout);
}

void set_json_errors(bool json) {
    g_json_errors = json;
}

bool json_errors() {
    return g_json_errors;
}

void print_error(const QString& text, const QString& kind) {
    // One line each, so that scripts can grep it.
    if (g_json_errors) {
        const QJsonObject error{{QStringLiteral("error"), one_line(text)},
                                {QStringLiteral("kind"), kind}};
        std::fprintf(stderr, "%s\n",
                     QJsonDocument(error).toJson(QJsonDocument::Compact).constData());
    } else {
        std::fprintf(stderr, "%s: %s\n", kProgram, one_line(text).toLocal8Bit().constData());
    }
    std::fflush(stderr);
}

void print_note(const QString& text) {
    if (g_json_errors)
        return;
    std::fprintf(stderr, "%s: %s\n", kProgram, one_line(text).toLocal8Bit().constData());
    std::fflush(stderr);
}

bool interactive() {
    return isatty(STDIN_FILENO) != 0 && isatty(STDERR_FILENO) != 0;
}

bool ask_yes(const QString& question) {
    std::fprintf(stderr, "%s [y/N] ", question.toLocal8Bit().constData());
    std::fflush(stderr);
    std::string answer;
    if (!std::getline(std::cin, answer))
        return false;
    const QString text = QString::fromLocal8Bit(answer).trimmed().toLower();
    return text == QLatin1String("y") || text == QLatin1String("yes");
}

int help_width() {
    int width = 0;
    winsize size{};
    if (isatty(STDOUT_FILENO) && ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0)
        width = size.ws_col;
    if (width <= 0)
        width = qEnvironmentVariableIntValue("COLUMNS");
    if (width <= 0)
        width = kDefaultWidth;
    return std::clamp(width, kMinWidth, kMaxWidth);
}

void TerminalDialogs::message(const QString& text) {
    // Kept for the command to decide what it means; the command prints the outcome.
    messages << text;
}

Dialogs::Answer TerminalDialogs::confirm(const QString&) {
    return Answer::Yes;
}

void TerminalLog::print_line(const QString& text) {
    if (m_verbose)
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

void TerminalLog::append_line(const QString& text) {
    if (m_verbose)
        std::fputs(text.toLocal8Bit().constData(), stderr);
}

void TerminalConnectionUi::show_status_text(const QString& text) {
    print_note(text);
}

ProgressDisplay::ProgressDisplay(Operation& operation) : m_terminal(isatty(STDERR_FILENO) != 0) {
    if (g_json_errors)
        return;
    m_connection = QObject::connect(&operation, &Operation::progress_changed, &operation,
                                    [this](int percent) { show(percent); });
}

ProgressDisplay::~ProgressDisplay() {
    QObject::disconnect(m_connection);
    if (m_terminal && m_shown >= 0)
        std::fputs("\n", stderr);
}

void ProgressDisplay::show(int percent) {
    // A log gets a line every ten percent; a terminal's bar moves with every one.
    if (percent == m_shown || (!m_terminal && percent / 10 == m_shown / 10 && percent < 100))
        return;
    m_shown = percent;
    if (m_terminal) {
        const int filled = percent * kBarWidth / 100;
        std::fprintf(stderr, "\r[%s%s] %3d%%", QByteArray(filled, '#').constData(),
                     QByteArray(kBarWidth - filled, ' ').constData(), percent);
    } else {
        std::fprintf(stderr, "%d%%\n", percent);
    }
    std::fflush(stderr);
}

} // namespace kx::cli
