#pragma once

#include <QFont>

namespace orvika {

// Tahoma at a point size, as every window of the program is designed.
QFont tahoma(qreal pointSize, bool bold);

// Makes Tahoma, in which the windows are designed, available to the application when the system
// has the font files but has not installed them as a font (as with the Wine font package). Safe to
// call more than once. Returns true when both faces are available.
bool registerTahoma();

} // namespace orvika
