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
                               const Proposal &proposal, const LoudspeakerLines &lines)
{
    QMap<int, QString> names;
    for (const ZoneLine &line : lines.zones)
        names.insert(line.zone, line.name);
    return blockDiagramPicture(layoutBlockDiagram(catalogue, requirements, proposal, names));
}

QList<Picture> proposalPictures(const Catalogue &catalogue, const Requirements &requirements,
                                const Proposal &proposal, const LoudspeakerLines &lines)
{
    return {proposalRackPicture(catalogue, requirements, proposal),
            proposalDiagramPicture(catalogue, requirements, proposal, lines)};
}

DocumentContent proposalDocument(const Catalogue &catalogue, const Requirements &requirements,
                                 const Proposal &proposal, DocumentFormat format, const QDate &date,
                                 const QLocale &locale, const ProjectCard &card)
{
    DocumentContent content = composeDocument(catalogue, requirements, proposal, date, locale);
    addProjectParts(content, card, requirements);
    if (format == DocumentFormat::Pdf)
        content.pictures = proposalPictures(catalogue, requirements, proposal, card.lines);
    return content;
}

} // namespace orvika
