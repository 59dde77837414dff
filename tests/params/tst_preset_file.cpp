#include "params/parameters_state.h"
#include "params/preset_file.h"
#include "support/write_failure.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace kx;

namespace {

const QByteArray kMark("\xEF\xBB\xBF");

QByteArray read_all(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void write_all(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A preset with N controls whose values and assignments differ from control to control.
Preset sample_preset(int n, int readbacks) {
    Preset preset;
    preset.effect_number = 0x2A;
    preset.effect_version = 7;
    for (int i = 0; i < n; ++i) {
        preset.values << (i * 97) % 1024;
        preset.control_assignments << quint8(i < 12 ? i : 0xFF);
    }
    for (int j = 0; j < readbacks; ++j)
        preset.readback_assignments << quint8(j);
    return preset;
}

QByteArray with_line_ends(QByteArray text, const QByteArray& line_end) {
    return text.replace("\r", line_end);
}

} // namespace

class TestPresetFile : public QObject {
    Q_OBJECT
private slots:
    void swap_hex_bytes_data();
    void swap_hex_bytes();
    void writes_the_example_byte_for_byte();
    void fields_keep_their_widths_data();
    void fields_keep_their_widths();
    void round_trip_data();
    void round_trip();
    void refuses_what_save_does_not_write_data();
    void refuses_what_save_does_not_write();
    void loads_values_without_assignments();
    void save_needs_an_open_effect_with_values_data();
    void save_needs_an_open_effect_with_values();
    void extension_data();
    void extension();
    void failed_write_keeps_the_old_file_data();
    void failed_write_keeps_the_old_file();
    void over_long_file_is_refused_unread();
};

void TestPresetFile::swap_hex_bytes_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("swapped");
    QTest::newRow("eight") << "12345678"
                           << "78563412";
    QTest::newRow("four") << "abcd"
                          << "cdab";
    QTest::newRow("two") << "ab"
                         << "ab";
    QTest::newRow("three") << "abc"
                           << "cab";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("past eight") << "0123456789"
                                << "67452301";
}

void TestPresetFile::swap_hex_bytes() {
    QFETCH(QString, text);
    QFETCH(QString, swapped);
    QCOMPARE(kx::swap_hex_bytes(text), swapped);
}

// Effect 0x1A, version 3, values 512, 1023 and 1, the first control on code 0, one readback on
// code 1: the committed file, and what the parameters window's state makes of it.
void TestPresetFile::writes_the_example_byte_for_byte() {
    FXParametersState state;
    state.values = {512, 1023, 1, 77}; // a longer list: only the first N are written
    state.control_assignments[0] = 0;
    state.control_assignments[3] = 5;
    state.readback_assignments[0] = 1;
    state.readback_assignments[1] = 2;
    const auto preset = preset_from_state(0x1A, 3, state, 3, 1);
    QVERIFY2(preset.ok(), qPrintable(preset.error()));
    const auto text = preset_text(*preset);
    QVERIFY2(text.ok(), qPrintable(text.error()));

    const QByteArray expected = read_all(QStringLiteral(KX_FIXTURES_DIR "/presets/example.txt"));
    QCOMPARE(preset_file_bytes(*text), expected);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("example.txt"));
    const Status written = write_preset_file(path, *text);
    QVERIFY2(written.ok(), qPrintable(written.error()));
    QCOMPARE(read_all(path), expected);
}

void TestPresetFile::fields_keep_their_widths_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("lines");
    QTest::newRow("effect 1") << 1 << 0 << QByteArray("0001\r00\r01\r00000000\rFF\r");
    QTest::newRow("value -1") << 0 << -1 << QByteArray("0000\r00\r01\rFFFFFFFF\rFF\r");
    QTest::newRow("largest") << 0xFFFF << 0x7FFFFFFF << QByteArray("FFFF\r00\r01\r7FFFFFFF\rFF\r");
}

void TestPresetFile::fields_keep_their_widths() {
    QFETCH(int, number);
    QFETCH(int, value);
    QFETCH(QByteArray, lines);
    Preset preset;
    preset.effect_number = number;
    preset.values = {value};
    const auto text = preset_text(preset);
    QVERIFY2(text.ok(), qPrintable(text.error()));
    QCOMPARE(text->toLatin1(), lines);
    const auto back = parse_preset(preset_lines(preset_file_bytes(*text)));
    QVERIFY2(back.ok(), qPrintable(back.error()));
    QCOMPARE(back->effect_number, number);
    QCOMPARE(back->values, QList<int>{value});
}

void TestPresetFile::round_trip_data() {
    QTest::addColumn<int>("controls");
    QTest::addColumn<int>("readbacks");
    QTest::addColumn<QByteArray>("line_end");
    QTest::addColumn<bool>("lower_case");
    QTest::newRow("3 controls, CR") << 3 << 1 << QByteArray("\r") << false;
    QTest::newRow("3 controls, LF") << 3 << 1 << QByteArray("\n") << false;
    QTest::newRow("3 controls, CR LF") << 3 << 1 << QByteArray("\r\n") << false;
    QTest::newRow("lower-case digits") << 3 << 1 << QByteArray("\r") << true;
    QTest::newRow("1 control, no readback") << 1 << 0 << QByteArray("\r") << false;
    QTest::newRow("16 controls, 4 readbacks") << 16 << 4 << QByteArray("\r\n") << false;
    QTest::newRow("24 controls, LF") << 24 << 0 << QByteArray("\n") << false;
    QTest::newRow("255 controls") << 255 << 4 << QByteArray("\r") << false;
}

void TestPresetFile::round_trip() {
    QFETCH(int, controls);
    QFETCH(int, readbacks);
    QFETCH(QByteArray, line_end);
    QFETCH(bool, lower_case);
    Preset preset = sample_preset(controls, readbacks);
    preset.values[0] = -2; // a negative value survives as its two's complement
    const auto text = preset_text(preset);
    QVERIFY2(text.ok(), qPrintable(text.error()));
    QByteArray bytes = with_line_ends(preset_file_bytes(*text), line_end);
    if (lower_case)
        bytes = bytes.toLower();

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("preset.txt"));
    write_all(path, bytes);
    const auto lines = read_preset_file(path);
    QVERIFY2(lines.ok(), qPrintable(lines.error()));
    QCOMPARE(lines->size(), 3 + 2 * controls + readbacks);
    QCOMPARE(joined_preset_text(*lines).left(8).toUpper(), QStringLiteral("002A\r\n07"));
    const auto back = parse_preset(*lines);
    QVERIFY2(back.ok(), qPrintable(back.error()));
    QCOMPARE(back->effect_number, preset.effect_number);
    QCOMPARE(back->effect_version, preset.effect_version);
    QCOMPARE(back->values, preset.values);
    QCOMPARE(back->control_assignments, preset.control_assignments);
    QCOMPARE(back->readback_assignments, preset.readback_assignments);
}

// Every line must be as wide as Save writes it, so that no value is taken from the wrong
// place; the error names the line.
void TestPresetFile::refuses_what_save_does_not_write_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");
    const QByteArray head = kMark + "001A\r03\r02\r";
    QTest::newRow("empty") << QByteArray() << "the file holds 0 lines";
    QTest::newRow("mark only") << kMark << "the file holds 0 lines";
    QTest::newRow("header only") << head << "ends after line 3";
    QTest::newRow("a value short") << head + "00000200\r"
                                   << "ends after line 4";
    QTest::newRow("an assignment short") << head + "00000200\r00000001\rFF\r"
                                         << "holds 6 lines";
    QTest::newRow("too many lines")
        << head + "00000200\r00000001\r" + QByteArray("FF\r").repeated(7) << "holds 12 lines";
    QTest::newRow("letter in a value") << head + "0000020G\r00000001\rFF\rFF\r"
                                       << "line 4 ";
    QTest::newRow("value of 7 digits") << head + "00000200\r0000001\rFF\rFF\r"
                                       << "line 5 ";
    QTest::newRow("value of 9 digits") << head + "00000200\r000000001\rFF\rFF\r"
                                       << "line 5 ";
    QTest::newRow("blank after a value") << head + "00000200 \r00000001\rFF\rFF\r"
                                         << "line 4 ";
    QTest::newRow("sign") << head + "-0000200\r00000001\rFF\rFF\r"
                          << "line 4 ";
    QTest::newRow("empty line inside") << head + "00000200\r\r00000001\rFF\rFF\r"
                                       << "line 5 ";
    QTest::newRow("effect number of 3 digits") << kMark + "01A\r03\r01\r00000000\rFF\r"
                                               << "line 1 ";
    QTest::newRow("version of 4 digits") << kMark + "001A\r0003\r01\r00000000\rFF\r"
                                         << "line 2 ";
    QTest::newRow("no controls") << kMark + "001A\r03\r00\r"
                                 << "line 3 gives 0 controls";
    QTest::newRow("bad assignment") << head + "00000200\r00000001\rFF\rXX\r"
                                    << "line 7 ";
    QTest::newRow("bad readback") << head + "00000200\r00000001\rFF\rFF\r1\r"
                                  << "line 8 ";
    QTest::newRow("a settings file") << QByteArray("YES") << "the file holds 1 line;";
    // Quoted so that it reads: a NUL would end the message where it is shown.
    QTest::newRow("a doubled byte-order mark") << kMark + kMark + "001A\r03\r01\r00000000\rFF\r"
                                               << "line 1 holds \"<byte-order mark>001A\"";
    QTest::newRow("a NUL in a value") << head + QByteArray("0000\0"
                                                           "200\r00000001\rFF\rFF\r",
                                                           24)
                                      << "\"0000\\x00200\"";
    QTest::newRow("a description") << QByteArray("3\r\nGain\r\nTone\r\nLevel\r\n") << "line 1 ";
    const QString utf16 = QStringLiteral("\uFEFF001A\r03\r01\r00000000\rFF\r");
    QTest::newRow("UTF-16") << QByteArray(reinterpret_cast<const char*>(utf16.utf16()),
                                          utf16.size() * 2)
                            << "line 1 ";
    QTest::newRow("a picture") << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16) << "line 1 ";
}

// A preset whose assignment lines are gone still gives its values, marked so that whoever
// applies it keeps the pedal's assignments and says so.
void TestPresetFile::loads_values_without_assignments() {
    const QByteArray bytes = kMark + "001A\r03\r02\r00000200\r00000001\r";
    const auto preset = parse_preset(preset_lines(bytes));
    QVERIFY2(preset.ok(), qPrintable(preset.error()));
    QCOMPARE(preset->values, (QList<int>{0x200, 1}));
    QVERIFY(preset->assignments_missing);
    QVERIFY(preset->control_assignments.isEmpty());
    // Written back as it was read.
    QCOMPARE(preset_file_bytes(*preset_text(*preset)), bytes);
}

void TestPresetFile::refuses_what_save_does_not_write() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    const auto preset = parse_preset(preset_lines(bytes));
    QVERIFY(!preset.ok());
    QVERIFY2(preset.error().contains(error), qPrintable(preset.error()));
}

void TestPresetFile::save_needs_an_open_effect_with_values_data() {
    QTest::addColumn<int>("controls");
    QTest::addColumn<int>("values");
    QTest::newRow("no controls") << 0 << 3;
    QTest::newRow("no values") << 3 << 0;
    QTest::newRow("fewer values than controls") << 3 << 2;
}

void TestPresetFile::save_needs_an_open_effect_with_values() {
    QFETCH(int, controls);
    QFETCH(int, values);
    FXParametersState state;
    state.values = QList<int>(values, 5);
    QVERIFY(!preset_from_state(1, 1, state, controls, 0).ok());
}

void TestPresetFile::extension_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("bare") << "/p/Fuzz"
                          << "/p/Fuzz.txt";
    QTest::newRow("already .txt") << "/p/Fuzz.txt"
                                  << "/p/Fuzz.txt";
    QTest::newRow("upper-case .TXT") << "/p/Fuzz.TXT"
                                     << "/p/Fuzz.TXT.txt";
    QTest::newRow("other extension") << "/p/Fuzz.preset"
                                     << "/p/Fuzz.preset.txt";
}

void TestPresetFile::extension() {
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QCOMPARE(with_preset_extension(chosen), written);
}

void TestPresetFile::failed_write_keeps_the_old_file_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("disk full halfway") << "size limit";
    QTest::newRow("read-only folder") << "read-only";
    QTest::newRow("missing folder") << "missing";
}

// The old preset stays whole and no partial file is left beside it.
void TestPresetFile::failed_write_keeps_the_old_file() {
    QFETCH(QString, how);
    QTemporaryDir dir;
    const QString path = how == QLatin1String("missing")
                             ? dir.filePath(QStringLiteral("gone/preset.txt"))
                             : dir.filePath(QStringLiteral("preset.txt"));
    const QByteArray old_bytes = read_all(QStringLiteral(KX_FIXTURES_DIR "/presets/example.txt"));
    if (how != QLatin1String("missing"))
        write_all(path, old_bytes);
    const auto text = preset_text(sample_preset(24, 4));
    QVERIFY(text.ok());

    Status written;
    if (how == QLatin1String("size limit")) {
        FileSizeLimit limit(64); // the new file is over 300 bytes
        QVERIFY(limit.ok());
        written = write_preset_file(path, *text);
    } else if (how == QLatin1String("read-only")) {
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        written = write_preset_file(path, *text);
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
        if (written.ok())
            QSKIP("this user writes into read-only folders (root)");
    } else {
        written = write_preset_file(path, *text);
    }
    QVERIFY(!written.ok());
    QVERIFY(!written.error().isEmpty());
    if (how == QLatin1String("missing")) {
        QVERIFY(!QFile::exists(path));
        return;
    }
    QCOMPARE(read_all(path), old_bytes);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("preset.txt")});
}

void TestPresetFile::over_long_file_is_refused_unread() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.txt"));
    write_all(path, kMark + QByteArray("FF\r").repeated(int(kMaxPresetFileBytes / 3) + 1));
    const auto lines = read_preset_file(path);
    QVERIFY(!lines.ok());
    QVERIFY2(lines.error().contains(QStringLiteral("bytes")), qPrintable(lines.error()));

    const auto missing = read_preset_file(dir.filePath(QStringLiteral("none.txt")));
    QVERIFY(!missing.ok());
    QVERIFY(!missing.error().isEmpty());
}

QTEST_GUILESS_MAIN(TestPresetFile)
#include "tst_preset_file.moc"
