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

} // namespace orvika
