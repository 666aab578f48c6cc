#include "command_line_fixture.h"

// A card another program wrote with values the lines window would not take: the export names each
// on standard error with its card, zone and key, and the document shows none of them.
namespace orvika::test {
namespace {

TEST_F(CommandLine, TheCardsValuesOutOfRangeAreNamedAndLeftOut)
{
    ASSERT_TRUE(put(QStringLiteral("отчёт.json"), R"({"format": "orvika-project", "lines": {"voltage": 0,
        "zones": [{"zone": 1, "loudspeaker": "K-3820 Громкоговоритель 6 Вт", "power": -6, "count": 1e12,
                   "length": 50, "section": 0.3, "cable": "КПСнг(А)-FRLS"}]}})"));
    const Outcome result =
        run({QStringLiteral("--export"), QStringLiteral("lines-csv"), QStringLiteral("--output"),
             QStringLiteral("линии.csv"), QStringLiteral("отчёт.dat")});
    ASSERT_EQ(result.exitCode, 0) << result.errorLines.join(u'\n').toStdString();
    EXPECT_EQ(result.errorLines,
              QStringList(
                  {"отчёт.json, «lines.voltage» = 0 не взято: ожидается одно из 70, 100, 120",
                   "отчёт.json, зона 1, «power» = -6 не взято: ожидается число больше 0 и не больше 1500",
                   "отчёт.json, зона 1, «count» = 1000000000000 не взято: ожидается целое число от 1 до 1000",
                   "отчёт.json, зона 1, «section» = 0.3 не взято: ожидается одно из 0,5; 0,75; 1; 1,5; 2,5; "
                   "4; 6; 10"}));
    const QString csv = QString::fromUtf8(read(QStringLiteral("линии.csv")));
    for (const char *shown : {"2147483648", "12884901888", "-6", "0,3"})
        EXPECT_FALSE(csv.contains(QLatin1String(shown))) << shown << " in\n" << csv.toStdString();
    EXPECT_TRUE(csv.contains(u";50;")) << "the length taken: " << csv.toStdString();
}

} // namespace
} // namespace orvika::test
