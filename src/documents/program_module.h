#pragma once

#include <QString>

// The program's modules: libraries loaded on first use, so that what only some documents need (the
// spreadsheet writer, the SVG generator, the printer) costs nothing at start-up. They stand in
// lib/orvika beside the program's bin folder, in the build tree as installed.
namespace orvika {

// The function exported under symbol by the module (its file name without suffix); null when the
// module or the function cannot be found. Looked up once per call site: keep the result.
void *programModuleFunction(const QString &module, const char *symbol);

} // namespace orvika
