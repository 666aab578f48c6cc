#include "documents/workbook_module.h"
#include "offer_documents/offer_files.h"
#include "offer_documents/offer_workbook.h"

namespace orvika {

std::optional<QString> writeOfferXlsx(const QString &path, const ProjectCard &card, const Offer &offer)
{
    // A sum that did not fit has no figure to write: a workbook of it would show a wrong total.
    if (offer.tooLarge)
        return QStringLiteral("сумма предложения слишком велика, книга не записана");
    return writeWithWorkbookModule("orvikaWriteOfferXlsx", path, OfferWorkbook{card, offer});
}

} // namespace orvika
