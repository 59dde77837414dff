#pragma once

#include "base/result.h"
#include "base/task.h"
#include "base/translation.h"

#include <QObject>
#include <QString>

namespace kx {

// Work with the pedal that takes seconds (an upload, the firmware upgrade): named steps, a
// progress signal and one result. A window starts it and watches it; the operation never
// shows a dialog. Its waits suspend the work and return to the event loop, so progress and
// step changes reach the window as they happen; the task of start() ends with the work.
class Operation : public QObject {
    Q_OBJECT
public:
    enum class State { Ready, Running, Succeeded, Failed };

    explicit Operation(QString name, QObject* parent = nullptr);

    // Runs the work to its end and gives its result. Refused (with an error, nothing done)
    // while it runs; once ended it may be started again from the beginning.
    Task<Status> start();
    // Asks the work to stop at its next safe point (between two exchanges); it then ends with
    // ErrorKind::Cancelled. Nothing happens when it does not run.
    void cancel() { m_cancel = m_state == State::Running; }
    bool cancel_requested() const { return m_cancel; }

    const QString& name() const { return m_name; }
    State state() const { return m_state; }
    bool running() const { return m_state == State::Running; }
    // The step running now, or the one where the work ended.
    const QString& step() const { return m_step; }
    int progress_percent() const { return m_progress; }
    const Status& result() const { return m_result; }

signals:
    void step_changed(const QString& step);
    void progress_changed(int percent);
    void finished(bool ok);

protected:
    // The work itself, step by step.
    virtual Task<Status> run() = 0;

    void set_step(const QString& step);
    void set_progress(int percent);

private:
    QString m_name;
    State m_state = State::Ready;
    QString m_step;
    int m_progress = 0;
    Status m_result;
    bool m_cancel = false;
};

inline constexpr char kMessageOperationRunning[] =
    QT_TRANSLATE_NOOP("Link", "%1 is already running.");

} // namespace kx
