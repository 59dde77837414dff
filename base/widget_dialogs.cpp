#include "base/widget_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace kx {

namespace {
QString title() {
    return QApplication::applicationDisplayName();
}

// Messages carry text from outside (a server's answer, a file's name, the pedal's reply): a
// box shows it as it is, never as markup that could bring its own headings and links.
int show_box(QWidget* parent, QMessageBox::Icon icon, const QString& text,
             QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, title(), text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    return box.exec();
}
} // namespace

void WidgetDialogs::message(const QString& text) {
    show_box(m_parent, QMessageBox::Information, text, QMessageBox::Ok);
}

Dialogs::Answer WidgetDialogs::confirm(const QString& text) {
    const int button =
        show_box(m_parent, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No);
    if (button == QMessageBox::Yes)
        return Answer::Yes;
    if (button == QMessageBox::No)
        return Answer::No;
    return Answer::Closed;
}

int WidgetDialogs::choose(const QString& text, const QStringList& choices) {
    QMessageBox box(QMessageBox::Question, title(), text, QMessageBox::NoButton, m_parent);
    QList<QAbstractButton*> buttons;
    for (int k = 0; k < choices.size(); ++k) {
        const bool last = k == choices.size() - 1;
        buttons << box.addButton(choices.at(k), last     ? QMessageBox::RejectRole
                                                : k == 0 ? QMessageBox::AcceptRole
                                                         : QMessageBox::ActionRole);
    }
    if (!buttons.isEmpty()) {
        box.setDefaultButton(qobject_cast<QPushButton*>(buttons.first()));
        box.setEscapeButton(buttons.last());
    }
    box.exec();
    const int chosen = int(buttons.indexOf(box.clickedButton()));
    return chosen < 0 ? int(choices.size()) - 1 : chosen;
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
