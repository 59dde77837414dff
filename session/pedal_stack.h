#pragma once

#include <memory>

namespace kx {

class Clock;
class Communication;
class ConnectionUi;
class D2XXUnit;
class Log;
class PedalSession;
class ResourceStore;
class SerialDriver;

// The chip access, the connection and the session over one driver: built the same way for
// the editor and for kestrel-x, and ended in the order they refer to each other (the session
// refers to the connection, which refers to the chip access, which closes the chip through
// the driver).
class PedalStack {
public:
    PedalStack();
    ~PedalStack();
    PedalStack(const PedalStack&) = delete;
    PedalStack& operator=(const PedalStack&) = delete;

    // Builds the three anew over `driver`; what was built before ends first.
    void build(SerialDriver& driver, ConnectionUi& ui, Log& log, Clock& clock,
               ResourceStore& store);
    void clear();

    std::unique_ptr<D2XXUnit> d2xx;
    std::unique_ptr<Communication> communication;
    std::unique_ptr<PedalSession> session;
};

} // namespace kx
