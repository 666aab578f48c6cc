#include "pictures/proposal_pictures.h"
#include "project_documents/scheme_sheet.h"
#include "ui/loudspeaker_lines_dialog.h"
#include "ui/main_window.h"
#include "ui/project_card_dialog.h"

#include <QAction>
#include <QFileInfo>

// "Проект": the project's card and its loudspeaker lines; and in "Документ" the specification in form 1 made
// with it.
namespace orvika {

void MainWindow::connectProjectRules()
{
    connect(projectCardAction, &QAction::triggered, this, &MainWindow::editProjectCard);
    connect(loudspeakerLinesAction, &QAction::triggered, this, &MainWindow::editLoudspeakerLines);
    connect(exportGostPdfAction, &QAction::triggered, this,
            [this] { exportSpecification(SpecificationFormat::Pdf); });
    connect(exportGostExcelAction, &QAction::triggered, this,
            [this] { exportSpecification(SpecificationFormat::Xlsx); });
    connect(exportSchemePdfAction, &QAction::triggered, this, &MainWindow::exportStructuralScheme);
}

void MainWindow::editProjectCard()
{
    ProjectCardDialog dialog(m_model.projectCard(), m_dialogs, this);
    if (dialog.exec() == QDialog::Accepted)
        m_model.setProjectCard(dialog.card());
}

// The dialog stores the lines itself: its transfer to the zone list needs them stored before OK.
void MainWindow::editLoudspeakerLines()
{
    LoudspeakerLinesDialog dialog(m_model, m_seam, m_dialogs, this);
    dialog.exec();
}

void MainWindow::exportSpecification(SpecificationFormat format)
{
    if (!m_model.finishedCalculation())
        return;
    const bool pdf = format == SpecificationFormat::Pdf;
    const QString path = m_dialogs.saveFileName(
        this, QStringLiteral("Спецификация по ГОСТ 21.110"), m_model.state().appDir,
        pdf ? QStringLiteral("Спецификация ГОСТ.pdf") : QStringLiteral("Спецификация ГОСТ.xlsx"),
        pdf ? QStringLiteral("PDF (*.pdf)") : QStringLiteral("Excel (*.xlsx)"));
    if (path.isEmpty())
        return;
    const FinishedCalculation &finished = *m_model.finishedCalculation();
    const EquipmentSpecification specification = composeEquipmentSpecification(
        m_model.state().catalogue, finished.requirements, finished.proposal, m_model.projectCard());
    announceWrite(m_dialogs, this, QFileInfo(path).fileName(),
                  writeSpecificationFile(format, path, specification));
}

// The block diagram on a framed A3 sheet with the title block of a drawing.
void MainWindow::exportStructuralScheme()
{
    if (!m_model.finishedCalculation())
        return;
    const QString path =
        m_dialogs.saveFileName(this, StructuralSchemeName, m_model.state().appDir,
                               QStringLiteral("Схема структурная.pdf"), QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    const FinishedCalculation &finished = *m_model.finishedCalculation();
    const Picture diagram = proposalDiagramPicture(m_model.state().catalogue, finished.requirements,
                                                   finished.proposal, m_model.projectCard().lines);
    announceWrite(m_dialogs, this, QFileInfo(path).fileName(),
                  writeStructuralSchemePdf(path, diagram, m_model.projectCard()));
}

} // namespace orvika
