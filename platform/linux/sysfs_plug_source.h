#pragma once

#include "platform/plug_source.h"

#include <QTimer>

namespace kx {

// Where udev does not run: looks at the USB devices under sysfs once a second and reports the
// serial chips that came or went since the last look. Only the USB device folders are read,
// not every tty the system has.
class SysfsPlugSource : public PlugSource {
    Q_OBJECT
public:
    static constexpr int kPollInterval_ms = 1000;

    explicit SysfsPlugSource(QString sys_root = QStringLiteral("/sys"), QObject* parent = nullptr);

    QList<PlugDevice> start(bool& ok) override;
    QString name() const override {
        return QStringLiteral("a look at the USB devices each second");
    }

    // One look now (the timer's work); tests call it instead of waiting.
    void poll();

private:
    QList<PlugDevice> look() const;

    QString m_root;
    QTimer m_timer;
    QList<PlugDevice> m_present;
};

} // namespace kx
