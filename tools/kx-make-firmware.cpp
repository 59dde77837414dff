// kx-make-firmware: writes the pedal firmware image shipped as the resource FIRMWARE_1.
//
//   kx-make-firmware OUTPUT [VERSION]
//
// The real firmware is not ours to ship, so this is a stand-in with the true shape of an image
// for the pedal's STM32F103 (Cortex-M3, flash at 0x08000000): a vector table whose initial
// stack pointer is the top of the 20 KiB RAM and whose handlers are Thumb addresses in flash,
// a small reset handler that clears RAM and calls the application, a default handler, the
// version field the pedal reports after an upgrade, and generated stand-in code filling the
// image to the size of the shipped firmware (35,868 bytes: 140 bootloader chunks of 256 bytes
// and one of 28).

#include "library/firmware_image.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <algorithm>

using namespace kx;

namespace {

constexpr int kImageSize = 35868;
constexpr quint32 kDefaultVersion = 12;

// Cortex-M3 system vectors plus the 43 interrupts of the STM32F103xB.
constexpr int kVectorCount = 16 + 43;
// Vector slots the architecture reserves.
constexpr int kReservedVectors[] = {7, 8, 9, 10, 13};

constexpr quint32 kResetHandler = 0x150;
constexpr quint32 kDefaultHandler = 0x174;
constexpr quint32 kApplication = 0x180;
constexpr quint32 kInitialStack = kRamBase + kRamSize;
constexpr quint32 kZeroedRamBytes = 0x400;

class Image {
public:
    QByteArray bytes = QByteArray(kImageSize, '\0');

    void word(quint32 offset, quint32 value) {
        for (int i = 0; i < 4; ++i)
            bytes[offset + i] = char((value >> (8 * i)) & 0xFF);
    }
    void thumb(quint32 offset, std::initializer_list<quint16> halfwords) {
        for (quint16 h : halfwords) {
            bytes[offset] = char(h & 0xFF);
            bytes[offset + 1] = char(h >> 8);
            offset += 2;
        }
    }
};

QByteArray make_firmware(quint32 version) {
    Image image;
    image.word(0, kInitialStack);
    image.word(4, kFlashBase + kResetHandler + 1); // odd: Thumb state
    for (int v = 2; v < kVectorCount; ++v) {
        const bool reserved = std::find(std::begin(kReservedVectors), std::end(kReservedVectors),
                                        v) != std::end(kReservedVectors);
        image.word(4 * v, reserved ? 0 : kFlashBase + kDefaultHandler + 1);
    }

    image.bytes.replace(kFirmwareVersionOffset, kFirmwareVersionMagicSize,
                        QByteArray(kFirmwareVersionMagic, kFirmwareVersionMagicSize));
    image.word(kFirmwareVersionOffset + kFirmwareVersionMagicSize, version);

    // Reset handler: zero the first 1 KiB of RAM, call the application, then stay put.
    image.thumb(kResetHandler, {
                                   0x4805, // ldr r0, [pc, #20]   RAM start
                                   0x4906, // ldr r1, [pc, #24]   RAM end
                                   0x2200, // movs r2, #0
                                   0x4288, // cmp r0, r1
                                   0xD202, // bcs call
                                   0x6002, // str r2, [r0]
                                   0x3004, // adds r0, #4
                                   0xE7FA, // b cmp
                                   0x4B03, // call: ldr r3, [pc, #12]   application
                                   0x4798, // blx r3
                                   0xE7FE, // b .
                                   0xBF00, // nop (pool alignment)
                               });
    image.word(0x168, kRamBase);
    image.word(0x16C, kRamBase + kZeroedRamBytes);
    image.word(0x170, kFlashBase + kApplication + 1);
    image.thumb(kDefaultHandler, {0xE7FE}); // b .

    // Generated stand-in for the application: a fixed pseudo-random run of halfwords.
    quint32 state = 0x4B584657u ^ version;
    for (int offset = int(kApplication); offset + 1 < kImageSize; offset += 2) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        image.thumb(quint32(offset), {quint16(state & 0xFFFF)});
    }
    return image.bytes;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    bool ok = true;
    const quint32 version = args.size() > 2 ? args.at(2).toUInt(&ok) : kDefaultVersion;
    if (args.size() < 2 || args.size() > 3 || !ok) {
        err << "usage: kx-make-firmware OUTPUT [VERSION]\n";
        return 2;
    }
    QFile out(args.at(1));
    const QByteArray image = make_firmware(version);
    if (!out.open(QIODevice::WriteOnly) || out.write(image) != image.size()) {
        err << args.at(1) << ": " << out.errorString() << '\n';
        return 1;
    }
    return 0;
}
