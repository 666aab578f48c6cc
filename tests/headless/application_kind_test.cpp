#include "cli/command_line.h"

#include <gtest/gtest.h>

// The application object a command line gets is decided from its arguments alone, before one exists:
// a QGuiApplication only for the documents and pictures that lay out text.
namespace orvika::test {
namespace {

struct KindCase
{
    const char *label;
    QStringList arguments;
    ApplicationKind kind;
};

void PrintTo(const KindCase &value, std::ostream *out)
{
    *out << value.label;
}

class HeadlessApplicationKind : public ::testing::TestWithParam<KindCase>
{
};

TEST_P(HeadlessApplicationKind, IsGuiOnlyForPaintedDocuments)
{
    EXPECT_EQ(applicationKindFor(QStringList{QStringLiteral("orvika")} + GetParam().arguments),
              GetParam().kind);
}

constexpr ApplicationKind Gui = ApplicationKind::Gui;
constexpr ApplicationKind Core = ApplicationKind::Core;

INSTANTIATE_TEST_SUITE_P(
    Arguments, HeadlessApplicationKind,
    ::testing::Values(KindCase{"Pdf", {"--export", "pdf", "--output", "a.pdf", "a.dat"}, Gui},
                      KindCase{"RackSvg", {"--export=rack-svg", "--output", "a.svg", "a.dat"}, Gui},
                      KindCase{"DiagramSvgInUserData",
                               {"--user-data", "--export", "diagram-svg", "--output", "a.svg", "a.dat"},
                               Gui},
                      KindCase{"Csv", {"--export", "csv", "--output", "a.csv", "a.dat"}, Core},
                      KindCase{"Xlsx", {"--export", "xlsx", "--output", "a.xlsx", "a.dat"}, Core},
                      KindCase{"Compare", {"--compare", "a.dat", "b.dat"}, Core},
                      KindCase{"Recheck", {"--recheck"}, Core}, KindCase{"Help", {"--help"}, Core},
                      KindCase{"UnknownFormat", {"--export", "doc", "--output", "a.doc", "a.dat"}, Core},
                      KindCase{"MisspelledOption", {"--exprot", "pdf", "a.dat"}, Core},
                      KindCase{"NoArguments", {}, Core}),
    [](const auto &info) { return std::string(info.param.label); });

} // namespace
} // namespace orvika::test
