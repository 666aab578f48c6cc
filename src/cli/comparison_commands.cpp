#include "app/shared_state.h"
#include "app/startup.h"
#include "catalogue/text_file.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/stream_dialogs.h"
#include "comparison/report_comparison.h"
#include "ui/main_window.h"
#include "ui/report_recheck.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace orvika {
namespace {

void printLine(std::FILE *stream, const QString &text)
{
    // Standard output is line-buffered on a terminal; into a pipe or a file the lines of a large
    // folder go out together.
    std::fputs((text + u'\n').toLocal8Bit().constData(), stream);
}

} // namespace

int compareReportFiles(const QString &a, const QString &b, const QString &outputPath)
{
    QString reason;
    const std::optional<SavedReport> older = readSavedReport(a, &reason);
    if (!older) {
        printLine(stderr, QFileInfo(a).fileName() + QStringLiteral(": ") + reason);
        return ExitUsage;
    }
    const std::optional<SavedReport> newer = readSavedReport(b, &reason);
    if (!newer) {
        printLine(stderr, QFileInfo(b).fileName() + QStringLiteral(": ") + reason);
        return ExitUsage;
    }
    const Comparison comparison = compareReports(*older, *newer);
    const QByteArray csv = comparisonCsv(comparison);
    if (outputPath.isEmpty()) {
        std::fwrite(csv.constData(), 1, size_t(csv.size()), stdout);
        std::fflush(stdout);
    } else if (const auto error = writeFileAtomically(outputPath, csv)) {
        printLine(stderr, writeFailureMessage(QFileInfo(outputPath).fileName(), *error));
        return ExitUsage;
    }
    return comparison.count() == 0 ? ExitDone : ExitFailed;
}

int recheckFolder(const QString &folder)
{
    const QDir dir(folder);
    if (!dir.exists()) {
        printLine(stderr, QStringLiteral("Нет такой папки: ") + folder);
        return ExitFailed;
    }
    SharedState state;
    StreamDialogs dialogs;
    // The catalogue is read once, from the working directory's Base/ as the window reads it.
    if (!startUp(state, dialogs, QDir::currentPath(), QLocale::system()))
        return ExitFailed;
    ReportRechecker rechecker(state);
    bool allUnchanged = true;
    const QStringList names = dir.entryList({QStringLiteral("*.dat")}, QDir::Files, QDir::Name);
    for (const QString &name : names) {
        const RecheckOutcome outcome = rechecker.recheck(dir.filePath(name));
        allUnchanged = allUnchanged && outcome.unchanged();
        printLine(stdout, name + QStringLiteral(": ") + outcome.verdict());
    }
    return allUnchanged ? ExitDone : ExitFailed;
}

} // namespace orvika
