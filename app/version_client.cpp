#include "app/version_client.h"

#include "base/translation.h"
#include "kx_version.h"
#include "library/version_number.h"

#include <QTimer>

namespace kx {

namespace {

constexpr int kStatusOk = 200;
constexpr char kUserAgent[] = "Kestrel X Editor/" KX_VERSION_TEXT;

QString too_long() {
    return ui_text("kx::VersionClient", "the server's answer is longer than %1 bytes.")
        .arg(kMaxVersionBodyBytes);
}

QString error_text(const QString& text) {
    return ui_text("kx::TformMain", kErrorPrefix) + text;
}

} // namespace

VersionCheckResult evaluate_version_reply(const VersionReply& reply, const QString& own_version) {
    VersionCheckResult result;
    if (!reply.network_error.isEmpty()) {
        result.error = error_text(ui_text("kx::VersionClient", "the version check failed: ") +
                                  reply.network_error);
        result.unreachable = true;
        return result;
    }
    if (reply.status != kStatusOk) {
        result.error =
            error_text(reply.status_text.isEmpty()
                           ? ui_text("kx::VersionClient", "HTTP status %1").arg(reply.status)
                           : reply.status_text);
        return result;
    }
    const Result<QString> version = read_version_body(reply.body);
    if (!version) {
        result.error = error_text(version.error());
        return result;
    }
    if (!is_version_text(own_version)) {
        result.error = error_text(
            ui_text("kx::VersionClient", "the editor's own version \"%1\" is not a version number.")
                .arg(own_version));
        return result;
    }
    result.web_version = *version;
    result.newer = is_newer_version(result.web_version, own_version);
    return result;
}

VersionClient::VersionClient(QObject* parent) : QObject(parent) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (!m_transfer)
            return;
        m_abort_reason = ui_text("kx::VersionClient", "the server did not answer within %1 s.")
                             .arg(timeout_ms / 1000.0, 0, 'g', 3);
        m_transfer->abort();
    });
}

VersionClient::~VersionClient() = default;

bool VersionClient::send(const VersionRequest& request) {
    if (m_transfer)
        return false;
    m_abort_reason.clear();
    auto started = start_https_transfer(
        {request.method, request.url, QByteArray(kUserAgent), kMaxVersionBodyBytes},
        [this](const HttpsAnswer& answer) { transfer_finished(answer); });
    if (!started) {
        // Answered like any other failure below HTTP: from the event loop, after send().
        QTimer::singleShot(0, this, [this, error = started.error()] {
            VersionReply reply;
            reply.network_error = error;
            emit finished(reply);
        });
        return true;
    }
    m_transfer = std::move(started).value();
    m_timer.start(timeout_ms);
    return true;
}

void VersionClient::transfer_finished(const HttpsAnswer& answer) {
    m_timer.stop();
    // The transfer calls this as its last act; it goes once control is back in the loop.
    if (HttpsTransfer* done = m_transfer.release())
        QTimer::singleShot(0, [done] { delete done; });

    VersionReply reply;
    if (!m_abort_reason.isEmpty()) {
        reply.network_error = m_abort_reason;
    } else if (answer.too_long) {
        reply.network_error = too_long();
    } else {
        reply.network_error = answer.network_error;
        reply.status = answer.status;
        reply.status_text = answer.status_text;
        reply.body = answer.body;
    }
    emit finished(reply);
}

} // namespace kx
