#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// The equipment catalogue as the program holds it after start-up: the file's lines, the picker items
// and the category tables the calculation chooses from. Records are kept in catalogue order.
namespace orvika {

struct SelectorRecord // SZ
{
    QString name;
    std::int32_t capacity = 0; // switching capacity of one unit, W
};

struct AmplifierRecord // AMP or UMP
{
    QString name;
    std::int32_t power = 0; // output power, W
    QString descriptor;     // A|B+C/D//E
};

struct PreampRecord // PRED
{
    QString name;
    QString descriptor;
};

struct CabinetRecord // RU
{
    QString name;
    std::int32_t height = 0; // rack units
};

struct Catalogue
{
    QStringList lines;    // every line of the file, in file order
    QLocale numberLocale; // notation of the consumption and height fields (the user's locale)

    // Picker items, in file order.
    QStringList microphones;  // MC -> CmbMC
    QStringList alarmBlocks;  // AL -> CmbAL
    QStringList musicSources; // MZ -> CmbMZ
    QStringList consoles;     // RM -> CmbRM
    QStringList reserveUnits; // BR -> CmbBR

    QList<SelectorRecord> selectors;
    QList<AmplifierRecord> amplifiers;
    QList<PreampRecord> preamps;
    QList<CabinetRecord> cabinets60;
    QList<CabinetRecord> cabinets80;

    // Single entries: the last matching line wins.
    QString asName, arName, rpName, aiName, moName, mlName, upName, pdName, blName;
    std::int32_t arNumber = 0, mlNumber = 0, upNumber = 0, pdNumber = 0, blNumber = 0;
};

// The running sums that unit accounting adds to.
struct Totals
{
    std::int32_t blockCount = 0;  // pieces
    std::int32_t powerDraw = 0;   // W
    std::int32_t heightUnits = 0; // rack units

    friend bool operator==(const Totals &, const Totals &) = default;
};

} // namespace orvika
