#include "document_window.h"

#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <functional>

// "Документ": offered while List3 shows a calculation that wrote its report; each document asked for
// by name, written whole, and named in the message that follows.
namespace orvika::test::documents {
namespace {

QString pdfText(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

class DocumentMenu : public OpenWindowTest
{
protected:
    QList<QAction *> actions()
    {
        return {m().printDocumentAction,
                m().exportPdfAction,
                m().exportCsvAction,
                m().exportExcelAction,
                m().exportGostPdfAction,
                m().exportGostExcelAction,
                m().exportSchemePdfAction,
                m().exportCalculationsPdfAction,
                m().exportCalculationsOdtAction,
                m().rackViewAction,
                m().diagramViewAction,
                m().compareWithSavedAction};
    }

    // Whether the documents are offered, as the menu shows them.
    bool offered()
    {
        int enabled = 0;
        for (QAction *action : actions())
            enabled += action->isEnabled() ? 1 : 0;
        EXPECT_TRUE(enabled == 0 || enabled == actions().size()) << "all or none";
        return enabled == actions().size();
    }

    void compose() { QTest::mouseClick(m().CmdUs, Qt::LeftButton); }

    // Runs an export with the file dialog answered by the name (empty: Cancel); the messages shown.
    QStringList exportAs(QAction *action, const QString &name)
    {
        w->dialogs.takeMessages();
        w->dialogs.fileCalls.clear();
        if (!name.isEmpty())
            w->dialogs.fileAnswers.enqueue(dir.filePath(name));
        action->trigger();
        return w->dialogs.takeMessages();
    }
};

TEST_F(DocumentMenu, OfferedOnlyWhileList3ShowsACalculationThatWroteItsReport)
{
    EXPECT_FALSE(offered());
    stateSmallInstallation(m());
    compose();
    ASSERT_EQ(w->dialogs.takeMessages(), QStringList{Done});
    EXPECT_TRUE(offered());

    // A requirement changed since leaves List3 as it is, and the documents with it.
    QTest::mouseClick(m().ChkBL, Qt::LeftButton, {}, QPoint(2, m().ChkBL->height() / 2));
    ASSERT_TRUE(m().ChkBL->isChecked());
    EXPECT_TRUE(offered());

    // A calculation that stops.
    QTest::mouseClick(m().Opt2, Qt::LeftButton, {}, QPoint(2, m().Opt2->height() / 2));
    compose();
    EXPECT_FALSE(offered());

    // Offered again after a complete one, gone after a load.
    QTest::mouseClick(m().Opt1, Qt::LeftButton, {}, QPoint(2, m().Opt1->height() / 2));
    m().TxtP->clear();
    QTest::keyClicks(m().TxtP, QStringLiteral("300"));
    w->dialogs.takeMessages();
    compose();
    ASSERT_EQ(w->dialogs.takeMessages(), QStringList{Done});
    ASSERT_TRUE(offered());
    ASSERT_TRUE(loadThroughWindow(*w, ReportFileName));
    EXPECT_FALSE(offered());
}

TEST_F(DocumentMenu, NotOfferedWhenTheReportCouldNotBeWritten)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(ReportFileName));
    stateSmallInstallation(m());
    compose();
    EXPECT_FALSE(w->dialogs.takeMessages().value(0).startsWith(Done));
    EXPECT_GT(m().List3->count(), 0);
    EXPECT_FALSE(offered());
}

struct ExportCase
{
    const char *label;
    QAction *MainWindow::*action;
    const char *caption;
    const char *proposedName;
    std::function<bool(const QByteArray &)> isTheDocument;
};

void PrintTo(const ExportCase &value, std::ostream *out)
{
    *out << value.label;
}

class Exports : public DocumentMenu, public ::testing::WithParamInterface<ExportCase>
{
};

TEST_P(Exports, AskForTheNameInTheWorkingDirectoryAndWriteTheDocument)
{
    const ExportCase &c = GetParam();
    stateSmallInstallation(m());
    compose();
    const QByteArray report = dir.report();
    ASSERT_FALSE(report.isEmpty());

    const QString name = QString::fromUtf8(c.proposedName);
    EXPECT_EQ(exportAs(m().*c.action, name), QStringList{QStringLiteral("Сохранено как: ") + name});
    ASSERT_EQ(w->dialogs.fileCalls.size(), 1);
    EXPECT_EQ(w->dialogs.fileCalls[0].caption, QString::fromUtf8(c.caption));
    EXPECT_EQ(w->dialogs.fileCalls[0].folder, dir.path());
    EXPECT_EQ(w->dialogs.fileCalls[0].proposedName, name);
    EXPECT_TRUE(c.isTheDocument(dir.read(name)));
    EXPECT_EQ(dir.report(), report) << "the report is left as it is";

    // Cancel writes nothing and says nothing.
    ASSERT_TRUE(QFile::remove(dir.filePath(name)));
    EXPECT_EQ(exportAs(m().*c.action, QString()), QStringList());
    EXPECT_FALSE(QFile::exists(dir.filePath(name)));

    // A folder that is missing: the file is named with the reason, nothing is left.
    const QStringList failed = exportAs(m().*c.action, QStringLiteral("нет/") + name);
    ASSERT_EQ(failed.size(), 1);
    EXPECT_TRUE(failed[0].startsWith(QStringLiteral("Ошибка записи файла ") + name + QStringLiteral(": ")))
        << failed[0].toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Documents, Exports,
    ::testing::Values(ExportCase{"Pdf", &MainWindow::exportPdfAction, "Экспорт в PDF", "Спецификация.pdf",
                                 [](const QByteArray &bytes) { return bytes.startsWith("%PDF-"); }},
                      ExportCase{"Csv", &MainWindow::exportCsvAction, "Экспорт в CSV", "Спецификация.csv",
                                 [](const QByteArray &bytes) {
                                     return bytes.startsWith("\xEF\xBB\xBF\xE2\x84\x96;") &&
                                            bytes.contains(unit::MessageBlock4.toUtf8());
                                 }},
                      ExportCase{"Excel", &MainWindow::exportExcelAction, "Экспорт в Excel",
                                 "Спецификация.xlsx",
                                 [](const QByteArray &bytes) { return bytes.startsWith("PK"); }},
                      ExportCase{"GostPdf", &MainWindow::exportGostPdfAction, "Спецификация по ГОСТ 21.110",
                                 "Спецификация ГОСТ.pdf",
                                 [](const QByteArray &bytes) { return bytes.startsWith("%PDF-"); }},
                      ExportCase{"GostExcel", &MainWindow::exportGostExcelAction,
                                 "Спецификация по ГОСТ 21.110", "Спецификация ГОСТ.xlsx",
                                 [](const QByteArray &bytes) { return bytes.startsWith("PK"); }},
                      ExportCase{"SchemePdf", &MainWindow::exportSchemePdfAction, "Схема структурная",
                                 "Схема структурная.pdf",
                                 [](const QByteArray &bytes) { return bytes.startsWith("%PDF-"); }},
                      ExportCase{"CalculationsPdf", &MainWindow::exportCalculationsPdfAction,
                                 "Расчёт уровня звука", "Расчёт уровня звука.pdf",
                                 [](const QByteArray &bytes) { return bytes.startsWith("%PDF-"); }},
                      ExportCase{"CalculationsOdt", &MainWindow::exportCalculationsOdtAction,
                                 "Расчёт уровня звука", "Расчёт уровня звука.odt",
                                 [](const QByteArray &bytes) {
                                     return bytes.startsWith("PK") &&
                                            bytes.contains("application/vnd.oasis.opendocument.text");
                                 }}),
    [](const ::testing::TestParamInfo<ExportCase> &info) { return std::string(info.param.label); });

TEST_F(DocumentMenu, PrintingPaintsTheDocumentOnTheChosenPrinter)
{
    stateSmallInstallation(m());
    compose();
    w->dialogs.takeMessages();

    m().printDocumentAction->trigger(); // cancelled
    EXPECT_EQ(w->dialogs.printDialogs, 1);

    const QString printed = dir.filePath(QStringLiteral("напечатано.pdf"));
    w->dialogs.printerChoice = [&](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
        return true;
    };
    m().printDocumentAction->trigger();
    EXPECT_EQ(w->dialogs.printDialogs, 2);
    EXPECT_TRUE(w->dialogs.takeMessages().isEmpty());
    const QString text = pdfText(printed);
    EXPECT_TRUE(text.contains(QStringLiteral("Спецификация оборудования системы оповещения")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(unit::MessageBlock4.left(20)));
    EXPECT_TRUE(text.contains(QStringLiteral("Стр. 1 из 3"))) << "the text, the rack and the diagram";
}

TEST_F(DocumentMenu, EachProposedLineSaysWhyInTheDocuments)
{
    stateSmallInstallation(m());
    compose();
    exportAs(m().exportCsvAction, QStringLiteral("b.csv"));
    const QString csv = QString::fromUtf8(dir.read(QStringLiteral("b.csv")));
    for (int row = 0; row < m().List3->count(); ++row)
        EXPECT_TRUE(csv.contains(m().List3->item(row)->toolTip())) << row;
}

} // namespace
} // namespace orvika::test::documents
