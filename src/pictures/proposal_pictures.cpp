#include "pictures/proposal_pictures.h"

#include "pictures/block_diagram.h"
#include "pictures/rack_layout.h"
#include "pictures/rack_picture.h"

namespace orvika {

Picture proposalRackPicture(const Catalogue &catalogue, const Requirements &requirements,
                            const Proposal &proposal)
{
    return rackPicture(layoutRacks(catalogue, requirements, proposal));
}

Picture proposalDiagramPicture(const Catalogue &catalogue, const Requirements &requirements,
                               const Proposal &proposal)
{
    return blockDiagramPicture(layoutBlockDiagram(catalogue, requirements, proposal));
}

QList<Picture> proposalPictures(const Catalogue &catalogue, const Requirements &requirements,
                                const Proposal &proposal)
{
    return {proposalRackPicture(catalogue, requirements, proposal),
            proposalDiagramPicture(catalogue, requirements, proposal)};
}

DocumentContent proposalDocument(const Catalogue &catalogue, const Requirements &requirements,
                                 const Proposal &proposal, DocumentFormat format, const QDate &date,
                                 const QLocale &locale)
{
    DocumentContent content = composeDocument(catalogue, requirements, proposal, date, locale);
    if (format == DocumentFormat::Pdf)
        content.pictures = proposalPictures(catalogue, requirements, proposal);
    return content;
}

} // namespace orvika
