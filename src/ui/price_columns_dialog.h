#pragma once

#include "price_list/price_columns.h"
#include "price_list/price_import.h"

#include <QDialog>

class QComboBox;

namespace orvika {

class Dialogs;

// The choice of a price list's columns, when its header does not tell them: the question, the header and
// the first rows as the file holds them, and a column for the model, the name, the price and the currency.
class PriceColumnsDialog : public QDialog
{
    Q_OBJECT
public:
    PriceColumnsDialog(const PriceImport &import, const PriceColumns &proposed, Dialogs &dialogs,
                       QWidget *parent = nullptr);

    PriceColumns columns() const;

    // Closes only on a choice the import can take: a price, and a model or a name, no column twice.
    void accept() override;

private:
    QComboBox *addChoice(const char *name, int column, const QStringList &headers, int columnCount);

    Dialogs &m_dialogs;
    QComboBox *m_model = nullptr, *m_name = nullptr, *m_price = nullptr, *m_currency = nullptr;
};

} // namespace orvika
