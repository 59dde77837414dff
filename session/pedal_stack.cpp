#include "session/pedal_stack.h"

#include "link/Communication.h"
#include "link/D2XXUnit.h"
#include "session/pedal_session.h"

namespace kx {

PedalStack::PedalStack() = default;

PedalStack::~PedalStack() {
    clear();
}

void PedalStack::clear() {
    session.reset();
    communication.reset();
    d2xx.reset();
}

void PedalStack::build(SerialDriver& driver, ConnectionUi& ui, Log& log, Clock& clock,
                       ResourceStore& store) {
    clear();
    d2xx = std::make_unique<D2XXUnit>(driver, log);
    communication = std::make_unique<Communication>(*d2xx, ui, log, clock);
    session = std::make_unique<PedalSession>(*communication, store, log, clock);
}

} // namespace kx
