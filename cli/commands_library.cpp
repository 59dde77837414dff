// The commands over the effect library: the catalogue and the upload of an effect (with an
// impulse response imported into it).
#include "cli/await.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/session.h"
#include "ir/ir_import.h"
#include "ir/kept_imports.h"
#include "library/categories.h"
#include "link/effect_upload.h"
#include "session/pedal_session.h"

#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>

namespace kx::cli {

namespace {

struct CatalogueCategory {
    QString caption;
    QStringList effects;
};

Result<QList<CatalogueCategory>> read_catalogue(ResourceStore& store) {
    QList<CatalogueCategory> out;
    for (const EffectCategory& category : kEffectCategories) {
        const auto lines = store.read_file_from_stream(QLatin1String(category.resource));
        if (!lines)
            return lines.failure();
        out.append({QLatin1String(category.caption), *lines});
    }
    return out;
}

bool same_category(const EffectCategory& category, const QString& text) {
    return text.compare(QLatin1String(category.caption), Qt::CaseInsensitive) == 0 ||
           text.compare(QLatin1String(category.resource), Qt::CaseInsensitive) == 0;
}

// Effect numbers by name, from the catalogue's line order.
QHash<QString, int> effect_numbers(ResourceStore& store) {
    QHash<QString, int> numbers;
    const auto lines = store.read_file_from_stream(QLatin1String(kEffectListResource));
    if (!lines)
        return numbers;
    for (int i = 0; i < lines->size(); ++i)
        numbers.insert(lines->at(i).section(QLatin1Char(':'), 1), i);
    return numbers;
}

QJsonValue number_json(const QHash<QString, int>& numbers, const QString& name) {
    const auto found = numbers.constFind(name);
    return found == numbers.constEnd() ? QJsonValue() : QJsonValue(*found);
}

QStringList category_captions() {
    QStringList captions;
    for (const EffectCategory& category : kEffectCategories)
        captions << QLatin1String(category.caption);
    return captions;
}

} // namespace

int command_effects(Session& session, const QStringList& arguments) {
    const auto catalogue = read_catalogue(session.store());
    if (!catalogue)
        return session.fail(catalogue.failure());
    const QString wanted = arguments.value(0);
    QList<CatalogueCategory> shown;
    for (int i = 0; i < catalogue->size(); ++i)
        if (wanted.isEmpty() || same_category(kEffectCategories[i], wanted))
            shown << catalogue->at(i);
    if (shown.isEmpty())
        return usage_error(QStringLiteral("There is no category \"%1\" (there are: %2).")
                               .arg(wanted, category_captions().join(QStringLiteral(", "))));
    if (session.options().json) {
        // An array keeps the editor's order, which an object's keys would not.
        const QHash<QString, int> numbers = effect_numbers(session.store());
        QJsonArray json;
        for (const CatalogueCategory& category : shown)
            for (const QString& effect : category.effects)
                json.append(QJsonObject{{QStringLiteral("number"), number_json(numbers, effect)},
                                        {QStringLiteral("name"), effect},
                                        {QStringLiteral("category"), category.caption}});
        print_json(json);
        return kExitOk;
    }
    QString text;
    for (const CatalogueCategory& category : shown) {
        if (!wanted.isEmpty()) {
            text += category.effects.join(QLatin1Char('\n')) + QLatin1Char('\n');
            continue;
        }
        text += category.caption + QLatin1Char('\n');
        for (const QString& effect : category.effects)
            text += QStringLiteral("  ") + effect + QLatin1Char('\n');
    }
    print_out(text);
    return kExitOk;
}

int command_upload(Session& session, const QStringList& arguments, const QString& ir_file) {
    const auto catalogue = read_catalogue(session.store());
    if (!catalogue)
        return session.fail(catalogue.failure());
    // The effect's exact name first, as the editor compares names; then regardless of case.
    QString effect_name;
    QString category_caption;
    for (const Qt::CaseSensitivity sensitivity : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
        for (const CatalogueCategory& category : *catalogue)
            for (const QString& name : category.effects)
                if (effect_name.isEmpty() && name.compare(arguments.at(0), sensitivity) == 0) {
                    effect_name = name;
                    category_caption = category.caption;
                }
    }
    if (effect_name.isEmpty())
        return usage_error(
            QStringLiteral("There is no effect \"%1\" in the catalogue (see '%2 effects').")
                .arg(arguments.at(0), QLatin1String(kProgram)));
    const bool impulse_response = category_caption == QLatin1String(kEffectCategories[5].caption);

    PedalSession& pedal = session.pedal();
    if (impulse_response) {
        if (ir_file.isEmpty())
            return usage_error(QStringLiteral("%1 is an impulse response effect: give its WAV "
                                              "file with --ir FILE.wav.")
                                   .arg(effect_name));
        const auto file = OutsideFile::open(ir_file, kWavFileFormat);
        if (!file)
            return usage_error(QStringLiteral("Error loading file: ") + file.error());
        IrImportRequest request{QFileInfo(ir_file).fileName(), **file, effect_name};
        // A script gets the editor's recommended answer: the file is brought to the pedal's rate,
        // and a note says so, as the editor's question would have.
        bool resampled = false;
        const auto imported =
            import_ir(request, session.store(), session.log(), [&resampled](const QString&) {
                resampled = true;
                return true;
            });
        if (!imported)
            return usage_error(QStringLiteral("%1: %2").arg(ir_file, imported.error()));
        if (resampled)
            for (const QString& line : imported->summary.split(QStringLiteral("\r\n")))
                if (line.contains(QLatin1String(" Hz to ")))
                    print_note(QStringLiteral("%1: %2").arg(ir_file, line));
        if (!imported->energy_line.isEmpty())
            session.log().print_line(imported->energy_line);
        pedal.set_ir_image(effect_name, imported->image);
        // Kept as the editor keeps its imports, for a preset saved later and the editor's list.
        if (const auto kept = keep_import(kept_imports_folder(),
                                          response_of_import(*imported, effect_name,
                                                             QFileInfo(ir_file).fileName(), {},
                                                             QDateTime::currentDateTimeUtc()));
            !kept)
            session.log().print_line(QStringLiteral("The import was not kept: ") + kept.error());
    } else if (!ir_file.isEmpty()) {
        return usage_error(QStringLiteral("--ir is for impulse response effects; %1 is not one.")
                               .arg(effect_name));
    }
    // Checked before anything goes to the pedal, the connection included.
    const auto image_text = pedal.upload_image_text(effect_name);
    if (!image_text)
        return session.fail(image_text.failure());
    if (const auto image = upload_image_bytes(*image_text, effect_name); !image)
        return failed_error(image.error());

    // Only a pedal whose firmware answered gets the image: bytes of it could make a bootloader
    // act. A new pedal, which runs no effect, takes it all the same.
    if (const auto running = session.connect_to_effect();
        !running && running.error_kind() != ErrorKind::NoEffect)
        return session.fail(running.failure());
    Result<QString> answer = QString();
    {
        ProgressDisplay progress(pedal.upload_operation());
        // The session confirms the upload by what the pedal then says it runs.
        answer = finish(pedal.upload_effect(effect_name));
    }
    if (!answer)
        return session.fail(answer.failure());
    if (session.options().json)
        print_json(QJsonObject{{QStringLiteral("effect"), effect_name},
                               {QStringLiteral("effect_number"), pedal.effect().number},
                               {QStringLiteral("answer"), *answer}});
    else
        print_out(*answer + QLatin1Char('\n'));
    return kExitOk;
}

} // namespace kx::cli
