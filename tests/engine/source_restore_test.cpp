#include "comparison/saved_report.h"
#include "engine/report_restore.h"
#include "model_fixture.h"
#include "report/report_file.h"
#include "report/report_writer.h"

#include <QFile>

// Saved reports whose sources carry no model code ("Микрофон-гарнитура", "zep-30 …"), restored
// without the window: every source comes back, and with it what it brings.
namespace orvika::test {
namespace {

const QString Headset = QStringLiteral("Микрофон-гарнитура");
const QString LowerCaseRadio = QStringLiteral("zep-30 Радиоприёмник трансляционный");
const QString CodedMicrophone = QStringLiteral("K-3122 Микрофон настольный на гибкой стойке");
const QString CodedBlock = QStringLiteral("K-3260 Блок речевых сообщений на 4 сообщения");

struct Source
{
    CheckBoxId kind;
    PickerId picker;
    CounterId counter;
    ButtonId add;
    QString unit;
    int count;
};

struct CodelessCase
{
    const char *label;
    QList<Source> sources;
    QStringList loadedByTheWindow; // List1 after the window's load, which takes marked lines only
};

void PrintTo(const CodelessCase &value, std::ostream *out)
{
    *out << value.label;
}

class CodelessSources : public ModelTest, public ::testing::WithParamInterface<CodelessCase>
{
protected:
    // The bundled catalogue with a microphone that has no model code and a music source whose code
    // is in lower case, each in the place of a unit of its kind.
    bool writeCatalogue() override
    {
        QFile bundled(QStringLiteral(ORVIKA_SOURCE_DIR "/data/Base/Base-Date"));
        if (!bundled.open(QIODevice::ReadOnly))
            return false;
        QStringList lines = decodeLines(bundled.readAll());
        lines.replaceInStrings(QStringLiteral("K-3124 Микрофон ручной динамический"), Headset);
        lines.replaceInStrings(QStringLiteral("K-3286 Радиоприёмник трансляционный"), LowerCaseRadio);
        return writeBaseFile(dir.path(), QStringLiteral("Base-Date"), lines);
    }

    // The report of the sources with 300 W in all, as "Составить спецификацию" writes it.
    QStringList composedReport(const QList<Source> &sources)
    {
        for (const Source &source : sources) {
            model->setTicked(source.kind, true);
            pick(source.picker, source.unit);
            model->setCounterValue(source.counter, source.count);
            model->click(source.add);
        }
        model->setPowerMode(PowerMode::Total);
        model->setTotalPowerText(QStringLiteral("300"));
        model->click(ButtonId::CmdUs);
        QString failure;
        const std::optional<QStringList> lines = readReportLines(dir.filePath(ReportFileName), &failure);
        EXPECT_TRUE(lines) << failure.toStdString() << seam.messages.join(u'|').toStdString();
        return lines.value_or(QStringList());
    }
};

TEST_P(CodelessSources, ComeBackWithWhatTheyBring)
{
    const CodelessCase &c = GetParam();
    const QStringList saved = composedReport(c.sources);
    ASSERT_FALSE(saved.isEmpty());

    // The window's load stays as it is.
    model->loadReportLines(saved);
    EXPECT_EQ(model->sourceList().items, c.loadedByTheWindow);

    restoreSavedReport(*model, saved, parseSavedReport(saved));
    const std::optional<FinishedCalculation> finished = model->runCalculation();
    ASSERT_TRUE(finished) << seam.messages.join(u'|').toStdString();
    const QStringList composed = composeReport(finished->requirements, finished->proposal, QLocale::c());
    EXPECT_EQ(composed.join(u'\n').toStdString(), saved.join(u'\n').toStdString());
    EXPECT_TRUE(differingLines(saved, composed).isEmpty());
}

const Source RestoredHeadsets{CheckBoxId::Check4, PickerId::CmbMC, CounterId::VSMC,
                              ButtonId::CmdMC,    Headset,         4};
const Source RestoredCodedMicrophone{CheckBoxId::Check4, PickerId::CmbMC, CounterId::VSMC,
                                     ButtonId::CmdMC,    CodedMicrophone, 1};
const Source RestoredLowerCaseRadio{CheckBoxId::Check5, PickerId::CmbMZ, CounterId::VSMZ,
                                    ButtonId::CmdMZ,    LowerCaseRadio,  2};
const Source RestoredBlock{CheckBoxId::Check3, PickerId::CmbAL, CounterId::VSAL,
                           ButtonId::CmdAL,    CodedBlock,      1};

INSTANTIATE_TEST_SUITE_P(
    , CodelessSources,
    ::testing::Values(CodelessCase{"AMicrophoneWithoutCode",
                                   {RestoredHeadsets, RestoredBlock},
                                   {"K-3260 Блок речевых сообщений на 4 сообщения - 1 шт."}},
                      CodelessCase{"ALowerCaseCode", {RestoredLowerCaseRadio}, {}},
                      CodelessCase{
                          "AmongCodedOnes",
                          {RestoredCodedMicrophone, RestoredHeadsets, RestoredBlock, RestoredLowerCaseRadio},
                          {"K-3122 Микрофон настольный на гибкой стойке - 1 шт.",
                           "K-3260 Блок речевых сообщений на 4 сообщения - 1 шт."}}),
    [](const auto &info) { return std::string(info.param.label); });

struct DifferenceCase
{
    const char *label;
    QStringList saved, composed;
    QStringList onlySaved, onlyComposed;
};

void PrintTo(const DifferenceCase &value, std::ostream *out)
{
    *out << value.label;
}

class LineDifferences : public ::testing::TestWithParam<DifferenceCase>
{
};

TEST_P(LineDifferences, NameTheLinesEitherReportHoldsAlone)
{
    const DifferenceCase &c = GetParam();
    const ReportLineDifferences differences = differingLines(c.saved, c.composed);
    EXPECT_EQ(differences.onlySaved, c.onlySaved);
    EXPECT_EQ(differences.onlyComposed, c.onlyComposed);
    EXPECT_EQ(differences.isEmpty(), c.onlySaved.isEmpty() && c.onlyComposed.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    , LineDifferences,
    ::testing::Values(DifferenceCase{"Same", {"a", "", "b"}, {"a", "b", ""}, {}, {}},
                      DifferenceCase{"OneLost", {"a", "- M - 2 шт.", "b"}, {"a", "b"}, {"- M - 2 шт."}, {}},
                      DifferenceCase{"OneChanged", {"x - 5", "y"}, {"y", "x - 6"}, {"x - 5"}, {"x - 6"}},
                      DifferenceCase{"HeldOnceMore", {"a", "a", "b"}, {"a", "b", "b"}, {"a"}, {"b"}}),
    [](const auto &info) { return std::string(info.param.label); });

} // namespace
} // namespace orvika::test
