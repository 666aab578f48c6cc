#pragma once

#include "calc/proposal.h"
#include "calc/requirements.h"
#include "catalogue/catalogue.h"
#include "documents/document_files.h"
#include "documents/picture.h"

#include <QList>

namespace orvika {

// The pictures of a finished calculation, in the order the documents show them: the rack elevation,
// then the block diagram.
Picture proposalRackPicture(const Catalogue &catalogue, const Requirements &requirements,
                            const Proposal &proposal);
Picture proposalDiagramPicture(const Catalogue &catalogue, const Requirements &requirements,
                               const Proposal &proposal);
QList<Picture> proposalPictures(const Catalogue &catalogue, const Requirements &requirements,
                                const Proposal &proposal);

// The document of a finished calculation for the format; the PDF, like the printout, gives each picture
// a page of its own.
DocumentContent proposalDocument(const Catalogue &catalogue, const Requirements &requirements,
                                 const Proposal &proposal, DocumentFormat format, const QDate &date,
                                 const QLocale &locale);

} // namespace orvika
