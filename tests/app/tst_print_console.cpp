#include "app/PrintConsole.h"
#include "app/Settings.h"
#include "base/scripted_dialogs.h"
#include "library/resource_store.h"
#include "support/await.h"

#include <QAccessible>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
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
    void keeps_the_last_lines_and_wraps_long_ones_data();
    void keeps_the_last_lines_and_wraps_long_ones();
    void text_can_be_selected_but_not_edited();
    void captions_fit_in_every_look_data();
    void captions_fit_in_every_look();
    void log_area_is_named();
    void save_log_data();
    void save_log();
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
    QTest::newRow("print stays when unchecked, at the end") << false << "end"
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
    kx::test::settle();
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
    kx::test::settle();
    QCOMPARE(console.Memo1->toPlainText(), QString());
    console.print_line(QStringLiteral("first"));
    QCOMPARE(console.Memo1->toPlainText(), QStringLiteral("first"));
}

void TestPrintConsole::lines_written_while_hidden_are_kept() {
    // Written before the console was ever shown or reached, when it has no text area yet.
    TformPrint console;
    QVERIFY(console.auto_scroll);
    fill(console, 300);
    console.append_line(QStringLiteral("appended"));
    console.print_line(QStringLiteral("two\nlines"));
    QVERIFY(!console.isVisible());
    console.show();
    QVERIFY(QTest::qWaitForWindowExposed(&console));
    QVERIFY(console.CheckBox1->isChecked());
    const QStringList lines = console.Memo1->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 303);
    QCOMPARE(lines.first(), QStringLiteral("line 0"));
    QCOMPARE(lines.mid(300), (QStringList{"appended", "two", "lines"}));
    // The console opens on the newest lines.
    QVERIFY(at_end(console));
}

void TestPrintConsole::keeps_the_last_lines_and_wraps_long_ones_data() {
    QTest::addColumn<bool>("shown_first"); // the text area made before the lines come
    QTest::newRow("written while shown") << true;
    QTest::newRow("written before it was ever shown") << false;
}

// A long session keeps the last 10,000 lines, not every line since the start; a line longer
// than the window (a reply in hex, a path) wraps and is seen whole.
void TestPrintConsole::keeps_the_last_lines_and_wraps_long_ones() {
    QFETCH(bool, shown_first);
    TformPrint console;
    if (shown_first)
        console.show();
    fill(console, 10050);
    const QString long_line = QStringLiteral("reply: ") + QString(600, QLatin1Char('A'));
    console.print_line(long_line);
    console.show();
    QVERIFY(QTest::qWaitForWindowExposed(&console));
    const QStringList lines = console.Memo1->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 10000);
    QCOMPARE(lines.first(), QStringLiteral("line 51"));
    QCOMPARE(lines.last(), long_line);
    QCOMPARE(console.Memo1->horizontalScrollBar()->maximum(), 0);
}

void TestPrintConsole::text_can_be_selected_but_not_edited() {
    TformPrint console;
    console.show();
    QVERIFY(QTest::qWaitForWindowExposed(&console));
    console.print_line(QStringLiteral("keep me"));
    console.Memo1->setFocus();
    QTest::keyClicks(console.Memo1, QStringLiteral("typed"));
    kx::test::settle();
    QTest::keyClick(console.Memo1, Qt::Key_Backspace);
    kx::test::settle();
    QCOMPARE(console.Memo1->toPlainText(), QStringLiteral("keep me"));
    QTest::keyClick(console.Memo1, Qt::Key_A, Qt::ControlModifier);
    kx::test::settle();
    QCOMPARE(console.Memo1->textCursor().selectedText(), QStringLiteral("keep me"));
}

void TestPrintConsole::captions_fit_in_every_look_data() {
    QTest::addColumn<int>("look");
    for (int look = 0; look <= 7; ++look)
        QTest::addRow("look %d", look) << look;
}

void TestPrintConsole::captions_fit_in_every_look() {
    QFETCH(int, look);
    ScriptedDialogs dialogs;
    const ResourceStore store;
    QVERIFY(apply_look(store, look));
    TformPrint console;
    console.show();
    QVERIFY(QTest::qWaitForWindowExposed(&console));

    QWidget* const row[] = {console.btnClear, console.btnScrollTop, console.CheckBox1};
    QRect previous;
    for (QWidget* control : row) {
        const QString name = control->objectName();
        const QSize wanted = control->sizeHint();
        QVERIFY2(control->width() >= wanted.width() && control->height() >= wanted.height(),
                 qPrintable(QStringLiteral("%1 is %2x%3, its caption needs %4x%5")
                                .arg(name)
                                .arg(control->width())
                                .arg(control->height())
                                .arg(wanted.width())
                                .arg(wanted.height())));
        QVERIFY2(!control->geometry().intersects(previous), qPrintable(name + " overlaps"));
        QVERIFY2(console.rect().contains(control->geometry()), qPrintable(name + " is outside"));
        previous = control->geometry();
    }
    QVERIFY(console.Memo1->geometry().top() > console.CheckBox1->geometry().bottom());
    qApp->setStyleSheet(QString());
}

void TestPrintConsole::log_area_is_named() {
    // Screen readers and test drivers find the controls by their accessible names.
    TformPrint console;
    for (QWidget* control : console.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        QVERIFY2(accessible && !accessible->text(QAccessible::Name).isEmpty(),
                 qPrintable(control->objectName() + " has no accessible name"));
    }
}

void TestPrintConsole::save_log_data() {
    QTest::addColumn<QString>("file"); // in a temporary folder; empty: the dialog is cancelled
    QTest::addColumn<QByteArray>("saved");
    QTest::addColumn<QString>("message");
    QTest::newRow("saved, replacing an older log")
        << "old.txt" << QByteArray("first\nsecond \xc3\xa9\n") << "";
    QTest::newRow("cancelled") << "" << QByteArray("older log\n") << "";
    QTest::newRow("folder missing") << "missing/log.txt" << QByteArray() << "Error saving file: ";
}

void TestPrintConsole::save_log() {
    QFETCH(QString, file);
    QFETCH(QByteArray, saved);
    QFETCH(QString, message);
    QTemporaryDir dir;
    {
        QFile old(dir.filePath(QStringLiteral("old.txt")));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("older log\n");
    }
    ScriptedDialogs dialogs;
    TformPrint console(&dialogs);
    console.print_line(QStringLiteral("first"));
    console.append_line(QStringLiteral("second \u00e9"));
    dialogs.files << (file.isEmpty() ? QString() : dir.filePath(file));
    console.btnSaveLog->click();
    kx::test::settle();

    QFile written(file.isEmpty() ? dir.filePath(QStringLiteral("old.txt")) : dir.filePath(file));
    if (saved.isEmpty()) {
        QVERIFY(!written.exists());
    } else {
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), saved);
    }
    QCOMPARE(dialogs.messages.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QVERIFY2(dialogs.messages.first().startsWith(message),
                 qPrintable(dialogs.messages.first()));
    // No temporary file is left behind.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.txt")});
}

QTEST_MAIN(TestPrintConsole)
#include "tst_print_console.moc"
