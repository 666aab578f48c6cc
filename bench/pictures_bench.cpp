#include "calc/calculation.h"
#include "catalogue/scheme_library.h"
#include "gui_bench_main.h"
#include "installations.h"
#include "pictures/block_diagram.h"
#include "pictures/picture.h"
#include "pictures/rack_layout.h"
#include "pictures/rack_picture.h"

#include <benchmark/benchmark.h>

using namespace bench;

namespace {

// Each picture of the largest installation, from the proposal to the SVG bytes.
struct LargeInstallation
{
    orvika::Catalogue catalogue = bundledCatalogue();
    orvika::Requirements requirements = largeInstallation();
    orvika::Proposal proposal =
        orvika::calculate(catalogue, orvika::loadSchemeLibrary(DataDir).lines, requirements);
};

void rackSvg(benchmark::State &state)
{
    const LargeInstallation large;
    for (auto _ : state) {
        const QByteArray svg = orvika::pictureSvg(
            orvika::rackPicture(orvika::layoutRacks(large.catalogue, large.requirements, large.proposal)));
        benchmark::DoNotOptimize(svg);
    }
}
BENCHMARK(rackSvg)->Unit(benchmark::kMillisecond);

void diagramSvg(benchmark::State &state)
{
    const LargeInstallation large;
    for (auto _ : state) {
        const QByteArray svg = orvika::pictureSvg(orvika::blockDiagramPicture(
            orvika::layoutBlockDiagram(large.catalogue, large.requirements, large.proposal)));
        benchmark::DoNotOptimize(svg);
    }
}
BENCHMARK(diagramSvg)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runGuiBenchmarks(argc, argv);
}
