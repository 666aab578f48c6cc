#include "price_list/price_csv.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

using namespace orvika;

namespace {

// The same list as each program writes it; "|" stands for the separator.
const char *const ListText = "Прайс-лист ООО «Звук» от 01.12.2026\r\n"
                             "\r\n"
                             "Артикул|Наименование|\"Цена, руб.\"\r\n"
                             "К-3520|\"Громкоговоритель потолочный 6 Вт, \"\"белый\"\"\"|\"1 200,50\"\r\n"
                             "ТМ-1|\"Усилитель\r\nтрансляционный\"|45000\r\n"
                             "\"КПСЭнг-FRLS 1x2x0,75\"||\"38,9\"";

QByteArray encoded(const QString &text, const char *encoding)
{
    if (QByteArray(encoding) == "utf-8-bom")
        return "\xEF\xBB\xBF" + text.toUtf8();
    if (QByteArray(encoding) == "utf-8")
        return text.toUtf8();
    QStringEncoder encoder(encoding);
    return encoder.encode(text);
}

} // namespace

namespace orvika {
void PrintTo(const TableRow &row, std::ostream *out)
{
    *out << row.line << ": " << row.cells.join(u'|').toStdString();
}
} // namespace orvika

TEST(PriceCsv, EveryEncodingAndSeparatorGivesTheSameRows)
{
    for (const char *encoding : {"utf-8-bom", "utf-8", "windows-1251"}) {
        for (const QChar separator : {u';', u',', u'\t'}) {
            SCOPED_TRACE(std::string(encoding) + " separator " + char(separator.unicode()));
            QString text = QString::fromUtf8(ListText);
            text.replace(u'|', separator);
            const PriceTable table = csvTable(encoded(text, encoding));
            ASSERT_EQ(table.size(), 5);
            EXPECT_EQ(table[0], (TableRow{1, {QString::fromUtf8("Прайс-лист ООО «Звук» от 01.12.2026")}}));
            EXPECT_EQ(table[1].line, 3);
            EXPECT_EQ(table[2], (TableRow{4,
                                          {QString::fromUtf8("К-3520"),
                                           QString::fromUtf8("Громкоговоритель потолочный 6 Вт, \"белый\""),
                                           QString::fromUtf8("1 200,50")}}));
            // A quoted line break keeps the record whole; the next record is numbered past it.
            EXPECT_EQ(table[3],
                      (TableRow{5,
                                {QString::fromUtf8("ТМ-1"), QString::fromUtf8("Усилитель\r\nтрансляционный"),
                                 QStringLiteral("45000")}}));
            EXPECT_EQ(table[4].line, 7);
            EXPECT_EQ(table[4].cells.size(), 3);
        }
    }
}

TEST(PriceCsv, SeparatorFromTheHeader)
{
    const std::pair<const char *, char16_t> cases[] = {
        // The title's commas are not the header's separator.
        {"Прайс, цены, руб\nМодель;Цена\nA;1,5", u';'},
        {"Модель,Цена\nA,1", u','},
        {"Модель\tЦена, руб.\nA\t1,5", u'\t'},
        // No header: the first line's fields tell.
        {"a,b,c\n", u','},
        {"a\tb\n", u'\t'},
        {"", u';'},
    };
    for (const auto &[text, separator] : cases)
        EXPECT_EQ(detectSeparator(QString::fromUtf8(text)), QChar(separator)) << text;
}

TEST(PriceCsv, SeparatorNamedOnTheFirstLine)
{
    const PriceTable table = csvTable("sep=,\r\nModel;x,Price\r\nA;1,\"2,5\"");
    EXPECT_EQ(table, (PriceTable{{2, {QStringLiteral("Model;x"), QStringLiteral("Price")}},
                                 {3, {QStringLiteral("A;1"), QStringLiteral("2,5")}}}));
}

TEST(PriceCsv, EncodingDetected)
{
    const QString text = QString::fromUtf8("Цена ₽");
    EXPECT_EQ(decodePriceText("\xEF\xBB\xBF" + text.toUtf8()), text);
    EXPECT_EQ(decodePriceText(text.toUtf8()), text);
    EXPECT_EQ(decodePriceText(QStringEncoder("windows-1251").encode(QString::fromUtf8("Цена руб."))),
              QString::fromUtf8("Цена руб."));
    QByteArray utf16("\xFF\xFE");
    utf16 += QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    EXPECT_EQ(decodePriceText(utf16), text);
}
