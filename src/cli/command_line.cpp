#include "cli/command_line.h"

#include "app/qt_translation.h"
#include "app/user_data.h"
#include "cli/commands.h"
#include "cli/stream_dialogs.h"
#include "engine/dialog_seam.h"
#include "engine/protected_files.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <memory>

namespace orvika {
namespace {

const char *const UserDataFlag = "--user-data";

// How many of the arguments are --user-data, which alone still opens the window.
int userDataFlags(int argc, char *argv[])
{
    int flags = 0;
    for (int i = 1; i < argc; ++i)
        flags += std::strcmp(argv[i], UserDataFlag) == 0 ? 1 : 0;
    return flags;
}

int usageError(const QString &text)
{
    print(stderr, text + QStringLiteral("\nПодробнее: orvika --help\n"));
    return ExitUsage;
}

// The output must not take the place of a file the program reads: the reports named, their cards,
// the card given and the data files of the working directory.
std::optional<QString> outputRefusal(const QString &output, const QStringList &reports, const QString &card,
                                     const QString &prices)
{
    QList<ProtectedFile> files = dataFiles(QDir::currentPath());
    for (const QString &report : reports)
        files += reportFiles(report);
    if (!card.isEmpty())
        files.append(cardFile(card));
    if (!prices.isEmpty())
        files.append({prices, QStringLiteral("прайс-лист")});
    const std::optional<ProtectedFile> taken = protectedFileAt(output, files);
    if (!taken)
        return std::nullopt;
    return refusalMessage(output, *taken);
}

} // namespace

bool wantsCommandLine(int argc, char *argv[])
{
    return argc - 1 > userDataFlags(argc, argv);
}

bool wantsUserData(int argc, char *argv[])
{
    return userDataFlags(argc, argv) > 0;
}

namespace {

// The options of the command line, for deciding what the application must be and for running it.
struct Options
{
    Options();

    QCommandLineParser parser;
    const QCommandLineOption help{parser.addHelpOption()};
    const QCommandLineOption version{parser.addVersionOption()};
    const QCommandLineOption userDataOption{
        QStringLiteral("user-data"),
        QStringLiteral("Работать в папке данных пользователя ($XDG_DATA_HOME/orvika, по умолчанию "
                       "~/.local/share/orvika); каталог и библиотека схем копируются туда из пакета, "
                       "если их там нет. Сочетается с любым из режимов.")};
    const QCommandLineOption exportOption{
        QStringLiteral("export"),
        QStringLiteral(
            "Составить спецификацию по сохранённому отчёту ОТЧЁТ.dat и записать документ: pdf, csv "
            "или xlsx, спецификацию по ГОСТ 21.110: gost-pdf или gost-xlsx, линии громкоговорителей: "
            "lines-csv, расчёт уровня звука: acoustics-csv (помещения), calculations-pdf или "
            "calculations-odt (расчёты для пояснительной записки), коммерческое предложение: offer-pdf, "
            "offer-xlsx или offer-csv (с прайс-листом --prices), схему структурную: scheme-pdf, "
            "или рисунок: rack-svg "
            "(вид шкафа), diagram-svg (блок-схема), чертёж для САПР: rack-dxf, diagram-dxf. "
            "Файл \"Спецификация.dat\" не изменяется. Код завершения 0 — документ записан, 3 — записан, "
            "но не совпадает с сохранённой спецификацией (строки названы)."),
        QStringLiteral("формат")};
    const QCommandLineOption compareOption{
        QStringLiteral("compare"),
        QStringLiteral(
            "Сравнить две сохранённые спецификации A.dat (прежнюю) и B.dat (новую); разница в CSV. "
            "Код завершения 0 — не различаются, 1 — различаются, 2 — файл не прочитан.")};
    const QCommandLineOption recheckOption{
        QStringLiteral("recheck"),
        QStringLiteral(
            "Составить заново с сегодняшним каталогом каждую спецификацию *.dat папки ПАПКА "
            "(по умолчанию текущей) и сравнить с сохранённой. Код завершения 0 — все без изменений.")};
    const QCommandLineOption projectOption{
        QStringLiteral("project"),
        QStringLiteral("Сведения о проекте для --export (основная надпись, объект, поставщик); по "
                       "умолчанию — файл .json с именем отчёта рядом с ним, если он есть."),
        QStringLiteral("файл.json")};
    const QCommandLineOption pricesOption{
        QStringLiteral("prices"),
        QStringLiteral("Прайс-лист (CSV или XLSX) для коммерческого предложения (offer-pdf, offer-xlsx, "
                       "offer-csv). Позиции без цены называются в стандартном потоке ошибок и в сумму не "
                       "включаются; текущий прайс-лист программы не заменяется."),
        QStringLiteral("файл")};
    const QCommandLineOption priceColumnsOption{
        QStringLiteral("price-columns"),
        QStringLiteral("Столбцы прайс-листа, если их не видно по заголовку (номера с 1): "
                       "model=N,price=M[,currency=K][,name=L]."),
        QStringLiteral("столбцы")};
    const QCommandLineOption outputOption{
        QStringLiteral("output"),
        QStringLiteral("Файл документа (для --compare: файл CSV вместо вывода). Спецификация, её сведения "
                       "о проекте, каталог и библиотека схем не заменяются."),
        QStringLiteral("файл")};
};

Options::Options()
{
    parser.setApplicationDescription(QStringLiteral(
        "Составление спецификации оборудования системы оповещения.\n"
        "Без параметров открывается окно программы; данные (Base/) берутся из текущей папки."));
    parser.addOptions({exportOption, compareOption, recheckOption, outputOption, projectOption, pricesOption,
                       priceColumnsOption, userDataOption});
    parser.addPositionalArgument(
        QStringLiteral("файлы"),
        QStringLiteral("--export: ОТЧЁТ.dat; --compare: A.dat B.dat; --recheck: [ПАПКА]."),
        QStringLiteral("[ОТЧЁТ.dat | A.dat B.dat | ПАПКА]"));
}

// What the parsed arguments ask of the application object.
ApplicationKind kindOf(const Options &options, bool parsed)
{
    if (!parsed || !options.parser.isSet(options.exportOption))
        return ApplicationKind::Core;
    return PaintedFormats.contains(options.parser.value(options.exportOption)) ? ApplicationKind::Gui
                                                                               : ApplicationKind::Core;
}

int run(Options &options, bool parsed)
{
    QCommandLineParser &parser = options.parser;
    if (!parsed)
        return usageError(parser.errorText());
    if (parser.isSet(options.help)) {
        print(stdout, parser.helpText());
        return ExitDone;
    }
    if (parser.isSet(options.version)) {
        print(stdout,
              QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n');
        return ExitDone;
    }
    const int modes = int(parser.isSet(options.exportOption)) + int(parser.isSet(options.compareOption)) +
                      int(parser.isSet(options.recheckOption));
    if (modes == 0)
        return usageError(QStringLiteral("Не указано, что делать: --export, --compare или --recheck."));
    if (modes > 1)
        return usageError(QStringLiteral("Укажите что-то одно: --export, --compare или --recheck."));
    QStringList files = parser.positionalArguments();
    QString output = parser.value(options.outputOption);
    QString project = parser.value(options.projectOption);
    QString prices = parser.value(options.pricesOption);
    if (parser.isSet(options.projectOption) && !parser.isSet(options.exportOption))
        return usageError(QStringLiteral("Сведения о проекте (--project) указываются только для --export."));
    const bool offer = OfferFormats.contains(parser.value(options.exportOption));
    if ((parser.isSet(options.pricesOption) || parser.isSet(options.priceColumnsOption)) && !offer)
        return usageError(QStringLiteral(
            "Прайс-лист (--prices, --price-columns) указывается только для коммерческого предложения "
            "(--export offer-pdf, offer-xlsx или offer-csv)."));
    if (offer && prices.isEmpty())
        return usageError(QStringLiteral("Не указан прайс-лист: --prices ФАЙЛ."));
    std::optional<PriceColumns> columns;
    if (parser.isSet(options.priceColumnsOption)) {
        QString why;
        columns = parseColumnChoice(parser.value(options.priceColumnsOption), &why);
        if (!columns)
            return usageError(QStringLiteral("Столбцы прайс-листа (--price-columns) не приняты: ") + why);
    }
    if (parser.isSet(options.userDataOption)) {
        // The files named are found from where the program was started, not in the data folder.
        for (QString &file : files)
            file = QDir::current().absoluteFilePath(file);
        if (!output.isEmpty())
            output = QDir::current().absoluteFilePath(output);
        if (!project.isEmpty())
            project = QDir::current().absoluteFilePath(project);
        if (!prices.isEmpty())
            prices = QDir::current().absoluteFilePath(prices);
        if (const std::optional<QString> failure = enterUserDataFolder()) {
            print(stderr, *failure + u'\n');
            return ExitFailed;
        }
    }

    if (!output.isEmpty()) {
        if (const std::optional<QString> refusal = outputRefusal(output, files, project, prices)) {
            print(stderr, *refusal + u'\n');
            return ExitUsage;
        }
    }

    if (parser.isSet(options.compareOption)) {
        if (files.size() != 2)
            return usageError(QStringLiteral("Для сравнения нужны два файла: A.dat B.dat."));
        return compareReportFiles(files[0], files[1], output);
    }
    if (parser.isSet(options.recheckOption)) {
        if (files.size() > 1)
            return usageError(QStringLiteral("Для проверки указывается одна папка."));
        return recheckFolder(files.isEmpty() ? QDir::currentPath() : files.first());
    }

    const QString format = parser.value(options.exportOption);
    if (!ExportFormats.contains(format))
        return usageError(
            QStringLiteral("Неизвестный формат документа: %1 (pdf, csv, xlsx, gost-pdf, "
                           "gost-xlsx, lines-csv, acoustics-csv, calculations-pdf, calculations-odt, "
                           "offer-pdf, offer-xlsx, offer-csv, scheme-pdf, rack-svg, "
                           "diagram-svg, rack-dxf или diagram-dxf).")
                .arg(format));
    if (output.isEmpty())
        return usageError(QStringLiteral("Не указан файл документа: --output ФАЙЛ."));
    if (files.size() != 1)
        return usageError(files.isEmpty() ? QStringLiteral("Не указан файл сохранённой спецификации.")
                                          : QStringLiteral("Указано больше одного файла спецификации."));
    return exportDocument(format, files.first(), output, project,
                          {prices.isEmpty() ? prices : QDir::current().absoluteFilePath(prices), columns});
}

} // namespace

ApplicationKind applicationKindFor(const QStringList &arguments)
{
    Options options;
    return kindOf(options, options.parser.parse(arguments));
}

int runCommandLine(int &argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    // The arguments decide the application object, so they are parsed once before it exists.
    const std::unique_ptr<QCoreApplication> application =
        applicationKindFor(arguments) == ApplicationKind::Gui
            ? std::make_unique<QGuiApplication>(argc, argv)
            : std::make_unique<QCoreApplication>(argc, argv);
    application->setApplicationName(ApplicationTitle);
    application->setApplicationVersion(QStringLiteral(ORVIKA_VERSION));
    installQtTranslation(QLocale::system());
    // Qt's words of the help and its errors are taken in the user's language as the options are made.
    Options options;
    const bool parsed = options.parser.parse(arguments);
    return run(options, parsed);
}

} // namespace orvika
