#pragma once

#include "base/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace kx {

// What the bootloader protocol needs of the link, and no more: the upgrade runs on the pedal's
// link, the tests and the fuzzer on scripted answers.
class BootloaderPort {
public:
    virtual ~BootloaderPort() = default;

    // Before an attempt: waits out what an earlier request may still bring, then empties both
    // queues. Sends nothing.
    virtual Status begin() = 0;
    // Sends the bytes in one write; they have been taken by the chip when this returns.
    virtual Status send(QByteArrayView bytes) = 0;
    // Collects an answer of `bytes` bytes. An answer that stops short (a NACK where data was
    // asked for) is returned as it is once the link has gone quiet; none within `timeout_ms`
    // is an error with code ErrorKind::TimedOut. `what` names the answer in messages.
    virtual Result<QByteArray> receive(int bytes, int timeout_ms, const QString& what) = 0;
    // Whatever has arrived without being asked for; empty when nothing has. Never waits.
    virtual Result<QByteArray> take_unasked() = 0;
};

} // namespace kx
