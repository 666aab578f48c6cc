#include "catalogue/account_unit.h"
#include "catalogue/catalogue_reader.h"
#include "catalogue_fixtures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

using namespace orvika;
using orvika::testing::paddedCatalogue;

namespace {

const QLocale CLocale(QLocale::C);
const QLocale Russian(QLocale::Russian, QLocale::Russia);

std::optional<Catalogue> parse(const QStringList &lines, const QLocale &locale = CLocale)
{
    return parseCatalogue(paddedCatalogue(lines), locale);
}

QStringList workedExample()
{
    return {
        QStringLiteral("K-1 Микрофон ручной#5%1&MC"),
        QStringLiteral("K-2 Блок сообщений#20%1&AL"),
        QStringLiteral("K-3 Селектор зон#12%1&SZ//500"),
        QStringLiteral("K-4 Усилитель (240)#360%3&AMP*2|4+0/1//1"),
        QStringLiteral("K-5 Коммутатор#20%1&AR|08"),
        QStringLiteral("K-6 Шкаф*RU/60|42"),
        QStringLiteral("K-7 Блок питания#10%1&PD*04"),
    };
}

} // namespace

TEST(ParseCatalogueTest, ReadsTheWorkedExample)
{
    const auto catalogue = parse(workedExample());
    ASSERT_TRUE(catalogue);
    EXPECT_EQ(catalogue->lines, paddedCatalogue(workedExample()));
    EXPECT_EQ(catalogue->microphones, QStringList{QStringLiteral("K-1 Микрофон ручной")});
    EXPECT_EQ(catalogue->alarmBlocks, QStringList{QStringLiteral("K-2 Блок сообщений")});
    ASSERT_EQ(catalogue->selectors.size(), 1);
    EXPECT_EQ(catalogue->selectors[0].name, QStringLiteral("K-3 Селектор зон"));
    EXPECT_EQ(catalogue->selectors[0].capacity, 500);
    ASSERT_EQ(catalogue->amplifiers.size(), 1);
    EXPECT_EQ(catalogue->amplifiers[0].name, QStringLiteral("K-4 Усилитель (240)"));
    EXPECT_EQ(catalogue->amplifiers[0].power, 240);
    EXPECT_EQ(catalogue->amplifiers[0].descriptor, QStringLiteral("2|4+0/1//1"));
    EXPECT_EQ(catalogue->arName, QStringLiteral("K-5 Коммутатор"));
    EXPECT_EQ(catalogue->arNumber, 8);
    ASSERT_EQ(catalogue->cabinets60.size(), 1);
    EXPECT_EQ(catalogue->cabinets60[0].name, QStringLiteral("K-6 Шкаф"));
    EXPECT_EQ(catalogue->cabinets60[0].height, 42);
    EXPECT_EQ(catalogue->pdName, QStringLiteral("K-7 Блок питания"));
    EXPECT_EQ(catalogue->pdNumber, 4);
    EXPECT_TRUE(catalogue->musicSources.isEmpty());
    EXPECT_TRUE(catalogue->preamps.isEmpty());
    EXPECT_TRUE(catalogue->cabinets80.isEmpty());
    EXPECT_TRUE(catalogue->asName.isEmpty());
    EXPECT_EQ(catalogue->blNumber, 0);
}

TEST(ParseCatalogueTest, KeepsTheLocaleOfTheFigures)
{
    const auto catalogue = parse({QStringLiteral("K-1 Блок#2,5%1&MC")}, Russian);
    ASSERT_TRUE(catalogue);
    EXPECT_EQ(catalogue->numberLocale, Russian);
    EXPECT_FALSE(parse({QStringLiteral("K-1 Блок#2,5%1&MC")}, CLocale));
    EXPECT_TRUE(parse({QStringLiteral("K-1 Блок#2.5%1&MC")}, CLocale));
}

// Line count, model lines and the first line decide whether the catalogue is taken at all.
struct ValidityCase
{
    const char *what;
    int lineCount;
    int modelLines;
    QString firstLine;
    bool accepted;
};

class ValidityRuleTest : public ::testing::TestWithParam<ValidityCase>
{
};

TEST_P(ValidityRuleTest, AcceptsOnlyFiftyNineLinesWithTwentyNineModels)
{
    const ValidityCase &c = GetParam();
    const QStringList lines = paddedCatalogue({c.firstLine}, c.modelLines, c.lineCount);
    ASSERT_EQ(lines.size(), c.lineCount);
    EXPECT_EQ(parseCatalogue(lines, CLocale).has_value(), c.accepted) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ValidityRuleTest,
    ::testing::Values(ValidityCase{"59 lines", 59, 29, QStringLiteral("K-1 Микрофон#1%0&MC"), true},
                      ValidityCase{"58 lines", 58, 29, QStringLiteral("K-1 Микрофон#1%0&MC"), false},
                      ValidityCase{"60 lines", 60, 29, QStringLiteral("K-1 Микрофон#1%0&MC"), false},
                      ValidityCase{"28 model lines", 59, 28, QStringLiteral("K-1 Микрофон#1%0&MC"), false},
                      ValidityCase{"all model lines", 59, 59, QStringLiteral("K-1 Микрофон#1%0&MC"), true},
                      ValidityCase{"heading first", 59, 30, QStringLiteral("Микрофоны"), false},
                      ValidityCase{"lower-case k first", 59, 30, QStringLiteral("k-1 Микрофон#1%0&MC"),
                                   false},
                      ValidityCase{"Cyrillic К first", 59, 30, QStringLiteral("К-1 Микрофон#1%0&MC"), false},
                      ValidityCase{"blank line first", 59, 30, QString(), false}));

TEST(ValidityRuleTest, LowerCaseKIsNoModelLine)
{
    QStringList lines = paddedCatalogue({}, 29);
    lines[40] = QStringLiteral("k-40 Громкоговоритель#0%0&");
    ASSERT_TRUE(parseCatalogue(lines, CLocale)); // 29 model lines among the padding
    lines[5] = QStringLiteral("k-5 Громкоговоритель#0%0&");
    EXPECT_FALSE(parseCatalogue(lines, CLocale)); // 28 left
}

TEST(ValidityRuleTest, RejectsWhatCouldNotBeRead)
{
    EXPECT_FALSE(parseCatalogue({QString()}, CLocale));
    EXPECT_FALSE(parseCatalogue({}, CLocale));
}

TEST(ParseCatalogueTest, BlankLineCountsButMatchesNothing)
{
    QStringList lines = paddedCatalogue({QStringLiteral("K-1 Микрофон#1%0&MC"), QString()});
    ASSERT_EQ(lines.size(), 59);
    const auto catalogue = parseCatalogue(lines, CLocale);
    ASSERT_TRUE(catalogue);
    EXPECT_EQ(catalogue->lines.at(1), QString());
    EXPECT_EQ(catalogue->microphones.size(), 1);
}

TEST(ParseCatalogueTest, LaterAsLineWins)
{
    const auto catalogue =
        parse({QStringLiteral("K-1 Блок первый#1%1&AS"), QStringLiteral("K-2 Блок второй#1%1&AS")});
    ASSERT_TRUE(catalogue);
    EXPECT_EQ(catalogue->asName, QStringLiteral("K-2 Блок второй"));
}

TEST(ParseCatalogueTest, LaterSingleEntriesWin)
{
    const auto catalogue = parse({
        QStringLiteral("K-1 Коммутатор#1%1&AR|04"),
        QStringLiteral("K-2 Коммутатор#1%1&AR|06"),
        QStringLiteral("K-3 Контроль#1%1&ML*04"),
        QStringLiteral("K-4 Контроль#1%1&ML*16"),
        QStringLiteral("K-5 Питание#1%1&UP*0500"),
        QStringLiteral("K-6 Питание#1%1&UP*2000"),
    });
    ASSERT_TRUE(catalogue);
    EXPECT_EQ(catalogue->arName, QStringLiteral("K-2 Коммутатор"));
    EXPECT_EQ(catalogue->arNumber, 6);
    EXPECT_EQ(catalogue->mlName, QStringLiteral("K-4 Контроль"));
    EXPECT_EQ(catalogue->mlNumber, 16);
    EXPECT_EQ(catalogue->upName, QStringLiteral("K-6 Питание"));
    EXPECT_EQ(catalogue->upNumber, 2000);
}

TEST(ParseCatalogueTest, CodesInsideNamesCount)
{
    const auto catalogue = parse({
        QStringLiteral("K-1 Пульт AL-2#5%1&MC"),
        QStringLiteral("K-2 Пульт#5%1&MC RM"),
        QStringLiteral("K-3 Пульт#5%1&BR"),
    });
    ASSERT_TRUE(catalogue);
    EXPECT_EQ(catalogue->microphones,
              (QStringList{QStringLiteral("K-1 Пульт AL-2"), QStringLiteral("K-2 Пульт")}));
    EXPECT_EQ(catalogue->alarmBlocks, QStringList{QStringLiteral("K-1 Пульт AL-2")});
    EXPECT_EQ(catalogue->consoles, QStringList{QStringLiteral("K-2 Пульт")});
    EXPECT_EQ(catalogue->reserveUnits, QStringList{QStringLiteral("K-3 Пульт")});
}

TEST(ParseCatalogueTest, LineWithAmpAndPredGoesIntoBothTables)
{
    const auto catalogue = parse({QStringLiteral("K-1 Усилитель (60)#90%2&AMP PRED*1|2+0/1//1"),
                                  QStringLiteral("K-2 Усилитель (120)#150%2&UMP")});
    ASSERT_TRUE(catalogue);
    ASSERT_EQ(catalogue->amplifiers.size(), 2);
    EXPECT_EQ(catalogue->amplifiers[0].power, 60);
    EXPECT_EQ(catalogue->amplifiers[1].power, 120);
    EXPECT_EQ(catalogue->amplifiers[1].descriptor, QString()); // no "*": declares no inputs
    ASSERT_EQ(catalogue->preamps.size(), 1);
    EXPECT_EQ(catalogue->preamps[0].name, QStringLiteral("K-1 Усилитель (60)"));
    EXPECT_EQ(catalogue->preamps[0].descriptor, QStringLiteral("1|2+0/1//1"));
}

TEST(ParseCatalogueTest, CabinetsKeepTheirOwnNamesAndHeights)
{
    const auto catalogue = parse({
        QStringLiteral("K-1 Шкаф малый*RU/80|24"), // a class-80 record on the first line has its name too
        QStringLiteral("K-2 Шкаф*RU/60|24"),
        QStringLiteral("K-3 Шкаф с батареями*RU/80| 9"),
        QStringLiteral("K-4 Стойка*RU/70|42"),
        QStringLiteral("K-5 Шкаф большой*RU/60|9 "),
    });
    ASSERT_TRUE(catalogue);
    ASSERT_EQ(catalogue->cabinets60.size(), 2);
    EXPECT_EQ(catalogue->cabinets60[0].name, QStringLiteral("K-2 Шкаф"));
    EXPECT_EQ(catalogue->cabinets60[0].height, 24);
    EXPECT_EQ(catalogue->cabinets60[1].name, QStringLiteral("K-5 Шкаф большой"));
    EXPECT_EQ(catalogue->cabinets60[1].height, 9);
    ASSERT_EQ(catalogue->cabinets80.size(), 2);
    EXPECT_EQ(catalogue->cabinets80[0].name, QStringLiteral("K-1 Шкаф малый"));
    EXPECT_EQ(catalogue->cabinets80[0].height, 24);
    EXPECT_EQ(catalogue->cabinets80[1].name, QStringLiteral("K-3 Шкаф с батареями"));
    EXPECT_EQ(catalogue->cabinets80[1].height, 9);
}

// Numbers where the separator they follow is missing, or the text around them is unusual.
struct NumberCase
{
    const char *what;
    QString line;
    std::int32_t expected;
};

class FieldNumberTest : public ::testing::TestWithParam<NumberCase>
{
};

std::int32_t numberOf(const Catalogue &catalogue, const QString &line)
{
    if (line.contains(u"SZ"))
        return catalogue.selectors.value(0).capacity;
    if (line.contains(u"AMP"))
        return catalogue.amplifiers.value(0).power;
    if (line.contains(u"AR"))
        return catalogue.arNumber;
    if (line.contains(u"ML"))
        return catalogue.mlNumber;
    if (line.contains(u"PD"))
        return catalogue.pdNumber;
    if (line.contains(u"BL"))
        return catalogue.blNumber;
    return catalogue.upNumber;
}

TEST_P(FieldNumberTest, ReadsTheFieldWhereTheFormatPutsIt)
{
    const NumberCase &c = GetParam();
    const auto catalogue = parse({QStringLiteral("K-0 Микрофон#1%0&MC"), c.line});
    ASSERT_TRUE(catalogue) << c.what;
    EXPECT_EQ(numberOf(*catalogue, c.line), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FieldNumberTest,
    ::testing::Values(
        NumberCase{"selector", QStringLiteral("K-3 Селектор#1%1&SZ//2000"), 2000},
        NumberCase{"selector without //: the line after its first character",
                   QStringLiteral("K12 Селектор#1%1&SZ"), 12},
        NumberCase{"selector, blank and text after the number",
                   QStringLiteral("K-3 Селектор#1%1&SZ// 5 00Вт"), 500},
        NumberCase{"selector, no number", QStringLiteral("K-3 Селектор#1%1&SZ//много"), 0},
        NumberCase{"amplifier without brackets", QStringLiteral("K-4 Усилитель#1%1&AMP*1|2+0/1//1"), 0},
        NumberCase{"amplifier, empty brackets", QStringLiteral("K-4 Усилитель ()#1%1&AMP"), 0},
        NumberCase{"amplifier, second bracket pair ignored",
                   QStringLiteral("K-4 Усилитель (350) (99)#1%1&AMP"), 350},
        NumberCase{"amplifier, only a closing bracket", QStringLiteral("350) Усилитель#1%1&AMP"), 350},
        NumberCase{"amplifier, fraction rounds to even", QStringLiteral("K-4 Усилитель (240.5)#1%1&AMP"),
                   240},
        NumberCase{"switch", QStringLiteral("K-5 Коммутатор#1%1&AR|06"), 6},
        NumberCase{"switch without |: the first two characters", QStringLiteral("12 Коммутатор#1%1&AR"), 12},
        NumberCase{"switch, model line without |", QStringLiteral("K-5 Коммутатор#1%1&AR"), 0},
        NumberCase{"switch, one digit and a letter", QStringLiteral("K-5 Коммутатор#1%1&AR|4x"), 4},
        NumberCase{"switch, at the end of the line", QStringLiteral("K-5 Коммутатор#1%1&AR|7"), 7},
        NumberCase{"line control", QStringLiteral("K-6 Контроль#1%1&ML*08"), 8},
        NumberCase{"line control, three digits: two are read", QStringLiteral("K-6 Контроль#1%1&ML*123"), 12},
        NumberCase{"power-on", QStringLiteral("K-7 Питание#1%1&PD*04"), 4},
        NumberCase{"power-on without *: the first two characters", QStringLiteral("16 Питание#1%1&PD"), 16},
        NumberCase{"distribution", QStringLiteral("K-8 Распределитель#1%1&BL*5 "), 5},
        NumberCase{"distribution, letter first", QStringLiteral("K-8 Распределитель#1%1&BL*x4"), 0},
        NumberCase{"power reserve, four characters", QStringLiteral("K-9 Резерв#1%1&UP*1000"), 1000},
        NumberCase{"power reserve, more digits", QStringLiteral("K-9 Резерв#1%1&UP*125000"), 1250},
        NumberCase{"power reserve, hexadecimal", QStringLiteral("K-9 Резерв#1%1&UP*&H10"), 16}));

// Lines that break the format make the whole catalogue damaged.
struct BreakCase
{
    const char *what;
    QString line;
};

class FormatBreakTest : public ::testing::TestWithParam<BreakCase>
{
};

TEST_P(FormatBreakTest, RejectsTheCatalogue)
{
    const BreakCase &c = GetParam();
    EXPECT_FALSE(parse({QStringLiteral("K-0 Микрофон#1%0&MC"), c.line})) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FormatBreakTest,
    ::testing::Values(
        BreakCase{"no #", QStringLiteral("K-1 Микрофон 5%1&MC")},
        BreakCase{"no %", QStringLiteral("K-1 Микрофон#5 1&AL")},
        BreakCase{"no &", QStringLiteral("K-1 Источник#5%1 MZ")},
        BreakCase{"% before #", QStringLiteral("K-1 Консоль%5#1&RM")},
        BreakCase{"& before %", QStringLiteral("K-1 Блок#5&1%AS")},
        BreakCase{"consumption not a number", QStringLiteral("K-1 Блок#пять%1&BR")},
        BreakCase{"empty consumption", QStringLiteral("K-1 Селектор#%1&SZ//500")},
        BreakCase{"empty height", QStringLiteral("K-1 Коммутатор#5%&AR|06")},
        BreakCase{"height with a unit", QStringLiteral("K-1 Контроль#5%1 ед.&MO")},
        BreakCase{"decimal comma under the C locale", QStringLiteral("K-1 Контроль#2,5%1&ML*08")},
        BreakCase{"code in a heading", QStringLiteral("Блоки RP")},
        BreakCase{"power-on without figures", QStringLiteral("K-1 Питание*04 PD")},
        BreakCase{"distribution without figures", QStringLiteral("K-1 Распределитель BL")},
        BreakCase{"interface without figures", QStringLiteral("K-1 Интерфейс AI")},
        BreakCase{"reserve without figures", QStringLiteral("K-1 Резерв UP*1000")},
        BreakCase{"cabinet without *", QStringLiteral("K-1 Шкаф RU/60|42")},
        BreakCase{"cabinet without |", QStringLiteral("K-1 Шкаф*RU/60 42")},
        BreakCase{"cabinet height with a letter", QStringLiteral("K-1 Шкаф*RU/60|4x")},
        BreakCase{"cabinet height of two blanks", QStringLiteral("K-1 Шкаф*RU/60|  ")},
        BreakCase{"cabinet height negative", QStringLiteral("K-1 Шкаф*RU/60|-4")},
        BreakCase{"cabinet height missing", QStringLiteral("K-1 Шкаф*RU/60|")},
        BreakCase{"cabinet of another class, bad height", QStringLiteral("K-1 Шкаф*RU/70|xx")},
        BreakCase{"amplifier ) before (", QStringLiteral("K-1 Усилитель )240(#1%1&AMP")},
        BreakCase{"amplifier ( without )", QStringLiteral("K-1 Усилитель (240#1%1&UMP")},
        BreakCase{"amplifier power out of range", QStringLiteral("K-1 Усилитель (1e20)#1%1&AMP")},
        BreakCase{"descriptor without |", QStringLiteral("K-1 Усилитель (240)#1%1&AMP*24+0/1//1")},
        BreakCase{"descriptor without +", QStringLiteral("K-1 Усилитель (240)#1%1&AMP*2|40/1//1")},
        BreakCase{"descriptor without /", QStringLiteral("K-1 Усилитель (240)#1%1&AMP*2|4+0")},
        BreakCase{"descriptor without //", QStringLiteral("K-1 Усилитель (240)#1%1&AMP*2|4+0/1/1")},
        BreakCase{"descriptor with // only", QStringLiteral("K-1 Предусилитель#1%1&PRED*2|4+0//1")},
        BreakCase{"descriptor + before |", QStringLiteral("K-1 Предусилитель#1%1&PRED*2+4|0/1//1")},
        BreakCase{"descriptor number out of range",
                  QStringLiteral("K-1 Предусилитель#1%1&PRED*1|2+0/1//9e99")},
        BreakCase{"selector capacity out of range", QStringLiteral("K-1 Селектор#1%1&SZ//3000000000")},
        BreakCase{"reserve number out of range", QStringLiteral("K-1 Резерв#1%1&UP*9e99")}));

TEST(FormatBreakTest, TabsAndBlanksAroundFiguresAreAllowed)
{
    EXPECT_TRUE(parse({QStringLiteral("K-1 Микрофон# 5 %\t1\t&MC")}));
}

TEST(ParseCatalogueTest, PickersKeepFileOrder)
{
    const auto catalogue = parse({
        QStringLiteral("K-3 Источник#1%1&MZ"),
        QStringLiteral("K-1 Источник#1%1&MZ"),
        QStringLiteral("ZEP-20 Программа#0%0&AL MZ"),
        QStringLiteral("K-2 Источник#1%1&MZ"),
    });
    ASSERT_TRUE(catalogue);
    EXPECT_EQ(catalogue->musicSources,
              (QStringList{QStringLiteral("K-3 Источник"), QStringLiteral("K-1 Источник"),
                           QStringLiteral("ZEP-20 Программа"), QStringLiteral("K-2 Источник")}));
    EXPECT_EQ(catalogue->alarmBlocks, QStringList{QStringLiteral("ZEP-20 Программа")});
}

TEST(ParseCatalogueTest, SelectorsAndAmplifiersKeepFileOrder)
{
    const auto catalogue = parse({
        QStringLiteral("K-1 Селектор#1%1&SZ//1000"),
        QStringLiteral("K-2 Селектор#1%1&SZ//500"),
        QStringLiteral("K-3 Усилитель (1500)#1%1&AMP*1|2+0/1//1"),
        QStringLiteral("K-4 Усилитель (120)#1%1&AMP*1|2+0/1//1"),
    });
    ASSERT_TRUE(catalogue);
    ASSERT_EQ(catalogue->selectors.size(), 2);
    EXPECT_EQ(catalogue->selectors[0].capacity, 1000);
    EXPECT_EQ(catalogue->selectors[1].capacity, 500);
    ASSERT_EQ(catalogue->amplifiers.size(), 2);
    EXPECT_EQ(catalogue->amplifiers[0].power, 1500);
    EXPECT_EQ(catalogue->amplifiers[1].power, 120);
}

// LoadCatalogue against real folders.
class LoadCatalogueTest : public ::testing::Test
{
protected:
    void writeCatalogue(const QByteArray &bytes)
    {
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Base")));
        QFile file(dir.filePath(QStringLiteral("Base/Base-Date")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QTemporaryDir dir;
};

TEST_F(LoadCatalogueTest, MissingFolderGivesOneEmptyLine)
{
    const CatalogueFile file = loadCatalogue(dir.path());
    EXPECT_EQ(file.lines, QStringList{QString()});
    EXPECT_EQ(file.blockCount, std::nullopt);
    EXPECT_EQ(file.errorCode, 76);
    EXPECT_FALSE(parseCatalogue(file.lines, CLocale));
}

TEST_F(LoadCatalogueTest, MissingFileInExistingFolder)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Base")));
    const CatalogueFile file = loadCatalogue(dir.path());
    EXPECT_EQ(file.lines, QStringList{QString()});
    EXPECT_EQ(file.blockCount, std::nullopt);
    EXPECT_EQ(file.errorCode, 53);
}

TEST_F(LoadCatalogueTest, EmptyFileReadsNoBlocks)
{
    writeCatalogue({});
    const CatalogueFile file = loadCatalogue(dir.path());
    EXPECT_EQ(file.lines, QStringList{QString()});
    EXPECT_EQ(file.blockCount, 0);
    EXPECT_EQ(file.errorCode, std::nullopt);
    EXPECT_FALSE(parseCatalogue(file.lines, CLocale));
}

TEST_F(LoadCatalogueTest, CarriageReturnOnlyLineEnds)
{
    const QStringList lines = paddedCatalogue({QStringLiteral("K-1 Микрофон#5%1&MC")});
    QByteArray bytes = encodeLines(lines);
    bytes.replace("\r\n", "\r");
    writeCatalogue(bytes);
    const CatalogueFile file = loadCatalogue(dir.path());
    EXPECT_EQ(file.blockCount, 59);
    EXPECT_EQ(file.lines, lines);
    const auto catalogue = parseCatalogue(file.lines, CLocale);
    ASSERT_TRUE(catalogue);
    EXPECT_EQ(catalogue->microphones, QStringList{QStringLiteral("K-1 Микрофон")});
}

TEST_F(LoadCatalogueTest, LastLineWithoutTerminatorIsALine)
{
    const QStringList lines = paddedCatalogue({QStringLiteral("K-1 Микрофон#5%1&MC")});
    QByteArray bytes = encodeLines(lines);
    bytes.chop(2);
    writeCatalogue(bytes);
    const CatalogueFile file = loadCatalogue(dir.path());
    EXPECT_EQ(file.blockCount, 59);
    EXPECT_TRUE(parseCatalogue(file.lines, CLocale));
}

// The catalogue and the block-diagram library shipped with the program.
TEST(BundledDataTest, CatalogueAndLibraryAreReadable)
{
    const CatalogueFile file = loadCatalogue(QStringLiteral(ORVIKA_SOURCE_DIR "/data"));
    ASSERT_EQ(file.errorCode, std::nullopt);
    EXPECT_EQ(file.blockCount, 59);
    // Unit accounting finds units by substring: no unit name may occur in another line.
    for (const QString &line : file.lines) {
        const qsizetype end = line.contains(u'#') ? line.indexOf(u'#') : line.indexOf(u'*');
        if (end < 0)
            continue;
        const QString name = line.left(end);
        EXPECT_EQ(file.lines.filter(name).size(), 1) << name.toStdString();
    }
    for (const QLocale &locale : {CLocale, Russian, QLocale(QLocale::German, QLocale::Germany)}) {
        const auto catalogue = parseCatalogue(file.lines, locale);
        ASSERT_TRUE(catalogue) << locale.name().toStdString();
        EXPECT_FALSE(catalogue->microphones.isEmpty());
        EXPECT_FALSE(catalogue->alarmBlocks.isEmpty());
        EXPECT_FALSE(catalogue->musicSources.isEmpty());
        EXPECT_FALSE(catalogue->consoles.isEmpty());
        EXPECT_EQ(catalogue->reserveUnits.size(), 2);
        EXPECT_EQ(catalogue->selectors.size(), 5);
        EXPECT_FALSE(catalogue->amplifiers.isEmpty());
        EXPECT_FALSE(catalogue->preamps.isEmpty());
        EXPECT_FALSE(catalogue->cabinets60.isEmpty());
        EXPECT_FALSE(catalogue->cabinets80.isEmpty());
        for (const QString *entry : {&catalogue->asName, &catalogue->arName, &catalogue->rpName,
                                     &catalogue->aiName, &catalogue->moName, &catalogue->mlName,
                                     &catalogue->upName, &catalogue->pdName, &catalogue->blName})
            EXPECT_FALSE(entry->isEmpty());
        for (std::int32_t number : {catalogue->arNumber, catalogue->mlNumber, catalogue->upNumber,
                                    catalogue->pdNumber, catalogue->blNumber})
            EXPECT_GT(number, 1);
    }

    const TextReadResult library = readTextFile(QStringLiteral(ORVIKA_SOURCE_DIR "/data/Base/Sxemm"));
    ASSERT_EQ(library.errorCode, std::nullopt);
    ASSERT_EQ(library.lines.size(), 18);
    for (const QString &line : library.lines)
        EXPECT_TRUE(line.contains(u'*')) << line.toStdString();
}

// Damaged copies of the bundled catalogue: every one is either rejected or read into sound tables.
TEST(DamagedCatalogueTest, IsRejectedOrReadSoundly)
{
    const CatalogueFile file = loadCatalogue(QStringLiteral(ORVIKA_SOURCE_DIR "/data"));
    ASSERT_EQ(file.blockCount, 59);
    const QString alphabet = QStringLiteral("#%&*|/()+ K0123456789AMPREDUSZ.,-eE\n");
    std::mt19937 random(20261207);
    int accepted = 0;
    int rejected = 0;
    for (int round = 0; round < 3000; ++round) {
        QStringList lines = file.lines;
        for (int edit = 0; edit < 3; ++edit) {
            QString &line = lines[static_cast<qsizetype>(random() % lines.size())];
            const qsizetype at = line.isEmpty() ? 0 : static_cast<qsizetype>(random() % line.size());
            switch (random() % 4) {
            case 0:
                line.remove(at, 1);
                break;
            case 1:
                line.insert(at, alphabet.at(static_cast<qsizetype>(random() % alphabet.size())));
                break;
            case 2:
                line.truncate(at);
                break;
            default:
                line.replace(at, 1, alphabet.at(static_cast<qsizetype>(random() % alphabet.size())));
                break;
            }
        }
        const auto catalogue = parseCatalogue(lines, CLocale);
        if (!catalogue) {
            ++rejected;
            continue;
        }
        ++accepted;
        Totals totals;
        for (const QString &name : catalogue->microphones + catalogue->alarmBlocks + catalogue->musicSources)
            accountUnit(*catalogue, name, 3, totals);
        for (const AmplifierRecord &amplifier : catalogue->amplifiers)
            EXPECT_TRUE(amplifier.descriptor.isEmpty() || amplifier.descriptor.contains(u"//"));
        for (const CabinetRecord &cabinet : catalogue->cabinets60 + catalogue->cabinets80)
            EXPECT_TRUE(cabinet.height >= 0 && cabinet.height <= 99);
    }
    EXPECT_GT(accepted, 100);
    EXPECT_GT(rejected, 100);
}
