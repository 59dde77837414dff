#include "library/resource_store.h"
#include "link/effect_upload.h"
#include "link/pedal_commands.h"
#include "support/await.h"
#include "support/link_rig.h"

#include <QSignalSpy>
#include <QtTest>

using namespace kx;

namespace {

// The link to the in-process virtual pedal with its real timing, connected.
struct Rig : test::LinkRig {
    Rig() : LinkRig(test::Transport::InProcess) {
        QVERIFY2(ok(), qPrintable(error()));
        const Status connected = connect();
        QVERIFY2(connected, qPrintable(connected.error()));
    }
};

QString effect_image(const QString& effect) {
    ResourceStore store;
    const auto lines = store.read_file_from_stream(format_resource_name(effect));
    return lines ? lines->value(0) : QString();
}

} // namespace

class TestPedalCommands : public QObject {
    Q_OBJECT
private slots:
    void two_byte_messages_data();
    void two_byte_messages();
    void midi_channels_data();
    void midi_channels();
    void effect_info_data();
    void effect_info();
    void image_checks_data();
    void image_checks();
    void upload_puts_the_effect_into_the_pedal();
    void upload_refuses_a_bad_image_before_the_bypass();
    void upload_answer_time_limit_is_a_value();
    void upload_cannot_start_twice();
    void upload_outlasts_a_slow_window_event();
};

void TestPedalCommands::two_byte_messages_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("store");
    QTest::addColumn<QString>("store_hex");
    QTest::newRow("7 controls") << 7 << QByteArray("\x02\x07") << QByteArray("\x03\x07") << "0307";
    QTest::newRow("12 controls") << 12 << QByteArray("\x02\x0C") << QByteArray("\x03\x0C")
                                 << "030C";
    QTest::newRow("24 controls") << 24 << QByteArray("\x02\x18") << QByteArray("\x03\x18")
                                 << "0318";
}

void TestPedalCommands::two_byte_messages() {
    QFETCH(int, count);
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, store);
    QFETCH(QString, store_hex);
    QCOMPARE(parameter_request_message(count), request);
    QCOMPARE(store_settings_message(count), store);
    QCOMPARE(message_hex(store_settings_message(count)), store_hex);
    QCOMPARE(effect_information_message(), QByteArray("\x05\x00", 2));
}

void TestPedalCommands::midi_channels_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("OMNI") << "OMNI" << QByteArray("\x07\x00", 2);
    QTest::newRow("1") << "1" << QByteArray("\x07\x01");
    QTest::newRow("9") << "9" << QByteArray("\x07\x09");
    QTest::newRow("10") << "10" << QByteArray("\x07\x0A");
    QTest::newRow("16") << "16" << QByteArray("\x07\x10");
    QTest::newRow("0 is no channel") << "0" << QByteArray();
    QTest::newRow("17 is no channel") << "17" << QByteArray();
    QTest::newRow("leading zero") << "09" << QByteArray();
    QTest::newRow("omni in small letters") << "omni" << QByteArray();
}

void TestPedalCommands::midi_channels() {
    QFETCH(QString, caption);
    QFETCH(QByteArray, message);
    const auto built = midi_channel_message(caption);
    QCOMPARE(built.ok(), !message.isEmpty());
    if (built)
        QCOMPARE(*built, message);
    else
        QCOMPARE(built.error(), QString::fromLatin1(kMessageBadMidiChannel).arg(caption));
    const QStringList items = midi_channel_items();
    QCOMPARE(items.size(), 17);
    QCOMPARE(items.first(), QStringLiteral("OMNI"));
    QCOMPARE(items.last(), QStringLiteral("16"));
}

void TestPedalCommands::effect_info_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QString>("error");
    QTest::newRow("four lines") << QByteArray("X\r\n5\r\n3\r\n12\r\n") << QList<int>{5, 3, 12}
                                << "";
    QTest::newRow("large number") << QByteArray("0\r\n58\r\n65535\r\n2147483647\r\n")
                                  << QList<int>{58, 65535, 2147483647} << "";
    QTest::newRow("three lines")
        << QByteArray("X\r\n5\r\n3\r\n") << QList<int>{}
        << "The pedal's effect information reply cannot be read: it holds 3 lines where 4 were "
           "expected.";
    QTest::newRow("letter in a number")
        << QByteArray("X\r\n5\r\n3a\r\n12\r\n") << QList<int>{}
        << "The pedal's effect information reply cannot be read: line 3 (\"3a\") is not a "
           "number.";
    QTest::newRow("sign") << QByteArray("X\r\n-5\r\n3\r\n12\r\n") << QList<int>{}
                          << "The pedal's effect information reply cannot be read: line 2 "
                             "(\"-5\") is not a number.";
    QTest::newRow("too large")
        << QByteArray("X\r\n5\r\n3\r\n99999999999\r\n") << QList<int>{}
        << "The pedal's effect information reply cannot be read: line 4 (\"99999999999\") is "
           "not a number.";
    QTest::newRow("empty") << QByteArray() << QList<int>{}
                           << "The pedal's effect information reply cannot be read: it holds "
                              "0 lines where 4 were expected.";
}

void TestPedalCommands::effect_info() {
    QFETCH(QByteArray, reply);
    QFETCH(QList<int>, numbers);
    QFETCH(QString, error);
    const auto info = parse_effect_info(reply);
    QCOMPARE(info.error(), error);
    if (!info)
        return;
    QCOMPARE((QList<int>{info->pedal_effect_number, info->pedal_effect_version,
                         info->pedal_firmware_version}),
             numbers);
    if (numbers.first() == 5)
        QCOMPARE(effect_info_log_lines(*info),
                 (QStringList{"effect number DEC: 5", "effect number HEX: 00000005",
                              "effect version: 3", "firmware version: 12"}));
}

void TestPedalCommands::image_checks_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("bytes");
    QTest::addColumn<QString>("error");
    QTest::newRow("4000 characters") << QString(4000, QLatin1Char('A')) << 2000 << "";
    QTest::newRow("4001 characters: the odd last one is ignored")
        << QString(4000, QLatin1Char('a')) + QLatin1Char('G') << 2000 << "";
    QTest::newRow("empty") << QString() << 0
                           << "There is no image to upload for Gain. For an impulse response "
                              "effect, load a WAV file first (File > Load IR).";
    QTest::newRow("damaged") << QStringLiteral("00FFx0AB") << 0
                             << "The image of Gain cannot be uploaded: it is damaged at "
                                "character 5.";
    QTest::newRow("longer than the send buffer")
        << QString(2 * 65537, QLatin1Char('0')) << 0
        << "The image of Gain cannot be uploaded: it has 65537 bytes, at most 65536 fit.";
}

void TestPedalCommands::image_checks() {
    QFETCH(QString, text);
    QFETCH(int, bytes);
    QFETCH(QString, error);
    const auto image = upload_image_bytes(text, QStringLiteral("Gain"));
    QCOMPARE(image.error(), error);
    if (image)
        QCOMPARE(image->size(), bytes);
}

void TestPedalCommands::upload_puts_the_effect_into_the_pedal() {
    Rig rig;
    const QString image = effect_image(QStringLiteral("Tape Loom Delay"));
    QVERIFY(!image.isEmpty());
    QStringList order;
    EffectUpload upload(rig.comm, rig.log, rig.clock(), [&]() -> Task<Status> {
        order << QStringLiteral("bypass");
        co_return co_await rig.comm.send_message(QByteArray("\x0D\x00", 2));
    });
    QObject::connect(&upload, &Operation::step_changed,
                     [&](const QString& step) { order << step; });
    QSignalSpy progress(&upload, &Operation::progress_changed);
    upload.set_image(image, QStringLiteral("Tape Loom Delay"));
    const Status result = test::done(upload.start());
    QVERIFY2(result, qPrintable(result.error()));
    QCOMPARE(upload.answer(), QStringLiteral("Upload complete\r\n"));
    // The step is named before the bypass lambda runs.
    QCOMPARE(order, (QStringList{"check the image", "bypass", "bypass", "write the image",
                                 "Uploading..."}));
    const int n = image.size() / 2;
    QCOMPARE(rig.log.lines, (QStringList{QStringLiteral("size: %1").arg(n),
                                         QStringLiteral("num of bytes: %1").arg(n),
                                         "write to device", "received: Upload complete\r\n"}));
    QCOMPARE(progress.last().first().toInt(), 100);
    QCOMPARE(rig.pedal().effect().number, 0x1F);
}

void TestPedalCommands::upload_refuses_a_bad_image_before_the_bypass() {
    Rig rig;
    int bypasses = 0;
    EffectUpload upload(rig.comm, rig.log, rig.clock(), [&]() -> Task<Status> {
        ++bypasses;
        co_return Status{};
    });
    upload.set_image(QString(), QStringLiteral("IR Loader 1"));
    const Status result = test::done(upload.start());
    QVERIFY(
        result.error().startsWith(QLatin1String("There is no image to upload for IR Loader 1.")));
    QCOMPARE(bypasses, 0);
    QVERIFY(rig.log.lines.isEmpty());
    QCOMPARE(upload.state(), Operation::State::Failed);
}

void TestPedalCommands::upload_answer_time_limit_is_a_value() {
    Rig rig;
    rig.pedal().inject_silence(true);
    EffectUpload upload(rig.comm, rig.log, rig.clock(),
                        []() -> Task<Status> { co_return Status{}; });
    upload.set_image(QString(64, QLatin1Char('0')), QStringLiteral("Gain"));
    const Status result = test::done(upload.start());
    QCOMPARE(result.error(),
             QStringLiteral("The pedal did not send its answer to the upload within 3 s."));
    QCOMPARE(upload.step(), QStringLiteral("Uploading..."));
    QVERIFY(rig.comm.connected());
    QVERIFY(!rig.comm.claimed());
}

void TestPedalCommands::upload_cannot_start_twice() {
    Rig rig;
    EffectUpload upload(rig.comm, rig.log, rig.clock(),
                        []() -> Task<Status> { co_return Status{}; });
    upload.set_image(effect_image(QStringLiteral("Tape Loom Delay")),
                     QStringLiteral("Tape Loom Delay"));
    QString second;
    QString other;
    QObject::connect(&upload, &Operation::step_changed, [&](const QString& step) {
        if (step != QLatin1String("Uploading..."))
            return;
        second = test::done(upload.start()).error();
        // Nor may any other exchange come between the image and its answer.
        other = test::done(rig.comm.exchange(effect_information_message(), information_reply()))
                    .error();
    });
    QVERIFY(test::done(upload.start()));
    QCOMPARE(second, QStringLiteral("Upload is already running."));
    QCOMPARE(other, QStringLiteral("effect information reply was not done: the editor is "
                                   "waiting for the pedal."));
}

// A window event that takes 120 ms while the image goes out: the pedal, which takes a silence
// of 50 ms for the end of a message, still receives the whole image.
void TestPedalCommands::upload_outlasts_a_slow_window_event() {
    Rig rig;
    EffectUpload upload(rig.comm, rig.log, rig.clock(),
                        []() -> Task<Status> { co_return Status{}; });
    upload.set_image(effect_image(QStringLiteral("Tape Loom Delay")),
                     QStringLiteral("Tape Loom Delay"));
    bool posted = false;
    QObject::connect(&upload, &Operation::progress_changed, [&](int percent) {
        if (posted || percent <= 0 || percent >= 100)
            return;
        posted = true;
        QTimer::singleShot(0, [] { QThread::msleep(120); });
    });
    const Status result = test::done(upload.start());
    QVERIFY(posted);
    QVERIFY2(result, qPrintable(result.error()));
    QCOMPARE(upload.answer(), QStringLiteral("Upload complete\r\n"));
    QCOMPARE(rig.pedal().effect().number, 0x1F);
}

QTEST_GUILESS_MAIN(TestPedalCommands)
#include "tst_pedal_commands.moc"
