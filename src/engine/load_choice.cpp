#include "engine/load_choice.h"

#include "engine/dialog_seam.h"
#include "engine/main_window_model.h"

#include <QDir>

namespace orvika {

QStringList savedReportNames(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.dat")}, QDir::Files, QDir::Name);
}

LoadChoice::LoadChoice(MainWindowModel &model)
    : m_model(model), m_names(savedReportNames(model.state().appDir))
{
}

void LoadChoice::select(int row)
{
    m_selected = row >= 0 && row < m_names.size() ? row : -1;
    if (m_selected >= 0)
        m_loadEnabled = true;
}

bool LoadChoice::loadSelected()
{
    if (m_selected < 0) {
        m_model.dialogs().message(QStringLiteral("Выберите спецификацию из списка"));
        return false;
    }
    return m_model.loadReport(QDir(m_model.state().appDir).filePath(m_names.at(m_selected)));
}

} // namespace orvika
