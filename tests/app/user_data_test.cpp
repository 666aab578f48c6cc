#include "app/user_data.h"
#include "support/file_faults.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvika;
using namespace orvika::test;

namespace {

const QByteArray Catalogue(3000, 'c');
const QByteArray Library("library\r\n");

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void put(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class UserDataTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        put(packaged + QStringLiteral("/Base-Date"), Catalogue);
        put(packaged + QStringLiteral("/Sxemm"), Library);
    }
    QTemporaryDir dir;
    const QString packaged = dir.filePath(QStringLiteral("share/orvika/Base"));
    const QString folder = dir.filePath(QStringLiteral("home/.local/share/orvika"));
};

// What the folder holds before, and what its Base/ holds after: the packaged files it lacked, and
// its own files as they were.
struct Preparation
{
    const char *what;
    std::optional<QByteArray> catalogueBefore, libraryBefore;
    QByteArray catalogueAfter, libraryAfter;
};

class PrepareUserData : public UserDataTest, public ::testing::WithParamInterface<Preparation>
{
};

TEST_P(PrepareUserData, CopiesOnlyWhatIsMissing)
{
    const Preparation &c = GetParam();
    if (c.catalogueBefore)
        put(folder + QStringLiteral("/Base/Base-Date"), *c.catalogueBefore);
    if (c.libraryBefore)
        put(folder + QStringLiteral("/Base/Sxemm"), *c.libraryBefore);
    EXPECT_EQ(prepareUserData(folder, packaged), std::nullopt) << c.what;
    EXPECT_EQ(contents(folder + QStringLiteral("/Base/Base-Date")), c.catalogueAfter) << c.what;
    EXPECT_EQ(contents(folder + QStringLiteral("/Base/Sxemm")), c.libraryAfter) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Folders, PrepareUserData,
    ::testing::Values(Preparation{"a new user", std::nullopt, std::nullopt, Catalogue, Library},
                      Preparation{"an edited catalogue", QByteArray("mine"), std::nullopt, "mine", Library},
                      Preparation{"both edited", QByteArray("mine"), QByteArray("own"), "mine", "own"},
                      Preparation{"an emptied catalogue", QByteArray(), std::nullopt, QByteArray(),
                                  Library}));

TEST_F(UserDataTest, WithoutPackagedDataTheFolderIsMadeEmpty)
{
    EXPECT_EQ(prepareUserData(folder, dir.filePath(QStringLiteral("nowhere"))), std::nullopt);
    EXPECT_TRUE(QDir(folder + QStringLiteral("/Base")).isEmpty());
}

TEST_F(UserDataTest, AFileInThePlaceOfTheFolderIsReported)
{
    put(dir.filePath(QStringLiteral("home/.local/share")), "not a folder");
    EXPECT_NE(prepareUserData(folder, packaged), std::nullopt);
}

// A copy cut short by the file system leaves no catalogue behind, so the next start copies it whole.
TEST_F(UserDataTest, ACutCopyLeavesNoCatalogue)
{
    const ChildResult child = runWithFileSizeLimit(1000, [&] {
        const std::optional<QString> failure = prepareUserData(folder, packaged);
        return QStringList{failure ? *failure : QStringLiteral("<none>")};
    });
    ASSERT_TRUE(child.exitedNormally);
    EXPECT_TRUE(child.lines.first().startsWith(QStringLiteral("Base-Date: ")))
        << child.lines.first().toStdString();
    EXPECT_FALSE(QFileInfo::exists(folder + QStringLiteral("/Base/Base-Date")));
    EXPECT_EQ(QDir(folder + QStringLiteral("/Base")).entryList(QDir::Files | QDir::Hidden), QStringList());

    EXPECT_EQ(prepareUserData(folder, packaged), std::nullopt);
    EXPECT_EQ(contents(folder + QStringLiteral("/Base/Base-Date")), Catalogue);
}

TEST(UserDataFolder, FollowsXdgDataHomeElseHome)
{
    const QByteArray home = qgetenv("HOME"), dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("HOME", "/home/someone");
    qputenv("XDG_DATA_HOME", "/data/someone");
    EXPECT_EQ(userDataFolder(), QStringLiteral("/data/someone/orvika"));
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(userDataFolder(), QStringLiteral("/home/someone/.local/share/orvika"));
    qputenv("HOME", home);
    if (!dataHome.isNull())
        qputenv("XDG_DATA_HOME", dataHome);
}

TEST(UserDataFolder, PackagedDataLieBesideTheProgramFolder)
{
    EXPECT_EQ(packagedBaseFolder(QStringLiteral("/opt/x/usr/bin")),
              QStringLiteral("/opt/x/usr/share/orvika/Base"));
}

} // namespace
