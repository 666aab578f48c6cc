#include "command_line_fixture.h"

// A report exports as saved on any desktop: the notation of its total power is no difference.
namespace orvika::test {
namespace {

struct ExportDesktop
{
    const char *name;
    const char *locale;
};

void PrintTo(const ExportDesktop &desktop, std::ostream *out)
{
    *out << desktop.name;
}

class ExportOnADesktop : public CommandLine, public ::testing::WithParamInterface<ExportDesktop>
{
};

TEST_P(ExportOnADesktop, TakesAFractionWithAPointAsSaved)
{
    ASSERT_TRUE(QFile::copy(Fixtures + QStringLiteral("/fraction_point.dat"),
                            dir.filePath(QStringLiteral("дробь.dat"))));
    extraEnvironment.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(GetParam().locale));
    const Outcome result = run({QStringLiteral("--export"), QStringLiteral("csv"), QStringLiteral("--output"),
                                QStringLiteral("bill.csv"), QStringLiteral("дробь.dat")});
    EXPECT_EQ(result.exitCode, 0) << result.errorLines.join(u'\n').toStdString();
    EXPECT_FALSE(read(QStringLiteral("bill.csv")).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Desktops, ExportOnADesktop,
                         ::testing::Values(ExportDesktop{"C", "C.UTF-8"},
                                           ExportDesktop{"Russian", "ru_RU.UTF-8"}),
                         [](const ::testing::TestParamInfo<ExportDesktop> &info) {
                             return std::string(info.param.name);
                         });

} // namespace
} // namespace orvika::test
