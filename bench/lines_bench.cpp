#include "lines/line_table.h"
#include "lines/loudspeaker_lines.h"

#include <benchmark/benchmark.h>

namespace {

// 160 zones of ceiling loudspeakers on lines of every length and section: what the lines window
// recomputes when a setting above its table changes.
orvika::LoudspeakerLines largestLines()
{
    orvika::LoudspeakerLines lines;
    for (int zone = 1; zone <= 160; ++zone) {
        orvika::ZoneLine line;
        line.zone = zone;
        line.name = QStringLiteral("Зона %1").arg(zone);
        line.loudspeaker = QStringLiteral("K-3820 Громкоговоритель потолочный 6 Вт");
        line.power = 6;
        line.count = 4 + zone % 20;
        line.length = 20.0 * zone;
        line.section = orvika::CrossSections[std::size_t(zone) % orvika::CrossSections.size()];
        lines.zones.append(line);
    }
    return lines;
}

void figuresOf160Zones(benchmark::State &state)
{
    const orvika::LoudspeakerLines lines = largestLines();
    for (auto _ : state) {
        for (const orvika::ZoneLine &line : lines.zones)
            benchmark::DoNotOptimize(orvika::lineFigures(line, lines.settings));
    }
}
BENCHMARK(figuresOf160Zones)->Unit(benchmark::kMicrosecond);

// The same as the table shows them, in words.
void tableRowsOf160Zones(benchmark::State &state)
{
    const orvika::LoudspeakerLines lines = largestLines();
    for (auto _ : state) {
        for (const orvika::ZoneLine &line : lines.zones)
            benchmark::DoNotOptimize(orvika::lineTableRow(line, lines.settings));
    }
}
BENCHMARK(tableRowsOf160Zones)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
