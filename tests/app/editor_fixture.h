#pragma once

#include "app/AppContext.h"
#include "app/EditorWindows.h"
#include "base/clock.h"
#include "base/paths.h"
#include "base/scripted_dialogs.h"
#include "link/hotplug/pedal_watcher.h"
#include "support/await.h"
#include "support/scripted_serial_driver.h"

#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// The editor with all its windows, over scripted dialogs, an instant clock and a temporary
// Documents folder; web addresses are recorded instead of opened. The pedal link runs over
// `driver` (by default a scripted driver with no chip attached); tests that talk to a pedal in
// real time set `driver` and `real_time` before start().
struct EditorFixture {
    QTemporaryDir documents;
    kx::ScriptedDialogs dialogs;
    kx::InstantClock clock;
    kx::RealClock real_clock;
    bool real_time = false;
    kx::ScriptedSerialDriver no_chip{clock};
    kx::SerialDriver* driver = &no_chip;
    std::unique_ptr<kx::AppContext> context;
    // The pedal watcher hears of chips only from here, and watches these port paths.
    kx::InjectedPlugSource* plug_source = nullptr;
    QStringList watched_ports;
    std::unique_ptr<kx::EditorWindows> windows;
    QList<QUrl> opened;

    ~EditorFixture() { kx::test::settle(); }

    // Runs the start-up as the program does; the main window is shown.
    void start() {
        kx::set_documents_folder(documents.path());
        context = std::make_unique<kx::AppContext>(
            dialogs, real_time ? static_cast<kx::Clock&>(real_clock) : clock);
        context->link = std::make_unique<kx::PedalLink>(*driver);
        auto source = std::make_unique<kx::InjectedPlugSource>();
        plug_source = source.get();
        context->watcher = std::make_unique<kx::PedalWatcher>(std::move(source), watched_ports);
        context->url_opener = [this](const QUrl& url) { opened << url; };
        windows = std::make_unique<kx::EditorWindows>(*context);
        windows->formMain->show();
    }

    // Runs the start-up as `--virtual-pedal` does: the virtual pedal in the process, in real
    // time, connected by hand (the test's own Connect).
    void start_on_virtual_pedal() {
        real_time = true;
        kx::set_documents_folder(documents.path());
        context = std::make_unique<kx::AppContext>(dialogs, real_clock);
        context->link_options.virtual_pedal = true;
        connect_by_hand_only();
        windows = std::make_unique<kx::EditorWindows>(*context);
        windows->formMain->show();
    }

    // Ends the run and starts a new one on the same Documents folder.
    void restart() {
        stop();
        start();
    }

    void stop() {
        // Work still running would resume into windows that are gone.
        kx::test::settle();
        windows.reset();
        context.reset();
    }

    kx::TformMain& main() { return *windows->formMain; }

    // Chooses `effect` of `category` in the main window's lists, as a click on each does.
    void choose_effect(const QString& category, const QString& effect) {
        for (const auto& [list, text] :
             {std::pair{main().lstCategory, category}, std::pair{main().lstEffects, effect}}) {
            const auto items = list->findItems(text, Qt::MatchExactly);
            QVERIFY2(items.size() == 1, qPrintable(text));
            emit list->itemClicked(items.first());
        }
    }

    QString path(const QString& relative) const { return documents.filePath(relative); }

    QByteArray read(const QString& relative) const {
        QFile file(path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    void write(const QString& relative, const QByteArray& content) const {
        QDir().mkpath(QFileInfo(path(relative)).path());
        QFile file(path(relative));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    // Connect Automatically off, as the user may set it: the test connects by hand. (With it on,
    // an in-process virtual pedal is connected by itself once the event loop runs.)
    void connect_by_hand_only() const {
        write(QStringLiteral("NORVA/Kestrel X/ConnectAutomatically.txt"), "NO");
    }

    QString resource(const QString& name) const {
        return QString::fromUtf8(context->store.raw(name).value_or(QByteArray()));
    }
};

// Test programs never reach the maker's server: the version check is off unless a test points
// it at a server of its own (set_update_server).
inline const bool kVersionCheckOff = qputenv("KX_UPDATE_SERVER", "off");

inline const QString kLookFile = QStringLiteral("NORVA/style.txt");
inline const QString kMessageFile =
    QStringLiteral("NORVA/Kestrel X/ShowMessageVersionAtStartup.txt");
