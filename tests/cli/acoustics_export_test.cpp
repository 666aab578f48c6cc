#include "command_line_fixture.h"

// The rooms of the report's card as CSV from the command line: a row a room with its results; a room
// the card holds with a value out of range is named on standard error and calculated without it.
namespace orvika::test {
namespace {

const char *const HotelCard = R"({"format": "orvika-project", "acoustics": {
        "loudspeakers": [{"name": "Потолочный", "sensitivity": 90, "taps": [0.75, 1.5, 3, 6], "angle": 90}],
        "rooms": [{"zone": 2, "name": "Офис", "noise": 60, "length": 12, "width": 8, "height": 3,
                   "mounting": "ceiling", "density": "minimum", "loudspeaker": "Потолочный"},
                  {"zone": 1, "name": "Склад", "noise": 600, "length": 12, "width": 8, "height": 3,
                   "loudspeaker": "Потолочный"}]}})";

TEST_F(CommandLine, TheRoomsOfTheCardAreExportedWithTheirResults)
{
    ASSERT_TRUE(put(QStringLiteral("отчёт.json"), HotelCard));
    const Outcome result =
        run({QStringLiteral("--export"), QStringLiteral("acoustics-csv"), QStringLiteral("--output"),
             QStringLiteral("помещения.csv"), QStringLiteral("отчёт.dat")});
    ASSERT_EQ(result.exitCode, 0) << result.errorLines.join(u'\n').toStdString();
    EXPECT_EQ(result.errorLines,
              QStringList({"отчёт.json, зона 1, «acoustics.rooms[1].noise» = 600 не взято: "
                           "ожидается число от 0 до 130"}));
    const QByteArray csv = read(QStringLiteral("помещения.csv"));
    ASSERT_TRUE(csv.startsWith("\xEF\xBB\xBF")) << csv.constData();
    const QStringList rows = QString::fromUtf8(csv.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 3) << csv.constData();
    EXPECT_TRUE(rows[0].startsWith(u"Зона;Помещение;"));
    // The card's noise of 600 dBA dropped: the store is not judged against a noise it does not state.
    EXPECT_TRUE(rows[1].startsWith(u"1;Склад;;;нет;")) << rows[1].toStdString();
    EXPECT_TRUE(rows[1].endsWith(u";;;;;;;;;Зона 1, «Склад»: допустимый шум — число от 0 до 130 дБА"))
        << rows[1].toStdString();
    EXPECT_TRUE(rows[2].startsWith(u"2;Офис;")) << rows[2].toStdString();
    EXPECT_TRUE(rows[2].contains(u";24;0,75;18;75,0;76,9;79,2;91,9;нормы выполнены"))
        << rows[2].toStdString();
}

// The calculation document from the same card: its text names the norms, the rooms and their levels, in
// the PDF as pdftotext reads it and in the ODT as a text document.
TEST_F(CommandLine, TheCalculationDocumentIsWrittenAsPdfAndOdt)
{
    ASSERT_TRUE(put(QStringLiteral("отчёт.json"), HotelCard));
    for (const char *format : {"calculations-pdf", "calculations-odt"}) {
        const QString output = QStringLiteral("расчёты.") + QString::fromLatin1(format).mid(13);
        const Outcome result = run({QStringLiteral("--export"), QString::fromLatin1(format),
                                    QStringLiteral("--output"), output, QStringLiteral("отчёт.dat")});
        ASSERT_EQ(result.exitCode, 0) << format << result.errorLines.join(u'\n').toStdString();
        const QByteArray bytes = read(output);
        if (output.endsWith(u"odt")) {
            EXPECT_TRUE(bytes.startsWith("PK"));
            EXPECT_TRUE(bytes.contains("application/vnd.oasis.opendocument.text"));
            continue;
        }
        QProcess process;
        process.start(QStringLiteral("pdftotext"), {dir.filePath(output), QStringLiteral("-")});
        ASSERT_TRUE(process.waitForFinished(60000));
        const QString text = QString::fromUtf8(process.readAllStandardOutput());
        for (const char *expected : {"СП 3.13130.2009", "Офис", "76,9", "Склад"})
            EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << " in\n"
                                                                    << text.toStdString();
    }
}

} // namespace
} // namespace orvika::test
