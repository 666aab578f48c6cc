#include "project_documents/specification_pdf.h"
#include "sheet_fixtures.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orvika::test {
namespace {

// A cell of the sheet (mm), with room for the ascent and descent pdftotext counts around a word.
QRectF cell(double x, double y, double width, double height)
{
    return QRectF(x, y, width, height).adjusted(-0.5, -0.5, 0.5, 0.5);
}

constexpr double FirstTitleBlockTopMm = 252;
constexpr double FurtherTitleBlockTopMm = 277;

class SpecificationSheets : public ::testing::Test
{
protected:
    QList<PdfSheet> write(const EquipmentSpecification &specification)
    {
        const QString path = dir.filePath(QStringLiteral("Спецификация.pdf"));
        EXPECT_EQ(writeEquipmentSpecificationPdf(path, specification), std::nullopt);
        return sheetsOf(path);
    }

    QTemporaryDir dir;
};

TEST_F(SpecificationSheets, EverySheetIsA3LandscapeWithTheHeaderOverTheColumns)
{
    const QList<PdfSheet> sheets = write(handMadeSpecification(70));
    ASSERT_EQ(sheets.size(), 3);
    const struct
    {
        QString word;
        double leftMm, rightMm;
    } columns[] = {{QStringLiteral("Поз."), 20, 40},        {QStringLiteral("Наименование"), 40, 170},
                   {QStringLiteral("Тип,"), 170, 230},      {QStringLiteral("Код"), 230, 265},
                   {QStringLiteral("Поставщик"), 265, 310}, {QStringLiteral("Ед."), 310, 330},
                   {QStringLiteral("Кол."), 330, 350},      {QStringLiteral("Масса"), 350, 375},
                   {QStringLiteral("Примечание"), 375, 415}};
    for (const PdfSheet &sheet : sheets) {
        EXPECT_NEAR(sheet.points.width(), 1190.55, 0.5);
        EXPECT_NEAR(sheet.points.height(), 841.89, 0.5);
        for (const auto &column : columns)
            EXPECT_TRUE(sheet.has(column.word, cell(column.leftMm, 5, column.rightMm - column.leftMm, 15)))
                << column.word.toStdString();
    }
}

TEST_F(SpecificationSheets, TitleBlocksNameTheDocumentAndNumberTheSheets)
{
    const QList<PdfSheet> sheets = write(handMadeSpecification(70));
    ASSERT_EQ(sheets.size(), 3);
    const PdfSheet &first = sheets.first();
    const struct
    {
        QString word;
        QRectF place;
    } firstSheet[] = {
        {QStringLiteral("2"), cell(230, 257, 10, 5)}, // the revision
        {QStringLiteral("Разраб."), cell(230, 267, 20, 5)},
        {QStringLiteral("Петров"), cell(250, 267, 20, 5)},
        {QStringLiteral("12.26"), cell(285, 267, 10, 5)},
        {QStringLiteral("Кузнецов"), cell(250, 282, 20, 5)},
        {QStringLiteral("Утв."), cell(230, 287, 20, 5)},
        {QStringLiteral("0417-24-СОУЭ.С"), cell(295, 252, 120, 15)},
        {QStringLiteral("Школа"), cell(295, 267, 70, 10)},
        {QStringLiteral("Спецификация"), cell(295, 277, 70, 15)},
        {QStringLiteral("Стадия"), cell(365, 267, 15, 5)},
        {QStringLiteral("Р"), cell(365, 272, 15, 5)},
        {QStringLiteral("1"), cell(380, 272, 15, 5)},
        {QStringLiteral("Листов"), cell(395, 267, 20, 5)},
        {QStringLiteral("3"), cell(395, 272, 20, 5)},
        {QStringLiteral("«Проект-Связь»"), cell(365, 277, 50, 15)},
    };
    for (const auto &expected : firstSheet)
        EXPECT_TRUE(first.has(expected.word, expected.place)) << expected.word.toStdString();
    // Only the four people named have the date.
    EXPECT_EQ(first.find(QStringLiteral("12.26")).size(), 4);

    for (int number : {2, 3}) {
        const PdfSheet &sheet = sheets.at(number - 1);
        EXPECT_TRUE(sheet.has(QStringLiteral("Лист"), cell(405, 277, 10, 7))) << number;
        EXPECT_TRUE(sheet.has(QString::number(number), cell(405, 284, 10, 8))) << number;
        EXPECT_TRUE(sheet.has(QStringLiteral("0417-24-СОУЭ.С"), cell(295, 277, 110, 15))) << number;
        EXPECT_TRUE(sheet.has(QStringLiteral("Изм."), cell(230, 287, 10, 5))) << number;
        EXPECT_TRUE(sheet.find(QStringLiteral("Разраб.")).isEmpty()) << number;
        EXPECT_TRUE(sheet.find(QStringLiteral("Листов")).isEmpty()) << number;
    }
}

TEST_F(SpecificationSheets, RowsStandWholeAboveTheTitleBlockAndALongNameGrowsItsRow)
{
    EquipmentSpecification specification = handMadeSpecification(60);
    specification.rows[3].name = QStringLiteral("Изделие длинное ") + QStringLiteral("слово ").repeated(40);
    const QList<PdfSheet> sheets = write(specification);
    ASSERT_EQ(sheets.size(), 3);
    int rows = 0;
    for (qsizetype i = 0; i < sheets.size(); ++i)
        for (const PdfWord &word : sheets.at(i).words)
            if (word.text == QStringLiteral("Изделие")) {
                ++rows;
                EXPECT_LT(word.mm.bottom(), i == 0 ? FirstTitleBlockTopMm : FurtherTitleBlockTopMm) << i;
            }
    EXPECT_EQ(rows, 60);

    const QList<PdfWord> lines = sheets.first().find(QStringLiteral("слово"));
    ASSERT_EQ(lines.size(), 40);
    const double longRowEnd = lines.last().mm.bottom();
    EXPECT_GT(longRowEnd - lines.first().mm.top(), 8); // wrapped over more than one line
    EXPECT_GT(sheets.first().find(QStringLiteral("K-3004")).value(0).mm.top(), longRowEnd);
}

TEST_F(SpecificationSheets, TheTotalsStandOnceUnderTheTableOnTheLastSheetOrOnANewOne)
{
    // 29 rows of 8 mm fill the first sheet's table to its end: the totals go on to a sheet of their own.
    const struct
    {
        int rows;
        int sheets;
    } cases[] = {{27, 1}, {28, 2}, {80, 3}};
    for (const auto &expected : cases) {
        const QList<PdfSheet> sheets =
            write(handMadeSpecification(expected.rows, QStringLiteral("Потребляемая мощность — 120 Вт")));
        ASSERT_EQ(sheets.size(), expected.sheets) << expected.rows;
        const double titleBlockTop = sheets.size() == 1 ? FirstTitleBlockTopMm : FurtherTitleBlockTopMm;
        for (qsizetype i = 0; i + 1 < sheets.size(); ++i)
            EXPECT_TRUE(sheets.at(i).find(QStringLiteral("Потребляемая")).isEmpty()) << expected.rows;
        const QList<PdfWord> note = sheets.last().find(QStringLiteral("Потребляемая"));
        ASSERT_EQ(note.size(), 1) << expected.rows;
        EXPECT_TRUE(cell(20, 20, 210, titleBlockTop - 20).contains(note.first().mm)) << expected.rows;
        const QString last = QStringLiteral("K-%1").arg(3000 + expected.rows);
        for (const PdfWord &word : sheets.last().find(last))
            EXPECT_LT(word.mm.bottom(), note.first().mm.top()) << expected.rows;
    }
}

TEST_F(SpecificationSheets, ComposedFromACalculationEveryUnitIsListed)
{
    const EquipmentSpecification specification = composedSpecification(everyOption());
    const QList<PdfSheet> sheets = write(specification);
    ASSERT_EQ(sheets.size(), 1);
    EXPECT_TRUE(sheets.first().has(EquipmentSection, cell(40, 20, 130, 232)));
    for (const SpecificationRow &row : specification.rows) {
        if (!row.heading) {
            EXPECT_TRUE(sheets.first().has(row.type, cell(170, 20, 60, 232))) << row.type.toStdString();
        }
    }
    EXPECT_TRUE(sheets.first().has(QStringLiteral("1"), cell(395, 272, 20, 5)));
}

TEST_F(SpecificationSheets, AnEmptyCardStillDrawsTheWholeTitleBlock)
{
    EquipmentSpecification specification = handMadeSpecification(3);
    specification.card = ProjectCard{};
    specification.card.stage.clear();
    specification.card.supplier.clear();
    const QList<PdfSheet> sheets = write(specification);
    ASSERT_EQ(sheets.size(), 1);
    for (const QString &label : {QStringLiteral("Изм."), QStringLiteral("Кол.уч."), QStringLiteral("Разраб."),
                                 QStringLiteral("ГИП"), QStringLiteral("Утв."), QStringLiteral("Стадия"),
                                 QStringLiteral("Листов"), QStringLiteral("Спецификация")})
        EXPECT_EQ(sheets.first().find(label).size(), 1) << label.toStdString();
    for (const PdfWord &word : sheets.first().words)
        EXPECT_FALSE(QRectF(250.5, 267.5, 44, 24).intersects(word.mm))
            << word.text.toStdString(); // no names, no dates
}

TEST_F(SpecificationSheets, AFolderThatIsMissingIsAFailureAndLeavesNoFile)
{
    const auto error = writeEquipmentSpecificationPdf(dir.filePath(QStringLiteral("нет/Спецификация.pdf")),
                                                      handMadeSpecification(3));
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

} // namespace
} // namespace orvika::test
