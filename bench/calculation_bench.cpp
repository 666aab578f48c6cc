#include "calc/calculation.h"
#include "catalogue/catalogue_reader.h"
#include "catalogue/scheme_library.h"
#include "files/text_file.h"
#include "installations.h"
#include "report/report_writer.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace bench;

// What one click of "Составить спецификацию" computes: the proposal and the report lines.
void runCalculation(benchmark::State &state, const orvika::Requirements &requirements)
{
    const orvika::Catalogue catalogue = bundledCatalogue();
    const QStringList schemes = orvika::loadSchemeLibrary(DataDir).lines;
    const QLocale locale = QLocale::c();
    const orvika::Proposal check = orvika::calculate(catalogue, schemes, requirements);
    if (!check.complete) {
        state.SkipWithError(check.messages.isEmpty() ? "incomplete" : qPrintable(check.messages.last().text));
        return;
    }
    state.counters["lines"] = double(check.lines.size());
    for (auto _ : state) {
        const orvika::Proposal proposal = orvika::calculate(catalogue, schemes, requirements);
        QStringList report = orvika::composeReport(requirements, proposal, locale);
        benchmark::DoNotOptimize(report);
    }
}

void smallCalculation(benchmark::State &state)
{
    runCalculation(state, smallInstallation());
}
BENCHMARK(smallCalculation)->Unit(benchmark::kMicrosecond);

void largeCalculation(benchmark::State &state)
{
    runCalculation(state, largeInstallation());
}
BENCHMARK(largeCalculation)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
