#pragma once

#include "base/result.h"

#include <QObject>
#include <QString>

namespace kx {

// Work with the pedal that takes seconds (an upload, the firmware upgrade): named steps, a
// progress signal and one result. A window starts it and watches it; the operation never
// shows a dialog. Its waits keep window events flowing, so start() returns only when the
// work has ended, while progress and step changes reach the window as they happen.
class Operation : public QObject {
    Q_OBJECT
public:
    enum class State { Ready, Running, Succeeded, Failed, Cancelled };

    explicit Operation(QString name, QObject* parent = nullptr);

    // Runs the work to its end and returns its result. Refused (with an error, nothing done)
    // while it runs; once ended it may be started again from the beginning.
    Status start();
    // Asks the work to stop at its next safe point; it then ends as cancelled.
    void cancel();

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
    // The work itself, step by step. It checks cancel_requested() where stopping is safe and
    // returns cancelled() there.
    virtual Status run() = 0;

    void set_step(const QString& step);
    void set_progress(int percent);
    bool cancel_requested() const { return m_cancel; }
    Error cancelled() const;

private:
    QString m_name;
    State m_state = State::Ready;
    QString m_step;
    int m_progress = 0;
    bool m_cancel = false;
    Status m_result;
};

inline constexpr char kMessageOperationRunning[] = "%1 is already running.";
inline constexpr char kMessageOperationCancelled[] = "%1 was cancelled during %2.";

} // namespace kx
