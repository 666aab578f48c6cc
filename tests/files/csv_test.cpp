#include "files/csv_field.h"

#include <gtest/gtest.h>

namespace orvika {
namespace {

struct CsvCase
{
    const char16_t *text;
    QList<QStringList> records;
};

class CsvRecordsTest : public ::testing::TestWithParam<CsvCase>
{
};

TEST_P(CsvRecordsTest, ReadsWhatASpreadsheetWrites)
{
    EXPECT_EQ(csvRecords(QString::fromUtf16(GetParam().text)), GetParam().records);
}

INSTANTIATE_TEST_SUITE_P(
    Records, CsvRecordsTest,
    ::testing::Values(CsvCase{u"", {}}, CsvCase{u"a;b\r\nc;d\r\n", {{"a", "b"}, {"c", "d"}}},
                      CsvCase{u"a;b\nc", {{"a", "b"}, {"c"}}}, CsvCase{u"a;;\n", {{"a", "", ""}}},
                      CsvCase{u"\n\r\n;\n", {{"", ""}}}, CsvCase{u"\"\"\n", {{""}}},
                      CsvCase{u"\"x;y\";\"say \"\"hi\"\"\"\r\n", {{"x;y", "say \"hi\""}}},
                      CsvCase{u"\"two\r\nlines\";z", {{"two\r\nlines", "z"}}},
                      CsvCase{u"\"open;to end\nstill", {{"open;to end\nstill"}}},
                      CsvCase{u"a\rb\r", {{"a"}, {"b"}}}));

TEST(CsvRecordsTest, ReadsBackEveryRowItWrites)
{
    const QList<QStringList> rows = {
        {QStringLiteral("Блок; усилитель"), QStringLiteral("2")},
        {QStringLiteral("\"K-3520\""), QStringLiteral("строка\r\nвторая"), QString()}};
    QString text;
    for (const QStringList &row : rows)
        text += csvRow(row);
    EXPECT_EQ(csvRecords(text), rows);
}

TEST(CsvRecordsTest, TakesTheSeparatorGiven)
{
    EXPECT_EQ(csvRecords(u"a,b;c\t\"d,\"", u','), (QList<QStringList>{{"a", "b;c\td,"}}));
    EXPECT_EQ(csvRecords(u"a\tb", u'\t'), (QList<QStringList>{{"a", "b"}}));
}

} // namespace
} // namespace orvika
