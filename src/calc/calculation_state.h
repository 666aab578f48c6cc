#pragma once

#include "calc/proposal.h"
#include "catalogue/catalogue.h"
#include "files/numbers.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// The working values of one calculation, from the copied sources to the last auxiliary rule.
namespace orvika {

struct CalculationState
{
    QStringList lines;         // List3
    QList<ProposedItem> items; // one for each line
    QList<CalcMessage> messages;
    Totals totals; // working totals
    bool stopped = false;

    std::int32_t zoneCount = 1;
    std::int32_t channelCount = 1;
    std::int32_t micCount = 0;
    double totalPower = 0;

    std::int32_t selectorCount = 1;
    QString selectorName;
    std::int32_t selectorCapacity = 0; // W the chosen model switches

    std::int32_t ampQty1 = 0; // remainder amplifier, per channel
    QString ampName1;
    std::int32_t ampQty2 = 0; // 1500 W blocks times channels
    QString ampName2;
    std::int32_t amplifierCount = 0;
    std::int32_t ampGroupCount = 0;
    bool ampPowerFound = false;
    bool ampInputsFound = false;
    bool preampChosen = false;

    double requiredInputs = 0;   // line inputs still to serve
    std::int32_t inputsLeft = 0; // microphone inputs still to serve
    double bestPreampCapacity = 0;
    QString bestPreampTail;
    QString bestPreampName;
    std::int32_t preampCount = 0;

    std::int32_t cabinetCount = 0;

    // Adds the line "name - quantity шт." with the reason for it, unaccounted.
    void addLine(const QString &name, std::int32_t quantity, const QString &reason, LineRole role);
    // Adds a line of the chosen sources as it stands.
    void addSourceLine(const QString &line);

    // A message after which the calculation goes on.
    void warn(const QString &text);
    // The last message: no rule adds anything after it.
    void stop(const QString &text);
    // A catalogue figure the calculation cannot work with; unit is the designation it belongs to.
    void stopOnDatabaseError(const QString &unit);
    // The reset of the results after a failed choice: the working totals and the working counters.
    void resetResults();
};

// "name - quantity шт.", the form of every line of the proposed-equipment list.
QString unitLine(const QString &name, std::int32_t quantity);

// Adds the line for a unit and accounts it. False, with the calculation stopped, when the totals
// would leave the 32-bit range.
bool addAccountedLine(const Catalogue &catalogue, CalculationState &state, const QString &name,
                      std::int32_t quantity, const QString &reason, LineRole role);

// A line "designation - quantity шт." taken apart at its last " - "; the quantity is the leading
// number after it.
ProposedItem itemOfLine(const QString &line);

// The proposal's line i taken apart: its item, or for a proposal restored from a saved list, which has
// its lines only, the line taken apart as above.
ProposedItem proposedItem(const Proposal &proposal, qsizetype i);

// False, with the calculation stopped, when the catalogue has no record of a single-entry category
// (its name would match every catalogue line in the accounting). code names the category.
bool requireEntry(CalculationState &state, const QString &name, const QString &code);

} // namespace orvika
