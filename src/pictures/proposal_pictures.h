#pragma once

#include "calc/proposal.h"
#include "calc/requirements.h"
#include "catalogue/catalogue.h"
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

} // namespace orvika
