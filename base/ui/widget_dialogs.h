#pragma once

#include "base/dialogs.h"

#include <QPointer>
#include <QWidget>

namespace kx {

// The real dialogs, shown with QMessageBox and QFileDialog.
class WidgetDialogs : public Dialogs {
public:
    explicit WidgetDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
    void set_parent(QWidget* parent) { m_parent = parent; }

    void message(const QString& text) override;
    Answer confirm(const QString& text) override;
    int choose(const QString& text, const QStringList& choices) override;
    QString open_file(const QString& caption, const QString& filter,
                      const QString& folder) override;
    QString save_file(const QString& caption, const QString& filter,
                      const QString& folder) override;

private:
    // The window a box is about: the active window of the program, else the one given.
    QWidget* parent() const;

    QPointer<QWidget> m_parent;
};

} // namespace kx
