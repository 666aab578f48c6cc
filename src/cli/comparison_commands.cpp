#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/stream_dialogs.h"
#include "comparison/report_comparison.h"
#include "engine/load_choice.h"
#include "engine/report_recheck.h"
#include "engine/shared_state.h"
#include "engine/startup_data.h"
#include "files/text_file.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace orvika {

int compareReportFiles(const QString &a, const QString &b, const QString &outputPath)
{
    QString reason;
    const std::optional<SavedReport> older = readSavedReport(a, &reason);
    if (!older) {
        print(stderr, QFileInfo(a).fileName() + QStringLiteral(": ") + reason + u'\n');
        return ExitUsage;
    }
    const std::optional<SavedReport> newer = readSavedReport(b, &reason);
    if (!newer) {
        print(stderr, QFileInfo(b).fileName() + QStringLiteral(": ") + reason + u'\n');
        return ExitUsage;
    }
    const Comparison comparison = compareReports(*older, *newer);
    const QByteArray csv = comparisonCsv(comparison);
    if (outputPath.isEmpty()) {
        std::fwrite(csv.constData(), 1, size_t(csv.size()), stdout);
        std::fflush(stdout);
    } else if (const auto error = writeFileAtomically(outputPath, csv)) {
        print(stderr, writeFailureMessage(QFileInfo(outputPath).fileName(), *error) + u'\n');
        return ExitUsage;
    }
    return comparison.count() == 0 ? ExitDone : ExitFailed;
}

int recheckFolder(const QString &folder)
{
    const QDir dir(folder);
    if (!dir.exists()) {
        print(stderr, QStringLiteral("Нет такой папки: ") + folder + u'\n');
        return ExitFailed;
    }
    SharedState state;
    StreamDialogs dialogs;
    // The catalogue is read once, from the working directory's Base/ as the window reads it.
    if (!readStartUpData(state, dialogs, QDir::currentPath(), QLocale::system()))
        return ExitFailed;
    ReportRechecker rechecker(state);
    bool allUnchanged = true;
    const QStringList names = savedReportNames(dir.path());
    for (const QString &name : names) {
        const RecheckOutcome outcome = rechecker.recheck(dir.filePath(name));
        allUnchanged = allUnchanged && outcome.unchanged();
        print(stdout, name + QStringLiteral(": ") + outcome.verdict() + u'\n');
    }
    return allUnchanged ? ExitDone : ExitFailed;
}

} // namespace orvika
