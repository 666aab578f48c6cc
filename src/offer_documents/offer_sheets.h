#pragma once

#include "offer/offer.h"
#include "project/project_card.h"

class QPagedPaintDevice;

// The commercial offer on A4 portrait pages: the organisation and the customer, the title and the object,
// the table of the lines by section with their subtotals, the totals with VAT, the total in words, the
// terms and the signature; "Стр. N из M" under every page.
namespace orvika {

// A4 portrait with the offer's margins, wider on the left where the pages are bound.
void prepareOfferPage(QPagedPaintDevice &device);

// Paints every page on a device prepared as above, laid out first so that each page knows their count.
// Returns the count, 0 when the device could not be painted on.
int paintOfferPages(QPagedPaintDevice &device, const ProjectCard &card, const Offer &offer);

} // namespace orvika
