#pragma once

#include <QString>

// A unit's designation as the catalogue writes it: its model code, then its name ("K-3110 Селектор
// зон на 10 линий до 500 Вт").
namespace orvika {

// The model code: the first word ("K-3110").
QString modelOf(const QString &designation);

// The name without the model code: "Селектор зон на 10 линий до 500 Вт".
QString unitName(const QString &designation);

} // namespace orvika
