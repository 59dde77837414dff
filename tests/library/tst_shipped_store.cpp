#include "base/log.h"
#include "library/effect_image.h"
#include "library/firmware_image.h"
#include "library/resource_store.h"
#include "params/control_description.h"

#include <QRegularExpression>
#include <QTest>

#include <limits>

using namespace kx;

namespace {

const QStringList kCategories{"GAIN",    "MODULATION",       "SYNTHESIS", "FILTER",
                              "DYNAMIC", "IMPULSE_RESPONSE", "OTHER"};
const QList<int> kCategorySizes{13, 16, 12, 4, 2, 4, 7};

// Where the impulse-response import writes its coefficients: first byte, word count, and the
// index of the word that holds FF800347 (-1 for none).
struct IrRegion {
    int first_byte;
    int words;
    int marker;
};
const QHash<QString, IrRegion> kIrRegions{
    {"Fenwick + IR Loader", {362, 703, -1}},
    {"Halcyon + IR Loader", {370, 703, -1}},
    {"Basic IR Loader", {230, 912, 881}},
    {"IR Loader + EQ", {230, 882, 881}},
};

bool crlf_only(const QByteArray& data) {
    for (qsizetype i = 0; i < data.size(); ++i) {
        if (data.at(i) == '\r' && (i + 1 >= data.size() || data.at(i + 1) != '\n'))
            return false;
        if (data.at(i) == '\n' && (i == 0 || data.at(i - 1) != '\r'))
            return false;
    }
    return true;
}

bool has_lone_lf(const QByteArray& data) {
    for (qsizetype i = 0; i < data.size(); ++i) {
        if (data.at(i) == '\n' && (i == 0 || data.at(i - 1) != '\r'))
            return true;
    }
    return false;
}

bool ascii(const QByteArray& data) {
    for (char c : data) {
        if (quint8(c) > 0x7E || (quint8(c) < 0x20 && c != '\r' && c != '\n' && c != '\t'))
            return false;
    }
    return true;
}

} // namespace

class TestShippedStore : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void catalogue_and_categories();
    void every_effect_data();
    void every_effect();
    void impulse_response_regions_data();
    void impulse_response_regions();
    void descriptions_across_the_catalogue();
    void firmware_image();
    void firmware_version_field_data();
    void firmware_version_field();
    void firmware_word_stays_inside_data();
    void firmware_word_stays_inside();

private:
    ResourceStore m_store;
    QStringList m_effects; // display names, index = effect number
};

void TestShippedStore::initTestCase() {
    const auto catalogue = m_store.raw(QStringLiteral("effect_list"));
    QVERIFY(catalogue);
    for (const QString& line : split_resource_lines(*catalogue))
        m_effects << line.mid(line.indexOf(QLatin1Char(':')) + 1);
}

void TestShippedStore::catalogue_and_categories() {
    const QByteArray catalogue = *m_store.raw(QStringLiteral("effect_list"));
    QVERIFY(crlf_only(catalogue));
    QVERIFY(!catalogue.endsWith('\n'));
    const QStringList lines = split_resource_lines(catalogue);
    QCOMPARE(lines.size(), 59);
    QCOMPARE(lines.first(), QStringLiteral("0:empty"));
    for (int i = 0; i < lines.size(); ++i) {
        QCOMPARE(lines.at(i).section(QLatin1Char(':'), 0, 0), QString::number(i, 16).toUpper());
        QVERIFY2(m_effects.at(i).size() <= 23, qPrintable(lines.at(i)));
        QCOMPARE(m_effects.at(i).trimmed(), m_effects.at(i));
    }

    QHash<QString, int> seen;
    for (int c = 0; c < kCategories.size(); ++c) {
        const auto data = m_store.raw(kCategories.at(c).toLower());
        QVERIFY2(data, qPrintable(kCategories.at(c)));
        QVERIFY2(crlf_only(*data) && !data->endsWith('\n'), qPrintable(kCategories.at(c)));
        const QStringList names = split_resource_lines(*data);
        QCOMPARE(names.size(), kCategorySizes.at(c));
        for (const QString& name : names) {
            QCOMPARE(name.trimmed(), name);
            QVERIFY2(m_effects.indexOf(name) > 0, qPrintable(name));
            ++seen[name];
        }
    }
    QVERIFY(!seen.contains(QStringLiteral("empty")));
    for (int i = 1; i < m_effects.size(); ++i)
        QVERIFY2(seen.value(m_effects.at(i)) == 1, qPrintable(m_effects.at(i)));
}

void TestShippedStore::every_effect_data() {
    QTest::addColumn<int>("number");
    for (int i = 1; i < m_effects.size(); ++i)
        QTest::newRow(qPrintable(m_effects.at(i))) << i;
}

void TestShippedStore::every_effect() {
    QFETCH(int, number);
    const QString name = m_effects.at(number);
    const QString resource = format_resource_name(name);

    // The image: one line of upper-case hexadecimal, valid, numbered by its catalogue line.
    const auto text = m_store.raw(resource);
    QVERIFY(text);
    QVERIFY(QRegularExpression(QStringLiteral("^([0-9A-F]{2})+$"))
                .match(QString::fromLatin1(*text))
                .hasMatch());
    const QByteArray bytes = image_bytes(QString::fromLatin1(*text));
    QVERIFY(bytes.size() >= 1216 && bytes.size() <= 9472);
    QStringList errors;
    const auto image = parse_effect_image(bytes, &errors);
    QVERIFY2(image, qPrintable(errors.join('\n')));
    QCOMPARE(image->effect_number, number);

    // The description, read as the parameters window reads it, agrees with the image.
    MemoryLog log;
    const auto description = read_control_description(name, m_store, log);
    QVERIFY2(description, qPrintable(description.error()));
    QVERIFY(ascii(*m_store.raw(resource + QStringLiteral("_ctrls"))));
    QCOMPARE(image->control_count, description->control_count);
    QCOMPARE(image->readback_count, description->readback_count);

    // Each control starts at a value its widget can show: a value word v * 8192, for a switch
    // off or on, for a multi switch one of its option values.
    for (int i = 0; i < description->control_count; ++i) {
        const quint32 word = image->parameter_words.at(image->parameter_addresses.at(i));
        const ControlEntry& entry = description->controls.at(i);
        QVERIFY2(word % 8192 == 0 && word <= 0x007FE000u, qPrintable(entry.label));
        const int v = int(word / 8192);
        if (entry.kind == ControlKind::Switch)
            QVERIFY2(v == 0 || v == 1023, qPrintable(entry.label));
        if (entry.kind == ControlKind::MultiSwitch) {
            const int step = 1024 / int(entry.options.size());
            QVERIFY2(v % step == 0 && v / step < entry.options.size(), qPrintable(entry.label));
        }
    }

    // The page: an office-suite HTML 4.0 export with the headed lines and every control.
    const auto page = m_store.raw(resource + QStringLiteral("_info"));
    QVERIFY(page);
    QVERIFY(ascii(*page));
    QVERIFY(page->contains("\r\n") && has_lone_lf(*page));
    const QString html = QString::fromLatin1(*page);
    QVERIFY(html.startsWith(
        QLatin1String("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">")));
    QVERIFY(html.contains(QLatin1String("<META NAME=\"GENERATOR\"")));
    QVERIFY(html.contains(QLatin1String("<STYLE TYPE=\"text/css\">")));
    QVERIFY(QRegularExpression(QStringLiteral("<B>INPUT: </B>(MONO|STEREO|MONO \\+ Sidechain)<"))
                .match(html)
                .hasMatch());
    QVERIFY(
        QRegularExpression(QStringLiteral("<B>OUTPUT: </B>(MONO|STEREO)<")).match(html).hasMatch());
    QVERIFY(html.contains(QLatin1String("<B>BLUE LED: </B>")));
    QVERIFY(html.contains(QLatin1String("<B>ORANGE LED: </B>")));
    QVERIFY(QRegularExpression(QStringLiteral("<B>FOOTSWITCH: </B>(Latching|Momentary)<"))
                .match(html)
                .hasMatch());
    for (const ControlEntry& entry : description->controls)
        QVERIFY2(html.contains(QStringLiteral("<B>%1</B>").arg(entry.label.toHtmlEscaped())),
                 qPrintable(entry.label));
    for (const QString& readback : description->readbacks)
        QVERIFY2(html.contains(QStringLiteral("<B>%1</B>").arg(readback.toHtmlEscaped())),
                 qPrintable(readback));
}

void TestShippedStore::impulse_response_regions_data() {
    QTest::addColumn<QString>("name");
    for (const QString& name : split_resource_lines(*m_store.raw("impulse_response")))
        QTest::newRow(qPrintable(name)) << name;
}

void TestShippedStore::impulse_response_regions() {
    QFETCH(QString, name);
    QVERIFY(kIrRegions.contains(name));
    const IrRegion region = kIrRegions.value(name);
    const QByteArray bytes =
        image_bytes(QString::fromLatin1(*m_store.raw(format_resource_name(name))));
    const auto image = parse_effect_image(bytes);
    QVERIFY(image);
    const int first_word = (region.first_byte - kParameterWordsOffset) / kParameterWordBytes;
    QVERIFY(first_word + region.words <= image->parameter_words.size());
    for (int k = 0; k < region.words; ++k) {
        const quint32 expected = k == 0 ? 0xFF800000u : (k == region.marker ? 0xFF800347u : 0u);
        QVERIFY2(image->parameter_words.at(first_word + k) == expected,
                 qPrintable(QStringLiteral("word %1 of the region").arg(k)));
    }
    // The import overwrites the whole region, so no control may live there.
    for (quint16 address : image->parameter_addresses)
        QVERIFY(address < first_word || address >= first_word + region.words);
}

void TestShippedStore::descriptions_across_the_catalogue() {
    int ending_with_break = 0;
    int with_crlf = 0;
    int with_lone_lf = 0;
    int wide = 0;
    int pictures = 0;
    QSet<int> readback_counts;
    QSet<int> option_counts;
    QSet<int> counts_line_sizes;
    for (int i = 1; i < m_effects.size(); ++i) {
        const QString resource = format_resource_name(m_effects.at(i));
        const QByteArray data = *m_store.raw(resource + QStringLiteral("_ctrls"));
        ending_with_break += data.endsWith('\n') ? 1 : 0;
        with_crlf += data.contains("\r\n") ? 1 : 0;
        with_lone_lf += has_lone_lf(data) ? 1 : 0;
        const QStringList lines = split_resource_lines(data);
        wide += lines.first() == QLatin1String("AC20") ? 1 : 0;
        counts_line_sizes << int(lines.first().size());
        const auto d = parse_control_description(lines, m_effects.at(i), 45);
        QVERIFY(d);
        readback_counts << d->readback_count;
        for (const ControlEntry& e : d->controls) {
            if (e.kind == ControlKind::MultiSwitch)
                option_counts << int(e.options.size());
        }
        static const QRegularExpression relative_picture(
            QStringLiteral("<IMG SRC=\"(?![a-z]+:|/)[^\"]+\""));
        pictures +=
            relative_picture.match(QString::fromLatin1(*m_store.raw(resource + "_info"))).hasMatch()
                ? 1
                : 0;
    }
    QCOMPARE(ending_with_break, 2);
    QCOMPARE(wide, 1);
    QCOMPARE(pictures, 1);
    QVERIFY(with_crlf > 0 && with_lone_lf > 0);
    QCOMPARE(counts_line_sizes, (QSet<int>{3, 4}));
    QCOMPARE(readback_counts, (QSet<int>{0, 1, 2, 3, 4}));
    QVERIFY(option_counts.size() >= 5);
}

void TestShippedStore::firmware_image() {
    const auto firmware = m_store.raw(QStringLiteral("Firmware_1"));
    QVERIFY(firmware);
    QCOMPARE(firmware->size(), 35868);
    const quint32 stack = *firmware_word(*firmware, 0);
    QVERIFY(stack > kRamBase && stack <= kRamBase + kRamSize && stack % 8 == 0);
    // Every handler is a Thumb address (odd) inside the image; reserved slots are zero.
    for (int v = 1; v < 16 + 43; ++v) {
        const quint32 handler = *firmware_word(*firmware, 4 * v);
        if (v == 7 || v == 8 || v == 9 || v == 10 || v == 13) {
            QCOMPARE(handler, 0u);
            continue;
        }
        QVERIFY2(handler % 2 == 1 && handler > kFlashBase + 4 * 59 &&
                     handler < kFlashBase + quint32(firmware->size()),
                 qPrintable(QStringLiteral("vector %1").arg(v)));
    }
    QCOMPARE(firmware_version_of(*firmware), std::optional<quint32>(12));
}

void TestShippedStore::firmware_version_field_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("version"); // -1: none
    const QByteArray before(kFirmwareVersionOffset, '\xFF');
    QTest::newRow("field") << before + QByteArray("KXFW\x2A\x01\x00\x00", 8) << 0x12A;
    QTest::newRow("erased flash") << before + QByteArray(8, '\xFF') << -1;
    QTest::newRow("cut inside the number") << before + QByteArray("KXFW\x01\x00", 6) << -1;
    QTest::newRow("shorter than the offset") << QByteArray(16, '\0') << -1;
}

void TestShippedStore::firmware_version_field() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, version);
    const auto found = firmware_version_of(bytes);
    QCOMPARE(found.has_value(), version >= 0);
    if (found)
        QCOMPARE(int(*found), version);
}

void TestShippedStore::firmware_word_stays_inside_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("offset");
    QTest::addColumn<qint64>("word"); // -1: none
    const QByteArray eight = QByteArray::fromHex("0001020304050607");
    QTest::newRow("first word") << eight << 0 << qint64(0x03020100);
    QTest::newRow("last word") << eight << 4 << qint64(0x07060504);
    QTest::newRow("one byte short") << eight << 5 << qint64(-1);
    QTest::newRow("negative") << eight << -1 << qint64(-1);
    QTest::newRow("lowest int") << eight << std::numeric_limits<int>::min() << qint64(-1);
    QTest::newRow("highest int") << eight << std::numeric_limits<int>::max() << qint64(-1);
    // An offset whose end would wrap around past the highest int.
    QTest::newRow("offset near the highest int")
        << QByteArray(1, '\0') << std::numeric_limits<int>::max() - 1 << qint64(-1);
}

void TestShippedStore::firmware_word_stays_inside() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, offset);
    QFETCH(qint64, word);
    const auto found = firmware_word(bytes, offset);
    QCOMPARE(found.has_value(), word >= 0);
    if (found)
        QCOMPARE(qint64(*found), word);
}

QTEST_GUILESS_MAIN(TestShippedStore)
#include "tst_shipped_store.moc"
