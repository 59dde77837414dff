#include "base/log.h"
#include "library/effect_image.h"
#include "library/effect_image_builder.h"
#include "library/parameter_addresses.h"
#include "library/resource_store.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kx;

Q_DECLARE_METATYPE(kx::EffectImageDescription)

namespace {

// Effect 7, version 2, one readback, three controls at words 3, 4 and 5 of a 40-word parameter
// memory, ten instructions: 544 bytes, program write at 358, end message at 518.
EffectImageDescription small_effect() {
    EffectImageDescription d;
    d.effect_number = 7;
    d.version = 2;
    d.readback_count = 1;
    d.controls = {{3, 0x00400000}, {4, 0x00200000}, {5, 0x007FE000}};
    d.parameter_memory = QList<quint32>(40, 0x00012345);
    for (int i = 0; i < 10; ++i)
        d.program << (quint64(0xA0 + i) << 32 | 0x01020304u);
    return d;
}

QByteArray small_image() {
    const auto image = build_effect_image(small_effect());
    Q_ASSERT(image);
    return *image;
}

void set_length(QByteArray& image, int length) {
    image[0] = char(length >> 16);
    image[1] = char(length >> 8);
    image[2] = char(length);
}

} // namespace

class TestEffectImage : public QObject {
    Q_OBJECT

private slots:
    void builds_the_fixed_layout();
    void parses_what_it_built();
    void keeps_controls_beyond_16_from_byte_49();
    void reports_each_violation_data();
    void reports_each_violation();
    void refuses_images_cut_short_data();
    void refuses_images_cut_short();
    void refuses_impossible_descriptions_data();
    void refuses_impossible_descriptions();
    void reads_a_text_description();
    void converts_image_text_data();
    void converts_image_text();
    void reads_parameter_addresses();
    void refuses_addresses_it_cannot_read();
};

void TestEffectImage::builds_the_fixed_layout() {
    const QByteArray image = small_image();
    QCOMPARE(image.size(), 544);
    QCOMPARE(image.left(3), QByteArray::fromHex("000220"));
    // The address table begins 00 03 00 04 00 05; the other 13 entries are zero.
    QCOMPARE(image.mid(3, 32), QByteArray::fromHex("000300040005") + QByteArray(26, '\0'));
    QCOMPARE(image.mid(123, 5), QByteArray::fromHex("0102000703"));
    QCOMPARE(image.mid(128, 8), QByteArray::fromHex("010005"
                                                    "00"
                                                    "081C"
                                                    "0000"));
    QCOMPARE(image.mid(136, 18), QByteArray(18, '\x03'));
    QCOMPARE(image.mid(154, 6), QByteArray::fromHex("010023"
                                                    "00"
                                                    "0800"));
    QCOMPARE(image.mid(192, 6), QByteArray::fromHex("0100A3"
                                                    "00"
                                                    "0000"));
    // The starting value of control i is the parameter word at 198 + 4 * address.
    QCOMPARE(image.mid(198 + 4 * 4, 4), QByteArray::fromHex("00200000"));
    QCOMPARE(image.mid(358, 11), QByteArray::fromHex("010035"
                                                     "00"
                                                     "0400"
                                                     "A001020304"));
    QCOMPARE(image.mid(510, 9), QByteArray::fromHex("010005"
                                                    "00"
                                                    "081C"
                                                    "001C"
                                                    "06"));
    QCOMPARE(image.mid(519), QByteArray(25, '\0'));
    QCOMPARE(effect_image_overhead(), 309);

    // A 1,280-byte image: its length field reads 00 05 00 and its text has 2,560 characters.
    EffectImageDescription d = small_effect();
    d.program.resize((1280 - 309 - 4 * 40) / 5);
    const auto large = build_effect_image(d);
    QVERIFY(large);
    QCOMPARE(large->size(), 1280);
    QCOMPARE(large->left(3), QByteArray::fromHex("000500"));
    QCOMPARE(image_text(*large).size(), 2560);
}

void TestEffectImage::parses_what_it_built() {
    QStringList errors{QStringLiteral("stale")};
    const auto info = parse_effect_image(small_image(), &errors);
    QVERIFY2(info, qPrintable(errors.join('\n')));
    QVERIFY(errors.isEmpty());
    QCOMPARE(info->length, 544u);
    QCOMPARE(info->readback_count, 1);
    QCOMPARE(info->version, 2);
    QCOMPARE(info->effect_number, 7);
    QCOMPARE(info->control_count, 3);
    QCOMPARE(info->parameter_addresses, (QList<quint16>{3, 4, 5}));
    QCOMPARE(info->parameter_words.size(), 40);
    QCOMPARE(info->parameter_words.at(0), 0x00012345u);
    QCOMPARE(info->parameter_words.at(3), 0x00400000u);
    QCOMPARE(info->parameter_words.at(5), 0x007FE000u);
    QCOMPARE(info->program_instruction_count, 10);
    QCOMPARE(info->program_offset, 358);
    QCOMPARE(info->end_offset, 518);

    // Empty memories are allowed by the layout.
    EffectImageDescription bare;
    const auto image = build_effect_image(bare);
    QVERIFY(image);
    QCOMPARE(image->size(), 320);
    QVERIFY(validate_effect_image(*image).isEmpty());
}

void TestEffectImage::keeps_controls_beyond_16_from_byte_49() {
    EffectImageDescription d = small_effect();
    d.controls.clear();
    for (int i = 0; i < 24; ++i)
        d.controls << ImageControl{quint16(10 + i), quint32(i) << 13};
    const auto image = build_effect_image(d);
    QVERIFY(image);
    QCOMPARE(quint8(image->at(127)), quint8(24));
    QCOMPARE(image->mid(33, 2), QByteArray::fromHex("0019"));     // control 15
    QCOMPARE(image->mid(35, 14), QByteArray(14, '\0'));           // unused words stay zero
    QCOMPARE(image->mid(49, 4), QByteArray::fromHex("001A001B")); // controls 16 and 17
    QCOMPARE(image->mid(63, 2), QByteArray::fromHex("0021"));     // control 23
    QCOMPARE(image->mid(65, 58), QByteArray(58, '\0'));
    const auto info = parse_effect_image(*image);
    QVERIFY(info);
    QCOMPARE(info->parameter_addresses.size(), 24);
    QCOMPARE(info->parameter_addresses.at(23), quint16(33));
    QCOMPARE(info->parameter_words.at(33), 23u << 13);
}

void TestEffectImage::reports_each_violation_data() {
    QTest::addColumn<int>("resize"); // new size, -1 to keep it
    QTest::addColumn<bool>("fix_length");
    QTest::addColumn<int>("offset"); // byte to change, -1 for none
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("length field")
        << -1 << false << 1 << 0x03
        << QStringLiteral("bytes 0..2: the length field says 800 bytes, but the image holds 544");
    QTest::newRow("longer than the length field")
        << 1024 << false << -1 << 0
        << QStringLiteral("bytes 0..2: the length field says 544 bytes, but the image holds 1024");
    QTest::newRow("not a multiple of 32") << 545 << true << -1 << 0
                                          << QStringLiteral("the image holds 545 bytes, not a "
                                                            "multiple of 32");
    QTest::newRow("beyond the send buffer")
        << 65568 << true << -1 << 0
        << QStringLiteral("the image holds 65568 bytes, more than the 65536 that fit the send "
                          "buffer");
    QTest::newRow("shorter than the header")
        << 100 << false << -1 << 0
        << QStringLiteral("the image holds 100 bytes, fewer than the 128 bytes of its header");
    QTest::newRow("truncated parameter memory")
        << 352 << true << -1 << 0
        << QStringLiteral("write to register 0x0000 at byte 192 runs past the end of the image: "
                          "its 166 bytes end at byte 357, the image holds 352");
    QTest::newRow("byte 125") << -1 << false << 125 << 0x05
                              << QStringLiteral("byte 125: expected 0x00, found 0x05");
    QTest::newRow("readback count")
        << -1 << false << 123 << 5 << QStringLiteral("byte 123: readback count 5 is more than 4");
    QTest::newRow("control count")
        << -1 << false << 127 << 60
        << QStringLiteral("byte 127: control count 60 is more than the 53 address slots of the "
                          "header");
    QTest::newRow("absent control's address")
        << -1 << false << 10 << 0x01
        << QStringLiteral("bytes 9..10: address of absent control 3: expected 0x0000, found "
                          "0x0001");
    QTest::newRow("bytes 49..122 of a small effect")
        << -1 << false << 60 << 0x7F
        << QStringLiteral("byte 60: expected 0x00 (bytes 49..122 are zero for an effect of up to "
                          "16 controls), found 0x7F");
    QTest::newRow("address outside parameter memory")
        << -1 << false << 4 << 40
        << QStringLiteral("bytes 3..4: address of control 0 is word 40, outside the parameter "
                          "memory of 40 words");
    QTest::newRow("first message type") << -1 << false << 128 << 0x02
                                        << QStringLiteral("byte 128: write to register 0x081C at "
                                                          "byte 128: expected message type 0x01, "
                                                          "found 0x02");
    QTest::newRow("first message count") << -1 << false << 130 << 0x06
                                         << QStringLiteral("bytes 129..130: write to register "
                                                           "0x081C at byte 128: expected byte "
                                                           "count 5, found 6");
    QTest::newRow("device byte") << -1 << false << 131 << 0x01
                                 << QStringLiteral("byte 131: write to register 0x081C at byte "
                                                   "128: expected device byte 0x00, found 0x01");
    QTest::newRow("register address") << -1 << false << 133 << 0x1D
                                      << QStringLiteral("bytes 132..133: write to register "
                                                        "0x081C at byte 128: expected register "
                                                        "address 0x081C, found 0x081D");
    QTest::newRow("no-operation") << -1 << false << 140 << 0x06
                                  << QStringLiteral("byte 140: expected no-operation message "
                                                    "0x03, found 0x06");
    QTest::newRow("interface registers") << -1 << false << 159 << 0x01
                                         << QStringLiteral("bytes 158..159: write to register "
                                                           "0x0800 at byte 154: expected "
                                                           "register address 0x0800, found "
                                                           "0x0801");
    QTest::newRow("parameter memory count")
        << -1 << false << 194 << 0xA4
        << QStringLiteral("bytes 193..194: write to register 0x0000 at byte 192: byte count 164 "
                          "is not 3 plus whole words of 4 bytes");
    QTest::newRow("program memory address")
        << -1 << false << 362 << 0x05
        << QStringLiteral("bytes 362..363: write to register 0x0400 at byte 358: expected "
                          "register address 0x0400, found 0x0500");
    QTest::newRow("program memory count")
        << -1 << false << 360 << 0x36
        << QStringLiteral("bytes 359..360: write to register 0x0400 at byte 358: byte count 54 "
                          "is not 3 plus whole instructions of 5 bytes");
    QTest::newRow("closing register sequence")
        << -1 << false << 507 << 0x28
        << QStringLiteral("bytes 506..507: write to register 0x0827 at byte 502: expected "
                          "register address 0x0827, found 0x0828");
    QTest::newRow("end message") << -1 << false << 518 << 0x03
                                 << QStringLiteral("byte 518: expected end message 0x06, found "
                                                   "0x03");
    QTest::newRow("padding") << -1 << false << 530 << 0x11
                             << QStringLiteral("bytes 519..543 after the end message must be "
                                               "zero: 1 are not, the first at byte 530 (0x11)");
}

void TestEffectImage::reports_each_violation() {
    QFETCH(int, resize);
    QFETCH(bool, fix_length);
    QFETCH(int, offset);
    QFETCH(int, value);
    QFETCH(QString, expected);

    QByteArray image = small_image();
    if (resize >= 0)
        image.resize(resize, '\0');
    if (fix_length)
        set_length(image, int(image.size()));
    if (offset >= 0)
        image[offset] = char(value);

    QStringList errors;
    QVERIFY(!parse_effect_image(image, &errors));
    QCOMPARE(errors, QStringList{expected});
    QCOMPARE(validate_effect_image(image), errors);
}

void TestEffectImage::refuses_images_cut_short_data() {
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QString>("expected");

    // The bytes of the image must be the only bytes read: nothing is said about bytes it lacks.
    const QString no_operations =
        QStringLiteral("the 18 no-operation messages from byte 136 run past the end of the "
                       "image, which holds %1 bytes");
    QTest::newRow("136 zero bytes") << QByteArray(136, '\0') << no_operations.arg(136);
    for (int size : {136, 145, 153}) {
        QByteArray cut = small_image().left(size);
        set_length(cut, size);
        QTest::addRow("cut at %d", size) << cut << no_operations.arg(size);
    }
    QByteArray first_write = small_image().left(134);
    set_length(first_write, 134);
    QTest::newRow("cut inside the first write")
        << first_write << QStringLiteral("write to register 0x081C runs past the end of the image");
    QByteArray interface_write = small_image().left(160);
    set_length(interface_write, 160);
    QTest::newRow("cut inside the interface write")
        << interface_write
        << QStringLiteral("write to register 0x0800 runs past the end of the image");
}

void TestEffectImage::refuses_images_cut_short() {
    QFETCH(QByteArray, image);
    QFETCH(QString, expected);
    QStringList errors;
    QVERIFY(!parse_effect_image(image, &errors));
    QVERIFY2(errors.contains(expected), qPrintable(errors.join('\n')));
    QVERIFY2(errors.filter(QStringLiteral("no-operation message 0x03")).isEmpty(),
             qPrintable(errors.join('\n')));
    QCOMPARE(validate_effect_image(image), errors);
}

void TestEffectImage::refuses_impossible_descriptions_data() {
    QTest::addColumn<EffectImageDescription>("description");
    QTest::addColumn<QString>("expected");

    EffectImageDescription outside = small_effect();
    outside.controls[1].address = 40;
    QTest::newRow("address outside memory")
        << outside
        << QStringLiteral("control 1: address 40 is outside the parameter memory of 40 words");

    EffectImageDescription shared = small_effect();
    shared.controls[2].address = 3;
    QTest::newRow("shared word, different values")
        << shared << QStringLiteral("controls 0 and 2 share word 3 but start at different values");

    EffectImageDescription crowded = small_effect();
    crowded.controls = QList<ImageControl>(54, ImageControl{0, 0});
    QTest::newRow("more controls than slots")
        << crowded << QStringLiteral("54 controls, more than the 53 address slots of the header");

    EffectImageDescription readbacks = small_effect();
    readbacks.readback_count = 5;
    QTest::newRow("readbacks") << readbacks << QStringLiteral("readback count 5 is outside 0..4");

    EffectImageDescription program = small_effect();
    program.program.resize(1025);
    QTest::newRow("program memory")
        << program << QStringLiteral("1025 instructions, more than the 1024 of the program memory");
}

void TestEffectImage::refuses_impossible_descriptions() {
    QFETCH(EffectImageDescription, description);
    QFETCH(QString, expected);
    QStringList errors;
    QVERIFY(!build_effect_image(description, &errors));
    QCOMPARE(errors, QStringList{expected});
}

void TestEffectImage::reads_a_text_description() {
    const QStringList text{
        QStringLiteral("# three controls"),
        QStringLiteral("effect 0x2A"),
        QStringLiteral("version 3   # second release"),
        QStringLiteral("readbacks 1"),
        QStringLiteral("parameter-words 8"),
        QStringLiteral("parameter 6 FF800000 00000001"),
        QStringLiteral("control 3 00400000"),
        QStringLiteral("control 4 007fe000"),
        QStringLiteral(""),
        QStringLiteral("program 0000000001 FF00000002"),
    };
    QStringList errors;
    const auto d = parse_image_description(text, &errors);
    QVERIFY2(d, qPrintable(errors.join('\n')));
    QCOMPARE(d->effect_number, 42);
    QCOMPARE(d->version, 3);
    QCOMPARE(d->readback_count, 1);
    QCOMPARE(d->parameter_memory, (QList<quint32>{0, 0, 0, 0, 0, 0, 0xFF800000u, 1}));
    QCOMPARE(d->controls.size(), 2);
    QCOMPARE(d->controls.at(1).address, quint16(4));
    QCOMPARE(d->controls.at(1).starting_value, 0x007FE000u);
    QCOMPARE(d->program, (QList<quint64>{1, 0xFF00000002ull}));

    const QStringList broken{QStringLiteral("parameter-words 2"),
                             QStringLiteral("parameter 1 00000000 00000000"),
                             QStringLiteral("readbacks 9"), QStringLiteral("program 12345"),
                             QStringLiteral("colour red")};
    QVERIFY(!parse_image_description(broken, &errors));
    QCOMPARE(errors, (QStringList{
                         QStringLiteral("line 2: word 2 is beyond the 2 parameter words declared"),
                         QStringLiteral("line 3: \"9\" is not a number from 0 to 4"),
                         QStringLiteral("line 4: \"12345\" is not an instruction of 10 "
                                        "hexadecimal digits"),
                         QStringLiteral("line 5: unknown directive \"colour\""),
                     }));
}

void TestEffectImage::converts_image_text_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");     // what the link converts
    QTest::addColumn<QString>("strict_error"); // empty when the strict reading accepts it

    QTest::newRow("both cases") << QStringLiteral("00a0Ff") << QByteArray::fromHex("00A0FF")
                                << QString();
    QTest::newRow("stops at a bad pair")
        << QStringLiteral("0102G30405") << QByteArray::fromHex("0102")
        << QStringLiteral("character 5 (byte 2) is not a hexadecimal digit: 0x0047");
    QTest::newRow("lone last digit") << QStringLiteral("01020") << QByteArray::fromHex("0102")
                                     << QStringLiteral("the text holds 5 hexadecimal digits, an "
                                                       "odd number");
}

void TestEffectImage::converts_image_text() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, strict_error);
    QCOMPARE(image_bytes(text), bytes);
    const auto strict = parse_image_text(text);
    QCOMPARE(strict.error(), strict_error);
    QCOMPARE(strict.ok(), strict_error.isEmpty());
    if (strict)
        QCOMPARE(image_text(*strict), text.toUpper());
}

namespace {

void write_resource(const QTemporaryDir& dir, const QString& name, const QByteArray& data) {
    QFile file(dir.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
}

} // namespace

void TestEffectImage::reads_parameter_addresses() {
    QTemporaryDir dir;
    const QString text = image_text(small_image());
    write_resource(dir, QStringLiteral("THREE_PLUS_KNOB_MULT"), text.toLatin1() + "\r\n");
    ResourceStore store(dir.path());
    MemoryLog log;

    const auto addresses = read_parameter_addresses(QStringLiteral("Three + Knob X"), store, log);
    QVERIFY(addresses);
    QStringList expected{QStringLiteral("0003"), QStringLiteral("0004"), QStringLiteral("0005")};
    while (expected.size() < 16)
        expected << QStringLiteral("0000");
    QCOMPARE(*addresses, expected);

    QStringList lines{QStringLiteral("resource name: Three_plus_Knob_mult"),
                      QStringLiteral("content: ") + text, QStringLiteral("file content size: 544")};
    for (const QString& address : expected)
        lines << QStringLiteral("parameter address: ") + address;
    QCOMPARE(log.lines, lines);
}

void TestEffectImage::refuses_addresses_it_cannot_read() {
    QTemporaryDir dir;
    write_resource(dir, QStringLiteral("GOOD"), image_text(small_image()).toLatin1());
    write_resource(dir, QStringLiteral("STUB"), "000220000300");
    ResourceStore store(dir.path());
    MemoryLog log;

    // A missing image must not hand out the addresses of the image loaded before it.
    QVERIFY(read_parameter_addresses(QStringLiteral("Good"), store, log));
    const auto gone = read_parameter_addresses(QStringLiteral("Gone"), store, log);
    QCOMPARE(gone.error(), QStringLiteral("Error loading resource: Resource Gone not found"));
    QCOMPARE(gone.error_kind(), ErrorKind::BadInput);

    log.lines.clear();
    const auto stub = read_parameter_addresses(QStringLiteral("Stub"), store, log);
    QCOMPARE(stub.error(),
             QStringLiteral("The image of \"Stub\" holds 6 bytes, too few for its address table."));
    QCOMPARE(log.lines.last(), QStringLiteral("file content size: 6"));
}

QTEST_GUILESS_MAIN(TestEffectImage)
#include "tst_effect_image.moc"
