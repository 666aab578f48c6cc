#pragma once

#include "calc/proposal.h"
#include "calc/requirements.h"
#include "catalogue/catalogue.h"
#include "project/project_card.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <optional>

// The project's "Спецификация оборудования, изделий и материалов" in the form of its standard
// (form 1): what its nine columns hold, row by row, made from the proposal and the project's card.
namespace orvika {

inline const QString EquipmentSpecificationName =
    QStringLiteral("Спецификация оборудования, изделий и материалов");
inline const QString EquipmentSection = QStringLiteral("Оборудование");
inline const QString ProductsSection = QStringLiteral("Изделия и материалы");
inline const QString PiecesUnit = QStringLiteral("шт.");
inline const QString MetresUnit = QStringLiteral("м");

// The columns of form 1, left to right.
enum class SpecificationColumn {
    Position,
    Name,
    Type,
    Code,
    Supplier,
    Unit,
    Quantity,
    Mass,
    Note,
};
inline constexpr int SpecificationColumnCount = 9;

struct SpecificationColumnForm
{
    QString caption;
    double widthMm;
};
// Captions and widths of the columns, in the order above: 395 mm in all.
const SpecificationColumnForm &specificationColumn(SpecificationColumn column);

struct SpecificationRow
{
    bool heading = false; // a section's heading, written in the name column
    QString position;     // "1", "2", …; empty for a heading
    QString name;         // the heading, or the name with its characteristics
    QString type;         // type, mark, designation of the document
    QString code;
    QString supplier;
    QString unit;
    std::optional<double> quantity;
    std::optional<double> mass; // kg per piece
    QString note;

    // The text of a column as the sheet shows it (numbers with a decimal comma).
    QString text(SpecificationColumn column) const;
};

struct EquipmentSpecification
{
    ProjectCard card;
    QList<SpecificationRow> rows;
    // Under the table: the consumption and the rack height of the equipment, which form 1 has no
    // column for.
    QString totalsNote;
};

EquipmentSpecification composeEquipmentSpecification(const Catalogue &catalogue,
                                                     const Requirements &requirements,
                                                     const Proposal &proposal, const ProjectCard &card);

} // namespace orvika
