#include "document_fixtures.h"
#include "report/report_writer.h"

#include <gtest/gtest.h>

namespace orvika::test {
namespace {

TEST(DocumentContent, RowsFollowTheProposalWithTheCatalogueFiguresOfEachDesignation)
{
    const Requirements requirements = everyOption();
    const Catalogue catalogue = bundledCatalogue();
    const Proposal proposal = calculate(catalogue, loadSchemeLibrary(DataDir).lines, requirements);
    ASSERT_TRUE(proposal.complete);
    const DocumentContent content =
        composeDocument(catalogue, requirements, proposal, DocumentDate, QLocale::c());

    ASSERT_EQ(content.rows.size(), proposal.lines.size());
    for (const DocumentRow &row : content.rows) {
        const qsizetype i = row.position - 1;
        EXPECT_EQ(row.designation + QStringLiteral(" - %1 шт.").arg(row.quantity), proposal.lines.at(i));
        EXPECT_EQ(row.reason, proposal.items.at(i).reason);
    }
    // K-3520 Усилитель мощности (1000)#1400%3&AMP...: per piece and in all.
    const auto amplifier = std::find_if(content.rows.begin(), content.rows.end(), [](const DocumentRow &row) {
        return row.designation == QStringLiteral("K-3520 Усилитель мощности (1000)");
    });
    ASSERT_NE(amplifier, content.rows.end());
    EXPECT_EQ(amplifier->unitPowerDraw, 1400);
    EXPECT_EQ(amplifier->unitHeightUnits, 3);
    EXPECT_EQ(amplifier->powerDraw(), 1400.0 * amplifier->quantity);
    // A cabinet line has no consumption or height fields: its cells stay empty.
    const DocumentRow &cabinet = content.rows.last();
    EXPECT_TRUE(cabinet.designation.startsWith(QStringLiteral("K-3710 ")));
    EXPECT_EQ(cabinet.unitPowerDraw, std::nullopt);
    EXPECT_EQ(cabinet.heightUnits(), std::nullopt);

    EXPECT_EQ(content.totals, proposal.totals);
    EXPECT_EQ(content.heatBtuPerHour, heatBtuPerHour(proposal.totals.powerDraw));
    EXPECT_EQ(content.schemeChoice, proposal.schemeChoice);
    EXPECT_EQ(content.sources, requirements.sourceLines);
    QStringList stated = composeRequirements(requirements, proposal.totalPower, QLocale::c());
    stated.removeAll(QString());
    EXPECT_EQ(content.requirements, stated);
}

TEST(DocumentContent, HeatInBtuPerHourIsRoundedToAWholeNumber)
{
    EXPECT_EQ(heatBtuPerHour(0), 0);
    EXPECT_EQ(heatBtuPerHour(1), 3);
    EXPECT_EQ(heatBtuPerHour(1695), 5783); // 5783.34
    EXPECT_EQ(heatBtuPerHour(1000), 3412);
    EXPECT_EQ(heatBtuPerHour(125), 427); // 426.5 rounds up
}

TEST(DocumentContent, AUnitTheCatalogueDoesNotNameHasNoFigures)
{
    Requirements requirements;
    requirements.sourceLines = {QStringLiteral("K-9999 Изделие не из каталога - 2 шт.")};
    requirements.powerMode = PowerMode::Total;
    requirements.totalPowerText = QStringLiteral("100");
    const DocumentContent content = documentOf(requirements);
    ASSERT_FALSE(content.rows.isEmpty());
    EXPECT_EQ(content.rows.first().designation, QStringLiteral("K-9999 Изделие не из каталога"));
    EXPECT_EQ(content.rows.first().quantity, 2);
    EXPECT_EQ(content.rows.first().unitPowerDraw, std::nullopt);
    EXPECT_EQ(content.rows.first().unitHeightUnits, std::nullopt);
}

} // namespace
} // namespace orvika::test
