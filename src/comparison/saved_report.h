#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// A saved report read back in its parts, for comparing two of them: the requirements, the chosen
// sources, the proposed equipment and the totals.
namespace orvika {

struct CountedItem
{
    QString designation;
    std::int64_t quantity = 0;

    friend bool operator==(const CountedItem &, const CountedItem &) = default;
};

struct SavedReport
{
    bool isReport = false;    // its heading or one of its sections was found
    QStringList requirements; // the first section's lines, blank lines left out
    QList<CountedItem> sources;
    QList<CountedItem> equipment;
    std::optional<std::int64_t> powerDraw;   // W
    std::optional<std::int64_t> heightUnits; // rack units
    int damagedLines = 0;                    // listed lines whose name or quantity could not be read: skipped
};

// Reads the lines of a report as the loader reads its source lines; nothing is fatal.
SavedReport parseSavedReport(const QStringList &lines);

// Reads a report file. Empty, with the reason, when it cannot be read or is no report.
std::optional<SavedReport> readSavedReport(const QString &path, QString *reason);

} // namespace orvika
