// Importing a price list of 20,000 rows, as CSV and as XLSX: the goal is under 100 ms each.
#include "price_list/price_csv.h"
#include "price_list/price_import.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int Rows = 20000;
const QDate Day(2026, 12, 8);

QByteArray csvList()
{
    QByteArray text = "\xEF\xBB\xBF";
    text += QStringLiteral("Артикул;Наименование;Цена, руб.;Валюта\r\n").toUtf8();
    for (int i = 0; i < Rows; ++i)
        text += QStringLiteral("К-%1;\"Громкоговоритель потолочный %1, 6 Вт\";%2 %3,%4;RUB\r\n")
                    .arg(i)
                    .arg(1 + i % 900)
                    .arg(i % 1000, 3, 10, QChar(u'0'))
                    .arg(i % 100, 2, 10, QChar(u'0'))
                    .toUtf8();
    return text;
}

struct Files
{
    QTemporaryDir folder;
    QString csv = folder.filePath(QStringLiteral("прайс.csv"));
    QString xlsx = folder.filePath(QStringLiteral("прайс.xlsx"));
    // The same list as a spreadsheet saves it: LibreOffice's conversion of the CSV, its texts shared and in
    // UTF-8 (openpyxl writes each Cyrillic letter as a character reference, 8.4 MB of sheet).
    QString savedXlsx = folder.filePath(QStringLiteral("saved/прайс.xlsx"));

    Files()
    {
        QFile file(csv);
        if (!file.open(QIODevice::WriteOnly) || file.write(csvList()) < 0)
            fail("the CSV list cannot be written");
        file.close();
        QProcess python;
        python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"),
                                                          QStringLiteral(R"(import sys, openpyxl
wb = openpyxl.Workbook()
ws = wb.active
ws.append(['Артикул', 'Наименование', 'Цена, руб.', 'Валюта'])
for i in range(%1):
    ws.append(['К-%d' % i, 'Громкоговоритель потолочный %d, 6 Вт' % i, 1000 + i * 1.25, 'RUB'])
wb.save(sys.argv[1]))")
                                                              .arg(Rows),
                                                          xlsx});
        if (!python.waitForFinished(120000) || python.exitCode() != 0)
            fail("the XLSX list cannot be written (python3-openpyxl)");
        QProcess office;
        office.start(
            QStringLiteral("soffice"),
            {QStringLiteral("--headless"),
             QStringLiteral("-env:UserInstallation=file://") + folder.filePath(QStringLiteral("profile")),
             QStringLiteral("--infilter=CSV:59,34,76,1"), QStringLiteral("--convert-to"),
             QStringLiteral("xlsx"), QStringLiteral("--outdir"), folder.filePath(QStringLiteral("saved")),
             csv});
        if (!office.waitForFinished(300000) || office.exitCode() != 0 || !QFile::exists(savedXlsx))
            fail("the XLSX list cannot be saved by LibreOffice (soffice)");
    }
    static void fail(const char *why)
    {
        std::fprintf(stderr, "%s\n", why);
        std::exit(1);
    }
};

Files &files()
{
    static Files made;
    return made;
}

void importFile(benchmark::State &state, const QString &path)
{
    for (auto _ : state) {
        const orvika::PriceImport import = orvika::importPriceFile(path, Day);
        if (import.outcome != orvika::PriceImport::Imported || import.list.entries.size() != Rows)
            state.SkipWithError("the list was not imported whole");
        benchmark::DoNotOptimize(import);
    }
}

void csvImport(benchmark::State &state)
{
    importFile(state, files().csv);
}
BENCHMARK(csvImport)->Unit(benchmark::kMillisecond);

void xlsxImport(benchmark::State &state)
{
    importFile(state, files().xlsx);
}
BENCHMARK(xlsxImport)->Unit(benchmark::kMillisecond);

void xlsxAsSavedImport(benchmark::State &state)
{
    importFile(state, files().savedXlsx);
}
BENCHMARK(xlsxAsSavedImport)->Unit(benchmark::kMillisecond);

// The CSV's text alone split into rows, without the columns and the numbers.
void csvTableOnly(benchmark::State &state)
{
    const QByteArray bytes = csvList();
    for (auto _ : state)
        benchmark::DoNotOptimize(orvika::csvTable(bytes));
}
BENCHMARK(csvTableOnly)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
