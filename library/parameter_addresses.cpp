#include "library/parameter_addresses.h"
#include "base/translation.h"

#include "base/log.h"
#include "library/effect_image.h"
#include "library/resource_store.h"

namespace kx {

namespace {
constexpr char kLogResourceName[] = "resource name: ";
constexpr char kLogContent[] = "content: ";
constexpr char kLogFileContentSize[] = "file content size: ";
constexpr int kAddressDigits = 4;
constexpr int kFirstAddressCharacter = 2 * kAddressTableOffset;
} // namespace

std::optional<QStringList> address_texts(const QString& image_text) {
    if (image_text.size() < kFirstAddressCharacter + kAddressDigits * kAddressTableSlots)
        return std::nullopt;
    QStringList out;
    for (int i = 0; i < kAddressTableSlots; ++i)
        out << image_text.mid(kFirstAddressCharacter + kAddressDigits * i, kAddressDigits);
    return out;
}

Result<QStringList> read_parameter_addresses(const QString& effect_name, ResourceStore& store,
                                             Log& log) {
    const QString name = format_resource_name(effect_name);
    log.print_line(QLatin1String(kLogResourceName) + name);
    const Result<QStringList> lines = store.read_file_from_stream(name);
    if (!lines)
        return Error{lines.error(), ErrorKind::BadInput};
    const QString text = lines->value(0);
    log.print_line(QLatin1String(kLogContent) + text);
    log.print_line(QLatin1String(kLogFileContentSize) + QString::number(text.size() / 2));

    const auto addresses = address_texts(text);
    if (!addresses)
        return Error{ui_text("Library", "The image of \"%1\" holds %2 bytes, too few for its "
                                        "address table.")
                         .arg(effect_name)
                         .arg(text.size() / 2),
                     ErrorKind::BadInput};
    for (const QString& address : *addresses)
        log.print_line(QLatin1String(kLogParameterAddress) + address);
    return *addresses;
}

} // namespace kx
