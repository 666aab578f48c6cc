#include "model_fixture.h"
#include "project/project_card_file.h"
#include "report/report_writer.h"

#include <QDir>
#include <QFile>

// The project's card travels with its report: written beside it, copied with it, loaded with it.
namespace orvika::test {
namespace {

ProjectCard schoolCard()
{
    ProjectCard card;
    card.object = QStringLiteral("Школа № 5");
    card.designation = QStringLiteral("05-26-СОУЭ");
    card.organisation = QStringLiteral("ООО «Проект»");
    card.people.developer = QStringLiteral("Иванов");
    card.date = QDate(2026, 12, 7);
    return card;
}

class ProjectCardRules : public BundledModelTest
{
protected:
    QString path(const QString &name) const { return dir.filePath(name); }

    // "Составить спецификацию" of a saved report's requirements.
    void calculate()
    {
        model->loadReportLines(reportLines(QStringLiteral("every_option.dat")));
        model->click(ButtonId::CmdUs);
        ASSERT_TRUE(model->finishedCalculation()) << seam.messages.join(u'|').toStdString();
    }

    static QByteArray bytes(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void write(const QString &file, const QByteArray &content)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
};

TEST_F(ProjectCardRules, TheCalculationWritesTheCardBesideItsReport)
{
    model->setProjectCard(schoolCard());
    calculate();
    EXPECT_EQ(seam.takeMessages().last(), "Данные находятся в файле Спецификация");
    EXPECT_EQ(readProjectCard(path(QStringLiteral("Спецификация.json"))).card, schoolCard());

    // A card filled in later follows the report List3 shows.
    ProjectCard later = schoolCard();
    later.revision = 1;
    model->setProjectCard(later);
    EXPECT_EQ(readProjectCard(path(QStringLiteral("Спецификация.json"))).card, later);
    EXPECT_TRUE(seam.messages.isEmpty());
}

TEST_F(ProjectCardRules, AFileOfTheCardsNameThatIsNotACardIsLeftAndToldOf)
{
    const QByteArray foreign = R"({"settings": true})";
    write(path(QStringLiteral("Спецификация.json")), foreign);
    model->setProjectCard(schoolCard());
    calculate();
    const QStringList messages = seam.takeMessages();
    ASSERT_GE(messages.size(), 2);
    EXPECT_EQ(messages.at(messages.size() - 2), "Данные находятся в файле Спецификация");
    EXPECT_TRUE(messages.last().contains(u"Спецификация.json")) << messages.last().toStdString();
    EXPECT_EQ(bytes(path(QStringLiteral("Спецификация.json"))), foreign);
    EXPECT_TRUE(model->finishedCalculation());
}

TEST_F(ProjectCardRules, SaveAsCopiesTheCardWithTheReport)
{
    model->setProjectCard(schoolCard());
    calculate();
    seam.takeMessages();
    seam.answers.enqueue(QStringLiteral("Школа"));
    model->saveAs();
    EXPECT_EQ(seam.takeMessages(), QStringList{QStringLiteral("Сохранено как: Школа.dat")});
    EXPECT_EQ(bytes(path(QStringLiteral("Школа.json"))), bytes(path(QStringLiteral("Спецификация.json"))));

    // Over a foreign file of the copy's card name the report is saved alone, and the user told why.
    const QByteArray foreign = R"({"format": "something-else"})";
    write(path(QStringLiteral("Гимназия.json")), foreign);
    seam.answers.enqueue(QStringLiteral("Гимназия"));
    model->saveAs();
    const QStringList messages = seam.takeMessages();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages.first(), "Сохранено как: Гимназия.dat");
    EXPECT_TRUE(messages.last().startsWith(u"Спецификация сохранена без сведений о проекте"));
    EXPECT_TRUE(messages.last().contains(u"Гимназия.json"));
    EXPECT_EQ(bytes(path(QStringLiteral("Гимназия.json"))), foreign);
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("Гимназия.dat"))));
}

TEST_F(ProjectCardRules, ALoadRestoresTheCardOfTheReport)
{
    QFile::copy(Reports + QStringLiteral("every_option.dat"), path(QStringLiteral("Школа.dat")));
    ASSERT_EQ(writeProjectCard(path(QStringLiteral("Школа.json")), schoolCard()), std::nullopt);
    ASSERT_TRUE(model->loadReport(path(QStringLiteral("Школа.dat"))));
    EXPECT_EQ(model->projectCard(), schoolCard());

    // A damaged card does not stop the load: the report loads, the message names the file.
    QFile::copy(Reports + QStringLiteral("every_option.dat"), path(QStringLiteral("Сад.dat")));
    write(path(QStringLiteral("Сад.json")), R"({"format": "orvika-project", "object": )");
    seam.takeMessages();
    ASSERT_TRUE(model->loadReport(path(QStringLiteral("Сад.dat"))));
    EXPECT_FALSE(model->zoneList().items.isEmpty() && model->sourceList().items.isEmpty());
    ASSERT_EQ(seam.messages.size(), 1);
    EXPECT_TRUE(seam.messages.first().contains(u"Сад.json")) << seam.messages.first().toStdString();
    EXPECT_TRUE(model->projectCard().object.isEmpty());
}

// A card another program wrote with values the windows would not take loads without them, and the
// load's message names each with its file, zone and key.
TEST_F(ProjectCardRules, ALoadNamesTheCardsValuesItDrops)
{
    QFile::copy(Reports + QStringLiteral("every_option.dat"), path(QStringLiteral("Школа.dat")));
    write(path(QStringLiteral("Школа.json")), R"({"format": "orvika-project", "object": "Школа № 5",
        "lines": {"voltage": 0, "zones": [{"zone": 2, "count": 1e12, "section": 0.3, "length": 40}]}})");
    seam.takeMessages();
    ASSERT_TRUE(model->loadReport(path(QStringLiteral("Школа.dat"))));
    EXPECT_EQ(model->projectCard().object, u"Школа № 5");
    const LoudspeakerLines &lines = model->projectCard().lines;
    EXPECT_EQ(lines.settings.voltage, 100);
    ASSERT_EQ(lines.zones.size(), 1);
    EXPECT_EQ(lines.zones.first().length, 40);
    EXPECT_FALSE(lines.zones.first().count || lines.zones.first().section);
    ASSERT_EQ(seam.messages.size(), 1);
    const QStringList told = seam.messages.first().split(u'\n');
    ASSERT_EQ(told.size(), 4) << seam.messages.first().toStdString();
    EXPECT_TRUE(told.at(0).contains(u"Школа.json"));
    EXPECT_TRUE(told.at(1).startsWith(u"«lines.voltage» = 0"));
    EXPECT_TRUE(told.at(2).startsWith(u"зона 2, «count» = 1000000000000"));
    EXPECT_TRUE(told.at(3).startsWith(u"зона 2, «section» = 0.3"));
}

// A new card carries the organisation and the people of the last card filled in, also in the next run.
TEST_F(ProjectCardRules, ANewCardStartsFromTheLastOneFilledIn)
{
    const QString last = path(QStringLiteral("данные/orvika/last-project.json")); // made when first kept
    model->useLastCardFile(last);
    EXPECT_EQ(model->projectCard().supplier, u"ORVIKA");
    EXPECT_EQ(model->projectCard().date, QDate::currentDate());
    model->setProjectCard(schoolCard());

    MainWindowModel next(state, seam);
    next.useLastCardFile(last);
    EXPECT_EQ(next.projectCard().organisation, schoolCard().organisation);
    EXPECT_EQ(next.projectCard().people, schoolCard().people);
    EXPECT_TRUE(next.projectCard().object.isEmpty());
    EXPECT_TRUE(next.projectCard().designation.isEmpty());

    // A report without a card gets such a new card when it is loaded.
    QFile::copy(Reports + QStringLiteral("every_option.dat"), path(QStringLiteral("Без карточки.dat")));
    ASSERT_TRUE(model->loadReport(path(QStringLiteral("Без карточки.dat"))));
    EXPECT_EQ(model->projectCard().organisation, schoolCard().organisation);
    EXPECT_TRUE(model->projectCard().object.isEmpty());
}

} // namespace
} // namespace orvika::test
