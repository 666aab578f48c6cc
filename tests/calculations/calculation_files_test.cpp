#include "calculation_fixtures.h"
#include "calculations/calculation_files.h"
#include "support/file_faults.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orvika::test {
namespace {

// A cell of the A4 sheet (mm), with room for what pdftotext counts around a word.
QRectF cell(double x, double y, double width, double height)
{
    return QRectF(x, y, width, height).adjusted(-0.5, -0.5, 0.5, 0.5);
}

// A heading over one long table of numbered rows.
CalculationContent longTable(int rows)
{
    CalculationContent content{filledCard(), {}};
    content.blocks.append({ContentBlock::Kind::Heading, QStringLiteral("Таблица"), {}, {}});
    ContentTable table;
    table.header = {{QStringLiteral("Заголовок"), QStringLiteral("Значение")}};
    table.widthsMm = {100, 85};
    for (int row = 1; row <= rows; ++row)
        table.rows.append({QStringLiteral("Строка"), QString::number(row)});
    content.blocks.append({ContentBlock::Kind::Table, {}, table, {}});
    return content;
}

class CalculationFiles : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return dir.filePath(name); }

    QTemporaryDir dir;
};

TEST_F(CalculationFiles, SheetsAreA4WithForm5FirstAndForm6AfterCountingThem)
{
    const QString pdf = path(QStringLiteral("Расчёт.pdf"));
    ASSERT_EQ(writeCalculationsPdf(pdf, longTable(100)), std::nullopt);
    const QList<PdfSheet> sheets = sheetsOf(pdf);
    ASSERT_GE(sheets.size(), 3);
    const PdfSheet &first = sheets.first();
    // Form 5 stands on the frame's bottom right corner: 185 × 40 mm from (20, 252).
    EXPECT_TRUE(first.has(QStringLiteral("0417-24-СОУЭ.С"), cell(85, 252, 120, 15)));
    EXPECT_TRUE(first.has(QStringLiteral("Расчёт"), cell(85, 277, 70, 15)));
    EXPECT_TRUE(first.has(QStringLiteral("Листов"), cell(185, 267, 20, 5)));
    EXPECT_TRUE(first.has(QString::number(sheets.size()), cell(185, 272, 20, 5)));
    EXPECT_TRUE(first.has(QStringLiteral("1"), cell(170, 272, 15, 5)));
    EXPECT_TRUE(first.has(QStringLiteral("Петров"), cell(40, 267, 20, 5)));
    for (qsizetype i = 0; i < sheets.size(); ++i) {
        const PdfSheet &sheet = sheets.at(i);
        EXPECT_NEAR(sheet.points.width(), 595.28, 0.5);
        EXPECT_NEAR(sheet.points.height(), 841.89, 0.5);
        // The table's header over every sheet's rows, at the frame's top after the first.
        EXPECT_TRUE(sheet.has(QStringLiteral("Заголовок"), cell(20, 5, 100, i == 0 ? 30 : 8))) << i;
        if (i > 0) {
            // Form 6, 185 × 15 mm: the designation and this sheet's number.
            EXPECT_TRUE(sheet.has(QStringLiteral("0417-24-СОУЭ.С"), cell(85, 277, 110, 15))) << i;
            EXPECT_TRUE(sheet.has(QString::number(i + 1), cell(195, 284, 10, 8))) << i;
            EXPECT_TRUE(sheet.find(QStringLiteral("Листов")).isEmpty()) << i;
        }
        // Nothing stands below the body but the title block.
        const double bottom = i == 0 ? 252 : 277;
        for (const PdfWord &word : sheet.find(QStringLiteral("Строка"))) {
            EXPECT_LT(word.mm.bottom(), bottom) << i;
        }
    }
    // Every row once, in order.
    QStringList numbers;
    for (const PdfSheet &sheet : sheets)
        for (const PdfWord &word : sheet.words)
            if (word.mm.left() > 120 && word.mm.bottom() < (&sheet == &sheets.first() ? 252 : 277) &&
                word.text != QStringLiteral("Значение"))
                numbers.append(word.text);
    QStringList expected;
    for (int row = 1; row <= 100; ++row)
        expected.append(QString::number(row));
    EXPECT_EQ(numbers.join(u' ').toStdString(), expected.join(u' ').toStdString());
}

TEST_F(CalculationFiles, ThePdfReadsTheWorkedExample)
{
    const QString pdf = path(QStringLiteral("Расчёт.pdf"));
    ASSERT_EQ(writeCalculationsPdf(pdf, acousticContent()), std::nullopt);
    const QString text =
        words(QString::fromUtf8(outputOf(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")})));
    qsizetype at = 0;
    for (const char *expected :
         {"1. Нормы", "СП 3.13130.2009", "2. Методика", "L = S + 10·lg P − 20·lg r", "3. Громкоговорители",
          "4. Помещения", "1 Офис 101 24 6 × 4 0,75 18 75,0 76,9 79,2 91,9 выполнены",
          "пп. 4.1, 4.2, 4.5 выполнены; п. 4.4: не относится",
          "громкоговорителя «Нет такого» нет в библиотеке", "5. Итоги по зонам", "6. Линии громкоговорителей",
          "7. Мощность усилителей", "153,6 Вт", "8. Планы помещений", "№ 1. План помещения «Офис 101»",
          "№ 4. План помещения «Цех»"}) {
        const qsizetype found = text.indexOf(words(QString::fromUtf8(expected)), at);
        EXPECT_GE(found, 0) << expected;
        at = std::max(at, found);
    }
}

TEST_F(CalculationFiles, TheOdtOpensInTheOfficeWithTheSameContent)
{
    const QString odt = path(QStringLiteral("Расчёт.odt"));
    ASSERT_EQ(writeCalculationsOdt(odt, acousticContent()), std::nullopt);
    // A profile of its own, so that runs side by side do not share one.
    const QString profile = QUrl::fromLocalFile(path(QStringLiteral("profile"))).toString();
    outputOf(QStringLiteral("soffice"), {QStringLiteral("-env:UserInstallation=") + profile,
                                         QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                                         QStringLiteral("pdf"), QStringLiteral("--outdir"), dir.path(), odt});
    const QString pdf = path(QStringLiteral("Расчёт.pdf"));
    ASSERT_TRUE(QFile::exists(pdf));
    const QString text =
        words(QString::fromUtf8(outputOf(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")})));
    qsizetype at = 0;
    for (const char *expected :
         {"Расчёт уровня звука", "1. Нормы", "2. Методика", "4. Помещения", "76,9", "Офис 101",
          "пп. 4.1, 4.2, 4.5 выполнены; п. 4.4: не относится", "Коридор", "7. Мощность усилителей"}) {
        const qsizetype found = text.indexOf(QString::fromUtf8(expected), at);
        EXPECT_GE(found, 0) << expected;
        at = std::max(at, found);
    }
    // The four plans as images: two lines of the list's header, then one line an image.
    const QStringList images =
        QString::fromUtf8(outputOf(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}))
            .split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(images.size(), 2 + 4);
    // The norms' columns are as wide as they were set (20, 135 and 30 mm), not shared out alike.
    const QList<PdfSheet> sheets = sheetsOf(pdf);
    ASSERT_FALSE(sheets.isEmpty());
    const QList<PdfWord> clause = sheets.first().find(QStringLiteral("Пункт"));
    const QList<PdfWord> value = sheets.first().find(QStringLiteral("Значение"));
    ASSERT_EQ(clause.size(), 1);
    ASSERT_EQ(value.size(), 1);
    EXPECT_GT(value.first().mm.center().x() - clause.first().mm.center().x(), 140);
}

TEST_F(CalculationFiles, AFailedWriteLeavesThePreviousFileAndSaysWhy)
{
    // Without plans: a forked child must not paint images, whose scaling may wait on the thread pool
    // of the parent, which the child does not have.
    const CalculationContent content = longTable(300);
    const struct
    {
        QString name;
        std::function<std::optional<QString>(const QString &)> write;
    } writers[] = {
        {QStringLiteral("Расчёт.pdf"),
         [&](const QString &file) { return writeCalculationsPdf(file, content); }},
        {QStringLiteral("Расчёт.odt"),
         [&](const QString &file) { return writeCalculationsOdt(file, content); }},
    };
    for (const auto &writer : writers) {
        const QString file = path(writer.name);
        {
            QFile previous(file);
            ASSERT_TRUE(previous.open(QIODevice::WriteOnly));
            previous.write("прежний");
        }
        const ChildResult child = runWithFileSizeLimit(512, [&] {
            const std::optional<QString> reason = writer.write(file);
            return QStringList{reason ? *reason : QStringLiteral("записан")};
        });
        ASSERT_TRUE(child.exitedNormally) << writer.name.toStdString();
        EXPECT_FALSE(child.lines.join(u' ').isEmpty());
        EXPECT_NE(child.lines.join(u' '), QStringLiteral("записан")) << writer.name.toStdString();
        QFile previous(file);
        ASSERT_TRUE(previous.open(QIODevice::ReadOnly));
        EXPECT_EQ(previous.readAll(), QByteArray("прежний")) << writer.name.toStdString();
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{writer.name});
        previous.close();
        QFile::remove(file);

        EXPECT_NE(writer.write(path(QStringLiteral("нет такой папки/") + writer.name)), std::nullopt);
    }
}

} // namespace
} // namespace orvika::test
