#include "firmware/ui/FirmwareUpgrade.h"

namespace kx {

namespace {
constexpr char kCaption[] = "Firmware Upgrade";
}

TformFirmwareUpgrade::TformFirmwareUpgrade(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("formFirmwareUpgrade"));
    setWindowTitle(QString::fromLatin1(kCaption));
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(158, 143);
}

} // namespace kx
