#pragma once

#include "catalogue/catalogue.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace orvika {

// The line break inside a message of two or more lines: line feed, then carriage return.
inline const QString MessageLineBreak = QStringLiteral("\n\r");

// One message of a calculation, shown in order. A stop ends the calculation after it is shown.
struct CalcMessage
{
    QString text;
    bool stops = false;

    friend bool operator==(const CalcMessage &, const CalcMessage &) = default;
};

// What a proposed line is in the installation: the rule that added it.
enum class LineRole {
    Source,               // a line of the chosen sources, as it was added
    ConsoleAdapter,       // AS: connects the microphone panels, one per zone selector
    SourceInterface,      // AI: follows a player with a radio
    Selector,             // SZ
    Amplifier,            // AMP/UMP: the remainder and the 1500 W blocks, per channel
    Preamplifier,         // PRED
    AmplifierSwitch,      // AR
    ManualLineControl,    // MO
    AutomaticLineControl, // ML
    AttenuatorControl,    // RP
    RedundancyUnit,       // the BR unit chosen
    ReserveAmplifier,     // the amplifiers it switches in
    PowerOn,              // PD
    PowerDistribution,    // BL
    PowerReserve,         // UP
    Cabinet,              // RU
};

// One line of the proposed-equipment list taken apart, with the reason the rule that added it gives:
// which requirement and which figures produced it.
struct ProposedItem
{
    QString designation;
    std::int32_t quantity = 0;
    QString reason;
    LineRole role = LineRole::Source;

    friend bool operator==(const ProposedItem &, const ProposedItem &) = default;
};

// What one calculation yields.
struct Proposal
{
    QStringList lines;           // List3, in the order the rules add them
    QList<ProposedItem> items;   // one for each line, in the same order
    QList<CalcMessage> messages; // in order; at most the last one stops
    bool complete = false;       // every check passed: the report is to be written
    Totals totals;               // units, consumption and rack height of the proposal
    double totalPower = 0;       // TotalPower, W
    QString schemeChoice;        // designation of the nearest block diagram
    std::int32_t micCount = 0;   // MicCount after the run (raised to 1 beside control software)
};

} // namespace orvika
