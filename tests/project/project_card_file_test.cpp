#include "project/project_card_file.h"
#include "support/file_faults.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orvika {
namespace {

ProjectCard filledCard()
{
    ProjectCard card;
    card.object = QStringLiteral("Торговый центр «Север»");
    card.address = QStringLiteral("г. Тверь, ул. Лесная, 1");
    card.customer = QStringLiteral("ООО «Заказчик»");
    card.designation = QStringLiteral("2026-15-СОУЭ.С");
    card.stage = DesignStage;
    card.organisation = QStringLiteral("ООО «Проект»");
    card.supplier = QStringLiteral("ООО «Поставка»");
    card.people = {QStringLiteral("Иванов"), QStringLiteral("Петров"), QStringLiteral("Сидоров"),
                   QStringLiteral("Орлов"), QStringLiteral("Кузнецов")};
    card.revision = 2;
    card.date = QDate(2026, 12, 7);
    return card;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(ProjectCardFile, WritesTheInterfaceKeysAndReadsThemBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Спецификация.json"));
    ASSERT_EQ(writeProjectCard(path, filledCard()), std::nullopt);

    const QJsonObject json = QJsonDocument::fromJson(fileBytes(path)).object();
    EXPECT_EQ(json.value(u"format").toString(), u"orvika-project");
    EXPECT_EQ(json.value(u"version").toInt(), 1);
    EXPECT_EQ(json.value(u"designation").toString(), u"2026-15-СОУЭ.С");
    EXPECT_EQ(json.value(u"stage").toString(), u"П");
    EXPECT_EQ(json.value(u"people").toObject().value(u"chiefEngineer").toString(), u"Орлов");
    EXPECT_EQ(json.value(u"people").toObject().value(u"normControl").toString(), u"Сидоров");
    EXPECT_EQ(json.value(u"revision").toInt(), 2);
    EXPECT_EQ(json.value(u"date").toString(), u"2026-12-07");
    EXPECT_TRUE(fileBytes(path).contains("\n    \"")) << "pretty-printed";

    const ProjectCardRead read = readProjectCard(path);
    ASSERT_EQ(read.outcome, ProjectCardRead::Card);
    EXPECT_EQ(read.card, filledCard());
}

TEST(ProjectCardFile, KeepsKeysItDoesNotKnow)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.json"));
    writeBytes(path, R"({"format": "orvika-project", "version": 1, "object": "Школа",
        "drawings": {"scale": 100}, "lines": {"voltage": 70, "colour": "red"},
        "people": {"developer": "Иванов", "deputy": "Смирнов"}})");
    ProjectCardRead read = readProjectCard(path);
    ASSERT_EQ(read.outcome, ProjectCardRead::Card);
    EXPECT_EQ(read.card.supplier, u"ORVIKA") << "a key left out keeps the new card's value";
    EXPECT_EQ(read.card.stage, u"Р");
    read.card.object = QStringLiteral("Школа № 2");
    ASSERT_EQ(writeProjectCard(path, read.card), std::nullopt);

    const QJsonObject json = QJsonDocument::fromJson(fileBytes(path)).object();
    EXPECT_EQ(json.value(u"object").toString(), u"Школа № 2");
    EXPECT_EQ(json.value(u"drawings").toObject().value(u"scale").toInt(), 100);
    EXPECT_EQ(json.value(u"lines").toObject().value(u"voltage").toInt(), 70);
    EXPECT_EQ(json.value(u"lines").toObject().value(u"colour").toString(), u"red");
    EXPECT_EQ(json.value(u"people").toObject().value(u"deputy").toString(), u"Смирнов");
    EXPECT_EQ(json.value(u"people").toObject().value(u"developer").toString(), u"Иванов");
}

TEST(ProjectCardFile, KeepsTheLoudspeakerLines)
{
    ProjectCard card = filledCard();
    card.lines.settings = {70, 5, 10};
    ZoneLine hall;
    hall.zone = 1;
    hall.name = QStringLiteral("Холл, 1 этаж");
    hall.loudspeaker = QStringLiteral("K-3820 Громкоговоритель потолочный 6 Вт");
    hall.power = 6;
    hall.count = 12;
    hall.length = 180;
    hall.section = 1.5;
    hall.cable = QStringLiteral("КПСнг(А)-FRLS");
    ZoneLine unstated;
    unstated.zone = 2;
    card.lines.zones = {hall, unstated};

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.json"));
    ASSERT_EQ(writeProjectCard(path, card), std::nullopt);
    const QJsonObject lines = QJsonDocument::fromJson(fileBytes(path)).object().value(u"lines").toObject();
    EXPECT_EQ(lines.value(u"lossLimit").toDouble(), 5);
    const QJsonObject first = lines.value(u"zones").toArray().at(0).toObject();
    EXPECT_EQ(first.value(u"section").toDouble(), 1.5);
    EXPECT_EQ(first.value(u"count").toInt(), 12);
    EXPECT_TRUE(lines.value(u"zones").toArray().at(1).toObject().value(u"power").isNull());
    EXPECT_EQ(readProjectCard(path).card, card);
}

// A file of the card's name that is not a card is never replaced, and says why.
TEST(ProjectCardFile, NeverReplacesWhatIsNotACard)
{
    struct Case
    {
        const char *what;
        QByteArray bytes;
        ProjectCardRead::Outcome outcome;
    };
    const Case cases[] = {
        {"another program's JSON", R"({"name": "package", "version": "1.0"})", ProjectCardRead::Foreign},
        {"a JSON list", "[1, 2]", ProjectCardRead::Foreign},
        {"a card cut off", R"({"format": "orvika-project", "object": "Шк)", ProjectCardRead::Unusable},
        {"not JSON at all", "\xff\xfe binary", ProjectCardRead::Unusable},
    };
    for (const Case &c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Спецификация.json"));
        writeBytes(path, c.bytes);
        const ProjectCardRead read = readProjectCard(path);
        EXPECT_EQ(read.outcome, c.outcome) << c.what;
        EXPECT_FALSE(read.reason.isEmpty()) << c.what;
        const auto refused = writeProjectCard(path, filledCard());
        ASSERT_TRUE(refused.has_value()) << c.what;
        EXPECT_TRUE(refused->contains(u"Спецификация.json")) << c.what << ": " << refused->toStdString();
        EXPECT_EQ(fileBytes(path), c.bytes) << c.what;
    }
}

TEST(ProjectCardFile, MissingAndUnreadableCards)
{
    QTemporaryDir dir;
    EXPECT_EQ(readProjectCard(dir.filePath(QStringLiteral("нет.json"))).outcome, ProjectCardRead::Missing);
    QDir(dir.path()).mkdir(QStringLiteral("папка.json"));
    EXPECT_EQ(readProjectCard(dir.filePath(QStringLiteral("папка.json"))).outcome, ProjectCardRead::Unusable);
    if (::geteuid() != 0) { // root reads whatever the permissions say
        const QString locked = dir.filePath(QStringLiteral("закрыт.json"));
        writeBytes(locked, projectCardJson(filledCard()));
        QFile::setPermissions(locked, QFileDevice::WriteOwner);
        EXPECT_EQ(readProjectCard(locked).outcome, ProjectCardRead::Unusable);
    }
}

// A write cut off by the file-size limit leaves the earlier card whole.
TEST(ProjectCardFile, ACutWriteKeepsTheEarlierCard)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Спецификация.json"));
    ProjectCard earlier = filledCard();
    ASSERT_EQ(writeProjectCard(path, earlier), std::nullopt);
    const QByteArray before = fileBytes(path);

    ProjectCard longer = earlier;
    longer.object = QString(4000, u'Ж');
    const test::ChildResult child = test::runWithFileSizeLimit(1024, [&] {
        const auto error = writeProjectCard(path, longer);
        return QStringList{error ? *error : QStringLiteral("written")};
    });
    ASSERT_TRUE(child.exitedNormally);
    EXPECT_NE(child.lines.value(0), u"written");
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1) << "no temporary file left behind";
}

// On a full disk the write fails with the system's reason and the earlier card stays whole.
TEST(ProjectCardFile, AFullDiskKeepsTheEarlierCard)
{
    const test::SmallDisk disk;
    if (!disk.isMounted())
        GTEST_SKIP() << "mounting a small disk needs root";
    const QString path = QDir(disk.path()).filePath(QStringLiteral("Спецификация.json"));
    ASSERT_EQ(writeProjectCard(path, filledCard()), std::nullopt);
    const QByteArray before = fileBytes(path);
    ASSERT_TRUE(disk.fill());
    ProjectCard changed = filledCard();
    changed.object += QStringLiteral(", корпус 2");
    const auto error = writeProjectCard(path, changed);
    ASSERT_TRUE(error.has_value());
    EXPECT_FALSE(error->isEmpty());
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files).size(), 2) << "the card and the filler only";
}

TEST(ProjectCardFile, NamesTheCardAfterItsReport)
{
    EXPECT_EQ(projectCardPathFor(QStringLiteral("/p/Спецификация.dat")), u"/p/Спецификация.json");
    EXPECT_EQ(projectCardPathFor(QStringLiteral("/p/Школа.v2.DAT")), u"/p/Школа.v2.json");
    EXPECT_EQ(projectCardPathFor(QStringLiteral("/p/отчёт")), u"/p/отчёт.json");
}

TEST(ProjectCard, ANewCardCarriesTheOrganisationAndPeopleOver)
{
    const ProjectCard card = newProjectCard(filledCard(), QDate(2027, 1, 15));
    EXPECT_EQ(card.organisation, filledCard().organisation);
    EXPECT_EQ(card.supplier, filledCard().supplier);
    EXPECT_EQ(card.people, filledCard().people);
    EXPECT_TRUE(card.object.isEmpty() && card.address.isEmpty() && card.customer.isEmpty() &&
                card.designation.isEmpty());
    EXPECT_EQ(card.stage, WorkingStage);
    EXPECT_EQ(card.revision, 0);
    EXPECT_EQ(card.date, QDate(2027, 1, 15));
    EXPECT_EQ(ProjectCard().supplier, u"ORVIKA");
}

} // namespace
} // namespace orvika
