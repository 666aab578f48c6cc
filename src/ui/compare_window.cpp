#include "ui/compare_window.h"

#include "files/text_file.h"
#include "ui/dialogs.h"
#include "ui/output_file.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace orvika {
namespace {

// Rows of one table: the marker, then the given texts. The marker says what happened in words a
// screen reader speaks (and the tooltip shows) and in a shade, never in the shade alone.
QTableWidget *tableOf(const QString &name, const QString &accessibleName, const QStringList &header,
                      const QList<std::pair<DifferenceKind, QStringList>> &rows, QWidget *parent)
{
    auto *table = new QTableWidget(int(rows.size()), int(header.size()) + 1, parent);
    table->setObjectName(name);
    table->setAccessibleName(accessibleName);
    table->setHorizontalHeaderLabels(QStringList{QString()} + header);
    table->horizontalHeaderItem(0)->setData(Qt::AccessibleTextRole, QStringLiteral("Изменение"));
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int row = 0; row < rows.size(); ++row) {
        const auto &[kind, texts] = rows[row];
        auto *marker = new QTableWidgetItem(markerOf(kind));
        marker->setTextAlignment(Qt::AlignCenter);
        const QString said = markerWordOf(kind);
        marker->setToolTip(said);
        marker->setData(Qt::AccessibleTextRole, said);
        marker->setBackground(kind == DifferenceKind::Added     ? QColor(0xe4, 0xf4, 0xe4)
                              : kind == DifferenceKind::Removed ? QColor(0xf8, 0xe4, 0xe4)
                                                                : QColor(0xf8, 0xf0, 0xd8));
        table->setItem(row, 0, marker);
        for (int column = 0; column < texts.size(); ++column)
            table->setItem(row, column + 1, new QTableWidgetItem(texts[column]));
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

QList<std::pair<DifferenceKind, QStringList>> rowsOf(const QList<Difference> &differences,
                                                     const QString &section = {})
{
    QList<std::pair<DifferenceKind, QStringList>> rows;
    for (const Difference &difference : differences) {
        QStringList texts = {difference.item, difference.before, difference.after};
        if (!section.isEmpty())
            texts.prepend(section);
        rows.append({difference.kind, texts});
    }
    return rows;
}

} // namespace

CompareWindow::CompareWindow(const Comparison &comparison, const QString &before, const QString &after,
                             Dialogs &dialogs, const QString &folder, QWidget *parent)
    : QDialog(parent), m_comparison(comparison), m_dialogs(dialogs), m_folder(folder)
{
    setObjectName(QStringLiteral("compareWindow"));
    setWindowTitle(QStringLiteral("Сравнение: %1 → %2").arg(before, after));
    setSizeGripEnabled(true);
    auto *layout = new QVBoxLayout(this);
    auto *summary = new QLabel(comparison.count() == 0 ? QStringLiteral("Различий нет.")
                                                       : QStringLiteral("Было: %1. Стало: %2. Различий: %3.  "
                                                                        "+ добавлено, − удалено, ± изменено.")
                                                             .arg(before, after)
                                                             .arg(comparison.count()),
                               this);
    summary->setObjectName(QStringLiteral("compareSummary"));
    summary->setWordWrap(true);
    layout->addWidget(summary);

    const QStringList was = {QStringLiteral("Было"), QStringLiteral("Стало")};
    layout->addWidget(new QLabel(QStringLiteral("Требования"), this));
    requirementsTable =
        tableOf(QStringLiteral("requirementsTable"), QStringLiteral("Различия в требованиях"),
                QStringList{QStringLiteral("Требование")} + was, rowsOf(comparison.requirements), this);
    layout->addWidget(requirementsTable);
    layout->addWidget(new QLabel(QStringLiteral("Источники и оборудование"), this));
    equipmentTable =
        tableOf(QStringLiteral("equipmentTable"), QStringLiteral("Различия в источниках и оборудовании"),
                QStringList{QStringLiteral("Раздел"), QStringLiteral("Обозначение")} + was,
                rowsOf(comparison.sources, QStringLiteral("Источники")) +
                    rowsOf(comparison.equipment, QStringLiteral("Оборудование")),
                this);
    layout->addWidget(equipmentTable);
    layout->addWidget(new QLabel(QStringLiteral("Итого"), this));
    totalsTable = tableOf(QStringLiteral("totalsTable"), QStringLiteral("Различия в итогах"),
                          QStringList{QStringLiteral("Итог")} + was, rowsOf(comparison.totals), this);
    totalsTable->setMaximumHeight(110);
    layout->addWidget(totalsTable);

    saveCsvButton = new QPushButton(QStringLiteral("Сохранить как CSV…"), this);
    saveCsvButton->setObjectName(QStringLiteral("saveComparisonCsv"));
    auto *close = new QPushButton(QStringLiteral("Закрыть"), this);
    connect(saveCsvButton, &QPushButton::clicked, this, &CompareWindow::saveCsv);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(saveCsvButton);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    resize(900, 640);
}

void CompareWindow::saveCsv()
{
    const QString path = askOutputFile(m_dialogs, this, QStringLiteral("Сохранить как CSV"), m_folder,
                                       QStringLiteral("Сравнение.csv"), QStringLiteral("CSV (*.csv)"),
                                       windowProtectedFiles(m_folder));
    if (path.isEmpty())
        return;
    announceWrite(m_dialogs, this, QFileInfo(path).fileName(),
                  writeFileAtomically(path, comparisonCsv(m_comparison)));
}

} // namespace orvika
