#include "files/csv_field.h"
#include "sound_level/acoustics_csv.h"
#include "sound_level/room_fixtures.h"
#include "sound_level/room_table.h"

#include <gtest/gtest.h>

// The rooms' table as a spreadsheet reads it: a row a room in zone order, the worked examples' figures
// with a decimal comma, and the reason of a room that could not be calculated.
namespace orvika {
namespace {

using test::testRoom;
using test::with;

QList<QStringList> csvOf(const Acoustics &acoustics)
{
    const QByteArray bytes = acousticsCsv(acoustics, sp3_13130_2009());
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    return csvRecords(QString::fromUtf8(bytes.mid(3)));
}

TEST(AcousticsCsv, RowsInZoneOrderWithTheWorkedExamples)
{
    Acoustics acoustics;
    acoustics.loudspeakers = {{QStringLiteral("Потолочный"), 90, {0.75, 1.5, 3, 6}, 90, {}}};
    const Room office =
        with(testRoom(12, 8, 3, 60, Mounting::Ceiling, QStringLiteral("Потолочный")), [](Room &room) {
            room.zone = 2;
            room.name = QStringLiteral("Офис; 101");
        });
    const Room bedroom =
        with(testRoom(6, 4, 2.7, 40, Mounting::Ceiling, QStringLiteral("Потолочный")), [](Room &room) {
            room.name = QStringLiteral("Спальня");
            room.sleeping = true;
            room.listening = 0.7;
        });
    const Room bad = with(office, [](Room &room) {
        room.name = QStringLiteral("Склад");
        room.noise = 131;
    });
    acoustics.rooms = {office, bedroom, bad};

    const QList<QStringList> records = csvOf(acoustics);
    ASSERT_EQ(records.size(), 4);
    EXPECT_EQ(records[0], roomTableHeader());
    const QStringList &columns = roomTableHeader();
    const auto cell = [&](int row, const char *column) {
        return records[row].value(columns.indexOf(QString::fromUtf8(column)));
    };
    EXPECT_EQ(cell(1, "Помещение"), QStringLiteral("Спальня"));
    EXPECT_EQ(cell(1, "Требуемый уровень, дБА"), QStringLiteral("70,0"));
    EXPECT_EQ(cell(1, "Уровень в худшей точке, дБА"), QStringLiteral("77,3"));
    EXPECT_EQ(cell(1, "Размещение"), QStringLiteral("3 × 2"));
    EXPECT_EQ(cell(2, "Помещение"), QStringLiteral("Офис; 101"));
    EXPECT_EQ(cell(2, "Кол-во"), QStringLiteral("24"));
    EXPECT_EQ(cell(2, "Отвод, Вт"), QStringLiteral("0,75"));
    EXPECT_EQ(cell(2, "Мощность, Вт"), QStringLiteral("18"));
    EXPECT_EQ(cell(2, "Уровень в худшей точке, дБА"), QStringLiteral("76,9"));
    EXPECT_EQ(cell(2, "Уровень на 3 м, дБА"), QStringLiteral("79,2"));
    EXPECT_EQ(cell(2, "Наибольший уровень, дБА"), QStringLiteral("91,9"));
    EXPECT_EQ(cell(2, "Вывод"), QStringLiteral("нормы выполнены"));
    EXPECT_EQ(cell(3, "Кол-во"), QString());
    EXPECT_TRUE(cell(3, "Вывод").contains(u"допустимый шум")) << cell(3, "Вывод").toStdString();
}

TEST(AcousticsCsv, ConclusionNamesEveryClauseNotMet)
{
    // The 40 × 20 × 8 m hall with 80 dBA of noise: no tap reaches 95 dBA.
    Acoustics acoustics;
    acoustics.loudspeakers = {{QStringLiteral("Потолочный"), 90, {0.75, 1.5, 3, 6}, 90, {}}};
    acoustics.rooms = {testRoom(40, 20, 8, 80, Mounting::Ceiling, QStringLiteral("Потолочный"))};
    const QList<QStringList> records = csvOf(acoustics);
    ASSERT_EQ(records.size(), 2);
    const QString conclusion = records[1].last();
    EXPECT_FALSE(conclusion.contains(u"нормы выполнены"));
    EXPECT_TRUE(conclusion.contains(u"п. 4.2: 74,9 дБА < 95,0 дБА")) << conclusion.toStdString();
}

} // namespace
} // namespace orvika
