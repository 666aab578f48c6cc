#include "price_list/price_list_file.h"
#include "support/file_faults.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvika;

namespace {

PriceList sampleList()
{
    PriceList list;
    list.fileName = QString::fromUtf8("прайс «Звук».xlsx");
    list.date = QDate(2026, 12, 8);
    list.currency = QStringLiteral("USD");
    list.entries = {{QString::fromUtf8("К-3520"), QString::fromUtf8("Громкоговоритель"), 120050, Roubles, 4},
                    {QString(), QString::fromUtf8("Кабель"), 9007199254740991, QStringLiteral("USD"), 9},
                    {QStringLiteral("X"), QString(), 0, QStringLiteral("CNY"), 12}};
    return list;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

TEST(PriceListFile, KeptAndReadBackWhole)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(PriceListFileName);
    EXPECT_EQ(readPriceList(path).outcome, PriceListRead::Missing);
    ASSERT_EQ(writePriceList(path, sampleList()), std::nullopt);
    const PriceListRead read = readPriceList(path);
    ASSERT_EQ(read.outcome, PriceListRead::List) << read.reason.toStdString();
    EXPECT_EQ(read.list, sampleList());
    // The next import replaces it.
    PriceList next = sampleList();
    next.entries.removeLast();
    ASSERT_EQ(writePriceList(path, next), std::nullopt);
    EXPECT_EQ(readPriceList(path).list, next);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{PriceListFileName});
}

TEST(PriceListFile, ForeignOrDamagedFileNeverReplaced)
{
    const QByteArray files[] = {
        R"({"format": "orvika-loudspeakers", "version": 1})",
        "not JSON at all",
        R"({"format": "orvika-prices", "currency": "GBP", "entries": []})",
        R"({"format": "orvika-prices", "currency": "RUB", "date": "вчера", "entries": []})",
        R"({"format": "orvika-prices", "currency": "RUB", "entries": [{"price": -1, "currency": "RUB"}]})",
        R"({"format": "orvika-prices", "currency": "RUB", "entries": [{"price": 1.5, "currency": "RUB"}]})",
        R"({"format": "orvika-prices", "currency": "RUB", "entries": [{"price": "1", "currency": "RUB"}]})",
        R"({"format": "orvika-prices", "currency": "RUB", "entries": [{"price": 1, "currency": "XXX"}]})",
        R"({"format": "orvika-prices", "currency": "RUB", "entries": [{"price": 1e300, "currency": "RUB"}]})",
        R"({"format": "orvika-prices", "currency": "RUB", "entries": [{"price": 1, "currency": "RUB", "line": 2.5}]})",
        R"({"format": "orvika-prices", "currency": "RUB", "entries": [7]})",
    };
    QTemporaryDir folder;
    const QString path = folder.filePath(PriceListFileName);
    for (const QByteArray &bytes : files) {
        SCOPED_TRACE(bytes.toStdString());
        ASSERT_TRUE(put(path, bytes));
        const PriceListRead read = readPriceList(path);
        EXPECT_NE(read.outcome, PriceListRead::List);
        EXPECT_FALSE(read.reason.isEmpty());
        const std::optional<QString> refused = writePriceList(path, sampleList());
        ASSERT_TRUE(refused.has_value());
        EXPECT_TRUE(refused->startsWith(QStringLiteral("файл prices.json не заменён: ")))
            << refused->toStdString();
        EXPECT_EQ(contents(path), bytes);
    }
    // Nor is a folder of that name.
    const QString folderPath = folder.filePath(QStringLiteral("папка.json"));
    ASSERT_TRUE(QDir().mkdir(folderPath));
    EXPECT_EQ(readPriceList(folderPath).outcome, PriceListRead::Unusable);
    EXPECT_TRUE(writePriceList(folderPath, sampleList()).has_value());
}

TEST(PriceListFile, FailedWriteLeavesTheEarlierList)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(PriceListFileName);
    PriceList small = sampleList();
    small.entries.resize(1);
    ASSERT_EQ(writePriceList(path, small), std::nullopt);
    const QByteArray before = contents(path);
    PriceList large = sampleList();
    for (int i = 0; i < 2000; ++i)
        large.entries.append(large.entries.front());
    const test::ChildResult child = test::runWithFileSizeLimit(4096, [&] {
        const std::optional<QString> failed = writePriceList(path, large);
        return QStringList{failed ? *failed : QStringLiteral("written")};
    });
    ASSERT_TRUE(child.exitedNormally);
    EXPECT_NE(child.lines.value(0), QStringLiteral("written"));
    EXPECT_EQ(contents(path), before);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{PriceListFileName});
}
