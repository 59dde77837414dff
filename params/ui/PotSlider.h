#pragma once

#include <QSlider>

namespace kx {

// A pot's slider, made for fine work on 1,024 steps that its width shows at about 8 a pixel:
// the arrows step by 1 and Page Up/Down by 10 as in any slider, but Home and End do not jump to
// the ends (one key must not send a level to 0 or 1023), and with Shift or Ctrl held a drag
// moves one step a pixel and each wheel notch one step.
class PotSlider : public QSlider {
    Q_OBJECT
public:
    explicit PotSlider(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    static bool fine(Qt::KeyboardModifiers modifiers);

    bool m_fine_drag = false;
    int m_drag_start_x = 0;
    int m_drag_start_value = 0;
    int m_wheel_remainder = 0;
};

} // namespace kx
