#include "calculations/content_sections.h"

namespace orvika::calculation_sections {

void addPlans(QList<ContentBlock> &, const Acoustics &, const QList<RoomCalculation> &) {}

} // namespace orvika::calculation_sections
