#include "catalogue/account_unit.h"
#include "catalogue/catalogue_reader.h"
#include "files/text_file.h"

#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

const QString CataloguePath = QStringLiteral(ORVIKA_SOURCE_DIR "/data/Base/Base-Date");

QStringList bundledLines()
{
    const orvika::TextReadResult file = orvika::readTextFile(CataloguePath);
    if (file.errorCode || !orvika::parseCatalogue(file.lines, QLocale::c())) {
        std::fprintf(stderr, "the bundled catalogue cannot be read\n");
        std::exit(1);
    }
    return file.lines;
}

// What start-up does: read the file and build the tables.
void readAndParse(benchmark::State &state)
{
    const QLocale locale = QLocale::c();
    for (auto _ : state) {
        const orvika::TextReadResult file = orvika::readTextFile(CataloguePath);
        auto catalogue = orvika::parseCatalogue(file.lines, locale);
        benchmark::DoNotOptimize(catalogue);
    }
}
BENCHMARK(readAndParse)->Unit(benchmark::kMicrosecond);

void parseOnly(benchmark::State &state)
{
    const QStringList lines = bundledLines();
    const QLocale locale(QLocale::Russian, QLocale::Russia);
    for (auto _ : state) {
        auto catalogue = orvika::parseCatalogue(lines, locale);
        benchmark::DoNotOptimize(catalogue);
    }
}
BENCHMARK(parseOnly)->Unit(benchmark::kMicrosecond);

// One source added by the user: a scan of every catalogue line.
void accountOneUnit(benchmark::State &state)
{
    const auto catalogue = orvika::parseCatalogue(bundledLines(), QLocale::c());
    const QString name = catalogue->musicSources.first();
    for (auto _ : state) {
        orvika::Totals totals;
        benchmark::DoNotOptimize(orvika::accountUnit(*catalogue, name, 1, totals));
        benchmark::DoNotOptimize(totals);
    }
}
BENCHMARK(accountOneUnit)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
