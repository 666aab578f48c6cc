#include "catalogue/catalogue_reader.h"

#include "catalogue/catalogue_line.h"

namespace orvika {
namespace {

constexpr qsizetype CatalogueLineCount = 59;
constexpr int MinimumModelLines = 29;

bool isModelLine(const QString &line)
{
    return line.startsWith(u'K');
}

// Exactly 59 lines, the first a model line, at least 29 model lines.
bool passesValidityRule(const QStringList &lines)
{
    if (lines.size() != CatalogueLineCount || !isModelLine(lines.first()))
        return false;
    int models = 0;
    for (const QString &line : lines) {
        if (isModelLine(line))
            ++models;
    }
    return models >= MinimumModelLines;
}

// Reads one line into the catalogue; false when the line breaks the format.
class LineReader
{
public:
    LineReader(const QString &line, const QLocale &locale, Catalogue &catalogue)
        : m_line(line), m_locale(locale), m_catalogue(catalogue)
    {
    }

    bool read()
    {
        m_codes = catalogue_line::codesIn(m_line);
        if (m_codes == 0)
            return true;
        if (has(catalogue_line::MC) && !appendName(m_catalogue.microphones))
            return false;
        if (has(catalogue_line::AL) && !appendName(m_catalogue.alarmBlocks))
            return false;
        if (has(catalogue_line::MZ) && !appendName(m_catalogue.musicSources))
            return false;
        if (has(catalogue_line::RM) && !appendName(m_catalogue.consoles))
            return false;
        if (has(catalogue_line::AS) && !takeName(m_catalogue.asName))
            return false;
        if (has(catalogue_line::BR) && !appendName(m_catalogue.reserveUnits))
            return false;
        if (has(catalogue_line::SZ) && !readSelector())
            return false;
        if ((has(catalogue_line::AMP) || has(catalogue_line::UMP)) && !readAmplifier())
            return false;
        if (has(catalogue_line::PRED) && !readPreamp())
            return false;
        if (has(catalogue_line::AR) && !takeNameAndNumber(m_catalogue.arName, m_catalogue.arNumber, u"|", 2))
            return false;
        if (has(catalogue_line::MO) && !takeName(m_catalogue.moName))
            return false;
        if (has(catalogue_line::ML) && !takeNameAndNumber(m_catalogue.mlName, m_catalogue.mlNumber, u"*", 2))
            return false;
        if (has(catalogue_line::RP) && !takeName(m_catalogue.rpName))
            return false;
        if (has(catalogue_line::PD) && !takeNameAndNumber(m_catalogue.pdName, m_catalogue.pdNumber, u"*", 2))
            return false;
        if (has(catalogue_line::BL) && !takeNameAndNumber(m_catalogue.blName, m_catalogue.blNumber, u"*", 2))
            return false;
        if (has(catalogue_line::AI) && !takeName(m_catalogue.aiName))
            return false;
        if (has(catalogue_line::RU) && !readCabinet())
            return false;
        if (has(catalogue_line::UP) && !takeNameAndNumber(m_catalogue.upName, m_catalogue.upNumber, u"*", 4))
            return false;
        return true;
    }

private:
    bool has(catalogue_line::Code code) const { return (m_codes & code) != 0; }

    // The name of a unit line, which must carry its consumption and height figures.
    std::optional<QString> name() const
    {
        if (!catalogue_line::hasUnitFigures(m_line, m_locale))
            return std::nullopt;
        return catalogue_line::textBefore(m_line, u'#')->toString();
    }

    bool appendName(QStringList &items) const
    {
        const auto unit = name();
        if (unit)
            items.append(*unit);
        return unit.has_value();
    }

    bool takeName(QString &entry) const
    {
        const auto unit = name();
        if (unit)
            entry = *unit;
        return unit.has_value();
    }

    bool takeNameAndNumber(QString &entry, std::int32_t &number, QStringView separator,
                           qsizetype digits) const
    {
        const auto unit = name();
        const auto value = catalogue_line::wholeNumber(catalogue_line::fieldAfter(m_line, separator, digits));
        if (!unit || !value)
            return false;
        entry = *unit;
        number = *value;
        return true;
    }

    bool readSelector() const
    {
        const auto unit = name();
        const auto capacity = catalogue_line::wholeNumber(catalogue_line::fieldAfter(m_line, u"//"));
        if (!unit || !capacity)
            return false;
        m_catalogue.selectors.append({*unit, *capacity});
        return true;
    }

    // An empty descriptor declares no inputs; a non-empty one must be complete.
    std::optional<QString> unitDescriptor() const
    {
        const QStringView text = catalogue_line::descriptor(m_line);
        if (!text.isEmpty() && !catalogue_line::isWellFormedDescriptor(text))
            return std::nullopt;
        return text.toString();
    }

    bool readAmplifier() const
    {
        const auto unit = name();
        const auto power = catalogue_line::amplifierPower(m_line);
        const auto tail = unitDescriptor();
        if (!unit || !power || !tail)
            return false;
        m_catalogue.amplifiers.append({*unit, *power, *tail});
        return true;
    }

    bool readPreamp() const
    {
        const auto unit = name();
        const auto tail = unitDescriptor();
        if (!unit || !tail)
            return false;
        m_catalogue.preamps.append({*unit, *tail});
        return true;
    }

    // Cabinets carry no figures: the name ends at "*", the class follows "/", the height "|".
    bool readCabinet() const
    {
        const auto unit = catalogue_line::textBefore(m_line, u'*');
        const auto height = catalogue_line::cabinetHeight(catalogue_line::fieldAfter(m_line, u"|", 2));
        if (!unit || !height)
            return false;
        const QStringView cabinetClass = catalogue_line::fieldAfter(m_line, u"/", 2);
        if (cabinetClass == u"60")
            m_catalogue.cabinets60.append({unit->toString(), *height});
        else if (cabinetClass == u"80")
            m_catalogue.cabinets80.append({unit->toString(), *height});
        return true;
    }

    const QString &m_line;
    const QLocale &m_locale;
    Catalogue &m_catalogue;
    unsigned m_codes = 0;
};

} // namespace

CatalogueFile loadCatalogue(const QString &appDir)
{
    TextReadResult file = readTextFile(appDir + QStringLiteral("/Base/Base-Date"));
    CatalogueFile result;
    result.errorCode = file.errorCode;
    if (!file.errorCode)
        result.blockCount = static_cast<int>(file.lines.size());
    result.lines = file.lines.isEmpty() ? QStringList{QString()} : std::move(file.lines);
    return result;
}

std::optional<Catalogue> parseCatalogue(const QStringList &lines, const QLocale &locale)
{
    if (!passesValidityRule(lines))
        return std::nullopt;
    Catalogue catalogue;
    catalogue.lines = lines;
    catalogue.numberLocale = locale;
    for (const QString &line : lines) {
        if (!LineReader(line, locale, catalogue).read())
            return std::nullopt;
    }
    return catalogue;
}

} // namespace orvika
