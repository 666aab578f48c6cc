#pragma once

#include "calc/proposal.h"
#include "calc/requirements.h"
#include "catalogue/catalogue.h"
#include "documents/picture.h"
#include "project/project_card.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// What every document of a finished calculation shows: the printed and PDF specification and the
// bills of materials. Made from the proposal and the requirements; the per-unit figures come from the
// catalogue line of each designation.
namespace orvika {

inline const QString DocumentTitle = QStringLiteral("Спецификация оборудования системы оповещения");

// 1 W of consumption given off as heat, in BTU per hour.
inline constexpr double BtuPerHourPerWatt = 3.412;

struct DocumentRow
{
    int position = 0; // from 1
    QString designation;
    std::int32_t quantity = 0;
    std::optional<double> unitPowerDraw;   // W per piece; empty when the catalogue has no figure
    std::optional<double> unitHeightUnits; // rack units per piece
    QString reason;

    // Per piece × quantity.
    std::optional<double> powerDraw() const
    {
        return unitPowerDraw ? std::optional(*unitPowerDraw * quantity) : std::nullopt;
    }
    std::optional<double> heightUnits() const
    {
        return unitHeightUnits ? std::optional(*unitHeightUnits * quantity) : std::nullopt;
    }
};

// A product or material the loudspeaker lines add, numbered on from the proposed lines.
struct MaterialRow
{
    int position = 0;
    QString designation;
    QString unit; // "шт." or "м"
    double quantity = 0;
    QString note; // the zones it serves
};

struct DocumentContent
{
    QDate date;
    QString object, customer; // from the project's card, named under the title when given
    QStringList requirements; // as the report states them, without its blank lines
    QStringList sources;      // the chosen sources' lines
    QList<DocumentRow> rows;  // one for each proposed line, in order
    Totals totals;            // as the calculation accounted them
    std::int64_t heatBtuPerHour = 0;
    QString schemeChoice;
    QList<Picture> pictures; // a page each, after the tables
    // From the loudspeaker lines of the project's card, when it has any.
    QList<MaterialRow> materials;
    QList<QStringList> lineRows; // the page "Линии громкоговорителей": a zone a row, the window's columns
    QString lineSettings; // the voltage, the loss limit and the cable reserve, in words
};

// The parts of the project's card the documents show: the object and the customer, the loudspeaker
// lines' products and materials and their table (of the zones the requirements have).
void addProjectParts(DocumentContent &content, const ProjectCard &card, const Requirements &requirements);

// A figure of a table cell with a decimal comma; empty where the catalogue gives none.
QString figureText(const std::optional<double> &value);

DocumentContent composeDocument(const Catalogue &catalogue, const Requirements &requirements,
                                const Proposal &proposal, const QDate &date, const QLocale &locale);

// The heat given off by a consumption in W, in BTU/h rounded to a whole number.
std::int64_t heatBtuPerHour(double watts);

} // namespace orvika
