#pragma once

#include "lines/loudspeaker_lines.h"

#include <QByteArray>

namespace orvika {

// The lines of zones 1 … zoneCount as CSV: UTF-8 with a byte-order mark, ";" between fields, a header
// row and a row a zone in the lines window's columns, figures with a decimal comma.
QByteArray linesCsv(const LoudspeakerLines &lines, int zoneCount);

} // namespace orvika
