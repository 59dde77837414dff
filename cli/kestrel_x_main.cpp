// kestrel-x: the pedal from the command line, on the editor's core and without a display.
#include "cli/commands.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    return kx::cli::run(QCoreApplication::arguments().mid(1));
}
