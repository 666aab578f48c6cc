#include "pictures/proposal_pictures.h"
#include "project_documents/scheme_sheet.h"
#include "project_documents/title_block.h"
#include "sheet_fixtures.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// The structural scheme: the block diagram on a framed A3 sheet above the title block of form 3.
namespace orvika::test {
namespace {

TEST(StructuralScheme, TheDiagramAboveTheTitleBlockOfADrawing)
{
    const Catalogue catalogue = bundledCatalogue();
    const Requirements requirements = everyOption();
    const Proposal proposal = calculate(catalogue, loadSchemeLibrary(DataDir).lines, requirements);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("схема.pdf"));
    ASSERT_EQ(writeStructuralSchemePdf(path, proposalDiagramPicture(catalogue, requirements, proposal),
                                       filledCard()),
              std::nullopt);
    const QList<PdfSheet> sheets = sheetsOf(path);
    ASSERT_EQ(sheets.size(), 1);
    const PdfSheet &sheet = sheets.first();
    EXPECT_NEAR(sheet.points.width(), 1190.55, 0.5);
    EXPECT_NEAR(sheet.points.height(), 841.89, 0.5);

    // Form 3 in the frame's corner: 185 × 55 mm, its texts in their cells.
    const QRectF block(420 - 5 - 185, 297 - 5 - 55, 185, 55);
    const auto at = [&block](double x, double y, double w, double h) {
        return QRectF(block.left() + x, block.top() + y, w, h);
    };
    EXPECT_TRUE(sheet.has(QStringLiteral("0417-24-СОУЭ.С"), at(65, 0, 120, 15)));
    EXPECT_TRUE(sheet.has(QStringLiteral("Школа"), at(65, 15, 70, 15)));
    EXPECT_TRUE(sheet.has(QStringLiteral("Схема"), at(65, 30, 70, 25)));
    EXPECT_TRUE(sheet.has(QStringLiteral("структурная"), at(65, 30, 70, 25)));
    EXPECT_TRUE(sheet.has(QStringLiteral("Стадия"), at(135, 15, 15, 5)));
    EXPECT_TRUE(sheet.has(QStringLiteral("Листов"), at(165, 15, 20, 5)));
    EXPECT_TRUE(sheet.has(QStringLiteral("1"), at(150, 20, 15, 10)));
    EXPECT_TRUE(sheet.has(QStringLiteral("Изм."), at(0, 10, 10, 5)));
    EXPECT_TRUE(sheet.has(QStringLiteral("Петров"), at(20, 15, 20, 5)));
    EXPECT_TRUE(sheet.has(QStringLiteral("Кузнецов"), at(20, 30, 20, 5)));
    EXPECT_TRUE(sheet.has(QStringLiteral("«Проект-Связь»"), at(135, 30, 50, 25)));

    // Every unit of the proposal is drawn inside the frame, above the title block.
    const QRectF area = schemeAreaMm();
    for (const ProposedItem &item : proposal.items) {
        const QString model = item.designation.section(u' ', 0, 0);
        EXPECT_TRUE(sheet.has(model, area)) << model.toStdString();
    }
    EXPECT_NEAR(area.bottom(), block.top() - 5, 1e-9);
}

TEST(StructuralScheme, AnEmptyCardStillDrawsTheWholeTitleBlock)
{
    const DrawingForm form = drawingTitleBlock(ProjectCard(), StructuralSchemeName, 1, 1);
    EXPECT_EQ(form.sizeMm, QSizeF(185, 55));
    QStringList texts;
    for (const FormCell &cell : form.cells) {
        EXPECT_TRUE(QRectF(QPointF(0, 0), form.sizeMm).contains(cell.rectMm)) << cell.text.toStdString();
        if (!cell.text.isEmpty())
            texts.append(cell.text);
    }
    for (const char *caption : {"Разраб.", "Пров.", "Н. контр.", "ГИП", "Утв.", "Стадия", "Лист", "Листов",
                                "Схема структурная", "Изм.", "Подп."})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(caption))) << caption;
}

} // namespace
} // namespace orvika::test
