#pragma once

#include "platform/plug_source.h"

#include <memory>

class QSocketNotifier;

namespace kx {

// Serial ports arriving and leaving, from udev's monitor, read when its socket has data.
// libudev is loaded when the watching starts, not with the program, so that start-up does
// not pay for it and a machine without it still runs the editor.
class UdevPlugSource : public PlugSource {
    Q_OBJECT
public:
    explicit UdevPlugSource(QObject* parent = nullptr);
    ~UdevPlugSource() override;

    // Whether udev runs here: its library loads and its daemon is there to send events.
    static bool available();
    // Whether its daemon is there, found without loading the library.
    static bool daemon_running();

    QList<PlugDevice> start(bool& ok) override;
    QString name() const override { return QStringLiteral("udev monitor"); }

private:
    void read_events();

    struct Api;
    struct Handles;
    std::unique_ptr<Handles> m_handles;
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace kx
