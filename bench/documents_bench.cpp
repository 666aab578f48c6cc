#include "calc/calculation.h"
#include "catalogue/scheme_library.h"
#include "documents/bill_csv.h"
#include "documents/bill_xlsx.h"
#include "documents/document_content.h"
#include "documents/pdf_export.h"
#include "gui_bench_main.h"
#include "installations.h"
#include "project_documents/specification_pdf.h"

#include <QDate>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace bench;

namespace {

// The proposal for the largest installation: 160 zones in 8 channels with every option.
orvika::Proposal largeProposal(benchmark::State &state, const orvika::Catalogue &catalogue,
                               const orvika::Requirements &requirements)
{
    orvika::Proposal proposal =
        orvika::calculate(catalogue, orvika::loadSchemeLibrary(DataDir).lines, requirements);
    if (!proposal.complete)
        state.SkipWithError("the installation does not compose");
    return proposal;
}

// The documents of that installation.
orvika::DocumentContent largeDocument(benchmark::State &state)
{
    const orvika::Catalogue catalogue = bundledCatalogue();
    const orvika::Requirements requirements = largeInstallation();
    const orvika::Proposal proposal = largeProposal(state, catalogue, requirements);
    return orvika::composeDocument(catalogue, requirements, proposal, QDate(2026, 12, 7), QLocale::c());
}

void pdfDocument(benchmark::State &state)
{
    const orvika::DocumentContent content = largeDocument(state);
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray pdf = orvika::documentPdf(content);
        bytes = pdf.size();
        benchmark::DoNotOptimize(pdf);
    }
    state.counters["bytes"] = double(bytes);
}
BENCHMARK(pdfDocument)->Unit(benchmark::kMillisecond);

// The specification of equipment of the same installation on its A3 sheets, the card filled in.
void pdfEquipmentSpecification(benchmark::State &state)
{
    const orvika::Catalogue catalogue = bundledCatalogue();
    const orvika::Requirements requirements = largeInstallation();
    const orvika::Proposal proposal = largeProposal(state, catalogue, requirements);
    orvika::ProjectCard card;
    card.object = QStringLiteral("Торговый центр");
    card.designation = QStringLiteral("0417-24-СОУЭ.С");
    card.organisation = QStringLiteral("ООО «Проект-Связь»");
    card.people = {QStringLiteral("Петров"), QStringLiteral("Сидоров"), QStringLiteral("Орлова"),
                   QStringLiteral("Кузнецов"), QStringLiteral("Иванов")};
    card.revision = 1;
    card.date = QDate(2026, 12, 7);
    const orvika::EquipmentSpecification specification =
        orvika::composeEquipmentSpecification(catalogue, requirements, proposal, card);
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray pdf = orvika::equipmentSpecificationPdf(specification);
        bytes = pdf.size();
        benchmark::DoNotOptimize(pdf);
    }
    state.counters["bytes"] = double(bytes);
    state.counters["rows"] = double(specification.rows.size());
}
BENCHMARK(pdfEquipmentSpecification)->Unit(benchmark::kMillisecond);

void csvBill(benchmark::State &state)
{
    const orvika::DocumentContent content = largeDocument(state);
    for (auto _ : state) {
        const QByteArray csv = orvika::billAsCsv(content);
        benchmark::DoNotOptimize(csv);
    }
}
BENCHMARK(csvBill)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    return runGuiBenchmarks(argc, argv);
}
