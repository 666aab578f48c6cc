#pragma once

#include "files/text_file.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace orvika {

// LoadSchemeLibrary: reads AppDir/Base/Sxemm, one block diagram a line: designation "*" keys.
struct SchemeLibrary
{
    QStringList lines;              // at least one element: "" when nothing was read
    std::optional<int> schemeCount; // lines read; unset when the file could not be read completely
    std::optional<int> errorCode;
};
SchemeLibrary loadSchemeLibrary(const QString &appDir);

// ChooseScheme: the designation of the library line that the proposed equipment matches best.
QString chooseScheme(const QStringList &schemeLines, const QStringList &proposedLines, bool multiChannel);

} // namespace orvika
