#include "ui/price_columns_dialog.h"

#include "engine/price_list_import_rule.h"
#include "ui/dialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace orvika {
namespace {

// "3 — Цена дилерская", or "3" for a column without a header.
QString columnTitle(const QStringList &headers, int column)
{
    const QString header = headers.value(column).simplified();
    return header.isEmpty() ? QString::number(column + 1)
                            : QStringLiteral("%1 — %2").arg(column + 1).arg(header);
}

int columnCountOf(const PriceImport &import)
{
    qsizetype count = import.headers.size();
    for (const QStringList &row : import.sampleRows)
        count = std::max(count, row.size());
    return int(count);
}

} // namespace

PriceColumnsDialog::PriceColumnsDialog(const PriceImport &import, const PriceColumns &proposed,
                                       Dialogs &dialogs, QWidget *parent)
    : QDialog(parent), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("priceColumnsDialog"));
    setWindowTitle(QStringLiteral("Столбцы прайс-листа"));
    setSizeGripEnabled(true);
    auto *column = new QVBoxLayout(this);

    auto *question = new QLabel(import.message, this);
    question->setObjectName(QStringLiteral("priceColumnsQuestion"));
    question->setWordWrap(true);
    column->addWidget(question);

    const int columns = columnCountOf(import);
    auto *sample = new QTableWidget(int(import.sampleRows.size()), columns, this);
    sample->setObjectName(QStringLiteral("priceColumnsSample"));
    sample->setAccessibleName(QStringLiteral("Первые строки прайс-листа"));
    sample->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sample->verticalHeader()->hide();
    QStringList titles;
    for (int c = 0; c < columns; ++c)
        titles.append(columnTitle(import.headers, c));
    sample->setHorizontalHeaderLabels(titles);
    for (int r = 0; r < import.sampleRows.size(); ++r)
        for (int c = 0; c < import.sampleRows[r].size(); ++c)
            sample->setItem(r, c, new QTableWidgetItem(import.sampleRows[r][c]));
    // The columns whose headers name a price stand out: the choice is usually between them.
    for (int c : import.priceCandidates) {
        if (QTableWidgetItem *header = sample->horizontalHeaderItem(c)) {
            QFont font = header->font();
            font.setBold(true);
            header->setFont(font);
        }
    }
    sample->resizeColumnsToContents();
    column->addWidget(sample, 1);

    auto *form = new QFormLayout;
    column->addLayout(form);
    m_model = addChoice("modelColumnChoice", proposed.model, import.headers, columns);
    m_name = addChoice("nameColumnChoice", proposed.name, import.headers, columns);
    m_price = addChoice("priceColumnChoice", proposed.price, import.headers, columns);
    m_currency = addChoice("currencyColumnChoice", proposed.currency, import.headers, columns);
    form->addRow(QStringLiteral("Модель (код):"), m_model);
    form->addRow(QStringLiteral("Наименование:"), m_name);
    form->addRow(QStringLiteral("Цена:"), m_price);
    form->addRow(QStringLiteral("Валюта:"), m_currency);
    auto *note = new QLabel(
        QStringLiteral("Выбор запоминается для следующих прайс-листов с таким же заголовком."), this);
    note->setWordWrap(true);
    column->addWidget(note);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("priceColumnsButtons"));
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Загрузить"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);
    resize(820, 460);
}

QComboBox *PriceColumnsDialog::addChoice(const char *name, int column, const QStringList &headers,
                                         int columnCount)
{
    auto *choice = new QComboBox(this);
    choice->setObjectName(QLatin1String(name));
    choice->addItem(QStringLiteral("— нет —"), -1);
    for (int c = 0; c < columnCount; ++c)
        choice->addItem(columnTitle(headers, c), c);
    choice->setCurrentIndex(std::max(0, choice->findData(column)));
    return choice;
}

PriceColumns PriceColumnsDialog::columns() const
{
    PriceColumns chosen;
    chosen.model = m_model->currentData().toInt();
    chosen.name = m_name->currentData().toInt();
    chosen.price = m_price->currentData().toInt();
    chosen.currency = m_currency->currentData().toInt();
    return chosen;
}

void PriceColumnsDialog::accept()
{
    const QString problem = columnChoiceProblem(columns());
    if (!problem.isEmpty()) {
        m_dialogs.message(this, problem);
        return;
    }
    QDialog::accept();
}

} // namespace orvika
