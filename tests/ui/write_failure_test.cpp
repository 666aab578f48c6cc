#include "document_window.h"
#include "support/file_faults.h"

#include <cstring>

// A working directory the system refuses to write to, for want of space or beyond the file-size
// limit: the report and the copies are never emptied, a failure is never announced as success, and
// the user is told which file failed and why.
namespace orvika::test::documents {
namespace {

QByteArray fixtureReport()
{
    QFile file(QStringLiteral(ORVIKA_SOURCE_DIR "/tests/ui/fixtures/reports/every_option.dat"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The earlier report and an earlier copy, each longer than the file-size limit below.
const QByteArray EarlierReport = fixtureReport();
const QByteArray EarlierCopy = EarlierReport + encodeLines({QStringLiteral("старая копия")});
constexpr rlim_t SizeLimit = 200;

QString failure(const QString &file, int error)
{
    return QStringLiteral("Ошибка записи файла ") + file + QStringLiteral(": ") +
           QString::fromLocal8Bit(std::strerror(error));
}

bool prepareFolder(const QString &folder)
{
    bool ready = true;
    for (const QString &name : {QStringLiteral("Base-Date"), QStringLiteral("Sxemm")})
        ready = ready && copyBaseFile(folder, name, QStringLiteral(ORVIKA_SOURCE_DIR "/data/Base/") + name);
    for (const auto &[name, bytes] :
         {std::pair{Report, EarlierReport}, {QStringLiteral("старый.dat"), EarlierCopy}}) {
        QFile file(folder + u'/' + name);
        ready = ready && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
    return ready && EarlierReport.size() > qsizetype(SizeLimit);
}

// What a user does: composes, keeps a copy under a new name and one over the earlier copy. Each
// step's messages, then the number of proposed lines shown.
QStringList session(OpenWindow &w)
{
    QStringList transcript;
    QTest::mouseClick(w->CmdUs, Qt::LeftButton);
    transcript += w.dialogs.takeMessages();
    for (const QStringList &answers : {QStringList{QStringLiteral("новый")},
                                       QStringList{QStringLiteral("старый"), QStringLiteral("старый")}}) {
        for (const QString &answer : answers)
            w.dialogs.answers.enqueue(answer);
        w->Mnuskak->trigger();
        transcript += w.dialogs.takeMessages();
    }
    transcript.append(QString::number(w->List3->count()));
    return transcript;
}

QStringList listing(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The failed session: every write named with its reason, every earlier file as it was, nothing new.
void expectNothingChanged(const QStringList &transcript, int error, const QString &folder,
                          const QStringList &before)
{
    ASSERT_EQ(transcript.size(), 4) << transcript.join(u'|').toStdString();
    EXPECT_EQ(transcript.mid(0, 3),
              (QStringList{failure(Report, error), failure(QStringLiteral("новый.dat"), error),
                           failure(QStringLiteral("старый.dat"), error)}));
    EXPECT_EQ(transcript[3], QStringLiteral("3")) << "the proposal stays in the list";
    EXPECT_EQ(contents(folder + u'/' + Report), EarlierReport);
    EXPECT_EQ(contents(folder + QStringLiteral("/старый.dat")), EarlierCopy);
    EXPECT_EQ(listing(folder), before) << "no new and no temporary file";
}

// Once the fault is gone the same steps write all three files.
void expectEverythingWritten(OpenWindow &w, const QString &folder)
{
    const QStringList transcript = session(w);
    EXPECT_EQ(transcript, (QStringList{Done, QStringLiteral("Сохранено как: новый.dat"),
                                       QStringLiteral("Сохранено как: старый.dat"), QStringLiteral("3")}));
    const QByteArray report = contents(folder + u'/' + Report);
    EXPECT_NE(report, EarlierReport);
    EXPECT_EQ(contents(folder + QStringLiteral("/новый.dat")), report);
    EXPECT_EQ(contents(folder + QStringLiteral("/старый.dat")), report);
}

TEST(WriteFailure, BeyondTheFileSizeLimitNothingIsEmptiedOrAnnounced)
{
    QTemporaryDir folder;
    ASSERT_TRUE(prepareFolder(folder.path()));
    const auto w = openWindow(folder.path());
    ASSERT_TRUE(w->window);
    stateSmallInstallation(*w->window);
    ASSERT_EQ(w->dialogs.takeMessages(), QStringList());
    const QStringList before = listing(folder.path());

    const ChildResult child = runWithFileSizeLimit(SizeLimit, [&] { return session(*w); });
    ASSERT_TRUE(child.exitedNormally);
    expectNothingChanged(child.lines, EFBIG, folder.path(), before);

    expectEverythingWritten(*w, folder.path());
}

TEST(WriteFailure, OnAFullDiskNothingIsEmptiedOrAnnounced)
{
    const SmallDisk disk("512k");
    if (!disk.isMounted())
        GTEST_SKIP() << "a small disk of its own needs root";
    ASSERT_TRUE(prepareFolder(disk.path()));
    const auto w = openWindow(disk.path());
    ASSERT_TRUE(w->window);
    stateSmallInstallation(*w->window);
    ASSERT_EQ(w->dialogs.takeMessages(), QStringList());
    ASSERT_TRUE(disk.fill());
    const QStringList before = listing(disk.path());

    expectNothingChanged(session(*w), ENOSPC, disk.path(), before);

    ASSERT_TRUE(disk.empty());
    expectEverythingWritten(*w, disk.path());
}

} // namespace
} // namespace orvika::test::documents
