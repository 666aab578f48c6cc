#include "documents/document_fixtures.h"
#include "project_documents/specification_xlsx.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orvika::test {
namespace {

// The workbook as a spreadsheet reader sees it: openpyxl, from Debian's own Python.
const char *const ReadWorkbook = R"(
import json, sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
sheet = book.worksheets[0]
card = book.worksheets[1]
print(json.dumps({
    "sheets": book.sheetnames,
    "rows": [[c.value for c in row] for row in sheet.iter_rows()],
    "widths": [sheet.column_dimensions[chr(65 + i)].width for i in range(9)],
    "wrapped": sheet["B3"].alignment.wrap_text,
    "paper": sheet.page_setup.paperSize,
    "orientation": sheet.page_setup.orientation,
    "titleRows": sheet.print_title_rows,
    "footer": [sheet.oddFooter.left.text, sheet.oddFooter.right.text],
    "card": [[c.value for c in row] for row in card.iter_rows()],
}, ensure_ascii=False))
)";

QJsonObject readBack(const QString &path)
{
    const QByteArray json = outputOf(QStringLiteral("/usr/bin/python3"),
                                     {QStringLiteral("-c"), QString::fromUtf8(ReadWorkbook), path});
    return QJsonDocument::fromJson(json).object();
}

EquipmentSpecification schoolSpecification()
{
    const Catalogue catalogue = bundledCatalogue();
    const Requirements requirements = everyOption();
    const Proposal proposal = calculate(catalogue, loadSchemeLibrary(DataDir).lines, requirements);
    ProjectCard card;
    card.object = QStringLiteral("Школа № 5");
    card.designation = QStringLiteral("05-26 & СОУЭ.С");
    card.supplier = QStringLiteral("ООО «Поставка»");
    card.revision = 1;
    return composeEquipmentSpecification(catalogue, requirements, proposal, card);
}

TEST(SpecificationXlsx, HoldsTheFormsColumnsRowsAndPrintSettings)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Спецификация ГОСТ.xlsx"));
    const EquipmentSpecification specification = schoolSpecification();
    ASSERT_EQ(writeEquipmentSpecificationXlsx(path, specification), std::nullopt);
    const QJsonObject book = readBack(path);
    ASSERT_FALSE(book.isEmpty()) << "openpyxl could not read the workbook";

    EXPECT_EQ(book.value(u"sheets").toArray(), QJsonArray({"Спецификация", "Сведения"}));
    const QJsonArray rows = book.value(u"rows").toArray();
    const QJsonArray header = rows.at(0).toArray();
    for (int column = 0; column < SpecificationColumnCount; ++column)
        EXPECT_EQ(header.at(column).toString(), specificationColumn(SpecificationColumn(column)).caption);
    EXPECT_EQ(rows.at(1).toArray().at(1).toString(), u"Оборудование");
    EXPECT_TRUE(rows.at(1).toArray().at(0).isNull());

    // Every proposed line, numbered, with numbers as numbers.
    const SpecificationRow &first = specification.rows.at(1);
    const QJsonArray firstRow = rows.at(2).toArray();
    EXPECT_EQ(firstRow.at(0).toDouble(), 1);
    EXPECT_EQ(firstRow.at(1).toString(), first.name);
    EXPECT_EQ(firstRow.at(2).toString(), first.type);
    EXPECT_EQ(firstRow.at(4).toString(), u"ООО «Поставка»");
    EXPECT_EQ(firstRow.at(5).toString(), u"шт.");
    EXPECT_TRUE(firstRow.at(6).isDouble());
    EXPECT_EQ(firstRow.at(6).toDouble(), *first.quantity);
    const qsizetype last = specification.rows.size(); // the header row is row 0
    EXPECT_EQ(rows.at(last).toArray().at(0).toDouble(), specification.rows.size() - 1);
    EXPECT_EQ(rows.at(last + 2).toArray().at(1).toString(), specification.totalsNote);

    // Widths in proportion to the form's millimetres.
    const QJsonArray widths = book.value(u"widths").toArray();
    for (int column = 0; column < SpecificationColumnCount; ++column)
        EXPECT_NEAR(widths.at(column).toDouble() / widths.at(1).toDouble(),
                    specificationColumn(SpecificationColumn(column)).widthMm / 130.0, 0.01)
            << "column " << column;
    EXPECT_TRUE(book.value(u"wrapped").toBool());

    EXPECT_EQ(book.value(u"paper").toInt(), 8); // A3
    EXPECT_EQ(book.value(u"orientation").toString(), u"landscape");
    EXPECT_EQ(book.value(u"titleRows").toString(), u"$1:$1");
    EXPECT_EQ(book.value(u"footer").toArray(), QJsonArray({"05-26 && СОУЭ.С", "Лист &P"}));

    const QJsonArray card = book.value(u"card").toArray();
    EXPECT_EQ(card.at(0).toArray(), QJsonArray({"Объект", "Школа № 5"}));
    EXPECT_EQ(card.at(12).toArray(), QJsonArray({"Изм.", 1}));
}

} // namespace
} // namespace orvika::test
