#include "catalogue/scheme_library.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvika;

namespace {

QString line(const char16_t *text)
{
    return QString::fromUtf16(text);
}

} // namespace

struct ChoiceCase
{
    const char *what;
    QStringList library;
    QStringList proposed;
    bool multiChannel;
    QString expected;
};

class ChooseSchemeTest : public ::testing::TestWithParam<ChoiceCase>
{
};

TEST_P(ChooseSchemeTest, PicksTheBestMatchingDiagram)
{
    const ChoiceCase &c = GetParam();
    EXPECT_EQ(chooseScheme(c.library, c.proposed, c.multiChannel), c.expected) << c.what;
}

const QStringList TwoDiagrams = {line(u"СХЕМА 1.1.*K-3205"), line(u"СХЕМА 1.2.*K-3205 MN")};
const QStringList ThreeDiagrams = {line(u"СХЕМА 1.1.*K-3500"), line(u"СХЕМА 1.2.*K-3205"),
                                   line(u"СХЕМА 1.3.*SOFT")};

INSTANTIATE_TEST_SUITE_P(
    Cases, ChooseSchemeTest,
    ::testing::Values(
        ChoiceCase{"equal counts: the first to reach it",
                   TwoDiagrams,
                   {line(u"K-3205 - 1 шт.")},
                   false,
                   line(u"СХЕМА 1.1.")},
        ChoiceCase{
            "multi-channel adds a pass", TwoDiagrams, {line(u"K-3205 - 1 шт.")}, true, line(u"СХЕМА 1.2.")},
        ChoiceCase{"selector family counts as K-3205",
                   ThreeDiagrams,
                   {line(u"K-3110 - 2 шт.")},
                   false,
                   line(u"СХЕМА 1.2.")},
        ChoiceCase{"K-3210", ThreeDiagrams, {line(u"K-3210 - 2 шт.")}, false, line(u"СХЕМА 1.2.")},
        ChoiceCase{"K-3270", ThreeDiagrams, {line(u"K-3270 - 2 шт.")}, false, line(u"СХЕМА 1.2.")},
        ChoiceCase{"K3290", ThreeDiagrams, {line(u"K3290 - 2 шт.")}, false, line(u"СХЕМА 1.2.")},
        ChoiceCase{
            "a part of the family text", ThreeDiagrams, {line(u"K-3 - 2 шт.")}, false, line(u"СХЕМА 1.2.")},
        ChoiceCase{"a blank first: empty key",
                   ThreeDiagrams,
                   {line(u" K-3500 - 1 шт.")},
                   false,
                   line(u"СХЕМА 1.2.")},
        ChoiceCase{
            "software", ThreeDiagrams, {line(u"ZEP-20 Программа - 1 шт.")}, false, line(u"СХЕМА 1.3.")},
        ChoiceCase{"ZEP in lower case is no software",
                   ThreeDiagrams,
                   {line(u"zep-20 - 1 шт.")},
                   false,
                   line(u"СХЕМА 1.1.")},
        ChoiceCase{
            "no match: the first line", ThreeDiagrams, {line(u"K-9999 - 1 шт.")}, false, line(u"СХЕМА 1.1.")},
        ChoiceCase{"nothing proposed", ThreeDiagrams, {}, false, line(u"СХЕМА 1.1.")},
        ChoiceCase{
            "empty entries are skipped", ThreeDiagrams, {QString(), QString()}, false, line(u"СХЕМА 1.1.")},
        ChoiceCase{"a key in the designation counts",
                   {line(u"СХЕМА 1.1.*K-1"), line(u"СХЕМА K-7 1.2.*K-2")},
                   {line(u"K-7 - 1 шт.")},
                   false,
                   line(u"СХЕМА K-7 1.2.")},
        ChoiceCase{"each entry counts once",
                   {line(u"СХЕМА 1.1.*K-1 K-2"), line(u"СХЕМА 1.2.*K-5")},
                   {line(u"K-1 - 1 шт."), line(u"K-5 - 5 шт."), line(u"K-5 - 1 шт."), line(u"K-2 - 1 шт.")},
                   false,
                   line(u"СХЕМА 1.2.")},
        ChoiceCase{"later line must exceed, not equal",
                   {line(u"СХЕМА 1.1.*K-1"), line(u"СХЕМА 1.2.*K-2")},
                   {line(u"K-2 - 1 шт."), line(u"K-1 - 1 шт.")},
                   false,
                   line(u"СХЕМА 1.2.")},
        ChoiceCase{"an entry without a blank is its own key",
                   ThreeDiagrams,
                   {line(u"SOFT")},
                   false,
                   line(u"СХЕМА 1.3.")},
        ChoiceCase{"chosen line without *: empty designation",
                   {line(u"СХЕМА 1.1.")},
                   {line(u"K-1 - 1 шт.")},
                   false,
                   QString()},
        ChoiceCase{"empty library", {}, {line(u"K-1 - 1 шт.")}, true, QString()}));

class LoadSchemeLibraryTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
};

TEST_F(LoadSchemeLibraryTest, MissingLibraryLeavesOneEmptyLine)
{
    const SchemeLibrary library = loadSchemeLibrary(dir.path());
    EXPECT_EQ(library.lines, QStringList{QString()});
    EXPECT_EQ(library.schemeCount, std::nullopt);
    EXPECT_EQ(library.errorCode, 76);
    EXPECT_EQ(chooseScheme(library.lines, {line(u"K-1 - 1 шт.")}, false), QString());
}

TEST_F(LoadSchemeLibraryTest, CountsTheLines)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Base")));
    QFile file(dir.filePath(QStringLiteral("Base/Sxemm")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(encodeLines({line(u"СХЕМА 1.1.*K-1"), line(u"СХЕМА 1.2.*K-2")}));
    file.close();
    const SchemeLibrary library = loadSchemeLibrary(dir.path());
    EXPECT_EQ(library.errorCode, std::nullopt);
    EXPECT_EQ(library.schemeCount, 2);
    EXPECT_EQ(chooseScheme(library.lines, {line(u"K-2 - 1 шт.")}, false), line(u"СХЕМА 1.2."));
}

TEST(BundledLibraryTest, DiagramsAreToldApart)
{
    const SchemeLibrary library = loadSchemeLibrary(QStringLiteral(ORVIKA_SOURCE_DIR "/data"));
    ASSERT_EQ(library.schemeCount, 18);
    // Each diagram wins for its own keys.
    for (const QString &scheme : library.lines) {
        const qsizetype star = scheme.indexOf(u'*');
        ASSERT_GT(star, 0);
        QStringList proposed;
        bool multiChannel = false;
        for (const QString &key : scheme.mid(star + 1).split(u' ', Qt::SkipEmptyParts)) {
            if (key == u"MN")
                multiChannel = true;
            else if (key == u"SOFT")
                proposed.append(QStringLiteral("ZEP-60 - 1 шт."));
            else
                proposed.append(key + QStringLiteral(" - 1 шт."));
        }
        EXPECT_EQ(chooseScheme(library.lines, proposed, multiChannel), scheme.left(star));
    }
}
