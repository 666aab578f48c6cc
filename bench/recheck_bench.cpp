#include "engine/report_recheck.h"
#include "engine/shared_state.h"
#include "engine/startup_data.h"
#include "gui_bench_main.h"
#include "installations.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace bench;

namespace {

// 1,000 saved reports, copies of the reports the tests keep, re-checked with one model of the window's rules.
void recheckThousand(benchmark::State &state)
{
    QTemporaryDir work;
    QDir(work.path()).mkpath(QStringLiteral("Base"));
    for (const QString &name : {QStringLiteral("Base-Date"), QStringLiteral("Sxemm")})
        QFile::copy(DataDir + QStringLiteral("/Base/") + name, work.filePath(QStringLiteral("Base/") + name));
    const QDir fixtures(QStringLiteral(ORVIKA_SOURCE_DIR "/tests/ui/fixtures/reports"));
    const QStringList reports = fixtures.entryList({QStringLiteral("*.dat")}, QDir::Files);
    QStringList paths;
    for (int n = 0; n < 1000; ++n) {
        const QString path = work.filePath(QStringLiteral("%1.dat").arg(n, 4, 10, QLatin1Char('0')));
        QFile::copy(fixtures.filePath(reports.at(n % reports.size())), path);
        paths.append(path);
    }
    orvika::SharedState started;
    orvika::KeptMessages dialogs;
    if (!orvika::readStartUpData(started, dialogs, work.path(), QLocale::c())) {
        state.SkipWithError("the bundled catalogue cannot be read");
        return;
    }
    orvika::ReportRechecker rechecker(started);
    int unchanged = 0;
    for (auto _ : state) {
        unchanged = 0;
        for (const QString &path : paths)
            unchanged += rechecker.recheck(path).unchanged() ? 1 : 0;
    }
    state.counters["unchanged"] = unchanged;
    state.counters["files"] = double(paths.size());
}
BENCHMARK(recheckThousand)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runGuiBenchmarks(argc, argv);
}
