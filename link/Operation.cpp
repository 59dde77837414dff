#include "link/Operation.h"

#include <algorithm>
#include <utility>

namespace kx {

Operation::Operation(QString name, QObject* parent) : QObject(parent), m_name(std::move(name)) {}

Status Operation::start() {
    if (m_state == State::Running)
        return Error{QString::fromLatin1(kMessageOperationRunning).arg(m_name)};
    m_state = State::Running;
    m_step.clear();
    set_progress(0);
    m_result = run();
    m_state = m_result ? State::Succeeded : State::Failed;
    if (m_result)
        set_progress(100);
    emit finished(m_result.ok());
    return m_result;
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

} // namespace kx
