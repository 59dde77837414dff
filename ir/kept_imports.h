#pragma once

#include "base/result.h"
#include "ir/ir_response.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace kx {

// Every import is kept in the product's folder, so that an impulse response effect can take
// one of its last imports again after a restart: one response file (ir_response.h) an import.
inline constexpr char kKeptImportsFolderName[] = "Impulse Responses";
// Imports kept for each coefficient table; older ones are let go.
inline constexpr int kKeptImportsPerTable = 10;

// Documents/NORVA/Kestrel X/Impulse Responses (empty when there is no Documents folder).
QString kept_imports_folder();

struct KeptImport {
    QString path;
    IrResponse response;
};

struct KeptImports {
    QList<KeptImport> imports; // newest first
    // Files that could not be read, each "name: why"; they are set aside, so each is told once.
    QStringList problems;
};

// The imports kept in `folder` for the table of `effect_name` (effects that share a table
// share them), newest first. A file that cannot be read, or that does not fit the table, is
// set aside as "<name>.unreadable" and named in problems; nothing else is refused.
KeptImports kept_imports(const QString& folder, const QString& effect_name);

// Writes `response` into `folder` (made when missing) under a new name from its time and its
// file's name, then lets go of the oldest imports of its table beyond kKeptImportsPerTable.
// Returns the new file's path.
Result<QString> keep_import(const QString& folder, const IrResponse& response);

} // namespace kx
