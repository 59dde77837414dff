// kx-make-library: writes the shipped effect library into the resource store folder.
//
//   kx-make-library SOURCES RESOURCES
//
// SOURCES holds one readable file per catalogue effect (tools/effects/<RESOURCE>.txt); for each
// the tool writes three resources into RESOURCES: the image <RESOURCE> (one line of hex text),
// the control description <RESOURCE>_CTRLS and the information page <RESOURCE>_INFO. The effect
// number is the line of the effect's name in RESOURCES/EFFECT_LIST.
//
// We cannot ship real signal-processor programs: the program instructions and the parameter
// words that no control owns are generated stand-ins (a fixed pseudo-random sequence seeded by
// the effect number), so the images have the true layout, sizes and control words but do not
// make sound. The coefficient regions of the impulse-response effects hold the pattern the
// import expects: FF800000, then zero words, with an optional marker word FF800347.
//
// Source file directives (one a line, "#" lines are comments):
//   name N               display name, exactly as in EFFECT_LIST
//   version V            effect version (image byte 124)
//   parameter-words W    size of the parameter memory
//   instructions I       size of the program
//   ir-region F C [M]    coefficient region: C words from word F; word M of it is the marker
//   line-ending crlf|lf  line breaks of the control description
//   final-line-break yes|no
//   counts-line 3|4      characters of the counts line (4 is needed with readbacks)
//   pot A V LINE | NOTE      a knob at parameter word A starting at value V (0..1023)
//   switch A on|off LINE | NOTE
//   multi A K LINE | NOTE    starting at option K (from 0)
//   readback LINE | NOTE
//   input, output, blue-led, orange-led, footswitch TEXT    headed lines of the page
//   picture PATH WIDTH HEIGHT                               a picture by relative address
//   about TEXT           a paragraph of the page (several allowed)
// Controls are listed in control-index order: knobs, then switches, then multi switches.

#include "library/effect_image.h"
#include "library/effect_image_builder.h"
#include "library/resource_store.h"
#include "params/control_description.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <optional>

using namespace kx;

namespace {

constexpr int kSmallestImage = 1216;
constexpr int kLargestImage = 9472;
constexpr quint32 kRegionFirstWord = 0xFF800000;
constexpr quint32 kRegionMarkerWord = 0xFF800347;
constexpr int kValueShift = 13; // a control value v is the parameter word v * 8192

struct SourceControl {
    ControlKind kind = ControlKind::Pot;
    int address = 0;
    QString start; // as written: a number, on/off, or an option index
    QString line;
    QString note;
};

struct SourceReadback {
    QString line;
    QString note;
};

struct EffectSource {
    QString file;
    QString name;
    int version = 1;
    int parameter_words = 0;
    int instructions = 0;
    int ir_first = -1;
    int ir_count = 0;
    int ir_marker = -1;
    bool crlf = true;
    bool final_break = false;
    int counts_characters = 3;
    QList<SourceControl> controls;
    QList<SourceReadback> readbacks;
    QString input, output, blue_led, orange_led, footswitch;
    QString picture;
    int picture_width = 0, picture_height = 0;
    QStringList about;
};

class Problems {
public:
    QStringList list;
    void add(const QString& where, const QString& what) {
        list << where + QStringLiteral(": ") + what;
    }
};

std::pair<QString, QString> split_note(const QString& text) {
    const qsizetype bar = text.indexOf(QLatin1String(" | "));
    if (bar < 0)
        return {text, QString()};
    return {text.left(bar), text.mid(bar + 3).trimmed()};
}

std::optional<EffectSource> read_source(const QString& path, Problems& problems) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problems.add(path, file.errorString());
        return std::nullopt;
    }
    EffectSource s;
    s.file = path;
    const QStringList lines = split_resource_lines(file.readAll());
    const int before = int(problems.list.size());
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QString where = QStringLiteral("%1:%2").arg(path).arg(i + 1);
        const qsizetype space = line.indexOf(QLatin1Char(' '));
        const QString key = space < 0 ? line : line.left(space);
        const QString rest = space < 0 ? QString() : line.mid(space + 1);
        const QStringList words = rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        auto number = [&](int index) {
            bool ok = false;
            const int value = words.value(index).toInt(&ok);
            if (!ok)
                problems.add(where, QStringLiteral("\"%1\" needs a number").arg(key));
            return value;
        };

        if (key == QLatin1String("name")) {
            s.name = rest;
        } else if (key == QLatin1String("version")) {
            s.version = number(0);
        } else if (key == QLatin1String("parameter-words")) {
            s.parameter_words = number(0);
        } else if (key == QLatin1String("instructions")) {
            s.instructions = number(0);
        } else if (key == QLatin1String("ir-region")) {
            s.ir_first = number(0);
            s.ir_count = number(1);
            if (words.size() > 2)
                s.ir_marker = number(2);
        } else if (key == QLatin1String("line-ending")) {
            s.crlf = rest == QLatin1String("crlf");
            if (!s.crlf && rest != QLatin1String("lf"))
                problems.add(where, QStringLiteral("line-ending is crlf or lf"));
        } else if (key == QLatin1String("final-line-break")) {
            s.final_break = rest == QLatin1String("yes");
        } else if (key == QLatin1String("counts-line")) {
            s.counts_characters = number(0);
        } else if (key == QLatin1String("pot") || key == QLatin1String("switch") ||
                   key == QLatin1String("multi")) {
            SourceControl c;
            c.kind = key == QLatin1String("pot")      ? ControlKind::Pot
                     : key == QLatin1String("switch") ? ControlKind::Switch
                                                      : ControlKind::MultiSwitch;
            c.address = number(0);
            c.start = words.value(1);
            // The control line is everything after the address and the starting value.
            const qsizetype first = rest.indexOf(QLatin1Char(' '));
            const qsizetype second = first < 0 ? -1 : rest.indexOf(QLatin1Char(' '), first + 1);
            if (second < 0)
                problems.add(where, QStringLiteral("a control needs an address, a starting "
                                                   "value and its line"));
            std::tie(c.line, c.note) = split_note(second < 0 ? QString() : rest.mid(second + 1));
            s.controls << c;
        } else if (key == QLatin1String("readback")) {
            SourceReadback r;
            std::tie(r.line, r.note) = split_note(rest);
            s.readbacks << r;
        } else if (key == QLatin1String("input")) {
            s.input = rest;
        } else if (key == QLatin1String("output")) {
            s.output = rest;
        } else if (key == QLatin1String("blue-led")) {
            s.blue_led = rest;
        } else if (key == QLatin1String("orange-led")) {
            s.orange_led = rest;
        } else if (key == QLatin1String("footswitch")) {
            s.footswitch = rest;
        } else if (key == QLatin1String("picture")) {
            s.picture = words.value(0);
            s.picture_width = number(1);
            s.picture_height = number(2);
        } else if (key == QLatin1String("about")) {
            s.about << rest;
        } else {
            problems.add(where, QStringLiteral("unknown directive \"%1\"").arg(key));
        }
    }
    if (problems.list.size() != before)
        return std::nullopt;
    return s;
}

// splitmix64: a fixed sequence, so the stand-ins are the same on every run.
class StandIn {
public:
    explicit StandIn(quint64 seed) : m_state(seed * 0x9E3779B97F4A7C15ull + 0x4B45535452454Cull) {}
    quint64 next() {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // A coefficient between -1 and 1 in the 5.23 format.
    quint32 coefficient() { return quint32(qint32(next() % (1u << 24)) - (1 << 23)); }
    quint64 instruction() { return next() & 0xFFFFFFFFFFull; }

private:
    quint64 m_state;
};

QString counts_digit(int value) {
    return QString::number(value, 16).toUpper();
}

// A counts digit is one hexadecimal character.
constexpr int kMaxCountDigit = 15;
constexpr int kMaxAddress = 0xFFFF;

// What the directives may ask for before anything is generated: each count must fit its one
// digit of the counts line (16 pots would read "10", a description of one pot and no more),
// and the memories and addresses must fit the image, so that a typing slip cannot make the
// tool allocate without end or wrap an address around.
void check_limits(const EffectSource& s, Problems& problems) {
    const QString where = s.file;
    int counts[3] = {0, 0, 0};
    for (const SourceControl& c : s.controls)
        ++counts[int(c.kind)];
    const char* kinds[3] = {"pots", "switches", "multi switches"};
    for (int k = 0; k < 3; ++k) {
        if (counts[k] > kMaxCountDigit)
            problems.add(where, QStringLiteral("%1 %2: the counts line holds at most %3 of "
                                               "each kind")
                                    .arg(counts[k])
                                    .arg(QLatin1String(kinds[k]))
                                    .arg(kMaxCountDigit));
    }
    if (s.counts_characters != 3 && s.counts_characters != 4)
        problems.add(where,
                     QStringLiteral("counts-line is 3 or 4, not %1").arg(s.counts_characters));
    if (s.counts_characters != 4 && !s.readbacks.isEmpty())
        problems.add(where, QStringLiteral("readbacks need \"counts-line 4\": a three-character "
                                           "counts line has none"));
    if (s.readbacks.size() > kMaxCountDigit)
        problems.add(where, QStringLiteral("%1 readbacks: the counts line holds at most %2")
                                .arg(s.readbacks.size())
                                .arg(kMaxCountDigit));
    const bool memory_fits = s.parameter_words >= 0 && s.parameter_words <= kParameterMemoryWords;
    if (!memory_fits)
        problems.add(where, QStringLiteral("parameter-words %1 is outside 0..%2")
                                .arg(s.parameter_words)
                                .arg(kParameterMemoryWords));
    if (s.instructions < 0 || s.instructions > kProgramMemoryInstructions)
        problems.add(where, QStringLiteral("instructions %1 is outside 0..%2")
                                .arg(s.instructions)
                                .arg(kProgramMemoryInstructions));
    for (int i = 0; i < s.controls.size(); ++i) {
        const int address = s.controls.at(i).address;
        if (address < 0 || address > kMaxAddress)
            problems.add(where, QStringLiteral("control %1: address %2 is outside 0..%3")
                                    .arg(i)
                                    .arg(address)
                                    .arg(kMaxAddress));
    }
    // Compared by subtraction: with the memory size in range it cannot overflow.
    if (memory_fits && s.ir_first >= 0 &&
        (s.ir_count < 0 || s.ir_count > s.parameter_words - s.ir_first))
        problems.add(where, QStringLiteral("the coefficient region ends past the parameter "
                                           "memory"));
}

QString control_text(const EffectSource& s) {
    int counts[3] = {0, 0, 0};
    for (const SourceControl& c : s.controls)
        ++counts[int(c.kind)];
    QStringList lines{
        counts_digit(counts[0]) + counts_digit(counts[1]) + counts_digit(counts[2]) +
        (s.counts_characters == 4 ? counts_digit(int(s.readbacks.size())) : QString())};
    for (const SourceControl& c : s.controls)
        lines << c.line;
    for (const SourceReadback& r : s.readbacks)
        lines << r.line;
    const QString eol = s.crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
    return lines.join(eol) + (s.final_break ? eol : QString());
}

std::optional<quint32> starting_word(const SourceControl& c, const ControlEntry& entry) {
    bool ok = false;
    switch (c.kind) {
    case ControlKind::Pot: {
        const int v = c.start.toInt(&ok);
        if (!ok || v < 0 || v > 1023)
            return std::nullopt;
        return quint32(v) << kValueShift;
    }
    case ControlKind::Switch:
        if (c.start != QLatin1String("on") && c.start != QLatin1String("off"))
            return std::nullopt;
        return c.start == QLatin1String("on") ? quint32(1023) << kValueShift : 0;
    case ControlKind::MultiSwitch: {
        const int k = c.start.toInt(&ok);
        const int options = int(entry.options.size());
        if (!ok || k < 0 || k >= options)
            return std::nullopt;
        return quint32(k * (1024 / options)) << kValueShift;
    }
    }
    return std::nullopt;
}

QString escape(const QString& text) {
    return text.toHtmlEscaped();
}

QString info_page(const EffectSource& s, const ControlDescription& d, int effect_number) {
    const QString font_open = QStringLiteral("<FONT FACE=\"Arial, sans-serif\"><FONT SIZE=2>");
    const QString font_close = QStringLiteral("</FONT></FONT>");
    const QString para = QStringLiteral("<P STYLE=\"margin-bottom: 0cm\">");
    auto line = [&](const QString& inner) {
        return para + font_open + inner + font_close + QStringLiteral("</P>");
    };
    auto headed = [&](const char* head, const QString& text) {
        return line(QStringLiteral("<B>%1 </B>%2").arg(QLatin1String(head), escape(text)));
    };

    // The export writes its head with CR LF and the body with lone LF, the way the shipped pages
    // were saved.
    const QString created = QStringLiteral("2019%1%2;%3")
                                .arg(3 + effect_number % 9, 2, 10, QLatin1Char('0'))
                                .arg(1 + effect_number % 27, 2, 10, QLatin1Char('0'))
                                .arg(9000000 + effect_number * 104729 % 8000000);
    QStringList head{
        QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">"),
        QStringLiteral("<HTML>"),
        QStringLiteral("<HEAD>"),
        QStringLiteral("\t<META HTTP-EQUIV=\"CONTENT-TYPE\" CONTENT=\"text/html; "
                       "charset=windows-1252\">"),
        QStringLiteral("\t<TITLE>%1</TITLE>").arg(escape(s.name)),
        QStringLiteral("\t<META NAME=\"GENERATOR\" CONTENT=\"Larkspur Office 4.1 (Win32)\">"),
        QStringLiteral("\t<META NAME=\"AUTHOR\" CONTENT=\"NORVA\">"),
        QStringLiteral("\t<META NAME=\"CREATED\" CONTENT=\"%1\">").arg(created),
        QStringLiteral("\t<STYLE TYPE=\"text/css\">"),
        QStringLiteral("\t<!--"),
        QStringLiteral("\t\t@page { margin: 2cm }"),
        QStringLiteral("\t\tP { margin-bottom: 0.21cm }"),
        QStringLiteral("\t-->"),
        QStringLiteral("\t</STYLE>"),
        QStringLiteral("</HEAD>"),
    };
    QStringList body{QStringLiteral("<BODY LANG=\"en-GB\" DIR=\"LTR\">")};
    body << headed("INPUT:", s.input) << headed("OUTPUT:", s.output)
         << headed("BLUE LED:", s.blue_led) << headed("ORANGE LED:", s.orange_led)
         << headed("FOOTSWITCH:", s.footswitch);
    body << para + QStringLiteral("<BR>") << QStringLiteral("</P>");
    for (const QString& paragraph : s.about)
        body << line(escape(paragraph));
    if (!s.picture.isEmpty())
        body << para + QStringLiteral("<IMG SRC=\"%1\" NAME=\"graphics1\" ALIGN=BOTTOM WIDTH=%2 "
                                      "HEIGHT=%3 BORDER=0></P>")
                           .arg(s.picture)
                           .arg(s.picture_width)
                           .arg(s.picture_height);
    body << para + QStringLiteral("<BR>") << QStringLiteral("</P>");
    body << line(QStringLiteral("<B>Controls</B>"));
    for (int i = 0; i < d.control_count; ++i) {
        const ControlEntry& e = d.controls.at(i);
        QString kind;
        switch (e.kind) {
        case ControlKind::Pot:
            kind = QStringLiteral("knob");
            break;
        case ControlKind::Switch:
            kind = QStringLiteral("switch, %1 / %2").arg(e.state0_text, e.state1_text);
            break;
        case ControlKind::MultiSwitch:
            kind = QStringLiteral("selector: %1").arg(e.options.join(QStringLiteral(", ")));
            break;
        }
        const QString note = s.controls.at(i).note;
        body << line(QStringLiteral("<B>%1</B> (%2)%3")
                         .arg(escape(e.label), escape(kind),
                              note.isEmpty() ? QString() : QStringLiteral(": ") + escape(note)));
    }
    for (int j = 0; j < d.readback_count; ++j) {
        const QString note = s.readbacks.at(j).note;
        body << line(
            QStringLiteral("<B>%1</B> (readback): %2")
                .arg(escape(d.readbacks.at(j)),
                     escape(note.isEmpty() ? QStringLiteral("can be shown on one of the pedal's "
                                                            "indicator lights")
                                           : note)));
    }
    body << QStringLiteral("</BODY>");
    return head.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n") +
           body.join(QLatin1Char('\n')) + QStringLiteral("\r\n</HTML>\n");
}

struct Outputs {
    QByteArray image_text;
    QByteArray controls;
    QByteArray info;
};

std::optional<Outputs> make_effect(const EffectSource& s, int effect_number, Problems& problems) {
    const QString where = s.file;
    const int before = int(problems.list.size());
    check_limits(s, problems);
    if (problems.list.size() != before)
        return std::nullopt;

    const QString ctrls = control_text(s);
    const int n = int(s.controls.size());
    const auto d = parse_control_description(split_resource_lines(ctrls.toLatin1()), s.name,
                                             qMax(n, kAssignableControls));
    if (!d) {
        problems.add(where, d.error());
        return std::nullopt;
    }
    // The description must say what the image will hold.
    if (d->control_count != n || d->readback_count != s.readbacks.size()) {
        problems.add(where, QStringLiteral("the control description reads back as %1 controls "
                                           "and %2 readbacks, not %3 and %4")
                                .arg(d->control_count)
                                .arg(d->readback_count)
                                .arg(n)
                                .arg(s.readbacks.size()));
        return std::nullopt;
    }
    for (int i = 1; i < n; ++i) {
        if (int(s.controls.at(i).kind) < int(s.controls.at(i - 1).kind))
            problems.add(where, QStringLiteral("control %1 is out of kind order").arg(i));
    }

    EffectImageDescription image;
    image.effect_number = effect_number;
    image.version = s.version;
    image.readback_count = d->readback_count;
    StandIn stand_in{quint64(effect_number)};
    for (int k = 0; k < s.parameter_words; ++k)
        image.parameter_memory << stand_in.coefficient();
    for (int k = 0; k < s.instructions; ++k)
        image.program << stand_in.instruction();
    if (s.ir_first >= 0) {
        for (int k = 0; k < s.ir_count && s.ir_first + k < image.parameter_memory.size(); ++k)
            image.parameter_memory[s.ir_first + k] =
                k == 0 ? kRegionFirstWord : (k == s.ir_marker ? kRegionMarkerWord : 0);
    }
    for (int i = 0; i < n; ++i) {
        const SourceControl& c = s.controls.at(i);
        const auto word = starting_word(c, d->controls.at(i));
        if (!word)
            problems.add(where, QStringLiteral("control %1: starting value \"%2\" does not fit "
                                               "its kind")
                                    .arg(i)
                                    .arg(c.start));
        if (s.ir_first >= 0 && c.address >= s.ir_first && c.address < s.ir_first + s.ir_count)
            problems.add(where,
                         QStringLiteral("control %1 lies inside the coefficient region").arg(i));
        image.controls << ImageControl{quint16(c.address), word.value_or(0)};
    }
    QStringList errors;
    const auto bytes = build_effect_image(image, &errors);
    for (const QString& e : errors)
        problems.add(where, e);
    if (bytes && (bytes->size() < kSmallestImage || bytes->size() > kLargestImage))
        problems.add(where, QStringLiteral("the image has %1 bytes, outside %2..%3")
                                .arg(bytes->size())
                                .arg(kSmallestImage)
                                .arg(kLargestImage));
    if (s.input.isEmpty() || s.output.isEmpty() || s.blue_led.isEmpty() || s.orange_led.isEmpty() ||
        s.footswitch.isEmpty() || s.about.isEmpty())
        problems.add(where, QStringLiteral("the page needs input, output, blue-led, orange-led, "
                                           "footswitch and about"));
    if (problems.list.size() != before || !bytes)
        return std::nullopt;
    return Outputs{image_text(*bytes).toLatin1(), ctrls.toLatin1(),
                   info_page(s, *d, effect_number).toLatin1()};
}

bool write_file(const QString& path, const QByteArray& data, Problems& problems) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size()) {
        problems.add(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err << "usage: kx-make-library SOURCES RESOURCES\n";
        return 2;
    }
    const QDir sources(args.at(1));
    const QDir resources(args.at(2));
    Problems problems;

    QFile catalogue_file(resources.filePath(QStringLiteral("EFFECT_LIST")));
    if (!catalogue_file.open(QIODevice::ReadOnly)) {
        err << catalogue_file.fileName() << ": " << catalogue_file.errorString() << '\n';
        return 1;
    }
    QStringList catalogue;
    for (const QString& line : split_resource_lines(catalogue_file.readAll()))
        catalogue << line.mid(line.indexOf(QLatin1Char(':')) + 1);

    QHash<QString, Outputs> made; // resource name -> outputs
    const QStringList files = sources.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    for (const QString& name : files) {
        const auto source = read_source(sources.filePath(name), problems);
        if (!source)
            continue;
        const int number = int(catalogue.indexOf(source->name));
        if (number < 1) {
            problems.add(source->file,
                         QStringLiteral("\"%1\" is not in the catalogue").arg(source->name));
            continue;
        }
        const QString resource = ascii_upper(format_resource_name(source->name));
        if (QFileInfo(name).completeBaseName() != resource)
            problems.add(source->file,
                         QStringLiteral("the file should be named %1.txt").arg(resource));
        if (made.contains(resource))
            problems.add(source->file, QStringLiteral("a second source for %1").arg(resource));
        if (auto outputs = make_effect(*source, number, problems))
            made.insert(resource, *outputs);
    }
    for (int i = 1; i < catalogue.size(); ++i) {
        if (!made.contains(ascii_upper(format_resource_name(catalogue.at(i)))))
            problems.add(sources.path(),
                         QStringLiteral("no usable source for \"%1\"").arg(catalogue.at(i)));
    }
    if (problems.list.isEmpty()) {
        for (auto it = made.constBegin(); it != made.constEnd(); ++it) {
            write_file(resources.filePath(it.key()), it->image_text, problems);
            write_file(resources.filePath(it.key() + QStringLiteral("_CTRLS")), it->controls,
                       problems);
            write_file(resources.filePath(it.key() + QStringLiteral("_INFO")), it->info, problems);
        }
    }
    for (const QString& p : problems.list)
        err << p << '\n';
    if (!problems.list.isEmpty())
        return 1;
    QTextStream(stdout) << "wrote the resources of " << made.size() << " effects\n";
    return 0;
}
