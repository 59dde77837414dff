#include "ir/response_import.h"

#include "base/outside_file.h"
#include "library/resource_store.h"

#include <QFileInfo>

namespace kx {

Result<ResponseImport> import_response_file(const QString& path, const QString& effect_name,
                                            const ResourceStore& store, Log& log,
                                            const ResampleQuestion& resample_to_pedal_rate) {
    auto file = OutsideFile::open(path, kResponseFileFormat);
    if (!file)
        return file.failure();
    // The notes first: a file that is no response is refused before the import logs it.
    auto response = read_ir_response(**file);
    if (!response)
        return Error{path + QStringLiteral(": ") + response.error()};
    const IrImportRequest request{QFileInfo(path).fileName(), **file, effect_name};
    auto imported = import_ir(request, store, log, resample_to_pedal_rate);
    if (!imported)
        return Error{path + QStringLiteral(": ") + imported.error()};
    ResponseImport result{std::move(*imported), std::move(*response)};
    result.response.samples = result.import.coefficients;
    if (result.response.notes.effect_name.isEmpty())
        result.response.notes.effect_name = effect_name;
    if (result.response.notes.source_name.isEmpty())
        result.response.notes.source_name = QFileInfo(path).fileName();
    if (result.response.notes.summary.isEmpty())
        result.response.notes.summary = result.import.summary.split(QStringLiteral("\r\n"));
    return result;
}

QString response_file_problem(const QString& path, const QString& effect_name,
                              QString* source_name) {
    const auto response = read_ir_response_file(path);
    if (!response)
        return response.error();
    if (source_name)
        *source_name = response->notes.source_name;
    return response_misfit(*response, effect_name);
}

QString response_display_name(const IrResponse& response, const QString& path) {
    return response.notes.source_name.isEmpty() ? QFileInfo(path).fileName()
                                                : response.notes.source_name;
}

} // namespace kx
