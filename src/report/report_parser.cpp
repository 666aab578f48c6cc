#include "report/report_parser.h"

#include "files/numbers.h"
#include "report/phrase_finder.h"

#include <optional>

namespace orvika {
namespace {

LoadAction tick(const QString &control)
{
    return LoadAction{LoadAction::Kind::Tick, control, 0, {}, {}, 0};
}

LoadAction withNumber(LoadAction::Kind kind, std::int32_t number)
{
    return LoadAction{kind, {}, number, {}, {}, 0};
}

LoadAction withText(LoadAction::Kind kind, const QString &text)
{
    return LoadAction{kind, {}, 0, text, {}, 0};
}

// The piece of a line that starts at a 0-based index and runs for a length; fewer characters at the
// end of the line, none past it. Empty when the length is negative: the line is malformed there.
std::optional<QStringView> piece(QStringView line, qsizetype start, qsizetype length)
{
    if (length < 0 || start < 0)
        return std::nullopt;
    if (start >= line.size())
        return QStringView();
    return line.mid(start, qMin(length, line.size() - start));
}

// Only blanks are trimmed from a source name: tabs and the like belong to the name.
QString trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.mid(begin, end - begin).toString();
}

// A zone or channel count: read from two characters after the last hyphen, three characters long.
// A count below 1 or beyond 16 bits is no count.
std::optional<std::int32_t> countAfterLastHyphen(const QString &line)
{
    const qsizetype hyphen = line.lastIndexOf(u'-'); // -1 without one: the text then starts at index 1
    const auto text = piece(line, hyphen + 2, 3);
    if (!text)
        return std::nullopt;
    const std::optional<std::int16_t> n = toInt16(leadingNumber(*text));
    if (!n || *n < 1)
        return std::nullopt;
    return *n;
}

// The phrases a report line is searched for.
enum Phrase : int {
    SemiAutomaticAnnouncement,
    AutomaticAnnouncement,
    MusicBroadcast,
    RemoteConsole,
    SourcesHeading,
    ProposalHeading,
    SoftwareMark,
    ConsoleMark,
    MultiZone,
    ZoneCount,
    MultiChannel,
    ChannelCount,
    AmplifierReserve,
    AttenuatorControl,
    Fans,
    AutomaticPowerOn,
    PowerReserve,
    Cabinet,
    TotalPower,
    PowerReserveMargin,
    PerZone,
    ZoneLine,
};

const PhraseFinder &reportPhrases()
{
    // In the order of Phrase.
    static const PhraseFinder finder{
        u"Полуавтоматическое оповещение при помощи микрофона",
        u"Автоматическое оповещение",
        u"Музыкальная трансляция",
        u"Наличие удаленной микрофонной консоли",
        u"ВЫБРАННЫЕ ЗВУКОВЫЕ ИСТОЧНИКИ",
        u"ПРЕДЛОЖЕННАЯ СПЕЦИФИКАЦИЯ",
        u"ZEP",
        u"- K-",
        u"Многозонная система:",
        u"Количество зон",
        u"Многоканальная система:",
        u"Количество каналов",
        u"Возможность резервирования усилителей",
        u"Возможность управления аттенюаторами",
        u"Наличие вентиляторов",
        u"Автоматическое включение питания",
        u"Возможность резервирования по питанию",
        u"Наличие шкафа для установки блоков",
        u"Суммарная мощность:",
        u"Суммарная мощность подсчитана с учетом запаса",
        u"Раскладка по зонам:",
        u"- Зона",
    };
    return finder;
}

} // namespace

// Step 7: s = the line without its first two characters, the quantity between its last hyphen and
// its last "шт.", the name before that hyphen.
std::optional<LoadAction> readListedLine(const QString &line)
{
    const QString s = line.mid(2);
    const qsizetype hyphen = s.lastIndexOf(u'-');
    if (hyphen < 0)
        return std::nullopt;
    const qsizetype pieces = s.lastIndexOf(QStringLiteral("шт."));
    const auto quantityText = piece(s, hyphen + 1, pieces - hyphen - 1);
    if (!quantityText)
        return std::nullopt;
    const std::optional<std::int32_t> quantity = toInt32(leadingNumber(*quantityText));
    if (!quantity)
        return std::nullopt;
    LoadAction action{LoadAction::Kind::AddSourceLine,         {},       0, s,
                      trimBlanks(QStringView(s).left(hyphen)), *quantity};
    return action;
}

void ReportLineParser::startLoad()
{
    m_reportFlag = false;
    m_loadedPower = 0;
}

QList<LoadAction> ReportLineParser::parseLine(const QString &line)
{
    using Kind = LoadAction::Kind;
    QList<LoadAction> actions;
    const std::uint32_t found = reportPhrases().find(line);
    const auto has = [found](Phrase phrase) { return ((found >> phrase) & 1) != 0; };

    if (has(SemiAutomaticAnnouncement))
        actions << tick(QStringLiteral("Check4"));
    if (has(AutomaticAnnouncement))
        actions << tick(QStringLiteral("Check3"));
    if (has(MusicBroadcast))
        actions << tick(QStringLiteral("Check5"));
    if (has(RemoteConsole))
        actions << tick(QStringLiteral("Check6"));
    if (has(SourcesHeading))
        m_reportFlag = true;
    if (has(ProposalHeading))
        m_reportFlag = false;
    const bool listed = m_sources == SourceLines::Listed && line.startsWith(QStringLiteral("- "));
    if (m_reportFlag && (has(SoftwareMark) || has(ConsoleMark) || listed)) {
        if (const auto action = readListedLine(line))
            actions << *action;
    }
    if (has(MultiZone))
        actions << tick(QStringLiteral("Check1"));
    if (has(ZoneCount)) {
        if (const auto n = countAfterLastHyphen(line))
            actions << withNumber(Kind::SetZoneCount, *n);
    }
    if (has(MultiChannel))
        actions << tick(QStringLiteral("Check2"));
    if (has(ChannelCount)) {
        if (const auto n = countAfterLastHyphen(line))
            actions << withNumber(Kind::SetChannelCount, *n);
    }
    if (has(AmplifierReserve))
        actions << tick(QStringLiteral("ChkBR"));
    if (has(AttenuatorControl))
        actions << tick(QStringLiteral("ChkAtt"));
    if (has(Fans))
        actions << tick(QStringLiteral("ChkBL"));
    if (has(AutomaticPowerOn))
        actions << tick(QStringLiteral("ChkPD"));
    if (has(PowerReserve))
        actions << tick(QStringLiteral("ChkRP"));
    if (has(Cabinet))
        actions << tick(QStringLiteral("ChkRU"));

    // The power: between the first colon (plus three) and the first " Вт".
    if (has(TotalPower)) {
        const qsizetype colon = line.indexOf(u':');
        const qsizetype watts = line.indexOf(QStringLiteral(" Вт"));
        const auto text = piece(line, colon + 3, watts - colon - 3);
        const std::optional<std::int32_t> power = text ? toInt32(leadingNumber(*text)) : std::nullopt;
        if (power) {
            m_loadedPower = *power;
            actions << LoadAction{Kind::SelectTotalPower, {}, 0, {}, {}, 0};
            actions << withText(Kind::SetTotalPowerText, QString::number(m_loadedPower));
        }
    }

    // The reserve: between the first hyphen (plus two) and the first "%". The power read so far had
    // the reserve added; it is taken off again.
    if (has(PowerReserveMargin)) {
        const qsizetype hyphen = line.indexOf(u'-');
        const qsizetype percent = line.indexOf(u'%');
        const auto text = piece(line, hyphen + 2, percent - hyphen - 2);
        const std::optional<std::int16_t> reserve = text ? toInt16(leadingNumber(*text)) : std::nullopt;
        if (reserve && *reserve >= 5 && *reserve <= 25) {
            // The quotient is below the 32-bit power itself, so it always converts.
            m_loadedPower = toInt32(m_loadedPower / (*reserve / 100.0 + 1)).value_or(0);
            actions << tick(QStringLiteral("ChkZP"));
            actions << withNumber(Kind::SetReserve, *reserve);
            actions << withText(Kind::SetTotalPowerText, QString::number(m_loadedPower));
        }
    }

    if (has(PerZone))
        actions << LoadAction{Kind::SelectPerZone, {}, 0, {}, {}, 0};
    if (has(ZoneLine))
        actions << withText(Kind::AddZoneLine, line.mid(2));
    return actions;
}

} // namespace orvika
