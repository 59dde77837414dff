#pragma once

#include "base/log.h"

#include <QWidget>

#include <memory>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace kx {

class Dialogs;

// The log console: every part of the editor writes its diagnostic lines here. Hidden until
// the user asks for it; the lines stay in memory while it is hidden.
class TformPrint : public QWidget, public Log {
    Q_OBJECT
public:
    // Without `dialogs` it shows real ones.
    explicit TformPrint(Dialogs* dialogs = nullptr, QWidget* parent = nullptr);
    ~TformPrint() override;

    void print_line(const QString& text) override;
    void append_line(const QString& text) override;

    bool auto_scroll = false;

    QPushButton* btnClear;
    QPushButton* btnScrollTop;
    QPushButton* btnSaveLog;
    QCheckBox* CheckBox1;
    QPlainTextEdit* Memo1;

public slots:
    void btnClearClick();
    void btnScrollTopClick();
    void CheckBox1Change();
    // Saves the log's lines to a file the user chooses, for a bug report.
    void btnSaveLogClick();

private:
    void FormCreate();
    void append_keeping_view(const QString& text);
    void scroll_to_end();

    std::unique_ptr<Dialogs> m_own_dialogs;
    Dialogs& m_dialogs;
};

} // namespace kx
