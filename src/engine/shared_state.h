#pragma once

#include "catalogue/catalogue.h"
#include "catalogue/scheme_library.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace orvika {

// The state of the running program that outlives a single event: the data files read at start-up,
// the requirement counts and the source selection. The calculation's own working values live in the
// calculation; the proposal lives in List3 and the report.
struct SharedState
{
    QString appDir; // working directory at start, no trailing separator
    Catalogue catalogue;
    std::optional<int> blockCount; // catalogue lines read, shown by the information window
    SchemeLibrary schemes;         // lines and count of the block-diagram library

    std::int32_t zoneCount = 1;     // ZoneCount
    std::int32_t channelCount = 1;  // ChannelCount
    std::int32_t zoneListCount = 0; // ZoneListCount
    std::int32_t selectorCount = 1; // SelectorCount

    std::int32_t micCount = 0;         // MicCount
    std::int32_t musicSourceCount = 0; // MusicSourceCount
    std::int32_t alarmBlockCount = 0;  // AlarmBlockCount
    bool alarmBlockAdded = false;      // AlarmBlockAdded
    bool consoleAdded = false;         // ConsoleAdded
    bool softwareAdded = false;        // SoftwareAdded
    std::int32_t softwareNumber = 0;   // SoftwareNumber

    Totals workingTotals;   // TotalBlockCount, TotalPowerDraw, TotalHeightUnits
    Totals selectionTotals; // SavedBlockCount, SavedPowerDraw, SavedHeightUnits

    // Results of the last calculation, kept until the next reset.
    std::int32_t ampGroupCount = 0; // AmpGroupCount
    bool ampPowerFound = false;     // AmpPowerFound
    std::int32_t cabinetCount = 0;  // CabinetCount
    bool calculationDone = false;   // CalculationDone
    double totalPower = 0;          // TotalPower
    QString schemeChoice;           // SchemeChoice
};

} // namespace orvika
