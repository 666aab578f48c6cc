#include "calc/calculation.h"

namespace orvika {

Proposal calculate(const Catalogue &, const QStringList &, const Requirements &)
{
    return {};
}

} // namespace orvika
