#include "editor_fixture.h"
#include "support/await.h"
#include "support/hostile_files.h"

#include "app/Main.h"
#include "app/NewVersionMsg.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QMenu>

using namespace kx;

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void first_start_makes_folders_and_files();
    void update_message_file_data();
    void update_message_file();
    void look_file_data();
    void look_file();
    void chosen_look_is_applied_and_kept();
    void show_update_message_toggles_data();
    void show_update_message_toggles();
    void choice_not_stored_after_file_deleted();
    void dont_show_again_stores_no();
    void folder_that_cannot_be_made();
    void hostile_settings_files_data();
    void hostile_settings_files();

private:
    EditorFixture* f = nullptr;
};

void TestSettings::init() {
    f = new EditorFixture;
    QVERIFY(f->documents.isValid());
    qApp->setStyleSheet(QString());
}

void TestSettings::cleanup() {
    delete f;
    f = nullptr;
}

void TestSettings::first_start_makes_folders_and_files() {
    f->start();
    QVERIFY(QFileInfo(f->path("NORVA")).isDir());
    QVERIFY(QFileInfo(f->path("NORVA/Kestrel X")).isDir());
    QCOMPARE(f->read(kMessageFile), QByteArray("YES"));
    QVERIFY(!QFile::exists(f->path(kLookFile)));
    QCOMPARE(qApp->styleSheet(), f->resource("STYLE_0"));
    QVERIFY(f->main().menuShowUpdateMsg->isChecked());
    QVERIFY(f->context->show_update_message);
    QCOMPARE(f->dialogs.messages, QStringList());
}

void TestSettings::update_message_file_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("show");
    QTest::newRow("YES") << QByteArray("YES") << true;
    QTest::newRow("NO") << QByteArray("NO") << false;
    QTest::newRow("lower-case no") << QByteArray("no") << true;
    QTest::newRow("NO with LF") << QByteArray("NO\n") << true;
    QTest::newRow("NO with CR LF") << QByteArray("NO\r\n") << true;
    QTest::newRow("NO after a byte-order mark") << QByteArray("\xEF\xBB\xBFNO") << true;
    QTest::newRow("blank before NO") << QByteArray(" NO") << true;
    QTest::newRow("empty") << QByteArray() << true;
}

void TestSettings::update_message_file() {
    QFETCH(QByteArray, content);
    QFETCH(bool, show);
    f->write(kMessageFile, content);
    f->start();
    QCOMPARE(f->context->show_update_message, show);
    QCOMPARE(f->main().menuShowUpdateMsg->isChecked(), show);
    QCOMPARE(f->read(kMessageFile), content); // reading never rewrites the file
    QCOMPARE(f->dialogs.messages, QStringList());
}

void TestSettings::look_file_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("applied"); // resource name, or empty: the look before stays
    QTest::addColumn<bool>("error");
    QTest::newRow("look 4") << QByteArray("4") << "STYLE_4" << false;
    QTest::newRow("look 0") << QByteArray("0") << "STYLE_0" << false;
    QTest::newRow("look 7, not in the menu") << QByteArray("7") << "STYLE_7" << false;
    QTest::newRow("line break after the number") << QByteArray("3\r\n") << "STYLE_3" << false;
    QTest::newRow("no such look") << QByteArray("9") << "" << false;
    QTest::newRow("negative") << QByteArray("-1") << "" << false;
    QTest::newRow("letters") << QByteArray("abc") << "STYLE_0" << true;
    QTest::newRow("empty") << QByteArray() << "STYLE_0" << true;
    QTest::newRow("decimal point") << QByteArray("4.0") << "STYLE_0" << true;
    QTest::newRow("too large") << QByteArray("99999999999") << "STYLE_0" << true;
}

void TestSettings::look_file() {
    QFETCH(QByteArray, content);
    QFETCH(QString, applied);
    QFETCH(bool, error);
    const QString before = QStringLiteral("QWidget { color: #123456; }");
    qApp->setStyleSheet(before);
    f->write(kLookFile, content);
    f->start();
    QCOMPARE(qApp->styleSheet(), applied.isEmpty() ? before : f->resource(applied));
    QCOMPARE(f->dialogs.messages.size(), error ? 1 : 0);
    if (error) {
        QVERIFY2(f->dialogs.messages.first().contains(QStringLiteral("whole number")),
                 qPrintable(f->dialogs.messages.first()));
        QVERIFY(f->dialogs.messages.first().contains(QStringLiteral("style.txt")));
    }
    // Start-up goes on after the error.
    QCOMPARE(f->main().lstCategory->count(), 7);
}

void TestSettings::chosen_look_is_applied_and_kept() {
    f->start();
    const QList<QAction*> items = f->main().menuLook->actions();
    QCOMPARE(items.size(), 7);
    items.at(4)->trigger();
    kx::test::settle();
    QCOMPARE(qApp->styleSheet(), f->resource("STYLE_4"));
    QCOMPARE(f->read(kLookFile), QByteArray("4"));
    items.at(6)->trigger();
    kx::test::settle();
    QCOMPARE(f->read(kLookFile), QByteArray("6"));
    items.at(4)->trigger();
    kx::test::settle();

    qApp->setStyleSheet(QString());
    f->restart();
    QCOMPARE(qApp->styleSheet(), f->resource("STYLE_4"));
    QCOMPARE(f->dialogs.messages, QStringList());
}

void TestSettings::show_update_message_toggles_data() {
    QTest::addColumn<QByteArray>("initial");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("checked, one click") << QByteArray("YES") << 1 << false << QByteArray("NO");
    QTest::newRow("checked, two clicks") << QByteArray("YES") << 2 << true << QByteArray("YES");
    QTest::newRow("unchecked, one click") << QByteArray("NO") << 1 << true << QByteArray("YES");
    QTest::newRow("unchecked, two clicks") << QByteArray("NO") << 2 << false << QByteArray("NO");
}

void TestSettings::show_update_message_toggles() {
    QFETCH(QByteArray, initial);
    QFETCH(int, clicks);
    QFETCH(bool, checked);
    QFETCH(QByteArray, stored);
    f->write(kMessageFile, initial);
    f->start();
    const bool in_memory = f->context->show_update_message;
    for (int i = 0; i < clicks; ++i)
        f->main().menuShowUpdateMsg->trigger();
    kx::test::settle();
    QCOMPARE(f->main().menuShowUpdateMsg->isChecked(), checked);
    QCOMPARE(f->read(kMessageFile), stored);
    // The choice counts from the next start on.
    QCOMPARE(f->context->show_update_message, in_memory);
    f->restart();
    QCOMPARE(f->context->show_update_message, checked);
}

void TestSettings::choice_not_stored_after_file_deleted() {
    f->start();
    QVERIFY(QFile::remove(f->path(kMessageFile)));
    f->main().menuShowUpdateMsg->trigger();
    kx::test::settle();
    f->windows->formNewVersionMsg->CheckBox1->setChecked(true);
    QVERIFY(!QFile::exists(f->path(kMessageFile)));
    QCOMPARE(f->dialogs.messages, QStringList());
}

void TestSettings::dont_show_again_stores_no() {
    f->start();
    QCheckBox* box = f->windows->formNewVersionMsg->CheckBox1;
    QCOMPARE(box->text(), QStringLiteral("Don't Show This Message Again"));
    box->click();
    kx::test::settle();
    QCOMPARE(f->read(kMessageFile), QByteArray("NO"));
    f->write(kMessageFile, "YES");
    box->click(); // unchecking stores nothing
    kx::test::settle();
    QCOMPARE(f->read(kMessageFile), QByteArray("YES"));
    box->click();
    kx::test::settle();
    f->restart();
    QVERIFY(!f->main().menuShowUpdateMsg->isChecked());
    QVERIFY(!f->context->show_update_message);
}

void TestSettings::folder_that_cannot_be_made() {
    // A file where the maker folder should be.
    f->write("NORVA", "not a folder");
    f->start();
    const QStringList& messages = f->dialogs.messages;
    QCOMPARE(messages.size(), 3);
    QVERIFY2(messages.at(0).startsWith(QStringLiteral("Error creating folder: ")),
             qPrintable(messages.at(0)));
    QVERIFY2(messages.at(1).startsWith(QStringLiteral("Error creating subfolder: ")),
             qPrintable(messages.at(1)));
    QVERIFY2(messages.at(2).startsWith(QStringLiteral("Error saving file: ")),
             qPrintable(messages.at(2)));
    QVERIFY(messages.at(0).size() > QStringLiteral("Error creating folder: ").size());
    // Start-up went on: default look, categories, the message stays on.
    QCOMPARE(qApp->styleSheet(), f->resource("STYLE_0"));
    QCOMPARE(f->main().lstCategory->count(), 7);
    QVERIFY(f->main().menuShowUpdateMsg->isChecked());
}

void TestSettings::hostile_settings_files_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("refusal");
    for (const QString& file : {kLookFile, kMessageFile})
        for (const hostile_files::Kind& kind : hostile_files::kKinds)
            QTest::addRow("%s, %s", qPrintable(QFileInfo(file).fileName()), kind.name)
                << file << QString::fromLatin1(kind.name) << QString::fromLatin1(kind.refusal);
}

// A settings file that is a pipe, a device, a folder or huge is refused with one message
// naming it; the window still comes up, with the defaults.
void TestSettings::hostile_settings_files() {
    QFETCH(QString, file);
    QFETCH(QString, kind);
    QFETCH(QString, refusal);
    QVERIFY(QDir().mkpath(QFileInfo(f->path(kMessageFile)).path()));
    QVERIFY(hostile_files::make(kind, f->path(file)));
    const qint64 memory_before = hostile_files::peak_memory_bytes();
    f->start();
    QCOMPARE(f->dialogs.messages.size(), 1);
    QVERIFY2(f->dialogs.messages.first().startsWith(QStringLiteral("Error loading file: ") +
                                                    QDir::toNativeSeparators(f->path(file))),
             qPrintable(f->dialogs.messages.first()));
    QVERIFY2(f->dialogs.messages.first().contains(refusal),
             qPrintable(f->dialogs.messages.first()));
    QVERIFY(hostile_files::peak_memory_bytes() - memory_before < hostile_files::kMemoryBound);
    QCOMPARE(f->main().lstCategory->count(), 7);
    QVERIFY(f->context->show_update_message);
}

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
