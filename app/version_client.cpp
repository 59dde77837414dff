#include "app/version_client.h"

#include "kx_version.h"
#include "library/version_number.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace kx {

namespace {

constexpr int kStatusOk = 200;
constexpr char kUserAgent[] = "Kestrel X Editor/" KX_VERSION_TEXT;

// Failures below the HTTP layer (connection, TLS, redirect, proxy): the server gave no
// answer that counts.
bool below_http(QNetworkReply::NetworkError error) {
    return error != QNetworkReply::NoError && error < QNetworkReply::ContentAccessDenied;
}

QString too_long() {
    return QStringLiteral("the server's answer is longer than %1 bytes.").arg(kMaxVersionBodyBytes);
}

QString error_text(const QString& text) {
    return QLatin1String(kErrorPrefix) + text;
}

} // namespace

VersionCheckResult evaluate_version_reply(const VersionReply& reply, const QString& own_version) {
    VersionCheckResult result;
    if (!reply.network_error.isEmpty()) {
        result.error =
            error_text(QStringLiteral("the version check failed: ") + reply.network_error);
        result.unreachable = true;
        return result;
    }
    if (reply.status != kStatusOk) {
        result.error = error_text(reply.status_text.isEmpty()
                                      ? QStringLiteral("HTTP status %1").arg(reply.status)
                                      : reply.status_text);
        return result;
    }
    const Result<QString> version = read_version_body(reply.body);
    if (!version) {
        result.error = error_text(version.error());
        return result;
    }
    if (!is_version_text(own_version)) {
        result.error =
            error_text(QStringLiteral("the editor's own version \"%1\" is not a version number.")
                           .arg(own_version));
        return result;
    }
    result.web_version = *version;
    result.newer = is_newer_version(result.web_version, own_version);
    return result;
}

VersionClient::VersionClient(QObject* parent)
    : QObject(parent), m_manager(new QNetworkAccessManager(this)) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (!m_reply)
            return;
        m_abort_reason = QStringLiteral("the server did not answer within %1 s.")
                             .arg(timeout_ms / 1000.0, 0, 'g', 3);
        m_reply->abort();
    });
}

VersionClient::~VersionClient() {
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

bool VersionClient::send(const VersionRequest& request) {
    if (m_reply)
        return false;
    QNetworkRequest network_request(request.url);
    network_request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                                 QNetworkRequest::NoLessSafeRedirectPolicy);
    network_request.setHeader(QNetworkRequest::UserAgentHeader, QByteArray(kUserAgent));
    m_abort_reason.clear();
    m_reply = m_manager->sendCustomRequest(network_request, request.method);
    // The network layer stops taking bytes from the server once one more than the limit is
    // held, so a long answer is never buffered: it is given up as soon as it is seen.
    m_reply->setReadBufferSize(kMaxVersionBodyBytes + 1);
    const auto give_up_when_too_long = [this](qint64 bytes) {
        if (bytes > kMaxVersionBodyBytes && m_reply && m_abort_reason.isEmpty()) {
            m_abort_reason = too_long();
            m_reply->abort();
        }
    };
    connect(m_reply, &QNetworkReply::finished, this, &VersionClient::reply_finished);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, [this, give_up_when_too_long] {
        give_up_when_too_long(
            m_reply ? m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() : 0);
    });
    connect(m_reply, &QNetworkReply::readyRead, this, [this, give_up_when_too_long] {
        give_up_when_too_long(m_reply ? m_reply->bytesAvailable() : 0);
    });
    connect(m_reply, &QNetworkReply::downloadProgress, this,
            [give_up_when_too_long](qint64 received, qint64) { give_up_when_too_long(received); });
    m_timer.start(timeout_ms);
    return true;
}

void VersionClient::reply_finished() {
    m_timer.stop();
    QNetworkReply* network_reply = m_reply;
    m_reply = nullptr;
    if (!network_reply)
        return;
    network_reply->deleteLater();

    VersionReply reply;
    const auto error = network_reply->error();
    if (!m_abort_reason.isEmpty()) {
        reply.network_error = m_abort_reason;
    } else if (below_http(error)) {
        reply.network_error = network_reply->errorString();
    } else {
        reply.status = network_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        reply.status_text =
            network_reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        reply.body = network_reply->read(kMaxVersionBodyBytes + 1);
        if (reply.status == 0)
            reply.network_error = network_reply->errorString();
        else if (reply.body.size() > kMaxVersionBodyBytes)
            reply.network_error = too_long();
    }
    emit finished(reply);
}

} // namespace kx
