#pragma once

#include <QString>

namespace orvika {

// A field of a CSV row as RFC 4180 asks: quoted when it holds the separator ";", a quote or a line
// break, its quotes doubled.
QString csvField(const QString &text);

} // namespace orvika
