#pragma once

#include "base/log.h"

#include <QWidget>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace kx {

// The log console: every part of the editor writes its diagnostic lines here. Hidden until
// the user asks for it; the lines stay in memory while it is hidden.
class TformPrint : public QWidget, public Log {
    Q_OBJECT
public:
    explicit TformPrint(QWidget* parent = nullptr);

    void print_line(const QString& text) override;
    void append_line(const QString& text) override;

    bool auto_scroll = false;

    QPushButton* btnClear;
    QPushButton* btnScrollTop;
    QCheckBox* CheckBox1;
    QPlainTextEdit* Memo1;

public slots:
    void btnClearClick();
    void btnScrollTopClick();
    void CheckBox1Change();

private:
    void FormCreate();
    void append_keeping_view(const QString& text);
    void scroll_to_end();
};

} // namespace kx
