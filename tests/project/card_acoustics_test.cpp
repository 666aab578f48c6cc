#include "project/card_acoustics.h"
#include "project/loudspeaker_library_file.h"
#include "project/project_card_file.h"
#include "sound_level/room_calculation.h"
#include "support/file_faults.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The rooms and the loudspeakers' data in the card and in the user's library: a round trip keeps every
// value and every key another program added; a value the window would not take is dropped and named.
namespace orvika {
namespace {

Acoustics officeAcoustics()
{
    Acoustics acoustics;
    LoudspeakerData ceiling;
    ceiling.name = QStringLiteral("Потолочный 6 Вт");
    ceiling.sensitivity = 90;
    ceiling.taps = {0.75, 1.5, 3, 6};
    ceiling.angle = 90;
    acoustics.loudspeakers = {ceiling};
    Room office;
    office.zone = 2;
    office.name = QStringLiteral("Офис 101");
    office.kind = QStringLiteral("Офисы, административные помещения");
    office.noise = 60;
    office.length = 12;
    office.width = 8;
    office.height = 3;
    office.loudspeaker = ceiling.name;
    Room bedroom = office;
    bedroom.zone = 1;
    bedroom.name = QStringLiteral("Номер 5");
    bedroom.sleeping = true;
    bedroom.listening = 0.7;
    bedroom.mounting = Mounting::Walls;
    bedroom.density = Density::Full;
    bedroom.speakerHeight = 2.5;
    acoustics.rooms = {office, bedroom};
    return acoustics;
}

ProjectCardRead readBack(const QByteArray &json)
{
    return projectCardFromJson(json);
}

TEST(CardAcoustics, RoundTripKeepsEveryValueAndForeignKeys)
{
    ProjectCard card;
    card.acoustics = officeAcoustics();
    card.acoustics.kept.insert(QStringLiteral("comment"), QStringLiteral("из другой программы"));
    card.acoustics.rooms[0].kept.insert(QStringLiteral("floor"), 3);
    card.acoustics.loudspeakers[0].kept.insert(QStringLiteral("maker"), QStringLiteral("Завод"));
    const ProjectCardRead read = readBack(projectCardJson(card));
    ASSERT_EQ(read.outcome, ProjectCardRead::Card);
    EXPECT_TRUE(read.dropped.isEmpty());
    EXPECT_EQ(read.card.acoustics, card.acoustics);
    EXPECT_FALSE(read.card.kept.contains(QStringLiteral("acoustics")));
}

TEST(CardAcoustics, CardWithoutRoomsWritesNoAcoustics)
{
    EXPECT_FALSE(projectCardJson(ProjectCard()).contains("acoustics"));
}

struct BadValue
{
    const char *place; // "room" or "loudspeaker"
    const char *key;
    QJsonValue value;
    const char *droppedKey;
};

class CardAcousticsDrops : public testing::TestWithParam<BadValue>
{
};

TEST_P(CardAcousticsDrops, ValueTheWindowWouldNotTakeIsNamed)
{
    const BadValue &bad = GetParam();
    ProjectCard card;
    card.acoustics = officeAcoustics();
    QJsonObject object = QJsonDocument::fromJson(projectCardJson(card)).object();
    QJsonObject acoustics = object.value(u"acoustics").toObject();
    const bool room = QByteArray(bad.place) == "room";
    const QString list = room ? QStringLiteral("rooms") : QStringLiteral("loudspeakers");
    QJsonArray entries = acoustics.value(list).toArray();
    QJsonObject entry = entries.at(0).toObject();
    entry.insert(QLatin1String(bad.key), bad.value);
    entries.replace(0, entry);
    acoustics.insert(list, entries);
    object.insert(u"acoustics", acoustics);

    const ProjectCardRead read = readBack(QJsonDocument(object).toJson());
    ASSERT_EQ(read.outcome, ProjectCardRead::Card);
    ASSERT_EQ(read.dropped.size(), 1);
    EXPECT_EQ(read.dropped.first().key, QLatin1String(bad.droppedKey));
    EXPECT_EQ(read.dropped.first().zone, room && QByteArray(bad.key) != "zone" ? 2 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    EveryField, CardAcousticsDrops,
    testing::Values(BadValue{"room", "zone", 0, "acoustics.rooms[0].zone"},
                    BadValue{"room", "zone", 2.5, "acoustics.rooms[0].zone"},
                    BadValue{"room", "noise", 131, "acoustics.rooms[0].noise"},
                    BadValue{"room", "noise", -1, "acoustics.rooms[0].noise"},
                    BadValue{"room", "length", 0, "acoustics.rooms[0].length"},
                    BadValue{"room", "width", 1000.5, "acoustics.rooms[0].width"},
                    BadValue{"room", "height", QStringLiteral("3"), "acoustics.rooms[0].height"},
                    BadValue{"room", "listening", -1.5, "acoustics.rooms[0].listening"},
                    BadValue{"room", "speakerHeight", 0, "acoustics.rooms[0].speakerHeight"},
                    BadValue{"room", "sleeping", QStringLiteral("да"), "acoustics.rooms[0].sleeping"},
                    BadValue{"room", "mounting", QStringLiteral("floor"), "acoustics.rooms[0].mounting"},
                    BadValue{"room", "density", QStringLiteral("max"), "acoustics.rooms[0].density"},
                    BadValue{"room", "name", QJsonArray{1}, "acoustics.rooms[0].name"},
                    BadValue{"loudspeaker", "sensitivity", 0, "acoustics.loudspeakers[0].sensitivity"},
                    BadValue{"loudspeaker", "angle", 180, "acoustics.loudspeakers[0].angle"},
                    BadValue{"loudspeaker", "taps", QJsonArray{0.75, -3}, "acoustics.loudspeakers[0].taps"},
                    BadValue{"loudspeaker", "taps", 6, "acoustics.loudspeakers[0].taps"},
                    BadValue{"loudspeaker", "name", QString(), "acoustics.loudspeakers[0].name"}));

TEST(CardAcoustics, LoudspeakerNamedTwiceIsDroppedOnce)
{
    ProjectCard card;
    card.acoustics = officeAcoustics();
    card.acoustics.loudspeakers.append(card.acoustics.loudspeakers.first());
    const ProjectCardRead read = readBack(projectCardJson(card));
    EXPECT_EQ(read.card.acoustics.loudspeakers.size(), 1);
    ASSERT_EQ(read.dropped.size(), 1);
    EXPECT_EQ(read.dropped.first().key, QStringLiteral("acoustics.loudspeakers[1].name"));
}

LoudspeakerLibrary officeLibrary()
{
    LoudspeakerLibrary library;
    library.loudspeakers = officeAcoustics().loudspeakers;
    library.loudspeakers[0].kept.insert(QStringLiteral("datasheet"), QStringLiteral("стр. 4"));
    library.kept.insert(QStringLiteral("owner"), QStringLiteral("Иванов"));
    return library;
}

TEST(LoudspeakerLibraryFile, RoundTripKeepsForeignKeys)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(LoudspeakerLibraryFileName);
    EXPECT_EQ(readLoudspeakerLibrary(path).outcome, LoudspeakerLibraryRead::Missing);
    ASSERT_FALSE(writeLoudspeakerLibrary(path, officeLibrary()));
    const LoudspeakerLibraryRead read = readLoudspeakerLibrary(path);
    ASSERT_EQ(read.outcome, LoudspeakerLibraryRead::Library);
    EXPECT_EQ(read.library, officeLibrary());
}

TEST(LoudspeakerLibraryFile, FileThatIsNoLibraryIsNeverReplaced)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(LoudspeakerLibraryFileName);
    for (const QByteArray &foreign :
         {QByteArray(R"({"format": "orvika-project"})"), QByteArray("{oops"), QByteArray("[1, 2]")}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(foreign);
        file.close();
        const std::optional<QString> refused = writeLoudspeakerLibrary(path, officeLibrary());
        ASSERT_TRUE(refused) << foreign.constData();
        EXPECT_TRUE(refused->contains(LoudspeakerLibraryFileName));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), foreign);
    }
}

TEST(LoudspeakerLibraryFile, WriteFailureKeepsTheOldLibrary)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(LoudspeakerLibraryFileName);
    ASSERT_FALSE(writeLoudspeakerLibrary(path, {}));
    const test::ChildResult child = test::runWithFileSizeLimit(64, [&path] {
        const std::optional<QString> error = writeLoudspeakerLibrary(path, officeLibrary());
        return QStringList{error ? *error : QString()};
    });
    ASSERT_TRUE(child.exitedNormally);
    EXPECT_FALSE(child.lines.first().isEmpty());
    EXPECT_TRUE(readLoudspeakerLibrary(path).library.loudspeakers.isEmpty());
}

} // namespace
} // namespace orvika

namespace orvika {
namespace {

// A room whose noise was dropped and a loudspeaker whose sensitivity was: the card does not state them,
// reads back the same, and the room is not calculated on a guess.
TEST(CardAcoustics, FiguresNotStatedStayNotStated)
{
    ProjectCard card;
    card.acoustics = officeAcoustics();
    QJsonObject object = QJsonDocument::fromJson(projectCardJson(card)).object();
    QJsonObject acoustics = object.value(u"acoustics").toObject();
    QJsonArray rooms = acoustics.value(u"rooms").toArray();
    QJsonObject room = rooms.at(0).toObject();
    room.remove(u"noise");
    room.remove(u"height");
    rooms.replace(0, room);
    QJsonArray loudspeakers = acoustics.value(u"loudspeakers").toArray();
    QJsonObject loudspeaker = loudspeakers.at(0).toObject();
    loudspeaker.insert(u"sensitivity", 900);
    loudspeaker.insert(u"angle", 180);
    loudspeakers.replace(0, loudspeaker);
    acoustics.insert(u"rooms", rooms);
    acoustics.insert(u"loudspeakers", loudspeakers);
    object.insert(u"acoustics", acoustics);

    const ProjectCardRead read = readBack(QJsonDocument(object).toJson());
    ASSERT_EQ(read.dropped.size(), 2);
    const ProjectCardRead again = readBack(projectCardJson(read.card));
    EXPECT_TRUE(again.dropped.isEmpty());
    EXPECT_EQ(again.card, read.card);
    EXPECT_NE(again.card.acoustics.rooms.at(0), card.acoustics.rooms.at(0));
    const RoomCalculation calculation =
        calculateRoom(again.card.acoustics.rooms.at(0), again.card.acoustics.loudspeakers, sp3_13130_2009());
    EXPECT_FALSE(calculation.result);
}

} // namespace
} // namespace orvika
