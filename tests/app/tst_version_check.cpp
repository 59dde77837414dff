// The version check against a real HTTPS server on the loopback interface, with a certificate
// made for the test and trusted through the test's own authority; and the hand-over to a
// stand-in updater that records its arguments.
#include "editor_fixture.h"
#include "support/await.h"

#include "app/Main.h"
#include "app/NewVersionMsg.h"
#include "app/PrintConsole.h"
#include "app/version_client.h"
#include "base/ui/widget_dialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpServer>
#include <QTextDocument>

using namespace kx;

namespace {

const QByteArray kVersionPath("/download/kestrelx/kestrel-x-version.php");

// Runs openssl in `folder`; the test fails with its output when it does.
bool openssl(const QString& folder, const QStringList& arguments) {
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("openssl"), arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        qWarning("openssl %s: %s", qPrintable(arguments.join(' ')), process.readAll().constData());
        return false;
    }
    return true;
}

QStringList new_key(const QString& key_file) {
    return {"-newkey", "ec",      "-pkeyopt", "ec_paramgen_curve:prime256v1",
            "-nodes",  "-keyout", key_file};
}

// What the server does with a request.
struct Route {
    QByteArray status = "200 OK";
    QByteArray headers;
    QByteArray body;
    int delay_ms = 150; // keeps the answer back, so the test sees the windows working meanwhile
    bool silent = false;
    // After the headers, 100 MB of body sent as fast as the client takes it (body unused).
    bool endless = false;
};

// A small HTTPS server: answers every request with its route and records the request lines.
class HttpsServer : public QObject {
public:
    HttpsServer(const QSslCertificate& certificate, const QSslKey& key) {
        QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
        configuration.setLocalCertificate(certificate);
        configuration.setPrivateKey(key);
        configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
        server.setSslConfiguration(configuration);
        QObject::connect(&server, &QTcpServer::pendingConnectionAvailable, this,
                         [this] { accept(); });
        listening = server.listen(QHostAddress::LocalHost);
    }
    QString address() const {
        return QStringLiteral("https://127.0.0.1:%1").arg(server.serverPort());
    }

    Route route;
    Route second; // the answer to a request of any other path
    QList<QByteArray> requests;
    bool listening = false;
    qint64 endless_bytes_sent = 0; // of an endless body, taken by the client's side so far

private:
    void accept() {
        while (QTcpSocket* socket = server.nextPendingConnection()) {
            socket->setParent(this);
            auto buffer = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
                *buffer += socket->readAll();
                const qsizetype end = buffer->indexOf("\r\n\r\n");
                if (end < 0)
                    return;
                const QByteArray request_line = buffer->left(buffer->indexOf("\r\n"));
                requests << request_line;
                const Route& answer =
                    request_line.contains(" " + kVersionPath + " ") ? route : second;
                if (answer.silent)
                    return;
                if (answer.endless) {
                    send_endless(socket, answer.headers);
                    return;
                }
                QTimer::singleShot(answer.delay_ms, socket, [socket, answer] {
                    socket->write("HTTP/1.1 " + answer.status +
                                  "\r\nContent-Length: " + QByteArray::number(answer.body.size()) +
                                  "\r\nConnection: close\r\n" + answer.headers + "\r\n" +
                                  answer.body);
                    socket->disconnectFromHost();
                });
            });
        }
    }

    // Keeps one block in flight, so the count says what the client let through.
    void send_endless(QTcpSocket* socket, const QByteArray& headers) {
        constexpr qint64 kTotal = 100 * 1024 * 1024;
        const QByteArray block(64 * 1024, '1');
        socket->write("HTTP/1.1 200 OK\r\nConnection: close\r\n" + headers + "\r\n");
        const auto more = [this, socket, block] {
            if (socket->bytesToWrite() == 0 && endless_bytes_sent < kTotal &&
                socket->state() == QAbstractSocket::ConnectedState) {
                socket->write(block);
                endless_bytes_sent += block.size();
            }
        };
        QObject::connect(qobject_cast<QSslSocket*>(socket), &QSslSocket::encryptedBytesWritten,
                         this, more);
        more();
    }

    QSslServer server;
};

// With KX_SHOT_DIR set, keeps a picture of a window for a person to look at.
void keep_picture(QWidget& window, const QString& name) {
    const QString folder = qEnvironmentVariable("KX_SHOT_DIR");
    if (!folder.isEmpty())
        window.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

} // namespace

class TestVersionCheck : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void checks_against_a_server_data();
    void checks_against_a_server();
    void runs_once_a_second_after_start();
    void gives_up_on_a_silent_server();
    void stops_reading_at_the_limit_data();
    void stops_reading_at_the_limit();
    void the_builtin_server_is_no_server();
    void hands_over_to_the_updater_data();
    void hands_over_to_the_updater();

private:
    void verify_shown_as_text(TformMain& w, const QString& text);

    QTemporaryDir m_certificates;
    QSslCertificate m_trusted;
    QSslKey m_trusted_key;
    QSslCertificate m_untrusted;
    QSslKey m_untrusted_key;
    EditorFixture* f = nullptr;
};

void TestVersionCheck::initTestCase() {
    const QString dir = m_certificates.path();
    QFile extensions(m_certificates.filePath(QStringLiteral("server.ext")));
    QVERIFY(extensions.open(QIODevice::WriteOnly));
    extensions.write("subjectAltName=IP:127.0.0.1,DNS:localhost\n"
                     "basicConstraints=CA:FALSE\nextendedKeyUsage=serverAuth\n");
    extensions.close();
    QVERIFY(openssl(dir, QStringList{"req", "-x509"} + new_key("ca.key") +
                             QStringList{"-out", "ca.crt", "-days", "2", "-subj",
                                         "/CN=Kestrel X test authority", "-addext",
                                         "basicConstraints=critical,CA:TRUE", "-addext",
                                         "keyUsage=critical,keyCertSign,cRLSign"}));
    QVERIFY(openssl(dir, QStringList{"req"} + new_key("server.key") +
                             QStringList{"-out", "server.csr", "-subj", "/CN=127.0.0.1"}));
    QVERIFY(openssl(dir, {"x509", "-req", "-in", "server.csr", "-CA", "ca.crt", "-CAkey", "ca.key",
                          "-CAcreateserial", "-out", "server.crt", "-days", "2", "-extfile",
                          "server.ext"}));
    // Right name, but signed by nobody the client trusts.
    QVERIFY(
        openssl(dir, QStringList{"req", "-x509"} + new_key("other.key") +
                         QStringList{"-out", "other.crt", "-days", "2", "-subj", "/CN=127.0.0.1",
                                     "-addext", "subjectAltName=IP:127.0.0.1"}));

    const auto read = [&](const char* name) {
        QFile file(m_certificates.filePath(QLatin1String(name)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QSslCertificate authority(read("ca.crt"));
    m_trusted = QSslCertificate(read("server.crt"));
    m_trusted_key = QSslKey(read("server.key"), QSsl::Ec);
    m_untrusted = QSslCertificate(read("other.crt"));
    m_untrusted_key = QSslKey(read("other.key"), QSsl::Ec);
    QVERIFY(!authority.isNull() && !m_trusted.isNull() && !m_untrusted.isNull());
    QVERIFY(!m_trusted_key.isNull() && !m_untrusted_key.isNull());

    // Only this test program trusts the test's authority.
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.addCaCertificate(authority);
    QSslConfiguration::setDefaultConfiguration(configuration);
}

void TestVersionCheck::init() {
    f = new EditorFixture;
}

void TestVersionCheck::cleanup() {
    delete f;
    f = nullptr;
    set_update_server(QString());
}

void TestVersionCheck::checks_against_a_server_data() {
    QTest::addColumn<QString>("server"); // "trusted", "untrusted", "none"
    QTest::addColumn<QByteArray>("status");
    QTest::addColumn<QByteArray>("headers");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("show_message");
    QTest::addColumn<QString>("menu"); // menuNewAppVersion afterwards
    QTest::addColumn<bool>("update");  // menuUpdateNow enabled afterwards
    // The start of the error's text, or empty. The check at start-up only logs it; one asked
    // for in the Info menu shows it.
    QTest::addColumn<QString>("error");
    QTest::addColumn<bool>("asked"); // through "Check for Updates"
    const QString unchanged = QStringLiteral("New version available:");
    const QString failed = QStringLiteral("Error: the version check failed: ");
    const QString none = QStringLiteral("No update available");
    const QByteArray ok("200 OK");
    // The editor is 1.0.
    QTest::newRow("newer") << "trusted" << ok << QByteArray() << QByteArray("1.1") << true
                           << "New version available: 1.1" << true << "" << false;
    QTest::newRow("newer, line break")
        << "trusted" << ok << QByteArray() << QByteArray("1.1\r\n") << true
        << "New version available: 1.1" << true << "" << false;
    QTest::newRow("newer by a third number")
        << "trusted" << ok << QByteArray() << QByteArray("1.0.1") << true
        << "New version available: 1.0.1" << true << "" << false;
    QTest::newRow("newer, message turned off")
        << "trusted" << ok << QByteArray() << QByteArray("1.1") << false
        << "New version available: 1.1" << true << "" << false;
    QTest::newRow("equal") << "trusted" << ok << QByteArray() << QByteArray("1.0") << true << none
                           << false << "" << false;
    QTest::newRow("older") << "trusted" << ok << QByteArray() << QByteArray("0.9") << true << none
                           << false << "" << false;
    QTest::newRow("safe redirect")
        << "trusted" << QByteArray("301 Moved Permanently")
        << QByteArray("Location: /download/kestrelx/moved.php\r\n") << QByteArray() << true
        << "New version available: 1.1" << true << "" << false;
    QTest::newRow("not found") << "trusted" << QByteArray("404 Not Found") << QByteArray()
                               << QByteArray("gone") << true << unchanged << false
                               << "Error: Not Found" << false;
    QTest::newRow("server error") << "trusted" << QByteArray("500 Internal Server Error")
                                  << QByteArray() << QByteArray() << true << unchanged << false
                                  << "Error: Internal Server Error" << false;
    QTest::newRow("a page, not a version")
        << "trusted" << ok << QByteArray() << QByteArray("<html>1.1</html>") << true << unchanged
        << false << "Error: the version page holds \"<html>1.1</html>\"" << false;
    QTest::newRow("over-long answer")
        << "trusted" << ok << QByteArray() << QByteArray(5000, '1') << true << unchanged << false
        << failed + "the server's answer is longer than 4096 bytes" << false;
    // Markup from the server is the server's text, shown as it is.
    QTest::newRow("HTML in the reason phrase")
        << "trusted" << QByteArray("404 <h1>Gone</h1><a href=\"https://x.example/\">Update</a>")
        << QByteArray() << QByteArray() << true << unchanged << false
        << "Error: <h1>Gone</h1><a href=\"https://x.example/\">Update</a>" << true;
    QTest::newRow("HTML in the body")
        << "trusted" << ok << QByteArray()
        << QByteArray("<h1>New!</h1><a href=\"https://x.example/\">Update</a>") << true << unchanged
        << false << "Error: the version page holds \"<h1>New!</h1>" << true;
    QTest::newRow("redirect to plain HTTP")
        << "trusted" << QByteArray("302 Found") << QByteArray("Location: http://127.0.0.1:%1/v\r\n")
        << QByteArray() << true << unchanged << false << failed + "Insecure redirect" << false;
    QTest::newRow("untrusted certificate")
        << "untrusted" << ok << QByteArray() << QByteArray("1.1") << true << unchanged << false
        << failed + "SSL handshake failed" << false;
    QTest::newRow("no server") << "none" << ok << QByteArray() << QByteArray() << true << unchanged
                               << false << failed + "Connection refused" << false;
    QTest::newRow("asked, newer") << "trusted" << ok << QByteArray() << QByteArray("1.1") << true
                                  << "New version available: 1.1" << true << "" << true;
    QTest::newRow("asked, equal") << "trusted" << ok << QByteArray() << QByteArray("1.0") << true
                                  << none << false << "" << true;
    QTest::newRow("asked, not found")
        << "trusted" << QByteArray("404 Not Found") << QByteArray() << QByteArray("gone") << true
        << unchanged << false << "Error: Not Found" << true;
    QTest::newRow("asked, no server")
        << "none" << ok << QByteArray() << QByteArray() << true << unchanged << false
        << failed + "Connection refused" << true;
}

// The check sends GET for the version page and returns at once; the menu, the New Version
// window and any error follow when the answer comes, the windows working meanwhile.
void TestVersionCheck::checks_against_a_server() {
    QFETCH(QString, server);
    QFETCH(QByteArray, status);
    QFETCH(QByteArray, headers);
    QFETCH(QByteArray, body);
    QFETCH(bool, show_message);
    QFETCH(QString, menu);
    QFETCH(bool, update);
    QFETCH(QString, error);
    QFETCH(bool, asked);

    HttpsServer https(server == QLatin1String("untrusted") ? m_untrusted : m_trusted,
                      server == QLatin1String("untrusted") ? m_untrusted_key : m_trusted_key);
    QVERIFY(https.listening);
    QTcpServer plain; // where the unsafe redirect points; nobody may come
    QVERIFY(plain.listen(QHostAddress::LocalHost));
    https.route = {status,
                   QByteArray(headers).replace("%1", QByteArray::number(plain.serverPort())), body};
    https.second = {"200 OK", {}, "1.1"};
    QString address = https.address();
    if (server == QLatin1String("none")) {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        address = QStringLiteral("https://127.0.0.1:%1").arg(closed.serverPort());
    }
    set_update_server(address);
    f->write(kMessageFile, show_message ? "YES" : "NO");
    f->start();
    TformMain& w = f->main();
    QCOMPARE(w.NetHTTPRequest1.url.toString(), address + QString::fromLatin1(kVersionPath));
    // Nothing to install until a newer version is known.
    QVERIFY(!w.menuUpdateNow->isEnabled());

    QElapsedTimer clock;
    clock.start();
    if (asked)
        w.menuCheckForUpdates->trigger();
    else
        w.checkmostrecentversiononwebsite();
    QVERIFY(clock.elapsed() < 100);
    QVERIFY(!w.TimerCheckWebVersion.isActive());
    QCOMPARE(w.menuNewAppVersion->text(), QStringLiteral("New version available:"));

    int ticks = 0;
    QTimer ticking;
    connect(&ticking, &QTimer::timeout, this, [&] { ++ticks; });
    ticking.start(10);
    QTRY_VERIFY_WITH_TIMEOUT(
        f->windows->formPrint->Memo1->toPlainText().contains(QLatin1String("version check: ")),
        5000);
    if (server == QLatin1String("trusted"))
        QVERIFY2(ticks >= 5, qPrintable(QString::number(ticks)));
    QTest::qWait(50); // nothing more arrives

    QCOMPARE(w.menuNewAppVersion->text(), menu);
    QCOMPARE(w.menuUpdateNow->isEnabled(), update);
    // Asked for, the answer comes in a box instead of the window.
    QCOMPARE(f->windows->formNewVersionMsg->isVisible(),
             !asked && show_message && menu.startsWith(QLatin1String("New version available: ")));
    QCOMPARE(w.lblStatusLine->toolTip(), QString());
    if (!error.isEmpty())
        QVERIFY2(f->windows->formPrint->Memo1->toPlainText().contains(
                     QStringLiteral("version check: ") + error),
                 qPrintable(f->windows->formPrint->Memo1->toPlainText()));
    if (!asked) {
        QCOMPARE(f->dialogs.messages, QStringList());
    } else {
        QCOMPARE(f->dialogs.messages.size(), 1);
        const QString expected = !error.isEmpty() ? error
                                 : update ? QStringLiteral("Version 1.1 of the Kestrel X Editor")
                                          : QStringLiteral("This is the newest version");
        QVERIFY2(f->dialogs.messages.first().startsWith(expected),
                 qPrintable(f->dialogs.messages.first()));
    }
    if (QTest::currentDataTag() == QLatin1String("untrusted certificate"))
        keep_picture(w, QStringLiteral("main-version-check-failed"));
    if (QTest::currentDataTag() == QLatin1String("newer")) {
        keep_picture(*f->windows->formNewVersionMsg, QStringLiteral("new-version"));
        w.menuInfo->popup(w.mapToGlobal(QPoint(0, 0)));
        keep_picture(*w.menuInfo, QStringLiteral("info-menu"));
        w.menuInfo->hide();
    }
    if (server == QLatin1String("trusted")) {
        QVERIFY(!https.requests.isEmpty());
        QCOMPARE(https.requests.first(), "GET " + kVersionPath + " HTTP/1.1");
    } else {
        QCOMPARE(https.requests, QList<QByteArray>());
    }
    QVERIFY(!plain.hasPendingConnections());
    // Only a check asked for shows its error; one at start-up has logged it.
    if (asked && error.contains(QLatin1Char('<')))
        verify_shown_as_text(w, f->dialogs.messages.first());
}

// Started by its timer, once: the New Version window appears about a second after start-up.
void TestVersionCheck::runs_once_a_second_after_start() {
    HttpsServer https(m_trusted, m_trusted_key);
    QVERIFY(https.listening);
    https.route = {"200 OK", {}, "1.1", 0};
    set_update_server(https.address());
    QElapsedTimer clock;
    clock.start();
    f->start();
    QTRY_VERIFY_WITH_TIMEOUT(f->windows->formNewVersionMsg->isVisible(), 5000);
    QVERIFY2(clock.elapsed() >= 900, qPrintable(QString::number(clock.elapsed())));
    QTest::qWait(1500);
    QCOMPARE(https.requests.size(), 1);
    QCOMPARE(f->main().menuNewAppVersion->text(), QStringLiteral("New version available: 1.1"));
}

void TestVersionCheck::gives_up_on_a_silent_server() {
    HttpsServer https(m_trusted, m_trusted_key);
    QVERIFY(https.listening);
    https.route.silent = true;
    VersionClient client;
    client.timeout_ms = 300;
    QSignalSpy finished(&client, &VersionClient::finished);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(client.send({"GET", QUrl(https.address() + kVersionPath)}));
    QVERIFY(!client.send({"GET", QUrl(https.address() + kVersionPath)})); // one at a time
    QVERIFY(finished.wait(5000));
    QVERIFY2(clock.elapsed() >= 250 && clock.elapsed() < 3000,
             qPrintable(QString::number(clock.elapsed())));
    const auto reply = finished.first().first().value<VersionReply>();
    QCOMPARE(reply.network_error, QStringLiteral("the server did not answer within 0.3 s."));
    QCOMPARE(https.requests.size(), 1);
    QVERIFY(!client.running());
}

// The box and the status line a user would see show the server's characters, not a heading
// and a link.
void TestVersionCheck::verify_shown_as_text(TformMain& w, const QString& text) {
    WidgetDialogs dialogs(&w);
    Qt::TextFormat box_format = Qt::RichText;
    QString box_text;
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box_format = box->textFormat();
            box_text = box->text();
            box->accept();
        }
    });
    closer.start(10);
    dialogs.message(text);
    QCOMPARE(box_text, text);
    QCOMPARE(box_format, Qt::PlainText);

    w.show_status_text(text);
    QCOMPARE(w.lblStatusLine->textFormat(), Qt::PlainText);
    QVERIFY2(!w.lblStatusLine->toolTip().contains(QLatin1String("<h1>")),
             qPrintable(w.lblStatusLine->toolTip()));
    QTextDocument tooltip;
    tooltip.setHtml(w.lblStatusLine->toolTip());
    QCOMPARE(tooltip.toPlainText(), text);
}

void TestVersionCheck::stops_reading_at_the_limit_data() {
    QTest::addColumn<QByteArray>("headers");
    QTest::newRow("length announced") << QByteArray("Content-Length: 104857600\r\n");
    QTest::newRow("no length, to the end") << QByteArray();
}

// A 100 MB answer is given up at the limit: the client takes little more than the limit
// (what the system's socket buffers hold), never the whole body.
void TestVersionCheck::stops_reading_at_the_limit() {
    QFETCH(QByteArray, headers);
    HttpsServer https(m_trusted, m_trusted_key);
    QVERIFY(https.listening);
    https.route.endless = true;
    https.route.headers = headers;
    VersionClient client;
    QSignalSpy finished(&client, &VersionClient::finished);
    QVERIFY(client.send({"GET", QUrl(https.address() + kVersionPath)}));
    QVERIFY(finished.wait(10000));
    const auto reply = finished.first().first().value<VersionReply>();
    QCOMPARE(reply.network_error, QStringLiteral("the server's answer is longer than 4096 bytes."));
    QVERIFY(reply.body.isEmpty());
    QVERIFY2(https.endless_bytes_sent < 16 * 1024 * 1024,
             qPrintable(QString::number(https.endless_bytes_sent)));
}

void TestVersionCheck::hands_over_to_the_updater_data() {
    QTest::addColumn<QString>("updater"); // "script", "not executable", "none"
    QTest::addColumn<QString>("trigger"); // "button", "menu"
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("started");
    QTest::newRow("started") << "script"
                             << "button" << int(Dialogs::Answer::Yes) << true;
    QTest::newRow("started from the menu") << "script"
                                           << "menu" << int(Dialogs::Answer::Yes) << true;
    QTest::newRow("box closed") << "script"
                                << "button" << int(Dialogs::Answer::Closed) << true;
    QTest::newRow("declined") << "script"
                              << "button" << int(Dialogs::Answer::No) << false;
    QTest::newRow("not executable") << "not executable"
                                    << "button" << int(Dialogs::Answer::Yes) << false;
    QTest::newRow("installed by a package") << "none"
                                            << "button" << int(Dialogs::Answer::Yes) << false;
}

// The stand-in updater writes its argument count and arguments, one a line. Folders with
// blanks show that no shell splits them.
void TestVersionCheck::hands_over_to_the_updater() {
    QFETCH(QString, updater);
    QFETCH(QString, trigger);
    QFETCH(int, answer);
    QFETCH(bool, started);
    QTemporaryDir root;
    const QString folder = root.filePath(QStringLiteral("editor folder"));
    const QString temp = root.filePath(QStringLiteral("temp folder"));
    QVERIFY(QDir().mkpath(folder) && QDir().mkpath(temp));
    const QString recorded = root.filePath(QStringLiteral("arguments.txt"));
    if (updater != QLatin1String("none")) {
        QFile script(folder + QStringLiteral("/kestrel-x-updater"));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > \"" + recorded.toUtf8() +
                     ".part\" && mv \"" + recorded.toUtf8() + ".part\" \"" + recorded.toUtf8() +
                     "\"\n");
        script.close();
        QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
        if (updater == QLatin1String("script"))
            permissions |= QFileDevice::ExeOwner;
        QVERIFY(script.setPermissions(permissions));
    }
    const QByteArray old_temp = qgetenv("TMPDIR");
    qputenv("TMPDIR", temp.toUtf8());

    set_update_server(QStringLiteral("https://updates.test")); // never asked: nothing is fetched
    f->start();
    TformNewVersionMsg& window = *f->windows->formNewVersionMsg;
    window.updater_folder = folder;
    int ended = 0;
    window.end_editor = [&] { ++ended; };
    f->dialogs.answers << Dialogs::Answer(answer);
    if (trigger == QLatin1String("menu")) {
        // Offered once the server has named a newer version.
        QVERIFY(!f->main().menuUpdateNow->isEnabled());
        f->main().WebRequestCompleted(VersionReply{{}, 200, QStringLiteral("OK"), "1.1"});
        QVERIFY(f->main().menuUpdateNow->isEnabled());
        f->main().menuUpdateNow->trigger();
    } else
        window.btnLaunchUpdate->click();
    kx::test::settle();
    qputenv("TMPDIR", old_temp);

    if (updater == QLatin1String("none")) {
        QCOMPARE(f->dialogs.confirmations, QStringList());
        QCOMPARE(f->opened, QList<QUrl>{QUrl(QStringLiteral(
                                "https://updates.test/download/updatekestrelx/whatsnew.html"))});
        QCOMPARE(f->dialogs.messages.size(), 1);
        QVERIFY(f->dialogs.messages.first().startsWith(
            QLatin1String("The Kestrel X Editor is updated through your system's packages")));
        QCOMPARE(ended, 0);
        return;
    }
    QCOMPARE(f->dialogs.confirmations,
             QStringList{"This action will update the Kestrel X Editor to the latest version. Do "
                         "you want to continue?"});
    if (!started) {
        QTest::qWait(300);
        QVERIFY(!QFile::exists(recorded));
        QCOMPARE(ended, 0);
        if (updater == QLatin1String("not executable")) {
            QCOMPARE(f->dialogs.messages.size(), 1);
            QVERIFY2(f->dialogs.messages.first().startsWith(
                         QStringLiteral("Failed to launch updater: ") + folder),
                     qPrintable(f->dialogs.messages.first()));
        } else {
            QCOMPARE(f->dialogs.messages, QStringList());
        }
        return;
    }
    QCOMPARE(f->dialogs.messages, QStringList());
    QCOMPARE(ended, 1);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(recorded), 5000);
    QFile file(recorded);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString canonical_temp = QFileInfo(temp).canonicalFilePath();
    QCOMPARE(QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')),
             (QStringList{"2", canonical_temp + QStringLiteral("/kestrel-x-editor-update"),
                          QCoreApplication::applicationFilePath(), ""}));
}

// The built-in address names no real host: Check for Updates says that no server is set for
// this build and how to set one, not a network error; the check at start-up only logs it.
void TestVersionCheck::the_builtin_server_is_no_server() {
    const QByteArray before = qgetenv("KX_UPDATE_SERVER");
    qunsetenv("KX_UPDATE_SERVER");
    const auto restore = qScopeGuard([&] { qputenv("KX_UPDATE_SERVER", before); });
    f->start();
    TformMain& w = f->main();
    w.checkmostrecentversiononwebsite();
    QCOMPARE(f->dialogs.messages, QStringList());
    w.menuCheckForUpdates->trigger();
    kx::test::settle();
    QCOMPARE(f->dialogs.messages.size(), 1);
    QVERIFY2(f->dialogs.messages[0].startsWith("No update server is set for this build") &&
                 f->dialogs.messages[0].contains("KX_UPDATE_SERVER="),
             qPrintable(f->dialogs.messages[0]));
    QVERIFY(!w.menuUpdateNow->isEnabled());
}

QTEST_MAIN(TestVersionCheck)
#include "tst_version_check.moc"
