#include "document_fixtures.h"
#include "documents/bill_csv.h"

#include <gtest/gtest.h>

namespace orvika::test {
namespace {

const QByteArray Bom = "\xEF\xBB\xBF";

TEST(BillCsv, HeaderThenOneRowForEachProposedLine)
{
    const DocumentContent content = documentOf(everyOption());
    const QByteArray csv = billAsCsv(content);
    ASSERT_TRUE(csv.startsWith(Bom));
    ASSERT_TRUE(csv.endsWith("\r\n"));
    const QStringList rows = QString::fromUtf8(csv.mid(Bom.size())).split(QStringLiteral("\r\n"));
    ASSERT_EQ(rows.size(), content.rows.size() + 2); // the header, the rows, and nothing after the last CR LF
    EXPECT_EQ(rows.first(), QStringLiteral("№;Обозначение;Количество;Потребление, Вт;Высота, U;Основание"));
    EXPECT_EQ(rows.last(), QString());
    EXPECT_EQ(rows.at(1),
              QStringLiteral("1;K-3262 Блок речевых сообщений на 16 сообщений;1;25;1;выбран пользователем"));
    // A reason holding the separator is quoted.
    EXPECT_EQ(rows.at(4),
              QStringLiteral("4;K-3520 Усилитель мощности (1000);1;1400;3;\"1000 Вт ≤ 1000 Вт; по 1 на "
                             "канал, 1 канал; входы: линейных 3, микрофонных 0\""));
    // The cabinet has no figures in the catalogue: its cells are empty.
    EXPECT_TRUE(rows.at(rows.size() - 2).startsWith(QStringLiteral("9;K-3710 ")));
    EXPECT_TRUE(rows.at(rows.size() - 2).contains(QStringLiteral(";1;;;")));
}

struct QuotingCase
{
    const char *label;
    const char16_t *designation;
    const char16_t *field; // as the CSV writes it
};

class BillCsvQuoting : public ::testing::TestWithParam<QuotingCase>
{
};

TEST_P(BillCsvQuoting, QuotesFieldsAsRfc4180Asks)
{
    DocumentContent content;
    content.rows.append(
        {1, QString::fromUtf16(GetParam().designation), 2, 1.5, std::nullopt, QStringLiteral("r")});
    const QByteArray csv = billAsCsv(content);
    const QString row = QString::fromUtf8(csv).section(QStringLiteral("\r\n"), 1, -1);
    EXPECT_EQ(row,
              QStringLiteral("1;") + QString::fromUtf16(GetParam().field) + QStringLiteral(";2;1,5;;r\r\n"));
}

INSTANTIATE_TEST_SUITE_P(Fields, BillCsvQuoting,
                         ::testing::Values(QuotingCase{"Plain", u"K-1 Блок", u"K-1 Блок"},
                                           QuotingCase{"Separator", u"K-1; Блок", u"\"K-1; Блок\""},
                                           QuotingCase{"Quotes", u"K-1 \"Блок\"", u"\"K-1 \"\"Блок\"\"\""},
                                           QuotingCase{"LineBreak", u"K-1\nБлок", u"\"K-1\nБлок\""},
                                           QuotingCase{"CarriageReturn", u"K-1\rБлок", u"\"K-1\rБлок\""}),
                         [](const auto &info) { return std::string(info.param.label); });

} // namespace
} // namespace orvika::test
