#include "params/ui/PotSlider.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

namespace kx {

namespace {

constexpr int kWheelNotch = 120; // angle delta of one notch, in eighths of a degree

} // namespace

PotSlider::PotSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    setSingleStep(1);
    setPageStep(10);
}

bool PotSlider::fine(Qt::KeyboardModifiers modifiers) {
    return modifiers & (Qt::ShiftModifier | Qt::ControlModifier);
}

void PotSlider::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Home || event->key() == Qt::Key_End) {
        event->ignore();
        return;
    }
    QSlider::keyPressEvent(event);
}

void PotSlider::wheelEvent(QWheelEvent* event) {
    if (!fine(event->modifiers()) || !isEnabled()) {
        QSlider::wheelEvent(event);
        return;
    }
    // Qt makes a modified wheel coarse (a page a notch); here it is the fine one.
    const QPoint delta = event->angleDelta();
    m_wheel_remainder += delta.y() != 0 ? delta.y() : -delta.x();
    const int notches = m_wheel_remainder / kWheelNotch;
    m_wheel_remainder -= notches * kWheelNotch;
    if (notches != 0)
        setValue(value() + (invertedControls() ? -notches : notches));
    event->accept();
}

void PotSlider::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && fine(event->modifiers()) && isEnabled()) {
        m_fine_drag = true;
        m_drag_start_x = int(event->position().x());
        m_drag_start_value = value();
        setSliderDown(true);
        event->accept();
        return;
    }
    QSlider::mousePressEvent(event);
}

void PotSlider::mouseMoveEvent(QMouseEvent* event) {
    if (m_fine_drag) {
        const int moved = int(event->position().x()) - m_drag_start_x;
        setSliderPosition(m_drag_start_value + (invertedAppearance() ? -moved : moved));
        event->accept();
        return;
    }
    QSlider::mouseMoveEvent(event);
}

void PotSlider::mouseReleaseEvent(QMouseEvent* event) {
    if (m_fine_drag && event->button() == Qt::LeftButton) {
        m_fine_drag = false;
        setSliderDown(false);
        event->accept();
        return;
    }
    QSlider::mouseReleaseEvent(event);
}

} // namespace kx
