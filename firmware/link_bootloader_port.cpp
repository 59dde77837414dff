#include "firmware/link_bootloader_port.h"

#include "link/Communication.h"

namespace kx {

LinkBootloaderPort::LinkBootloaderPort(Communication& comm, const LinkClaim& claim)
    : m_comm(comm), m_claim(claim) {}

Status LinkBootloaderPort::begin() {
    // An exchange of nothing with no time to wait: the link drops a late reply and purges both
    // queues before its write, and the empty wait that follows ends at once.
    ReplyRequest nothing{QStringLiteral("nothing"), 0, 0, 0};
    nothing.short_ok = true;
    const auto done = m_comm.exchange({}, nothing, &m_claim);
    if (!done && done.error_kind() != ErrorKind::TimedOut)
        return done.failure();
    return {};
}

Status LinkBootloaderPort::send(QByteArrayView bytes) {
    return m_comm.send_message(bytes, &m_claim);
}

Result<QByteArray> LinkBootloaderPort::receive(int bytes, int timeout_ms, const QString& what) {
    ReplyRequest request{what, 0, bytes, timeout_ms};
    request.short_ok = true;
    return m_comm.collect_reply(request, &m_claim);
}

Result<QByteArray> LinkBootloaderPort::take_unasked() {
    // A wait of no time returns what is queued, or times out at once when nothing is.
    const auto queued = m_comm.collect_reply({QStringLiteral("unasked bytes"), 0, 1, 0}, &m_claim);
    if (!queued && queued.error_kind() == ErrorKind::TimedOut)
        return QByteArray();
    return queued;
}

} // namespace kx
