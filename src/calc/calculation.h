#pragma once

#include "calc/proposal.h"
#include "calc/requirements.h"
#include "catalogue/catalogue.h"

#include <QStringList>

namespace orvika {

// The whole calculation behind "Составить спецификацию": checks, list of proposed units, totals,
// block diagram. Holds no widgets; the main window gathers the requirements and shows the result.
Proposal calculate(const Catalogue &catalogue, const QStringList &schemeLines,
                   const Requirements &requirements);

} // namespace orvika
