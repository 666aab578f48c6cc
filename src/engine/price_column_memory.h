#pragma once

#include "price_list/price_columns.h"

#include <QString>
#include <QStringList>
#include <optional>

// The columns the user chose for a price list, remembered in the user's data folder for the next import of
// a list of the same form: by its header row (the cells trimmed, case ignored), or by the file's name when
// it has no header. UTF-8 JSON in price_columns.json:
// {"format": "orvika-price-columns", "version": 1,
//  "choices": [{"header": ["Код", "Цена дилерская", ...], "fileName": "", "columns": "model=1,price=3"},
//  ...]}
// newest first, the columns as the command line's --columns reads them.
namespace orvika {

inline const QString PriceColumnMemoryFileName = QStringLiteral("price_columns.json");
inline const QString PriceColumnMemoryFormat = QStringLiteral("orvika-price-columns");
// The choices kept: the oldest are dropped beyond it.
inline constexpr int RememberedColumnChoices = 50;

class PriceColumnMemory
{
public:
    explicit PriceColumnMemory(const QString &folder);

    // The choice made for a list of this header (or, without one, of this file name); none when there is
    // none or the file cannot be read.
    std::optional<PriceColumns> recall(const QStringList &header, const QString &fileName) const;
    // Keeps the choice in place of an earlier one for the same key, written whole. A file of that name that
    // is not this program's (damaged or foreign) is never replaced. The reason when not kept.
    std::optional<QString> remember(const QStringList &header, const QString &fileName,
                                    const PriceColumns &columns) const;

    QString path() const;

private:
    QString m_folder;
};

} // namespace orvika
