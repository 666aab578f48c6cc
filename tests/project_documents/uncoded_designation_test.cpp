#include "pictures/block_diagram.h"
#include "pictures/picture_scene.h"
#include "pictures/proposal_pictures.h"
#include "project_documents/specification_pdf.h"
#include "project_documents/specification_xlsx.h"
#include "sheet_fixtures.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A unit a user's catalogue names without a model code: form 1 names it whole with no type, and the
// block diagram's box shows the designation without a model of its own.
namespace orvika::test {
namespace {

const QString Fans = QStringLiteral("Блок вентиляторов");

// The bundled catalogue with its fan panel renamed without a code and offered as a music source.
struct Installation
{
    Catalogue catalogue;
    Requirements requirements = everyOption();
    Proposal proposal;

    Installation()
    {
        QStringList lines = readTextFile(DataDir + QStringLiteral("/Base/Base-Date")).lines;
        for (QString &line : lines) {
            if (line.startsWith(u"K-3670 "))
                line = Fans + QStringLiteral("#30%1&MZ");
        }
        catalogue = parseCatalogue(lines, QLocale::c()).value_or(Catalogue{});
        requirements.sourceLines.append(Fans + QStringLiteral(" - 2 шт."));
        requirements.musicSourceCount += 2;
        requirements.selectionTotals = {5, 105, 5};
        proposal = calculate(catalogue, loadSchemeLibrary(DataDir).lines, requirements);
    }

    EquipmentSpecification specification() const
    {
        return composeEquipmentSpecification(catalogue, requirements, proposal, filledCard());
    }
};

TEST(UncodedDesignation, Form1NamesTheUnitWholeWithAnEmptyType)
{
    const Installation installation;
    ASSERT_TRUE(installation.catalogue.musicSources.contains(Fans));
    ASSERT_TRUE(installation.proposal.complete);
    const EquipmentSpecification specification = installation.specification();
    const auto fans = std::find_if(specification.rows.cbegin(), specification.rows.cend(),
                                   [](const SpecificationRow &row) { return row.name == Fans; });
    if (fans == specification.rows.cend()) {
        ADD_FAILURE() << "no row named " << Fans.toStdString();
    } else {
        EXPECT_TRUE(fans->type.isEmpty());
        EXPECT_EQ(fans->quantity, 2);
    }

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("Спецификация.pdf"));
    ASSERT_EQ(writeEquipmentSpecificationPdf(pdf, specification), std::nullopt);
    const QList<PdfSheet> sheets = sheetsOf(pdf);
    ASSERT_FALSE(sheets.isEmpty());
    const QRectF nameColumn(40 - 0.5, 20, 130 + 1, 230), typeColumn(170 - 0.5, 20, 60 + 1, 230);
    EXPECT_TRUE(sheets.first().has(QStringLiteral("вентиляторов"), nameColumn));
    for (const PdfWord &word : sheets.first().find(QStringLiteral("Блок")))
        EXPECT_FALSE(typeColumn.contains(word.mm)) << "\"Блок\" in the type column";

    const QString xlsx = dir.filePath(QStringLiteral("Спецификация.xlsx"));
    ASSERT_EQ(writeEquipmentSpecificationXlsx(xlsx, specification), std::nullopt);
    const QJsonArray rows =
        QJsonDocument::fromJson(
            outputOf(QStringLiteral("/usr/bin/python3"),
                     {QStringLiteral("-c"),
                      QStringLiteral("import json, sys, openpyxl\n"
                                     "sheet = openpyxl.load_workbook(sys.argv[1]).worksheets[0]\n"
                                     "print(json.dumps([[c.value for c in row[1:3]] "
                                     "for row in sheet.iter_rows()]))"),
                      xlsx}))
            .array();
    ASSERT_FALSE(rows.isEmpty()) << "openpyxl could not read the workbook";
    EXPECT_TRUE(rows.contains(QJsonArray{Fans, QJsonValue::Null}))
        << QJsonDocument(rows).toJson().toStdString();
}

// The whole texts a picture's scene draws, and its CAD labels.
struct SceneWords
{
    QStringList texts, labels;

    explicit SceneWords(const Picture &picture)
    {
        for (const SceneItem &item : picture.scene->items) {
            if (const auto *label = std::get_if<SceneLabel>(&item))
                labels.append(label->text);
            else if (const auto *text = std::get_if<SceneText>(&item))
                texts.append(text->whole);
        }
    }
};

TEST(UncodedDesignation, TheRackShowsTheUnitByItsWholeName)
{
    const Installation installation;
    const Picture picture =
        proposalRackPicture(installation.catalogue, installation.requirements, installation.proposal);
    ASSERT_TRUE(picture.scene);
    const SceneWords words(picture);
    EXPECT_TRUE(words.texts.contains(Fans));
    EXPECT_TRUE(words.labels.contains(Fans));
    EXPECT_FALSE(words.texts.contains(QStringLiteral("Блок")) ||
                 words.texts.contains(QStringLiteral("вентиляторов")));
}

TEST(UncodedDesignation, TheDiagramsBoxShowsTheDesignationWithoutAModel)
{
    const Installation installation;
    const BlockDiagram diagram =
        layoutBlockDiagram(installation.catalogue, installation.requirements, installation.proposal);
    const auto box = std::find_if(diagram.boxes.cbegin(), diagram.boxes.cend(),
                                  [](const DiagramBox &b) { return b.designation == Fans; });
    ASSERT_NE(box, diagram.boxes.cend());
    EXPECT_TRUE(box->model.isEmpty());
    EXPECT_EQ(box->detail, Fans);

    // The CAD drawing's one text for the box, and the painted texts, of the picture's scene.
    const Picture picture = blockDiagramPicture(diagram);
    ASSERT_TRUE(picture.scene);
    const SceneWords words(picture);
    EXPECT_TRUE(words.labels.contains(QStringLiteral("2 шт.\n") + Fans))
        << words.labels.join(u'|').toStdString();
    EXPECT_TRUE(words.texts.contains(Fans));
    EXPECT_FALSE(words.texts.contains(QStringLiteral("Блок")) ||
                 words.texts.contains(QStringLiteral("вентиляторов")));
}

} // namespace
} // namespace orvika::test
