#pragma once

#include "catalogue/catalogue.h"

#include <QString>
#include <QStringList>
#include <cstdint>

// What the user stated in the main window, as the calculation and the report read it.
namespace orvika {

enum class PowerMode { None, Total, PerZone };      // Opt1 / Opt2 / neither
enum class LineControl { None, Manual, Automatic }; // Option1 / OptR / OptA

struct Requirements
{
    // Kinds of announcement (Check4, Check3, Check5, Check6): only the report names them.
    bool semiAutomatic = false;
    bool automatic = false;
    bool music = false;
    bool remoteConsole = false;

    bool multiZone = false;        // Check1
    std::int32_t zoneCount = 1;    // ZoneCount
    bool multiChannel = false;     // Check2
    std::int32_t channelCount = 1; // ChannelCount

    PowerMode powerMode = PowerMode::None;
    QString totalPowerText;                            // TxtP
    QStringList zoneLines;                             // List2
    std::int32_t zoneListCount = 0;                    // ZoneListCount
    bool powerReserve = false;                         // ChkZP
    QString reservePercentText = QStringLiteral("20"); // LblZP caption

    LineControl lineControl = LineControl::None;
    bool amplifierReserve = false;   // ChkBR
    QString reserveUnitText;         // CmbBR text
    bool attenuatorControl = false;  // ChkAtt
    bool fans = false;               // ChkBL: only the report names it
    bool automaticPowerOn = false;   // ChkPD
    bool powerSupplyReserve = false; // ChkRP
    bool cabinet = false;            // ChkRU

    // The chosen sources (List1) and what their additions recorded.
    QStringList sourceLines;
    std::int32_t micCount = 0;
    std::int32_t alarmBlockCount = 0;
    std::int32_t musicSourceCount = 0;
    bool softwareAdded = false;
    std::int32_t softwareNumber = 0;
    Totals selectionTotals; // SavedBlockCount, SavedPowerDraw, SavedHeightUnits
};

} // namespace orvika
