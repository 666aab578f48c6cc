#include "document_window.h"
#include "ui/compare_window.h"
#include "ui/picture_window.h"

#include <QFileInfo>
#include <unistd.h>

// The window's save dialogs refuse a file a document must never replace, however the path is spelt:
// the report of the calculation shown, its card, the catalogue and the library.
namespace orvika::test::documents {
namespace {

struct RefusedCase
{
    const char *label;
    QAction *MainWindow::*action;
    const char *pictureWindow; // the button of this picture window saves; none when null
    const char *answer;        // the path the dialog answers, in the working directory
    const char *spared;        // the file it reaches, and what the message calls it
};

void PrintTo(const RefusedCase &value, std::ostream *out)
{
    *out << value.label;
}

class RefusedOutputs : public OpenWindowTest, public ::testing::WithParamInterface<RefusedCase>
{
protected:
    void SetUp() override
    {
        OpenWindowTest::SetUp();
        if (HasFatalFailure())
            return;
        stateSmallInstallation(*w->window);
        QTest::mouseClick(w->window->CmdUs, Qt::LeftButton);
        ASSERT_EQ(w->dialogs.takeMessages(), QStringList{Done});
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("папка")));
        QFile library(dir.filePath(QStringLiteral("loudspeakers.json")));
        ASSERT_TRUE(library.open(QIODevice::WriteOnly));
        library.write(R"({"format": "orvika-loudspeakers", "version": 1, "loudspeakers": []})");
        ASSERT_EQ(::symlink("../Base/Base-Date",
                            QFile::encodeName(dir.filePath(QStringLiteral("папка/каталог.pdf")))),
                  0);
        ASSERT_EQ(::link(QFile::encodeName(dir.filePath(Report)),
                         QFile::encodeName(dir.filePath(QStringLiteral("копия.svg")))),
                  0);
    }
};

TEST_P(RefusedOutputs, SayWhichFileItIsAndWriteNothing)
{
    const RefusedCase &c = GetParam();
    const QString spared = QString::fromUtf8(c.spared).section(u'«', 1).chopped(1);
    const QString sparedPath =
        spared == u"Base-Date" || spared == u"Sxemm" ? QStringLiteral("Base/") + spared : spared;
    const QByteArray before = dir.read(sparedPath);
    ASSERT_FALSE(before.isEmpty());

    const QString answer = dir.filePath(QString::fromUtf8(c.answer));
    w->dialogs.fileAnswers.enqueue(answer);
    (w->window.get()->*c.action)->trigger();
    if (c.pictureWindow) {
        auto *picture = w->window->findChild<PictureWindow *>(QStringLiteral("rackWindow"));
        ASSERT_TRUE(picture);
        QPushButton *button = QString::fromLatin1(c.pictureWindow) == u"svg"   ? picture->saveSvgButton
                              : QString::fromLatin1(c.pictureWindow) == u"png" ? picture->savePngButton
                                                                               : picture->saveDxfButton;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    EXPECT_EQ(w->dialogs.fileCalls.size(), 1);
    EXPECT_EQ(w->dialogs.takeMessages(),
              QStringList{QStringLiteral("Нельзя записать документ в «%1»: это %2.")
                              .arg(QFileInfo(answer).fileName(), QString::fromUtf8(c.spared))});
    EXPECT_EQ(dir.read(sparedPath), before);
}

const char *const TheReport = "сохранённая спецификация «Спецификация.dat»";

INSTANTIATE_TEST_SUITE_P(
    , RefusedOutputs,
    ::testing::Values(
        RefusedCase{"PdfOverTheReport", &MainWindow::exportPdfAction, nullptr, "Спецификация.dat", TheReport},
        RefusedCase{"CsvOverItsCard", &MainWindow::exportCsvAction, nullptr, "папка/../Спецификация.json",
                    "файл сведений о проекте «Спецификация.json»"},
        RefusedCase{"ExcelOverTheLibrary", &MainWindow::exportExcelAction, nullptr, "Base/./Sxemm",
                    "библиотека блок-схем «Sxemm»"},
        RefusedCase{"Form1ThroughALinkToTheCatalogue", &MainWindow::exportGostPdfAction, nullptr,
                    "папка/каталог.pdf", "каталог оборудования «Base-Date»"},
        RefusedCase{"SchemeOverTheReport", &MainWindow::exportSchemePdfAction, nullptr, "./Спецификация.dat",
                    TheReport},
        RefusedCase{"CalculationsOverTheLoudspeakerLibrary", &MainWindow::exportCalculationsOdtAction,
                    nullptr, "loudspeakers.json", "библиотека громкоговорителей «loudspeakers.json»"},
        RefusedCase{"SvgOverAHardLinkToTheReport", &MainWindow::rackViewAction, "svg", "копия.svg",
                    TheReport},
        RefusedCase{"DxfOverTheCatalogue", &MainWindow::rackViewAction, "dxf", "папка/../Base/Base-Date",
                    "каталог оборудования «Base-Date»"}),
    [](const ::testing::TestParamInfo<RefusedCase> &info) { return std::string(info.param.label); });

// The comparison's CSV is no document of the report either, and is refused the same files.
TEST_F(RefusedOutputs, ComparisonCsvOverTheReport)
{
    const QByteArray before = dir.read(Report);
    w->dialogs.fileAnswers.enqueue(dir.filePath(Report));
    w->window->compareWithSavedAction->trigger();
    auto *compared = w->window->findChild<CompareWindow *>(QStringLiteral("compareWindow"));
    ASSERT_TRUE(compared);
    w->dialogs.takeMessages();
    w->dialogs.fileAnswers.enqueue(dir.filePath(QStringLiteral("папка/../") + Report));
    QTest::mouseClick(compared->saveCsvButton, Qt::LeftButton);
    EXPECT_EQ(w->dialogs.takeMessages(),
              QStringList{QStringLiteral("Нельзя записать документ в «Спецификация.dat»: это %1.")
                              .arg(QString::fromUtf8(TheReport))});
    EXPECT_EQ(dir.read(Report), before);
}

} // namespace
} // namespace orvika::test::documents
