#pragma once

#include <QList>
#include <QString>
#include <cstdint>
#include <optional>

namespace orvika {

// One thing a report line asks the main window to do when the report is loaded back.
struct LoadAction
{
    enum class Kind {
        Tick,              // control: object name of a check box to set to 1
        SetZoneCount,      // number: ppkz
        SetChannelCount,   // number: ppkk
        SelectTotalPower,  // select Opt1
        SetTotalPowerText, // text: TxtP
        SetReserve,        // number: VSZP value
        SelectPerZone,     // select Opt2
        AddZoneLine,       // text: a List2 line
        AddSourceLine,     // text: the List1 line; name and quantity: what it registers
    };
    Kind kind;
    QString control;
    std::int32_t number = 0;
    QString text;
    QString name;
    std::int32_t quantity = 0;

    friend bool operator==(const LoadAction &, const LoadAction &) = default;
};

// A listed line "- <name> - <quantity> шт." read as the loader reads a source line: the text without
// "- ", the name before the last hyphen (blanks trimmed) and the quantity between it and the last
// "шт."; empty when those pieces cannot be found or the quantity leaves 32 bits.
std::optional<LoadAction> readListedLine(const QString &line);

// Which lines of the source section are read as sources. The window's load takes only those that
// hold "ZEP" or "- K-"; a report restored without the window takes every listed line ("- " first),
// whatever its source is called, so that no source of the report is lost.
enum class SourceLines { Marked, Listed };

// ФунОбрабСрок: reads one report line at a time. Malformed pieces are skipped, never guessed at.
class ReportLineParser
{
public:
    explicit ReportLineParser(SourceLines sources = SourceLines::Marked) : m_sources(sources) {}

    // The start of a load: the power read so far is 0 and no source section is open.
    void startLoad();

    // The actions one line asks for, in the order the main window must carry them out.
    QList<LoadAction> parseLine(const QString &line);

    bool inSourceSection() const { return m_reportFlag; }      // ReportFlag
    std::int32_t loadedPower() const { return m_loadedPower; } // LoadedPower

private:
    SourceLines m_sources;
    bool m_reportFlag = false;
    std::int32_t m_loadedPower = 0;
};

} // namespace orvika
