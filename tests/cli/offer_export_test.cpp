#include "command_line_fixture.h"

// The commercial offer from the command line: priced from the list given, the missing prices named on
// standard error while the offer is still written, and the sums adding up as the CSV states them.
namespace orvika::test {
namespace {

// K-3710 is not in the list; K-3286 is priced by hand in the card, over the list's price.
const char *const DistributorList = "Артикул;Наименование;Цена, руб.\n"
                                    "К-3262;Блок контроля;12 500,00\n"
                                    "K-3286;Микрофонная консоль;1 000\n"
                                    "K 3110;Селектор зон;45 300,50\n"
                                    "K-3520;Усилитель;\"98 765,43\"\n"
                                    "K-3620;Блок;7 777,77\n"
                                    "K-3630;Блок;3 333,33\n"
                                    "K-3640;Блок;1 111,11\n"
                                    "K-3660;Блок;2 222,22\n";

const char *const OfferCard = R"({"format": "orvika-project", "offer": {"number": "17", "vat": "over",
        "vatRate": 22, "markup": 10, "prices": {"K-3286": 2500.5},
        "works": [{"name": "Монтаж", "unit": "компл.", "quantity": 1, "price": 50000}]}})";

qint64 kopecksOf(const QString &field)
{
    QString digits = field;
    digits.remove(u',');
    bool ok = false;
    const qint64 kopecks = digits.toLongLong(&ok);
    EXPECT_TRUE(ok && field.indexOf(u',') == field.size() - 3) << field.toStdString();
    return kopecks;
}

TEST_F(CommandLine, TheOfferIsPricedFromTheListAndItsSumsAddUp)
{
    ASSERT_TRUE(put(QStringLiteral("отчёт.json"), OfferCard));
    ASSERT_TRUE(put(QStringLiteral("прайс.csv"), DistributorList));
    const Outcome result =
        run({QStringLiteral("--export"), QStringLiteral("offer-csv"), QStringLiteral("--output"),
             QStringLiteral("кп.csv"), QStringLiteral("--prices"), QStringLiteral("прайс.csv"),
             QStringLiteral("отчёт.dat")});
    ASSERT_EQ(result.exitCode, 0) << result.errorLines.join(u'\n').toStdString();
    ASSERT_GE(result.errorLines.size(), 2);
    EXPECT_EQ(result.errorLines[0], QStringLiteral("Без цены: 1 позиция — K-3710; в сумму не включены"));
    EXPECT_TRUE(result.errorLines[1].contains(u"K-3710") &&
                result.errorLines[1].endsWith(u"нет в прайс-листе"))
        << result.errorLines[1].toStdString();

    const QByteArray csv = read(QStringLiteral("кп.csv"));
    ASSERT_TRUE(csv.startsWith("\xEF\xBB\xBF"));
    const QStringList rows = QString::fromUtf8(csv.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_GE(rows.size(), 5);
    EXPECT_EQ(rows[0], QStringLiteral("Раздел;Модель;Наименование;Ед.;Кол.;Цена, руб.;Сумма, руб."));
    qint64 lines = 0;
    QMap<QString, QStringList> byModel;
    for (const QString &row : rows.mid(1, rows.size() - 4)) {
        const QStringList fields = row.split(u';');
        ASSERT_EQ(fields.size(), 7) << row.toStdString();
        byModel.insert(fields[1].isEmpty() ? fields[2] : fields[1], fields);
        if (!fields[6].isEmpty())
            lines += kopecksOf(fields[6]);
    }
    // The list's price with the markup; the hand price as set; the work as entered; the missing one empty.
    EXPECT_EQ(byModel.value(QStringLiteral("K-3262")).mid(3),
              QStringList({QStringLiteral("шт."), QStringLiteral("1"), QStringLiteral("13750,00"),
                           QStringLiteral("13750,00")}));
    EXPECT_EQ(byModel.value(QStringLiteral("K-3286")).mid(5),
              QStringList({QStringLiteral("2500,50"), QStringLiteral("5001,00")}));
    EXPECT_EQ(byModel.value(QStringLiteral("Монтаж")).first(), QStringLiteral("Работы"));
    EXPECT_EQ(byModel.value(QStringLiteral("K-3710")).mid(5), QStringList({QString(), QString()}));

    const QStringList totals = rows.mid(rows.size() - 3);
    const qint64 subtotal = kopecksOf(totals[0].section(u';', 6));
    const qint64 vat = kopecksOf(totals[1].section(u';', 6));
    EXPECT_TRUE(totals[0].startsWith(u"Итого;"));
    EXPECT_TRUE(totals[1].startsWith(u"НДС 22 %;"));
    EXPECT_TRUE(totals[2].startsWith(u"Всего с НДС;"));
    EXPECT_EQ(subtotal, lines);
    EXPECT_EQ(vat, (subtotal * 22 + 50) / 100);
    EXPECT_EQ(kopecksOf(totals[2].section(u';', 6)), subtotal + vat);
}

TEST_F(CommandLine, AListWhoseColumnsAreNotKnownAsksForThemAndWritesNothing)
{
    ASSERT_TRUE(put(QStringLiteral("прайс.csv"), "Код;Товар;Цена дилерская;Цена розничная\n"
                                                 "K-3262;Блок;100;150\n"));
    const QStringList arguments = {QStringLiteral("--export"), QStringLiteral("offer-csv"),
                                   QStringLiteral("--output"), QStringLiteral("кп.csv"),
                                   QStringLiteral("--prices"), QStringLiteral("прайс.csv"),
                                   QStringLiteral("отчёт.dat")};
    const Outcome asked = run(arguments);
    EXPECT_EQ(asked.exitCode, 1);
    EXPECT_TRUE(asked.errorLines.join(u'\n').contains(u"--price-columns"))
        << asked.errorLines.join(u'\n').toStdString();
    EXPECT_FALSE(files().contains(QStringLiteral("кп.csv")));

    const Outcome chosen =
        run(arguments + QStringList{QStringLiteral("--price-columns"), QStringLiteral("model=1,price=4")});
    ASSERT_EQ(chosen.exitCode, 0) << chosen.errorLines.join(u'\n').toStdString();
    // The retail price of the fourth column, not the dealer's.
    const QString offer = QString::fromUtf8(read(QStringLiteral("кп.csv")));
    EXPECT_TRUE(offer.contains(u";K-3262;") && offer.contains(u";шт.;1;150,00;150,00\r\n"))
        << offer.toStdString();
}

TEST_F(CommandLine, TheOffersOptionsGoTogether)
{
    ASSERT_TRUE(put(QStringLiteral("прайс.csv"), DistributorList));
    const struct
    {
        QStringList arguments;
        int status;
    } cases[] = {
        {{"--export", "offer-pdf", "--output", "кп.pdf", "отчёт.dat"}, 2},                   // no list
        {{"--export", "pdf", "--output", "a.pdf", "--prices", "прайс.csv", "отчёт.dat"}, 2}, // not an offer
        {{"--export", "offer-csv", "--output", "a.csv", "--prices", "прайс.csv", "--price-columns", "price=2",
          "отчёт.dat"},
         2}, // no model
        {{"--export", "offer-csv", "--output", "прайс.csv", "--prices", "прайс.csv", "отчёт.dat"},
         2},                                                                                     // the list
        {{"--export", "offer-csv", "--output", "a.csv", "--prices", "нет.csv", "отчёт.dat"}, 1}, // not there
    };
    for (const auto &c : cases) {
        const Outcome result = run(c.arguments);
        EXPECT_EQ(result.exitCode, c.status) << c.arguments.join(u' ').toStdString();
        EXPECT_FALSE(result.errorLines.isEmpty());
    }
    EXPECT_EQ(read(QStringLiteral("прайс.csv")), QByteArray(DistributorList));
    EXPECT_FALSE(files().contains(QStringLiteral("a.csv")));
}

} // namespace
} // namespace orvika::test
