#include "cad/picture_dxf.h"
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

// Each picture on its drawing sheet, from the proposal to the DXF bytes.
void rackDxf(benchmark::State &state)
{
    const LargeInstallation large;
    for (auto _ : state) {
        const QByteArray dxf = orvika::drawingDxf(orvika::rackDrawing(
            orvika::rackPicture(orvika::layoutRacks(large.catalogue, large.requirements, large.proposal)),
            {}));
        benchmark::DoNotOptimize(dxf);
    }
}
BENCHMARK(rackDxf)->Unit(benchmark::kMillisecond);

void diagramDxf(benchmark::State &state)
{
    const LargeInstallation large;
    for (auto _ : state) {
        const QByteArray dxf = orvika::drawingDxf(
            orvika::diagramDrawing(orvika::blockDiagramPicture(orvika::layoutBlockDiagram(
                                       large.catalogue, large.requirements, large.proposal)),
                                   {}));
        benchmark::DoNotOptimize(dxf);
    }
}
BENCHMARK(diagramDxf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runGuiBenchmarks(argc, argv);
}
