#include "ui/offer_works_table.h"

#include "engine/offer_editor.h"
#include "ui/dialogs.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace orvika {
namespace {

constexpr WorkField Fields[] = {WorkField::Name, WorkField::Unit, WorkField::Quantity, WorkField::Price};

QString fieldText(const OfferWork &work, WorkField field)
{
    switch (field) {
    case WorkField::Name:
        return work.name;
    case WorkField::Unit:
        return work.unit;
    case WorkField::Quantity:
        return quantityText(work.quantity);
    case WorkField::Price:
        return work.price ? moneyText(*work.price) : QString();
    }
    return {};
}

} // namespace

OfferWorksTable::OfferWorksTable(OfferEditor &editor, Dialogs &dialogs, QWidget *parent)
    : QGroupBox(QStringLiteral("Работы"), parent), m_editor(editor), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("offerWorksBox"));
    auto *column = new QVBoxLayout(this);
    m_table = new QTableWidget(0, 4, this);
    m_table->setObjectName(QStringLiteral("offerWorksTable"));
    m_table->setAccessibleName(QStringLiteral("Работы"));
    m_table->setHorizontalHeaderLabels({QStringLiteral("Наименование"), QStringLiteral("Ед."),
                                        QStringLiteral("Кол."), QStringLiteral("Цена, руб.")});
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    connect(m_table, &QTableWidget::itemChanged, this, &OfferWorksTable::cellChanged);
    connect(m_table, &QTableWidget::itemSelectionChanged, this,
            [this] { m_remove->setEnabled(m_table->currentRow() >= 0); });
    column->addWidget(m_table, 1);

    auto *row = new QHBoxLayout;
    auto *add = new QPushButton(QStringLiteral("Добавить работу"), this);
    add->setObjectName(QStringLiteral("addWorkButton"));
    m_remove = new QPushButton(QStringLiteral("Удалить работу"), this);
    m_remove->setObjectName(QStringLiteral("removeWorkButton"));
    connect(add, &QPushButton::clicked, this, &OfferWorksTable::addWork);
    connect(m_remove, &QPushButton::clicked, this, &OfferWorksTable::removeWork);
    row->addWidget(add);
    row->addWidget(m_remove);
    row->addStretch(1);
    column->addLayout(row);
    showWorks();
}

void OfferWorksTable::showWorks()
{
    const QList<OfferWork> &works = m_editor.settings().works;
    if (m_table->rowCount() != works.size()) {
        m_filling = true;
        m_table->setRowCount(int(works.size()));
        for (int row = 0; row < works.size(); ++row)
            for (int column = 0; column < 4; ++column)
                if (!m_table->item(row, column)) {
                    auto *item = new QTableWidgetItem;
                    if (column >= 2)
                        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                    m_table->setItem(row, column, item);
                }
        m_filling = false;
    }
    fill();
    m_remove->setEnabled(m_table->currentRow() >= 0 && m_table->currentRow() < works.size());
}

void OfferWorksTable::fill()
{
    m_filling = true;
    const QList<OfferWork> &works = m_editor.settings().works;
    for (int row = 0; row < works.size(); ++row)
        for (int column = 0; column < 4; ++column) {
            QTableWidgetItem *item = m_table->item(row, column);
            const QString text = fieldText(works[row], Fields[column]);
            if (item->text() != text)
                item->setText(text);
            if (Fields[column] == WorkField::Price)
                item->setToolTip(works[row].price ? QString()
                                                  : QStringLiteral("Нет цены: работа не входит в сумму"));
        }
    m_filling = false;
}

void OfferWorksTable::addWork()
{
    const qsizetype index = m_editor.addWork();
    showWorks();
    m_table->setCurrentCell(int(index), 0);
    emit changed();
}

void OfferWorksTable::removeWork()
{
    const int row = m_table->currentRow();
    if (row < 0)
        return;
    m_editor.removeWork(row);
    showWorks();
    emit changed();
}

void OfferWorksTable::cellChanged(QTableWidgetItem *item)
{
    if (m_filling)
        return;
    const QString refusal = m_editor.setWork(item->row(), Fields[item->column()], item->text());
    fill();
    if (!refusal.isEmpty())
        m_dialogs.message(this, refusal);
    emit changed();
}

} // namespace orvika
