#include "price_list/price_import.h"
#include "price_list/price_xlsx.h"
#include "price_list/xlsx_sheet_xml.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvika;

namespace {

// Writes a workbook with openpyxl, as a spreadsheet would: the script gets the path as sys.argv[1].
bool writeWorkbook(const QString &path, const char *script)
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import sys, openpyxl\nwb = openpyxl.Workbook()\nws = wb.active\n") +
                      QString::fromUtf8(script) + QStringLiteral("\nwb.save(sys.argv[1])\n"),
                  path});
    return python.waitForFinished(60000) && python.exitStatus() == QProcess::NormalExit &&
           python.exitCode() == 0;
}

QByteArray sheetXml(const char *sheetData)
{
    return QByteArray("<?xml version=\"1.0\"?><worksheet "
                      "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>") +
           sheetData + "</sheetData></worksheet>";
}

} // namespace

TEST(PriceXlsx, FirstSheetOfAWorkbookImported)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("прайс.xlsx"));
    ASSERT_TRUE(writeWorkbook(path, R"(ws.title = 'Цены'
ws.append(['Прайс-лист на 01.12.2026'])
ws.append([])
ws.append(['Артикул', 'Наименование', 'Цена, руб.'])
ws.append(['К-3520', 'Громкоговоритель', 1200.5])
ws.append(['ТМ-1', None, 45000])
ws['A7'] = 'ПК-1'
ws['C7'] = 0.1 + 0.2
ws.append([None, 'Кабель', '38,90 руб.'])
ws2 = wb.create_sheet('Прочее')
ws2.append(['Модель', 'Цена'])
ws2.append(['X', 1]))"));
    const PriceImport import = importPriceFile(path, QDate(2026, 12, 8));
    ASSERT_EQ(import.outcome, PriceImport::Imported) << import.message.toStdString();
    EXPECT_EQ(import.list.entries,
              (QList<PriceEntry>{
                  {QString::fromUtf8("К-3520"), QString::fromUtf8("Громкоговоритель"), 120050, Roubles, 4},
                  {QString::fromUtf8("ТМ-1"), QString(), 4500000, Roubles, 5},
                  {QString::fromUtf8("ПК-1"), QString(), 30, Roubles, 7},
                  {QString(), QString::fromUtf8("Кабель"), 3890, Roubles, 8}}));
}

TEST(PriceXlsx, NotAWorkbookRefused)
{
    EXPECT_FALSE(xlsxTable("PK\x03\x04 not really a package").error.isEmpty());
    EXPECT_FALSE(xlsxTable({}).error.isEmpty());
    QTemporaryDir folder;
    // A zip package, but not a workbook.
    const QString path = folder.filePath(QStringLiteral("не книга.xlsx"));
    QProcess python;
    python.start(
        QStringLiteral("/usr/bin/python3"),
        {QStringLiteral("-c"),
         QStringLiteral("import sys, zipfile\nzipfile.ZipFile(sys.argv[1], 'w').writestr('a.txt', 'x')"),
         path});
    ASSERT_TRUE(python.waitForFinished(60000) && python.exitCode() == 0);
    const PriceImport import = importPriceFile(path, QDate(2026, 12, 8));
    EXPECT_EQ(import.outcome, PriceImport::Refused);
    EXPECT_EQ(import.message,
              QString::fromUtf8(
                  "Файл «не книга.xlsx» не прочитан: это не книга Excel (XLSX): в архиве нет её описания."));
}

TEST(PriceXlsx, SheetCellsByReferenceWithGaps)
{
    const QStringList strings{QStringLiteral("Модель"), QStringLiteral("Цена")};
    const PriceTable table = sheetTable(sheetXml(R"(
<row r="2"><c r="A2" t="s"><v>0</v></c><c r="C2" t="s"><v>1</v></c></row>
<row r="3"><c r="A3" t="inlineStr"><is><t>К-1</t></is></c><c r="C3"><v>1.2345E3</v></c></row>
<row r="4"><c r="B4" t="inlineStr"><is><r><t>Громко</t></r><r><t>говоритель</t></r><rPh><t>x</t></rPh></is></c>
  <c r="AB4" t="b"><v>1</v></c></row>
<row r="5"><c r="A5" t="s"><v>7</v></c></row>
<row><c><v>5E-3</v></c><c t="str"><f>A1</f><v>итог</v></c><c t="e"><v>#N/A</v></c></row>
<row r="9"><c r="A9"><v>-1.5E2</v></c><c r="B9"><v>12E2</v></c></row>)"),
                                        strings);
    const PriceTable expected{
        {2, {QStringLiteral("Модель"), {}, QStringLiteral("Цена")}},
        {3, {QStringLiteral("К-1"), {}, QStringLiteral("1234.5")}},
        {4, QStringList{{}, QStringLiteral("Громкоговоритель")} + QStringList(25) +
                QStringList{QStringLiteral("1")}},
        {6, {QStringLiteral("0.005"), QStringLiteral("итог"), QStringLiteral("#N/A")}},
        {9, {QStringLiteral("-150"), QStringLiteral("1200")}},
    };
    EXPECT_EQ(table, expected);
}

// Some writers name the sheet's elements with a prefix of the spreadsheet's namespace.
TEST(PriceXlsx, SheetWithPrefixedElementsReadAlike)
{
    const QByteArray prefixed =
        "<?xml version=\"1.0\"?><x:worksheet "
        "xmlns:x=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><x:sheetData>"
        "<x:row r=\"2\"><x:c r=\"A2\" t=\"inlineStr\"><x:is><x:t>К-1</x:t></x:is></x:c>"
        "<x:c r=\"C2\"><x:v>12.5</x:v></x:c></x:row></x:sheetData></x:worksheet>";
    const PriceTable expected{{2, {QStringLiteral("К-1"), {}, QStringLiteral("12.5")}}};
    EXPECT_EQ(sheetTable(prefixed, {}), expected);
}

TEST(PriceXlsx, FirstSheetAndSharedStringsFoundThroughTheRelationships)
{
    const QByteArray workbook =
        R"(<workbook xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">
<sheets><sheet name="Прайс" sheetId="3" r:id="rId7"/><sheet name="Б" sheetId="1" r:id="rId1"/></sheets></workbook>)";
    const QByteArray relationships = R"(<Relationships>
<Relationship Id="rId1" Type="http://x/worksheet" Target="worksheets/sheet1.xml"/>
<Relationship Id="rId7" Type="http://x/worksheet" Target="/xl/worksheets/sheet3.xml"/>
<Relationship Id="rId9" Type="http://x/sharedStrings" Target="strings.xml"/></Relationships>)";
    EXPECT_EQ(firstSheetPath(workbook, relationships), QStringLiteral("xl/worksheets/sheet3.xml"));
    EXPECT_EQ(sharedStringsPath(relationships), QStringLiteral("xl/strings.xml"));
    EXPECT_EQ(sharedStringsPath("<Relationships/>"), QStringLiteral("xl/sharedStrings.xml"));
    EXPECT_EQ(firstSheetPath("<workbook/>", relationships), QString());
    EXPECT_EQ(
        sharedStrings(
            R"(<sst><si><t>a</t></si><si><r><t>b</t></r><r><t xml:space="preserve"> c</t></r><rPh><t>no</t></rPh></si><si/></sst>)"),
        (QStringList{QStringLiteral("a"), QStringLiteral("b c"), QString()}));
}
