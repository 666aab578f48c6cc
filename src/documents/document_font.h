#pragma once

#include <QFont>

namespace orvika {

// DejaVu Sans, the font of the program's documents, which has every Cyrillic letter and sign they print.
QFont documentFont(double points, bool bold = false);

} // namespace orvika
