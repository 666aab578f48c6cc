#include "project/project_card.h"

namespace orvika {

ProjectCard newProjectCard(const ProjectCard &lastUsed, const QDate &today)
{
    ProjectCard card;
    card.organisation = lastUsed.organisation;
    card.supplier = lastUsed.supplier;
    card.people = lastUsed.people;
    card.date = today;
    return card;
}

} // namespace orvika
