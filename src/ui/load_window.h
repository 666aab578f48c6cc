#pragma once

#include "engine/load_choice.h"

#include <QDialog>
#include <QString>

class QLabel;
class QListWidget;
class QPushButton;

namespace orvika {

class MainWindow;

// Form3: shows the saved reports of the working directory (LoadChoice) and loads the selected one
// back into the main window. The window stays open after a load, so the user can load another file
// or close it.
class LoadWindow : public QDialog
{
    Q_OBJECT
public:
    LoadWindow(MainWindow &mainWindow, QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QListWidget *File1 = nullptr;
    QPushButton *Cmd1 = nullptr;
    QPushButton *Command1 = nullptr;

private:
    void loadSelected();

    MainWindow &m_mainWindow;
    LoadChoice m_choice;
};

} // namespace orvika
