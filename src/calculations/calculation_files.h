#pragma once

#include "calculations/calculation_content.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The calculation document as files: a PDF of framed A4 sheets with their title blocks, and an ODT that
// Word and LibreOffice open, with the same content.
namespace orvika {

// The bytes of each; empty when the document could not be made.
QByteArray calculationsPdf(const CalculationContent &content);
QByteArray calculationsOdt(const CalculationContent &content);

// Each writes its file whole or not at all; the reason when it failed.
std::optional<QString> writeCalculationsPdf(const QString &path, const CalculationContent &content);
std::optional<QString> writeCalculationsOdt(const QString &path, const CalculationContent &content);

} // namespace orvika
