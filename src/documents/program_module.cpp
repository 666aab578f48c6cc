#include "documents/program_module.h"

#include <QCoreApplication>
#include <QLibrary>

namespace orvika {

void *programModuleFunction(const QString &module, const char *symbol)
{
    QLibrary library(QCoreApplication::applicationDirPath() + QStringLiteral("/../lib/orvika/") + module);
    return reinterpret_cast<void *>(library.resolve(symbol));
}

} // namespace orvika
