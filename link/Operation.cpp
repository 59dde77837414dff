#include "link/Operation.h"
#include "base/translation.h"

#include <algorithm>
#include <utility>

namespace kx {

Operation::Operation(QString name, QObject* parent) : QObject(parent), m_name(std::move(name)) {}

Task<Status> Operation::start() {
    if (m_state == State::Running)
        co_return Error{ui_text("Link", kMessageOperationRunning).arg(m_name), ErrorKind::Busy};
    m_state = State::Running;
    m_cancel = false;
    m_step.clear();
    set_progress(0);
    m_result = co_await run();
    m_cancel = false;
    m_state = m_result ? State::Succeeded : State::Failed;
    if (m_result)
        set_progress(100);
    emit finished(m_result.ok());
    co_return Status(m_result); // a copy: an lvalue given to co_return is moved from
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
