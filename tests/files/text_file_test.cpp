#include "files/text_file.h"
#include "support/file_faults.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace orvika;

struct DecodeCase
{
    const char *what;
    QByteArray bytes;
    QStringList lines;
};

class DecodeLinesTest : public ::testing::TestWithParam<DecodeCase>
{
};

TEST_P(DecodeLinesTest, SplitsAtCarriageReturns)
{
    EXPECT_EQ(decodeLines(GetParam().bytes), GetParam().lines) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    LineEnds, DecodeLinesTest,
    ::testing::Values(
        DecodeCase{"empty input", QByteArray(), {}},
        DecodeCase{"CR LF", QByteArray("a\r\nb\r\n"), {QStringLiteral("a"), QStringLiteral("b")}},
        DecodeCase{"CR only", QByteArray("a\rb\r"), {QStringLiteral("a"), QStringLiteral("b")}},
        DecodeCase{"mixed",
                   QByteArray("a\rb\r\nc"),
                   {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}},
        DecodeCase{
            "last line without terminator", QByteArray("a\r\nb"), {QStringLiteral("a"), QStringLiteral("b")}},
        DecodeCase{"lone LF stays in the line",
                   QByteArray("a\nb\r\nc"),
                   {QStringLiteral("a\nb"), QStringLiteral("c")}},
        DecodeCase{
            "LF after the last CR LF", QByteArray("a\r\n\n"), {QStringLiteral("a"), QStringLiteral("\n")}},
        DecodeCase{"blank lines", QByteArray("\r\n\r\n"), {QString(), QString()}},
        DecodeCase{"LF CR is a line end after the LF",
                   QByteArray("a\n\rb"),
                   {QStringLiteral("a\n"), QStringLiteral("b")}},
        DecodeCase{"blanks are kept", QByteArray(" a \r\n"), {QStringLiteral(" a ")}},
        DecodeCase{"Windows-1251 text", QByteArray("\xc1\xeb\xee\xea #5\r\n"), {QStringLiteral("Блок #5")}}));

TEST(EncodeLinesTest, EndsEveryLineWithCarriageReturnLineFeed)
{
    EXPECT_EQ(encodeLines({QStringLiteral("a"), QString(), QStringLiteral("b")}),
              QByteArray("a\r\n\r\nb\r\n"));
    EXPECT_EQ(encodeLines({}), QByteArray());
}

TEST(EncodeLinesTest, RoundTripsEveryCyrillicLetter)
{
    QString letters = QStringLiteral("Ёё№");
    for (char16_t c = u'А'; c <= u'я'; ++c)
        letters.append(QChar(c));
    const QByteArray bytes = encodeLines({letters});
    ASSERT_EQ(bytes.size(), letters.size() + 2);                             // one byte a letter
    EXPECT_EQ(static_cast<unsigned char>(bytes.at(0)), 0xA8);                // Ё
    EXPECT_EQ(static_cast<unsigned char>(bytes.at(1)), 0xB8);                // ё
    EXPECT_EQ(static_cast<unsigned char>(bytes.at(2)), 0xB9);                // №
    EXPECT_EQ(static_cast<unsigned char>(bytes.at(3)), 0xC0);                // А
    EXPECT_EQ(static_cast<unsigned char>(bytes.at(bytes.size() - 3)), 0xFF); // я
    EXPECT_EQ(decodeLines(bytes), QStringList{letters});
}

TEST(EncodeLinesTest, EveryByteDecodesToOneCharacter)
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b) {
        if (b != '\r' && b != '\n')
            bytes.append(static_cast<char>(b));
    }
    const QStringList lines = decodeLines(bytes);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines.first().size(), bytes.size());
}

class ReadTextFileTest : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return dir.filePath(name); }

    void write(const QString &name, const QByteArray &bytes)
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QTemporaryDir dir;
};

TEST_F(ReadTextFileTest, ReadsTheLines)
{
    write(QStringLiteral("list"), QByteArray("\xd1\xf5\xe5\xec\xe0\r\nb"));
    const TextReadResult result = readTextFile(path(QStringLiteral("list")));
    EXPECT_EQ(result.errorCode, std::nullopt);
    EXPECT_EQ(result.lines, (QStringList{QStringLiteral("Схема"), QStringLiteral("b")}));
}

TEST_F(ReadTextFileTest, EmptyFileIsNoFailure)
{
    write(QStringLiteral("empty"), QByteArray());
    const TextReadResult result = readTextFile(path(QStringLiteral("empty")));
    EXPECT_EQ(result.errorCode, std::nullopt);
    EXPECT_TRUE(result.lines.isEmpty());
}

struct FailureCase
{
    const char *what;
    const char *relativePath;
    int code;
};

class ReadFailureTest : public ReadTextFileTest, public ::testing::WithParamInterface<FailureCase>
{
};

TEST_P(ReadFailureTest, GivesTheFailureCode)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("folder")));
    write(QStringLiteral("plain"), QByteArray("x\r\n"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path(QStringLiteral("pipe"))).constData(), 0600), 0);
    const TextReadResult result = readTextFile(path(QString::fromLatin1(GetParam().relativePath)));
    EXPECT_EQ(result.errorCode, GetParam().code) << GetParam().what;
    EXPECT_TRUE(result.lines.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Paths, ReadFailureTest,
                         ::testing::Values(FailureCase{"missing file", "folder/Base-Date", 53},
                                           FailureCase{"missing folder", "missing/Base-Date", 76},
                                           FailureCase{"missing folders", "missing/deeper/Base-Date", 76},
                                           FailureCase{"a file taken for a folder", "plain/Base-Date", 76},
                                           FailureCase{"a directory", "folder", 75},
                                           FailureCase{"a pipe nothing writes into", "pipe", 75}));

// A size limit refuses a file before reading it, and a file that grows past it while it is read.
TEST_F(ReadTextFileTest, RefusesFilesBeyondTheLimit)
{
    write(QStringLiteral("ten"), QByteArray("123456789\r"));
    const struct
    {
        qint64 largest;
        bool tooLarge;
    } cases[] = {{9, true}, {10, false}, {11, false}, {0, true}};
    for (const auto &c : cases) {
        const TextReadResult result = readTextFile(path(QStringLiteral("ten")), c.largest);
        EXPECT_EQ(result.tooLarge, c.tooLarge) << c.largest;
        EXPECT_EQ(result.errorCode, std::nullopt) << c.largest;
        EXPECT_EQ(result.lines, c.tooLarge ? QStringList() : QStringList{QStringLiteral("123456789")});
    }
}

TEST_F(ReadTextFileTest, UnreadableFileIsAccessDenied)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not hold for root";
    write(QStringLiteral("locked"), QByteArray("x"));
    ASSERT_TRUE(QFile::setPermissions(path(QStringLiteral("locked")), QFileDevice::WriteOwner));
    EXPECT_EQ(readTextFile(path(QStringLiteral("locked"))).errorCode, 70);
}

TEST_F(ReadTextFileTest, WriteReplacesTheFileWhole)
{
    const QString target = path(QStringLiteral("report.dat"));
    ASSERT_EQ(writeFileAtomically(target, QByteArray("first\r\n")), std::nullopt);
    ASSERT_EQ(writeFileAtomically(target, QByteArray("second\r\n")), std::nullopt);
    EXPECT_EQ(readTextFile(target).lines, QStringList{QStringLiteral("second")});
    EXPECT_NE(writeFileAtomically(path(QStringLiteral("missing/report.dat")), QByteArray("x")), std::nullopt);
}

// ---- Writes the system refuses: the earlier file stays byte for byte, nothing new is left ----

enum class Fault { FileSizeLimit, FullDisk };

struct WriteFault
{
    const char *label;
    Fault fault;
    bool earlierFile;
    qsizetype size; // of the new contents
    bool fails;
};

class WriteUnderFault : public ::testing::TestWithParam<WriteFault>
{
};

constexpr rlim_t SizeLimit = 1000;

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

TEST_P(WriteUnderFault, FailsWithTheSystemsReasonAndKeepsTheEarlierFile)
{
    const WriteFault &c = GetParam();
    QTemporaryDir plain;
    const test::SmallDisk disk;
    if (c.fault == Fault::FullDisk && !disk.isMounted())
        GTEST_SKIP() << "a small disk of its own needs root";
    const QString folder = c.fault == Fault::FullDisk ? disk.path() : plain.path();
    const QString target = folder + QStringLiteral("/Спецификация.dat");
    const QByteArray earlier = encodeLines({QStringLiteral("ранее составленная спецификация")});
    if (c.earlierFile) {
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(earlier), earlier.size());
    }
    if (c.fault == Fault::FullDisk) {
        ASSERT_TRUE(disk.fill());
    }
    const QStringList before = entriesOf(folder);
    const QByteArray bytes(c.size, 'z');

    std::optional<QString> error;
    if (c.fault == Fault::FileSizeLimit) {
        const test::ChildResult child = test::runWithFileSizeLimit(SizeLimit, [&] {
            const auto failed = writeFileAtomically(target, bytes);
            return failed ? QStringList{QStringLiteral("failed"), *failed}
                          : QStringList{QStringLiteral("ok")};
        });
        ASSERT_TRUE(child.exitedNormally);
        if (child.lines.first() == QStringLiteral("failed"))
            error = child.lines.value(1);
    } else {
        error = writeFileAtomically(target, bytes);
    }

    if (!c.fails) {
        EXPECT_EQ(error, std::nullopt);
        EXPECT_EQ(contentsOf(target), bytes);
        return;
    }
    const int reason = c.fault == Fault::FileSizeLimit ? EFBIG : ENOSPC;
    EXPECT_EQ(error, QString::fromLocal8Bit(std::strerror(reason)));
    EXPECT_EQ(contentsOf(target), c.earlierFile ? earlier : QByteArray("<missing>"));
    EXPECT_EQ(entriesOf(folder), before) << "no temporary file is left";
}

INSTANTIATE_TEST_SUITE_P(
    Faults, WriteUnderFault,
    ::testing::Values(WriteFault{"LimitBelowAReport", Fault::FileSizeLimit, true, 3000, true},
                      WriteFault{"LimitBelowANewReport", Fault::FileSizeLimit, false, 3000, true},
                      WriteFault{"LimitBelowMoreThanOneBuffer", Fault::FileSizeLimit, true, 100000, true},
                      WriteFault{"ContentsWithinTheLimit", Fault::FileSizeLimit, true, 900, false},
                      WriteFault{"FullDiskOverAReport", Fault::FullDisk, true, 3000, true},
                      WriteFault{"FullDiskNewReport", Fault::FullDisk, false, 10, true}),
    [](const auto &info) { return std::string(info.param.label); });
