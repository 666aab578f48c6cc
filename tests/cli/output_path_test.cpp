#include "command_line_fixture.h"

#include <QMap>
#include <unistd.h>

// A mistyped output path: the document never takes the place of a file the program reads, however
// the path is spelt.
namespace orvika::test {
namespace {

struct OutputPathCase
{
    const char *label;
    QStringList arguments;
    const char *spared; // the file the output path reaches
};

void PrintTo(const OutputPathCase &value, std::ostream *out)
{
    *out << value.label;
}

class OutputPaths : public CommandLine, public ::testing::WithParamInterface<OutputPathCase>
{
protected:
    void SetUp() override
    {
        CommandLine::SetUp();
        ASSERT_TRUE(put(QStringLiteral("отчёт.json"), R"({"format": "orvika-project", "object": "Школа"})"));
        ASSERT_TRUE(
            put(QStringLiteral("карточка.json"), R"({"format": "orvika-project", "object": "Гимназия"})"));
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("папка")));
        const auto name = [this](const char *file) {
            return QFile::encodeName(dir.filePath(QString::fromUtf8(file)));
        };
        ASSERT_EQ(::symlink("отчёт.dat", name("ссылка.csv").constData()), 0);
        ASSERT_EQ(::symlink(name("Base").constData(), name("папка/база").constData()), 0);
        ASSERT_EQ(::link(name("отчёт.dat").constData(), name("жёсткая.csv").constData()), 0);
        ASSERT_EQ(::symlink("другой.json", name("к карточке.pdf").constData()), 0); // to a card not there yet
    }

    // Every file of the folder and of Base/ with its bytes.
    QMap<QString, QByteArray> contents() const
    {
        QMap<QString, QByteArray> all;
        for (const QString &folder : {QString(), QStringLiteral("Base/")}) {
            for (const QString &name : QDir(dir.filePath(folder)).entryList(QDir::Files | QDir::System))
                all.insert(folder + name, read(folder + name));
        }
        return all;
    }
};

TEST_P(OutputPaths, AreRefusedAndTheFileIsLeftAsItWas)
{
    const OutputPathCase &c = GetParam();
    const QMap<QString, QByteArray> before = contents();
    const Outcome result = run(c.arguments);
    EXPECT_EQ(result.exitCode, 2);
    const QString output = c.arguments.value(c.arguments.indexOf(QStringLiteral("--output")) + 1);
    EXPECT_EQ(result.errorLines, QStringList{QStringLiteral("Нельзя записать документ в «%1»: это %2.")
                                                 .arg(output, QString::fromUtf8(c.spared))});
    EXPECT_EQ(contents(), before);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("другой.json"))));
}

QStringList exporting(const char *format, const char *output, QStringList more = {})
{
    return QStringList{QStringLiteral("--export"), QString::fromUtf8(format), QStringLiteral("--output"),
                       QString::fromUtf8(output)} +
           more + QStringList{QStringLiteral("отчёт.dat")};
}

const char *const TheReport = "сохранённая спецификация «отчёт.dat»";
const char *const ItsCard = "файл сведений о проекте «отчёт.json»";

INSTANTIATE_TEST_SUITE_P(
    Spellings, OutputPaths,
    ::testing::Values(
        OutputPathCase{"TheReport", exporting("csv", "отчёт.dat"), TheReport},
        OutputPathCase{"TheReportThroughItsFolder", exporting("pdf", "папка/../отчёт.dat"), TheReport},
        OutputPathCase{"TheReportThroughALink", exporting("csv", "ссылка.csv"), TheReport},
        OutputPathCase{"TheReportThroughAHardLink", exporting("xlsx", "жёсткая.csv"), TheReport},
        OutputPathCase{"ItsCard", exporting("pdf", "./отчёт.json"), ItsCard},
        OutputPathCase{"TheCardGiven",
                       exporting("gost-pdf", "карточка.json", {"--project", "папка/../карточка.json"}),
                       "файл сведений о проекте «карточка.json»"},
        OutputPathCase{"ACardNotThereYet", exporting("pdf", "к карточке.pdf", {"--project", "другой.json"}),
                       "файл сведений о проекте «другой.json»"},
        OutputPathCase{"TheCatalogue", exporting("rack-dxf", "папка/база/Base-Date"),
                       "каталог оборудования «Base-Date»"},
        OutputPathCase{"TheLibrary", exporting("lines-csv", "Base/Sxemm"), "библиотека блок-схем «Sxemm»"},
        OutputPathCase{"TheLoudspeakerLibrary", exporting("acoustics-csv", "loudspeakers.json"),
                       "библиотека громкоговорителей «loudspeakers.json»"},
        OutputPathCase{"TheCurrentPriceList", exporting("lines-csv", "prices.json"),
                       "текущий прайс-лист «prices.json»"},
        OutputPathCase{"TheRememberedColumns", exporting("csv", "price_columns.json"),
                       "запомненные столбцы прайс-листов «price_columns.json»"},
        OutputPathCase{"ThePriceListGiven",
                       exporting("offer-csv", "папка/../прайс.csv", {"--prices", "прайс.csv"}),
                       "прайс-лист «прайс.csv»"},
        OutputPathCase{"AComparedReport",
                       {"--compare", "отчёт.dat", "ссылка.csv", "--output", "жёсткая.csv"},
                       TheReport}),
    [](const ::testing::TestParamInfo<OutputPathCase> &info) { return std::string(info.param.label); });

// Beside the files it reads, anything else is the user's to choose.
TEST_F(CommandLine, AnOutputBesideTheReportIsWritten)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("папка")));
    const Outcome result = run(exporting("csv", "папка/../отчёт.csv"));
    EXPECT_EQ(result.exitCode, 0) << result.errorLines.join(u'\n').toStdString();
    EXPECT_FALSE(read(QStringLiteral("отчёт.csv")).isEmpty());
}

} // namespace
} // namespace orvika::test
