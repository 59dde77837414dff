#include "cli/terminal.h"

#include "link/Operation.h"

#include <cstdio>
#include <unistd.h>

namespace kx::cli {

namespace {
constexpr int kBarWidth = 40;
} // namespace

void print_out(const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
}

void print_error(const QString& text) {
    // One line each, so that scripts can grep it.
    QString line = text.trimmed();
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    std::fprintf(stderr, "%s: %s\n", kProgram, line.toLocal8Bit().constData());
    std::fflush(stderr);
}

void TerminalDialogs::message(const QString& text) {
    messages << text;
    print_error(text);
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
    print_error(text);
}

ProgressDisplay::ProgressDisplay(Operation& operation) : m_terminal(isatty(STDERR_FILENO) != 0) {
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
