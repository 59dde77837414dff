#pragma once

// Shared by the virtual pedal's tests: effect images to upload and a pedal driven by hand.

#include "library/effect_image_builder.h"
#include "sim/virtual_pedal.h"

#include <QByteArray>
#include <QList>
#include <QtTest>

namespace kx::sim::test {

// Parses "05 00"-style hex (blanks allowed).
inline QByteArray hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// An effect image with one control per entry of `words` (controls on words 3, 4, 5, ...).
inline QByteArray effect_image(int number, int version, const QList<quint32>& words,
                               int readbacks = 0) {
    EffectImageDescription description;
    description.effect_number = number;
    description.version = version;
    description.readback_count = readbacks;
    description.parameter_memory.fill(0, 3 + words.size() + 4);
    for (int i = 0; i < words.size(); ++i)
        description.controls.append({quint16(3 + i), words[i]});
    description.program = {0x0000000001ull, 0x00000000FEull};
    QStringList errors;
    const std::optional<QByteArray> image = build_effect_image(description, &errors);
    if (!image)
        qFatal("test image: %s", qPrintable(errors.join(QStringLiteral("; "))));
    return *image;
}

// A pedal whose time moves only when the test says so.
struct PedalRig {
    VirtualPedal pedal;
    qint64 now_us = 0;

    explicit PedalRig(bool instant = true, bool bootloader = false) : pedal(instant, bootloader) {}

    // Writes at the current time, lets `settle_us` pass and returns what the host received.
    QByteArray exchange(const QByteArray& bytes, qint64 settle_us = 1000000) {
        pedal.host_bytes(bytes, now_us);
        now_us += settle_us;
        return pedal.take_deliverable(now_us);
    }
    void pass(qint64 us) { now_us += us; }
};

// The reply lines as numbers.
inline QList<int> numbers(const QByteArray& reply) {
    QList<int> values;
    for (const QByteArray& line : reply.split('\n')) {
        if (!line.isEmpty())
            values.append(line.trimmed().toInt());
    }
    return values;
}

} // namespace kx::sim::test
