#include "ui/recheck_window.h"

#include "engine/load_choice.h"
#include "ui/compare_window.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace orvika {

RecheckWindow::RecheckWindow(const SharedState &started, Dialogs &dialogs, QWidget *parent)
    : QDialog(parent), m_started(started), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("recheckWindow"));
    setWindowTitle(QStringLiteral("Проверка сохранённых спецификаций"));
    setSizeGripEnabled(true);
    resultTable = new QTableWidget(0, 2, this);
    resultTable->setObjectName(QStringLiteral("recheckTable"));
    resultTable->setAccessibleName(QStringLiteral("Результаты проверки сохранённых спецификаций"));
    resultTable->setHorizontalHeaderLabels({QStringLiteral("Файл"), QStringLiteral("Результат")});
    resultTable->verticalHeader()->hide();
    resultTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    resultTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    resultTable->horizontalHeader()->setStretchLastSection(true);
    progress = new QProgressBar(this);
    progress->setObjectName(QStringLiteral("recheckProgress"));
    progress->setAccessibleName(QStringLiteral("Ход проверки"));
    cancelButton = new QPushButton(QStringLiteral("Отмена"), this);
    cancelButton->setObjectName(QStringLiteral("cancelRecheck"));
    cancelButton->setAccessibleName(QStringLiteral("Отменить проверку"));
    auto *close = new QPushButton(QStringLiteral("Закрыть"), this);
    connect(cancelButton, &QPushButton::clicked, this, &RecheckWindow::cancel);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(resultTable, &QTableWidget::cellActivated, this, [this](int row, int) { showDifference(row); });
    connect(resultTable, &QTableWidget::cellClicked, this, [this](int row, int) { showDifference(row); });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(progress, 1);
    buttons->addWidget(cancelButton);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(resultTable);
    layout->addLayout(buttons);
    resize(700, 480);
}

RecheckWindow::~RecheckWindow() = default;

void RecheckWindow::start()
{
    m_files = savedReportNames(m_started.appDir);
    m_outcomes.clear();
    m_next = 0;
    m_cancelled = false;
    resultTable->setRowCount(0);
    progress->setRange(0, int(m_files.size()));
    progress->setValue(0);
    cancelButton->setEnabled(true);
    if (!m_rechecker)
        m_rechecker = std::make_unique<ReportRechecker>(m_started);
    QTimer::singleShot(0, this, &RecheckWindow::checkNext);
}

void RecheckWindow::cancel()
{
    m_cancelled = true;
    cancelButton->setEnabled(false);
}

void RecheckWindow::checkNext()
{
    if (!running()) {
        cancelButton->setEnabled(false);
        emit recheckDone();
        return;
    }
    const QString name = m_files.at(m_next++);
    m_outcomes.append(m_rechecker->recheck(QDir(m_started.appDir).filePath(name)));
    const int row = resultTable->rowCount();
    resultTable->insertRow(row);
    resultTable->setItem(row, 0, new QTableWidgetItem(name));
    resultTable->setItem(row, 1, new QTableWidgetItem(m_outcomes.last().verdict()));
    progress->setValue(int(m_next));
    QTimer::singleShot(0, this, &RecheckWindow::checkNext);
}

void RecheckWindow::showDifference(int row)
{
    if (row < 0 || row >= m_outcomes.size())
        return;
    const RecheckOutcome &outcome = m_outcomes.at(row);
    if (!outcome.error.isEmpty() || outcome.comparison.count() == 0)
        return;
    auto *window =
        new CompareWindow(outcome.comparison, m_files.at(row), QStringLiteral("сегодняшний каталог"),
                          m_dialogs, m_started.appDir, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

} // namespace orvika
