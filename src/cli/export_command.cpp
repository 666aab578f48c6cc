#include "cad/picture_dxf.h"
#include "calculations/calculation_files.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/stream_dialogs.h"
#include "comparison/saved_report.h"
#include "documents/document_files.h"
#include "engine/main_window_model.h"
#include "engine/report_restore.h"
#include "engine/startup_data.h"
#include "files/text_file.h"
#include "lines/line_table.h"
#include "lines/lines_csv.h"
#include "pictures/picture.h"
#include "pictures/proposal_pictures.h"
#include "project/project_card_file.h"
#include "project_documents/scheme_sheet.h"
#include "project_documents/specification_files.h"
#include "report/report_file.h"
#include "report/report_writer.h"
#include "sound_level/acoustics_csv.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>

namespace orvika {
namespace {

// The card the document names: the one given, or the one beside the report; none is allowed.
ProjectCard projectCardFor(const QString &reportPath, const QString &cardPath, DialogSeam &dialogs)
{
    const QString path = cardPath.isEmpty() ? projectCardPathFor(reportPath) : cardPath;
    ProjectCardRead read = readProjectCard(path);
    if (read.outcome == ProjectCardRead::Missing && !cardPath.isEmpty()) {
        read.outcome = ProjectCardRead::Unusable;
        read.reason = QStringLiteral("файл не найден");
    }
    if (read.outcome == ProjectCardRead::Foreign || read.outcome == ProjectCardRead::Unusable)
        dialogs.message(cardReadFailureMessage(QFileInfo(path).fileName(), read.reason));
    for (const DroppedValue &value : read.dropped) // a line each, as standard error's messages go
        dialogs.message(droppedValueLine(QFileInfo(path).fileName(), value));
    if (read.outcome == ProjectCardRead::Card)
        return read.card;
    ProjectCard none; // the title block stays empty
    none.stage.clear();
    none.supplier.clear();
    return none;
}

std::optional<QString> writeDocument(const QString &format, const QString &path, const Catalogue &catalogue,
                                     const FinishedCalculation &finished, const ProjectCard &card)
{
    const Requirements &requirements = finished.requirements;
    const Proposal &proposal = finished.proposal;
    if (format.startsWith(u"gost-"))
        return writeSpecificationFile(
            format == u"gost-pdf" ? SpecificationFormat::Pdf : SpecificationFormat::Xlsx, path,
            composeEquipmentSpecification(catalogue, requirements, proposal, card));
    if (format == u"scheme-pdf")
        return writeStructuralSchemePdf(
            path, proposalDiagramPicture(catalogue, requirements, proposal, card.lines), card);
    if (format == u"lines-csv")
        return writeFileAtomically(path, linesCsv(card.lines, lineZoneCount(requirements)));
    if (format == u"acoustics-csv")
        return writeFileAtomically(path, acousticsCsv(card.acoustics, sp3_13130_2009()));
    if (format.startsWith(u"calculations-")) {
        const CalculationContent content =
            calculationContent(card, catalogue, requirements, proposal, sp3_13130_2009());
        return format == u"calculations-pdf" ? writeCalculationsPdf(path, content)
                                             : writeCalculationsOdt(path, content);
    }
    if (format == u"rack-svg")
        return writePictureSvg(path, proposalRackPicture(catalogue, requirements, proposal));
    if (format == u"diagram-svg")
        return writePictureSvg(path, proposalDiagramPicture(catalogue, requirements, proposal, card.lines));
    if (format == u"rack-dxf")
        return writeDrawingDxf(path,
                               rackDrawing(proposalRackPicture(catalogue, requirements, proposal), card));
    if (format == u"diagram-dxf")
        return writeDrawingDxf(
            path,
            diagramDrawing(proposalDiagramPicture(catalogue, requirements, proposal, card.lines), card));
    const DocumentFormat document = format == u"pdf"   ? DocumentFormat::Pdf
                                    : format == u"csv" ? DocumentFormat::Csv
                                                       : DocumentFormat::Xlsx;
    return writeDocumentFile(document, path,
                             proposalDocument(catalogue, requirements, proposal, document,
                                              QDate::currentDate(), QLocale::system(), card));
}

// Tells which lines of the saved report the document does not state as the report does: a document
// that silently differs from the report it was made from would be taken for it.
bool tellDifferences(const QString &reportName, const QStringList &saved, const FinishedCalculation &finished)
{
    const ReportLineDifferences differences = differingLines(
        saved, composeReport(finished.requirements, finished.proposal, notationOfReport(saved, QLocale())));
    if (differences.isEmpty())
        return false;
    QString text = QStringLiteral("Документ не совпадает с сохранённой спецификацией %1:\n").arg(reportName);
    for (const QString &line : differences.onlySaved)
        text += QStringLiteral("  только в спецификации: ") + line + u'\n';
    for (const QString &line : differences.onlyComposed)
        text += QStringLiteral("  только в документе: ") + line + u'\n';
    print(stderr, text);
    return true;
}

} // namespace

// Restores the saved report, composes as "Составить спецификацию" does (the report itself is not
// written) and writes the document of the proposal.
int exportDocument(const QString &format, const QString &reportPath, const QString &outputPath,
                   const QString &cardPath, const OfferPrices &prices)
{
    SharedState state;
    StreamDialogs dialogs;
    if (!readStartUpData(state, dialogs, QDir::currentPath(), QLocale::system()))
        return ExitFailed;
    QString failure;
    const QString report = QDir::current().absoluteFilePath(reportPath);
    const std::optional<QStringList> lines = readReportLines(report, &failure);
    if (!lines) {
        dialogs.message(failure);
        return ExitFailed;
    }
    MainWindowModel model(state, dialogs);
    restoreSavedReport(model, *lines, parseSavedReport(*lines));
    const std::optional<FinishedCalculation> finished = model.runCalculation();
    if (!finished)
        return ExitFailed;
    const bool differs = tellDifferences(QFileInfo(report).fileName(), *lines, *finished);

    const ProjectCard card = projectCardFor(
        report, cardPath.isEmpty() ? cardPath : QDir::current().absoluteFilePath(cardPath), dialogs);
    if (OfferFormats.contains(format)) {
        const int status = exportOffer(format, outputPath, *finished, card, prices, dialogs);
        return status == ExitDone && differs ? ExitDiffers : status;
    }
    if (const auto error = writeDocument(format, outputPath, state.catalogue, *finished, card)) {
        dialogs.message(writeFailureMessage(QFileInfo(outputPath).fileName(), *error));
        return ExitFailed;
    }
    return differs ? ExitDiffers : ExitDone;
}

} // namespace orvika
