// The firmware upgrade reads nothing from the pedal but its bootloader's answers. The input is
// those answers, one after another: each wait takes as many bytes as it asks for, and once the
// input is used up every wait times out. The upgrade of a two-chunk image must succeed exactly
// when the answers are the right ones, and send nothing after the first wrong one.

#include "base/clock.h"
#include "base/log.h"
#include "firmware/bootloader_port.h"
#include "firmware/loaded_firmware.h"
#include "firmware/upgrade_sequence.h"
#include "fuzz/fuzz_check.h"
#include "tests/support/await.h"

#include <QList>

#include <cstddef>
#include <cstdint>

namespace {

using namespace kx;

// Two chunks, the second a short one.
LoadedFirmware test_image() {
    QByteArray bytes(300, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i * 37);
    return {QStringLiteral("Firmware_1"), 1, bytes, QString::fromLatin1(bytes.toHex().toUpper())};
}

class AnswerPort : public BootloaderPort {
public:
    explicit AnswerPort(QByteArray answers) : m_answers(std::move(answers)) {}

    QByteArray sent;
    QList<QByteArray> taken;      // by each wait
    QList<qsizetype> sent_before; // bytes sent before each wait

    Task<Status> begin() override { co_return Status{}; }
    Task<Status> send(QByteArray bytes) override {
        sent.append(bytes);
        co_return Status{};
    }
    Task<Result<QByteArray>> receive(int bytes, int, QString) override {
        sent_before.append(sent.size());
        const QByteArray answer = m_answers.mid(m_at, bytes);
        m_at += answer.size();
        taken.append(answer);
        if (answer.isEmpty())
            co_return Error{QStringLiteral("no answer"), ErrorKind::TimedOut};
        co_return answer;
    }
    Task<Result<QByteArray>> take_unasked() override { co_return QByteArray(); }

private:
    QByteArray m_answers;
    qsizetype m_at = 0;
};

// The answers of a bootloader that takes everything: two for the erase, six a chunk (the last
// with the chunk read back), three for the record, two for Go; then silence.
QList<QByteArray> right_answers(const LoadedFirmware& image) {
    const QByteArray ack(1, '\x79');
    QList<QByteArray> answers{ack, ack};
    for (qsizetype at = 0; at < image.bytes.size(); at += 256)
        answers << ack << ack << ack << ack << ack << ack + image.bytes.mid(at, 256);
    answers << ack << ack << ack << ack << ack;
    return answers;
}

struct Run {
    bool ok = false;
    AnswerPort port;
};

Run run(const LoadedFirmware& image, const QByteArray& answers) {
    Run result{false, AnswerPort(answers)};
    InstantClock clock;
    NullLog log;
    UpgradeSequence sequence(result.port, log, clock);
    result.ok = test::done(sequence.run(image, /*resynchronise=*/false)).ok();
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const LoadedFirmware image = test_image();
    static const QList<QByteArray> right = right_answers(image);
    static const QByteArray right_stream = right.join();
    static const Run right_run = run(image, right_stream);
    KX_FUZZ_CHECK(right_run.ok);
    const QByteArray& wire = right_run.port.sent;

    const QByteArray answers(reinterpret_cast<const char*>(data), qsizetype(size));
    const Run fuzzed = run(image, answers);
    const AnswerPort& port = fuzzed.port;

    // Success exactly for the right answers, with nothing after them.
    KX_FUZZ_CHECK(fuzzed.ok == (answers == right_stream));
    // Every byte sent is the one a right run sends at that point...
    KX_FUZZ_CHECK(wire.startsWith(port.sent));
    // ...and nothing is sent after the first wrong answer.
    for (qsizetype i = 0; i < port.taken.size(); ++i) {
        if (i < right.size() && port.taken[i] == right[i])
            continue;
        if (i < right.size() || !port.taken[i].isEmpty()) {
            KX_FUZZ_CHECK(!fuzzed.ok);
            KX_FUZZ_CHECK(port.sent.size() == port.sent_before[i]);
        }
        break;
    }
    return 0;
}
