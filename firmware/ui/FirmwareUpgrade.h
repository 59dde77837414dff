#pragma once

#include <QWidget>

namespace kx {

// The firmware upgrade window, shown from the main window's "Start Firmware Upgrade".
class TformFirmwareUpgrade : public QWidget {
    Q_OBJECT
public:
    explicit TformFirmwareUpgrade(QWidget* parent = nullptr);
};

} // namespace kx
