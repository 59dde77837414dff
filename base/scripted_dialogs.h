#pragma once

#include "base/dialogs.h"

#include <QList>
#include <QStringList>

namespace kx {

// Dialogs that never block: they record every text shown and give the answers queued in
// advance. Used by the tests and by tools that run without a user.
class ScriptedDialogs : public Dialogs {
public:
    // Texts of message() and confirm() boxes, in the order shown.
    QStringList messages;
    QStringList confirmations;
    // Answers for confirm(); when none is queued the answer is Yes.
    QList<Answer> answers;
    // Texts of choose() boxes, and the indexes to answer them with; when none is queued the
    // answer is the last choice (the way out).
    QStringList questions;
    QList<int> choices;
    // Paths for open_file()/save_file(); when none is queued the dialog is cancelled.
    QStringList files;

    void message(const QString& text) override { messages << text; }
    Answer confirm(const QString& text) override {
        confirmations << text;
        return answers.isEmpty() ? Answer::Yes : answers.takeFirst();
    }
    // The folder each file dialog opened in, in order.
    QStringList folders;

    int choose(const QString& text, const QStringList& offered) override {
        questions << text;
        return choices.isEmpty() ? int(offered.size()) - 1 : choices.takeFirst();
    }
    QString open_file(const QString&, const QString&, const QString& folder) override {
        folders << folder;
        return files.isEmpty() ? QString() : files.takeFirst();
    }
    QString save_file(const QString&, const QString&, const QString& folder) override {
        folders << folder;
        return files.isEmpty() ? QString() : files.takeFirst();
    }
};

} // namespace kx
