#include "command_line_fixture.h"

#include <QFile>

// A saved report whose sources carry no model code ("Микрофон-гарнитура" of a catalogue whose
// microphone has none, "zep-30 …" in lower case) exports as saved; a document that cannot state what
// its report states says so.
namespace orvika::test {
namespace {

const QString Codeless = QStringLiteral("гарнитура.dat");

class CodelessReport : public CommandLine
{
protected:
    void SetUp() override
    {
        CommandLine::SetUp();
        QStringList catalogue = decodeLines(read(QStringLiteral("Base/Base-Date")));
        catalogue.replaceInStrings(QStringLiteral("K-3124 Микрофон ручной динамический"),
                                   QStringLiteral("Микрофон-гарнитура"));
        catalogue.replaceInStrings(QStringLiteral("K-3286 Радиоприёмник трансляционный"),
                                   QStringLiteral("zep-30 Радиоприёмник трансляционный"));
        ASSERT_TRUE(put(QStringLiteral("Base/Base-Date"), encodeLines(catalogue)));
        ASSERT_TRUE(
            QFile::copy(QStringLiteral(ORVIKA_SOURCE_DIR "/tests/cli/fixtures/sources_without_code.dat"),
                        dir.filePath(Codeless)));
    }

    // The report's proposed lines without their "- ".
    QStringList proposed() const
    {
        const QStringList report = decodeLines(read(Codeless));
        QStringList lines;
        for (qsizetype i = report.indexOf(QStringLiteral("ПРЕДЛОЖЕННАЯ СПЕЦИФИКАЦИЯ:")) + 2;
             i < report.size() && report[i].startsWith(QStringLiteral("- ")); ++i)
            lines.append(report[i].mid(2));
        return lines;
    }

    // The bill's rows as the report's lines: designation, " - ", quantity, " шт.".
    QStringList billRows(const QString &name) const
    {
        QStringList rows = QString::fromUtf8(read(name)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QStringList lines;
        for (const QString &row : rows.mid(1)) {
            const QStringList fields = row.split(u';');
            lines.append(fields.value(1) + QStringLiteral(" - ") + fields.value(2) + QStringLiteral(" шт."));
        }
        return lines;
    }
};

TEST_F(CodelessReport, ExportsWithItsSourcesAndWhatTheyBring)
{
    ASSERT_TRUE(proposed().contains(QStringLiteral("Микрофон-гарнитура - 4 шт.")));
    ASSERT_TRUE(proposed().contains(QStringLiteral("zep-30 Радиоприёмник трансляционный - 2 шт.")));
    const Outcome result = run({"--export", "csv", "--output", "bill.csv", Codeless});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.errorLines, QStringList());
    EXPECT_EQ(billRows(QStringLiteral("bill.csv")).join(u'\n').toStdString(),
              proposed().join(u'\n').toStdString());

    // The re-check restores it the same way.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("папка")));
    ASSERT_TRUE(QFile::copy(dir.filePath(Codeless), dir.filePath(QStringLiteral("папка/") + Codeless)));
    EXPECT_EQ(run({QStringLiteral("--recheck"), QStringLiteral("папка")}).out,
              Codeless + QStringLiteral(": без изменений\n"));
}

struct DepartureCase
{
    const char *label;
    const char *file; // changed in it: the text before by the text after, once
    const char *before;
    const char *after;
    QStringList named; // what standard error names, among other lines
};

void PrintTo(const DepartureCase &value, std::ostream *out)
{
    *out << value.label;
}

class Departures : public CodelessReport, public ::testing::WithParamInterface<DepartureCase>
{
};

TEST_P(Departures, AreNamedAndTheDocumentIsStillWritten)
{
    const DepartureCase &c = GetParam();
    const QString file = QString::fromUtf8(c.file);
    QStringList lines = decodeLines(read(file));
    const qsizetype at = lines.indexOf(QString::fromUtf8(c.before));
    ASSERT_GE(at, 0);
    lines[at] = QString::fromUtf8(c.after);
    ASSERT_TRUE(put(file, encodeLines(lines)));

    const Outcome result = run({"--export", "csv", "--output", "bill.csv", Codeless});
    EXPECT_EQ(result.exitCode, 3);
    ASSERT_FALSE(result.errorLines.isEmpty());
    EXPECT_EQ(result.errorLines.first(),
              QStringLiteral("Документ не совпадает с сохранённой спецификацией гарнитура.dat:"));
    for (const QString &line : c.named)
        EXPECT_TRUE(result.errorLines.contains(line)) << line.toStdString() << "\n"
                                                      << result.errorLines.join(u'\n').toStdString();
    EXPECT_FALSE(read(QStringLiteral("bill.csv")).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    , Departures,
    ::testing::Values(
        DepartureCase{"TheCatalogueChanged",
                      "Base/Base-Date",
                      "K-3650 Блок распределения питания на 6 потребителей#5%1&BL*06",
                      "K-3650 Блок распределения питания на 6 потребителей#6%1&BL*06",
                      {"  только в спецификации: Суммарная потребляемая мощность системы - 915 Вт",
                       "  только в документе: Суммарная потребляемая мощность системы - 916 Вт"}},
        DepartureCase{"ASourceLineCannotBeRestored",
                      "гарнитура.dat",
                      "- zep-30 Радиоприёмник трансляционный - 2 шт.",
                      "- zep-30 Радиоприёмник трансляционный - 2",
                      {"  только в спецификации: - zep-30 Радиоприёмник трансляционный - 2",
                       "  только в спецификации: - zep-30 Радиоприёмник трансляционный - 2 шт."}}),
    [](const auto &info) { return std::string(info.param.label); });

} // namespace
} // namespace orvika::test
