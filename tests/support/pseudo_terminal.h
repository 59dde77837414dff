#pragma once

// The far end of a pseudo-terminal, standing in for the pedal: the driver opens the other end
// by its path, as it would with `--port`. Non-blocking; closed when it goes.
#include <QByteArray>
#include <QString>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

namespace kx::test {

class PseudoTerminal {
public:
    PseudoTerminal() {
        m_fd = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (m_fd < 0 || ::grantpt(m_fd) != 0 || ::unlockpt(m_fd) != 0) {
            hang_up();
            return;
        }
        m_path = QString::fromLocal8Bit(::ptsname(m_fd));
        ::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) | O_NONBLOCK);
    }
    ~PseudoTerminal() { hang_up(); }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool ok() const { return m_fd >= 0; }
    // The path of the end the editor opens.
    const QString& path() const { return m_path; }
    int fd() const { return m_fd; }

    // Everything the editor has written so far, after up to `timeout_ms` for the first byte.
    QByteArray take(int timeout_ms = 500) {
        QByteArray bytes;
        pollfd p{m_fd, POLLIN, 0};
        if (m_fd < 0 || ::poll(&p, 1, timeout_ms) <= 0)
            return bytes;
        char buffer[4096];
        for (ssize_t n; (n = ::read(m_fd, buffer, sizeof buffer)) > 0;)
            bytes.append(buffer, n);
        return bytes;
    }
    // True when all of `bytes` went out.
    bool send(const QByteArray& bytes) {
        return m_fd >= 0 && ::write(m_fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    }
    // Closes this end: the editor's end sees the line hung up.
    void hang_up() {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

private:
    int m_fd = -1;
    QString m_path;
};

} // namespace kx::test
