#pragma once

#include <QString>
#include <QWidget>

namespace kx {

// Client height of the parameters window for an effect with `control_count` controls and
// `readback_count` readbacks: one 25-pixel row each, plus bypass, preset and margins.
int parameters_window_height(int control_count, int readback_count);

// The effect parameters window. The main window sets the selected effect and whether it runs
// on the pedal, then places and shows it; showing builds the widgets, closing discards them.
class TformFXParameters : public QWidget {
    Q_OBJECT
public:
    explicit TformFXParameters(QWidget* parent = nullptr);

    // Set by the main window before it shows this window.
    QString selected_effect_name;
    bool effect_is_live = false;

    // Counts of the effect built by the last showing.
    int control_count() const { return m_control_count; }
    int readback_count() const { return m_readback_count; }

    // Enables or disables every widget of the window.
    void EnableDisableControls(bool AEnable);

signals:
    // The window was closed: the main window disables the buttons that need it open.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void OnShow();
    void OnClose();

    int m_control_count = 0;
    int m_readback_count = 0;
};

} // namespace kx
