#include "app/AppContext.h"
#include "app/CommandLine.h"
#include "app/EditorWindows.h"
#include "base/clock.h"
#include "base/widget_dialogs.h"

#include <QApplication>

#include <cstdio>

namespace {
constexpr char kApplicationName[] = "Kestrel X Editor";
}

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    QApplication::setApplicationDisplayName(QString::fromLatin1(kApplicationName));

    // QApplication has taken its own options (-platform, ...) out of argv.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QString program = QString::fromLocal8Bit(argv[0]);
    QString error;
    const auto command_line = kx::parse_command_line(arguments, &error);
    if (!command_line) {
        std::fprintf(stderr, "%s\n%s", qPrintable(error), qPrintable(kx::usage_text(program)));
        return 2;
    }
    if (command_line->show_help) {
        std::fprintf(stdout, "%s", qPrintable(kx::usage_text(program)));
        return 0;
    }

    kx::RealClock clock;
    kx::WidgetDialogs dialogs;
    kx::AppContext context(dialogs, clock);
    context.link_options = command_line->link;

    kx::EditorWindows windows(context);
    dialogs.set_parent(windows.formMain.get());
    windows.formMain->show();
    return app.exec();
}
