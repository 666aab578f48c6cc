#include "catalogue/catalogue_reader.h"

namespace orvika {

CatalogueFile loadCatalogue(const QString &)
{
    return {}; // TODO(catalogue helper)
}

std::optional<Catalogue> parseCatalogue(const QStringList &, const QLocale &)
{
    return std::nullopt;
}

} // namespace orvika
