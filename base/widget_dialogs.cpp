#include "base/widget_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace kx {

namespace {
QString title() {
    return QApplication::applicationDisplayName();
}
} // namespace

void WidgetDialogs::message(const QString& text) {
    QMessageBox::information(m_parent, title(), text, QMessageBox::Ok);
}

Dialogs::Answer WidgetDialogs::confirm(const QString& text) {
    const auto button =
        QMessageBox::question(m_parent, title(), text, QMessageBox::Yes | QMessageBox::No);
    if (button == QMessageBox::Yes)
        return Answer::Yes;
    if (button == QMessageBox::No)
        return Answer::No;
    return Answer::Closed;
}

QString WidgetDialogs::open_file(const QString& caption, const QString& filter,
                                 const QString& folder) {
    return QFileDialog::getOpenFileName(m_parent, caption, folder, filter);
}

QString WidgetDialogs::save_file(const QString& caption, const QString& filter,
                                 const QString& folder) {
    return QFileDialog::getSaveFileName(m_parent, caption, folder, filter);
}

} // namespace kx
