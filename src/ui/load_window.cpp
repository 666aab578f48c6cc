#include "ui/load_window.h"

#include "app/fonts.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/twips.h"

#include <QFont>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace orvika {

LoadWindow::LoadWindow(MainWindow &mainWindow, QWidget *parent)
    : QDialog(parent), m_mainWindow(mainWindow), m_choice(mainWindow.model())
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

    File1->addItems(m_choice.names());
    // A selection made by any means counts: the mouse, the keyboard or assistive technology.
    connect(File1, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem *> selected = File1->selectedItems();
        m_choice.select(selected.isEmpty() ? -1 : File1->row(selected.first()));
        Cmd1->setEnabled(m_choice.loadEnabled());
    });
    connect(File1, &QListWidget::itemDoubleClicked, this, &LoadWindow::loadSelected);
    connect(Cmd1, &QPushButton::clicked, this, &LoadWindow::loadSelected);
    connect(Command1, &QPushButton::clicked, this, &QDialog::close);
}

void LoadWindow::loadSelected()
{
    const WindowDialogSeam::Over over(m_mainWindow.dialogSeam(), this);
    m_choice.loadSelected();
}

} // namespace orvika
