#include "cad/picture_dxf.h"
#include "documents/document_content.h"
#include "documents/document_painter.h"
#include "pictures/proposal_pictures.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/output_file.h"
#include "ui/picture_window.h"
#include "ui/printing.h"

#include <QAction>
#include <QDate>
#include <QFileInfo>

// "Документ": the printed specification and the bills of materials of the calculation List3 shows.
namespace orvika {

void MainWindow::connectExportRules()
{
    connect(printDocumentAction, &QAction::triggered, this, &MainWindow::printDocument);
    connect(exportPdfAction, &QAction::triggered, this, [this] { exportDocument(DocumentFormat::Pdf); });
    connect(exportCsvAction, &QAction::triggered, this, [this] { exportDocument(DocumentFormat::Csv); });
    connect(exportExcelAction, &QAction::triggered, this, [this] { exportDocument(DocumentFormat::Xlsx); });
    connect(rackViewAction, &QAction::triggered, this, [this] { showPicture(View::Rack); });
    connect(diagramViewAction, &QAction::triggered, this, [this] { showPicture(View::Diagram); });
}

// The document of the calculation List3 shows, for the format.
DocumentContent MainWindow::finishedDocument(DocumentFormat format) const
{
    const FinishedCalculation &finished = *m_model.finishedCalculation();
    return proposalDocument(m_model.state().catalogue, finished.requirements, finished.proposal, format,
                            QDate::currentDate(), QLocale(), m_model.projectCard());
}

void MainWindow::printDocument()
{
    if (!m_model.finishedCalculation())
        return;
    const DocumentContent content = finishedDocument(DocumentFormat::Pdf); // the printout is the PDF on paper
    const PrintJob job{DocumentTitle, [](QPagedPaintDevice &printer) { prepareDocumentPage(printer); },
                       [&content](QPagedPaintDevice &printer) { return paintDocument(printer, content); }};
    switch (printJob(this, m_dialogs, job)) {
    case PrintOutcome::Printed:
    case PrintOutcome::Cancelled:
        break;
    case PrintOutcome::PrinterUnavailable:
        m_dialogs.message(this, QStringLiteral("Ошибка печати: принтер недоступен"));
        break;
    case PrintOutcome::NoPrintModule:
        m_dialogs.message(this, QStringLiteral("Ошибка печати: не найден модуль печати (orvika_print)"));
        break;
    }
}

void MainWindow::exportDocument(DocumentFormat format)
{
    const ExportChoice choice =
        format == DocumentFormat::Pdf
            ? ExportChoice{QStringLiteral("Экспорт в PDF"), QStringLiteral("Спецификация.pdf"),
                           QStringLiteral("PDF (*.pdf)")}
        : format == DocumentFormat::Csv
            ? ExportChoice{QStringLiteral("Экспорт в CSV"), QStringLiteral("Спецификация.csv"),
                           QStringLiteral("CSV (*.csv)")}
            : ExportChoice{QStringLiteral("Экспорт в Excel"), QStringLiteral("Спецификация.xlsx"),
                           QStringLiteral("Excel (*.xlsx)")};
    exportFile(choice, [this, format](const QString &path, const FinishedCalculation &) {
        return writeDocumentFile(format, path, finishedDocument(format));
    });
}

// Every export of the calculation List3 shows: the file asked for in the working directory, the file
// written, and what came of it told.
void MainWindow::exportFile(const ExportChoice &choice, const ExportWriter &write)
{
    if (!m_model.finishedCalculation())
        return;
    const QString &folder = m_model.state().appDir;
    const QString path = askOutputFile(m_dialogs, this, choice.caption, folder, choice.proposedName,
                                       choice.filter, windowProtectedFiles(folder));
    if (path.isEmpty())
        return;
    announceWrite(m_dialogs, this, QFileInfo(path).fileName(), write(path, *m_model.finishedCalculation()));
}

// A window each, made when asked for; a new one replaces the one still open.
void MainWindow::showPicture(View view)
{
    if (!m_model.finishedCalculation())
        return;
    const Requirements &requirements = m_model.finishedCalculation()->requirements;
    const Proposal &proposal = m_model.finishedCalculation()->proposal;
    const bool rack = view == View::Rack;
    const Picture picture = rack ? proposalRackPicture(m_model.state().catalogue, requirements, proposal)
                                 : proposalDiagramPicture(m_model.state().catalogue, requirements, proposal,
                                                          m_model.projectCard().lines);
    if (m_pictureWindow)
        m_pictureWindow->close();
    // The sheet's title block is filled from the card as it is when the drawing is saved.
    const auto drawing = [this, picture, rack] {
        return rack ? rackDrawing(picture, m_model.projectCard())
                    : diagramDrawing(picture, m_model.projectCard());
    };
    const QString &folder = m_model.state().appDir;
    auto *window = new PictureWindow(picture, drawing, m_dialogs, folder,
                                     rack ? QStringLiteral("Вид шкафа") : QStringLiteral("Блок-схема"), this,
                                     windowProtectedFiles(folder));
    window->setObjectName(rack ? QStringLiteral("rackWindow") : QStringLiteral("diagramWindow"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    m_pictureWindow = window;
    window->show();
}

} // namespace orvika
