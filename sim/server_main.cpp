// kestrel-x-virtual-pedal: serves the virtual pedal on a pseudo-terminal, so that any serial
// program (the editor with --port, stm32flash) can talk to it as to a real pedal.

#include "base/result.h"
#include "sim/player_command.h"
#include "sim/virtual_pedal.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

using kx::Error;
using kx::Result;

// The longest the loop sleeps with nothing to do; it wakes earlier for every delivery.
constexpr qint64 kIdleWake_us = 500000;
constexpr int kReadChunk = 4096;
// While the client does not read, answers stay in the pedal, which bounds them; while the pedal
// has this much still to receive, the client's writes wait in the terminal, as writes to a
// real chip wait in its driver.
constexpr qsizetype kMaxOutgoing = kReadChunk;
constexpr qsizetype kMaxInputBacklog = 64 * 1024;
// Answers to the player's commands wait here while nobody reads them; past this many bytes the
// oldest are dropped. The pedal never waits for its player's reader.
constexpr qsizetype kMaxPlayerOutput = 64 * 1024;

volatile std::sig_atomic_t g_stop = 0;

void request_stop(int) {
    g_stop = 1;
}

qint64 now_us(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() -
                                                                 start)
        .count();
}

class ServerLog {
public:
    bool open(const QString& path) {
        m_file.setFileName(path);
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
            return false;
        m_stream.setDevice(&m_file);
        return true;
    }
    void line(qint64 at_us, const QString& text) {
        if (!m_file.isOpen())
            return;
        m_stream << QStringLiteral("%1.%2 %3\n")
                        .arg(at_us / 1000000)
                        .arg(at_us % 1000000, 6, 10, QLatin1Char('0'))
                        .arg(text);
        m_stream.flush();
    }
    void bytes(qint64 at_us, const char* direction, const QByteArray& bytes) {
        line(at_us, QStringLiteral("%1 %2").arg(QLatin1String(direction),
                                                QString::fromLatin1(bytes.toHex(' ').toUpper())));
    }

private:
    QFile m_file;
    QTextStream m_stream;
};

// A player's line on standard input (see player_command.h) turns the pedal's own control as
// a hand on the pedal would. The answer goes to standard output, one line.
QByteArray player_command(kx::sim::VirtualPedal& pedal, const QByteArray& line, qint64 at_us) {
    using kx::sim::PlayerCommand;
    const PlayerCommand command = kx::sim::parse_player_line(line);
    switch (command.kind) {
    case PlayerCommand::Kind::Blank:
        return {};
    case PlayerCommand::Kind::Invalid:
        return command.error + '\n';
    case PlayerCommand::Kind::Turn:
        break;
    }
    const int followed = pedal.turn_control(command.code, command.value, at_us);
    return QStringLiteral("turned %1 to %2: %3 controls follow\n")
        .arg(command.code)
        .arg(command.value)
        .arg(followed)
        .toLatin1();
}

struct Pty {
    int master = -1;
    int slave = -1; // kept open so the master never sees a hang-up when a client closes
    QByteArray path;
};

Result<Pty> open_pty() {
    Pty pty;
    pty.master = posix_openpt(O_RDWR | O_NOCTTY);
    if (pty.master < 0 || grantpt(pty.master) != 0 || unlockpt(pty.master) != 0) {
        return Error{QStringLiteral("cannot create a pseudo-terminal: %1").arg(strerror(errno))};
    }
    const char* name = ptsname(pty.master);
    if (!name) {
        return Error{QStringLiteral("cannot name the pseudo-terminal: %1").arg(strerror(errno))};
    }
    pty.path = name;
    pty.slave = ::open(name, O_RDWR | O_NOCTTY);
    termios raw{};
    if (pty.slave < 0 || tcgetattr(pty.slave, &raw) != 0) {
        return Error{QStringLiteral("cannot open %1: %2").arg(name, strerror(errno))};
    }
    cfmakeraw(&raw);
    cfsetspeed(&raw, B115200);
    tcsetattr(pty.slave, TCSANOW, &raw);
    fcntl(pty.master, F_SETFL, fcntl(pty.master, F_GETFL) | O_NONBLOCK);
    return pty;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kestrel-x-virtual-pedal"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Serves a virtual Kestrel X pedal on a pseudo-terminal and prints its "
                       "path on the first line.\nA line \"turn <control> <value>\" on standard "
                       "input turns the pedal's own control (0..11: KI..KV, B1..B3, FS, FL, "
                       "RMT, EXP) to 0..1023; the effect controls assigned to it follow."));
    parser.addHelpOption();
    const QCommandLineOption bootloader(QStringLiteral("bootloader"),
                                        QStringLiteral("Power up with the footswitch held: the "
                                                       "microcontroller's bootloader answers."));
    const QCommandLineOption instant(QStringLiteral("instant"),
                                     QStringLiteral("No link timing: answers come at once."));
    const QCommandLineOption log_file(QStringLiteral("log"),
                                      QStringLiteral("Write bytes and messages to <file>."),
                                      QStringLiteral("file"));
    const QCommandLineOption reply_delay(
        QStringLiteral("reply-delay-ms"),
        QStringLiteral("Answer every command <ms> milliseconds late (a slow pedal)."),
        QStringLiteral("ms"));
    const QCommandLineOption latency_timer(
        QStringLiteral("latency-timer-ms"),
        QStringLiteral("The chip's latency timer: <ms> milliseconds before a partial USB packet "
                       "reaches the host (16, or 1 for a port marked low latency)."),
        QStringLiteral("ms"));
    parser.addOptions({bootloader, instant, log_file, reply_delay, latency_timer});
    parser.process(app);

    ServerLog log;
    if (parser.isSet(log_file) && !log.open(parser.value(log_file))) {
        std::fprintf(stderr, "cannot write the log %s\n", qPrintable(parser.value(log_file)));
        return 1;
    }
    const Result<Pty> opened = open_pty();
    if (!opened) {
        std::fprintf(stderr, "%s\n", qPrintable(opened.error()));
        return 1;
    }
    const Pty& pty = *opened;

    // The signals are only let through while the loop sleeps, so a stop is never missed.
    sigset_t blocked, during_wait;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGTERM);
    sigaddset(&blocked, SIGINT);
    sigprocmask(SIG_BLOCK, &blocked, &during_wait);
    sigdelset(&during_wait, SIGTERM);
    sigdelset(&during_wait, SIGINT);
    struct sigaction action {};
    action.sa_handler = request_stop;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);

    const auto start = std::chrono::steady_clock::now();
    kx::sim::VirtualPedal pedal(parser.isSet(instant), parser.isSet(bootloader));
    pedal.set_history_enabled(false);
    if (parser.isSet(reply_delay))
        pedal.inject_extra_delay_us(parser.value(reply_delay).toLongLong() * 1000);
    if (parser.isSet(latency_timer)) {
        const int ms = parser.value(latency_timer).toInt();
        if (ms < 1 || ms > 255) {
            std::fprintf(stderr, "the latency timer takes 1 to 255 ms\n");
            return 1;
        }
        pedal.set_latency_timer_ms(ms);
    }
    pedal.set_note_sink([&log](qint64 at_us, const QString& text) { log.line(at_us, text); });
    log.line(0, QStringLiteral("serving %1%2%3")
                    .arg(QString::fromLatin1(pty.path),
                         parser.isSet(bootloader) ? QStringLiteral(", bootloader") : QString(),
                         parser.isSet(instant) ? QStringLiteral(", instant") : QString()));

    std::printf("%s\n", pty.path.constData());
    std::fflush(stdout);

    QByteArray outgoing;
    QByteArray player_input;
    QByteArray player_output;
    bool player_open = true; // until standard input ends
    char chunk[kReadChunk];
    while (!g_stop) {
        const qint64 now = now_us(start);
        const QByteArray delivered =
            pedal.take_deliverable(now, std::max<qsizetype>(0, kMaxOutgoing - outgoing.size()));
        if (!delivered.isEmpty()) {
            log.bytes(now, "TX", delivered);
            outgoing += delivered;
        }
        if (!outgoing.isEmpty()) {
            const ssize_t written = ::write(pty.master, outgoing.constData(), outgoing.size());
            if (written > 0)
                outgoing.remove(0, written);
        }

        const std::optional<qint64> next = pedal.next_delivery_us();
        const qint64 sleep_us =
            std::clamp<qint64>(next ? *next - now : kIdleWake_us, 0, kIdleWake_us);
        const timespec timeout{time_t(sleep_us / 1000000), long(sleep_us % 1000000) * 1000};
        const bool take_input = pedal.unreceived_host_bytes() < kMaxInputBacklog;
        pollfd fds[3] = {
            {pty.master, short((take_input ? POLLIN : 0) | (outgoing.isEmpty() ? 0 : POLLOUT)), 0},
            // A negative descriptor is left out: a closed input or an idle output wakes nothing.
            {player_open ? STDIN_FILENO : -1, POLLIN, 0},
            {player_output.isEmpty() ? -1 : STDOUT_FILENO, POLLOUT, 0}};
        if (ppoll(fds, 3, &timeout, &during_wait) <= 0)
            continue;
        if (fds[2].revents & POLLOUT) {
            // Room for one pipe buffer's worth is free: a write of at most that never blocks.
            const ssize_t written = ::write(STDOUT_FILENO, player_output.constData(),
                                            std::min<qsizetype>(player_output.size(), PIPE_BUF));
            if (written > 0)
                player_output.remove(0, written);
        } else if (fds[2].revents & (POLLERR | POLLHUP)) {
            player_output.clear(); // nobody reads any more
        }
        if (player_open && fds[1].revents) {
            const ssize_t count = ::read(STDIN_FILENO, chunk, sizeof(chunk));
            if (count <= 0) {
                player_open = false;
            } else {
                player_input.append(chunk, count);
                for (qsizetype end; (end = player_input.indexOf('\n')) >= 0;) {
                    const QByteArray line = player_input.left(end);
                    player_input.remove(0, end + 1);
                    log.line(
                        now_us(start),
                        QStringLiteral("player: %1").arg(QString::fromLocal8Bit(line.trimmed())));
                    player_output += player_command(pedal, line, now_us(start));
                    if (player_output.size() > kMaxPlayerOutput)
                        player_output.remove(0, player_output.size() - kMaxPlayerOutput);
                }
                if (player_input.size() > kReadChunk) // no line end in sight: not a player
                    player_input.clear();
            }
        }
        pollfd& fd = fds[0];
        if ((fd.revents & (POLLHUP | POLLERR)) && !(fd.revents & POLLIN)) {
            usleep(10000); // cannot happen while the slave stays open; never spin if it does
            continue;
        }
        if (fd.revents & POLLIN) {
            const ssize_t count = ::read(pty.master, chunk, sizeof(chunk));
            if (count > 0) {
                const qint64 at = now_us(start);
                const QByteArray bytes(chunk, count);
                log.bytes(at, "RX", bytes);
                pedal.host_bytes(bytes, at);
            }
        }
    }
    log.line(now_us(start), QStringLiteral("stopped"));
    ::close(pty.slave);
    ::close(pty.master);
    return 0;
}
