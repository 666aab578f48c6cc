#include "project_documents/equipment_specification.h"

#include "calc/calculation_state.h"
#include "catalogue/designation.h"
#include "files/number_text.h"
#include "lines/line_materials.h"
#include "lines/line_table.h"

#include <array>

namespace orvika {

const SpecificationColumnForm &specificationColumn(SpecificationColumn column)
{
    static const std::array<SpecificationColumnForm, SpecificationColumnCount> columns = {{
        {QStringLiteral("Поз."), 20},
        {QStringLiteral("Наименование и техническая характеристика"), 130},
        {QStringLiteral("Тип, марка, обозначение документа, опросного листа"), 60},
        {QStringLiteral("Код продукции"), 35},
        {QStringLiteral("Поставщик"), 45},
        {QStringLiteral("Ед. измерения"), 20},
        {QStringLiteral("Кол."), 20},
        {QStringLiteral("Масса 1 ед., кг"), 25},
        {QStringLiteral("Примечание"), 40},
    }};
    return columns[static_cast<std::size_t>(column)];
}

QString SpecificationRow::text(SpecificationColumn column) const
{
    switch (column) {
    case SpecificationColumn::Position:
        return position;
    case SpecificationColumn::Name:
        return name;
    case SpecificationColumn::Type:
        return type;
    case SpecificationColumn::Code:
        return code;
    case SpecificationColumn::Supplier:
        return supplier;
    case SpecificationColumn::Unit:
        return unit;
    case SpecificationColumn::Quantity:
        return quantity ? russianNumber(*quantity) : QString();
    case SpecificationColumn::Mass:
        return mass ? russianNumber(*mass) : QString();
    case SpecificationColumn::Note:
        break;
    }
    return note;
}

namespace {

SpecificationRow materialRow(const LineMaterial &material, const ProjectCard &card, int position)
{
    SpecificationRow row;
    row.position = QString::number(position);
    if (material.kind == LineMaterial::Loudspeaker) {
        row.name = unitName(material.designation);
        row.type = modelOf(material.designation);
        row.supplier = card.supplier;
    } else {
        row.name = material.section ? QStringLiteral("Кабель 2×%1 мм²").arg(lineNumber(*material.section))
                                    : QStringLiteral("Кабель");
        row.type = material.designation;
    }
    row.unit = material.unit();
    row.quantity = material.quantity;
    row.note = material.zonesText();
    return row;
}

} // namespace

EquipmentSpecification composeEquipmentSpecification(const Catalogue &, const Requirements &requirements,
                                                     const Proposal &proposal, const ProjectCard &card)
{
    EquipmentSpecification specification;
    specification.card = card;
    SpecificationRow heading;
    heading.heading = true;
    heading.name = EquipmentSection;
    specification.rows.append(heading);
    for (qsizetype i = 0; i < proposal.lines.size(); ++i) {
        const ProposedItem item = proposedItem(proposal, i);
        SpecificationRow row;
        row.position = QString::number(i + 1);
        row.name = unitName(item.designation);
        row.type = modelOf(item.designation);
        row.supplier = card.supplier;
        row.unit = PiecesUnit;
        row.quantity = item.quantity;
        specification.rows.append(row);
    }
    const QList<LineMaterial> materials = lineMaterials(card.lines, lineZoneCount(requirements));
    if (!materials.isEmpty()) {
        SpecificationRow section;
        section.heading = true;
        section.name = ProductsSection;
        specification.rows.append(section);
        int position = int(proposal.lines.size());
        for (const LineMaterial &material : materials)
            specification.rows.append(materialRow(material, card, ++position));
    }
    specification.totalsNote =
        QStringLiteral("Потребляемая мощность оборудования — %1 Вт; высота в шкафу — %2 U.")
            .arg(russianNumber(proposal.totals.powerDraw), russianNumber(proposal.totals.heightUnits));
    return specification;
}

} // namespace orvika
