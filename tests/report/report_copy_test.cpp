#include "report/report_copy.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
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

TEST_F(Copy, ReadOnlyDirectoryIsAnErrorAndLeavesTheTarget)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser writes into read-only folders";
    const QString sub = dir.filePath(QStringLiteral("ro"));
    ASSERT_TRUE(QDir().mkdir(sub));
    const QString target = sub + QStringLiteral("/abc.dat");
    writeBytes(target, "kept");
    QFile::setPermissions(sub, QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_TRUE(copyFileReplacing(source, target).has_value());
    QFile::setPermissions(sub, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(readBytes(target), QByteArray("kept"));
}

TEST_F(Copy, ReadOnlyTargetIsAnErrorAndIsKept)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser writes over read-only files";
    const QString target = dir.filePath(QStringLiteral("abc.dat"));
    writeBytes(target, "kept");
    QFile::setPermissions(target, QFile::ReadOwner);
    EXPECT_TRUE(copyFileReplacing(source, target).has_value());
    EXPECT_EQ(readBytes(target), QByteArray("kept"));
    EXPECT_EQ(entries().size(), 2);
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
