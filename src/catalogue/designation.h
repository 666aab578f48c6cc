#pragma once

#include <QString>

// A unit's designation as the catalogue writes it: its model code, then its name ("K-3110 Селектор
// зон на 10 линий до 500 Вт"). A user's catalogue may name a unit without a code ("Блок
// вентиляторов"): a model code is a first word that holds a digit (K-3520, K3290, ZEP-20).
namespace orvika {

// The model code: "K-3110"; empty for a designation without one.
QString modelOf(const QString &designation);

// The name without the model code: "Селектор зон на 10 линий до 500 Вт"; the whole designation,
// trimmed, when it has no code.
QString unitName(const QString &designation);

} // namespace orvika
