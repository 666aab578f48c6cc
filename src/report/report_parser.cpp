#include "report/report_parser.h"

#include "catalogue/numbers.h"

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
    // Every line is searched for every phrase; each phrase's search table is made once per report.
    // The phrases are literals, so their text stays at one address, which is the quickest key.
    const auto has = [this, &line](const QString &phrase) {
        auto matcher = m_matchers.constFind(phrase.constData());
        if (matcher == m_matchers.cend())
            matcher = m_matchers.insert(phrase.constData(), QStringMatcher(phrase));
        return matcher->indexIn(line) >= 0;
    };

    if (has(QStringLiteral("Полуавтоматическое оповещение при помощи микрофона")))
        actions << tick(QStringLiteral("Check4"));
    if (has(QStringLiteral("Автоматическое оповещение")))
        actions << tick(QStringLiteral("Check3"));
    if (has(QStringLiteral("Музыкальная трансляция")))
        actions << tick(QStringLiteral("Check5"));
    if (has(QStringLiteral("Наличие удаленной микрофонной консоли")))
        actions << tick(QStringLiteral("Check6"));
    if (has(QStringLiteral("ВЫБРАННЫЕ ЗВУКОВЫЕ ИСТОЧНИКИ")))
        m_reportFlag = true;
    if (has(QStringLiteral("ПРЕДЛОЖЕННАЯ СПЕЦИФИКАЦИЯ")))
        m_reportFlag = false;
    if (m_reportFlag && (has(QStringLiteral("ZEP")) || has(QStringLiteral("- K-")))) {
        if (const auto action = readListedLine(line))
            actions << *action;
    }
    if (has(QStringLiteral("Многозонная система:")))
        actions << tick(QStringLiteral("Check1"));
    if (has(QStringLiteral("Количество зон"))) {
        if (const auto n = countAfterLastHyphen(line))
            actions << withNumber(Kind::SetZoneCount, *n);
    }
    if (has(QStringLiteral("Многоканальная система:")))
        actions << tick(QStringLiteral("Check2"));
    if (has(QStringLiteral("Количество каналов"))) {
        if (const auto n = countAfterLastHyphen(line))
            actions << withNumber(Kind::SetChannelCount, *n);
    }
    if (has(QStringLiteral("Возможность резервирования усилителей")))
        actions << tick(QStringLiteral("ChkBR"));
    if (has(QStringLiteral("Возможность управления аттенюаторами")))
        actions << tick(QStringLiteral("ChkAtt"));
    if (has(QStringLiteral("Наличие вентиляторов")))
        actions << tick(QStringLiteral("ChkBL"));
    if (has(QStringLiteral("Автоматическое включение питания")))
        actions << tick(QStringLiteral("ChkPD"));
    if (has(QStringLiteral("Возможность резервирования по питанию")))
        actions << tick(QStringLiteral("ChkRP"));
    if (has(QStringLiteral("Наличие шкафа для установки блоков")))
        actions << tick(QStringLiteral("ChkRU"));

    // The power: between the first colon (plus three) and the first " Вт".
    if (has(QStringLiteral("Суммарная мощность:"))) {
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
    if (has(QStringLiteral("Суммарная мощность подсчитана с учетом запаса"))) {
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

    if (has(QStringLiteral("Раскладка по зонам:")))
        actions << LoadAction{Kind::SelectPerZone, {}, 0, {}, {}, 0};
    if (has(QStringLiteral("- Зона")))
        actions << withText(Kind::AddZoneLine, line.mid(2));
    return actions;
}

} // namespace orvika
