#include "app/shared_state.h"
#include "app/startup.h"
#include "catalogue/text_file.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/stream_dialogs.h"
#include "documents/document_files.h"
#include "pictures/picture.h"
#include "pictures/proposal_pictures.h"
#include "ui/main_window.h"
#include "ui/report_loader.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>

namespace orvika {
namespace {

std::optional<QString> writeDocument(const QString &format, const QString &path, const Catalogue &catalogue,
                                     const MainWindow::FinishedCalculation &finished)
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

// Loads the report as "Загрузить спецификацию" does, composes as "Составить спецификацию" does (the
// report itself is not written) and writes the document of the proposal.
int exportDocument(const QString &format, const QString &reportPath, const QString &outputPath)
{
    SharedState state;
    StreamDialogs dialogs;
    const std::unique_ptr<MainWindow> window =
        startUp(state, dialogs, QDir::currentPath(), QLocale::system());
    if (!window || !loadReport(*window, QDir::current().absoluteFilePath(reportPath)))
        return ExitFailed;
    const std::optional<MainWindow::FinishedCalculation> finished = window->runCalculation();
    window->ОчистСпиУс();
    if (!finished)
        return ExitFailed;

    if (const auto error = writeDocument(format, outputPath, state.catalogue, *finished)) {
        dialogs.message(nullptr, writeFailureMessage(QFileInfo(outputPath).fileName(), *error));
        return ExitFailed;
    }
    return ExitDone;
}

} // namespace orvika
