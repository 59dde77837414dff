#include "library/effect_naming.h"
#include "base/translation.h"

#include "base/log.h"
#include "library/resource_store.h"

namespace kx {

Result<QString> name_pedal_effect(int number, ResourceStore& store, Log& log) {
    const Result<QStringList> catalogue =
        store.read_file_from_stream(QStringLiteral("effect_list"));
    if (!catalogue)
        return Error{catalogue.error(), ErrorKind::BadInput};
    const QStringList& lines = *catalogue;
    if (number < 0 || number >= lines.size())
        return Error{ui_text("Library", "The pedal reports effect number %1, but the effect list "
                                        "only holds the numbers 0 to %2.")
                         .arg(number)
                         .arg(lines.size() - 1),
                     ErrorKind::BadReply};

    const QString& line = lines.at(number);
    log.print_line(line);
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    const QString name = colon < 0 ? line : line.mid(colon + 1);
    log.print_line(QLatin1String(kLogEffectFromList) + name);
    return name;
}

} // namespace kx
