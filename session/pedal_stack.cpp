#include "session/pedal_stack.h"

#include "link/Communication.h"
#include "link/D2XXUnit.h"
#include "session/pedal_session.h"

#include "base/paths.h"

#include <QDir>

namespace kx {

namespace {

// Beside the editor's own files: the firmware version each pedal last reported, which an
// upgrade started in the bootloader (where the firmware does not answer) compares with.
QString firmware_memory_file() {
    const QString documents = documents_folder();
    if (documents.isEmpty())
        return {};
    return QDir(documents).filePath(QStringLiteral("NORVA/Kestrel X/PedalFirmware.txt"));
}

} // namespace

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
    session->set_firmware_memory_file(firmware_memory_file());
}

} // namespace kx
