#include "calc/calculation.h"
#include "calculations/calculation_files.h"
#include "catalogue/scheme_library.h"
#include "gui_bench_main.h"
#include "installations.h"

#include <benchmark/benchmark.h>

using namespace bench;

namespace {

// A building of 500 rooms in 20 zones: offices, corridors of many lengths, halls, classrooms from two
// walls and bedrooms, every fifth room's figures alike with the room five before it.
orvika::ProjectCard buildingCard()
{
    orvika::ProjectCard card;
    card.object = QStringLiteral("Гостиница на 300 номеров");
    card.designation = QStringLiteral("0417-24-СОУЭ.РР");
    card.acoustics.loudspeakers = {{QStringLiteral("Потолочный"), 90, {0.75, 1.5, 3, 6}, 90, {}},
                                   {QStringLiteral("Настенный"), 89, {0.75, 1.5, 3, 6}, 100, {}}};
    for (int index = 0; index < 500; ++index) {
        orvika::Room room;
        room.zone = 1 + index / 25;
        room.name = QStringLiteral("Помещение %1").arg(index + 1);
        room.kind = QStringLiteral("Офисы, административные помещения");
        room.loudspeaker = QStringLiteral("Потолочный");
        switch (index % 5) {
        case 0:
            room.length = 12, room.width = 8, room.height = 3, room.noise = 60;
            break;
        case 1:
            room.length = 30 + index % 40, room.width = 2.4, room.height = 3.2, room.noise = 60;
            room.mounting = orvika::Mounting::Wall, room.loudspeaker = QStringLiteral("Настенный");
            break;
        case 2:
            room.length = 40, room.width = 20, room.height = 5, room.noise = 65;
            room.density = orvika::Density::Full;
            break;
        case 3:
            room.length = 9, room.width = 7, room.height = 3.3, room.noise = 40;
            room.mounting = orvika::Mounting::Walls, room.loudspeaker = QStringLiteral("Настенный");
            break;
        default:
            room.length = 6, room.width = 4, room.height = 2.7, room.noise = 40, room.sleeping = true;
            room.listening = 0.7;
        }
        card.acoustics.rooms.append(room);
    }
    for (int zone = 1; zone <= 20; ++zone)
        card.lines.zones.append({zone, QStringLiteral("Этаж %1").arg(zone), QStringLiteral("Потолочный"), 3.0,
                                 40, 150.0, 1.5, QStringLiteral("КПСнг(А)-FRLS 1x2x1,5")});
    return card;
}

struct Inputs
{
    orvika::ProjectCard card = buildingCard();
    orvika::Catalogue catalogue = bundledCatalogue();
    orvika::Requirements requirements = largeInstallation();
    orvika::Proposal proposal =
        orvika::calculate(catalogue, orvika::loadSchemeLibrary(DataDir).lines, requirements);

    orvika::CalculationContent content() const
    {
        return orvika::calculationContent(card, catalogue, requirements, proposal, orvika::sp3_13130_2009());
    }
};

void calculationContent(benchmark::State &state)
{
    const Inputs inputs;
    for (auto _ : state)
        benchmark::DoNotOptimize(inputs.content());
}
BENCHMARK(calculationContent)->Unit(benchmark::kMillisecond);

void calculationPdf(benchmark::State &state)
{
    const orvika::CalculationContent content = Inputs().content();
    for (auto _ : state)
        benchmark::DoNotOptimize(orvika::calculationsPdf(content));
}
BENCHMARK(calculationPdf)->Unit(benchmark::kMillisecond);

void calculationOdt(benchmark::State &state)
{
    const orvika::CalculationContent content = Inputs().content();
    for (auto _ : state)
        benchmark::DoNotOptimize(orvika::calculationsOdt(content));
}
BENCHMARK(calculationOdt)->Unit(benchmark::kMillisecond);

// The whole document of the building, as the export makes it: the content, then both files' bytes.
void calculationDocument(benchmark::State &state)
{
    const Inputs inputs;
    for (auto _ : state) {
        const orvika::CalculationContent content = inputs.content();
        benchmark::DoNotOptimize(orvika::calculationsPdf(content));
        benchmark::DoNotOptimize(orvika::calculationsOdt(content));
    }
}
BENCHMARK(calculationDocument)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runGuiBenchmarks(argc, argv);
}
