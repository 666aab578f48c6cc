#include "calculation_fixtures.h"

#include <gtest/gtest.h>

namespace orvika::test {
namespace {

TEST(CalculationContentSmoke, Builds)
{
    const CalculationContent content = acousticContent();
    EXPECT_FALSE(content.blocks.isEmpty());
}

} // namespace
} // namespace orvika::test
