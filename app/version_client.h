#pragma once

#include "app/https_transfer.h"
#include "base/translation.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>

#include <memory>

namespace kx {

inline constexpr char kErrorPrefix[] = QT_TRANSLATE_NOOP("kx::TformMain", "Error: ");
// The server gets this long to answer before the check gives up.
inline constexpr int kVersionRequestTimeout_ms = 10000;
// A version page holds a few characters; a longer answer is not one.
inline constexpr qint64 kMaxVersionBodyBytes = 4096;

// The version check's request, prepared at start-up and sent by the check.
struct VersionRequest {
    QByteArray method;
    QUrl url;
};

// What the server answered, or why it did not.
struct VersionReply {
    QString network_error; // empty when an HTTP answer arrived
    int status = 0;
    QString status_text;
    QByteArray body;
};

// What the main window does with a reply: tell the user an error, or show the server's
// version and whether it is newer than the editor's own.
struct VersionCheckResult {
    QString error; // the message for the user; empty on success
    // The server was not reached (no network, a refused certificate, no answer in time):
    // usual on a computer that is offline, so the user is told without a box to close.
    bool unreachable = false;
    QString web_version;
    bool newer = false;
};

VersionCheckResult evaluate_version_reply(const VersionReply& reply, const QString& own_version);

// Fetches the version page over HTTPS without blocking: send() returns at once and finished()
// follows from the event loop. Certificates are verified by the system's trust store, a
// redirect may not lead to a less safe address, and a server that does not answer within
// timeout_ms is given up. The network library comes in with the first request.
class VersionClient : public QObject {
    Q_OBJECT
public:
    explicit VersionClient(QObject* parent = nullptr);
    ~VersionClient() override;

    int timeout_ms = kVersionRequestTimeout_ms;

    // Refused (false) while a request runs.
    bool send(const VersionRequest& request);
    bool running() const { return m_transfer != nullptr; }

signals:
    void finished(const kx::VersionReply& reply);

private:
    void transfer_finished(const HttpsAnswer& answer);

    std::unique_ptr<HttpsTransfer> m_transfer;
    QTimer m_timer;
    QString m_abort_reason;
};

} // namespace kx
