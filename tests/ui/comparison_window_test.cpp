#include "document_window.h"
#include "ui/compare_window.h"
#include "ui/recheck_window.h"

#include <QProgressBar>
#include <QTableWidget>

// "Сравнить с сохранённой…", "Сравнить две сохранённые…" and "Проверить сохранённые…".
namespace orvika::test::documents {
namespace {

QStringList column(const QTableWidget *table, int column)
{
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row)
        texts.append(table->item(row, column)->text());
    return texts;
}

class Comparisons : public OpenWindowTest
{
protected:
    // Composes the small installation; its report is kept as the named copy.
    void composeAndKeep(const QString &name)
    {
        stateSmallInstallation(m());
        QTest::mouseClick(m().CmdUs, Qt::LeftButton);
        ASSERT_TRUE(QFile::copy(dir.filePath(ReportFileName), dir.filePath(name)));
        w->dialogs.takeMessages();
    }

    template <typename Window> Window *opened(const char *name)
    {
        auto *window = m().findChild<Window *>(QString::fromLatin1(name));
        EXPECT_TRUE(window && window->isVisible()) << name;
        return window;
    }
};

TEST_F(Comparisons, TheProposalShownAgainstASavedReport)
{
    composeAndKeep(QStringLiteral("прежний.dat"));
    // A fan requirement more: the distribution unit's count and the requirements differ.
    QTest::mouseClick(m().ChkBL, Qt::LeftButton, {}, QPoint(2, m().ChkBL->height() / 2));
    QTest::mouseClick(m().CmdUs, Qt::LeftButton);
    w->dialogs.takeMessages();

    w->dialogs.fileAnswers.enqueue(dir.filePath(QStringLiteral("прежний.dat")));
    m().compareWithSavedAction->trigger();
    ASSERT_EQ(w->dialogs.fileCalls.size(), 1);
    EXPECT_EQ(w->dialogs.fileCalls[0].folder, dir.path());
    auto *window = opened<CompareWindow>("compareWindow");
    ASSERT_TRUE(window);
    EXPECT_EQ(column(window->requirementsTable, 0), QStringList{QStringLiteral("+")});
    EXPECT_EQ(column(window->requirementsTable, 3), QStringList{QStringLiteral("- Наличие вентиляторов")});
    EXPECT_EQ(window->equipmentTable->rowCount(), 0);

    // Saved as CSV through the file dialog.
    w->dialogs.fileAnswers.enqueue(dir.filePath(QStringLiteral("разница.csv")));
    QTest::mouseClick(window->saveCsvButton, Qt::LeftButton);
    EXPECT_EQ(w->dialogs.takeMessages(), QStringList{QStringLiteral("Сохранено как: разница.csv")});
    EXPECT_TRUE(dir.read(QStringLiteral("разница.csv")).contains("Требования;- Наличие вентиляторов;;"));
}

TEST_F(Comparisons, TwoSavedReportsOrWhyOneCannotBeCompared)
{
    composeAndKeep(QStringLiteral("а.dat"));
    ASSERT_TRUE(
        dir.write(QStringLiteral("б.dat"), dir.read(QStringLiteral("а.dat")).replace("- 1 ", "- 3 ")));
    w->dialogs.fileAnswers.enqueue(dir.filePath(QStringLiteral("а.dat")));
    w->dialogs.fileAnswers.enqueue(dir.filePath(QStringLiteral("б.dat")));
    m().compareTwoSavedAction->trigger();
    auto *window = opened<CompareWindow>("compareWindow");
    ASSERT_TRUE(window);
    EXPECT_EQ(column(window->equipmentTable, 0), (QStringList{QStringLiteral("±"), QStringLiteral("±"),
                                                              QStringLiteral("±"), QStringLiteral("±")}));
    EXPECT_EQ(column(window->equipmentTable, 1).first(), QStringLiteral("Источники"));
    window->close();
    QApplication::processEvents();

    ASSERT_TRUE(dir.write(QStringLiteral("чужой.dat"), "не спецификация\r\n"));
    w->dialogs.fileAnswers.enqueue(dir.filePath(QStringLiteral("чужой.dat")));
    w->dialogs.fileAnswers.enqueue(dir.filePath(QStringLiteral("а.dat")));
    m().compareTwoSavedAction->trigger();
    EXPECT_EQ(w->dialogs.takeMessages(), QStringList{QStringLiteral("чужой.dat: это не спецификация")});
    EXPECT_FALSE(m().findChild<CompareWindow *>());
}

TEST_F(Comparisons, RecheckListsEveryFileAndShowsADifferenceOnAClick)
{
    composeAndKeep(QStringLiteral("а.dat"));
    ASSERT_TRUE(dir.write(QStringLiteral("б.dat"),
                          dir.read(QStringLiteral("а.dat")).replace("(500) - 1 ", "(500) - 2 ")));
    ASSERT_TRUE(dir.write(QStringLiteral("в.dat"), "не спецификация\r\n"));

    m().recheckSavedAction->trigger();
    auto *window = opened<RecheckWindow>("recheckWindow");
    ASSERT_TRUE(window);
    QTRY_VERIFY(!window->running());
    // In the order of their names: capitals first.
    EXPECT_EQ(column(window->resultTable, 0),
              (QStringList{ReportFileName, QStringLiteral("а.dat"), QStringLiteral("б.dat"),
                           QStringLiteral("в.dat")}));
    EXPECT_EQ(column(window->resultTable, 1),
              (QStringList{QStringLiteral("без изменений"), QStringLiteral("без изменений"),
                           QStringLiteral("изменилось (1)"), QStringLiteral("ошибка: это не спецификация")}));
    EXPECT_EQ(window->progress->value(), 4);
    EXPECT_FALSE(window->cancelButton->isEnabled());

    emit window->resultTable->cellClicked(0, 0); // unchanged: nothing to show
    EXPECT_FALSE(window->findChild<CompareWindow *>());
    emit window->resultTable->cellClicked(2, 0);
    auto *difference = window->findChild<CompareWindow *>();
    ASSERT_TRUE(difference);
    EXPECT_EQ(column(difference->equipmentTable, 2).first(),
              QStringLiteral("K-3512 Усилитель мощности (500)"));
}

TEST_F(Comparisons, ARecheckCanBeCancelled)
{
    composeAndKeep(QStringLiteral("а.dat"));
    for (const char *name : {"б.dat", "в.dat", "г.dat"})
        ASSERT_TRUE(
            QFile::copy(dir.filePath(QStringLiteral("а.dat")), dir.filePath(QString::fromUtf8(name))));
    m().recheckSavedAction->trigger();
    auto *window = opened<RecheckWindow>("recheckWindow");
    ASSERT_TRUE(window);
    QTest::mouseClick(window->cancelButton, Qt::LeftButton); // before the first file is taken
    QTest::qWait(50);
    EXPECT_FALSE(window->running());
    EXPECT_LT(window->resultTable->rowCount(), 5);
}

} // namespace
} // namespace orvika::test::documents
