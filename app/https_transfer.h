#pragma once

// The editor's one HTTPS exchange (the version check) lives in a module of its own that is
// loaded when the check first runs, so that the network and TLS libraries stay out of the
// editor's start. This is the module's interface; it uses no network type.
#include "base/result.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

namespace kx {

struct HttpsRequest {
    QByteArray method;
    QUrl url;
    QByteArray user_agent;
    qint64 max_body_bytes = 0; // a longer answer is given up as soon as it is
};

struct HttpsAnswer {
    // Why no HTTP answer came (connection, TLS, redirect, proxy); empty when one did.
    QString network_error;
    bool too_long = false; // given up: the body passed max_body_bytes
    int status = 0;
    QString status_text;
    QByteArray body; // at most max_body_bytes + 1 bytes
};

// A running exchange; deleting it stops the exchange without an answer.
class HttpsTransfer {
public:
    virtual ~HttpsTransfer() = default;
    // Stops the exchange; its answer follows, from the event loop.
    virtual void abort() = 0;
};

using HttpsDone = std::function<void(const HttpsAnswer&)>;

// The module's one entry: starts the exchange; `done` runs once, from the event loop.
using StartHttpsTransfer = HttpsTransfer* (*)(const HttpsRequest& request, HttpsDone done);
inline constexpr char kStartHttpsTransfer[] = "kx_start_https_transfer";
// The module's file name, beside the program or in its library folder once installed.
inline constexpr char kHttpsModuleName[] = "kestrel-x-https";

// Starts an exchange through the module, loading it the first time; fails when the module
// cannot be loaded, and then `done` never runs.
Result<std::unique_ptr<HttpsTransfer>> start_https_transfer(const HttpsRequest& request,
                                                            HttpsDone done);

} // namespace kx
