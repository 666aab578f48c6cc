#include "documents/bill_xlsx.h"
#include "documents/document_files.h"
#include "documents/document_fixtures.h"
#include "pictures/proposal_pictures.h"
#include "project_documents/equipment_specification.h"
#include "project_documents/specification_xlsx.h"
#include "support/workbook_numbers.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

// Every workbook reads alike on a Russian desktop and under C: a spreadsheet takes only a point for the
// decimal separator, whatever the notation of the user who wrote the file.
namespace orvika::test {
namespace {

ProjectCard cardWithTwoLines()
{
    ProjectCard card;
    card.designation = QStringLiteral("05-26 СОУЭ.С");
    card.supplier = QStringLiteral("ООО «Поставка»");
    card.lines.settings.cableReserve = 12.5;
    for (int zone = 1; zone <= 2; ++zone) {
        ZoneLine line;
        line.zone = zone;
        line.loudspeaker = QStringLiteral("K-3820 Громкоговоритель потолочный 6 Вт");
        line.power = 6;
        line.count = 10 * zone;
        line.length = 97.5 * zone;
        line.section = 0.75;
        line.cable = QStringLiteral("КПСнг(А)-FRLS");
        card.lines.zones.append(line);
    }
    return card;
}

struct CalculatedForWorkbooks
{
    Catalogue catalogue = bundledCatalogue();
    Requirements requirements = everyOption();
    Proposal proposal = calculate(catalogue, loadSchemeLibrary(DataDir).lines, requirements);
};

struct WrittenWorkbook
{
    const char *name;
    std::function<std::optional<QString>(const QString &)> write;
};

void PrintTo(const WrittenWorkbook &workbook, std::ostream *out)
{
    *out << workbook.name;
}

class WorkbookNotation : public ::testing::TestWithParam<WrittenWorkbook>
{
};

TEST_P(WorkbookNotation, ReadsTheSameUnderTheRussianLocaleAsUnderC)
{
    const WorkbookNumbers c = workbookNumbersWrittenUnder("C.UTF-8", GetParam().write);
    ASSERT_TRUE(c.error.isEmpty()) << qPrintable(c.error);
    const WorkbookNumbers russian = workbookNumbersWrittenUnder("ru_RU.UTF-8", GetParam().write);
    ASSERT_TRUE(russian.error.isEmpty()) << qPrintable(russian.error);
    EXPECT_EQ(russian.numbers.toStdString(), c.numbers.toStdString());

    // What is compared holds fractions: the library's widths in its character units and the margins.
    EXPECT_TRUE(c.numbers.contains(QStringLiteral("margins 0.7 0.7 0.75 0.75 0.3 0.3")))
        << qPrintable(c.numbers);
    EXPECT_TRUE(c.numbers.contains(QRegularExpression(QStringLiteral("^width [A-Z]+ \\d+\\.\\d+$"),
                                                      QRegularExpression::MultilineOption)))
        << qPrintable(c.numbers);
}

INSTANTIATE_TEST_SUITE_P(
    EveryWorkbook, WorkbookNotation,
    ::testing::Values(
        WrittenWorkbook{"Bill",
                        [](const QString &path) { return writeBillXlsx(path, documentOf(everyOption())); }},
        WrittenWorkbook{"BillWithLineMaterials",
                        [](const QString &path) {
                            const CalculatedForWorkbooks c;
                            return writeBillXlsx(path,
                                                 proposalDocument(c.catalogue, c.requirements, c.proposal,
                                                                  DocumentFormat::Xlsx, DocumentDate,
                                                                  QLocale::c(), cardWithTwoLines()));
                        }},
        WrittenWorkbook{"Form1",
                        [](const QString &path) {
                            const CalculatedForWorkbooks c;
                            return writeEquipmentSpecificationXlsx(
                                path, composeEquipmentSpecification(c.catalogue, c.requirements, c.proposal,
                                                                    cardWithTwoLines()));
                        }}),
    [](const ::testing::TestParamInfo<WrittenWorkbook> &info) { return std::string(info.param.name); });

} // namespace
} // namespace orvika::test
