#include "calculations/calculation_files.h"
#include "pictures/proposal_pictures.h"
#include "project_documents/scheme_sheet.h"
#include "ui/loudspeaker_lines_dialog.h"
#include "ui/main_window.h"
#include "ui/project_card_dialog.h"
#include "ui/sound_level_dialog.h"

#include <QAction>

// "Проект": the project's card and its loudspeaker lines; and in "Документ" the specification in form 1 made
// with it.
namespace orvika {

void MainWindow::connectProjectRules()
{
    connect(projectCardAction, &QAction::triggered, this, &MainWindow::editProjectCard);
    connect(loudspeakerLinesAction, &QAction::triggered, this, &MainWindow::editLoudspeakerLines);
    connect(soundLevelAction, &QAction::triggered, this, &MainWindow::editSoundLevel);
    connect(exportGostPdfAction, &QAction::triggered, this,
            [this] { exportSpecification(SpecificationFormat::Pdf); });
    connect(exportGostExcelAction, &QAction::triggered, this,
            [this] { exportSpecification(SpecificationFormat::Xlsx); });
    connect(exportSchemePdfAction, &QAction::triggered, this, &MainWindow::exportStructuralScheme);
    connect(exportCalculationsPdfAction, &QAction::triggered, this, [this] { exportCalculations(true); });
    connect(exportCalculationsOdtAction, &QAction::triggered, this, [this] { exportCalculations(false); });
    connectOfferRules();
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

// The rooms are kept by OK; the library as it is edited, and the lines when the zones are carried into them.
void MainWindow::editSoundLevel()
{
    SoundLevelDialog dialog(m_model, m_seam, m_dialogs, this);
    dialog.tellLibraryProblem();
    dialog.exec();
}

void MainWindow::exportSpecification(SpecificationFormat format)
{
    const bool pdf = format == SpecificationFormat::Pdf;
    const ExportChoice choice{QStringLiteral("Спецификация по ГОСТ 21.110"),
                              pdf ? QStringLiteral("Спецификация ГОСТ.pdf")
                                  : QStringLiteral("Спецификация ГОСТ.xlsx"),
                              pdf ? QStringLiteral("PDF (*.pdf)") : QStringLiteral("Excel (*.xlsx)")};
    exportFile(choice, [this, format](const QString &path, const FinishedCalculation &finished) {
        return writeSpecificationFile(format, path,
                                      composeEquipmentSpecification(m_model.state().catalogue,
                                                                    finished.requirements, finished.proposal,
                                                                    m_model.projectCard()));
    });
}

// The block diagram on a framed A3 sheet with the title block of a drawing.
void MainWindow::exportStructuralScheme()
{
    exportFile({StructuralSchemeName, QStringLiteral("Схема структурная.pdf"), QStringLiteral("PDF (*.pdf)")},
               [this](const QString &path, const FinishedCalculation &finished) {
                   const Picture diagram =
                       proposalDiagramPicture(m_model.state().catalogue, finished.requirements,
                                              finished.proposal, m_model.projectCard().lines);
                   return writeStructuralSchemePdf(path, diagram, m_model.projectCard());
               });
}

// The calculation part of the explanatory note: the rooms' sound level, the lines and the amplifiers'
// power, on A4 sheets with the title blocks of a text document, or as ODT for the designer to edit.
void MainWindow::exportCalculations(bool pdf)
{
    const ExportChoice choice{CalculationsName,
                              CalculationsName + (pdf ? QStringLiteral(".pdf") : QStringLiteral(".odt")),
                              pdf ? QStringLiteral("PDF (*.pdf)") : QStringLiteral("ODT (*.odt)")};
    exportFile(choice, [this, pdf](const QString &path, const FinishedCalculation &finished) {
        const CalculationContent content =
            calculationContent(m_model.projectCard(), m_model.state().catalogue, finished.requirements,
                               finished.proposal, sp3_13130_2009());
        return pdf ? writeCalculationsPdf(path, content) : writeCalculationsOdt(path, content);
    });
}

} // namespace orvika
