#pragma once

#include "calc/proposal.h"
#include "calc/requirements.h"
#include "catalogue/catalogue.h"
#include "documents/document_files.h"
#include "documents/picture.h"
#include "project/project_card.h"

#include <QList>

namespace orvika {

// The pictures of a finished calculation, in the order the documents show them: the rack elevation,
// then the block diagram.
Picture proposalRackPicture(const Catalogue &catalogue, const Requirements &requirements,
                            const Proposal &proposal);
// The block diagram names the zones by the names their loudspeaker lines give them.
Picture proposalDiagramPicture(const Catalogue &catalogue, const Requirements &requirements,
                               const Proposal &proposal, const LoudspeakerLines &lines = {});
QList<Picture> proposalPictures(const Catalogue &catalogue, const Requirements &requirements,
                                const Proposal &proposal, const LoudspeakerLines &lines = {});

// The document of a finished calculation for the format, with what the project's card adds; the PDF,
// like the printout, gives each picture a page of its own.
DocumentContent proposalDocument(const Catalogue &catalogue, const Requirements &requirements,
                                 const Proposal &proposal, DocumentFormat format, const QDate &date,
                                 const QLocale &locale, const ProjectCard &card = {});

} // namespace orvika
