#include "command_line_fixture.h"
#include "comparison/saved_report.h"
#include "report/report_writer.h"

#include <QFileInfo>

namespace orvika::test {
namespace {

struct ExportCase
{
    const char *format;
    const char *output;
    QByteArray start;
};

class Exports : public CommandLine, public ::testing::WithParamInterface<ExportCase>
{
};

TEST_P(Exports, WriteTheDocumentOfTheLoadedReportAndNothingElse)
{
    const QString output = QString::fromUtf8(GetParam().output);
    const Outcome result = run({QStringLiteral("--export"), QString::fromLatin1(GetParam().format),
                                QStringLiteral("--output"), output, QStringLiteral("отчёт.dat")});
    EXPECT_EQ(result.exitCode, 0) << result.errorLines.join(u'\n').toStdString();
    EXPECT_EQ(result.errorLines, QStringList());
    EXPECT_TRUE(read(output).startsWith(GetParam().start));
    QStringList expected{output, QStringLiteral("отчёт.dat")};
    expected.sort();
    EXPECT_EQ(files(), expected) << "no Спецификация.dat";
}

INSTANTIATE_TEST_SUITE_P(Formats, Exports,
                         ::testing::Values(ExportCase{"pdf", "документ.pdf", "%PDF-"},
                                           ExportCase{"csv", "документ.csv", "\xEF\xBB\xBF\xE2\x84\x96;"},
                                           ExportCase{"xlsx", "документ.xlsx", "PK"},
                                           ExportCase{"gost-pdf", "гост.pdf", "%PDF-"},
                                           ExportCase{"gost-xlsx", "гост.xlsx", "PK"},
                                           ExportCase{"scheme-pdf", "схема.pdf", "%PDF-"},
                                           ExportCase{"rack-svg", "шкаф.svg", "<?xml"},
                                           ExportCase{"diagram-svg", "схема.svg", "<?xml"},
                                           ExportCase{"rack-dxf", "шкаф.dxf", "999\n"},
                                           ExportCase{"diagram-dxf", "схема.dxf", "999\n"}),
                         [](const auto &info) {
                             return QString::fromLatin1(info.param.format).remove(u'-').toStdString();
                         });

// The project's card beside the report, or named, goes into the title block; a damaged one is told
// of and the document is made without it.
TEST_F(CommandLine, TheSpecificationInForm1NamesTheProjectOfItsCard)
{
    const auto write = [this](const QString &name, const QByteArray &bytes) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    const auto pdfText = [this](const QString &name) {
        QProcess process;
        process.start(QStringLiteral("pdftotext"), {dir.filePath(name), QStringLiteral("-")});
        process.waitForFinished(60000);
        return QString::fromUtf8(process.readAllStandardOutput());
    };
    const auto gostPdf = [this](const QStringList &more) {
        return run(QStringList{QStringLiteral("--export"), QStringLiteral("gost-pdf"),
                               QStringLiteral("--output"), QStringLiteral("гост.pdf")} +
                   more + QStringList{QStringLiteral("отчёт.dat")});
    };
    write(QStringLiteral("отчёт.json"), R"({"format": "orvika-project", "object": "Школа № 5",
        "designation": "05-26-СОУЭ.С", "supplier": "ООО «Поставка»", "people": {"developer": "Иванов"}})");
    write(QStringLiteral("другой.json"), R"({"format": "orvika-project", "object": "Гимназия № 2"})");

    Outcome result = gostPdf({});
    ASSERT_EQ(result.exitCode, 0) << result.errorLines.join(u'\n').toStdString();
    QString text = pdfText(QStringLiteral("гост.pdf"));
    for (const char *expected : {"Школа № 5", "05-26-СОУЭ.С", "ООО «Поставка»", "Иванов"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;

    result = gostPdf({QStringLiteral("--project"), QStringLiteral("другой.json")});
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_TRUE(pdfText(QStringLiteral("гост.pdf")).contains(QStringLiteral("Гимназия № 2")));

    write(QStringLiteral("отчёт.json"), R"({"format": "orvika-project", "obj)");
    result = gostPdf({});
    EXPECT_EQ(result.exitCode, 0) << "a damaged card does not stop the export";
    ASSERT_EQ(result.errorLines.size(), 1);
    EXPECT_TRUE(result.errorLines[0].contains(QStringLiteral("отчёт.json")))
        << result.errorLines[0].toStdString();
    text = pdfText(QStringLiteral("гост.pdf"));
    EXPECT_TRUE(text.contains(QStringLiteral("Оборудование")));
    EXPECT_FALSE(text.contains(QStringLiteral("Школа")));

    // The A4 document names the object under its title.
    ASSERT_EQ(run({QStringLiteral("--export"), QStringLiteral("pdf"), QStringLiteral("--output"),
                   QStringLiteral("a4.pdf"), QStringLiteral("--project"), QStringLiteral("другой.json"),
                   QStringLiteral("отчёт.dat")})
                  .exitCode,
              0);
    EXPECT_TRUE(pdfText(QStringLiteral("a4.pdf")).contains(QStringLiteral("Объект: Гимназия № 2")));

    EXPECT_EQ(run({QStringLiteral("--recheck"), QStringLiteral("--project"), QStringLiteral("другой.json")})
                  .exitCode,
              2);
}

// The lines of the card beside the report, a row for each of the report's zones.
TEST_F(CommandLine, LinesCsvListsEachZonesLineAndItsFigures)
{
    QFile card(dir.filePath(QStringLiteral("отчёт.json")));
    ASSERT_TRUE(card.open(QIODevice::WriteOnly));
    card.write(R"({"format": "orvika-project", "lines": {"voltage": 100, "lossLimit": 10, "cableReserve": 0,
        "zones": [{"zone": 2, "name": "Холл; 1 этаж", "loudspeaker": "K-3820 Громкоговоритель потолочный 6 Вт",
                   "power": 6, "count": 12, "length": 180, "section": 1.5, "cable": "КПСнг(А)-FRLS"}]}})");
    card.close();
    const Outcome result =
        run({QStringLiteral("--export"), QStringLiteral("lines-csv"), QStringLiteral("--output"),
             QStringLiteral("линии.csv"), QStringLiteral("отчёт.dat")});
    ASSERT_EQ(result.exitCode, 0) << result.errorLines.join(u'\n').toStdString();
    const QByteArray bytes = read(QStringLiteral("линии.csv"));
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const QStringList rows =
        QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 1 + 12) << "the report's 12 zones";
    EXPECT_TRUE(rows[0].startsWith(QStringLiteral("Зона;Название;Громкоговоритель;Мощность 1 шт., Вт;")));
    EXPECT_EQ(rows[1], u"1;;;;;;;;;;;;;");
    EXPECT_EQ(rows[2],
              QStringLiteral("2;\"Холл; 1 этаж\";K-3820 Громкоговоритель потолочный 6 Вт;6;12;180;1,5;"
                             "КПСнг(А)-FRLS;72;4,36;3,04;-0,27;0,5;в норме"));
}

// A report whose requirements all come back on loading is composed again into the same proposal.
TEST_F(CommandLine, TheCsvListsTheProposalOfTheReport)
{
    ASSERT_TRUE(QFile::copy(Fixtures + QStringLiteral("/microphones_block_300w.dat"),
                            dir.filePath(QStringLiteral("300.dat"))));
    ASSERT_EQ(run({QStringLiteral("--export"), QStringLiteral("csv"), QStringLiteral("--output"),
                   QStringLiteral("b.csv"), QStringLiteral("300.dat")})
                  .exitCode,
              0);
    const QStringList report = decodeLines(read(QStringLiteral("300.dat")));
    const QStringList rows = QString::fromUtf8(read(QStringLiteral("b.csv"))).split(QStringLiteral("\r\n"));
    QStringList proposed;
    for (qsizetype i = report.indexOf(QStringLiteral("ПРЕДЛОЖЕННАЯ СПЕЦИФИКАЦИЯ:")) + 2;
         i < report.size() && report[i].startsWith(QStringLiteral("- ")); ++i)
        proposed.append(report[i].mid(2));
    ASSERT_EQ(rows.size(), proposed.size() + 2);
    for (qsizetype i = 0; i < proposed.size(); ++i) {
        const QStringList fields = rows[i + 1].split(u';');
        EXPECT_EQ(fields.value(1) + QStringLiteral(" - ") + fields.value(2) + QStringLiteral(" шт."),
                  proposed[i]);
    }
}

struct FailureCase
{
    const char *label;
    QStringList arguments;
    int exitCode;
    QString firstMessage; // what standard error starts with
};

void PrintTo(const FailureCase &value, std::ostream *out)
{
    *out << value.label;
}

class Failures : public CommandLine, public ::testing::WithParamInterface<FailureCase>
{
};

TEST_P(Failures, EndWithTheirStatusAndLeaveNoDocument)
{
    const FailureCase &c = GetParam();
    ASSERT_TRUE(
        QFile::copy(Fixtures + QStringLiteral("/no_source.dat"), dir.filePath(QStringLiteral("пусто.dat"))));
    QFile stops(dir.filePath(QStringLiteral("без мощности.dat")));
    ASSERT_TRUE(stops.open(QIODevice::WriteOnly));
    stops.write(encodeLines({QStringLiteral("ВЫБРАННЫЕ ЗВУКОВЫЕ ИСТОЧНИКИ:"),
                             QStringLiteral("- K-3284 Проигрыватель компакт-дисков - 1 шт."),
                             QStringLiteral("ПРЕДЛОЖЕННАЯ СПЕЦИФИКАЦИЯ:")}));
    stops.close();
    const QStringList before = files();
    // As a Russian desktop starts it, whatever the suite's locale: Qt's words are then Russian too.
    extraEnvironment.insert(QStringLiteral("LC_ALL"), QStringLiteral("ru_RU.UTF-8"));
    extraEnvironment.insert(QStringLiteral("LANGUAGE"), QString());

    const Outcome result = run(c.arguments);
    EXPECT_EQ(result.exitCode, c.exitCode) << result.errorLines.join(u'\n').toStdString();
    ASSERT_FALSE(result.errorLines.isEmpty());
    EXPECT_TRUE(result.errorLines.first().startsWith(c.firstMessage))
        << result.errorLines.first().toStdString();
    EXPECT_EQ(files(), before);
}

const QString PowerRange =
    QStringLiteral("Суммарная мощность системы должна находится в диапазоне от 1 до 160000 Вт.");

INSTANTIATE_TEST_SUITE_P(
    Runs, Failures,
    ::testing::Values(
        FailureCase{
            "NothingAskedFor", {QStringLiteral("отчёт.dat")}, 2, QStringLiteral("Не указано, что делать")},
        FailureCase{"UnknownFormat",
                    {"--export", "doc", "--output", "a.doc", "отчёт.dat"},
                    2,
                    QStringLiteral("Неизвестный формат документа: doc")},
        FailureCase{
            "NoOutput", {"--export", "pdf", "отчёт.dat"}, 2, QStringLiteral("Не указан файл документа")},
        FailureCase{"NoReport",
                    {"--export", "pdf", "--output", "a.pdf"},
                    2,
                    QStringLiteral("Не указан файл сохранённой спецификации")},
        FailureCase{"TwoReports",
                    {"--export", "pdf", "--output", "a.pdf", "отчёт.dat", "пусто.dat"},
                    2,
                    QStringLiteral("Указано больше одного файла")},
        FailureCase{"UnknownOption", {"--exprot", "pdf"}, 2, QStringLiteral("Неизвестный параметр «exprot»")},
        FailureCase{"MissingReport",
                    {"--export", "pdf", "--output", "a.pdf", "нет.dat"},
                    1,
                    QStringLiteral("Ошибка открытия файла нет.dat 53")},
        FailureCase{
            "CalculationStops", {"--export", "csv", "--output", "a.csv", "без мощности.dat"}, 1, PowerRange},
        FailureCase{"OutputFolderMissing",
                    {"--export", "pdf", "--output", "нет/a.pdf", "отчёт.dat"},
                    1,
                    QStringLiteral("Ошибка записи файла a.pdf: ")}),
    [](const ::testing::TestParamInfo<FailureCase> &info) { return std::string(info.param.label); });

TEST_F(CommandLine, AWarningGoesToStandardErrorAndTheDocumentIsStillWritten)
{
    ASSERT_TRUE(
        QFile::copy(Fixtures + QStringLiteral("/no_source.dat"), dir.filePath(QStringLiteral("пусто.dat"))));
    const Outcome result = run({"--export", "csv", "--output", "a.csv", "пусто.dat"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.errorLines, QStringList{QStringLiteral("Вы не выбрали звуковой источник")});
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("a.csv"))));
}

TEST_F(CommandLine, WithoutItsCatalogueTheProgramSaysSoAndFails)
{
    ASSERT_TRUE(QFile::remove(dir.filePath(QStringLiteral("Base/Base-Date"))));
    const Outcome result = run({"--export", "pdf", "--output", "a.pdf", "отчёт.dat"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.errorLines, (QStringList{QStringLiteral("Ошибка открытия файла Base-Date 53"),
                                              QStringLiteral("База данных повреждена")}));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("a.pdf"))));
}

TEST_F(CommandLine, HelpAndVersionAsUsersExpect)
{
    const Outcome help = run({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    for (const char *word :
         {"--export", "--output", "--version", "pdf, csv или xlsx", "rack-svg", "diagram-svg"})
        EXPECT_TRUE(help.out.contains(QString::fromUtf8(word))) << word;
    const Outcome version = run({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QStringLiteral("ORVIKA " ORVIKA_VERSION "\n"));
}

} // namespace
} // namespace orvika::test

namespace orvika::test {
namespace {

// --compare: the CSV of the differences, and whether there were any.
TEST_F(CommandLine, CompareGivesTheDifferencesAndSaysWhetherThereWereAny)
{
    ASSERT_TRUE(QFile::copy(Fixtures + QStringLiteral("/microphones_block_300w.dat"),
                            dir.filePath(QStringLiteral("300.dat"))));
    const Outcome same =
        run({QStringLiteral("--compare"), QStringLiteral("отчёт.dat"), QStringLiteral("отчёт.dat")});
    EXPECT_EQ(same.exitCode, 0);
    EXPECT_EQ(same.outBytes,
              QByteArray("\xEF\xBB\xBF") + QStringLiteral("Раздел;Обозначение;Было;Стало\r\n").toUtf8());

    const Outcome differ =
        run({QStringLiteral("--compare"), QStringLiteral("300.dat"), QStringLiteral("отчёт.dat"),
             QStringLiteral("--output"), QStringLiteral("разница.csv")});
    EXPECT_EQ(differ.exitCode, 1);
    EXPECT_TRUE(differ.out.isEmpty());
    const QString csv = QString::fromUtf8(read(QStringLiteral("разница.csv")));
    EXPECT_TRUE(csv.contains(QStringLiteral("Итого;Потребляемая мощность, Вт;775;1695\r\n")))
        << csv.toStdString();
    EXPECT_TRUE(csv.contains(QStringLiteral("Оборудование;K-3520 Усилитель мощности (1000);0;1\r\n")));

    for (const QStringList &pair : {QStringList{QStringLiteral("нет.dat"), QStringLiteral("отчёт.dat")},
                                    QStringList{QStringLiteral("отчёт.dat"), QStringLiteral("Base/Sxemm")}}) {
        const Outcome unreadable = run(QStringList{QStringLiteral("--compare")} + pair);
        EXPECT_EQ(unreadable.exitCode, 2) << pair.join(u' ').toStdString();
        EXPECT_EQ(unreadable.errorLines.size(), 1);
    }
    EXPECT_EQ(run({QStringLiteral("--compare"), QStringLiteral("отчёт.dat")}).exitCode, 2);
    EXPECT_EQ(run({QStringLiteral("--compare"), QStringLiteral("--recheck")}).exitCode, 2);
}

// --recheck: a line for every report of the folder; nothing in it is written.
TEST_F(CommandLine, RecheckSaysOfEachSavedReportWhetherItStillHolds)
{
    const QString folder = dir.filePath(QStringLiteral("сохранённые"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const auto put = [&](const QString &name, const QByteArray &bytes) {
        QFile file(folder + u'/' + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    QFile fixture(Fixtures + QStringLiteral("/every_option.dat"));
    ASSERT_TRUE(fixture.open(QIODevice::ReadOnly));
    const QByteArray report = fixture.readAll();
    put(QStringLiteral("а_без изменений.dat"), report);
    QByteArray changed = report;
    changed.replace(encodeLines({QStringLiteral("- K-3520 Усилитель мощности (1000) - 1 шт.")}),
                    encodeLines({QStringLiteral("- K-3520 Усилитель мощности (1000) - 2 шт.")}));
    ASSERT_NE(changed, report);
    put(QStringLiteral("б_изменилось.dat"), changed);
    QByteArray damaged = report;
    damaged.replace(encodeLines({QStringLiteral("- K-3630 Блок управления аттенюаторами - 2 шт.")}),
                    encodeLines({QStringLiteral("- K-3630 Блок управления аттенюаторами")}));
    put(QStringLiteral("в_повреждена.dat"), damaged);
    put(QStringLiteral("г_чужой.dat"), "ни слова о спецификации\r\n");
    const QStringList before = QDir(folder).entryList(QDir::Files);

    const Outcome result = run({QStringLiteral("--recheck"), folder});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out.split(u'\n', Qt::SkipEmptyParts),
              (QStringList{QStringLiteral("а_без изменений.dat: без изменений"),
                           QStringLiteral("б_изменилось.dat: изменилось (1)"),
                           QStringLiteral("в_повреждена.dat: изменилось (1)"),
                           QStringLiteral("г_чужой.dat: ошибка: это не спецификация")}));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), before);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("Спецификация.dat"))));

    ASSERT_TRUE(QFile::remove(folder + QStringLiteral("/б_изменилось.dat")));
    ASSERT_TRUE(QFile::remove(folder + QStringLiteral("/в_повреждена.dat")));
    ASSERT_TRUE(QFile::remove(folder + QStringLiteral("/г_чужой.dat")));
    EXPECT_EQ(run({QStringLiteral("--recheck"), folder}).exitCode, 0);
}

} // namespace
} // namespace orvika::test

namespace orvika::test {
namespace {

// --user-data: the data folder of a user who never ran the program is made from the data built
// beside the program; the files named are still found where the program was started.
TEST_F(CommandLine, UserDataComeFromTheUsersOwnFolder)
{
    ASSERT_TRUE(QDir(dir.filePath(QStringLiteral("Base"))).removeRecursively());
    const QString home = dir.filePath(QStringLiteral("дом"));
    ASSERT_TRUE(QDir().mkdir(home));
    const QString data = home + QStringLiteral("/.local/share/orvika");

    const Outcome exported = run({"--user-data", "--export", "csv", "--output", "a.csv", "отчёт.dat"}, home);
    EXPECT_EQ(exported.exitCode, 0) << exported.errorLines.join(u'\n').toStdString();
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("a.csv"))));
    EXPECT_TRUE(QFile::exists(data + QStringLiteral("/Base/Base-Date")));
    EXPECT_TRUE(QFile::exists(data + QStringLiteral("/Base/Sxemm")));

    // Without a folder, --recheck takes the data folder, where the window keeps its reports.
    ASSERT_TRUE(QFile::copy(Fixtures + QStringLiteral("/every_option.dat"),
                            data + QStringLiteral("/Спецификация.dat")));
    const Outcome rechecked = run({"--user-data", "--recheck"}, home);
    EXPECT_EQ(rechecked.exitCode, 0);
    EXPECT_EQ(rechecked.out, QStringLiteral("Спецификация.dat: без изменений\n"));

    // Without the flag the program still looks in the folder it was started in, and says so.
    const Outcome plain = run({"--export", "csv", "--output", "b.csv", "отчёт.dat"}, home);
    EXPECT_EQ(plain.exitCode, 1);
    EXPECT_EQ(plain.errorLines.value(0), QStringLiteral("Ошибка открытия файла Base-Date 76"));
}

} // namespace
} // namespace orvika::test

namespace orvika::test {
namespace {

// A CSV bill read back: a row per proposed line as the report lists it, and the totals added up
// from each row's quantity and its unit's draw and height (the bill carries no totals of its own).
struct CsvBill
{
    QStringList rows;
    double powerDraw = 0;
    double heightUnits = 0;
};

CsvBill readCsvBill(const QByteArray &bytes)
{
    CsvBill bill;
    const QStringList rows = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    for (const QString &row : rows.mid(1)) {
        const QStringList fields = row.split(u';'); // only the reason, the last field, is ever quoted
        const double quantity = fields.value(2).toDouble();
        bill.rows.append(fields.value(1) + QStringLiteral(" - ") + fields.value(2) + QStringLiteral(" шт."));
        bill.powerDraw += quantity * fields.value(3).replace(u',', u'.').toDouble();
        bill.heightUnits += quantity * fields.value(4).replace(u',', u'.').toDouble();
    }
    return bill;
}

const char *const ManualControl = "- Возможность ручного контроля линий";
const char *const AutomaticControl = "- Возможность автоматического контроля линий";

struct SavedReportCase
{
    const char *label;
    const char *fixture;     // under tests/
    const char *lineControl; // the report's line-control requirement; none when null
    QStringList units;       // units the report proposes: its line control and amplifier reserve
};

void PrintTo(const SavedReportCase &value, std::ostream *out)
{
    *out << value.label;
}

class SavedReportExport : public CommandLine, public ::testing::WithParamInterface<SavedReportCase>
{
};

// A saved report, whatever its line control and reserve unit, is exported as the equipment it
// proposes, in its order, with its totals.
TEST_P(SavedReportExport, ListsTheProposalAndTotalsOfTheReport)
{
    const SavedReportCase &c = GetParam();
    const QString folder = dir.filePath(QStringLiteral("сохранённые"));
    const QString name = QFileInfo(QString::fromUtf8(c.fixture)).fileName();
    const QString path = folder + u'/' + name;
    ASSERT_TRUE(QDir().mkdir(folder));
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(ORVIKA_SOURCE_DIR "/tests/") + QString::fromUtf8(c.fixture), path));

    // The report states the case's line control, proposes its units, and is what the program composes
    // from its requirements: otherwise the comparison below would prove nothing.
    QString reason;
    const std::optional<SavedReport> report = readSavedReport(path, &reason);
    ASSERT_TRUE(report && report->powerDraw && report->heightUnits) << reason.toStdString();
    ASSERT_EQ(report->requirements.filter(QStringLiteral("контроля линий")),
              c.lineControl ? QStringList{QString::fromUtf8(c.lineControl)} : QStringList());
    QStringList proposed;
    for (const CountedItem &item : report->equipment)
        proposed.append(item.designation + QStringLiteral(" - ") + QString::number(item.quantity) +
                        QStringLiteral(" шт."));
    for (const QString &unit : c.units)
        ASSERT_FALSE(proposed.filter(unit + u' ').isEmpty()) << unit.toStdString();
    ASSERT_EQ(run({QStringLiteral("--recheck"), folder}).out, name + QStringLiteral(": без изменений\n"));

    const Outcome exported = run({QStringLiteral("--export"), QStringLiteral("csv"),
                                  QStringLiteral("--output"), QStringLiteral("bill.csv"), path});
    ASSERT_EQ(exported.exitCode, 0) << exported.errorLines.join(u'\n').toStdString();
    const CsvBill bill = readCsvBill(read(QStringLiteral("bill.csv")));
    EXPECT_EQ(bill.rows.join(u'\n').toStdString(), proposed.join(u'\n').toStdString());
    EXPECT_EQ(bill.powerDraw, double(*report->powerDraw));
    EXPECT_EQ(bill.heightUnits, double(*report->heightUnits));
}

INSTANTIATE_TEST_SUITE_P(
    LineControl, SavedReportExport,
    ::testing::Values(SavedReportCase{"NoneReserveK3240",
                                      "ui/fixtures/reports/two_channels_reserve_k3240.dat",
                                      nullptr,
                                      {"K-3240"}},
                      SavedReportCase{"ManualReserveK3240",
                                      "cli/fixtures/two_channels_reserve_k3240_manual_line_control.dat",
                                      ManualControl,
                                      {"K-3610", "K-3240"}},
                      SavedReportCase{"AutomaticReserveK3240",
                                      "cli/fixtures/two_channels_reserve_k3240_automatic_line_control.dat",
                                      AutomaticControl,
                                      {"K-3620", "K-3240"}},
                      SavedReportCase{"AutomaticReserveK3105",
                                      "cli/fixtures/two_channels_reserve_k3105_automatic_line_control.dat",
                                      AutomaticControl,
                                      {"K-3620", "K-3105"}},
                      SavedReportCase{"AutomaticEveryOption",
                                      "ui/fixtures/reports/every_option.dat",
                                      AutomaticControl,
                                      {"K-3620", "K-3640"}}),
    [](const auto &info) { return std::string(info.param.label); });

struct HeadlessCase
{
    const char *label;
    QStringList arguments;
    bool loadsPlatform;
};

void PrintTo(const HeadlessCase &value, std::ostream *out)
{
    *out << value.label;
}

class HeadlessModes : public CommandLine, public ::testing::WithParamInterface<HeadlessCase>
{
};

// The program sets its own platform on the command line (offscreen), so what shows whether a mode
// made a QGuiApplication is whether a Qt platform plugin was loaded at all: the dynamic loader's
// own log of the files it loads tells. The PDF, which lays out text, is the mode that does.
TEST_P(HeadlessModes, LoadAPlatformPluginOnlyToPaint)
{
    const HeadlessCase &c = GetParam();
    const QString logs = dir.filePath(QStringLiteral("loader"));
    ASSERT_TRUE(QDir().mkdir(logs));
    extraEnvironment.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("files"));
    extraEnvironment.insert(QStringLiteral("LD_DEBUG_OUTPUT"), logs + QStringLiteral("/log"));

    const Outcome result = run(c.arguments);
    EXPECT_EQ(result.exitCode, 0) << result.errorLines.join(u'\n').toStdString();
    EXPECT_EQ(result.errorLines, QStringList());
    const qsizetype output = c.arguments.indexOf(QStringLiteral("--output"));
    if (output >= 0)
        EXPECT_FALSE(read(c.arguments.value(output + 1)).isEmpty());
    else
        EXPECT_FALSE(result.out.isEmpty());

    QByteArray loaded;
    for (const QString &log : QDir(logs).entryList(QDir::Files))
        loaded += read(QStringLiteral("loader/") + log);
    ASSERT_TRUE(loaded.contains("libQt6Core")) << "the loader kept no log";
    EXPECT_EQ(loaded.contains("/platforms/"), c.loadsPlatform);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, HeadlessModes,
    ::testing::Values(
        HeadlessCase{"csv", {"--export", "csv", "--output", "a.csv", "отчёт.dat"}, false},
        HeadlessCase{"xlsx", {"--export", "xlsx", "--output", "a.xlsx", "отчёт.dat"}, false},
        HeadlessCase{"gostxlsx", {"--export", "gost-xlsx", "--output", "a.xlsx", "отчёт.dat"}, false},
        HeadlessCase{"linescsv", {"--export", "lines-csv", "--output", "a.csv", "отчёт.dat"}, false},
        HeadlessCase{"compare", {"--compare", "отчёт.dat", "отчёт.dat"}, false},
        HeadlessCase{"recheck", {"--recheck"}, false}, HeadlessCase{"help", {"--help"}, false},
        HeadlessCase{"pdf", {"--export", "pdf", "--output", "a.pdf", "отчёт.dat"}, true}),
    [](const auto &info) { return std::string(info.param.label); });

} // namespace
} // namespace orvika::test
