#pragma once

#include "base/clock.h"
#include "base/result.h"
#include "cli/terminal.h"
#include "library/resource_store.h"
#include "session/pedal_stack.h"

#include <QStringList>

#include <memory>

namespace kx {
class Communication;
class D2XXUnit;
class PedalDrivers;
class PedalSession;
struct PedalEffect;
} // namespace kx

namespace kx::cli {

// How the pedal is reached and what is printed, from the options every command shares.
struct SessionOptions {
    bool virtual_pedal = false;
    QStringList ports;
    QString serial; // empty: the chip listed last, as the editor's Connect does
    bool verbose = false;
    bool json = false;
};

// One run of kestrel-x: the drivers, the chip access and the connection the editor uses, and
// the same PedalSession, which knows the pedal and does every pedal operation. The commands
// only read the command line, call the session and print.
class Session {
public:
    explicit Session(const SessionOptions& options);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    const SessionOptions& options() const { return m_options; }
    Log& log() { return m_log; }
    Clock& clock() { return m_clock; }
    ResourceStore& store() { return m_store; }
    D2XXUnit& d2xx() { return *m_stack.d2xx; }
    Communication& comm() { return *m_stack.communication; }
    PedalSession& pedal() { return *m_stack.session; }

    // Lists the chips and opens the chosen one at the pedal's line settings; with
    // `bootloader`, the connection checks for the bootloader, as the editor's Upgrade Mode.
    Status connect(bool bootloader = false);
    // Says why ports given by path were not listed (busy, missing).
    void report_port_problems();

    // Connects and asks the pedal what it runs: the running effect, opened. A pedal that does
    // not answer is told apart from one that runs no effect (NoEffect), so that a command
    // that needs no effect can go on.
    Result<PedalEffect> connect_to_effect();

    // Waits, at most kSentLimitMs, until every byte written has left for the pedal: the
    // program closes the port right after its last message, which has no answer.
    Status finish_sending();

    // Prints a failure as one line (an object under --json) and returns its exit status.
    int fail(const Error& error);

private:
    SessionOptions m_options;
    TerminalDialogs m_dialogs;
    TerminalLog m_log;
    TerminalConnectionUi m_ui;
    RealClock m_clock;
    ResourceStore m_store;
    std::unique_ptr<PedalDrivers> m_drivers;
    PedalStack m_stack;
};

} // namespace kx::cli
