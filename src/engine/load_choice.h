#pragma once

#include <QString>
#include <QStringList>

namespace orvika {

class MainWindowModel;

// The saved reports of a folder, by name: its ordinary files whose names end in ".dat" (hidden
// files are not listed). What the load window lists and the re-check composes again.
QStringList savedReportNames(const QString &folder);

// Form3's rules: the saved reports of the working directory (the ordinary files whose names end in
// ".dat", by name; hidden files are not listed), the one selected, and its load into the main window.
class LoadChoice
{
public:
    explicit LoadChoice(MainWindowModel &model);

    const QStringList &names() const { return m_names; }
    // Cmd1 opens once a report has been selected and stays open until the window closes.
    bool loadEnabled() const { return m_loadEnabled; }

    // The report selected in the list, by its row; -1 when none is.
    void select(int row);
    // Loads the selected report, or asks for one when none is selected. False when nothing was
    // loaded.
    bool loadSelected();

private:
    MainWindowModel &m_model;
    QStringList m_names;
    int m_selected = -1;
    bool m_loadEnabled = false;
};

} // namespace orvika
