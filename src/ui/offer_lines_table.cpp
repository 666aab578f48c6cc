#include "ui/offer_lines_table.h"

#include "offer/offer_texts.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>

namespace orvika {
namespace {

// The key of a line's item, for a price typed in its cell.
constexpr int KeyRole = Qt::UserRole;
// The price cell's editor opens with the price set by hand or from the list, empty for a missing one.
constexpr int EditTextRole = Qt::UserRole + 1;

class PriceDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        if (auto *line = qobject_cast<QLineEdit *>(editor))
            line->setText(index.data(EditTextRole).toString());
        else
            QStyledItemDelegate::setEditorData(editor, index);
    }
};

QTableWidgetItem *cell(const QString &text, bool right = false)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (right)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QString sourceNote(const OfferLine &line)
{
    switch (line.source) {
    case PriceSource::List:
        return QStringLiteral("По прайс-листу, строка %1: %2 %3")
            .arg(line.listLine)
            .arg(moneyText(Money::fromKopecks(line.listPriceMinor)), line.listCurrency);
    case PriceSource::Hand:
        return QStringLiteral("Цена задана вручную; очистите ячейку, чтобы взять цену из прайс-листа");
    case PriceSource::Work:
        return QStringLiteral("Цена работы — в таблице работ");
    case PriceSource::Missing:
        return line.missingReason;
    }
    return {};
}

} // namespace

OfferLinesTable::OfferLinesTable(QWidget *parent) : QTableWidget(0, ColumnCount, parent)
{
    setObjectName(QStringLiteral("offerLinesTable"));
    setAccessibleName(QStringLiteral("Позиции коммерческого предложения"));
    setHorizontalHeaderLabels({QStringLiteral("№"), QStringLiteral("Наименование"), QStringLiteral("Модель"),
                               QStringLiteral("Ед."), QStringLiteral("Кол."), QStringLiteral("Цена, руб."),
                               QStringLiteral("Сумма, руб.")});
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(Name, QHeaderView::Stretch);
    setItemDelegateForColumn(Price, new PriceDelegate(this));
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    connect(this, &QTableWidget::itemChanged, this, &OfferLinesTable::cellChanged);
}

void OfferLinesTable::showOffer(const Offer &offer)
{
    QList<int> layout;
    qsizetype next = 0;
    for (const OfferSubtotal &subtotal : offer.subtotals) {
        layout.append(0);
        for (; next < offer.lines.size() && offer.lines[next].item.section == subtotal.section; ++next)
            layout.append(offer.lines[next].position);
        layout.append(-1 - int(subtotal.section));
    }
    if (layout != m_layout) {
        m_layout = layout;
        layOut(offer);
    }
    fill(offer);
}

int OfferLinesTable::rowOfPosition(int position) const
{
    return position > 0 ? int(m_layout.indexOf(position)) : -1;
}

void OfferLinesTable::layOut(const Offer &offer)
{
    m_filling = true;
    clearSpans();
    setRowCount(0);
    setRowCount(int(m_layout.size()));
    qsizetype subtotal = 0;
    for (int row = 0; row < m_layout.size(); ++row) {
        for (int column = 0; column < ColumnCount; ++column)
            setItem(row, column, cell(QString(), column >= Quantity));
        if (m_layout[row] == 0) {
            // The section's heading over the whole row, bold.
            setSpan(row, 0, 1, ColumnCount);
            QTableWidgetItem *heading = item(row, 0);
            heading->setText(offerSectionTitle(offer.subtotals.value(subtotal).section));
            QFont font = heading->font();
            font.setBold(true);
            heading->setFont(font);
        } else if (m_layout[row] < 0) {
            setSpan(row, 0, 1, Sum);
            QFont font = item(row, 0)->font();
            font.setBold(true);
            item(row, 0)->setFont(font);
            item(row, Sum)->setFont(font);
            item(row, 0)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            ++subtotal;
        }
    }
    // Nothing chosen until the user chooses: a heading shown selected reads as a line.
    setCurrentCell(-1, -1);
    m_filling = false;
}

void OfferLinesTable::fill(const Offer &offer)
{
    m_filling = true;
    qsizetype subtotal = 0;
    for (int row = 0; row < m_layout.size(); ++row) {
        if (m_layout[row] == 0)
            continue;
        if (m_layout[row] < 0) {
            const OfferSubtotal &shown = offer.subtotals[subtotal++];
            item(row, 0)->setText(subtotalLineText(shown.section));
            item(row, Sum)->setText(moneyText(shown.subtotal));
            continue;
        }
        const OfferLine &line = offer.lines[m_layout[row] - 1];
        item(row, Position)->setText(QString::number(line.position));
        item(row, Name)->setText(line.item.name);
        item(row, Model)->setText(line.item.model);
        item(row, Unit)->setText(line.item.unit);
        item(row, Quantity)->setText(quantityCell(line));
        QTableWidgetItem *price = item(row, Price);
        price->setText(priceCell(line));
        price->setToolTip(sourceNote(line));
        price->setData(KeyRole, line.item.priceKey());
        price->setData(EditTextRole, line.unitPrice ? moneyText(*line.unitPrice) : QString());
        const bool typed = line.item.section != OfferSection::Works;
        price->setFlags(typed ? price->flags() | Qt::ItemIsEditable : price->flags() & ~Qt::ItemIsEditable);
        QFont font = price->font();
        font.setItalic(line.source == PriceSource::Hand);
        price->setFont(font);
        price->setForeground(line.isPriced() ? palette().text() : QBrush(Qt::darkRed));
        item(row, Sum)->setText(sumCell(line));
    }
    resizeColumnToContents(Position);
    for (int column : {Model, Unit, Quantity, Price, Sum})
        resizeColumnToContents(column);
    m_filling = false;
}

void OfferLinesTable::cellChanged(QTableWidgetItem *changed)
{
    if (m_filling || changed->column() != Price || !onPriceTyped)
        return;
    const int position = m_layout.value(changed->row());
    if (position <= 0)
        return;
    // A cell left as it was shown sets nothing: a list price is not turned into a hand price by a look.
    const QString text = changed->text();
    if (text == changed->data(EditTextRole).toString() || text == MissingPriceText)
        return;
    onPriceTyped(changed->data(KeyRole).toString(), text);
}

} // namespace orvika
