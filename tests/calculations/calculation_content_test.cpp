#include "calculation_fixtures.h"
#include "lines/line_table.h"

#include <gtest/gtest.h>

namespace orvika::test {
namespace {

using Kind = ContentBlock::Kind;

QStringList headings(const CalculationContent &content)
{
    QStringList found;
    for (const ContentBlock &block : content.blocks)
        if (block.kind == Kind::Heading)
            found.append(block.text);
    return found;
}

// The blocks of a section, from its heading to the next.
QList<ContentBlock> section(const CalculationContent &content, const QString &heading)
{
    QList<ContentBlock> blocks;
    bool inside = false;
    for (const ContentBlock &block : content.blocks) {
        if (block.kind == Kind::Heading)
            inside = block.text == heading;
        else if (inside)
            blocks.append(block);
    }
    return blocks;
}

QList<ContentTable> tables(const QList<ContentBlock> &blocks)
{
    QList<ContentTable> found;
    for (const ContentBlock &block : blocks)
        if (block.kind == Kind::Table)
            found.append(block.table);
    return found;
}

QString paragraphs(const QList<ContentBlock> &blocks)
{
    QStringList texts;
    for (const ContentBlock &block : blocks)
        if (block.kind == Kind::Paragraph)
            texts.append(block.text);
    return texts.join(u'\n');
}

// A caption as read: without the places it may break at.
QStringList readable(QStringList row)
{
    for (QString &cell : row)
        cell.remove(QChar(0x00AD));
    return row;
}

TEST(CalculationContent, SectionsComeInOrderAndEveryTableFillsTheFrame)
{
    const CalculationContent content = acousticContent();
    EXPECT_EQ(headings(content),
              (QStringList{QStringLiteral("1. Нормы"), QStringLiteral("2. Методика"),
                           QStringLiteral("3. Громкоговорители"), QStringLiteral("4. Помещения"),
                           QStringLiteral("5. Итоги по зонам"), QStringLiteral("6. Линии громкоговорителей"),
                           QStringLiteral("7. Мощность усилителей"), QStringLiteral("8. Планы помещений")}));
    for (const ContentTable &table : tables(content.blocks)) {
        double width = 0;
        for (double column : table.widthsMm)
            width += column;
        EXPECT_NEAR(width, 185, 1e-9) << table.header.first().join(u'|').toStdString();
        for (const QStringList &row : table.header + table.rows)
            EXPECT_EQ(row.size(), table.widthsMm.size()) << row.join(u'|').toStdString();
    }
}

TEST(CalculationContent, TheRoomsShowTheWorkedResultsAndABadRoomItsMessage)
{
    const QList<ContentTable> rooms = tables(section(acousticContent(), QStringLiteral("4. Помещения")));
    ASSERT_EQ(rooms.size(), 3);
    const ContentTable &inputs = rooms.at(0);
    EXPECT_EQ(inputs.rows.at(0),
              (QStringList{"1", "1", "Офис 101", "Офисы, административные помещения", "60,0", "",
                           "12 × 8 × 3", "1,5", "потолок", "минимальное", CeilingSpeaker}));
    EXPECT_EQ(inputs.rows.at(1).at(8), QStringLiteral("стена, верх на 2,9 м"));
    EXPECT_EQ(inputs.rows.at(2).at(5), QStringLiteral("да"));
    const struct
    {
        qsizetype room;
        QStringList cells;
    } results[] = {
        {0, {"1", "Офис 101", "24", "6 × 4", "0,75", "18", "75,0", "76,9", "79,2", "91,9", "выполнены"}},
        {1, {"2", "Коридор", "5", "5 на стене", "3", "15", "75,0", "75,1", "84,2", "91,4", "выполнены"}},
        {2, {"3", "Спальня", "6", "3 × 2", "0,75", "4,5", "70,0", "77,3", "79,2", "87,7", "выполнены"}},
        {3, {"4", "Цех", "15", "5 × 3", "6", "90", "95,0", "74,9", "88,2", "88,2", "не выполнены"}},
        {4, {"5", "Склад", "", "", "", "", "", "", "", "", "не рассчитано"}},
    };
    for (const auto &result : results)
        EXPECT_EQ(rooms.at(1).rows.at(result.room), result.cells) << result.room;

    // A row a room: the clauses met named together, the others in their words; a room without a result
    // gives its message.
    const QList<QStringList> &verdicts = rooms.at(2).rows;
    ASSERT_EQ(verdicts.size(), 5);
    const QString ceiling = QStringLiteral("п. 4.4: не относится: громкоговорители на потолке");
    EXPECT_EQ(verdicts.at(0), QStringList({"1", "Офис 101", "пп. 4.1, 4.2, 4.5 выполнены; " + ceiling}));
    EXPECT_EQ(verdicts.at(2), QStringList({"3", "Спальня", "пп. 4.1, 4.3, 4.5 выполнены; " + ceiling}));
    const QString hall = verdicts.at(3).at(2);
    EXPECT_TRUE(hall.startsWith(u"пп. 4.1, 4.5 выполнены; п. 4.2: 74,9 дБА < 95,0 дБА, нужен отвод не менее"))
        << hall.toStdString();
    EXPECT_TRUE(hall.endsWith(QStringLiteral("— не выполнено; ") + ceiling)) << hall.toStdString();
    EXPECT_EQ(verdicts.at(4),
              QStringList({"5", "Склад", "Зона 1, «Склад»: громкоговорителя «Нет такого» нет в библиотеке"}));
}

TEST(CalculationContent, TheNormsAndTheMethodFollowTheProfile)
{
    NormsProfile stricter = sp3_13130_2009();
    stricter.edition = QStringLiteral("СП 3.13130.2030 (проект)");
    stricter.overNoise = {20, QStringLiteral("5.2")};
    stricter.sleepingLeast = {75, QStringLiteral("5.3")};
    const Catalogue catalogue = bundledCatalogue();
    const CalculationContent content =
        calculationContent(acousticCard(), catalogue, threeZones(), Proposal{}, stricter);
    const QList<ContentBlock> norms = section(content, QStringLiteral("1. Нормы"));
    EXPECT_TRUE(paragraphs(norms).contains(QStringLiteral("по СП 3.13130.2030 (проект), раздел 4")));
    const QList<QStringList> clauses = tables(norms).first().rows;
    EXPECT_EQ(clauses.at(2).first(), QStringLiteral("5.2"));
    EXPECT_EQ(clauses.at(2).last(), QStringLiteral("20 дБА"));
    const QString method = paragraphs(section(content, QStringLiteral("2. Методика")));
    for (const char *words : {"L = S + 10·lg P − 20·lg r", "A(φ) = 6·(φ/(θ/2))²", "a = √2·R", "a = R",
                              "s = 2·y_max", "s = y_max", "Lтреб = N + 20 дБА", "max(N + 20; 75) дБА",
                              "не менее 1 м", "наименьший", "у стены между двумя настенными"})
        EXPECT_TRUE(method.contains(QString::fromUtf8(words))) << words;
    // The office is judged by the stricter figure.
    const QStringList office = tables(section(content, QStringLiteral("4. Помещения"))).at(1).rows.first();
    EXPECT_EQ(office.at(6), QStringLiteral("80,0"));
}

TEST(CalculationContent, LoudspeakersZonesAndLinesAreTabled)
{
    const CalculationContent content = acousticContent();
    EXPECT_EQ(tables(section(content, QStringLiteral("3. Громкоговорители"))).first().rows,
              (QList<QStringList>{{CeilingSpeaker, "90", "0,75; 1,5; 3; 6", "90"},
                                  {WallSpeaker, "89", "0,75; 1,5; 3; 6", "100"}}));
    EXPECT_EQ(tables(section(content, QStringLiteral("5. Итоги по зонам"))).first().rows,
              (QList<QStringList>{{"1", "2", CeilingSpeaker + "; Нет такого", "24", "18", "Склад", ""},
                                  {"2", "2", WallSpeaker + "; " + CeilingSpeaker, "11", "19,5", "", ""},
                                  {"3", "1", CeilingSpeaker, "15", "90", "", "Цех"}}));

    const ProjectCard card = acousticCard();
    const QList<ContentBlock> lines = section(content, QStringLiteral("6. Линии громкоговорителей"));
    EXPECT_TRUE(paragraphs(lines).contains(QStringLiteral("Напряжение линий 100 В")));
    EXPECT_TRUE(paragraphs(lines).contains(QStringLiteral("не более 5 % мощности зоны")));
    const ContentTable table = tables(lines).first();
    EXPECT_EQ(readable(table.header.first()), lineTableHeader());
    ASSERT_EQ(table.rows.size(), 3); // the system's three zones, the third without a line
    for (int zone = 1; zone <= 3; ++zone)
        EXPECT_EQ(table.rows.at(zone - 1),
                  lineTableRow(shownZoneLines(card.lines, 3).at(zone - 1), card.lines.settings));
}

TEST(CalculationContent, TheAmplifiersAreSetAgainstTheZonePowersWithTheReserve)
{
    const QList<ContentBlock> power = section(acousticContent(), QStringLiteral("7. Мощность усилителей"));
    const QString text = paragraphs(power);
    EXPECT_TRUE(text.contains(QStringLiteral("сумма зон 128 Вт"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("С запасом 20 % усилители подобраны на 153,6 Вт")));
    const QList<ContentTable> found = tables(power);
    ASSERT_EQ(found.size(), 2);
    EXPECT_EQ(found.at(0).rows,
              (QList<QStringList>{{"1", "18", "18", "18"}, {"2", "19,5", "", "20"}, {"3", "90", "", "90"}}));
    ASSERT_EQ(found.at(1).rows.size(), 1);
    EXPECT_TRUE(found.at(1).rows.first().first().startsWith(QStringLiteral("K-35")));
    EXPECT_TRUE(text.contains(QStringLiteral("на канал 240 Вт ≥ 153,6 Вт"))) << text.toStdString();

    // Without a proposal the section says why, and a sound level beyond the stated power is named.
    Requirements small = threeZones();
    small.zoneLines = {QStringLiteral("Зона 1 - 10 Вт"), QStringLiteral("Зона 2 - 10 Вт"),
                       QStringLiteral("Зона 3 - 10 Вт")};
    small.powerReserve = false;
    const CalculationContent unchosen =
        calculationContent(acousticCard(), bundledCatalogue(), small, Proposal{}, sp3_13130_2009());
    const QString said = paragraphs(section(unchosen, QStringLiteral("7. Мощность усилителей")));
    EXPECT_TRUE(said.contains(QStringLiteral("Усилители не подобраны: подбор оборудования не выполнен")));
    EXPECT_TRUE(said.contains(QStringLiteral("по расчёту уровня звука 127,5 Вт больше")))
        << said.toStdString();
}

TEST(CalculationContent, EachPlanStandsForTheRoomsAlikeWithIt)
{
    ProjectCard card = acousticCard();
    for (const char *name : {"Офис 102", "Офис 103"})
        card.acoustics.rooms.append(with(card.acoustics.rooms.first(), [&](Room &room) {
            room.name = QString::fromUtf8(name);
            room.zone = 3;
        }));
    // The same office in a quieter noise is held to another level, which its plan shows: a plan of its own.
    card.acoustics.rooms.append(with(card.acoustics.rooms.first(), [](Room &room) {
        room.name = QStringLiteral("Офис 104");
        room.noise = 50;
    }));
    const QList<ContentBlock> plans = section(acousticContent(card), QStringLiteral("8. Планы помещений"));
    ASSERT_EQ(plans.size(), 2);
    ASSERT_EQ(plans.last().kind, Kind::Pictures);
    QStringList captions;
    for (const Picture &picture : plans.last().pictures) {
        captions.append(picture.title);
        EXPECT_FALSE(picture.size.isEmpty());
    }
    // The room without a result has none.
    EXPECT_EQ(captions, (QStringList{"№ 1. План помещения «Офис 101»; такой же план у № 6, 7",
                                     "№ 2. План помещения «Коридор»", "№ 3. План помещения «Спальня»",
                                     "№ 4. План помещения «Цех»", "№ 8. План помещения «Офис 104»"}));
}

} // namespace
} // namespace orvika::test
