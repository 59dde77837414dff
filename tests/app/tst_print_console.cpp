#include "app/PrintConsole.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

using namespace kx;

namespace {
int first_visible_line(const TformPrint& console) {
    return console.Memo1->verticalScrollBar()->value();
}
bool at_end(const TformPrint& console) {
    const QScrollBar* bar = console.Memo1->verticalScrollBar();
    return bar->maximum() > 0 && bar->value() == bar->maximum();
}
void fill(TformPrint& console, int lines) {
    for (int i = 0; i < lines; ++i)
        console.print_line(QStringLiteral("line %1").arg(i));
}
} // namespace

class TestPrintConsole : public QObject {
    Q_OBJECT
private slots:
    void scrolling_data();
    void scrolling();
    void clear_empties_the_log();
    void lines_written_while_hidden_are_kept();
    void text_can_be_selected_but_not_edited();
};

void TestPrintConsole::scrolling_data() {
    QTest::addColumn<bool>("follow");   // "scrollDOWN" checked
    QTest::addColumn<QString>("start"); // where the view is: top, middle, end
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("expect"); // end, top, unchanged
    QTest::newRow("print follows the end") << true << "top"
                                           << "print"
                                           << "end";
    QTest::newRow("print stays when unchecked") << false << "middle"
                                                << "print"
                                                << "unchanged";
    QTest::newRow("append never moves, top") << true << "top"
                                             << "append"
                                             << "unchanged";
    QTest::newRow("append never moves, end") << true << "end"
                                             << "append"
                                             << "unchanged";
    QTest::newRow("UP shows the first line") << true << "end"
                                             << "up"
                                             << "top";
    QTest::newRow("print after UP returns to the end") << true << "end"
                                                       << "up+print"
                                                       << "end";
}

void TestPrintConsole::scrolling() {
    QFETCH(bool, follow);
    QFETCH(QString, start);
    QFETCH(QString, action);
    QFETCH(QString, expect);

    TformPrint console;
    console.show();
    QVERIFY(QTest::qWaitForWindowExposed(&console));
    fill(console, 300);
    QVERIFY(at_end(console));
    console.CheckBox1->setChecked(follow);
    QCOMPARE(console.auto_scroll, follow);

    QScrollBar* bar = console.Memo1->verticalScrollBar();
    if (start == QLatin1String("top"))
        console.btnScrollTop->click();
    else if (start == QLatin1String("middle"))
        bar->setValue(bar->maximum() / 2);
    const int before = first_visible_line(console);

    if (action.startsWith(QLatin1String("up")))
        console.btnScrollTop->click();
    if (action.endsWith(QLatin1String("print")))
        console.print_line(QStringLiteral("new"));
    if (action == QLatin1String("append"))
        console.append_line(QStringLiteral("new"));

    if (expect == QLatin1String("end"))
        QVERIFY2(at_end(console), qPrintable(QString::number(bar->value())));
    else if (expect == QLatin1String("top"))
        QCOMPARE(first_visible_line(console), 0);
    else
        QCOMPARE(first_visible_line(console), before);
}

void TestPrintConsole::clear_empties_the_log() {
    TformPrint console;
    fill(console, 5);
    console.btnClear->click();
    QCOMPARE(console.Memo1->toPlainText(), QString());
    console.print_line(QStringLiteral("first"));
    QCOMPARE(console.Memo1->toPlainText(), QStringLiteral("first"));
}

void TestPrintConsole::lines_written_while_hidden_are_kept() {
    TformPrint console;
    QVERIFY(console.auto_scroll);
    QVERIFY(console.CheckBox1->isChecked());
    fill(console, 300);
    console.append_line(QStringLiteral("appended"));
    console.print_line(QStringLiteral("two\nlines"));
    QVERIFY(!console.isVisible());
    console.show();
    QVERIFY(QTest::qWaitForWindowExposed(&console));
    const QStringList lines = console.Memo1->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 303);
    QCOMPARE(lines.first(), QStringLiteral("line 0"));
    QCOMPARE(lines.mid(300), (QStringList{"appended", "two", "lines"}));
    // The console opens on the newest lines.
    QVERIFY(at_end(console));
}

void TestPrintConsole::text_can_be_selected_but_not_edited() {
    TformPrint console;
    console.show();
    QVERIFY(QTest::qWaitForWindowExposed(&console));
    console.print_line(QStringLiteral("keep me"));
    console.Memo1->setFocus();
    QTest::keyClicks(console.Memo1, QStringLiteral("typed"));
    QTest::keyClick(console.Memo1, Qt::Key_Backspace);
    QCOMPARE(console.Memo1->toPlainText(), QStringLiteral("keep me"));
    QTest::keyClick(console.Memo1, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(console.Memo1->textCursor().selectedText(), QStringLiteral("keep me"));
}

QTEST_MAIN(TestPrintConsole)
#include "tst_print_console.moc"
