#include "app/CommandLine.h"

namespace kx {

QString usage_text(const QString& program) {
    return QStringLiteral("Usage: %1 [--virtual-pedal] [--port PATH]...\n"
                          "  --virtual-pedal  attach the built-in virtual pedal\n"
                          "  --port PATH      also offer the serial port PATH (may be repeated)\n"
                          "  --help           show this text\n")
        .arg(program);
}

std::optional<CommandLine> parse_command_line(const QStringList& arguments, QString* error) {
    CommandLine out;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        if (arg == QLatin1String("--virtual-pedal")) {
            out.link.virtual_pedal = true;
        } else if (arg == QLatin1String("--port")) {
            if (i + 1 >= arguments.size() || arguments.at(i + 1).isEmpty()) {
                *error = QStringLiteral("The option --port needs a port path.");
                return std::nullopt;
            }
            out.link.ports << arguments.at(++i);
        } else if (arg.startsWith(QLatin1String("--port="))) {
            const QString path = arg.mid(7);
            if (path.isEmpty()) {
                *error = QStringLiteral("The option --port needs a port path.");
                return std::nullopt;
            }
            out.link.ports << path;
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            out.show_help = true;
        } else {
            *error = QStringLiteral("Unknown argument: %1").arg(arg);
            return std::nullopt;
        }
    }
    return out;
}

} // namespace kx
