#include "app/AppContext.h"
#include "app/CommandLine.h"
#include "app/EditorMemory.h"
#include "app/EditorWindows.h"
#include "base/clock.h"
#include "base/translation.h"
#include "base/ui/translated.h"
#include "base/ui/widget_dialogs.h"
#include "kx_version.h"

#include <QApplication>

#include <cstdio>

namespace {

constexpr char kApplicationName[] = "Kestrel X Editor";

QStringList arguments_of(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// --help, --version and --diagnose answer on a terminal without a display, so they are handled
// before the application (which needs one) exists. The exit status when one was asked for.
std::optional<int> answered_without_display(const kx::Result<kx::CommandLine>& command_line,
                                            const QString& program) {
    if (!command_line.ok())
        return std::nullopt;
    if (command_line->show_help)
        std::fputs(qPrintable(kx::usage_text(program)), stdout);
    else if (command_line->show_version)
        std::fputs(qPrintable(kx::version_text()), stdout);
    else if (command_line->diagnose)
        return kx::print_diagnosis(command_line->link);
    else
        return std::nullopt;
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const QString program = QString::fromLocal8Bit(argv[0]);
    // Qt's own options (-platform, ...) may make this first reading fail; the second one,
    // after QApplication has taken them out of argv, decides.
    if (const auto status =
            answered_without_display(kx::parse_command_line(arguments_of(argc, argv)), program))
        return *status;

    QApplication app(argc, argv);
    // No display name: the desktop would add it to every window's title, where it crowds out
    // the window's own name. Each title names its window; boxes take the application's name.
    QApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    // A dock matches the windows to the installed desktop file and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(KX_APP_ID));
    // The language chosen in Settings > Language, else the system's (LANG, LC_MESSAGES).
    kx::install_retranslation();
    kx::load_language(kx::EditorMemory().text(kx::memory_key::kLanguage));

    const auto command_line = kx::parse_command_line(arguments_of(argc, argv));
    if (!command_line.ok()) {
        std::fprintf(stderr, "%s\n%s", qPrintable(command_line.error()),
                     qPrintable(kx::usage_text(program)));
        return 2;
    }
    if (const auto status = answered_without_display(command_line, program))
        return *status;

    kx::RealClock clock;
    kx::WidgetDialogs dialogs;
    kx::AppContext context(dialogs, clock);
    context.link_options = command_line->link;

    kx::EditorWindows windows(context);
    dialogs.set_parent(windows.formMain.get());
    windows.formMain->show();
    return app.exec();
}
