#include "cli/command_line.h"

#include "app/shared_state.h"
#include "app/startup.h"
#include "catalogue/text_file.h"
#include "cli/stream_dialogs.h"
#include "documents/bill_csv.h"
#include "documents/bill_xlsx.h"
#include "documents/document_content.h"
#include "documents/pdf_export.h"
#include "pictures/picture.h"
#include "pictures/proposal_pictures.h"
#include "ui/main_window.h"
#include "ui/report_loader.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace orvika {
namespace {

const QStringList ExportFormats = {QStringLiteral("pdf"), QStringLiteral("csv"), QStringLiteral("xlsx"),
                                   QStringLiteral("rack-svg"), QStringLiteral("diagram-svg")};

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

int usageError(const QString &text)
{
    print(stderr, text + QStringLiteral("\nПодробнее: orvika --help\n"));
    return ExitUsage;
}

std::optional<QString> writeDocument(const QString &format, const QString &path, const Catalogue &catalogue,
                                     const MainWindow::FinishedCalculation &finished)
{
    const Requirements &requirements = finished.requirements;
    const Proposal &proposal = finished.proposal;
    if (format == u"rack-svg")
        return writePictureSvg(path, proposalRackPicture(catalogue, requirements, proposal));
    if (format == u"diagram-svg")
        return writePictureSvg(path, proposalDiagramPicture(catalogue, requirements, proposal));
    DocumentContent content =
        composeDocument(catalogue, requirements, proposal, QDate::currentDate(), QLocale::system());
    if (format == u"pdf") {
        content.pictures = proposalPictures(catalogue, requirements, proposal);
        return writeDocumentPdf(path, content);
    }
    if (format == u"csv")
        return writeFileAtomically(path, billAsCsv(content));
    return writeBillXlsx(path, content);
}

// Loads the report as "Загрузить спецификацию" does, composes as "Составить спецификацию" does (the
// report itself is not written) and writes the document of the proposal.
int exportDocument(const QString &format, const QString &reportPath, const QString &outputPath)
{
    SharedState state;
    StreamDialogs dialogs;
    const std::unique_ptr<MainWindow> window =
        startUp(state, dialogs, QDir::currentPath(), QLocale::system());
    if (!window || !loadReport(*window, QDir::current().absoluteFilePath(reportPath)))
        return ExitFailed;
    const std::optional<MainWindow::FinishedCalculation> finished = window->runCalculation();
    window->ОчистСпиУс();
    if (!finished)
        return ExitFailed;

    if (const auto error = writeDocument(format, outputPath, state.catalogue, *finished)) {
        dialogs.message(nullptr, writeFailureMessage(QFileInfo(outputPath).fileName(), *error));
        return ExitFailed;
    }
    return ExitDone;
}

} // namespace

bool wantsCommandLine(int argc, char *argv[])
{
    (void)argv;
    return argc > 1;
}

int runCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Составление спецификации оборудования системы оповещения.\n"
        "Без параметров открывается окно программы; данные (Base/) берутся из текущей папки."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption exportOption(
        QStringLiteral("export"),
        QStringLiteral(
            "Составить спецификацию по сохранённому отчёту и записать документ: pdf, csv или xlsx, "
            "или рисунок: rack-svg (вид шкафа), diagram-svg (блок-схема). "
            "Файл \"Спецификация.dat\" не изменяется."),
        QStringLiteral("формат"));
    const QCommandLineOption outputOption(QStringLiteral("output"), QStringLiteral("Файл документа."),
                                          QStringLiteral("файл"));
    parser.addOption(exportOption);
    parser.addOption(outputOption);
    parser.addPositionalArgument(
        QStringLiteral("ОТЧЁТ.dat"),
        QStringLiteral("Сохранённая спецификация, читаемая как при её загрузке в окне."));

    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help)) {
        print(stdout, parser.helpText());
        return ExitDone;
    }
    if (parser.isSet(version)) {
        print(stdout,
              QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n');
        return ExitDone;
    }
    if (!parser.isSet(exportOption))
        return usageError(
            QStringLiteral("Не указано, что делать: --export pdf|csv|xlsx|rack-svg|diagram-svg."));
    const QString format = parser.value(exportOption);
    if (!ExportFormats.contains(format))
        return usageError(
            QStringLiteral("Неизвестный формат документа: %1 (pdf, csv, xlsx, rack-svg или diagram-svg).")
                .arg(format));
    const QString output = parser.value(outputOption);
    if (output.isEmpty())
        return usageError(QStringLiteral("Не указан файл документа: --output ФАЙЛ."));
    const QStringList reports = parser.positionalArguments();
    if (reports.size() != 1)
        return usageError(reports.isEmpty() ? QStringLiteral("Не указан файл сохранённой спецификации.")
                                            : QStringLiteral("Указано больше одного файла спецификации."));
    return exportDocument(format, reports.first(), output);
}

} // namespace orvika
