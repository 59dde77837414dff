#include "params/control_addresses.h"
#include "base/translation.h"

#include "base/log.h"
#include "library/effect_image.h"
#include "library/parameter_addresses.h"
#include "library/resource_store.h"

namespace kx {

namespace {
constexpr int kAddressDigits = 4;
} // namespace

std::optional<QStringList> extra_address_texts(const QString& image_text, int control_count) {
    QStringList out;
    for (int i = kAddressTableSlots; i < control_count; ++i) {
        if (i - kAddressTableSlots >= kExtraAddressSlots)
            return std::nullopt;
        const qsizetype at = 2 * kExtraAddressOffset + kAddressDigits * (i - kAddressTableSlots);
        if (at + kAddressDigits > image_text.size())
            return std::nullopt;
        out << image_text.mid(at, kAddressDigits);
    }
    return out;
}

Result<QStringList> read_control_addresses(const QString& effect_name, int control_count,
                                           ResourceStore& store, Log& log) {
    auto addresses = read_parameter_addresses(effect_name, store, log);
    if (!addresses || control_count <= kAddressTableSlots)
        return addresses;
    const Result<QStringList> lines =
        store.read_file_from_stream(format_resource_name(effect_name));
    const auto extra =
        lines ? extra_address_texts(lines->value(0), control_count) : std::optional<QStringList>();
    if (!extra)
        return Error{
            ui_text("Params", "The image of \"%1\" holds no addresses for its %2 controls.")
                .arg(effect_name)
                .arg(control_count),
            ErrorKind::BadInput};
    for (const QString& address : *extra)
        log.print_line(QLatin1String(kLogParameterAddress) + address);
    *addresses += *extra;
    return addresses;
}

} // namespace kx
