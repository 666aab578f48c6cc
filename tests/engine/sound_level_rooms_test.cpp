#include "engine/sound_level_input.h"
#include "engine/sound_level_rooms.h"
#include "model_fixture.h"
#include "sound_level/room_fixtures.h"
#include "sound_level/room_input.h"
#include "support/file_faults.h"

#include <QFile>
#include <cmath>

// The sound-level window's rules: a room refused for each bad field, the library file kept apart from
// the card's copies, and the rooms' sums carried into the lines and on into the zone list.
namespace orvika::test::sound_level_rules {
namespace {

const QString Ceiling = QStringLiteral("Потолочный 6 Вт");
const QString Horn = QStringLiteral("Рупор 10 Вт");

LoudspeakerData ceilingSpeaker(double sensitivity = 90)
{
    return {Ceiling, sensitivity, {0.75, 1.5, 3, 6}, 90, {}};
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class SoundLevelRoomsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        LoudspeakerLibrary library;
        library.loudspeakers = {ceilingSpeaker()};
        ASSERT_FALSE(writeLoudspeakerLibrary(path(), library));
    }
    QString path() const { return folder.filePath(LoudspeakerLibraryFileName); }

    QTemporaryDir folder;
};

TEST(SoundLevelInput, FiguresAndTapsAsTyped)
{
    EXPECT_EQ(typedFigure(QStringLiteral(" 2,85 ")), 2.85);
    EXPECT_EQ(typedFigure(QStringLiteral("12.5")), 12.5);
    EXPECT_EQ(typedFigure(QStringLiteral("3,")), 3);
    for (const char *bad : {"", "abc", "-1", "1e3", "1 000", "2,5,1"})
        EXPECT_TRUE(std::isnan(typedFigure(QString::fromUtf8(bad)))) << bad;
    EXPECT_EQ(typedTaps(QStringLiteral("6; 0,75;1.5  3; 3")), QList<double>({0.75, 1.5, 3, 6}));
    EXPECT_EQ(typedTaps(QStringLiteral("0,75; три")), std::nullopt);
    EXPECT_EQ(tapsText({0.75, 1.5, 3, 6}), u"0,75; 1,5; 3; 6");
}

TEST_F(SoundLevelRoomsTest, BadInputInEveryFieldIsNamedAndNothingKept)
{
    Acoustics card;
    card.loudspeakers = {{Horn, 100, {}, 60, {}}}; // a card's copy whose taps were dropped on reading
    SoundLevelRooms rooms(card, path());
    const Room good = testRoom(12, 8, 3, 60, Mounting::Ceiling, Ceiling);
    ASSERT_EQ(rooms.setRoom(-1, good), QString());
    const double nan = typedFigure(QStringLiteral("abc"));
    const struct
    {
        const char *field;
        Room room;
        const char *message;
    } cases[] = {
        {"length 0", with(good, [](Room &r) { r.length = 0; }), "длина — число больше 0 и не больше 1000 м"},
        {"length over 1000", with(good, [](Room &r) { r.length = 1000.5; }),
         "длина — число больше 0 и не больше 1000 м"},
        {"width not a number", with(good, [&](Room &r) { r.width = nan; }),
         "ширина — число больше 0 и не больше 1000 м"},
        {"height 0", with(good, [](Room &r) { r.height = 0; }), "высота — число больше 0 и не больше 1000 м"},
        {"listening empty", with(good, [&](Room &r) { r.listening = nan; }),
         "высота прослушивания — число больше 0 и не больше 1000 м"},
        {"listening at the ceiling", with(good, [](Room &r) { r.listening = 3; }),
         "высота прослушивания — ниже потолка"},
        {"noise over 130", with(good, [](Room &r) { r.noise = 130.5; }),
         "допустимый шум — число от 0 до 130 дБА"},
        {"noise not a number", with(good, [&](Room &r) { r.noise = nan; }),
         "допустимый шум — число от 0 до 130 дБА"},
        {"speaker above the ceiling",
         with(good, [](Room &r) { r.mounting = Mounting::Wall, r.speakerHeight = 3.1; }),
         "высота верха громкоговорителя — число больше 0 и не выше потолка"},
        {"no loudspeaker", with(good, [](Room &r) { r.loudspeaker.clear(); }), "громкоговоритель не выбран"},
        {"unknown loudspeaker", with(good, [](Room &r) { r.loudspeaker = QStringLiteral("Нет такого"); }),
         "громкоговорителя «Нет такого» нет в библиотеке"},
        {"loudspeaker without taps", with(good, [](Room &r) { r.loudspeaker = Horn; }),
         "у громкоговорителя «Рупор 10 Вт» нет отводов"},
    };
    for (const auto &c : cases) {
        const Acoustics before = rooms.acoustics();
        EXPECT_EQ(rooms.setRoom(-1, c.room),
                  QStringLiteral("Зона 1, «Помещение»: ") + QString::fromUtf8(c.message))
            << c.field;
        EXPECT_EQ(rooms.setRoom(0, c.room),
                  QStringLiteral("Зона 1, «Помещение»: ") + QString::fromUtf8(c.message))
            << c.field;
        EXPECT_EQ(rooms.acoustics(), before) << c.field;
    }
}

TEST_F(SoundLevelRoomsTest, EachRoomShowsItsLayoutAndVerdicts)
{
    SoundLevelRooms rooms({}, path());
    LoudspeakerData wall{Horn, 89, {0.75, 1.5, 3, 6}, 100, {}};
    ASSERT_EQ(rooms.setLibraryEntry(-1, wall), QString());
    ASSERT_EQ(rooms.setRoom(-1, testRoom(12, 8, 3, 60, Mounting::Ceiling, Ceiling)), QString());
    ASSERT_EQ(rooms.setRoom(-1, with(testRoom(30, 6, 3.2, 60, Mounting::Wall, Horn),
                                     [](Room &r) { r.speakerHeight = 2.9; })),
              QString());
    ASSERT_EQ(rooms.setRoom(-1, with(testRoom(20, 12, 3.5, 65, Mounting::Walls, Horn),
                                     [](Room &r) { r.speakerHeight = 3; })),
              QString());
    const QList<RoomCalculation> &results = rooms.calculations();
    ASSERT_EQ(results.size(), 3);
    EXPECT_EQ(layoutText(rooms.acoustics().rooms[0], *results[0].result), u"6 × 4");
    EXPECT_EQ(verdictsText(*results[0].result), u"нормы выполнены");
    EXPECT_EQ(layoutText(rooms.acoustics().rooms[1], *results[1].result), u"3 на стене");
    EXPECT_TRUE(verdictsText(*results[1].result).startsWith(u"не выполнено: п. 4.2: 74,8 дБА < 75,0 дБА"))
        << verdictsText(*results[1].result).toStdString();
    EXPECT_EQ(verdictsSummary(*results[1].result), u"не выполнены п. 4.2");
    EXPECT_EQ(layoutText(rooms.acoustics().rooms[2], *results[2].result), u"2 + 2");
    EXPECT_EQ(verdictsSummary(*results[2].result), u"не выполнены п. 4.2");
    // Noise over 95 dBA: light signals go with the sound, whether or not the level is reached.
    ASSERT_EQ(rooms.setRoom(-1, testRoom(10, 10, 4, 96, Mounting::Ceiling, Ceiling)), QString());
    EXPECT_EQ(verdictsSummary(*rooms.calculations()[3].result),
              u"не выполнены п. 4.2; п. 4.5: световые оповещатели");
    EXPECT_TRUE(verdictsText(*rooms.calculations()[3].result).endsWith(u"нужны и световые оповещатели"));
}

TEST_F(SoundLevelRoomsTest, TheLibraryFileRoundTripsAndTheCardKeepsCopiesApart)
{
    Acoustics card;
    card.loudspeakers = {{Horn, 100, {5, 10}, 60, {}}}; // only the project has it
    SoundLevelRooms rooms(card, path());
    EXPECT_EQ(rooms.libraryProblem(), QString());
    EXPECT_TRUE(rooms.fromProject(Horn));
    EXPECT_FALSE(rooms.fromProject(Ceiling));
    ASSERT_EQ(rooms.choices().size(), 2);

    // A room on a library loudspeaker gives the card a copy of it.
    ASSERT_EQ(rooms.setRoom(-1, testRoom(12, 8, 3, 60, Mounting::Ceiling, Ceiling)), QString());
    ASSERT_TRUE(findLoudspeaker(rooms.acoustics().loudspeakers, Ceiling));
    EXPECT_EQ(*findLoudspeaker(rooms.acoustics().loudspeakers, Ceiling), ceilingSpeaker());

    // The library edited: written to its file, and the copy of a loudspeaker in use follows.
    ASSERT_EQ(rooms.setLibraryEntry(0, ceilingSpeaker(93)), QString());
    EXPECT_EQ(readLoudspeakerLibrary(path()).library.loudspeakers,
              QList<LoudspeakerData>{ceilingSpeaker(93)});
    EXPECT_EQ(findLoudspeaker(rooms.acoustics().loudspeakers, Ceiling)->sensitivity, 93);
    EXPECT_EQ(SoundLevelRooms({}, path()).library(), rooms.library()) << "read back as written";

    // A bad entry is refused and the file untouched.
    const QByteArray written = fileBytes(path());
    EXPECT_EQ(rooms.setLibraryEntry(-1, {Ceiling, 90, {1}, 90, {}}),
              u"«Название»: громкоговоритель «Потолочный 6 Вт» уже есть в библиотеке");
    EXPECT_EQ(rooms.setLibraryEntry(-1, {Horn + u'2', 90, {1}, 180, {}}),
              u"«Угол охвата по −6 дБ, °»: введите число больше 0 и меньше 180");
    EXPECT_EQ(rooms.setLibraryEntry(-1, {Horn + u'2', 0, {1}, 90, {}}),
              u"«Чувствительность, дБ (1 Вт, 1 м)»: введите число больше 0 и не больше 200");
    EXPECT_TRUE(rooms.setLibraryEntry(-1, {Horn + u'2', 90, {1, 2000}, 90, {}}).startsWith(u"«Отводы, Вт»"));
    EXPECT_EQ(fileBytes(path()), written);

    // Removed from the library, it stays in the card for the room that uses it, shown as the project's.
    ASSERT_EQ(rooms.removeLibraryEntry(0), QString());
    EXPECT_TRUE(readLoudspeakerLibrary(path()).library.loudspeakers.isEmpty());
    EXPECT_TRUE(rooms.fromProject(Ceiling));
    EXPECT_EQ(rooms.calculations().first().error, QString());

    // A room gone, its library loudspeaker's copy goes; the project's own copy stays.
    SoundLevelRooms again(card, path());
    ASSERT_EQ(again.setLibraryEntry(-1, ceilingSpeaker()), QString());
    ASSERT_EQ(again.setRoom(-1, testRoom(12, 8, 3, 60, Mounting::Ceiling, Ceiling)), QString());
    EXPECT_EQ(again.duplicateRoom(0), 1);
    EXPECT_EQ(again.acoustics().rooms[1].name, u"Помещение (копия)");
    again.removeRoom(0);
    EXPECT_TRUE(findLoudspeaker(again.acoustics().loudspeakers, Ceiling)) << "the copy's room uses it";
    again.removeRoom(0);
    EXPECT_EQ(again.acoustics().loudspeakers, card.loudspeakers);
}

TEST_F(SoundLevelRoomsTest, AForeignLibraryIsToldAndNeverWritten)
{
    for (const QByteArray &foreign :
         {QByteArray(R"({"name": "package", "version": "1.0"})"), QByteArray("{oops")}) {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(foreign);
        file.close();
        SoundLevelRooms rooms({}, path());
        EXPECT_TRUE(rooms.libraryProblem().contains(LoudspeakerLibraryFileName)) << foreign.constData();
        EXPECT_FALSE(rooms.libraryEditable());
        EXPECT_EQ(rooms.setLibraryEntry(-1, ceilingSpeaker()), rooms.libraryProblem());
        EXPECT_EQ(rooms.removeLibraryEntry(0), rooms.libraryProblem());
        EXPECT_EQ(fileBytes(path()), foreign);
    }
}

TEST_F(SoundLevelRoomsTest, ALibraryNotWrittenIsToldAndNothingLost)
{
    const test::ChildResult child = test::runWithFileSizeLimit(64, [this] {
        SoundLevelRooms rooms({}, path());
        const QString failure = rooms.setLibraryEntry(-1, {Horn, 100, {5, 10}, 60, {}});
        return QStringList{failure, QString::number(rooms.library().loudspeakers.size())};
    });
    ASSERT_TRUE(child.exitedNormally);
    EXPECT_TRUE(
        child.lines.value(0).startsWith(u"Библиотека громкоговорителей «loudspeakers.json» не записана"))
        << child.lines.value(0).toStdString();
    EXPECT_EQ(child.lines.value(1), u"1") << "the library as it was";
    EXPECT_EQ(readLoudspeakerLibrary(path()).library.loudspeakers, QList<LoudspeakerData>{ceilingSpeaker()});
}

class SoundLevelTransfer : public ModelTest
{
};

// Rooms → their zones' lines → the lines' zone powers → the zone list.
TEST_F(SoundLevelTransfer, TheRoomsReachTheZoneListThroughTheLines)
{
    model->setTicked(CheckBoxId::Check1, true);
    model->setCounterValue(CounterId::VSKZ, 2);
    model->setPowerMode(PowerMode::PerZone);
    seam.takeMessages();
    LoudspeakerLines lines;
    lines.zones = {ZoneLine{1, QStringLiteral("Этаж 1"), {}, {}, {}, 120, 1.5, {}}};
    model->setLoudspeakerLines(lines);

    QTemporaryDir folder;
    const QString path = folder.filePath(LoudspeakerLibraryFileName);
    SoundLevelRooms rooms({}, path);
    ASSERT_EQ(rooms.setLibraryEntry(-1, ceilingSpeaker()), QString());
    // 24 × 0,75 W and 6 × 0,75 W in zone 1, 15 × 6 W in zone 2; zone 3 is beyond the system.
    ASSERT_EQ(rooms.setRoom(-1, testRoom(12, 8, 3, 60, Mounting::Ceiling, Ceiling)), QString());
    ASSERT_EQ(rooms.setRoom(-1, with(testRoom(6, 4, 2.7, 40, Mounting::Ceiling, Ceiling),
                                     [](Room &r) { r.sleeping = true, r.listening = 0.7; })),
              QString());
    ASSERT_EQ(rooms.setRoom(
                  -1, with(testRoom(40, 20, 8, 80, Mounting::Ceiling, Ceiling), [](Room &r) { r.zone = 2; })),
              QString());
    ASSERT_EQ(rooms.setRoom(
                  -1, with(testRoom(6, 4, 3, 40, Mounting::Ceiling, Ceiling), [](Room &r) { r.zone = 3; })),
              QString());

    transferRoomsToLines(*model, rooms);
    EXPECT_EQ(seam.takeMessages(),
              QStringList{"В линии громкоговорителей перенесены зоны: 1, 2. Мощности зон переносит окно "
                          "«Линии громкоговорителей».\nНе перенесены:\nЗона 3: зоны нет в системе (зон: 2)"});
    const QList<ZoneLine> &moved = model->projectCard().lines.zones;
    ASSERT_EQ(moved.size(), 2);
    EXPECT_EQ(moved[0], (ZoneLine{1, QStringLiteral("Этаж 1"), Ceiling, 0.75, 30, 120, 1.5, {}}))
        << "the name, length and section stay";
    EXPECT_EQ(moved[1].loudspeaker, Ceiling);
    EXPECT_EQ(moved[1].count, 15);
    EXPECT_EQ(moved[1].power, 6);

    ASSERT_TRUE(model->canTransferZonePowers());
    model->transferZonePowers();
    EXPECT_EQ(seam.messages, QStringList());
    EXPECT_EQ(model->zoneListPower(1), 22.5);
    EXPECT_EQ(model->zoneListPower(2), 90);
}

} // namespace
} // namespace orvika::test::sound_level_rules
