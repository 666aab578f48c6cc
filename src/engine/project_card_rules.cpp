#include "engine/dialog_seam.h"
#include "engine/main_window_model.h"
#include "files/text_file.h"
#include "project/project_card_file.h"
#include "report/report_writer.h"

#include <QDir>
#include <QFileInfo>

// The project's card travels with its report: written beside the report a calculation writes, copied
// with it, read back with it. A card that cannot be read or written is told of and never stops the
// report's own work.
namespace orvika {

void MainWindowModel::useLastCardFile(const QString &lastCardPath)
{
    m_lastCardPath = lastCardPath;
    const ProjectCardRead last = readProjectCard(lastCardPath);
    if (last.outcome == ProjectCardRead::Card)
        m_lastCard = last.card;
    m_card = newProjectCard(m_lastCard, QDate::currentDate());
}

void MainWindowModel::setProjectCard(const ProjectCard &card)
{
    const Action action(*this);
    m_card = card;
    m_lastCard = card;
    if (!m_lastCardPath.isEmpty()) {
        QDir().mkpath(QFileInfo(m_lastCardPath).absolutePath());
        if (const auto error = writeProjectCard(m_lastCardPath, card))
            m_dialogs.message(writeFailureMessage(QFileInfo(m_lastCardPath).fileName(), *error));
    }
    if (m_finished)
        keepCardBesideReport(QDir(m_state.appDir).filePath(ReportFileName));
}

void MainWindowModel::keepCardBesideReport(const QString &reportPath)
{
    const QString cardPath = projectCardPathFor(reportPath);
    if (const auto error = writeProjectCard(cardPath, m_card))
        m_dialogs.message(writeFailureMessage(QFileInfo(cardPath).fileName(), *error));
}

// The copy gets the card of the report copied; when that report has none, the card in use.
void MainWindowModel::copyCardWithReport(const QString &sourceReport, const QString &targetReport)
{
    const QString sourceCard = projectCardPathFor(sourceReport);
    const ProjectCardRead source = readProjectCard(sourceCard);
    if (source.outcome == ProjectCardRead::Foreign || source.outcome == ProjectCardRead::Unusable) {
        m_dialogs.message(
            QStringLiteral("Спецификация сохранена без сведений о проекте: файл %1 не прочитан: %2")
                .arg(QFileInfo(sourceCard).fileName(), source.reason));
        return;
    }
    const ProjectCard &card = source.outcome == ProjectCardRead::Card ? source.card : m_card;
    if (const auto error = writeProjectCard(projectCardPathFor(targetReport), card))
        m_dialogs.message(QStringLiteral("Спецификация сохранена без сведений о проекте: ") + *error);
}

void MainWindowModel::restoreCardOfReport(const QString &reportPath)
{
    const QString cardPath = projectCardPathFor(reportPath);
    const ProjectCardRead read = readProjectCard(cardPath);
    if (read.outcome == ProjectCardRead::Card) {
        m_card = read.card;
        if (!read.dropped.isEmpty())
            m_dialogs.message(droppedValuesMessage(QFileInfo(cardPath).fileName(), read.dropped));
        return;
    }
    m_card = newProjectCard(m_lastCard, QDate::currentDate());
    if (read.outcome != ProjectCardRead::Missing)
        m_dialogs.message(cardReadFailureMessage(QFileInfo(cardPath).fileName(), read.reason));
}

} // namespace orvika
