#pragma once

#include "engine/report_recheck.h"
#include "ui/dialogs.h"

#include <QDialog>
#include <QList>
#include <QStringList>
#include <memory>

class QProgressBar;
class QPushButton;
class QTableWidget;

namespace orvika {

// Every saved report of the working directory composed again with today's catalogue, a row each:
// "без изменений", "изменилось (N)" — its differences on a click — or "ошибка: …". The files are
// taken one at a time between the window's events, so the progress shows and Cancel stops at once.
class RecheckWindow : public QDialog
{
    Q_OBJECT
public:
    RecheckWindow(const SharedState &started, Dialogs &dialogs, QWidget *parent);
    ~RecheckWindow() override;

    void start();
    void cancel();
    bool running() const { return m_next < m_files.size() && !m_cancelled; }

    QTableWidget *resultTable = nullptr;
    QProgressBar *progress = nullptr;
    QPushButton *cancelButton = nullptr;

signals:
    void recheckDone();

private:
    void checkNext();
    void showDifference(int row);

    const SharedState &m_started;
    Dialogs &m_dialogs;
    std::unique_ptr<ReportRechecker> m_rechecker;
    QStringList m_files;
    QList<RecheckOutcome> m_outcomes;
    qsizetype m_next = 0;
    bool m_cancelled = false;
};

} // namespace orvika
