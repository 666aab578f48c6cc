#pragma once

#include "comparison/saved_report.h"

#include <QByteArray>
#include <QList>
#include <QString>

// What changed from one saved report (A, the older) to another (B): the requirements, the sources and
// the equipment by designation, and the totals — each only where they differ.
namespace orvika {

enum class DifferenceKind {
    Added,   // "+": in B only
    Removed, // "−": in A only
    Changed, // "±": in both, differently
};

struct Difference
{
    QString item;   // the requirement, the designation, or the total
    QString before; // in A; empty when absent (a quantity is then "0")
    QString after;  // in B
    DifferenceKind kind = DifferenceKind::Changed;

    friend bool operator==(const Difference &, const Difference &) = default;
};

struct Comparison
{
    QList<Difference> requirements;
    QList<Difference> sources;
    QList<Difference> equipment;
    QList<Difference> totals;

    qsizetype count() const
    {
        return requirements.size() + sources.size() + equipment.size() + totals.size();
    }
};

// Requirements are matched by what they state (the line before its last " - ", or up to its colon):
// "- Количество зон - 12" against "- Количество зон - 16". Sources and equipment are summed by
// designation. Rows come in the order of B, then those only in A.
Comparison compareReports(const SavedReport &a, const SavedReport &b);

// "+", "−" or "±".
QString markerOf(DifferenceKind kind);
// The marker in words, as a tooltip shows it and a screen reader speaks it: "добавлено", "удалено",
// "изменено".
QString markerWordOf(DifferenceKind kind);

// The comparison as CSV for a spreadsheet: UTF-8 with a byte-order mark, ";" and CR LF, the header
// "Раздел;Обозначение;Было;Стало".
QByteArray comparisonCsv(const Comparison &comparison);

} // namespace orvika
