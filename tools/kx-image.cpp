// kx-image: checks effect images against the layout and builds images from descriptions.
//
//   kx-image validate FILE...   each FILE holds an image as hexadecimal text (as the store
//                               keeps it) or as raw bytes; prints "OK" or every violation;
//                               exits 1 when any image is invalid or unreadable.
//   kx-image build DESC OUT     builds the image described by DESC (see
//                               parse_image_description) and writes it to OUT as one line of
//                               hexadecimal text; exits 1 on an error.

#include "library/effect_image.h"
#include "library/effect_image_builder.h"
#include "library/resource_store.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>

using namespace kx;

namespace {

QTextStream& out() {
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& err() {
    static QTextStream stream(stderr);
    return stream;
}

bool is_hex_text(const QByteArray& data) {
    for (char c : data) {
        const bool hex = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
        if (!hex && c != '\r' && c != '\n')
            return false;
    }
    return !data.isEmpty();
}

// The image bytes of a file, or the reasons it cannot be read as an image.
std::optional<QByteArray> read_image(const QString& path, QStringList& problems) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problems << QStringLiteral("cannot be read: %1").arg(file.errorString());
        return std::nullopt;
    }
    const QByteArray data = file.readAll();
    if (!is_hex_text(data))
        return data;

    // The store keeps an image as a single line: only the first line would ever be sent.
    qsizetype line_break = -1;
    for (qsizetype i = 0; i < data.size() && line_break < 0; ++i) {
        if (data.at(i) == '\r' || data.at(i) == '\n')
            line_break = i;
    }
    if (line_break >= 0)
        problems << QStringLiteral("the image text holds a line break after character %1; "
                                   "only its first line would be sent")
                        .arg(line_break);
    const auto bytes =
        parse_image_text(QString::fromLatin1(line_break >= 0 ? data.left(line_break) : data));
    if (!bytes) {
        problems << bytes.error();
        return std::nullopt;
    }
    return *bytes;
}

int validate(const QStringList& paths) {
    int failures = 0;
    for (const QString& path : paths) {
        QStringList problems;
        if (const auto image = read_image(path, problems))
            problems << validate_effect_image(*image);
        if (problems.isEmpty()) {
            out() << path << ": OK\n";
            continue;
        }
        ++failures;
        for (const QString& problem : problems)
            out() << path << ": " << problem << '\n';
    }
    out().flush();
    return failures == 0 ? 0 : 1;
}

int build(const QString& description_path, const QString& output_path) {
    QFile input(description_path);
    if (!input.open(QIODevice::ReadOnly)) {
        err() << description_path << ": cannot be read: " << input.errorString() << '\n';
        return 1;
    }
    QStringList errors;
    const auto description =
        parse_image_description(split_resource_lines(input.readAll()), &errors);
    std::optional<QByteArray> image;
    if (description)
        image = build_effect_image(*description, &errors);
    if (!image) {
        for (const QString& e : errors)
            err() << description_path << ": " << e << '\n';
        return 1;
    }
    QFile output(output_path);
    if (!output.open(QIODevice::WriteOnly) ||
        output.write(image_text(*image).toLatin1()) != image->size() * 2) {
        err() << output_path << ": cannot be written: " << output.errorString() << '\n';
        return 1;
    }
    out() << output_path << ": " << image->size() << " bytes\n";
    return 0;
}

int usage() {
    err() << "usage: kx-image validate FILE...\n"
             "       kx-image build DESCRIPTION OUTPUT\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();
    if (command == QLatin1String("validate") && !args.isEmpty())
        return validate(args);
    if (command == QLatin1String("build") && args.size() == 2)
        return build(args.at(0), args.at(1));
    return usage();
}
