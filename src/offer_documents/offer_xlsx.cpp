#include "offer_documents/offer_files.h"

// Placeholder until the offer's workbook is written.
namespace orvika {

std::optional<QString> writeOfferXlsx(const QString &, const ProjectCard &, const Offer &)
{
    return QStringLiteral("книга предложения ещё не сделана");
}

} // namespace orvika
