#pragma once

#include "ir/ir_import.h"

#include <QWidget>

namespace kx {

// The start of the file as a waveform, the loaded samples drawn strong and the rest faint,
// with the end of the loaded part marked and the time axis in milliseconds at 48 kHz.
class IrWaveformView : public QWidget {
    Q_OBJECT
public:
    explicit IrWaveformView(QWidget* parent = nullptr);
    void set_picture(const IrPicture& picture);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    IrPicture m_picture;
};

// The loaded samples' magnitude response in dB, 20 Hz to 20 kHz on a logarithmic axis.
class IrResponseView : public QWidget {
    Q_OBJECT
public:
    explicit IrResponseView(QWidget* parent = nullptr);
    void set_picture(const IrPicture& picture);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    IrPicture m_picture;
};

} // namespace kx
