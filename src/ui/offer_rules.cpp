#include "engine/offer_composition.h"
#include "engine/price_column_memory.h"
#include "offer/offer_texts.h"
#include "offer_documents/offer_files.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/offer_dialog.h"
#include "ui/price_list_dialog.h"

#include <QAction>
#include <QDate>

// "Проект": the price list and the commercial offer; and in "Документ" the offer as PDF and as a workbook.
namespace orvika {

void MainWindow::connectOfferRules()
{
    connect(priceListAction, &QAction::triggered, this, &MainWindow::editPriceList);
    connect(offerAction, &QAction::triggered, this, &MainWindow::editOffer);
    connect(exportOfferPdfAction, &QAction::triggered, this, [this] { exportOffer(true); });
    connect(exportOfferExcelAction, &QAction::triggered, this, [this] { exportOffer(false); });
    // The offer's documents are offered with the other documents: while List3 shows a finished calculation.
    connect(&m_model, &MainWindowModel::changed, this, [this] {
        const bool finished = m_model.finishedCalculation().has_value();
        exportOfferPdfAction->setEnabled(finished);
        exportOfferExcelAction->setEnabled(finished);
    });
}

PriceListStore &MainWindow::priceLists()
{
    if (!m_priceLists)
        m_priceLists.emplace(m_model.state().appDir);
    return *m_priceLists;
}

void MainWindow::editPriceList()
{
    const PriceColumnMemory memory(m_model.state().appDir);
    PriceListDialog dialog(priceLists(), memory, m_dialogs, this);
    dialog.exec();
}

// The window prices the calculation List3 shows; without one there is nothing to offer.
void MainWindow::editOffer()
{
    if (!m_model.finishedCalculation()) {
        m_dialogs.message(this, offerNeedsCalculation());
        return;
    }
    PriceListStore &store = priceLists();
    if (!store.problem().isEmpty())
        m_dialogs.message(this, store.problem());
    OfferDialog dialog(*m_model.finishedCalculation(), m_model.projectCard(), store.current(),
                       store.problem(), m_dialogs, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    ProjectCard card = m_model.projectCard();
    card.offer = dialog.settings();
    m_model.setProjectCard(card);
}

void MainWindow::exportOffer(bool pdf)
{
    if (!m_model.finishedCalculation())
        return;
    PriceListStore &store = priceLists();
    if (!store.problem().isEmpty())
        m_dialogs.message(this, store.problem());
    const Offer offer = composeOffer(*m_model.finishedCalculation(), m_model.projectCard(), store.current());
    if (offer.tooLarge) {
        m_dialogs.message(this, offerTooLarge());
        return;
    }
    const ExportChoice choice{pdf ? OfferName + QStringLiteral(" (PDF)")
                                  : OfferName + QStringLiteral(" (Excel)"),
                              OfferName + (pdf ? QStringLiteral(".pdf") : QStringLiteral(".xlsx")),
                              pdf ? QStringLiteral("PDF (*.pdf)") : QStringLiteral("Excel (*.xlsx)")};
    exportFile(choice, [this, pdf, &offer](const QString &path, const FinishedCalculation &) {
        const ProjectCard card = cardForOfferDocument(m_model.projectCard(), QDate::currentDate());
        return pdf ? writeOfferPdf(path, card, offer) : writeOfferXlsx(path, card, offer);
    });
}

} // namespace orvika
