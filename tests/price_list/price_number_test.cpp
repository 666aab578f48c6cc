#include "price_list/price_number.h"

#include <gtest/gtest.h>

using namespace orvika;

TEST(PriceNumber, Placeholder)
{
    EXPECT_EQ(parsePriceAmount(u"1").minor, 100);
}
