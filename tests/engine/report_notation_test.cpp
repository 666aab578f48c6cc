#include "engine/report_recheck.h"
#include "model_fixture.h"

// A saved report re-checks by what it states, not by the notation of the desktop it was written on.
namespace orvika::test {
namespace {

struct Desktop
{
    const char *name;
    QLocale locale;
    const char *report;
};

void PrintTo(const Desktop &desktop, std::ostream *out)
{
    *out << desktop.name;
}

class RecheckedOnADesktop : public BundledModelTest, public ::testing::WithParamInterface<Desktop>
{
};

TEST_P(RecheckedOnADesktop, AFractionalTotalPowerIsUnchangedInEitherNotation)
{
    QLocale::setDefault(GetParam().locale);
    ReportRechecker rechecker(state);
    const RecheckOutcome outcome = rechecker.recheck(Reports + QString::fromLatin1(GetParam().report));
    EXPECT_EQ(outcome.verdict().toStdString(), "без изменений");
}

INSTANTIATE_TEST_SUITE_P(
    Notations, RecheckedOnADesktop,
    ::testing::Values(
        Desktop{"PointUnderC", QLocale::c(), "fraction_point.dat"},
        Desktop{"PointOnARussianDesktop", QLocale(QLocale::Russian, QLocale::Russia), "fraction_point.dat"},
        Desktop{"WholeOnARussianDesktop", QLocale(QLocale::Russian, QLocale::Russia), "every_option.dat"}),
    [](const ::testing::TestParamInfo<Desktop> &info) { return std::string(info.param.name); });

} // namespace
} // namespace orvika::test
