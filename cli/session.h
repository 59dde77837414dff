#pragma once

#include "base/clock.h"
#include "base/result.h"
#include "cli/terminal.h"
#include "library/resource_store.h"
#include "library/selection.h"
#include "link/pedal_commands.h"
#include "params/control_description.h"

#include <QStringList>

#include <memory>

namespace kx {
class Communication;
class D2XXUnit;
class PedalDrivers;
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

// The effect the pedal runs, named from the catalogue, with its control description.
struct RunningEffect {
    EffectInfo info;
    QString name;
    ControlDescription description;
};

// One run of kestrel-x: the same module state the editor keeps (drivers, chip access,
// connection, resource store, selection), with terminal stand-ins for its windows.
class Session {
public:
    explicit Session(const SessionOptions& options);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    const SessionOptions& options() const { return m_options; }
    Log& log() { return m_log; }
    Dialogs& dialogs() { return m_dialogs; }
    Clock& clock() { return m_clock; }
    ResourceStore& store() { return m_store; }
    D2XXUnit& d2xx() { return *m_d2xx; }
    Communication& comm() { return *m_comm; }
    SelectionState& selection() { return m_selection; }

    // Lists the chips and opens the chosen one at the pedal's line settings. kExitOk, or the
    // exit code after the reason has been printed.
    int connect(bool bootloader = false);
    // After connect(true): whether the bootloader acknowledged the check.
    bool bootloader_answered() const;
    // Says why ports given by path were not listed (busy, missing).
    void report_port_problems();

    // Asks the pedal what it runs and, when asked, reads that effect's control description.
    Result<RunningEffect> running_effect(bool with_description = true);

    // connect() then running_effect(); on failure the reason has been printed and the error's
    // code is the exit code.
    Result<RunningEffect> connect_to_effect(bool with_description = true);

    // Prints a failed exchange's error (unless the link has reported it) and returns the exit
    // code it means.
    int fail(const Error& error);

private:
    SessionOptions m_options;
    TerminalDialogs m_dialogs;
    TerminalLog m_log;
    TerminalConnectionUi m_ui;
    RealClock m_clock;
    ResourceStore m_store;
    SelectionState m_selection;
    std::unique_ptr<PedalDrivers> m_drivers;
    std::unique_ptr<D2XXUnit> m_d2xx;
    std::unique_ptr<Communication> m_comm;
};

} // namespace kx::cli
