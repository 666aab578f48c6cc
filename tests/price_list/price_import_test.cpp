#include "price_list/price_import.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvika;

namespace {

const QDate Today(2026, 12, 8);

// Rows numbered from 1, cells split at "|".
PriceTable table(std::initializer_list<const char *> rows)
{
    PriceTable result;
    int line = 0;
    for (const char *row : rows)
        result.append({++line, QString::fromUtf8(row).split(u'|')});
    return result;
}

PriceEntry entry(const char *model, const char *name, qint64 minor, const char *currency, int line)
{
    return {QString::fromUtf8(model), QString::fromUtf8(name), minor, QString::fromLatin1(currency), line};
}

} // namespace

TEST(PriceImport, HeaderBelowTheTitleAndEveryRowBelowIt)
{
    const PriceImport import = importPriceTable(
        table({"ООО «Звук», прайс-лист", "Цены с НДС", "Артикул|Наименование|Цена, руб.|Остаток",
               "К-3520|Громкоговоритель|1 200,50|12", "|Кабель КПСЭнг 1x2x0,75|38,9|1000", "ТМ-1||45000|"}),
        "звук.csv", Today);
    ASSERT_EQ(import.outcome, PriceImport::Imported) << import.message.toStdString();
    EXPECT_EQ(import.list.fileName, QStringLiteral("звук.csv"));
    EXPECT_EQ(import.list.date, Today);
    EXPECT_EQ(import.list.currency, Roubles);
    EXPECT_EQ(import.list.entries, (QList<PriceEntry>{entry("К-3520", "Громкоговоритель", 120050, "RUB", 4),
                                                      entry("", "Кабель КПСЭнг 1x2x0,75", 3890, "RUB", 5),
                                                      entry("ТМ-1", "", 4500000, "RUB", 6)}));
    EXPECT_EQ(import.skipped, 0);
    EXPECT_EQ(import.message, QString::fromUtf8("Прайс-лист «звук.csv»: позиций — 3, валюта RUB."));
}

TEST(PriceImport, CurrencyFromTheSignTheColumnOrTheHeader)
{
    struct Case
    {
        std::initializer_list<const char *> rows;
        const char *listCurrency;
        QStringList currencies;
    };
    const Case cases[] = {
        {{"Model|Price, USD", "A|12.5", "B|€3"}, "USD", {"USD", "EUR"}},
        {{"Модель|Цена|Валюта", "A|12,5|EUR", "B|3|", "C|4|евро"}, "EUR", {"EUR", "EUR", "EUR"}},
        {{"Модель|Цена", "A|$12,5", "B|$3", "C|990 руб."}, "USD", {"USD", "USD", "RUB"}},
        {{"Модель|Цена", "A|12,5", "B|3"}, "RUB", {"RUB", "RUB"}},
    };
    for (const Case &c : cases) {
        const PriceImport import = importPriceTable(table(c.rows), "x.csv", Today);
        ASSERT_EQ(import.outcome, PriceImport::Imported);
        EXPECT_EQ(import.list.currency, QString::fromLatin1(c.listCurrency));
        QStringList currencies;
        for (const PriceEntry &e : import.list.entries)
            currencies.append(e.currency);
        EXPECT_EQ(currencies, c.currencies);
    }
}

TEST(PriceImport, BadRowsSkippedCountedAndTheFirstNamed)
{
    const PriceImport import =
        importPriceTable(table({"Модель|Наименование|Цена|Валюта", "A|a|по запросу|", "||100|", "B|b|-5|",
                                "C|c|10|GBP", "D|d|$10|EUR", "E|e|1|", "F|f||", "G|g|x|", "H|h|2|"}),
                         "x.csv", Today);
    ASSERT_EQ(import.outcome, PriceImport::Imported);
    EXPECT_EQ(import.list.entries.size(), 2);
    EXPECT_EQ(import.skipped, 7);
    EXPECT_EQ(import.skippedLines, (QList<int>{2, 3, 4, 5, 6}));
    EXPECT_EQ(
        import.message,
        QString::fromUtf8("Прайс-лист «x.csv»: позиций — 2, валюта RUB; пропущено строк — 7 (нет модели и "
                          "наименования или цены), строки 2, 3, 4, 5, 6, …."));
}

TEST(PriceImport, NoUsableRowRefused)
{
    const PriceImport import = importPriceTable(table({"Модель|Цена", "A|нет", "B|"}), "x.csv", Today);
    EXPECT_EQ(import.outcome, PriceImport::Refused);
    EXPECT_TRUE(import.list.entries.isEmpty());
    EXPECT_EQ(import.message,
              QString::fromUtf8("В файле «x.csv» нет ни одной строки с моделью или наименованием и "
                                "ценой: пропущено строк — 2 (нет модели и наименования или цены), "
                                "строки 2, 3."));
    EXPECT_EQ(importPriceTable({}, "x.csv", Today).outcome, PriceImport::Refused);
    EXPECT_EQ(importPriceTable(table({"Модель|Цена"}), "x.csv", Today).outcome, PriceImport::Refused);
}

TEST(PriceImport, SeveralPriceColumnsOrNoneAskTheUser)
{
    const PriceImport several = importPriceTable(
        table({"Артикул|Наименование|Цена дилерская|Цена розничная", "A|a|1|2"}), "x.csv", Today);
    EXPECT_EQ(several.outcome, PriceImport::ChooseColumns);
    EXPECT_EQ(several.priceCandidates, (QList<int>{2, 3}));
    EXPECT_EQ(several.headers.size(), 4);
    EXPECT_EQ(several.found, (PriceColumns{0, 1, -1, -1}));
    EXPECT_EQ(several.message,
              QString::fromUtf8("В файле «x.csv» несколько столбцов цены: «Цена дилерская» (3), "
                                "«Цена розничная» (4). Какой взять?"));

    const PriceImport none = importPriceTable(table({"Артикул|Наименование|Сумма", "A|a|1"}), "x.csv", Today);
    EXPECT_EQ(none.outcome, PriceImport::ChooseColumns);
    EXPECT_TRUE(none.priceCandidates.isEmpty());
    EXPECT_EQ(none.headers.size(), 3);
    EXPECT_EQ(none.sampleRows,
              (QList<QStringList>{{QStringLiteral("A"), QStringLiteral("a"), QStringLiteral("1")}}));

    const PriceImport noModel = importPriceTable(table({"Что|Цена", "A|1"}), "x.csv", Today);
    EXPECT_EQ(noModel.outcome, PriceImport::ChooseColumns);
    EXPECT_TRUE(noModel.list.entries.isEmpty());
}

TEST(PriceImport, ColumnsGivenOverrideThoseFound)
{
    const PriceTable rows = table({"Артикул|Наименование|Цена дилерская|Цена розничная", "A|a|1|2"});
    const PriceImport retail = importPriceTable(rows, "x.csv", Today, PriceColumns{0, -1, 3, -1});
    ASSERT_EQ(retail.outcome, PriceImport::Imported);
    EXPECT_EQ(retail.list.entries, (QList<PriceEntry>{entry("A", "a", 200, "RUB", 2)}));
    // The name found stays unless a column given takes it.
    const PriceImport swapped = importPriceTable(rows, "x.csv", Today, PriceColumns{1, -1, 2, -1});
    ASSERT_EQ(swapped.outcome, PriceImport::Imported);
    EXPECT_EQ(swapped.list.entries, (QList<PriceEntry>{entry("a", "", 100, "RUB", 2)}));
    // No header at all: every row is data.
    const PriceImport bare =
        importPriceTable(table({"A|1|x", "B|2|y"}), "x.csv", Today, PriceColumns{0, 2, 1, -1});
    ASSERT_EQ(bare.outcome, PriceImport::Imported);
    EXPECT_EQ(bare.list.entries,
              (QList<PriceEntry>{entry("A", "x", 100, "RUB", 1), entry("B", "y", 200, "RUB", 2)}));
}

TEST(PriceImport, FileReadWhateverItsEncoding)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("прайс.csv"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\xCC\xEE\xE4\xE5\xEB\xFC;\xD6\xE5\xED\xE0\r\nK-1;1 200,50\r\n")); // Windows-1251
    file.close();
    const PriceImport import = importPriceFile(path, Today);
    ASSERT_EQ(import.outcome, PriceImport::Imported) << import.message.toStdString();
    EXPECT_EQ(import.list.entries, (QList<PriceEntry>{entry("K-1", "", 120050, "RUB", 2)}));
    EXPECT_EQ(import.list.fileName, QString::fromUtf8("прайс.csv"));

    const PriceImport missing = importPriceFile(folder.filePath(QStringLiteral("нет.csv")), Today);
    EXPECT_EQ(missing.outcome, PriceImport::Refused);
    EXPECT_TRUE(missing.message.startsWith(QString::fromUtf8("Файл «нет.csv» не открывается")))
        << missing.message.toStdString();
    EXPECT_EQ(importPriceFile(folder.path(), Today).outcome, PriceImport::Refused);
}

TEST(PriceImport, BinaryFilesRefused)
{
    QTemporaryDir folder;
    const std::pair<QByteArray, const char *> files[] = {
        {QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + QByteArray(600, '\0'),
         "Файл «x.csv» — книга Excel старого формата (XLS). Сохраните её как XLSX или CSV."},
        {QByteArray("Model;Price\nA;1\n\0\x01\x02", 19), "Файл «x.csv» — не таблица CSV и не книга XLSX."},
    };
    for (const auto &[bytes, message] : files) {
        QFile file(folder.filePath(QStringLiteral("x.csv")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        const PriceImport import = importPriceFile(file.fileName(), Today);
        EXPECT_EQ(import.outcome, PriceImport::Refused);
        EXPECT_EQ(import.message, QString::fromUtf8(message));
    }
}
