#pragma once

#include "catalogue/catalogue.h"
#include "files/text_file.h"

#include <QLocale>
#include <QString>
#include <optional>

namespace orvika {

// LoadCatalogue: reads AppDir/Base/Base-Date.
struct CatalogueFile
{
    QStringList lines;             // at least one element: "" when nothing was read
    std::optional<int> blockCount; // lines read; unset when the file could not be read completely
    std::optional<int> errorCode;  // 53, 76, 70, 75 or 57 when opening or reading failed
};
CatalogueFile loadCatalogue(const QString &appDir);

// ParseCatalogue: builds the tables and the picker items and applies the validity rule
// (exactly 59 lines, a model line first, at least 29 model lines). A catalogue that fails the rule
// or breaks the line format gives no catalogue: the program reports it as damaged.
std::optional<Catalogue> parseCatalogue(const QStringList &lines, const QLocale &locale);

} // namespace orvika
