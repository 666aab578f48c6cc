#include "report/report_copy.h"
#include "support/file_faults.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace orvika;

namespace {

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll();
}

class Copy : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        source = dir.filePath(QStringLiteral("Спецификация.dat"));
        writeBytes(source, report);
    }
    QStringList entries() const
    {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    QTemporaryDir dir;
    QString source;
    const QByteArray report = QByteArray("\xd2\xc5\xd5\r\n- K-1 \xcc - 3 \xf8\xf2.\r\n");
};

TEST_F(Copy, CopiesTheBytesUnderTheNewName)
{
    const QString target = dir.filePath(QStringLiteral("abc.dat"));
    EXPECT_EQ(copyFileReplacing(source, target), std::nullopt);
    EXPECT_EQ(readBytes(target), report);
    EXPECT_EQ(readBytes(source), report);
    EXPECT_EQ(entries().size(), 2); // no temporary file left behind
}

TEST_F(Copy, ReplacesAnExistingTarget)
{
    const QString target = dir.filePath(QStringLiteral("abc.dat"));
    writeBytes(target, "an older, longer report that must not survive in part");
    EXPECT_EQ(copyFileReplacing(source, target), std::nullopt);
    EXPECT_EQ(readBytes(target), report);
}

TEST_F(Copy, NameOfBlanksIsAValidName)
{
    const QString target = dir.filePath(QStringLiteral("  .dat"));
    EXPECT_EQ(copyFileReplacing(source, target), std::nullopt);
    EXPECT_EQ(readBytes(target), report);
}

TEST_F(Copy, MissingDirectoryIsAnErrorAndWritesNothing)
{
    const QString target = dir.filePath(QStringLiteral("нет/abc.dat"));
    const auto error = copyFileReplacing(source, target);
    ASSERT_TRUE(error.has_value());
    EXPECT_FALSE(error->isEmpty());
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_EQ(entries(), QStringList{QStringLiteral("Спецификация.dat")});
    EXPECT_EQ(readBytes(source), report);
}

TEST_F(Copy, MissingSourceIsAnErrorAndLeavesTheTarget)
{
    const QString target = dir.filePath(QStringLiteral("abc.dat"));
    writeBytes(target, "kept");
    const auto error = copyFileReplacing(dir.filePath(QStringLiteral("нет.dat")), target);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(readBytes(target), QByteArray("kept"));
    EXPECT_EQ(entries().size(), 2);
}

TEST_F(Copy, FolderAsSourceOrTargetIsAnError)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.dat")));
    EXPECT_TRUE(
        copyFileReplacing(dir.filePath(QStringLiteral("folder.dat")), dir.filePath("x.dat")).has_value());
    EXPECT_TRUE(copyFileReplacing(source, dir.filePath(QStringLiteral("folder.dat"))).has_value());
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("folder.dat"))).isDir());
    EXPECT_FALSE(QFile::exists(dir.filePath("x.dat")));
}

TEST_F(Copy, InvalidNamesAreErrors)
{
    EXPECT_TRUE(copyFileReplacing(source, QString()).has_value());
    EXPECT_TRUE(copyFileReplacing(source, dir.filePath(QStringLiteral("abc/"))).has_value());
    // A name the system would cut short at the zero must not write "abc".
    EXPECT_TRUE(
        copyFileReplacing(source, dir.filePath(QStringLiteral("abc")) + QChar(u'\0') + "x.dat").has_value());
    EXPECT_TRUE(copyFileReplacing(source, dir.filePath(QString(300, u'a') + ".dat")).has_value());
    EXPECT_EQ(entries(), QStringList{QStringLiteral("Спецификация.dat")});
}

// Permissions bind ordinary users only: under the superuser the copy runs in a child process that
// has given up its rights first.
void copyAsOrdinaryUser(const QString &source, const QString &target)
{
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
        std::_Exit(2);
    std::_Exit(copyFileReplacing(source, target).has_value() ? 1 : 0); // 1: refused
}

const QFile::Permissions Everyone = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                    QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                    QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
const QFile::Permissions ReadOnlyForAll = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther |
                                          QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;

TEST_F(Copy, ReadOnlyDirectoryIsAnErrorAndLeavesTheTarget)
{
    const QString sub = dir.filePath(QStringLiteral("ro"));
    ASSERT_TRUE(QDir().mkdir(sub));
    const QString target = sub + QStringLiteral("/abc.dat");
    writeBytes(target, "kept");
    QFile::setPermissions(dir.path(), Everyone);
    QFile::setPermissions(sub, ReadOnlyForAll);
    EXPECT_EXIT(copyAsOrdinaryUser(source, target), testing::ExitedWithCode(1), "");
    QFile::setPermissions(sub, Everyone);
    EXPECT_EQ(readBytes(target), QByteArray("kept"));
    EXPECT_EQ(QDir(sub).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("abc.dat")});
}

TEST_F(Copy, ReadOnlyTargetIsAnErrorAndIsKept)
{
    // The folder is writable, so only the target's own protection stops the replacement.
    const QString target = dir.filePath(QStringLiteral("abc.dat"));
    writeBytes(target, "kept");
    QFile::setPermissions(dir.path(), Everyone);
    QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    EXPECT_EXIT(copyAsOrdinaryUser(source, target), testing::ExitedWithCode(1), "");
    EXPECT_EQ(readBytes(target), QByteArray("kept"));
    EXPECT_EQ(entries().size(), 2);
    // The same user may write a new file beside it: the refusal was the target's protection.
    const QString fresh = dir.filePath(QStringLiteral("fresh.dat"));
    EXPECT_EXIT(copyAsOrdinaryUser(source, fresh), testing::ExitedWithCode(0), "");
    EXPECT_EQ(readBytes(fresh), report);
}

// A copy the system refuses, for want of space or beyond the file-size limit, names the reason and
// leaves the earlier copy byte for byte, with no temporary file beside it.
TEST(CopyUnderFault, KeepsTheEarlierCopy)
{
    const QByteArray earlier = "an earlier copy\r\n";
    const auto prepare = [&](const QString &folder) {
        writeBytes(folder + QStringLiteral("/Спецификация.dat"), QByteArray(3000, 'r'));
        writeBytes(folder + QStringLiteral("/старый.dat"), earlier);
    };
    const auto copy = [](const QString &folder) {
        return copyFileReplacing(folder + QStringLiteral("/Спецификация.dat"),
                                 folder + QStringLiteral("/старый.dat"));
    };
    const auto listing = [](const QString &folder) {
        return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    };

    QTemporaryDir plain;
    prepare(plain.path());
    const test::ChildResult child = test::runWithFileSizeLimit(
        1000, [&] { return QStringList{copy(plain.path()).value_or(QStringLiteral("<no error>"))}; });
    ASSERT_TRUE(child.exitedNormally);
    EXPECT_EQ(child.lines, QStringList{QString::fromLocal8Bit(std::strerror(EFBIG))});
    EXPECT_EQ(readBytes(plain.filePath(QStringLiteral("старый.dat"))), earlier);
    EXPECT_EQ(listing(plain.path()).size(), 2);

    const test::SmallDisk disk;
    if (!disk.isMounted())
        GTEST_SKIP() << "a small disk of its own needs root";
    prepare(disk.path());
    ASSERT_TRUE(disk.fill());
    const QStringList before = listing(disk.path());
    EXPECT_EQ(copy(disk.path()), QString::fromLocal8Bit(std::strerror(ENOSPC)));
    EXPECT_EQ(readBytes(disk.path() + QStringLiteral("/старый.dat")), earlier);
    EXPECT_EQ(listing(disk.path()), before);
}

TEST_F(Copy, ExistenceCountsOrdinaryFilesOnly)
{
    writeBytes(dir.filePath(QStringLiteral(".hidden.dat")), "x");
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.dat")));
    EXPECT_TRUE(ordinaryFileExists(source));
    EXPECT_FALSE(ordinaryFileExists(dir.filePath(QStringLiteral(".hidden.dat"))));
    EXPECT_FALSE(ordinaryFileExists(dir.filePath(QStringLiteral("folder.dat"))));
    EXPECT_FALSE(ordinaryFileExists(dir.filePath(QStringLiteral("нет.dat"))));
    EXPECT_FALSE(ordinaryFileExists(dir.filePath(QStringLiteral("*.dat"))));            // no wildcards
    EXPECT_FALSE(ordinaryFileExists(dir.filePath(QStringLiteral("спецификация.dat")))); // exact name
    EXPECT_FALSE(ordinaryFileExists(QString()));
}

} // namespace
