#pragma once

#include "offer/offer.h"

#include <QTableWidget>
#include <functional>

namespace orvika {

// The offer's lines section by section as they will print: a heading row for each section, its lines (№,
// Наименование, Модель, Ед., Кол., Цена, руб., Сумма, руб.) and its subtotal. A line's price is typed in its
// cell (the works' prices in their own table): the text goes to onPriceTyped with the item's key.
class OfferLinesTable : public QTableWidget
{
    Q_OBJECT
public:
    enum Column { Position, Name, Model, Unit, Quantity, Price, Sum, ColumnCount };

    explicit OfferLinesTable(QWidget *parent = nullptr);

    // Shows the offer; rows already laid out for the same lines are only written over, so that the cell
    // being edited stays.
    void showOffer(const Offer &offer);

    // The row of a line, by its position in the offer (from 1); -1 when none.
    int rowOfPosition(int position) const;

    // The key and the typed text of a price cell the user changed.
    std::function<void(const QString &key, const QString &text)> onPriceTyped;

private:
    void layOut(const Offer &offer);
    void fill(const Offer &offer);
    void cellChanged(QTableWidgetItem *item);

    QList<int> m_layout; // the position of each row's line; 0 for a heading, -1 - section for a subtotal
    bool m_filling = false;
};

} // namespace orvika
