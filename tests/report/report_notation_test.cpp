#include "report/report_writer.h"

#include <gtest/gtest.h>

namespace orvika::test {
namespace {

const QLocale RussianDesktop(QLocale::Russian, QLocale::Russia);

struct Written
{
    const char *name;
    const char16_t *totalLine; // none: no total power line
    QLocale user;
    QChar decimalPoint; // of the notation the report is composed again in
};

void PrintTo(const Written &written, std::ostream *out)
{
    *out << written.name;
}

class ReportNotation : public ::testing::TestWithParam<Written>
{
};

TEST_P(ReportNotation, IsTheOneOfItsTotalPower)
{
    QStringList lines = {QStringLiteral("ТЕХНИЧЕСКОЕ ЗАДАНИЕ: (Требования предъявляемые к системе)")};
    if (GetParam().totalLine)
        lines.append(QString::fromUtf16(GetParam().totalLine));
    lines.append(QStringLiteral("- Суммарная потребляемая мощность системы - 205,5 Вт"));
    EXPECT_EQ(notationOfReport(lines, GetParam().user).decimalPoint(), GetParam().decimalPoint);
}

INSTANTIATE_TEST_SUITE_P(
    Reports, ReportNotation,
    ::testing::Values(
        Written{"PointOnARussianDesktop", u"- Суммарная мощность: - 34.65 Вт", RussianDesktop, u'.'},
        Written{"CommaUnderC", u"- Суммарная мощность: - 34,65 Вт", QLocale::c(), u','},
        Written{"CommaOnARussianDesktop", u"- Суммарная мощность: - 34,65 Вт", RussianDesktop, u','},
        Written{"WholeIsTheUsers", u"- Суммарная мощность: - 120 Вт", RussianDesktop, u','},
        Written{"NoTotalIsTheUsers", nullptr, QLocale::c(), u'.'},
        Written{"NegativePoint", u"- Суммарная мощность: - -1.5 Вт", RussianDesktop, u'.'}),
    [](const ::testing::TestParamInfo<Written> &info) { return std::string(info.param.name); });

} // namespace
} // namespace orvika::test
