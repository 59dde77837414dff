#include "params/control_description.h"

#include "base/log.h"
#include "base/translation.h"
#include "library/effect_image.h"
#include "library/resource_store.h"

namespace kx {

namespace {

constexpr char kControlsSuffix[] = "_ctrls";
constexpr char kRefused[] =
    QT_TRANSLATE_NOOP("Params", "The control description of \"%1\" cannot be used: %2.");

int count_digit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

ControlEntry switch_entry(const QString& line) {
    ControlEntry e;
    e.kind = ControlKind::Switch;
    e.raw_line = line;
    const qsizetype first = line.indexOf(QLatin1Char(':'));
    if (first < 0) {
        e.label = e.state0_text = e.state1_text = line;
        return e;
    }
    e.label = line.left(first);
    const qsizetype second = line.indexOf(QLatin1Char(':'), first + 1);
    if (second < 0) {
        e.state0_text = e.state1_text = line.mid(first + 1);
        return e;
    }
    e.state0_text = line.mid(first + 1, second - first - 1);
    e.state1_text = line.mid(second + 1);
    return e;
}

ControlEntry multi_switch_entry(const QString& line) {
    ControlEntry e;
    e.kind = ControlKind::MultiSwitch;
    e.raw_line = line;
    QStringList fields = line.split(QLatin1Char(';'));
    e.label = fields.takeFirst();
    e.options = fields;
    return e;
}

} // namespace

Result<ControlDescription>
parse_control_description(const QStringList& lines, const QString& effect_name, int control_limit) {
    auto refuse = [&](const QString& rule) -> Result<ControlDescription> {
        return Error{ui_text("Params", kRefused).arg(effect_name, rule), ErrorKind::BadInput};
    };

    const QString counts = lines.value(0);
    if (counts.size() < 3)
        return refuse(ui_text("Params", "its first line must begin with three count digits"));
    const bool four = counts.size() == 4;
    int digits[4] = {0, 0, 0, 0};
    for (int i = 0; i < (four ? 4 : 3); ++i) {
        digits[i] = count_digit(counts.at(i));
        if (digits[i] < 0)
            return refuse(ui_text("Params", "the count digit \"%1\" is not 0 to 9 or A to F")
                              .arg(counts.at(i)));
    }

    ControlDescription d;
    d.pot_count = digits[0];
    d.switch_count = digits[1];
    d.multi_switch_count = digits[2];
    d.control_count = d.pot_count + d.switch_count + d.multi_switch_count;
    d.readback_count = digits[3];
    d.counts_line_has_readbacks = four;

    const int limit = qBound(0, control_limit, kMaxDescribedControls);
    if (d.control_count == 0)
        return refuse(ui_text("Params", "it declares no controls"));
    if (d.control_count > limit)
        return refuse(ui_text("Params", "it declares %1 controls, more than the %2 its image has "
                                        "addresses for")
                          .arg(d.control_count)
                          .arg(limit));
    if (d.readback_count > kMaxReadbackCount)
        return refuse(ui_text("Params", "it declares %1 readbacks, more than %2")
                          .arg(d.readback_count)
                          .arg(kMaxReadbackCount));
    const int needed = d.control_count + d.readback_count + 1;
    if (lines.size() < needed)
        return refuse(ui_text("Params", "it has %1 lines, fewer than the %2 its counts call for")
                          .arg(lines.size())
                          .arg(needed));

    for (int i = 0; i < d.control_count; ++i) {
        const QString& line = lines.at(1 + i);
        if (i < d.pot_count) {
            ControlEntry e;
            e.label = e.raw_line = line;
            d.controls << e;
        } else if (i < d.pot_count + d.switch_count) {
            d.controls << switch_entry(line);
        } else {
            // The value spacing of a multi switch is 1024 divided by its option count.
            if (!line.contains(QLatin1Char(';')))
                return refuse(ui_text("Params", "control %1 (\"%2\") is a multi switch without "
                                                "options (no \";\")")
                                  .arg(i)
                                  .arg(line));
            d.controls << multi_switch_entry(line);
        }
    }
    for (int j = 0; j < d.readback_count; ++j)
        d.readbacks << lines.at(1 + d.control_count + j);
    return d;
}

QStringList control_description_log_lines(const ControlDescription& d) {
    QStringList out{QLatin1String(kLogNumOfPots) + QString::number(d.pot_count),
                    QLatin1String(kLogNumOfSwitches) + QString::number(d.switch_count),
                    QLatin1String(kLogNumOfMultiSwitch) + QString::number(d.multi_switch_count)};
    if (d.counts_line_has_readbacks)
        out << QLatin1String(kLogNumOfReadbacks) + QString::number(d.readback_count);
    for (const ControlEntry& e : d.controls)
        out << e.raw_line;
    out << d.readbacks;
    return out;
}

namespace {

// The control count the effect's image declares; 0 when there is no readable image.
int image_control_count(const ResourceStore& store, const QString& resource_name) {
    const auto raw = store.raw(resource_name);
    if (!raw)
        return 0;
    const QStringList lines = split_resource_lines(*raw);
    const QByteArray header = image_bytes(lines.value(0).left(2 * kImageHeaderSize));
    return header.size() == kImageHeaderSize ? quint8(header.at(kControlCountOffset)) : 0;
}

} // namespace

Result<ControlDescription> read_control_description(const QString& effect_name,
                                                    ResourceStore& store, Log& log) {
    const QString resource = format_resource_name(effect_name);
    const Result<QStringList> lines =
        store.read_file_from_stream(resource + QLatin1String(kControlsSuffix));
    if (!lines)
        return Error{lines.error(), ErrorKind::BadInput};

    const int in_image = image_control_count(store, resource);
    const int limit = in_image > kAssignableControls ? in_image : kAssignableControls;
    auto d = parse_control_description(*lines, effect_name, limit);
    if (d && d->control_count > kAssignableControls && d->control_count != in_image)
        d = Error{ui_text("Params", kRefused)
                      .arg(effect_name,
                           ui_text("Params", "it declares %1 controls, but its image declares %2")
                               .arg(d->control_count)
                               .arg(in_image)),
                  ErrorKind::BadInput};
    if (!d) {
        log.print_line(d.error());
        return d;
    }
    for (const QString& line : control_description_log_lines(*d))
        log.print_line(line);
    return d;
}

} // namespace kx
