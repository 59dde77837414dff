#pragma once

#include "platform/platform.h"
#include "platform/plug_source.h"

#include <QThread>
#include <QTimer>

#include <functional>

namespace kx {

// Where only Qt tells of serial ports: looks at QSerialPortInfo's list once a second and reports
// the USB ports that came or went since the last look. The looks after the first run on a
// thread of their own, as Qt asks the system about every port.
class QtPlugSource : public PlugSource {
    Q_OBJECT
public:
    static constexpr int kPollInterval_ms = 1000;
    using Lister = std::function<QList<platform::ListedPort>()>;

    // `lister` gives the ports (QSerialPortInfo's unless a test gives its own); it must be
    // safe to call from another thread.
    explicit QtPlugSource(Lister lister = {}, QObject* parent = nullptr);
    ~QtPlugSource() override;

    QList<PlugDevice> start(bool& ok) override;
    QString name() const override {
        return QStringLiteral("a look at Qt's list of serial ports each second");
    }

    // One look now, on this thread (the timer's work without the thread); tests call it.
    void poll();

    // The USB ports of a list, as plug events know them.
    static QList<PlugDevice> devices(const QList<platform::ListedPort>& ports);

private:
    void ask();
    void take(const QList<PlugDevice>& now);

    Lister m_lister;
    QList<PlugDevice> m_present;
    QTimer m_timer;
    QThread m_thread;
    QObject* m_looker = nullptr; // lives on m_thread
    bool m_asking = false;
};

// Runs the lister on the source's thread.
class PortLooker : public QObject {
    Q_OBJECT
public:
    explicit PortLooker(QtPlugSource::Lister lister) : m_lister(std::move(lister)) {}
    void look() { emit looked(QtPlugSource::devices(m_lister())); }

signals:
    void looked(const QList<kx::PlugDevice>& devices);

private:
    QtPlugSource::Lister m_lister;
};

} // namespace kx
