#pragma once

#include "firmware/bootloader_port.h"

namespace kx {

class Communication;
class LinkClaim;

// The bootloader's bytes over the pedal's link, under the claim of the running upgrade, so no
// other pedal action comes between them.
class LinkBootloaderPort : public BootloaderPort {
public:
    LinkBootloaderPort(Communication& comm, const LinkClaim& claim);

    Task<Status> begin() override;
    Task<Status> send(QByteArray bytes) override;
    Task<Result<QByteArray>> receive(int bytes, int timeout_ms, QString what) override;
    Task<Result<QByteArray>> take_unasked() override;

private:
    Communication& m_comm;
    const LinkClaim& m_claim;
};

} // namespace kx
