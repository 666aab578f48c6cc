#include "files/text_file.h"
#include "report/phrase_finder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace orvika;

namespace {

// 'Р' (U+0420) and ' ' share a low byte, as do 'Т' (U+0422) and '"'; "- К" and "- Зона" start
// alike; "мощность:" and "мощность подсчитана" share their start too.
const PhraseFinder &finder()
{
    static const PhraseFinder phrases{u"Раскладка",           u"- К", u"- Зона", u"мощность:",
                                      u"мощность подсчитана", u"Т",   u"zz"};
    return phrases;
}

std::uint32_t containedIn(QStringView line)
{
    const QStringView phrases[] = {u"Раскладка",           u"- К", u"- Зона", u"мощность:",
                                   u"мощность подсчитана", u"Т",   u"zz"};
    std::uint32_t found = 0;
    for (std::size_t i = 0; i < std::size(phrases); ++i)
        found |= line.contains(phrases[i]) ? std::uint32_t(1) << i : 0;
    return found;
}

struct Case
{
    const char16_t *line;
    std::uint32_t found;
};

class PhraseFinderCases : public testing::TestWithParam<Case>
{
};

TEST_P(PhraseFinderCases, FindsEveryPhraseTheLineContains)
{
    EXPECT_EQ(finder().find(GetParam().line), GetParam().found)
        << QString::fromUtf16(GetParam().line).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Lines, PhraseFinderCases,
    testing::Values(Case{u"", 0}, Case{u"Раскладка", 0b1}, Case{u"Расклад", 0},
                    Case{u"   Раскладка по зонам:", 0b1},                 // blanks share a byte with 'Р'
                    Case{u"- Зона 1 - 10 Вт", 0b100},                     // starts like "- К"
                    Case{u"- К-3105 - 1 шт.", 0b10}, Case{u"-- К", 0b10}, // a false start just before
                    Case{u"мощность подсчитана, мощность:", 0b11000}, Case{u"мощность", 0},
                    Case{u"\"Т\"", 0b100000}, // '"' shares a byte with 'Т'
                    Case{u"zzz", 0b1000000}, Case{u"z z", 0}, Case{u"Раскладка zz", 0b1000001}));

// Every line of the reports and the catalogue the tests keep: as many finds as plain searches.
TEST(PhraseFinder, AgreesWithPlainSearchOnKeptFiles)
{
    int lines = 0;
    int linesWithFinds = 0;
    for (const char *folder : {"/tests/ui/fixtures/reports", "/tests/report/fixtures", "/data/Base"}) {
        const QDir dir(QStringLiteral(ORVIKA_SOURCE_DIR) + QLatin1String(folder));
        for (const QString &name : dir.entryList(QDir::Files)) {
            for (const QString &line : readTextFile(dir.filePath(name)).lines) {
                ASSERT_EQ(finder().find(line), containedIn(line)) << line.toStdString();
                ++lines;
                linesWithFinds += containedIn(line) != 0 ? 1 : 0;
            }
        }
    }
    EXPECT_GT(lines, 500);
    EXPECT_GT(linesWithFinds, 50);
}

} // namespace
