#include "documents/bill_csv.h"
#include "documents/document_fixtures.h"
#include "pictures/proposal_pictures.h"
#include "project_documents/equipment_specification.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The loudspeakers and cable of the project's lines in every document of a calculation.
namespace orvika::test {
namespace {

ProjectCard cardWithLines()
{
    ProjectCard card;
    card.supplier = QStringLiteral("ООО «Поставка»");
    card.lines.settings.cableReserve = 10;
    const auto line = [](int zone, const char *name, int count, double length) {
        ZoneLine l;
        l.zone = zone;
        l.name = QString::fromUtf8(name);
        l.loudspeaker = QStringLiteral("K-3820 Громкоговоритель потолочный 6 Вт");
        l.power = 6;
        l.count = count;
        l.length = length;
        l.section = 1.5;
        l.cable = QStringLiteral("КПСнг(А)-FRLS");
        return l;
    };
    card.lines.zones = {line(1, "Холл", 12, 180), line(2, "Кафе", 8, 95)};
    return card;
}

struct Computed
{
    Catalogue catalogue = bundledCatalogue();
    Requirements requirements = everyOption(); // 12 zones
    Proposal proposal = calculate(catalogue, loadSchemeLibrary(DataDir).lines, requirements);
};

TEST(LineMaterialsInDocuments, Form1ListsThemUnderProductsAndMaterials)
{
    const Computed c;
    const EquipmentSpecification specification =
        composeEquipmentSpecification(c.catalogue, c.requirements, c.proposal, cardWithLines());
    const qsizetype equipment = c.proposal.lines.size();
    ASSERT_EQ(specification.rows.size(), 1 + equipment + 1 + 2);
    const SpecificationRow &section = specification.rows.at(equipment + 1);
    EXPECT_TRUE(section.heading);
    EXPECT_EQ(section.name, u"Изделия и материалы");
    const SpecificationRow &loudspeakers = specification.rows.at(equipment + 2);
    EXPECT_EQ(loudspeakers.position, QString::number(equipment + 1));
    EXPECT_EQ(loudspeakers.name, u"Громкоговоритель потолочный 6 Вт");
    EXPECT_EQ(loudspeakers.type, u"K-3820");
    EXPECT_EQ(loudspeakers.supplier, u"ООО «Поставка»");
    EXPECT_EQ(loudspeakers.quantity, 20);
    const SpecificationRow &cable = specification.rows.last();
    EXPECT_EQ(cable.name, u"Кабель 2×1,5 мм²");
    EXPECT_EQ(cable.type, u"КПСнг(А)-FRLS");
    EXPECT_EQ(cable.unit, u"м");
    EXPECT_EQ(cable.quantity, 303); // (180 + 95) m and 10 %
    EXPECT_EQ(cable.note, u"зоны 1, 2");

    const EquipmentSpecification without =
        composeEquipmentSpecification(c.catalogue, c.requirements, c.proposal, ProjectCard());
    EXPECT_EQ(without.rows.size(), 1 + equipment) << "no section without lines";
}

TEST(LineMaterialsInDocuments, TheBillAndTheA4DocumentListThemAndItsLinesPage)
{
    const Computed c;
    const DocumentContent content =
        proposalDocument(c.catalogue, c.requirements, c.proposal, DocumentFormat::Pdf, DocumentDate,
                         QLocale::c(), cardWithLines());
    ASSERT_EQ(content.materials.size(), 2);
    EXPECT_EQ(content.materials.first().position, content.rows.size() + 1);
    EXPECT_EQ(content.lineRows.size(), 12) << "a row for each of the 12 zones";

    const QString csv = QString::fromUtf8(billAsCsv(content));
    EXPECT_TRUE(csv.contains(QStringLiteral("K-3820 Громкоговоритель потолочный 6 Вт;20;;;")));
    EXPECT_TRUE(csv.contains(QStringLiteral("Кабель КПСнг(А)-FRLS 2×1,5 мм²;303;")));

    QTemporaryDir dir;
    const QString book = dir.filePath(QStringLiteral("a.xlsx"));
    ASSERT_EQ(writeDocumentFile(DocumentFormat::Xlsx, book, content), std::nullopt);
    const QString strings = QString::fromUtf8(outputOf(
        QStringLiteral("unzip"), {QStringLiteral("-p"), book, QStringLiteral("xl/sharedStrings.xml")}));
    EXPECT_TRUE(strings.contains(QStringLiteral("Изделия и материалы")));
    EXPECT_TRUE(strings.contains(QStringLiteral("Кабель КПСнг(А)-FRLS 2×1,5 мм²")));

    const QString path = dir.filePath(QStringLiteral("a.pdf"));
    ASSERT_EQ(writeDocumentFile(DocumentFormat::Pdf, path, content), std::nullopt);
    const QString text = QString::fromUtf8(
        outputOf(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")}));
    EXPECT_TRUE(text.contains(QStringLiteral("Изделия и материалы")));
    EXPECT_TRUE(text.contains(QStringLiteral("Линии громкоговорителей")));
    EXPECT_TRUE(
        text.contains(QStringLiteral("Напряжение линии 100 В; допустимые потери 10 %; запас кабеля 10 %")));
    EXPECT_TRUE(text.contains(QStringLiteral("Холл")));
}

} // namespace
} // namespace orvika::test
