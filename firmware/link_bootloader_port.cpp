#include "firmware/link_bootloader_port.h"

#include "link/Communication.h"

namespace kx {

LinkBootloaderPort::LinkBootloaderPort(Communication& comm, const LinkClaim& claim)
    : m_comm(comm), m_claim(claim) {}

Task<Status> LinkBootloaderPort::begin() {
    // An exchange of nothing with no time to wait: the link drops a late reply and purges both
    // queues before its write, and the empty wait that follows ends at once.
    ReplyRequest nothing{QStringLiteral("nothing"), 0, 0, 0};
    nothing.short_ok = true;
    const auto done = co_await m_comm.exchange({}, nothing, &m_claim);
    if (!done && done.error_kind() != ErrorKind::TimedOut)
        co_return done.failure();
    co_return {};
}

Task<Status> LinkBootloaderPort::send(QByteArray bytes) {
    co_return co_await m_comm.send_message(std::move(bytes), &m_claim);
}

Task<Result<QByteArray>> LinkBootloaderPort::receive(int bytes, int timeout_ms, QString what) {
    ReplyRequest request{what, 0, bytes, timeout_ms};
    request.short_ok = true;
    co_return co_await m_comm.collect_reply(request, &m_claim);
}

Task<Result<QByteArray>> LinkBootloaderPort::take_unasked() {
    // A wait of no time returns what is queued, or times out at once when nothing is.
    const auto queued =
        co_await m_comm.collect_reply({QStringLiteral("unasked bytes"), 0, 1, 0}, &m_claim);
    if (!queued && queued.error_kind() == ErrorKind::TimedOut)
        co_return QByteArray();
    co_return queued;
}

} // namespace kx
