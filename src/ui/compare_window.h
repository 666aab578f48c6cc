#pragma once

#include "comparison/report_comparison.h"

#include <QDialog>

class QPushButton;
class QTableWidget;

namespace orvika {

class Dialogs;

// What changed from one specification (A) to another (B), in three tables — the requirements, the
// sources and equipment, the totals — each row marked "+", "−" or "±"; saved as CSV on request.
class CompareWindow : public QDialog
{
    Q_OBJECT
public:
    CompareWindow(const Comparison &comparison, const QString &before, const QString &after, Dialogs &dialogs,
                  const QString &folder, QWidget *parent);

    QTableWidget *requirementsTable = nullptr;
    QTableWidget *equipmentTable = nullptr;
    QTableWidget *totalsTable = nullptr;
    QPushButton *saveCsvButton = nullptr;

private:
    void saveCsv();

    Comparison m_comparison;
    Dialogs &m_dialogs;
    QString m_folder;
};

} // namespace orvika
