#pragma once

// The virtual pedal served on a pseudo-terminal by its own program, as a child process: what
// tests and benchmarks reach through `--port PATH`. Header-only, so the benchmarks can use it.
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <signal.h>

#include <utility>

namespace kx::test {

class ServedPedal {
public:
    // Every wait for the program has this limit: generous, as a loaded machine needs.
    static constexpr int kWaitMs = 20000;

    explicit ServedPedal(QString program = default_program()) : m_program(std::move(program)) {}
    ServedPedal(const ServedPedal&) = delete;
    ServedPedal& operator=(const ServedPedal&) = delete;
    ~ServedPedal() { stop(); }

    // Where the program is: next to the tests' build, or next to the running program.
    static QString default_program() {
#ifdef KX_BINARY_DIR
        return QStringLiteral(KX_BINARY_DIR "/kestrel-x-virtual-pedal");
#else
        return QCoreApplication::applicationDirPath() + QStringLiteral("/kestrel-x-virtual-pedal");
#endif
    }

    // Starts the program with `arguments` (see its --help) and waits until it has written the
    // path of its pseudo-terminal, its first line. The pedal is powered and listening then.
    // False, with error() saying why, when it did not start or wrote no path.
    bool start(const QStringList& arguments = {}) {
        stop();
        m_path.clear();
        m_error.clear();
        m_process.start(m_program, arguments);
        if (!m_process.waitForStarted(kWaitMs)) {
            m_error = QStringLiteral("cannot start ") + m_program + QStringLiteral(": ") +
                      m_process.errorString();
            return false;
        }
        const QByteArray line = read_line();
        m_path = QString::fromLocal8Bit(line).trimmed();
        if (!m_path.startsWith(QLatin1Char('/'))) {
            m_error = QStringLiteral("the served pedal wrote no path: ") +
                      QString::fromLocal8Bit(line + m_process.readAllStandardError());
            m_path.clear();
            stop();
            return false;
        }
        return true;
    }

    const QString& path() const {
        return m_path;
    }
    const QString& error() const {
        return m_error;
    }
    bool running() const {
        return m_process.state() != QProcess::NotRunning;
    }
    qint64 pid() const {
        return m_process.processId();
    }
    QProcess& process() {
        return m_process;
    }

    // The next line the program writes (an answer to a player's line on its standard input),
    // once it is whole; empty when none came within `timeout_ms` or the program ended.
    QByteArray read_line(int timeout_ms = kWaitMs) {
        const QDeadlineTimer deadline(timeout_ms);
        while (!m_process.canReadLine() && running() && !deadline.hasExpired())
            m_process.waitForReadyRead(int(deadline.remainingTime()));
        return m_process.canReadLine() ? m_process.readLine() : QByteArray();
    }

    // A line for the player's input, such as "turn 0 512".
    void tell(const QByteArray& line) {
        m_process.write(line + '\n');
    }

    // Stops the program by its process id: asked first, ended if it does not stop.
    void stop() {
        end(SIGTERM);
    }
    // Pulls the cable: the program ends at once, and its pseudo-terminal with it.
    void kill() {
        end(SIGKILL);
    }

private:
    void end(int signal) {
        if (!running())
            return;
        ::kill(pid_t(m_process.processId()), signal);
        if (!m_process.waitForFinished(kWaitMs)) {
            ::kill(pid_t(m_process.processId()), SIGKILL);
            m_process.waitForFinished(kWaitMs);
        }
    }

    QString m_program;
    QProcess m_process;
    QString m_path;
    QString m_error;
};

} // namespace kx::test
