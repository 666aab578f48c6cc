#include "ui/load_window.h"

#include "app/fonts.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/report_loader.h"
#include "ui/twips.h"

#include <QDir>
#include <QFont>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace orvika {

LoadWindow::LoadWindow(MainWindow &mainWindow, QWidget *parent) : QDialog(parent), m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Загрузить спецификацию"));
    const Twips twips(logicalDpiX(), logicalDpiY());
    setFixedSize(twips.x(3975), twips.y(4800));

    const QFont captionFont = tahoma(9.75, true);

    Label1 = new QLabel(QStringLiteral("Выберите спецификацию из списка"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(captionFont);
    Label1->setGeometry(twips.rect(120, 120, 3975, 255));

    File1 = new QListWidget(this);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setGeometry(twips.rect(120, 480, 3735, 2820));
    File1->setAccessibleName(QStringLiteral("Список сохранённых спецификаций"));

    Cmd1 = new QPushButton(QStringLiteral("Загрузить базу в данных"), this);
    Cmd1->setObjectName(QStringLiteral("Cmd1"));
    Cmd1->setFont(captionFont);
    Cmd1->setGeometry(twips.rect(120, 3480, 3735, 495));
    Cmd1->setEnabled(false);
    Cmd1->setAutoDefault(false);
    Cmd1->setAccessibleName(QStringLiteral("Загрузить выбранную спецификацию"));

    Command1 = new QPushButton(QStringLiteral("Завершить"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setFont(captionFont);
    Command1->setGeometry(twips.rect(120, 4200, 3735, 495));
    Command1->setAutoDefault(false);
    Command1->setAccessibleName(QStringLiteral("Закрыть окно загрузки"));

    setTabOrder(File1, Cmd1);
    setTabOrder(Cmd1, Command1);

    fillFileList();
    connect(File1, &QListWidget::itemSelectionChanged, this, [this] {
        if (!File1->selectedItems().isEmpty())
            Cmd1->setEnabled(true); // stays enabled until the window closes
    });
    connect(File1, &QListWidget::itemDoubleClicked, this, &LoadWindow::loadSelected);
    connect(Cmd1, &QPushButton::clicked, this, &LoadWindow::loadSelected);
    connect(Command1, &QPushButton::clicked, this, &QDialog::close);
}

// The ordinary files of the working directory whose names end in ".dat"; hidden files are not listed.
void LoadWindow::fillFileList()
{
    const QDir workingDir(m_mainWindow.state().appDir);
    File1->addItems(workingDir.entryList({QStringLiteral("*.dat")}, QDir::Files, QDir::Name));
}

void LoadWindow::loadSelected()
{
    const QListWidgetItem *item = File1->currentItem();
    if (item == nullptr || !item->isSelected()) {
        m_mainWindow.dialogs().message(this, QStringLiteral("Выберите спецификацию из списка"));
        return;
    }
    loadReport(m_mainWindow, QDir(m_mainWindow.state().appDir).filePath(item->text()), this);
}

} // namespace orvika
