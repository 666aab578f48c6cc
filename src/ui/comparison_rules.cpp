#include "comparison/saved_report.h"
#include "report/report_writer.h"
#include "ui/compare_window.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/recheck_window.h"

#include <QAction>
#include <QFileInfo>

// "Документ": saved reports compared with the proposal shown and with each other, and checked against
// today's catalogue.
namespace orvika {

void MainWindow::connectComparisonRules()
{
    connect(compareWithSavedAction, &QAction::triggered, this, &MainWindow::compareWithSaved);
    connect(compareTwoSavedAction, &QAction::triggered, this, &MainWindow::compareTwoSaved);
    connect(recheckSavedAction, &QAction::triggered, this, &MainWindow::recheckSaved);
}

// A saved report chosen in the working directory; empty on Cancel.
QString MainWindow::chooseSavedReport(const QString &caption)
{
    return m_dialogs.openFileName(this, caption, m_model.state().appDir,
                                  QStringLiteral("Спецификации (*.dat)"));
}

void MainWindow::showComparison(const Comparison &comparison, const QString &before, const QString &after)
{
    auto *window = new CompareWindow(comparison, before, after, m_dialogs, m_model.state().appDir, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

namespace {

std::optional<SavedReport> readOrSay(Dialogs &dialogs, QWidget *parent, const QString &path)
{
    QString reason;
    std::optional<SavedReport> report = readSavedReport(path, &reason);
    if (!report)
        dialogs.message(parent, QFileInfo(path).fileName() + QStringLiteral(": ") + reason);
    return report;
}

} // namespace

// The saved report (A) against the proposal List3 shows (B), as its report would state it.
void MainWindow::compareWithSaved()
{
    if (!m_model.finishedCalculation())
        return;
    const QString path = chooseSavedReport(QStringLiteral("Сравнить с сохранённой спецификацией"));
    if (path.isEmpty())
        return;
    const std::optional<SavedReport> saved = readOrSay(m_dialogs, this, path);
    if (!saved)
        return;
    const SavedReport shown = parseSavedReport(composeReport(
        m_model.finishedCalculation()->requirements, m_model.finishedCalculation()->proposal, QLocale()));
    showComparison(compareReports(*saved, shown), QFileInfo(path).fileName(),
                   QStringLiteral("текущий расчёт"));
}

void MainWindow::compareTwoSaved()
{
    const QString older = chooseSavedReport(QStringLiteral("Прежняя спецификация (А)"));
    if (older.isEmpty())
        return;
    const QString newer = chooseSavedReport(QStringLiteral("Новая спецификация (Б)"));
    if (newer.isEmpty())
        return;
    const std::optional<SavedReport> a = readOrSay(m_dialogs, this, older);
    const std::optional<SavedReport> b = a ? readOrSay(m_dialogs, this, newer) : std::nullopt;
    if (!b)
        return;
    showComparison(compareReports(*a, *b), QFileInfo(older).fileName(), QFileInfo(newer).fileName());
}

void MainWindow::recheckSaved()
{
    auto *window = new RecheckWindow(m_model.state(), m_dialogs, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    window->start();
}

} // namespace orvika
