#include "../documents/document_fixtures.h"
#include "pictures/picture.h"
#include "pictures/rack_layout.h"
#include "pictures/rack_picture.h"
#include "svg_text.h"

#include <gtest/gtest.h>

// The rack elevation as drawn: what a reader of the SVG or PNG finds in it.
namespace orvika::test {
namespace {

struct Drawn
{
    RackLayout layout;
    Picture picture;
    QByteArray svg;
    QStringList texts;
};

Drawn draw(const Requirements &requirements)
{
    const Catalogue catalogue = bundledCatalogue();
    const Proposal proposal = calculate(catalogue, loadSchemeLibrary(DataDir).lines, requirements);
    Drawn drawn;
    drawn.layout = layoutRacks(catalogue, requirements, proposal);
    drawn.picture = rackPicture(drawn.layout);
    drawn.svg = pictureSvg(drawn.picture);
    drawn.texts = visibleTexts(drawn.svg);
    return drawn;
}

TEST(RackPicture, NamesEveryUnitAndEachRacksFigures)
{
    const Drawn drawn = draw(largestInstallation());
    ASSERT_EQ(drawn.layout.racks.size(), 9);
    ASSERT_TRUE(drawn.layout.unplaced.isEmpty());
    // A line of text is written in runs of one script each, so the runs are read back joined.
    const QString all = drawn.texts.join(QString());
    for (const PlacedUnit &placed : drawn.layout.placed)
        EXPECT_TRUE(drawn.texts.contains(modelOf(placed.unit.designation)))
            << placed.unit.designation.toStdString();
    for (const Rack &rack : drawn.layout.racks) {
        EXPECT_TRUE(all.contains(QStringLiteral("Занято %1 из %2 U").arg(rack.used).arg(rack.height)));
        EXPECT_TRUE(all.contains(QStringLiteral("Потребление %1 Вт").arg(rack.powerDraw)));
        EXPECT_TRUE(all.contains(QStringLiteral("%1 BTU/ч").arg(heatBtuPerHour(rack.powerDraw))));
    }
    EXPECT_TRUE(drawn.texts.contains(QStringLiteral("Вне шкафа")));
    // Every shortened label keeps its whole designation as a title.
    const QStringList titles = labelTitles(drawn.svg);
    EXPECT_FALSE(titles.isEmpty());
    for (const QString &title : titles)
        EXPECT_TRUE(title.startsWith(QStringLiteral("K-")) || title.startsWith(QStringLiteral("ZEP")))
            << title.toStdString();
}

TEST(RackPicture, ShowsTheFreeSpaceAndAWarningForAUnitWithoutPlace)
{
    Requirements requirements = everyOption();
    const Drawn drawn = draw(requirements);
    ASSERT_EQ(drawn.layout.racks.size(), 1);
    const double free = drawn.layout.racks[0].height - drawn.layout.racks[0].used;
    EXPECT_TRUE(drawn.texts.join(QString()).contains(QStringLiteral("свободно %1 U").arg(free)));

    RackLayout tight = drawn.layout;
    tight.unplaced.append({QStringLiteral("K-9999 Блок очень высокий"), 48, 100, 0});
    const QStringList texts = visibleTexts(pictureSvg(rackPicture(tight)));
    EXPECT_TRUE(texts.join(QString()).contains(
        QStringLiteral("Не помещается в шкаф: K-9999 Блок очень высокий (48 U)")));
    EXPECT_TRUE(texts.contains(QStringLiteral("K-9999")));
}

TEST(RackPicture, AnImageAtTwiceTheSize)
{
    const Drawn drawn = draw(everyOption());
    const QImage image = pictureImage(drawn.picture, 2);
    EXPECT_EQ(image.size(), (drawn.picture.size * 2).toSize());
    EXPECT_NE(image.pixel(image.width() / 2, image.height() / 2), QColor(Qt::white).rgb())
        << "something is drawn";
}

} // namespace
} // namespace orvika::test
