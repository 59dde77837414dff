// The loadable module behind https_transfer.h: the one place that uses Qt's network library.
#include "app/https_transfer.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>

namespace kx {

namespace {

// Failures below the HTTP layer (connection, TLS, redirect, proxy): the server gave no
// answer that counts.
bool below_http(QNetworkReply::NetworkError error) {
    return error != QNetworkReply::NoError && error < QNetworkReply::ContentAccessDenied;
}

class NetworkTransfer : public HttpsTransfer {
public:
    NetworkTransfer(const HttpsRequest& request, HttpsDone done) : m_done(std::move(done)) {
        QNetworkRequest network_request(request.url);
        network_request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                                     QNetworkRequest::NoLessSafeRedirectPolicy);
        network_request.setHeader(QNetworkRequest::UserAgentHeader, request.user_agent);
        m_reply = m_manager.sendCustomRequest(network_request, request.method);
        const qint64 max_bytes = request.max_body_bytes;
        // The network layer stops taking bytes from the server once one more than the limit is
        // held, so a long answer is never buffered: it is given up as soon as it is seen.
        m_reply->setReadBufferSize(max_bytes + 1);
        const auto give_up_when_too_long = [this, max_bytes](qint64 bytes) {
            if (bytes > max_bytes && m_reply && !m_too_long) {
                m_too_long = true;
                m_reply->abort();
            }
        };
        QObject::connect(
            m_reply, &QNetworkReply::metaDataChanged, &m_manager, [this, give_up_when_too_long] {
                give_up_when_too_long(
                    m_reply ? m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong()
                            : 0);
            });
        QObject::connect(m_reply, &QNetworkReply::readyRead, &m_manager,
                         [this, give_up_when_too_long] {
                             give_up_when_too_long(m_reply ? m_reply->bytesAvailable() : 0);
                         });
        QObject::connect(
            m_reply, &QNetworkReply::downloadProgress, &m_manager,
            [give_up_when_too_long](qint64 received, qint64) { give_up_when_too_long(received); });
        QObject::connect(m_reply, &QNetworkReply::finished, &m_manager,
                         [this, max_bytes] { finished(max_bytes); });
    }
    ~NetworkTransfer() override {
        if (m_reply) {
            m_reply->disconnect(&m_manager);
            m_reply->abort();
        }
    }
    void abort() override {
        if (m_reply)
            m_reply->abort();
    }

private:
    void finished(qint64 max_bytes) {
        QNetworkReply* reply = m_reply;
        m_reply = nullptr;
        if (!reply)
            return;
        reply->deleteLater();
        HttpsAnswer answer;
        answer.too_long = m_too_long;
        const auto error = reply->error();
        if (below_http(error)) {
            answer.network_error = reply->errorString();
        } else {
            answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            answer.status_text =
                reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
            answer.body = reply->read(max_bytes + 1);
            if (answer.status == 0)
                answer.network_error = reply->errorString();
            else if (answer.body.size() > max_bytes)
                answer.too_long = true;
        }
        m_done(answer); // may delete this
    }

    QNetworkAccessManager m_manager;
    QPointer<QNetworkReply> m_reply;
    HttpsDone m_done;
    bool m_too_long = false;
};

} // namespace

} // namespace kx

extern "C" Q_DECL_EXPORT kx::HttpsTransfer* kx_start_https_transfer(const kx::HttpsRequest& request,
                                                                    kx::HttpsDone done) {
    return new kx::NetworkTransfer(request, std::move(done));
}
