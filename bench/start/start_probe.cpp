// Linked into the programs whose start the start-up benchmark times. Once the first top-level
// window has been exposed and painted, it prints one line to the descriptor named by
// KX_START_PROBE_FD -- the window's size and the process's resident memory then -- and quits.
// Without that variable it does nothing, so the program runs as it always does. With
// KX_START_PROBE_SMAPS set to a file name, it also copies its memory map there.
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWindow>

#include <unistd.h>

namespace {

// Resident memory in KiB, as /proc/self/status states it.
long resident_kib() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Where the resident memory lies, mapping by mapping, for finding what a start costs.
void copy_memory_map(const QString& path) {
    QFile map(QStringLiteral("/proc/self/smaps"));
    QFile out(path);
    if (map.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly))
        out.write(map.readAll()); // read whole: the file's size is given as 0
}

class ShownProbe : public QObject {
public:
    explicit ShownProbe(int fd) : m_fd(fd) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_reported && event->type() == QEvent::Expose) {
            auto* window = qobject_cast<QWindow*>(watched);
            if (window && window->isTopLevel() && window->isExposed()) {
                m_reported = true;
                const QSize size = window->size();
                // The expose handler paints and flushes the window; report once it has.
                QTimer::singleShot(0, this, [this, size] { report(size); });
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void report(QSize size) {
        const QByteArray line = QByteArray("shown ") + QByteArray::number(size.width()) + ' ' +
                                QByteArray::number(size.height()) + ' ' +
                                QByteArray::number(resident_kib()) + '\n';
        if (qEnvironmentVariableIsSet("KX_START_PROBE_SMAPS"))
            copy_memory_map(qEnvironmentVariable("KX_START_PROBE_SMAPS"));
        [[maybe_unused]] const auto written = ::write(m_fd, line.constData(), line.size());
        QCoreApplication::quit();
    }

    int m_fd;
    bool m_reported = false;
};

void install_probe() {
    bool ok = false;
    const int fd = qEnvironmentVariableIntValue("KX_START_PROBE_FD", &ok);
    if (!ok)
        return;
    QCoreApplication::instance()->installEventFilter(new ShownProbe(fd));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(install_probe)
