#include "library/resource_store.h"

#include <QtTest>

using namespace kx;

class TestResourceStore : public QObject {
    Q_OBJECT
private slots:
    void format_resource_name_data();
    void format_resource_name();
    void split_lines_data();
    void split_lines();
    void lookup_ignores_case();
    void missing_resource_keeps_text();
};

void TestResourceStore::format_resource_name_data() {
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("resource");
    QTest::newRow("plus with blanks") << "Fenwick + IR Loader"
                                      << "Fenwick_plus_IR_Loader";
    QTest::newRow("plus glued") << "Chorus+Plate Reverb"
                                << "ChorusplusPlate_Reverb";
    QTest::newRow("upper X alone") << "Tremolo X Pan"
                                   << "Tremolo_mult_Pan";
    QTest::newRow("upper X inside word") << "Stack 800X"
                                         << "Stack_800mult";
    QTest::newRow("lower x stays") << "Basalt Fuzz Box"
                                   << "Basalt_Fuzz_Box";
    QTest::newRow("dash") << "Graphic EQ 7-Band"
                          << "Graphic_EQ_7_Band";
    QTest::newRow("category") << "Impulse Response"
                              << "Impulse_Response";
    QTest::newRow("unchanged") << "Gain"
                               << "Gain";
}

void TestResourceStore::format_resource_name() {
    QFETCH(QString, display);
    QFETCH(QString, resource);
    QCOMPARE(kx::format_resource_name(display), resource);
}

void TestResourceStore::split_lines_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("crlf, none after last") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("final break adds no line") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("lone cr") << QByteArray("a\rb") << QStringList{"a", "b"};
    QTest::newRow("mixed, empty line kept")
        << QByteArray("a\r\n\nb\r") << QStringList{"a", "", "b"};
    QTest::newRow("empty") << QByteArray() << QStringList{};
}

void TestResourceStore::split_lines() {
    QFETCH(QByteArray, data);
    QFETCH(QStringList, lines);
    QCOMPARE(split_resource_lines(data), lines);
}

void TestResourceStore::lookup_ignores_case() {
    ResourceStore store;
    const auto catalogue = store.read_file_from_stream("effect_list");
    QVERIFY(catalogue);
    QCOMPARE(catalogue->size(), 59);
    QCOMPARE(catalogue->first(), QString("0:empty"));
    QVERIFY(catalogue->last().startsWith("3A:"));
    const auto category = store.read_file_from_stream("Impulse_Response");
    QVERIFY(category);
    QCOMPARE(category->size(), 4);
    // Reading hands the lines to the caller alone: the effect list's text stays as it was.
    QVERIFY(store.resource_text.isEmpty());
}

void TestResourceStore::missing_resource_keeps_text() {
    ResourceStore store;
    const QString expected =
        QStringLiteral("Error loading resource: Resource no_such_thing_ctrls not found");
    const auto missing = store.read_file_from_stream("no_such_thing_ctrls");
    QVERIFY(!missing);
    QCOMPARE(missing.error(), expected);

    // The effect list's loader returns the error (the main window shows it) and keeps the
    // lines it held.
    QVERIFY(store.load_resource_text("gain"));
    const QStringList before = store.resource_text;
    QCOMPARE(before, *store.read_file_from_stream("GAIN"));
    QCOMPARE(store.load_resource_text("no_such_thing_ctrls").error(), expected);
    QCOMPARE(store.resource_text, before);
}

QTEST_GUILESS_MAIN(TestResourceStore)
#include "tst_resource_store.moc"
