#include "catalogue/text_file.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/stream_dialogs.h"
#include "comparison/saved_report.h"
#include "documents/document_files.h"
#include "engine/main_window_model.h"
#include "engine/report_restore.h"
#include "engine/startup_data.h"
#include "pictures/picture.h"
#include "pictures/proposal_pictures.h"
#include "report/report_file.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>

namespace orvika {
namespace {

std::optional<QString> writeDocument(const QString &format, const QString &path, const Catalogue &catalogue,
                                     const FinishedCalculation &finished)
{
    const Requirements &requirements = finished.requirements;
    const Proposal &proposal = finished.proposal;
    if (format == u"rack-svg")
        return writePictureSvg(path, proposalRackPicture(catalogue, requirements, proposal));
    if (format == u"diagram-svg")
        return writePictureSvg(path, proposalDiagramPicture(catalogue, requirements, proposal));
    const DocumentFormat document = format == u"pdf"   ? DocumentFormat::Pdf
                                    : format == u"csv" ? DocumentFormat::Csv
                                                       : DocumentFormat::Xlsx;
    return writeDocumentFile(document, path,
                             proposalDocument(catalogue, requirements, proposal, document,
                                              QDate::currentDate(), QLocale::system()));
}

} // namespace

// Restores the saved report, composes as "Составить спецификацию" does (the report itself is not
// written) and writes the document of the proposal.
int exportDocument(const QString &format, const QString &reportPath, const QString &outputPath)
{
    SharedState state;
    StreamDialogs dialogs;
    if (!readStartUpData(state, dialogs, QDir::currentPath(), QLocale::system()))
        return ExitFailed;
    QString failure;
    const std::optional<QStringList> lines =
        readReportLines(QDir::current().absoluteFilePath(reportPath), &failure);
    if (!lines) {
        dialogs.message(failure);
        return ExitFailed;
    }
    MainWindowModel model(state, dialogs);
    restoreSavedReport(model, *lines, parseSavedReport(*lines));
    const std::optional<FinishedCalculation> finished = model.runCalculation();
    if (!finished)
        return ExitFailed;

    if (const auto error = writeDocument(format, outputPath, state.catalogue, *finished)) {
        dialogs.message(writeFailureMessage(QFileInfo(outputPath).fileName(), *error));
        return ExitFailed;
    }
    return ExitDone;
}

} // namespace orvika
