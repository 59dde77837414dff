#pragma once

#include "base/result.h"
#include "base/task.h"

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
    virtual Task<Status> begin() = 0;
    // Sends the bytes in one write; they have been taken by the chip when this returns.
    virtual Task<Status> send(QByteArray bytes) = 0;
    // Collects an answer of `bytes` bytes. An answer that stops short (a NACK where data was
    // asked for) is returned as it is once the link has gone quiet; none within `timeout_ms`
    // is an error with code ErrorKind::TimedOut. `what` names the answer in messages.
    virtual Task<Result<QByteArray>> receive(int bytes, int timeout_ms, QString what) = 0;
    // Whatever has arrived without being asked for; empty when nothing has. Never waits.
    virtual Task<Result<QByteArray>> take_unasked() = 0;
};

} // namespace kx
