#include "document_fixtures.h"
#include "documents/bill_xlsx.h"

#include <QDir>
#include <QMap>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace orvika::test {
namespace {

// A workbook read back from its XML parts with unzip: per sheet, each cell's value (shared strings
// resolved) or formula.
class ReadBack
{
public:
    explicit ReadBack(const QString &path) : m_path(path)
    {
        QXmlStreamReader shared(part(QStringLiteral("xl/sharedStrings.xml")));
        while (!shared.atEnd()) {
            if (shared.readNext() == QXmlStreamReader::StartElement && shared.name() == u"t")
                m_strings.append(shared.readElementText());
        }
    }

    QByteArray part(const QString &name) const
    {
        return outputOf(QStringLiteral("unzip"), {QStringLiteral("-p"), m_path, name});
    }

    QStringList sheetNames() const
    {
        QStringList names;
        QXmlStreamReader book(part(QStringLiteral("xl/workbook.xml")));
        while (!book.atEnd()) {
            if (book.readNext() == QXmlStreamReader::StartElement && book.name() == u"sheet")
                names.append(book.attributes().value(QStringLiteral("name")).toString());
        }
        return names;
    }

    struct Cell
    {
        QString type; // "s" for a shared string, "" for a number
        QString value;
        QString formula;
    };

    QMap<QString, Cell> cells(int sheet) const
    {
        QMap<QString, Cell> cells;
        QXmlStreamReader xml(part(QStringLiteral("xl/worksheets/sheet%1.xml").arg(sheet)));
        QString ref;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"c") {
                ref = xml.attributes().value(QStringLiteral("r")).toString();
                cells[ref].type = xml.attributes().value(QStringLiteral("t")).toString();
            } else if (xml.name() == u"v") {
                Cell &cell = cells[ref];
                cell.value = xml.readElementText();
                if (cell.type == u"s")
                    cell.value = m_strings.value(cell.value.toInt());
            } else if (xml.name() == u"f") {
                cells[ref].formula = xml.readElementText();
            }
        }
        return cells;
    }

private:
    QString m_path;
    QStringList m_strings;
};

TEST(BillXlsx, TheBillSheetHoldsTheRowsAsNumbersAndTextWithFormulaTotals)
{
    const DocumentContent content = documentOf(everyOption());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Спецификация.xlsx"));
    ASSERT_EQ(writeBillXlsx(path, content), std::nullopt);

    const ReadBack book(path);
    EXPECT_EQ(book.sheetNames(), (QStringList{BillSheetName, RequirementsSheetName}));
    const auto cells = book.cells(1);
    QStringList header;
    for (const char *column : {"A1", "B1", "C1", "D1", "E1", "F1"})
        header.append(cells.value(QString::fromLatin1(column)).value);
    EXPECT_EQ(header, (QStringList{QStringLiteral("№"), QStringLiteral("Обозначение"),
                                   QStringLiteral("Количество"), QStringLiteral("Потребление, Вт"),
                                   QStringLiteral("Высота, U"), QStringLiteral("Основание")}));
    double pieces = 0, power = 0;
    for (const DocumentRow &row : content.rows) {
        const QString n = QString::number(row.position + 1);
        EXPECT_EQ(cells.value(u'A' + n).type, QString()) << "a number";
        EXPECT_EQ(cells.value(u'A' + n).value.toInt(), row.position);
        EXPECT_EQ(cells.value(u'B' + n).value, row.designation);
        EXPECT_EQ(cells.value(u'C' + n).type, QString());
        EXPECT_EQ(cells.value(u'C' + n).value.toInt(), row.quantity);
        EXPECT_EQ(cells.contains(u'D' + n), row.unitPowerDraw.has_value());
        if (row.unitPowerDraw) {
            EXPECT_DOUBLE_EQ(cells.value(u'D' + n).value.toDouble(), *row.unitPowerDraw);
        }
        EXPECT_EQ(cells.value(u'F' + n).value, row.reason);
        pieces += row.quantity;
        power += row.powerDraw().value_or(0);
    }
    const QString last = QString::number(content.rows.size() + 1);
    const QString totals = QString::number(content.rows.size() + 2);
    EXPECT_EQ(cells.value(u'B' + totals).value, QStringLiteral("Итого"));
    EXPECT_EQ(cells.value(u'C' + totals).formula, QStringLiteral("SUM(C2:C") + last + u')');
    EXPECT_EQ(cells.value(u'C' + totals).value.toDouble(), pieces);
    EXPECT_EQ(cells.value(u'D' + totals).formula,
              QStringLiteral("SUMPRODUCT($C$2:$C$%1,D$2:D$%1)").arg(last));
    EXPECT_EQ(cells.value(u'D' + totals).value.toDouble(), power);

    const QByteArray sheet = book.part(QStringLiteral("xl/worksheets/sheet1.xml"));
    EXPECT_TRUE(
        sheet.contains("<pane ySplit=\"1\" topLeftCell=\"A2\" activePane=\"bottomLeft\" state=\"frozen\"/>"))
        << "the header row is frozen";
    EXPECT_TRUE(sheet.contains("<col min=\"2\" max=\"2\"")) << "column widths are set";

    const auto requirements = book.cells(2);
    QStringList stated;
    for (int row = 1; requirements.contains(QStringLiteral("A%1").arg(row)); ++row)
        stated.append(requirements.value(QStringLiteral("A%1").arg(row)).value);
    EXPECT_EQ(stated, content.requirements);
}

TEST(BillXlsx, AFolderThatIsMissingIsAFailureAndLeavesNoFile)
{
    QTemporaryDir dir;
    const auto error =
        writeBillXlsx(dir.filePath(QStringLiteral("нет/Спецификация.xlsx")), documentOf(everyOption()));
    ASSERT_TRUE(error.has_value());
    EXPECT_FALSE(error->isEmpty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

} // namespace
} // namespace orvika::test
