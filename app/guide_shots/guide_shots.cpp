// Takes the user guide's pictures from the real windows, against the built-in virtual pedal:
// connects, uploads an effect, reads its values, saves two presets, imports an impulse
// response and opens each window the guide tells of, then saves each window as a PNG.
//
//   kx-guide-shots OUT_FOLDER IMPULSE_RESPONSE.wav
//
// docs/guide/make-pictures.sh runs it offscreen into docs/guide/images.
#include "app/AppContext.h"
#include "app/EditorWindows.h"
#include "app/Main.h"
#include "base/clock.h"
#include "base/paths.h"
#include "base/scripted_dialogs.h"
#include "base/task.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

using namespace kx;

namespace {

struct Run {
    QString out;
    QString wav;
    QTemporaryDir documents;
    ScriptedDialogs dialogs;
    RealClock clock;
    std::unique_ptr<AppContext> context;
    std::unique_ptr<EditorWindows> windows;
    int failures = 0;

    TformMain& main() { return *windows->formMain; }

    void shot(QWidget* window, const QString& name) {
        if (!window || !window->isVisible()) {
            std::fprintf(stderr, "%s: the window is not shown\n", qPrintable(name));
            ++failures;
            return;
        }
        const QString path = out + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!window->grab().save(path)) {
            std::fprintf(stderr, "%s: cannot write %s\n", qPrintable(name), qPrintable(path));
            ++failures;
        }
    }

    // Two windows side by side, as they open on a desktop.
    void shot_pair(QWidget* left, QWidget* right, const QString& name) {
        const QPixmap a = left->grab();
        const QPixmap b = right->grab();
        QPixmap both(a.width() + b.width(), std::max(a.height(), b.height()));
        both.fill(left->palette().color(QPalette::Window));
        QPainter painter(&both);
        painter.drawPixmap(0, 0, a);
        painter.drawPixmap(a.width(), 0, b);
        painter.end();
        both.save(out + QLatin1Char('/') + name + QStringLiteral(".png"));
    }

    bool click_row(QListWidget* list, const QString& text) {
        const auto items = list->findItems(text, Qt::MatchExactly);
        if (items.isEmpty()) {
            std::fprintf(stderr, "no row \"%s\"\n", qPrintable(text));
            ++failures;
            return false;
        }
        list->setCurrentItem(items.first());
        emit list->itemClicked(items.first());
        return true;
    }

    QWidget* child_window(const char* name) {
        return main().findChild<QWidget*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    }

    Task<> pause(int ms) { co_await after_ms(ms); }

    Task<> script() {
        co_await pause(300);
        co_await main().menuConnectClick();
        click_row(main().lstCategory, QStringLiteral("Gain"));
        click_row(main().lstEffects, QStringLiteral("Basalt Fuzz Box"));
        co_await pause(200);
        co_await main().btnUploadClick();
        co_await main().btnOpenEffectClick();
        co_await main().btnRequestClick();
        co_await pause(300);
        QWidget* parameters = windows->formFXParameters.get();
        // One edit, so that the pictures show what an unstored edit looks like.
        if (auto* fuzz = parameters->findChild<QSpinBox*>(QStringLiteral("spnPot0"))) {
            fuzz->setValue(640);
            emit fuzz->editingFinished();
        }
        // And Fuzz on the first knob, for the assignment pictures.
        if (auto* box = parameters->findChild<QComboBox*>(QStringLiteral("boxAssign0")))
            box->setCurrentIndex(box->findText(QStringLiteral("KI")));
        co_await pause(500);
        shot(&main(), QStringLiteral("main-window"));
        shot(parameters, QStringLiteral("parameters-window"));
        shot_pair(&main(), parameters, QStringLiteral("editor"));

        main().btnGetFXInfoClick();
        co_await pause(500);
        shot(windows->formFXInfo.get(), QStringLiteral("information-page"));
        windows->formFXInfo->close();

        main().menuAssignmentMapClick();
        co_await pause(300);
        shot(windows->formAssignmentMap.get(), QStringLiteral("assignment-map"));
        windows->formAssignmentMap->close();

        // Two presets, then the library that lists them.
        const QString folder = documents.filePath(QStringLiteral("NORVA/Kestrel X/Preset"));
        QDir().mkpath(folder);
        for (const char* name : {"Fuzz lead.txt", "Fuzz rhythm.txt"}) {
            dialogs.files << folder + QLatin1Char('/') + QLatin1String(name);
            main().menuSaveConfigurationClick();
            co_await pause(200);
        }
        main().menuPresetLibraryClick();
        co_await pause(1500);
        shot(child_window("formPresetLibrary"), QStringLiteral("preset-library"));
        if (QWidget* library = child_window("formPresetLibrary"))
            library->close();

        click_row(main().lstCategory, QStringLiteral("Impulse Response"));
        click_row(main().lstEffects, QStringLiteral("Basic IR Loader"));
        co_await pause(300);
        dialogs.files << wav;
        main().menuLoadIRClick();
        co_await pause(800);
        shot(windows->formImpulseResponse.get(), QStringLiteral("impulse-response-window"));
        windows->formImpulseResponse->close();

        windows->formFirmwareUpgrade->show();
        co_await pause(300);
        shot(windows->formFirmwareUpgrade.get(), QStringLiteral("firmware-window"));
        windows->formFirmwareUpgrade->close();

        main().menuDiagnoseClick();
        co_await pause(500);
        shot(child_window("formConnectionDoctor"), QStringLiteral("connection-doctor"));
        if (QWidget* doctor = child_window("formConnectionDoctor"))
            doctor->close();

        // F1 in the Assignment Map: the guide at its section.
        main().menuAssignmentMapClick();
        co_await pause(300);
        QApplication::setActiveWindow(windows->formAssignmentMap.get());
        if (auto* guide = main().findChild<QAction*>(QStringLiteral("menuUserGuide")))
            guide->trigger();
        co_await pause(500);
        shot(child_window("formGuide"), QStringLiteral("user-guide"));
        windows->formAssignmentMap->close();

        if (auto* about = main().findChild<QAction*>(QStringLiteral("menuAbout")))
            about->trigger();
        co_await pause(300);
        shot(child_window("formAbout"), QStringLiteral("about"));

        if (!dialogs.messages.isEmpty())
            std::fprintf(stderr, "messages shown:\n%s\n", qPrintable(dialogs.messages.join('\n')));
        // The edit is let go without a question.
        dialogs.choices << 2;
        QCoreApplication::exit(failures == 0 ? 0 : 1);
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrel X Editor"));
    if (argc != 3) {
        std::fprintf(stderr, "Usage: %s OUT_FOLDER IMPULSE_RESPONSE.wav\n", argv[0]);
        return 2;
    }
    Run run;
    run.out = QString::fromLocal8Bit(argv[1]);
    run.wav = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(run.out);
    set_documents_folder(run.documents.path());
    // Connected by the script, not by itself.
    QDir().mkpath(run.documents.filePath(QStringLiteral("NORVA/Kestrel X")));
    QFile automatic(
        run.documents.filePath(QStringLiteral("NORVA/Kestrel X/ConnectAutomatically.txt")));
    if (automatic.open(QIODevice::WriteOnly))
        automatic.write("NO");
    automatic.close();
    run.context = std::make_unique<AppContext>(run.dialogs, run.clock);
    run.context->link_options.virtual_pedal = true;
    run.context->url_opener = [](const QUrl&) {};
    run.windows = std::make_unique<EditorWindows>(*run.context);
    run.windows->formMain->show();
    Task<> script;
    QTimer::singleShot(0, &app, [&] { script = run.script(); });
    const int status = app.exec();
    run.windows.reset();
    return status;
}
