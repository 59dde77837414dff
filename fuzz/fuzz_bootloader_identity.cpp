// Before a firmware upgrade writes anything, it asks the bootloader for its version, its
// commands and the chip's ID (Get, Get ID). The input is the bootloader's answers, one after
// another: each wait takes as many bytes as it asks for, and once the input is used up every
// wait times out. The identity must be read exactly when both answers are well formed, and
// hold the bytes they carried; nothing but the two command frames may be sent.

#include "base/clock.h"
#include "base/log.h"
#include "firmware/bootloader_port.h"
#include "firmware/bootloader_protocol.h"
#include "fuzz/fuzz_check.h"
#include "tests/support/await.h"

#include <cstddef>
#include <cstdint>

namespace {

using namespace kx;

class AnswerPort : public BootloaderPort {
public:
    explicit AnswerPort(QByteArray answers) : m_answers(std::move(answers)) {}

    QByteArray sent;

    Task<Status> begin() override { co_return Status{}; }
    Task<Status> send(QByteArray bytes) override {
        sent.append(bytes);
        co_return Status{};
    }
    Task<Result<QByteArray>> receive(int bytes, int, QString) override {
        const QByteArray answer = m_answers.mid(m_at, bytes);
        m_at += answer.size();
        if (answer.isEmpty())
            co_return Error{QStringLiteral("no answer"), ErrorKind::TimedOut};
        co_return answer;
    }
    Task<Result<QByteArray>> take_unasked() override { co_return QByteArray(); }

private:
    QByteArray m_answers;
    qsizetype m_at = 0;
};

// ACK, N, N + 1 bytes, ACK at `at`: the N + 1 bytes, advancing `at`; nullopt when malformed.
std::optional<QByteArray> counted(const QByteArray& answers, qsizetype& at) {
    if (answers.size() < at + 2 || answers[at] != '\x79')
        return std::nullopt;
    const int count = quint8(answers[at + 1]) + 1;
    if (answers.size() < at + 2 + count + 1 || answers[at + 2 + count] != '\x79')
        return std::nullopt;
    const QByteArray body = answers.mid(at + 2, count);
    at += 2 + count + 1;
    return body;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray answers(reinterpret_cast<const char*>(data), qsizetype(size));
    AnswerPort port(answers);
    InstantClock clock;
    NullLog log;
    BootloaderProtocol protocol(port, log, clock);
    const auto identity = test::done(protocol.identify());

    qsizetype at = 0;
    const auto get = counted(answers, at);
    const auto id = get ? counted(answers, at) : std::nullopt;
    KX_FUZZ_CHECK(identity.ok() == (get && id && id->size() == 2));
    if (identity) {
        KX_FUZZ_CHECK(identity->version == quint8(get->at(0)));
        KX_FUZZ_CHECK(identity->commands == get->mid(1));
        KX_FUZZ_CHECK(identity->product_id == ((quint8(id->at(0)) << 8) | quint8(id->at(1))));
    }
    // Only the two questions go out, and the second only after a good answer to the first.
    const QByteArray questions = QByteArray::fromHex("00FF02FD");
    KX_FUZZ_CHECK(port.sent == questions.left(get ? 4 : 2));
    return 0;
}
