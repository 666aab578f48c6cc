#pragma once

#include <QCheckBox>

namespace orvika {

// Only a box that is fully checked counts as ticked; a grayed one does not.
inline bool ticked(const QCheckBox *box)
{
    return box->checkState() == Qt::Checked;
}

} // namespace orvika
