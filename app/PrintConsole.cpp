#include "app/PrintConsole.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

namespace kx {

namespace {
constexpr char kCaption[] = "Print Console";
constexpr char kClear[] = "Clear";
constexpr char kUp[] = "UP";
constexpr char kScrollDown[] = "scrollDOWN";
constexpr int kClientWidth = 490;
constexpr int kClientHeight = 652;
constexpr int kMemoMargin = 8;
constexpr int kMemoTop = 42;
} // namespace

TformPrint::TformPrint(QWidget* parent)
    : QWidget(parent, Qt::Window), btnClear(new QPushButton(QString::fromLatin1(kClear), this)),
      btnScrollTop(new QPushButton(QString::fromLatin1(kUp), this)),
      CheckBox1(new QCheckBox(QString::fromLatin1(kScrollDown), this)),
      Memo1(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("formPrint"));
    setWindowTitle(QString::fromLatin1(kCaption));
    resize(kClientWidth, kClientHeight);
    move(1075, 0);
    // Only the main window's closing ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);

    btnClear->setObjectName(QStringLiteral("btnClear"));
    btnClear->setGeometry(8, 8, 80, 26);
    btnScrollTop->setObjectName(QStringLiteral("btnScrollTop"));
    btnScrollTop->setGeometry(101, 8, 49, 26);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(158, 8, 89, 26);
    CheckBox1->setChecked(true);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(kMemoMargin, kMemoTop, 474, 602);
    Memo1->setReadOnly(true);
    Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setFocusPolicy(Qt::ClickFocus);

    connect(btnClear, &QPushButton::clicked, this, &TformPrint::btnClearClick);
    connect(btnScrollTop, &QPushButton::clicked, this, &TformPrint::btnScrollTopClick);
    connect(CheckBox1, &QCheckBox::toggled, this, &TformPrint::CheckBox1Change);
    FormCreate();
}

void TformPrint::FormCreate() {
    auto_scroll = true;
}

void TformPrint::print_line(const QString& text) {
    Memo1->appendPlainText(text);
    if (auto_scroll)
        scroll_to_end();
}

void TformPrint::append_line(const QString& text) {
    // Appending would follow the end when the view is already there; this write must not
    // move the view at all.
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

void TformPrint::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The border is sizeable: the log area follows the window.
    Memo1->setGeometry(kMemoMargin, kMemoTop, qMax(0, width() - 2 * kMemoMargin),
                       qMax(0, height() - kMemoTop - kMemoMargin));
}

} // namespace kx
