#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QListWidget;
class QPushButton;

namespace orvika {

class MainWindow;

// Form3: lists the *.dat files of the working directory and loads the chosen one back into the main
// window. The window stays open after a load, so the user can load another file or close it.
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
    void fillFileList();
    void loadSelected();

    MainWindow &m_mainWindow;
};

} // namespace orvika
