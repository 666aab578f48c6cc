#include "document_window.h"
#include "ui/picture_window.h"

#include <QProcess>
#include <QPushButton>
#include <QWheelEvent>

// "Вид шкафа…" and "Блок-схема…": a window each over the calculation List3 shows.
namespace orvika::test::documents {
namespace {

class PictureWindows : public OpenWindowTest
{
protected:
    void SetUp() override
    {
        OpenWindowTest::SetUp();
        if (HasFatalFailure())
            return;
        stateSmallInstallation(*w->window);
        QTest::mouseClick(w->window->CmdUs, Qt::LeftButton);
        w->dialogs.takeMessages();
    }

    PictureWindow *open(QAction *action, const char *name)
    {
        action->trigger();
        auto *window = w->window->findChild<PictureWindow *>(QString::fromLatin1(name));
        EXPECT_TRUE(window && window->isVisible()) << name;
        return window;
    }
};

struct ViewCase
{
    const char *label;
    QAction *MainWindow::*action;
    const char *objectName;
    const char *title;
};

void PrintTo(const ViewCase &value, std::ostream *out)
{
    *out << value.label;
}

class Views : public PictureWindows, public ::testing::WithParamInterface<ViewCase>
{
};

TEST_P(Views, ZoomWithTheWheelAndKeysAndSaveAsSvgAndPng)
{
    const ViewCase &c = GetParam();
    PictureWindow *window = open(w->window.get()->*c.action, c.objectName);
    ASSERT_TRUE(window);
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(c.title));
    EXPECT_NE(window->minimumSize(), window->maximumSize()) << "resizable";

    const double start = window->zoom();
    auto *canvas = window->findChild<QWidget *>(QStringLiteral("pictureCanvas"));
    ASSERT_TRUE(canvas);
    QWheelEvent up(QPointF(5, 5), canvas->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(canvas, &up);
    EXPECT_GT(window->zoom(), start);
    QTest::keyClick(window, Qt::Key_Minus, Qt::ControlModifier);
    QTest::keyClick(window, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_LT(window->zoom(), start);
    QTest::keyClick(window, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(window->zoom(), start);
    EXPECT_EQ(canvas->size(), canvas->sizeHint());
    // The picture on white, as it prints; its corner is its margin.
    EXPECT_EQ(canvas->grab().toImage().pixelColor(1, 1), QColor(Qt::white));

    const QString stem = QString::fromUtf8(c.title);
    for (const auto &[button, extension, magic] :
         {std::tuple{window->saveSvgButton, ".svg", QByteArray("<?xml")},
          std::tuple{window->savePngButton, ".png", QByteArray("\x89PNG")},
          std::tuple{window->saveDxfButton, ".dxf", QByteArray("999\n")}}) {
        w->dialogs.fileCalls.clear();
        w->dialogs.fileAnswers.enqueue(dir.filePath(QStringLiteral("рисунок") + QLatin1String(extension)));
        QTest::mouseClick(button, Qt::LeftButton);
        ASSERT_EQ(w->dialogs.fileCalls.size(), 1);
        EXPECT_EQ(w->dialogs.fileCalls[0].folder, dir.path());
        EXPECT_EQ(w->dialogs.fileCalls[0].proposedName, stem + QLatin1String(extension));
        EXPECT_EQ(w->dialogs.takeMessages(),
                  QStringList{QStringLiteral("Сохранено как: рисунок") + QLatin1String(extension)});
        EXPECT_TRUE(dir.read(QStringLiteral("рисунок") + QLatin1String(extension)).startsWith(magic));
    }
    // Cancel writes nothing and says nothing.
    QTest::mouseClick(window->saveSvgButton, Qt::LeftButton);
    EXPECT_TRUE(w->dialogs.takeMessages().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, Views,
    ::testing::Values(ViewCase{"Rack", &MainWindow::rackViewAction, "rackWindow", "Вид шкафа"},
                      ViewCase{"Diagram", &MainWindow::diagramViewAction, "diagramWindow", "Блок-схема"}),
    [](const ::testing::TestParamInfo<ViewCase> &info) { return std::string(info.param.label); });

TEST_F(PictureWindows, ThePdfGivesEachPictureAPageOfItsOwn)
{
    w->dialogs.fileAnswers.enqueue(dir.filePath(QStringLiteral("с рисунками.pdf")));
    w->window->exportPdfAction->trigger();
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {dir.filePath(QStringLiteral("с рисунками.pdf")), QStringLiteral("-")});
    ASSERT_TRUE(process.waitForFinished(60000));
    const QStringList pages =
        QString::fromUtf8(process.readAllStandardOutput()).split(u'\f', Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 3);
    EXPECT_TRUE(pages[pages.size() - 2].trimmed().startsWith(QStringLiteral("Вид шкафа")));
    EXPECT_TRUE(pages.last().contains(QStringLiteral("Примерная блок-схема")));
    EXPECT_TRUE(pages.last().contains(QStringLiteral("Стр. %1 из %1").arg(pages.size())));
}

} // namespace
} // namespace orvika::test::documents
