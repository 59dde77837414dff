#include "app/PrintConsole.h"

#include "app/Settings.h"
#include "base/paths.h"
#include "base/translation.h"
#include "base/ui/accessibility.h"
#include "base/ui/translated.h"
#include "base/ui/widget_dialogs.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>

namespace kx {

namespace {
constexpr char kCaption[] = QT_TRANSLATE_NOOP("kx::TformPrint", "Print Console");
constexpr char kClear[] = QT_TRANSLATE_NOOP("kx::TformPrint", "Clear");
constexpr char kUp[] = QT_TRANSLATE_NOOP("kx::TformPrint", "UP");
constexpr char kScrollDown[] = QT_TRANSLATE_NOOP("kx::TformPrint", "scrollDOWN");
constexpr char kSave[] = QT_TRANSLATE_NOOP("kx::TformPrint", "Save\u2026");
constexpr char kClose[] = QT_TRANSLATE_NOOP("kx::TformPrint", "Close");
// The log keeps this many lines, the last ones: a long session never fills the memory.
constexpr int kKeptLines = 10000;
constexpr char kSaveCaption[] = QT_TRANSLATE_NOOP("kx::TformPrint", "Save the log");
constexpr char kSaveFilter[] =
    QT_TRANSLATE_NOOP("kx::TformPrint", "Text files (*.txt);;All files (*)");
constexpr char kSaveName[] = "kestrel-x-log.txt";
constexpr int kClientWidth = 490;
constexpr int kClientHeight = 652;
constexpr int kMargin = 8;
constexpr int kRowHeight = 26;
} // namespace

TformPrint::TformPrint(Dialogs* dialogs, QWidget* parent)
    : BuiltOnUseWindow(parent, Qt::Window),
      m_own_dialogs(dialogs ? nullptr : std::make_unique<WidgetDialogs>(this)),
      m_dialogs(dialogs ? *dialogs : *m_own_dialogs) {
    setObjectName(QStringLiteral("formPrint"));
    set_translated(this, "windowTitle", "kx::TformPrint", kCaption);
    // Only the main window's closing ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(kClientWidth, kClientHeight);
    move(1075, 0);
    close_on_escape(this);
    FormCreate();
}

void TformPrint::build() {
    btnClear = new QPushButton(this);
    set_translated(btnClear, "text", "kx::TformPrint", kClear);
    btnScrollTop = new QPushButton(this);
    set_translated(btnScrollTop, "text", "kx::TformPrint", kUp);
    btnSaveLog = new QPushButton(this);
    set_translated(btnSaveLog, "text", "kx::TformPrint", kSave);
    btnClosePrint = new QPushButton(this);
    set_translated(btnClosePrint, "text", "kx::TformPrint", kClose);
    CheckBox1 = new QCheckBox(this);
    set_translated(CheckBox1, "text", "kx::TformPrint", kScrollDown);
    Memo1 = new QPlainTextEdit(this);
    btnClear->setObjectName(QStringLiteral("btnClear"));
    btnScrollTop->setObjectName(QStringLiteral("btnScrollTop"));
    btnSaveLog->setObjectName(QStringLiteral("btnSaveLog"));
    btnClosePrint->setObjectName(QStringLiteral("btnClosePrint"));
    set_translated(btnSaveLog, "accessibleDescription", "kx::TformPrint",
                   QT_TRANSLATE_NOOP("kx::TformPrint", "Saves the log to a file"));
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setChecked(auto_scroll);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    // The buttons and the check box are named by their captions; the log area has none.
    set_translated(Memo1, "accessibleName", "kx::TformPrint",
                   QT_TRANSLATE_NOOP("kx::TformPrint", "Log"));
    Memo1->setReadOnly(true);
    Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Long lines (a pedal's reply in hex, a path) wrap at the window's edge, whole in view.
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    Memo1->setMaximumBlockCount(kKeptLines);
    // Reachable with Tab so that the keyboard can select and copy; Tab also leaves it.
    Memo1->setFocusPolicy(Qt::StrongFocus);
    Memo1->setTabChangesFocus(true);

    // The controls keep their designed sizes (Clear 80, UP 49, scrollDOWN 89 wide, 26 high)
    // as a minimum and grow when a look's font or padding needs more, so no caption is cut.
    btnClear->setMinimumSize(80, kRowHeight);
    btnScrollTop->setMinimumSize(49, kRowHeight);
    CheckBox1->setMinimumSize(89, kRowHeight);
    btnSaveLog->setMinimumHeight(kRowHeight); // as high as the row's other buttons
    btnClosePrint->setMinimumHeight(kRowHeight);
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    row->addWidget(btnClear);
    row->addSpacing(13);
    row->addWidget(btnScrollTop);
    row->addSpacing(8);
    row->addWidget(CheckBox1);
    row->addStretch(1);
    row->addWidget(btnSaveLog);
    row->addSpacing(8);
    row->addWidget(btnClosePrint);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    column->setSpacing(kMargin);
    column->addLayout(row);
    column->addWidget(Memo1, 1); // the border is sizeable: the log area follows the window

    // Tab follows the row from left to right, then the log.
    setTabOrder(btnClear, btnScrollTop);
    setTabOrder(btnScrollTop, CheckBox1);
    setTabOrder(CheckBox1, btnSaveLog);
    setTabOrder(btnSaveLog, btnClosePrint);
    setTabOrder(btnClosePrint, Memo1);

    connect(btnClear, &QPushButton::clicked, this, &TformPrint::btnClearClick);
    connect(btnScrollTop, &QPushButton::clicked, this, &TformPrint::btnScrollTopClick);
    connect(CheckBox1, &QCheckBox::toggled, this, &TformPrint::CheckBox1Change);
    connect(btnSaveLog, &QPushButton::clicked, this, &TformPrint::btnSaveLogClick);
    connect(btnClosePrint, &QPushButton::clicked, this, &QWidget::close);

    // The lines written so far, at once; the view starts at the end, where it would have
    // followed them.
    if (!m_waiting.isEmpty()) {
        Memo1->setPlainText(m_waiting.join(QLatin1Char('\n')));
        m_waiting.clear();
        scroll_to_end();
    }
}

TformPrint::~TformPrint() = default;

void TformPrint::FormCreate() {
    auto_scroll = true;
}

void TformPrint::print_line(const QString& text) {
    if (!is_built()) {
        wait(text);
        return;
    }
    if (auto_scroll) {
        Memo1->appendPlainText(text);
        scroll_to_end();
    } else {
        append_keeping_view(text);
    }
}

void TformPrint::append_line(const QString& text) {
    if (!is_built()) {
        wait(text);
        return;
    }
    append_keeping_view(text);
}

void TformPrint::wait(const QString& text) {
    m_waiting << text;
    if (m_waiting.size() > kKeptLines)
        m_waiting.removeFirst();
}

void TformPrint::append_keeping_view(const QString& text) {
    // Appending follows the end when the view is already there; this write must not move the
    // view at all.
    QScrollBar* vertical = Memo1->verticalScrollBar();
    QScrollBar* horizontal = Memo1->horizontalScrollBar();
    const int v = vertical->value();
    const int h = horizontal->value();
    Memo1->appendPlainText(text);
    vertical->setValue(v);
    horizontal->setValue(h);
}

void TformPrint::scroll_to_end() {
    Memo1->horizontalScrollBar()->setValue(0);
    Memo1->verticalScrollBar()->setValue(Memo1->verticalScrollBar()->maximum());
}

void TformPrint::btnClearClick() {
    Memo1->clear();
}

void TformPrint::btnScrollTopClick() {
    Memo1->verticalScrollBar()->setValue(0);
}

void TformPrint::CheckBox1Change() {
    auto_scroll = CheckBox1->isChecked();
}

void TformPrint::btnSaveLogClick() {
    const QString path = m_dialogs.save_file(
        ui_text("kx::TformPrint", kSaveCaption), ui_text("kx::TformPrint", kSaveFilter),
        QDir(documents_folder()).filePath(QString::fromLatin1(kSaveName)));
    if (path.isEmpty())
        return;
    // Through a temporary file: a failed write leaves an older log of that name as it was.
    QSaveFile file(path);
    QByteArray text = Memo1->toPlainText().toUtf8();
    if (!text.isEmpty())
        text += '\n';
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        m_dialogs.message(ui_text("kx::TformMain", kErrorSavingFile) + file.errorString());
}

} // namespace kx
