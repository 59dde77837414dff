#include "params/ui/FXParameters.h"

#include <QCloseEvent>

namespace kx {

namespace {
constexpr char kCaption[] = "FX Parameters";
constexpr int kClientWidth = 373;
constexpr int kRowHeight = 25;
constexpr int kExtraRows = 4;
constexpr int kMargin = 10;
} // namespace

int parameters_window_height(int control_count, int readback_count) {
    return (control_count + readback_count + kExtraRows) * kRowHeight + kMargin;
}

TformFXParameters::TformFXParameters(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint) {
    setObjectName(QStringLiteral("formFXParameters"));
    setWindowTitle(QString::fromLatin1(kCaption));
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(kClientWidth, parameters_window_height(0, 0));
}

void TformFXParameters::EnableDisableControls(bool AEnable) {
    const auto widgets = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* widget : widgets)
        widget->setEnabled(AEnable);
}

void TformFXParameters::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        OnShow();
}

void TformFXParameters::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted())
        OnClose();
}

void TformFXParameters::OnShow() {
    // The rows come from the selected effect's control description; until they are built
    // the window holds no rows.
    m_control_count = 0;
    m_readback_count = 0;
}

void TformFXParameters::OnClose() {
    const auto widgets = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* widget : widgets)
        delete widget;
    m_control_count = 0;
    m_readback_count = 0;
    emit closed();
}

} // namespace kx
