#include "price_list/price_columns.h"

#include <gtest/gtest.h>

using namespace orvika;

namespace {

QStringList cells(const char *row)
{
    return QString::fromUtf8(row).split(u'|');
}

} // namespace

TEST(PriceColumns, HeadersNamedInEitherLanguageAndAnyCase)
{
    struct Case
    {
        const char *header;
        PriceColumns columns;
        QList<int> prices;
        int found;
    };
    const Case cases[] = {
        {"Артикул|Наименование|Цена, руб.", {0, 1, 2, -1}, {2}, 3},
        {"МОДЕЛЬ|название|Цена дилерская|Валюта", {0, 1, 2, 3}, {2}, 4},
        {"SKU|Description|Price (USD)|Currency", {0, 1, 2, 3}, {2}, 4},
        {"№|Код товара|Наименование|Стоимость", {1, 2, 3, -1}, {3}, 3},
        // The foremost word wins among several columns of one kind.
        {"Код|Артикул|Наименование|Цена", {1, 2, 3, -1}, {3}, 3},
        {"Наименование|Цена дилерская|Цена розничная", {-1, 0, -1, -1}, {1, 2}, 2},
        {"Наименование|Остаток", {-1, 0, -1, -1}, {}, 1},
        // A word inside another is not the word.
        {"Кодировка|Ценаторг", {-1, -1, -1, -1}, {}, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.header);
        const HeaderMatch match = matchHeader(cells(c.header));
        EXPECT_EQ(match.columns, c.columns);
        EXPECT_EQ(match.priceColumns, c.prices);
        EXPECT_EQ(match.found, c.found);
    }
}

TEST(PriceColumns, ChoiceTypedForTheCommandLine)
{
    struct Case
    {
        const char *text;
        std::optional<PriceColumns> columns;
    };
    const Case cases[] = {
        {"model=2,price=5", PriceColumns{1, -1, 4, -1}},
        {"price=5, model=2 ,currency=6", PriceColumns{1, -1, 4, 5}},
        {"MODEL=1,name=2,price=3", PriceColumns{0, 1, 2, -1}},
        {"name=3,price=4", PriceColumns{-1, 2, 3, -1}},
        {"model=2", std::nullopt},
        {"price=4", std::nullopt},
        {"model=2,price=2", std::nullopt},
        {"model=2,model=3,price=4", std::nullopt},
        {"model=0,price=4", std::nullopt},
        {"model=x,price=4", std::nullopt},
        {"model=2,price=4,colour=5", std::nullopt},
        {"model 2,price=4", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        QString error;
        const std::optional<PriceColumns> columns = parseColumnChoice(QString::fromUtf8(c.text), &error);
        EXPECT_EQ(columns, c.columns);
        EXPECT_EQ(error.isEmpty(), c.columns.has_value()) << error.toStdString();
        if (columns) {
            EXPECT_EQ(parseColumnChoice(columnChoiceText(*columns)), columns);
        }
    }
}
