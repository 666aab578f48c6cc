#include "documents/pdf_file.h"
#include "offer/offer_texts.h"
#include "offer_documents/offer_files.h"
#include "offer_documents/offer_sheets.h"

namespace orvika {

std::optional<QString> writeOfferPdf(const QString &path, const ProjectCard &card, const Offer &offer)
{
    // Sums that did not fit would print wrong: no document rather than a wrong one.
    if (offer.tooLarge)
        return QStringLiteral("суммы предложения слишком велики для расчёта; документ не составлен");
    if (offer.lines.isEmpty())
        return QStringLiteral("в предложении нет ни одной позиции");
    const PdfPainting painting{
        offerTitle(card.offer), [](QPagedPaintDevice &device) { prepareOfferPage(device); },
        [&card, &offer](QPagedPaintDevice &device) { return paintOfferPages(device, card, offer); }};
    return writePaintedPdf(path, painting);
}

} // namespace orvika
