#include "app/CommandLine.h"

#include "base/translation.h"
#include "kx_version.h"
#include "platform/diagnosis.h"

#include <cstdio>

namespace kx {

namespace {
constexpr char kProgramName[] = "Kestrel X Editor";
constexpr char kNeedsPath[] =
    QT_TRANSLATE_NOOP("kx::TformMain", "The option --port needs a port path.");
} // namespace

QString usage_text(const QString& program) {
    return QStringLiteral("Usage: %1 [--virtual-pedal] [--port PATH]... [--diagnose]\n"
                          "  --virtual-pedal  attach the built-in virtual pedal\n"
                          "  --port PATH      also offer the serial port PATH (may be repeated)\n"
                          "  --diagnose       check whether a pedal can be connected, say what\n"
                          "                   to do if not, and exit (0: a pedal is ready)\n"
                          "  --help           show this text\n"
                          "  --version        show the program's version\n")
        .arg(program);
}

QString version_text() {
    return QStringLiteral("%1 %2\n").arg(QLatin1String(kProgramName),
                                         QLatin1String(KX_VERSION_TEXT));
}

int print_diagnosis(const LinkOptions& link) {
    doctor::DoctorSources sources = doctor::system_sources();
    sources.ports = link.ports;
    sources.virtual_pedal = link.virtual_pedal;
    const doctor::Diagnosis diagnosis = doctor::diagnose(sources);
    std::fputs(doctor::report_text(diagnosis).toLocal8Bit().constData(), stdout);
    return diagnosis.ready ? 0 : 1;
}

Result<CommandLine> parse_command_line(const QStringList& arguments) {
    CommandLine out;
    QString first_error;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        if (arg == QLatin1String("--virtual-pedal")) {
            out.link.virtual_pedal = true;
        } else if (arg == QLatin1String("--port")) {
            if (i + 1 >= arguments.size() || arguments.at(i + 1).isEmpty()) {
                if (first_error.isEmpty())
                    first_error = ui_text("kx::TformMain", kNeedsPath);
                ++i;
                continue;
            }
            out.link.ports << arguments.at(++i);
        } else if (arg.startsWith(QLatin1String("--port="))) {
            const QString path = arg.mid(7);
            if (path.isEmpty() && first_error.isEmpty())
                first_error = ui_text("kx::TformMain", kNeedsPath);
            else if (!path.isEmpty())
                out.link.ports << path;
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            out.show_help = true;
        } else if (arg == QLatin1String("--version")) {
            out.show_version = true;
        } else if (arg == QLatin1String("--diagnose")) {
            out.diagnose = true;
        } else if (first_error.isEmpty()) {
            first_error = QStringLiteral("Unknown argument: %1").arg(arg);
        }
    }
    if (!first_error.isEmpty() && !out.show_help && !out.show_version)
        return Error{first_error, ErrorKind::BadInput};
    return out;
}

} // namespace kx
