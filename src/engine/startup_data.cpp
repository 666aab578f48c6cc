#include "engine/startup_data.h"

#include "catalogue/catalogue_reader.h"
#include "catalogue/scheme_library.h"
#include "engine/dialog_seam.h"
#include "files/text_file.h"

namespace orvika {

bool readStartUpData(SharedState &state, DialogSeam &dialogs, const QString &appDir, const QLocale &locale)
{
    state.appDir = appDir;

    const CatalogueFile file = loadCatalogue(appDir);
    if (file.errorCode)
        dialogs.message(openFailureMessage(QStringLiteral("Base-Date"), *file.errorCode));
    state.blockCount = file.blockCount;

    // A catalogue that was read only in part is not trusted either, even if its lines add up.
    std::optional<Catalogue> catalogue = file.errorCode ? std::nullopt : parseCatalogue(file.lines, locale);
    if (!catalogue) {
        dialogs.message(QStringLiteral("База данных повреждена"));
        return false;
    }
    state.catalogue = std::move(*catalogue);

    state.schemes = loadSchemeLibrary(appDir);
    if (state.schemes.errorCode)
        dialogs.message(openFailureMessage(QStringLiteral("Sxemm"), *state.schemes.errorCode));

    state.zoneListCount = 0;
    state.zoneCount = 1;
    state.channelCount = 1;
    state.selectorCount = 1;
    state.ampGroupCount = 0;
    state.workingTotals.blockCount = 0;
    state.softwareNumber = 0;
    return true;
}

} // namespace orvika
