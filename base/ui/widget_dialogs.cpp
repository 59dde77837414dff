#include "base/ui/widget_dialogs.h"

#include "base/ui/window_placement.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace kx {

namespace {
QString title() {
    return QApplication::applicationName();
}

// A box takes its size when it is shown, after it was placed: it is centred again then,
// before the window manager maps it.
class CentredBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        if (parentWidget())
            centre_on(this, parentWidget()->window());
    }
};

// Messages carry text from outside (a server's answer, a file's name, the pedal's reply): a
// box shows it as it is, never as markup that could bring its own headings and links.
int show_box(QWidget* parent, QMessageBox::Icon icon, const QString& text,
             QMessageBox::StandardButtons buttons) {
    CentredBox box(icon, title(), text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    return box.exec();
}
} // namespace

void WidgetDialogs::message(const QString& text) {
    show_box(parent(), QMessageBox::Information, text, QMessageBox::Ok);
}

Dialogs::Answer WidgetDialogs::confirm(const QString& text) {
    const int button =
        show_box(parent(), QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No);
    if (button == QMessageBox::Yes)
        return Answer::Yes;
    if (button == QMessageBox::No)
        return Answer::No;
    return Answer::Closed;
}

int WidgetDialogs::choose(const QString& text, const QStringList& choices) {
    CentredBox box(QMessageBox::Question, title(), text, QMessageBox::NoButton, parent());
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
    return QFileDialog::getOpenFileName(parent(), caption, folder, filter);
}

QString WidgetDialogs::save_file(const QString& caption, const QString& filter,
                                 const QString& folder) {
    return QFileDialog::getSaveFileName(parent(), caption, folder, filter);
}

QWidget* WidgetDialogs::parent() const {
    // The box is about what the user was doing: the window in use, when it is one of ours.
    QWidget* active = QApplication::activeWindow();
    if (active && active->isVisible() && !active->inherits("QMessageBox"))
        return active;
    return m_parent;
}

} // namespace kx
