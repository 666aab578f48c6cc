#include "calculations/calculation_files.h"
#include "files/text_file.h"
#include "pictures/picture.h"

#include <QBuffer>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTextTable>
#include <QUrl>

namespace orvika {
namespace {

// A font every office program has, or substitutes metrically.
const QString FontFamily = QStringLiteral("Arial");
constexpr double TitlePt = 14;
constexpr double HeadingPt = 12;
constexpr double ParagraphPt = 11;
constexpr double CellPt = 8;
constexpr double FrameWidthMm = 185;
// A plan as an image: its width on the page and the pixels per millimetre it is drawn with.
constexpr double PlanWidthMm = 85;
constexpr double PlanPixelsPerMm = 6;
constexpr double PointsPerMm = 72 / 25.4;

QTextCharFormat charFormat(double points, bool bold = false)
{
    QTextCharFormat format;
    format.setFontFamilies({FontFamily});
    format.setFontPointSize(points);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    return format;
}

QTextBlockFormat blockFormat(Qt::Alignment alignment, double aboveMm, double belowMm, int headingLevel = 0)
{
    QTextBlockFormat format;
    format.setAlignment(alignment);
    format.setTopMargin(aboveMm * PointsPerMm);
    format.setBottomMargin(belowMm * PointsPerMm);
    format.setHeadingLevel(headingLevel);
    return format;
}

void insertText(QTextCursor &cursor, const QTextBlockFormat &block, const QTextCharFormat &chars,
                const QString &text)
{
    cursor.insertBlock(block, chars);
    cursor.insertText(text, chars);
}

void insertTable(QTextCursor &cursor, const ContentTable &table)
{
    const int columns = int(table.widthsMm.size());
    const int rows = int(table.header.size() + table.rows.size());
    QTextTableFormat format;
    format.setBorder(0.5);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderBrush(Qt::black);
    format.setBorderCollapse(true);
    format.setCellSpacing(0);
    format.setCellPadding(2);
    // In points: Qt's writer puts a percentage down as a length, which the office programs ignore.
    format.setWidth(QTextLength(QTextLength::FixedLength, FrameWidthMm * PointsPerMm));
    format.setHeaderRowCount(int(table.header.size()));
    QList<QTextLength> widths;
    for (double width : table.widthsMm)
        widths.append(QTextLength(QTextLength::FixedLength, width * PointsPerMm));
    format.setColumnWidthConstraints(widths);
    QTextTable *inserted = cursor.insertTable(rows, columns, format);
    const QTextCharFormat header = charFormat(CellPt, true);
    const QTextCharFormat body = charFormat(CellPt);
    for (int row = 0; row < rows; ++row) {
        const bool isHeader = row < table.header.size();
        const QStringList &texts = isHeader ? table.header.at(row) : table.rows.at(row - table.header.size());
        for (int column = 0; column < columns; ++column) {
            QTextCursor cell = inserted->cellAt(row, column).firstCursorPosition();
            const bool middle = isHeader || table.figures.value(column);
            QTextBlockFormat block;
            block.setAlignment(middle ? Qt::AlignHCenter : Qt::AlignLeft);
            cell.setBlockFormat(block);
            // A cell's lines break within its one paragraph: Qt's writer makes a cell of each paragraph.
            cell.insertText(QString(texts.value(column)).replace(u'\n', QChar::LineSeparator),
                            isHeader ? header : body);
        }
    }
    cursor.movePosition(QTextCursor::End);
}

void insertPictures(QTextDocument &document, QTextCursor &cursor, const QList<Picture> &pictures,
                    int &imageNumber)
{
    for (const Picture &picture : pictures) {
        if (picture.size.isEmpty())
            continue;
        const double scale = PlanWidthMm * PlanPixelsPerMm / picture.size.width();
        const QImage image = pictureImage(picture, scale);
        const QString name = QStringLiteral("plan%1.png").arg(++imageNumber);
        document.addResource(QTextDocument::ImageResource, QUrl(name), image);
        QTextImageFormat format;
        format.setName(name);
        format.setWidth(PlanWidthMm * PointsPerMm);
        format.setHeight(PlanWidthMm * PointsPerMm * picture.size.height() / picture.size.width());
        cursor.insertBlock(blockFormat(Qt::AlignHCenter, 3, 0), charFormat(ParagraphPt));
        cursor.insertImage(format);
        insertText(cursor, blockFormat(Qt::AlignHCenter, 1, 3), charFormat(CellPt + 1), picture.title);
    }
}

// The content as a text document: the title, then the blocks in their order.
void fillDocument(QTextDocument &document, const CalculationContent &content)
{
    document.setDefaultFont(QFont(FontFamily, int(ParagraphPt)));
    QTextCursor cursor(&document);
    cursor.setBlockFormat(blockFormat(Qt::AlignHCenter, 0, 4, 1));
    cursor.insertText(CalculationsName, charFormat(TitlePt, true));
    int imageNumber = 0;
    for (const ContentBlock &block : content.blocks) {
        switch (block.kind) {
        case ContentBlock::Kind::Heading:
            insertText(cursor, blockFormat(Qt::AlignLeft, 4, 2, 2), charFormat(HeadingPt, true), block.text);
            break;
        case ContentBlock::Kind::Paragraph:
            insertText(cursor, blockFormat(Qt::AlignJustify, 0, 2), charFormat(ParagraphPt), block.text);
            break;
        case ContentBlock::Kind::Table:
            insertTable(cursor, block.table);
            break;
        case ContentBlock::Kind::Pictures:
            insertPictures(document, cursor, block.pictures, imageNumber);
            break;
        }
    }
}

} // namespace

QByteArray calculationsOdt(const CalculationContent &content)
{
    QTextDocument document;
    // Built once and never edited: no undo history to keep.
    document.setUndoRedoEnabled(false);
    document.setMetaInformation(QTextDocument::DocumentTitle, CalculationsName);
    fillDocument(document, content);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QTextDocumentWriter writer(&buffer, "odf");
    if (!writer.write(&document))
        return {};
    return buffer.data();
}

std::optional<QString> writeCalculationsOdt(const QString &path, const CalculationContent &content)
{
    const QByteArray bytes = calculationsOdt(content);
    if (bytes.isEmpty())
        return QStringLiteral("не удалось составить документ");
    return writeFileAtomically(path, bytes);
}

} // namespace orvika
