#include "link/Operation.h"

#include <algorithm>
#include <utility>

namespace kx {

Operation::Operation(QString name, QObject* parent) : QObject(parent), m_name(std::move(name)) {}

Status Operation::start() {
    if (m_state == State::Running)
        return Error{QString::fromLatin1(kMessageOperationRunning).arg(m_name)};
    m_state = State::Running;
    m_cancel = false;
    m_step.clear();
    set_progress(0);
    m_result = run();
    if (m_result)
        m_state = State::Succeeded;
    else if (m_result.error_kind() == ErrorKind::Cancelled)
        m_state = State::Cancelled;
    else
        m_state = State::Failed;
    if (m_result)
        set_progress(100);
    emit finished(m_result.ok());
    return m_result;
}

void Operation::cancel() {
    if (m_state == State::Running)
        m_cancel = true;
}

void Operation::set_step(const QString& step) {
    if (step == m_step)
        return;
    m_step = step;
    emit step_changed(step);
}

void Operation::set_progress(int percent) {
    percent = std::clamp(percent, 0, 100);
    if (percent == m_progress)
        return;
    m_progress = percent;
    emit progress_changed(percent);
}

Error Operation::cancelled() const {
    return Error{QString::fromLatin1(kMessageOperationCancelled).arg(m_name, m_step),
                 ErrorKind::Cancelled};
}

} // namespace kx
