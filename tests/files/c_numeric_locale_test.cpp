#include "files/c_numeric_locale.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <langinfo.h>
#include <string>

namespace orvika::test {
namespace {

std::string printed(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

// The C library set up as Qt sets it up on a Russian desktop, and restored afterwards.
class RussianCLibrary : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_previous = std::setlocale(LC_ALL, nullptr);
        ASSERT_NE(std::setlocale(LC_ALL, "ru_RU.UTF-8"), nullptr)
            << "scripts/install-deps.sh makes ru_RU.UTF-8";
    }
    void TearDown() override { std::setlocale(LC_ALL, m_previous.c_str()); }

private:
    std::string m_previous;
};

TEST_F(RussianCLibrary, NumbersTakeAPointWhileTheGuardLivesAndTheCommaAfter)
{
    EXPECT_EQ(printed(1.5), "1,50");
    {
        const CNumericLocale c;
        ASSERT_TRUE(c.active());
        EXPECT_EQ(printed(1.5), "1.50");
        EXPECT_EQ(std::strtod("2.25", nullptr), 2.25);
    }
    EXPECT_EQ(printed(1.5), "1,50");
}

TEST_F(RussianCLibrary, OnlyTheNumbersChange)
{
    const CNumericLocale c;
    EXPECT_STREQ(nl_langinfo(CODESET), "UTF-8") << "the character set stays the user's";
    EXPECT_GT(MB_CUR_MAX, 1u);
    EXPECT_STRNE(nl_langinfo(MON_1), "January") << "the dates stay the user's";
}

} // namespace
} // namespace orvika::test
