#include "sim/microcontroller_flash.h"

#include "library/firmware_image.h"
#include "sim/stm32_bootloader.h"

#include <QtEndian>

namespace kx::sim {

namespace {

constexpr int kResetVectorOffset = 4;
constexpr quint32 kErasedWord = 0xFFFFFFFF;
constexpr quint32 kInitialStackPointer = kRamBase + kRamSize;
constexpr quint32 kFactoryResetHandler = kFlashBase + 0x151; // Thumb bit set

void put_word(QByteArray& flash, int offset, quint32 value) {
    qToLittleEndian(value, flash.data() + offset);
}

} // namespace

QByteArray factory_flash() {
    QByteArray flash(kFlashSize, char(kErasedByte));
    put_word(flash, 0, kInitialStackPointer);
    put_word(flash, kResetVectorOffset, kFactoryResetHandler);
    flash.replace(kFirmwareVersionOffset, kFirmwareVersionMagicSize, kFirmwareVersionMagic);
    put_word(flash, kFirmwareVersionOffset + kFirmwareVersionMagicSize, kFactoryFirmwareVersion);
    return flash;
}

bool has_application(const QByteArray& flash) {
    const std::optional<quint32> reset_vector = firmware_word(flash, kResetVectorOffset);
    return reset_vector && *reset_vector != kErasedWord;
}

quint32 firmware_version_in(const QByteArray& flash) {
    return firmware_version_of(flash).value_or(kFactoryFirmwareVersion);
}

} // namespace kx::sim
