#pragma once

#include "lines/loudspeaker_lines.h"

#include <QList>
#include <QString>
#include <optional>

// What the loudspeaker lines add to the specification: the loudspeakers by model, then the cable by
// mark and cross-section.
namespace orvika {

struct LineMaterial
{
    enum Kind { Loudspeaker, Cable };
    Kind kind = Loudspeaker;
    QString designation;           // the loudspeaker's, or the cable's mark
    std::optional<double> section; // mm², of a cable
    double quantity = 0;           // pieces, or metres with the reserve rounded up to a whole metre
    QList<int> zones;              // the zones it serves

    QString unit() const { return kind == Loudspeaker ? QStringLiteral("шт.") : QStringLiteral("м"); }
    // As a bill of materials names it: the loudspeaker's designation, "Кабель КПСнг(А)-FRLS 2×1,5 мм²".
    QString billName() const;
    // "зоны 1, 2, 5"
    QString zonesText() const;
};

// The materials of the lines of zones 1 … zoneCount, loudspeakers first, each kind in the order of its
// first zone.
QList<LineMaterial> lineMaterials(const LoudspeakerLines &lines, int zoneCount);

} // namespace orvika
