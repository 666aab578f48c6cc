#pragma once

#include "app/startup.h"
#include "data_folder.h"
#include "engine/shared_state.h"
#include "files/text_file.h"
#include "report/report_writer.h"
#include "scripted_dialogs.h"
#include "ui/load_window.h"
#include "ui/main_window.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// Main windows over the bundled catalogue and block-diagram library, in a working directory of their
// own, for the tests of saving and loading reports.
namespace orvika::test::documents {

// Units of the bundled catalogue named by the tests.
namespace unit {
inline const QString Panel = QStringLiteral("K-3120 Панель микрофонная вызова зон на 20 кнопок");
inline const QString DeskMicrophone = QStringLiteral("K-3122 Микрофон настольный на гибкой стойке");
inline const QString HandMicrophone = QStringLiteral("K-3124 Микрофон ручной динамический");
inline const QString MessageBlock4 = QStringLiteral("K-3260 Блок речевых сообщений на 4 сообщения");
inline const QString Player = QStringLiteral("K-3284 Проигрыватель компакт-дисков");
inline const QString Radio = QStringLiteral("K-3286 Радиоприёмник трансляционный");
inline const QString Software40 = QStringLiteral("ZEP-40 Программа управления системой оповещения на 40 зон");
inline const QString Console10 = QStringLiteral("K-3140 Консоль микрофонная выносная на 10 зон");
inline const QString ConsoleAdapter = QStringLiteral("K-3125 Блок подключения микрофонных панелей");
inline const QString LineMonitor =
    QStringLiteral("K-3620 Блок автоматического контроля линий громкоговорителей");
} // namespace unit

// The report's file name, and the message that a document was written.
inline const QString Report = ReportFileName;
inline const QString Done = QStringLiteral("Данные находятся в файле Спецификация");

// A working directory holding Base/Base-Date and Base/Sxemm as the program ships them.
class WorkingDirectory
{
public:
    WorkingDirectory()
    {
        m_valid = m_dir.isValid();
        for (const QString &name : {QStringLiteral("Base-Date"), QStringLiteral("Sxemm")})
            m_valid = m_valid && copyBaseFile(m_dir.path(), name,
                                              QStringLiteral(ORVIKA_SOURCE_DIR "/data/Base/") + name);
    }

    bool isValid() const { return m_valid; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    QByteArray read(const QString &name) const
    {
        QFile file(filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    bool write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

    bool writeLines(const QString &name, const QStringList &lines) const
    {
        return write(name, encodeLines(lines));
    }

    QByteArray report() const { return read(ReportFileName); }

private:
    QTemporaryDir m_dir;
    bool m_valid = false;
};

// One started main window with its own shared state and scripted dialogs. The state and the dialogs
// are declared first so that they outlive the window.
struct OpenWindow
{
    SharedState state;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;

    MainWindow *operator->() const { return window.get(); }
};

// Starts the program in a working directory that holds its Base folder.
inline std::unique_ptr<OpenWindow> openWindow(const QString &workingDir)
{
    auto opened = std::make_unique<OpenWindow>();
    opened->window = startUp(opened->state, opened->dialogs, workingDir, QLocale());
    if (opened->window) {
        opened->window->show();
        opened->dialogs.messages.clear();
    }
    return opened;
}

inline std::unique_ptr<OpenWindow> openWindow(const WorkingDirectory &dir)
{
    return openWindow(dir.path());
}

// A test over the main window started in a working directory of its own.
class OpenWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        w = openWindow(dir);
        ASSERT_TRUE(w->window);
    }

    MainWindow &m() { return *w->window; }

    WorkingDirectory dir;
    std::unique_ptr<OpenWindow> w;
};

// States a complete installation as a user does: a message block and 300 W in all.
inline void stateSmallInstallation(MainWindow &w)
{
    QTest::mouseClick(w.Check3, Qt::LeftButton, {}, QPoint(2, w.Check3->height() / 2));
    const int row = w.CmbAL->findText(unit::MessageBlock4);
    w.CmbAL->setCurrentIndex(row);
    emit w.CmbAL->activated(row);
    QTest::mouseClick(w.CmdAL, Qt::LeftButton);
    QTest::mouseClick(w.Opt1, Qt::LeftButton, {}, QPoint(2, w.Opt1->height() / 2));
    w.TxtP->setFocus();
    QTest::keyClicks(w.TxtP, QStringLiteral("300"));
}

// Selects a listed file by clicking it, as the user does.
inline bool clickFile(LoadWindow &form, const QString &name)
{
    const QList<QListWidgetItem *> found = form.File1->findItems(name, Qt::MatchExactly);
    if (found.size() != 1)
        return false;
    form.File1->scrollToItem(found.first());
    const QRect rect = form.File1->visualItemRect(found.first());
    QTest::mouseClick(form.File1->viewport(), Qt::LeftButton, {}, rect.center());
    return found.first()->isSelected();
}

// Loads a file of the working directory through a load window over the main window: a click on its
// entry and a click on Cmd1. Returns false when the file was not listed.
inline bool loadThroughWindow(OpenWindow &opened, const QString &name)
{
    LoadWindow form(*opened.window, opened.window.get());
    form.show();
    if (!clickFile(form, name))
        return false;
    QTest::mouseClick(form.Cmd1, Qt::LeftButton);
    return true;
}

} // namespace orvika::test::documents
