#pragma once

#include "link/connection_ui.h"

#include <QList>
#include <QMap>
#include <QStringList>

namespace kx {

// Records the texts the connection code shows.
class RecordingConnectionUi : public ConnectionUi {
public:
    QString device_name = QStringLiteral("Device Name: ");
    QString serial_menu = QStringLiteral("Device Serial: ");
    QStringList status_texts;

    QString device_name_text() const override { return device_name; }
    void set_device_name_text(const QString& text) override { device_name = text; }
    void append_serial_number_text(const QString& text) override { serial_menu += text; }
    void show_status_text(const QString& text) override { status_texts << text; }
};

} // namespace kx
