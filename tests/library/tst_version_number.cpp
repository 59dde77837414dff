#include "library/version_number.h"

#include <QTest>

using namespace kx;

class TestVersionNumber : public QObject {
    Q_OBJECT
private slots:
    void compares_digits_as_whole_numbers_data();
    void compares_digits_as_whole_numbers();
    void reads_the_version_page_data();
    void reads_the_version_page();
};

void TestVersionNumber::compares_digits_as_whole_numbers_data() {
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("own");
    QTest::addColumn<bool>("newer");
    QTest::newRow("1.1 over 1.0") << "1.1"
                                  << "1.0" << true;
    QTest::newRow("equal") << "1.0"
                           << "1.0" << false;
    QTest::newRow("older") << "0.9"
                           << "1.0" << false;
    QTest::newRow("1.0.1 over 1.1") << "1.0.1"
                                    << "1.1" << true;
    QTest::newRow("1.9 under 1.10") << "1.9"
                                    << "1.10" << false;
    QTest::newRow("1.10 over 1.9") << "1.10"
                                   << "1.9" << true;
    QTest::newRow("2 under 1.9") << "2"
                                 << "1.9" << false;
    QTest::newRow("leading zero counts for nothing") << "01.0"
                                                     << "1.0" << false;
    QTest::newRow("past 64 bits") << "99999999999999999999.1"
                                  << "99999999999999999999.0" << true;
}

void TestVersionNumber::compares_digits_as_whole_numbers() {
    QFETCH(QString, server);
    QFETCH(QString, own);
    QFETCH(bool, newer);
    QCOMPARE(is_newer_version(server, own), newer);
}

void TestVersionNumber::reads_the_version_page_data() {
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("version"); // empty: refused
    QTest::newRow("plain") << QByteArray("1.1") << "1.1";
    QTest::newRow("line break") << QByteArray("1.1\n") << "1.1";
    QTest::newRow("CR LF") << QByteArray("1.0.1\r\n") << "1.0.1";
    QTest::newRow("blanks after") << QByteArray("2.0 \t") << "2.0";
    QTest::newRow("empty") << QByteArray() << "";
    QTest::newRow("blank before") << QByteArray(" 1.1") << "";
    QTest::newRow("letter") << QByteArray("v1.1") << "";
    QTest::newRow("suffix") << QByteArray("1.1-beta") << "";
    QTest::newRow("dots only") << QByteArray("..") << "";
    QTest::newRow("a page") << QByteArray("<html><body>1.1</body></html>") << "";
    QTest::newRow("a zero byte") << QByteArray("1.1\0", 4) << "";
}

void TestVersionNumber::reads_the_version_page() {
    QFETCH(QByteArray, body);
    QFETCH(QString, version);
    const Result<QString> read = read_version_body(body);
    QCOMPARE(read.ok(), !version.isEmpty());
    if (read.ok())
        QCOMPARE(*read, version);
    else
        QVERIFY2(read.error().startsWith(QLatin1String("the version page holds \"")),
                 qPrintable(read.error()));
}

QTEST_GUILESS_MAIN(TestVersionNumber)
#include "tst_version_number.moc"
