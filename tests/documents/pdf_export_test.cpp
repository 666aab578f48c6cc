#include "document_fixtures.h"
#include "documents/pdf_export.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orvika::test {
namespace {

// The text of each page, as pdftotext reads it (pages end with a form feed).
QStringList pagesOf(const QString &pdf)
{
    QStringList pages = QString::fromUtf8(outputOf(QStringLiteral("pdftotext"),
                                                   {QStringLiteral("-layout"), pdf, QStringLiteral("-")}))
                            .split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

int pageCountOf(const QString &pdf)
{
    const QString info = QString::fromUtf8(outputOf(QStringLiteral("pdfinfo"), {pdf}));
    return QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1).toInt();
}

class PdfDocument : public ::testing::Test
{
protected:
    QString write(const Requirements &requirements)
    {
        const QString path = dir.filePath(QStringLiteral("Спецификация.pdf"));
        content = documentOf(requirements);
        EXPECT_EQ(writeDocumentPdf(path, content), std::nullopt);
        return path;
    }

    QTemporaryDir dir;
    DocumentContent content;
};

TEST_F(PdfDocument, OnePageHoldsASmallInstallation)
{
    const QString pdf = write(everyOption());
    ASSERT_EQ(pageCountOf(pdf), 1);
    const QString text = pagesOf(pdf).value(0);
    for (const QString &expected :
         {DocumentTitle, QStringLiteral("Дата: 07.12.2026"), QStringLiteral("Многозонная система:"),
          QStringLiteral("K-3286 Радиоприёмник трансляционный - 2 шт."), QStringLiteral("Основание"),
          QStringLiteral("Потребляемая мощность: %1 Вт").arg(content.totals.powerDraw),
          QStringLiteral("%1 BTU/ч").arg(content.heatBtuPerHour),
          QStringLiteral("Высота в шкафу: %1 U").arg(content.totals.heightUnits),
          QStringLiteral("Примерная блок-схема: ") + content.schemeChoice, QStringLiteral("Стр. 1 из 1")})
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
    for (const DocumentRow &row : content.rows)
        EXPECT_TRUE(text.contains(row.designation.left(20))) << row.designation.toStdString();
}

TEST_F(PdfDocument, PagesAreNumberedAndEveryPageOfTheTableRepeatsItsHeader)
{
    const QString pdf = write(largestInstallation());
    const QStringList pages = pagesOf(pdf);
    const int count = pageCountOf(pdf);
    ASSERT_GT(count, 3); // 160 zones of requirements alone fill pages
    ASSERT_EQ(pages.size(), count);
    int tablePages = 0;
    for (int page = 1; page <= count; ++page) {
        const QString &text = pages.at(page - 1);
        EXPECT_TRUE(text.contains(QStringLiteral("Стр. %1 из %2").arg(page).arg(count))) << page;
        // The 1500 W amplifier stands in the table twice, far enough apart to be on two pages.
        if (text.contains(QStringLiteral("K-3530 Усилитель"))) {
            ++tablePages;
            EXPECT_TRUE(text.contains(QStringLiteral("Основание"))) << page;
        }
    }
    EXPECT_EQ(tablePages, 2);
    EXPECT_TRUE(pages.last().contains(QStringLiteral("Примерная блок-схема")));
}

TEST_F(PdfDocument, FontsAreEmbedded)
{
    const QString fonts = QString::fromUtf8(outputOf(QStringLiteral("pdffonts"), {write(everyOption())}));
    const QStringList lines = fonts.split(u'\n', Qt::SkipEmptyParts).mid(2); // below the two header lines
    ASSERT_FALSE(lines.isEmpty());
    for (const QString &line : lines)
        EXPECT_TRUE(line.contains(
            QRegularExpression(QStringLiteral("\\syes\\s+(yes|no)\\s+(yes|no)\\s+\\d+\\s+\\d+\\s*$"))))
            << line.toStdString() << ": embedded";
}

TEST_F(PdfDocument, AFolderThatIsMissingIsAFailureAndLeavesNoFile)
{
    const auto error =
        writeDocumentPdf(dir.filePath(QStringLiteral("нет/Спецификация.pdf")), documentOf(everyOption()));
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

} // namespace
} // namespace orvika::test
