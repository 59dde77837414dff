#pragma once

#include "base/log.h"
#include "base/ui/built_on_use.h"

#include <QStringList>

#include <memory>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace kx {

class Dialogs;

// The log console: every part of the editor writes its diagnostic lines here. Hidden until
// the user asks for it; the lines stay in memory while it is hidden. Its text area is made when
// the console is first shown or reached: until then the lines wait in a plain list.
class TformPrint : public BuiltOnUseWindow, public Log {
    Q_OBJECT
public:
    // Without `dialogs` it shows real ones.
    explicit TformPrint(Dialogs* dialogs = nullptr, QWidget* parent = nullptr);
    ~TformPrint() override;

    void print_line(const QString& text) override;
    void append_line(const QString& text) override;

    bool auto_scroll = false;

    BuiltChild<QPushButton> btnClear{this};
    BuiltChild<QPushButton> btnScrollTop{this};
    BuiltChild<QPushButton> btnSaveLog{this};
    BuiltChild<QPushButton> btnClosePrint{this};
    BuiltChild<QCheckBox> CheckBox1{this};
    BuiltChild<QPlainTextEdit> Memo1{this};

public slots:
    void btnClearClick();
    void btnScrollTopClick();
    void CheckBox1Change();
    // Saves the log's lines to a file the user chooses, for a bug report.
    void btnSaveLogClick();

protected:
    void build() override;

private:
    void FormCreate();
    void append_keeping_view(const QString& text);
    // Keeps a line for the text area, which is not made yet.
    void wait(const QString& text);
    void scroll_to_end();

    std::unique_ptr<Dialogs> m_own_dialogs;
    Dialogs& m_dialogs;
    QStringList m_waiting; // lines written before the text area was made
};

} // namespace kx
