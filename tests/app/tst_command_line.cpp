#include "app/CommandLine.h"

#include <QtTest>

using namespace kx;

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
};

void TestCommandLine::parse_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("virtual_pedal");
    QTest::addColumn<QStringList>("ports");
    QTest::addColumn<QString>("error"); // part of the message; empty when the line is valid
    QTest::newRow("nothing") << QStringList{} << false << QStringList{} << "";
    QTest::newRow("virtual pedal") << QStringList{"--virtual-pedal"} << true << QStringList{} << "";
    QTest::newRow("ports in order, with the pedal")
        << QStringList{"--port", "/dev/pts/3", "--virtual-pedal", "--port=/dev/ttyUSB0"} << true
        << QStringList{"/dev/pts/3", "/dev/ttyUSB0"} << "";
    QTest::newRow("port without path")
        << QStringList{"--port"} << false << QStringList{} << "--port";
    QTest::newRow("port with empty path")
        << QStringList{"--port="} << false << QStringList{} << "--port";
    QTest::newRow("unknown option")
        << QStringList{"--virtual"} << false << QStringList{} << "--virtual";
    QTest::newRow("stray argument")
        << QStringList{"--virtual-pedal", "extra"} << false << QStringList{} << "extra";
}

void TestCommandLine::parse() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, virtual_pedal);
    QFETCH(QStringList, ports);
    QFETCH(QString, error);
    QString message;
    const auto parsed = parse_command_line(arguments, &message);
    QCOMPARE(parsed.has_value(), error.isEmpty());
    if (!parsed) {
        QVERIFY2(message.contains(error), qPrintable(message));
        return;
    }
    QCOMPARE(parsed->link.virtual_pedal, virtual_pedal);
    QCOMPARE(parsed->link.ports, ports);
}

QTEST_MAIN(TestCommandLine)
#include "tst_command_line.moc"
