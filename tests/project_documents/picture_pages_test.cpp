#include "documents/document_files.h"
#include "pictures/proposal_pictures.h"
#include "sheet_fixtures.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// The pictures' pages of the printed specification: each as large as its page allows.
namespace orvika::test {
namespace {

// A microphone, two channels of 3200 W with a reserve amplifier and line control.
Requirements twoChannels()
{
    Requirements r;
    r.semiAutomatic = true;
    r.multiChannel = true;
    r.channelCount = 2;
    r.powerMode = PowerMode::Total;
    r.totalPowerText = QStringLiteral("3200");
    r.amplifierReserve = true;
    r.reserveUnitText = QStringLiteral("K-3240 Блок переключения на резервный усилитель");
    r.lineControl = LineControl::Automatic;
    r.sourceLines = {QStringLiteral("K-3124 Микрофон ручной динамический - 1 шт.")};
    r.selectionTotals = {1, 0, 0};
    return r;
}

TEST(PicturePages, TheDiagramAcrossALandscapePageItsSmallestTextTwoMillimetresHigh)
{
    const Catalogue catalogue = bundledCatalogue();
    const Requirements requirements = twoChannels();
    const Proposal proposal = calculate(catalogue, loadSchemeLibrary(DataDir).lines, requirements);
    const DocumentContent content =
        proposalDocument(catalogue, requirements, proposal, DocumentFormat::Pdf, DocumentDate, QLocale::c());
    ASSERT_EQ(content.pictures.size(), 2);
    const Picture &rack = content.pictures[0];
    const Picture &diagram = content.pictures[1];
    ASSERT_GT(diagram.size.width(), diagram.size.height());
    ASSERT_LT(rack.size.width(), rack.size.height());

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("документ.pdf"));
    ASSERT_EQ(writeDocumentFile(DocumentFormat::Pdf, path, content), std::nullopt);
    const QList<PdfSheet> pages = sheetsOf(path);
    ASSERT_GE(pages.size(), 3);
    for (qsizetype i = 0; i + 1 < pages.size(); ++i)
        EXPECT_LT(pages[i].points.width(), pages[i].points.height()) << "page " << i + 1 << " portrait";
    const PdfSheet &last = pages.last();
    EXPECT_GT(last.points.width(), last.points.height()) << "the diagram's page landscape";

    // The legend is in the diagram's smallest type. A word's box is the face's ascent and descent
    // (1.164 of its size in DejaVu Sans), its capitals 0.729 of the size.
    const QList<PdfWord> legend = last.find(QStringLiteral("сигнал"));
    ASSERT_EQ(legend.size(), 1);
    const double capitals = legend.first().mm.height() / 1.164 * 0.729;
    EXPECT_GE(capitals, 2.0);
}

} // namespace
} // namespace orvika::test
