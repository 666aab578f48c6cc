#include "document_window.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <optional>

// "Сохранить как": the report is copied under the typed name with ".dat" appended, after the questions
// and refusals the menu command makes.
namespace orvika::test::documents {
namespace {

const QString EnterName = QStringLiteral("Введите имя файла");
const QByteArray ReportBytes = encodeLines({QStringLiteral("ТЕХНИЧЕСКОЕ ЗАДАНИЕ: отчёт"), QString()});
const QByteArray OldBytes = encodeLines({QStringLiteral("старая копия")});

class SaveAs : public OpenWindowTest
{
protected:
    // Runs the menu command with the given answers; the messages it showed.
    QStringList save(const QStringList &answers)
    {
        for (const QString &answer : answers)
            w->dialogs.answers.enqueue(answer);
        w->dialogs.messages.clear();
        w->dialogs.inputs.clear();
        w->window->Mnuskak->trigger();
        EXPECT_TRUE(w->dialogs.answers.isEmpty()) << "fewer questions than answers";
        return w->dialogs.takeMessages();
    }

    QStringList files() const
    {
        return QDir(dir.path())
            .entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    }

    // 100 twips from the left and the top of the screen.
    QPoint promptCorner() const
    {
        const Twips twips(w->window->logicalDpiX(), w->window->logicalDpiY());
        return w->window->screen()->geometry().topLeft() + QPoint(twips.x(100), twips.y(100));
    }
};

TEST_F(SaveAs, AsksForTheNameWithTheFixedTitlePromptTextAndPlace)
{
    ASSERT_TRUE(dir.write(Report, ReportBytes));
    save({QStringLiteral("abc")});
    ASSERT_EQ(w->dialogs.inputs.size(), 1);
    const ScriptedDialogs::InputCall &asked = w->dialogs.inputs.first();
    EXPECT_EQ(asked.title, QStringLiteral("Сохранить как"));
    EXPECT_EQ(asked.prompt, QStringLiteral("Сохранить файл <<Спецификация>> как"));
    EXPECT_EQ(asked.initialText, QStringLiteral("Новое имя"));
    EXPECT_EQ(asked.position, promptCorner());
    // At the usual 96 dots per inch, 100 twips are 7 pixels.
    if (w->window->logicalDpiX() == 96 && w->window->logicalDpiY() == 96) {
        EXPECT_EQ(asked.position - w->window->screen()->geometry().topLeft(), QPoint(7, 7));
    }
}

TEST_F(SaveAs, CopiesTheReportUnderTheNewNameAndSaysSo)
{
    ASSERT_TRUE(dir.write(Report, ReportBytes));
    EXPECT_EQ(save({QStringLiteral("abc")}), QStringList{QStringLiteral("Сохранено как: abc.dat")});
    EXPECT_EQ(dir.read(QStringLiteral("abc.dat")), ReportBytes);
    EXPECT_EQ(dir.read(Report), ReportBytes);
    EXPECT_EQ(w->dialogs.inputs.size(), 1);
}

TEST_F(SaveAs, TheInitialTextAcceptedAsItIsNamesTheCopy)
{
    ASSERT_TRUE(dir.write(Report, ReportBytes));
    EXPECT_EQ(save({QStringLiteral("Новое имя")}),
              QStringList{QStringLiteral("Сохранено как: Новое имя.dat")});
    EXPECT_EQ(dir.read(QStringLiteral("Новое имя.dat")), ReportBytes);
}

TEST_F(SaveAs, AnExtensionTypedByTheUserIsFollowedByAnotherOne)
{
    ASSERT_TRUE(dir.write(Report, ReportBytes));
    EXPECT_EQ(save({QStringLiteral("abc.dat")}), QStringList{QStringLiteral("Сохранено как: abc.dat.dat")});
    EXPECT_EQ(dir.read(QStringLiteral("abc.dat.dat")), ReportBytes);
}

TEST_F(SaveAs, AnEmptyAnswerAsksForANameAndCopiesNothing)
{
    ASSERT_TRUE(dir.write(Report, ReportBytes));
    const QStringList before = files();
    EXPECT_EQ(save({QString()}), QStringList{EnterName});
    EXPECT_EQ(files(), before);
}

TEST_F(SaveAs, WithoutAReportTheNameIsAskedAndThenTheReportIsMissed)
{
    const QStringList before = files();
    EXPECT_EQ(save({QStringLiteral("abc")}), QStringList{QStringLiteral("Не найден файл: Спецификация.dat")});
    EXPECT_EQ(w->dialogs.inputs.size(), 1);
    EXPECT_EQ(files(), before);
}

TEST_F(SaveAs, AReportFromACalculationIsCopiedByteForByte)
{
    MainWindow &m = *w->window;
    m.Opt1->setChecked(true);
    QTest::keyClicks(m.TxtP, QStringLiteral("300"));
    m.Check4->setChecked(true);
    m.CmbMC->setCurrentIndex(m.CmbMC->findText(unit::DeskMicrophone));
    emit m.CmbMC->activated(m.CmbMC->currentIndex());
    QTest::mouseClick(m.CmdMC, Qt::LeftButton);
    QTest::mouseClick(m.CmdUs, Qt::LeftButton);
    const QByteArray report = dir.report();
    ASSERT_FALSE(report.isEmpty()) << w->dialogs.messages.join(u'|').toStdString();
    EXPECT_EQ(save({QStringLiteral("система")}), QStringList{QStringLiteral("Сохранено как: система.dat")});
    EXPECT_EQ(dir.read(QStringLiteral("система.dat")), report);
}

// An existing copy: the second question and what each answer to it does.
struct Replacement
{
    const char *label;
    QString secondAnswer;
    QStringList messages;
    QByteArray abc;             // abc.dat afterwards
    std::optional<QString> xyz; // xyz.dat's name when it must hold the report afterwards
};

class SaveAsOverACopy : public SaveAs, public ::testing::WithParamInterface<Replacement>
{
};

TEST_P(SaveAsOverACopy, AsksOnceMoreAndTakesTheSecondAnswerUnchecked)
{
    const Replacement &c = GetParam();
    ASSERT_TRUE(dir.write(Report, ReportBytes));
    ASSERT_TRUE(dir.write(QStringLiteral("abc.dat"), OldBytes));
    ASSERT_TRUE(dir.write(QStringLiteral("xyz.dat"), OldBytes));
    EXPECT_EQ(save({QStringLiteral("abc"), c.secondAnswer}), c.messages);
    ASSERT_EQ(w->dialogs.inputs.size(), 2);
    const ScriptedDialogs::InputCall &asked = w->dialogs.inputs.at(1);
    EXPECT_EQ(asked.title, QStringLiteral("Заменить существующий файл"));
    EXPECT_EQ(asked.prompt, QStringLiteral("Имя abc.dat уже существует"));
    EXPECT_EQ(asked.initialText, QStringLiteral("Новое имя"));
    EXPECT_EQ(asked.position, promptCorner());
    EXPECT_EQ(dir.read(QStringLiteral("abc.dat")), c.abc);
    EXPECT_EQ(dir.read(QStringLiteral("xyz.dat")), c.xyz ? ReportBytes : OldBytes);
    EXPECT_EQ(dir.read(Report), ReportBytes);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, SaveAsOverACopy,
    ::testing::Values(Replacement{"the_same_name_overwrites",
                                  QStringLiteral("abc"),
                                  {QStringLiteral("Сохранено как: abc.dat")},
                                  ReportBytes,
                                  std::nullopt},
                      Replacement{"another_existing_name_is_overwritten_without_asking",
                                  QStringLiteral("xyz"),
                                  {QStringLiteral("Сохранено как: xyz.dat")},
                                  OldBytes,
                                  QStringLiteral("xyz.dat")},
                      Replacement{
                          "a_cleared_field_copies_nothing", QString(), {EnterName}, OldBytes, std::nullopt}),
    [](const ::testing::TestParamInfo<Replacement> &info) { return std::string(info.param.label); });

TEST_F(SaveAs, ANewNameInTheSecondAnswerIsWrittenAsItIs)
{
    ASSERT_TRUE(dir.write(Report, ReportBytes));
    ASSERT_TRUE(dir.write(QStringLiteral("abc.dat"), OldBytes));
    EXPECT_EQ(save({QStringLiteral("abc"), QStringLiteral("новый")}),
              QStringList{QStringLiteral("Сохранено как: новый.dat")});
    EXPECT_EQ(dir.read(QStringLiteral("новый.dat")), ReportBytes);
    EXPECT_EQ(dir.read(QStringLiteral("abc.dat")), OldBytes);
}

// Targets the copy cannot be written to: a message names the target and nothing is written.
struct FailingTarget
{
    const char *label;
    QString name;        // typed
    QString existingDir; // made before, relative to the working directory
};

class SaveAsFails : public SaveAs, public ::testing::WithParamInterface<FailingTarget>
{
};

TEST_P(SaveAsFails, NamesTheTargetAndLeavesBothFilesAsTheyWere)
{
    const FailingTarget &c = GetParam();
    ASSERT_TRUE(dir.write(Report, ReportBytes));
    if (!c.existingDir.isEmpty()) {
        ASSERT_TRUE(QDir(dir.path()).mkpath(c.existingDir));
    }
    const QStringList before = files();
    const QStringList messages = save({c.name});
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().contains(c.name + QStringLiteral(".dat"))) << messages.first().toStdString();
    EXPECT_FALSE(messages.first().startsWith(QStringLiteral("Сохранено как")))
        << messages.first().toStdString();
    EXPECT_EQ(files(), before);
    EXPECT_EQ(dir.read(Report), ReportBytes);
    if (!c.existingDir.isEmpty()) {
        EXPECT_TRUE(QDir(dir.filePath(c.existingDir)).isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Targets, SaveAsFails,
    ::testing::Values(FailingTarget{"missing_folder", QStringLiteral("нет такой папки/abc"), QString()},
                      FailingTarget{"a_folder_of_that_name", QStringLiteral("папка"),
                                    QStringLiteral("папка.dat")}),
    [](const ::testing::TestParamInfo<FailingTarget> &info) { return std::string(info.param.label); });

} // namespace
} // namespace orvika::test::documents
