#include "link/effect_upload.h"

#include "base/clock.h"
#include "base/hex_text.h"
#include "base/log.h"
#include "base/translation.h"
#include "link/Communication.h"
#include "link/D2XXUnit.h"

#include <algorithm>

namespace kx {

namespace {

constexpr char kLogSize[] = "size: ";
constexpr char kLogNumOfBytes[] = "num of bytes: ";
constexpr char kLogWriteToDevice[] = "write to device";
constexpr char kLogReceived[] = "received: ";

QString latin1(const char* text) {
    return QString::fromLatin1(text);
}

} // namespace

Result<QByteArray> upload_image_bytes(const QString& image_text, const QString& effect) {
    const qsizetype length = image_text.size() / 2;
    if (length == 0)
        return Error{ui_text("Link", kMessageImageEmpty).arg(effect)};
    if (length > static_cast<qsizetype>(kLinkBufferSize))
        return Error{
            ui_text("Link", kMessageImageTooLong).arg(effect).arg(length).arg(kLinkBufferSize)};
    QByteArray bytes(length, '\0');
    const qsizetype converted = hex_to_bytes(image_text, bytes.data(), length);
    if (converted < length)
        return Error{ui_text("Link", kMessageImageNotHex).arg(effect).arg(2 * converted + 1)};
    return bytes;
}

EffectUpload::EffectUpload(Communication& comm, Log& log, Clock& clock,
                           std::function<Task<Status>()> enter_bypass)
    : Operation(ui_text("Link", "Upload")), m_comm(comm), m_log(log), m_clock(clock),
      m_enter_bypass(std::move(enter_bypass)) {}

void EffectUpload::set_image(const QString& image_text, const QString& effect_name) {
    m_image_text = image_text;
    m_effect_name = effect_name;
}

Task<Status> EffectUpload::run() {
    m_answer.clear();
    set_step(ui_text("Link", "check the image"));
    // Nothing goes out, the bypass included, for an image that cannot be sent.
    const auto image = upload_image_bytes(m_image_text, m_effect_name);
    if (!image)
        co_return image.failure();
    if (!m_comm.exchange_allowed(name()))
        co_return Error{ui_text("Link", kMessageBusy).arg(name()), ErrorKind::Busy};

    set_step(QStringLiteral("bypass"));
    if (const Status bypass = co_await m_enter_bypass(); !bypass)
        co_return bypass;
    co_await m_comm.pause(kBypassPauseMs, &m_clock);
    set_progress(5);

    auto claim = m_comm.claim(name());
    if (!claim)
        co_return claim.failure();
    const auto n = image->size();
    m_log.print_line(latin1(kLogSize) + QString::number(n));
    m_log.print_line(latin1(kLogNumOfBytes) + QString::number(n));
    set_step(ui_text("Link", "write the image"));
    ReplyRequest request{ui_text("Link", "answer to the upload"), 0, kUploadAnswerBytes,
                         kUploadAnswerTimeoutMs};
    request.short_ok = true;
    // The bar follows the bytes as the chip takes them, piece by piece.
    m_comm.set_write_progress([this](quint32 written, quint32 total) {
        set_progress(5 + int(qint64(85) * written / std::max<quint32>(total, 1)));
    });
    const auto reply = co_await m_comm.exchange(*image, request, &*claim, [this] {
        m_log.print_line(latin1(kLogWriteToDevice));
        set_progress(90);
        set_step(ui_text("Link", kTextUploading));
    });
    m_comm.set_write_progress({});
    if (!reply)
        co_return reply.failure();
    m_answer = QString::fromLatin1(reply->left(kUploadAnswerBytes));
    m_log.print_line(latin1(kLogReceived) + m_answer);
    co_return Status{};
}

} // namespace kx
