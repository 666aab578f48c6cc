#pragma once

#include "offer/offer.h"
#include "project/project_card.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The commercial offer as the customer receives it: an A4 PDF, a workbook whose sums are formulas, and a
// CSV. Each is made from the priced offer and the project's card (the organisation, the customer, the
// object, the person who signs it, and the offer's settings under "offer").
namespace orvika {

// Each writes the file whole or not at all; the reason when it could not.
std::optional<QString> writeOfferPdf(const QString &path, const ProjectCard &card, const Offer &offer);
std::optional<QString> writeOfferXlsx(const QString &path, const ProjectCard &card, const Offer &offer);

// UTF-8 with a byte-order mark and ";": "Раздел", "Модель", "Наименование", "Ед.", "Кол.", "Цена, руб.",
// "Сумма, руб.", a row a line, then "Итого", the VAT row and "Всего".
QByteArray offerCsv(const Offer &offer);

} // namespace orvika
