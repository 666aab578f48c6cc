#include "offer_documents/offer_files.h"

// Placeholder until the offer's PDF is laid out.
namespace orvika {

std::optional<QString> writeOfferPdf(const QString &, const ProjectCard &, const Offer &)
{
    return QStringLiteral("PDF предложения ещё не сделан");
}

} // namespace orvika
