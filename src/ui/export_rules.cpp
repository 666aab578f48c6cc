#include "documents/document_content.h"
#include "documents/document_painter.h"
#include "pictures/proposal_pictures.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
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
    if (!m_model.finishedCalculation())
        return;
    struct Choice
    {
        QString caption, proposedName, filter;
    };
    const Choice choice = format == DocumentFormat::Pdf
                              ? Choice{QStringLiteral("Экспорт в PDF"), QStringLiteral("Спецификация.pdf"),
                                       QStringLiteral("PDF (*.pdf)")}
                          : format == DocumentFormat::Csv
                              ? Choice{QStringLiteral("Экспорт в CSV"), QStringLiteral("Спецификация.csv"),
                                       QStringLiteral("CSV (*.csv)")}
                              : Choice{QStringLiteral("Экспорт в Excel"), QStringLiteral("Спецификация.xlsx"),
                                       QStringLiteral("Excel (*.xlsx)")};
    const QString path = m_dialogs.saveFileName(this, choice.caption, m_model.state().appDir,
                                                choice.proposedName, choice.filter);
    if (path.isEmpty())
        return;

    announceWrite(m_dialogs, this, QFileInfo(path).fileName(),
                  writeDocumentFile(format, path, finishedDocument(format)));
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
    auto *window = new PictureWindow(picture, m_dialogs, m_model.state().appDir,
                                     rack ? QStringLiteral("Вид шкафа") : QStringLiteral("Блок-схема"), this);
    window->setObjectName(rack ? QStringLiteral("rackWindow") : QStringLiteral("diagramWindow"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    m_pictureWindow = window;
    window->show();
}

} // namespace orvika
