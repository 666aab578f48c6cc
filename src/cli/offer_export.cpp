#include "cli/offer_export.h"

#include "cli/command_line.h"
#include "engine/offer_composition.h"
#include "files/text_file.h"
#include "offer/offer_texts.h"
#include "offer_documents/offer_files.h"
#include "price_list/price_import.h"

#include <QDate>
#include <QFileInfo>

namespace orvika {

namespace {

// The question of the window, as the command line answers it.
QString columnsQuestion(const PriceImport &import)
{
    QString text = import.message;
    if (!import.headers.isEmpty()) {
        QStringList numbered;
        for (qsizetype i = 0; i < import.headers.size(); ++i)
            numbered.append(QStringLiteral("%1 — %2").arg(i + 1).arg(import.headers[i]));
        text += QStringLiteral("\nСтолбцы: ") + numbered.join(QStringLiteral("; "));
    }
    return text +
           QStringLiteral("\nНомера столбцов указываются так: --price-columns model=N,price=M[,currency=K]");
}

void tellMissing(const Offer &offer, DialogSeam &dialogs)
{
    const QList<const OfferLine *> missing = offer.missing();
    if (missing.isEmpty())
        return;
    dialogs.message(missingPricesLine(offer));
    for (const OfferLine *line : missing)
        dialogs.message(
            QStringLiteral("  %1. %2 — %3")
                .arg(line->position)
                .arg(line->item.model.isEmpty() ? line->item.name : line->item.model + u' ' + line->item.name,
                     line->missingReason));
}

} // namespace

int exportOffer(const QString &format, const QString &outputPath, const FinishedCalculation &finished,
                ProjectCard card, const OfferPrices &prices, DialogSeam &dialogs)
{
    const QDate today = QDate::currentDate();
    const PriceImport import = importPriceFile(prices.path, today, prices.columns);
    if (import.outcome == PriceImport::ChooseColumns) {
        dialogs.message(columnsQuestion(import));
        return ExitFailed;
    }
    if (import.outcome == PriceImport::Refused) {
        dialogs.message(import.message);
        return ExitFailed;
    }
    if (import.skipped > 0)
        dialogs.message(import.message);

    card = cardForOfferDocument(card, today);
    const Offer offer = composeOffer(finished, card, PriceIndex(import.list));
    if (offer.tooLarge) {
        dialogs.message(writeFailureMessage(QFileInfo(outputPath).fileName(),
                                            offerTooLarge()));
        return ExitFailed;
    }
    std::optional<QString> error;
    if (format == u"offer-pdf")
        error = writeOfferPdf(outputPath, card, offer);
    else if (format == u"offer-xlsx")
        error = writeOfferXlsx(outputPath, card, offer);
    else
        error = writeFileAtomically(outputPath, offerCsv(offer));
    if (error) {
        dialogs.message(writeFailureMessage(QFileInfo(outputPath).fileName(), *error));
        return ExitFailed;
    }
    tellMissing(offer, dialogs);
    return ExitDone;
}

} // namespace orvika
