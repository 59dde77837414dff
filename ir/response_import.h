#pragma once

#include "base/result.h"
#include "ir/ir_import.h"
#include "ir/ir_response.h"

#include <QString>

namespace kx {

class Log;
class ResourceStore;

// A kept response imported again: the import as any WAV file's (tools off), and the notes
// the file carries. The same samples give the same words, so the image is the one the kept
// response was made from.
struct ResponseImport {
    IrImport import;
    IrResponse response; // its samples are the coefficients imported
};

Result<ResponseImport> import_response_file(const QString& path, const QString& effect_name,
                                            const ResourceStore& store, Log& log,
                                            const ResampleQuestion& resample_to_pedal_rate);

// Why the response at `path` cannot serve `effect_name` (empty: it can); `source_name` gets
// the name of the file it was imported from, when it says. Reads no more than the file.
QString response_file_problem(const QString& path, const QString& effect_name,
                              QString* source_name = nullptr);

// The name a response is shown by: the file it was imported from, else its own name.
QString response_display_name(const IrResponse& response, const QString& path);

} // namespace kx
