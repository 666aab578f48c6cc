#pragma once

#include "app/startup.h"
#include "data_folder.h"
#include "engine/shared_state.h"
#include "files/text_file.h"
#include "scripted_dialogs.h"
#include "spinner_arrows.h"
#include "support/test_catalogue.h"
#include "ui/main_window.h"
#include "ui/spinner.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

// The main window as start-up makes it, over a small catalogue of its own, driven by real events.
namespace orvika::test {

// A main window started by start-up in a temporary working directory, with its shared state and
// scripted dialogs; the default locale is put back afterwards.
class StartedMainWindow : public ::testing::Test
{
public:
    void TearDown() override
    {
        window.reset();
        QLocale::setDefault(m_savedLocale);
    }

    // Starts the program in the working directory, which the caller has filled, and shows the window.
    void startAndShow()
    {
        window = startUp(state, dialogs, m_dir.path(), QLocale());
        ASSERT_TRUE(window) << dialogs.messages.join(u'|').toStdString();
        ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(u'|').toStdString();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    bool workingDirIsValid() const { return m_dir.isValid(); }
    QString workingDir() const { return m_dir.path(); }

    SharedState state;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;

private:
    QLocale m_savedLocale;
    QTemporaryDir m_dir;
};

class WindowTest : public StartedMainWindow
{
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale::c());
        ASSERT_TRUE(workingDirIsValid());
        ASSERT_TRUE(writeBaseFile(workingDir(), QStringLiteral("Base-Date"), testCatalogueLines()));
        ASSERT_TRUE(copyBaseFile(workingDir(), QStringLiteral("Sxemm"),
                                 QStringLiteral(ORVIKA_SOURCE_DIR "/data/Base/Sxemm")));
        startAndShow();
    }

    // Leaves results behind as a finished calculation would, so a reset shows.
    void leaveResults()
    {
        state.workingTotals = {5, 70, 3};
        state.cabinetCount = 2;
        state.selectorCount = 4;
        state.ampGroupCount = 3;
        state.ampPowerFound = true;
        state.calculationDone = true;
    }

    bool resultsDropped() const
    {
        return state.workingTotals == Totals{} && state.cabinetCount == 0 && state.selectorCount == 1 &&
               state.ampGroupCount == 0 && !state.ampPowerFound && !state.calculationDone;
    }

    bool resultsKept() const
    {
        return state.workingTotals == Totals{5, 70, 3} && state.cabinetCount == 2 &&
               state.selectorCount == 4 && state.ampGroupCount == 3 && state.ampPowerFound &&
               state.calculationDone;
    }
};

// Texts of a list, top to bottom.
inline QStringList lines(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

// A click on the box's indicator, where the user clicks.
inline void click(QCheckBox *box)
{
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    QTest::mouseClick(box, Qt::LeftButton, {}, indicator.center());
}

inline void click(QRadioButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect indicator = button->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, button);
    QTest::mouseClick(button, Qt::LeftButton, {}, indicator.center());
}

inline void click(QPushButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

enum class Arrow { Up, Down };

// Clicks the spinner's upper or lower arrow button.
inline void click(Spinner *spinner, Arrow arrow, int times = 1)
{
    const QRect sub = spinnerArrowRect(spinner, QStyle::SC_ScrollBarSubLine);
    const QRect add = spinnerArrowRect(spinner, QStyle::SC_ScrollBarAddLine);
    const QRect upper = sub.top() < add.top() ? sub : add;
    const QRect lower = sub.top() < add.top() ? add : sub;
    for (int n = 0; n < times; ++n)
        QTest::mouseClick(spinner, Qt::LeftButton, {}, (arrow == Arrow::Up ? upper : lower).center());
}

// Types a text key by key; characters without a key of their own on the test keyboard (Cyrillic)
// come as the key events an input of that character produces.
inline void typeText(QWidget *widget, const QString &text)
{
    for (const QChar character : text) {
        if (character.unicode() < 0x80) {
            QTest::keyClicks(widget, QString(character));
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(widget, &release);
    }
}

// Picks an item from the picker's drop-down list as the user does: opens the list, moves to the item
// and presses Enter on it. A disabled picker cannot be opened by the user, so nothing happens then.
inline void pick(QComboBox *combo, const QString &item)
{
    const int row = combo->findText(item);
    ASSERT_GE(row, 0) << item.toStdString();
    if (!combo->isEnabled())
        return;
    combo->showPopup();
    QAbstractItemView *view = combo->view();
    ASSERT_TRUE(view->isVisible());
    view->setCurrentIndex(combo->model()->index(row, combo->modelColumn()));
    QTest::keyClick(view, Qt::Key_Return);
    ASSERT_FALSE(view->isVisible());
}

} // namespace orvika::test
