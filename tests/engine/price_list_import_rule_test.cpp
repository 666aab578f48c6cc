#include "engine/price_list_import_rule.h"
#include "price_list/price_list_file.h"
#include "support/file_faults.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// "Прайс-лист…" without its window: the kept list read once and replaced only by a list written whole, the
// choice of columns asked for, remembered by the header and used again.
namespace orvika::test {
namespace {

const QDate Imported(2026, 12, 9);

class PriceListRule : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return file.fileName();
    }

    QString csv(const QString &name, const char *text) const { return write(name, QByteArray(text)); }

    PriceListImportStep import(PriceListStore &store, const QString &path,
                               const std::optional<PriceColumns> &chosen = std::nullopt) const
    {
        return importPriceList(store, PriceColumnMemory(dir.path()), path, Imported, chosen);
    }

    QList<qint64> keptPrices() const
    {
        const PriceList kept = readPriceList(dir.filePath(PriceListFileName)).list;
        return prices(&kept);
    }

    static QList<qint64> prices(const PriceList *list)
    {
        QList<qint64> kept;
        for (const PriceEntry &entry : list ? list->entries : QList<PriceEntry>())
            kept.append(entry.priceMinor);
        return kept;
    }

    QTemporaryDir dir;
};

// Two price columns: the dealer's and the retail one.
const char *TwoPrices = "Код;Наименование;Цена дилерская;Цена розничная\n"
                        "K-3110;Селектор;1000;1500\n"
                        "K-3520;Громкоговоритель;200,50;300\n";

TEST_F(PriceListRule, AKeptListIsReadOnceAndADamagedOneIsToldOf)
{
    struct Case
    {
        const char *label;
        QByteArray bytes; // empty: no file
        bool listed;
        const char *problemHolds;
    };
    PriceList sample;
    sample.fileName = QStringLiteral("a.csv");
    sample.entries = {{QStringLiteral("K-1"), QStringLiteral("Блок"), 12345, Roubles, 2}};
    const Case cases[] = {
        {"none imported yet", {}, false, nullptr},
        {"kept", priceListJson(sample), true, nullptr},
        {"damaged", "{\"format\": \"orvika-prices\", \"entries\": [", false, "повреждён"},
        {"foreign JSON", "{\"name\": \"что-то своё\"}", false, "prices.json"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        QFile::remove(dir.filePath(PriceListFileName));
        if (!c.bytes.isEmpty())
            write(PriceListFileName, c.bytes);
        PriceListStore store(dir.path());
        EXPECT_EQ(store.current() != nullptr, c.listed);
        EXPECT_EQ(store.problem().isEmpty(), c.problemHolds == nullptr) << store.problem().toStdString();
        if (c.problemHolds) {
            EXPECT_TRUE(store.problem().contains(QString::fromUtf8(c.problemHolds)))
                << store.problem().toStdString();
        }
        // Read once: a file changed behind the program's back is not taken until the next import.
        QFile::remove(dir.filePath(PriceListFileName));
        EXPECT_EQ(store.current() != nullptr, c.listed);
    }
}

TEST_F(PriceListRule, SeveralPriceColumnsAskTheChoiceIsTakenKeptAndRemembered)
{
    PriceListStore store(dir.path());
    const QString path = csv(QStringLiteral("дилер.csv"), TwoPrices);
    const PriceListImportStep asked = import(store, path);
    ASSERT_EQ(asked.outcome, PriceListImportStep::ChooseColumns) << asked.message.toStdString();
    EXPECT_EQ(asked.import.priceCandidates, (QList<int>{2, 3}));
    EXPECT_EQ(asked.proposed.price, 2) << "the first price column offered first";
    EXPECT_EQ(asked.import.sampleRows.size(), 2);
    EXPECT_EQ(store.current(), nullptr) << "nothing kept while asking";

    PriceColumns retail = asked.proposed;
    retail.price = 3;
    const PriceListImportStep taken = import(store, path, retail);
    ASSERT_EQ(taken.outcome, PriceListImportStep::Imported) << taken.message.toStdString();
    EXPECT_EQ(prices(store.current()), (QList<qint64>{150000, 30000}));
    EXPECT_EQ(readPriceList(dir.filePath(PriceListFileName)).list, *store.current()) << "written whole";

    // The next list of the same header (its case and blanks aside) takes the retail price without asking; one
    // of another header is asked about again.
    const QString next =
        csv(QStringLiteral("дилер-декабрь.csv"), "КОД; наименование ;Цена  дилерская;Цена розничная\n"
                                                 "K-3110;Селектор;1100;1700\n");
    PriceListStore later(dir.path());
    const PriceListImportStep again = import(later, next);
    ASSERT_EQ(again.outcome, PriceListImportStep::Imported) << again.message.toStdString();
    EXPECT_TRUE(again.message.contains(QStringLiteral("по прежнему выбору"))) << again.message.toStdString();
    EXPECT_EQ(prices(later.current()), (QList<qint64>{170000}));
    const QString other = csv(QStringLiteral("другой.csv"), "Артикул;Цена опт;Цена розница\nK-1;1;2\n");
    const PriceListImportStep otherStep = import(later, other);
    EXPECT_EQ(otherStep.outcome, PriceListImportStep::ChooseColumns);
    EXPECT_EQ(prices(later.current()), (QList<qint64>{170000})) << "the current list stays while asking";
}

TEST_F(PriceListRule, TheSummaryNamesTheForeignCurrenciesThatNeedARate)
{
    struct Case
    {
        const char *text;
        const char *named; // empty: no currency to name
    };
    const Case cases[] = {
        {"Модель;Цена\nK-1;10\nK-2;20 руб.\n", ""},
        {"Модель;Цена;Валюта\nK-1;10;USD\nK-2;20;EUR\nK-3;5;USD\nK-4;7;RUB\n", "Цены в USD, EUR войдут"},
        {"Модель;Цена, $\nK-1;10\n", "Цены в USD войдут"},
    };
    for (const Case &c : cases) {
        PriceListStore store(dir.path());
        const PriceListImportStep step = import(store, csv(QStringLiteral("валюта.csv"), c.text));
        ASSERT_EQ(step.outcome, PriceListImportStep::Imported) << step.message.toStdString();
        const QString named = QString::fromUtf8(c.named);
        EXPECT_EQ(step.message.contains(QStringLiteral("по курсу")), !named.isEmpty())
            << step.message.toStdString();
        if (!named.isEmpty()) {
            EXPECT_TRUE(step.message.contains(named)) << step.message.toStdString();
        }
    }
}

TEST_F(PriceListRule, ARememberedChoiceThatNoLongerFitsAsksAgainWithItProposed)
{
    PriceListStore store(dir.path());
    ASSERT_FALSE(PriceColumnMemory(dir.path())
                     .remember({QStringLiteral("Код"), QStringLiteral("Цена 1"), QStringLiteral("Цена 2")},
                               QString(), PriceColumns{0, -1, 7, -1}));
    const PriceListImportStep step =
        import(store, csv(QStringLiteral("x.csv"), "Код;Цена 1;Цена 2\nK-1;10;20\n"));
    ASSERT_EQ(step.outcome, PriceListImportStep::ChooseColumns) << step.message.toStdString();
    EXPECT_EQ(step.proposed.price, 7);
}

TEST_F(PriceListRule, ARefusedImportKeepsTheCurrentList)
{
    PriceListStore store(dir.path());
    ASSERT_EQ(import(store, csv(QStringLiteral("a.csv"), "Модель;Цена\nK-1;10\n")).outcome,
              PriceListImportStep::Imported);
    const QList<qint64> kept = prices(store.current());
    const QString refusedFiles[] = {
        csv(QStringLiteral("пустой.csv"), ""),
        csv(QStringLiteral("без цен.csv"), "Модель;Цена\nK-1;по запросу\nK-2;-\n"),
        write(QStringLiteral("старый.xls"), QByteArray::fromHex("d0cf11e0a1b11ae1") + QByteArray(512, '\0')),
        dir.filePath(QStringLiteral("пропал.csv")),
    };
    for (const QString &path : refusedFiles) {
        const PriceListImportStep step = import(store, path);
        EXPECT_EQ(step.outcome, PriceListImportStep::Refused) << path.toStdString();
        EXPECT_TRUE(step.message.endsWith(QStringLiteral("Текущий прайс-лист не изменён.")))
            << step.message.toStdString();
        EXPECT_EQ(prices(store.current()), kept);
        EXPECT_EQ(keptPrices(), kept);
    }
}

TEST_F(PriceListRule, AListThatCannotBeWrittenIsNotTaken)
{
    PriceListStore store(dir.path());
    ASSERT_EQ(import(store, csv(QStringLiteral("a.csv"), "Модель;Цена\nK-1;10\n")).outcome,
              PriceListImportStep::Imported);
    const QString bigger = csv(QStringLiteral("b.csv"), "Модель;Цена\nK-1;20\nK-2;30\nK-3;40\nK-4;50\n");
    // The file may grow no larger than the list kept now: the new one cannot be written.
    const qint64 limit = QFileInfo(dir.filePath(PriceListFileName)).size();
    const ChildResult child = runWithFileSizeLimit(rlim_t(limit), [&] {
        const PriceListImportStep step = import(store, bigger);
        return QStringList{QString::number(step.outcome), step.message,
                           QString::number(prices(store.current()).value(0))};
    });
    ASSERT_TRUE(child.exitedNormally);
    EXPECT_EQ(child.lines.value(0), QString::number(PriceListImportStep::Refused));
    EXPECT_TRUE(child.lines.value(1).contains(QStringLiteral("не сохранён")))
        << child.lines.join(u'|').toStdString();
    EXPECT_EQ(child.lines.last(), QStringLiteral("1000")) << "the current list stays";
    EXPECT_EQ(keptPrices(), (QList<qint64>{1000}));
}

TEST_F(PriceListRule, AForeignFileOfTheListsNameIsNeverReplaced)
{
    const QByteArray foreign = "{\"мой\": \"файл\"}";
    write(PriceListFileName, foreign);
    PriceListStore store(dir.path());
    const PriceListImportStep step = import(store, csv(QStringLiteral("a.csv"), "Модель;Цена\nK-1;10\n"));
    EXPECT_EQ(step.outcome, PriceListImportStep::Refused);
    // The user is told which file stands in the way, to move it aside.
    EXPECT_TRUE(store.problem().contains(QDir::toNativeSeparators(store.path())))
        << store.problem().toStdString();
    EXPECT_TRUE(step.message.contains(QDir::toNativeSeparators(store.path()))) << step.message.toStdString();
    EXPECT_EQ(store.current(), nullptr);
    QFile file(dir.filePath(PriceListFileName));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), foreign);
}

TEST_F(PriceListRule, TheWindowsChoiceOfColumnsIsChecked)
{
    struct Case
    {
        PriceColumns columns;
        const char *problem; // empty: taken
    };
    const Case cases[] = {
        {{0, 1, 2, -1}, ""},
        {{-1, 1, 2, 3}, ""},
        {{0, -1, -1, -1}, "Укажите столбец цены."},
        {{-1, -1, 2, 3}, "Укажите столбец модели или наименования."},
        {{0, 1, 1, -1}, "Столбец 2 выбран дважды."},
        {{0, 1, 2, 0}, "Столбец 1 выбран дважды."},
    };
    for (const Case &c : cases)
        EXPECT_EQ(columnChoiceProblem(c.columns), QString::fromUtf8(c.problem))
            << columnChoiceText(c.columns).toStdString();
}

TEST_F(PriceListRule, ChoicesAreKeptNewestFirstAndAForeignMemoryFileIsLeftAlone)
{
    const PriceColumnMemory memory(dir.path());
    for (int n = 0; n < RememberedColumnChoices + 5; ++n)
        ASSERT_FALSE(memory.remember({QStringLiteral("Код"), QStringLiteral("Цена %1").arg(n)}, QString(),
                                     PriceColumns{0, -1, 1, -1}));
    EXPECT_TRUE(memory.recall(
        {QStringLiteral("Код"), QStringLiteral("Цена %1").arg(RememberedColumnChoices + 4)}, QString()));
    EXPECT_FALSE(memory.recall({QStringLiteral("Код"), QStringLiteral("Цена 0")}, QString()))
        << "the oldest dropped";
    // A list without a header is remembered by its file's name.
    ASSERT_FALSE(memory.remember({}, QStringLiteral("Без шапки.csv"), PriceColumns{1, -1, 0, -1}));
    EXPECT_EQ(memory.recall({}, QStringLiteral("без шапки.CSV")), (PriceColumns{1, -1, 0, -1}));
    EXPECT_FALSE(memory.recall({}, QStringLiteral("другой.csv")));

    write(PriceColumnMemoryFileName, "не JSON");
    EXPECT_FALSE(memory.recall({QStringLiteral("Код")}, QString()));
    const std::optional<QString> refused =
        memory.remember({QStringLiteral("Код")}, QString(), PriceColumns{0, -1, 1, -1});
    ASSERT_TRUE(refused);
    QFile file(dir.filePath(PriceColumnMemoryFileName));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("не JSON"));
}

} // namespace
} // namespace orvika::test
