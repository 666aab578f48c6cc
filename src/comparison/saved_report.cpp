#include "comparison/saved_report.h"

#include "files/numbers.h"
#include "report/report_file.h"
#include "report/report_parser.h"

namespace orvika {
namespace {

const QString RequirementsHeading = QStringLiteral("ТЕХНИЧЕСКОЕ ЗАДАНИЕ");
const QString SourcesHeading = QStringLiteral("ВЫБРАННЫЕ ЗВУКОВЫЕ ИСТОЧНИКИ");
const QString ProposalHeading = QStringLiteral("ПРЕДЛОЖЕННАЯ СПЕЦИФИКАЦИЯ");
const QString PowerTotal = QStringLiteral("Суммарная потребляемая мощность системы - ");
const QString HeightTotal = QStringLiteral("Суммарная высота блоков (в юнитах) - ");
const QString EmptySources = QStringLiteral("Список звуковых источников - пуст");

enum class Section { None, Requirements, Sources, Proposal, Totals };

// A rule of dashes ends a section; an underline only follows a heading.
bool isRule(const QString &line)
{
    return line.size() >= 10 && line.count(u'-') == line.size();
}

bool isUnderline(const QString &line)
{
    return !line.isEmpty() && line.count(u'_') == line.size();
}

std::optional<std::int64_t> totalAfter(const QString &line, const QString &prefix)
{
    const double value = leadingNumber(QStringView(line).mid(prefix.size()));
    const auto whole = toInt32(value);
    return whole ? std::optional<std::int64_t>(*whole) : std::nullopt;
}

// A section heading opens its section; a total is read and closes the sections. False for any
// other line.
bool readHeadingOrTotal(const QString &line, Section &section, SavedReport &report)
{
    // Listed lines and rules start with a hyphen, underlines with "_": none is a heading or total.
    if (line.isEmpty() || line.front() == u'-' || line.front() == u'_')
        return false;
    for (const auto &[heading, opens] :
         {std::pair{&RequirementsHeading, Section::Requirements},
          std::pair{&SourcesHeading, Section::Sources}, std::pair{&ProposalHeading, Section::Proposal}}) {
        if (line.startsWith(*heading)) {
            section = opens;
            report.isReport = true;
            return true;
        }
    }
    for (const auto &[prefix, total] :
         {std::pair{&PowerTotal, &report.powerDraw}, std::pair{&HeightTotal, &report.heightUnits}}) {
        if (line.startsWith(*prefix)) {
            *total = totalAfter(line, *prefix);
            report.damagedLines += *total ? 0 : 1;
            section = Section::Totals;
            return true;
        }
    }
    return false;
}

} // namespace

SavedReport parseSavedReport(const QStringList &lines)
{
    SavedReport report;
    Section section = Section::None;
    for (const QString &line : lines) {
        if (readHeadingOrTotal(line, section, report))
            continue;
        if (line.isEmpty() || isUnderline(line))
            continue;
        if (isRule(line)) {
            if (section == Section::Requirements || section == Section::Proposal)
                section = Section::None;
            continue;
        }
        switch (section) {
        case Section::Requirements:
            report.requirements.append(line);
            break;
        case Section::Sources:
        case Section::Proposal: {
            if (section == Section::Sources && line == EmptySources)
                break;
            const std::optional<LoadAction> listed =
                line.startsWith(QStringLiteral("- ")) ? readListedLine(line) : std::nullopt;
            if (!listed) {
                ++report.damagedLines;
                break;
            }
            (section == Section::Sources ? report.sources : report.equipment)
                .append({listed->name, listed->quantity});
            break;
        }
        case Section::None:
        case Section::Totals:
            break;
        }
    }
    return report;
}

std::optional<SavedReport> readSavedReport(const QString &path, QString *reason)
{
    const std::optional<QStringList> lines = readReportLines(path, reason);
    if (!lines)
        return std::nullopt;
    SavedReport report = parseSavedReport(*lines);
    if (!report.isReport) {
        if (reason)
            *reason = QStringLiteral("это не спецификация");
        return std::nullopt;
    }
    return report;
}

} // namespace orvika
