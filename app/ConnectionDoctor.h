#pragma once

#include "platform/diagnosis.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTextBrowser;

namespace kx {

class Dialogs;

// The connection doctor's window: what the editor sees of the pedal's chip and ports, in plain
// words, each with what to do; the one command that allows access, to copy or to run with
// administrator rights. A dialog that does not block, so that every look dresses it as one and
// Escape closes it.
class ConnectionDoctor : public QDialog {
    Q_OBJECT
public:
    // Where to read the system from, asked anew by each diagnosis.
    using SourcesFactory = std::function<doctor::DoctorSources()>;
    // Runs a program with administrator rights without blocking; `done` gets its exit code, -1
    // when it could not start.
    using PrivilegedRunner =
        std::function<void(const QString& program, const QStringList& arguments,
                           std::function<void(int exit_code)> done)>;

    ConnectionDoctor(SourcesFactory sources, Dialogs& dialogs, QWidget* parent = nullptr);

    // Reads the system again and shows what it finds.
    void diagnose();
    const doctor::Diagnosis& diagnosis() const { return m_diagnosis; }

    // What the editor is connected to in a few words ("the virtual pedal", a port), or empty
    // when it is not connected.
    void set_connection(std::function<QString()> connected_to) {
        m_connected_to = std::move(connected_to);
    }

    // Tests record instead of asking for a password. By default pkexec runs it, when present.
    void set_privileged_runner(PrivilegedRunner runner, bool available);

    QLabel* lblSummary;
    QTextBrowser* memoFindings;
    QLabel* lblCommand;
    QLineEdit* edtCommand;
    QPushButton* btnCopyCommand;
    QPushButton* btnAllowAccess;
    QPushButton* btnDiagnose;
    QPushButton* btnClose;

public slots:
    void btnDiagnoseClick();
    void btnCopyCommandClick();
    void btnAllowAccessClick();

private:
    void show_diagnosis();
    void access_attempt_done(int exit_code);

    SourcesFactory m_sources;
    Dialogs& m_dialogs;
    PrivilegedRunner m_runner;
    bool m_runner_available = false;
    bool m_running = false;
    doctor::Diagnosis m_diagnosis;
    std::function<QString()> m_connected_to;
};

} // namespace kx
