#include "cad/drawing_text.h"
#include "cad/dxf_read_back.h"
#include "pictures/picture_scene.h"
#include "pictures/proposal_pictures.h"

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QHash>
#include <QRegularExpression>
#include <clocale>
#include <gtest/gtest.h>

// The drawings' texts as LibreCAD draws them: in its own font of the text style's name, which must
// have every character, and not wrapped at a multiline text's width, so that every line must fit its
// box as written. Read with the font LibreCAD has (librecad-data).
namespace orvika::test {
namespace {

const QString LibreCadFonts = QStringLiteral("/usr/share/librecad/fonts");

// A LibreCAD font (.lff): its glyphs and their advances, in heights of its capitals (9 units).
class LibreCadFont
{
public:
    // The font LibreCAD takes for a style: the one of its name, whatever the case.
    static LibreCadFont forStyle(const QString &style)
    {
        LibreCadFont font;
        const QStringList files = QDir(LibreCadFonts).entryList({QStringLiteral("*.lff")});
        for (const QString &file : files)
            if (QFileInfo(file).completeBaseName().compare(style, Qt::CaseInsensitive) == 0)
                font.read(QDir(LibreCadFonts).filePath(file));
        return font;
    }

    bool isEmpty() const { return m_advances.isEmpty(); }
    bool has(QChar c) const { return m_advances.contains(c.unicode()); }

    // How far the line's lowest stroke goes below its baseline.
    double descent(const QString &line) const
    {
        double lowest = 0;
        for (const QChar c : line)
            lowest = std::min(lowest, m_lowest.value(c.unicode()));
        return -lowest / CapitalUnits;
    }

    double width(const QString &line) const
    {
        double width = 0;
        for (const QChar c : line)
            width += c == u' ' ? m_wordSpacing : m_advances.value(c.unicode()) + m_letterSpacing;
        return width / CapitalUnits;
    }

private:
    static constexpr double CapitalUnits = 9;

    void read(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return;
        static const QRegularExpression glyph(QStringLiteral(R"(^\[#?([0-9A-Fa-f]{4,6})\])"));
        static const QRegularExpression spacing(QStringLiteral(R"(^# (Letter|Word)Spacing:\s*([0-9.]+))"));
        static const QRegularExpression point(QStringLiteral(R"((?:^|;)(-?[0-9.]+),(-?[0-9.]+))"));
        char16_t current = 0;
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine()).trimmed();
            if (const auto match = spacing.match(line); match.hasMatch()) {
                (match.captured(1) == u"Letter" ? m_letterSpacing : m_wordSpacing) =
                    match.captured(2).toDouble();
            } else if (const auto match = glyph.match(line); match.hasMatch()) {
                current = char16_t(match.captured(1).toUInt(nullptr, 16));
                m_advances.insert(current, 0);
            } else if (current && !line.isEmpty() && !line.startsWith(u'#')) {
                for (auto it = point.globalMatch(line); it.hasNext();) {
                    const auto match = it.next();
                    m_advances[current] = std::max(m_advances[current], match.captured(1).toDouble());
                    m_lowest[current] = std::min(m_lowest.value(current), match.captured(2).toDouble());
                }
            }
        }
    }

    QHash<char16_t, double> m_advances; // the widest stroke of each glyph
    QHash<char16_t, double> m_lowest;
    double m_letterSpacing = 0;
    double m_wordSpacing = 0;
};

// Where a text is drawn on the sheet, in the drawing's coordinates: from the left of its first line
// to the right of its widest, from the top of its capitals to the lowest descender of its last line.
// LibreCAD places a text by its capitals and its last baseline.
QRectF extentOf(const QJsonObject &text, const LibreCadFont &font)
{
    const double height = text.value(u"height").toDouble();
    const QStringList lines = text.value(u"text").toString().split(u'\n');
    double widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, font.width(line) * height);
    if (text.value(u"type").toString() == u"TEXT") {
        const double width = widest * text.value(u"widthFactor").toDouble();
        const int horizontal = text.value(u"halign").toInt();
        const int vertical = text.value(u"valign").toInt();
        const QJsonArray at = text.value(horizontal || vertical ? u"alignAt" : u"at").toArray();
        const double left = at[0].toDouble() - width * (horizontal == 1 ? 0.5 : horizontal == 2 ? 1 : 0);
        const double top = at[1].toDouble() + height * (vertical == 3 ? 0 : vertical == 2 ? 0.5 : 1);
        const double below = font.descent(lines.last()) * height;
        return {left, top - height - below, width, height + below};
    }
    const int attachment = text.value(u"attachment").toInt() - 1;
    const double block = height * (1 + (lines.size() - 1) * 5.0 / 3);
    const QJsonArray at = text.value(u"at").toArray();
    const double left = at[0].toDouble() - widest * (attachment % 3) / 2;
    const double top = at[1].toDouble() + block * (attachment / 3) / 2;
    const double below = font.descent(lines.last()) * height;
    return {left, top - block - below, widest, block + below};
}

// The closed outlines of the drawing, in its coordinates, smallest first.
QList<QRectF> boxesOf(const Drawing &drawing)
{
    QList<QRectF> boxes;
    for (const QJsonObject &line : drawing.entities("LWPOLYLINE")) {
        if (!line.value(u"closed").toBool())
            continue;
        QPolygonF points;
        for (const QJsonValue &point : line.value(u"points").toArray())
            points.append(QPointF(point.toArray()[0].toDouble(), point.toArray()[1].toDouble()));
        boxes.append(points.boundingRect());
    }
    std::sort(boxes.begin(), boxes.end(), [](const QRectF &a, const QRectF &b) {
        return a.width() * a.height() < b.width() * b.height();
    });
    return boxes;
}

bool within(const QRectF &inner, const QRectF &outer)
{
    constexpr double Tolerance = 1e-3;
    return inner.left() > outer.left() - Tolerance && inner.right() < outer.right() + Tolerance &&
           inner.top() > outer.top() - Tolerance && inner.bottom() < outer.bottom() + Tolerance;
}

struct Installation
{
    const char *name;
    Requirements requirements;
};

void PrintTo(const Installation &installation, std::ostream *out)
{
    *out << installation.name;
}

class LibreCadTexts : public ::testing::TestWithParam<Installation>
{
protected:
    QList<Drawing> drawings()
    {
        const Catalogue catalogue = bundledCatalogue();
        const Requirements &requirements = GetParam().requirements;
        const Proposal proposal = calculate(catalogue, loadSchemeLibrary(DataDir).lines, requirements);
        const ProjectCard card = filledCard();
        return {readBack(rackDrawing(proposalRackPicture(catalogue, requirements, proposal), card)),
                readBack(diagramDrawing(proposalDiagramPicture(catalogue, requirements, proposal), card))};
    }
};

TEST_P(LibreCadTexts, EveryTextHasAStyleAsAutoCadWritesItNamingALibreCadFontWithEveryCharacter)
{
    for (const Drawing &drawing : drawings()) {
        ASSERT_FALSE(drawing.whole.isEmpty()) << "ezdxf could not read the drawing";
        const QString style = drawing.whole.value(u"textStyle").toString();
        const QJsonObject styles = drawing.whole.value(u"styles").toObject();
        EXPECT_TRUE(styles.contains(u"Standard"));
        // AutoCAD-family programs take the face from the family in the extended data.
        const QJsonObject record = styles.value(style).toObject();
        EXPECT_EQ(record.value(u"font").toString(), QStringLiteral("arial.ttf"));
        EXPECT_EQ(record.value(u"bigfont").toString(), QString());
        const QJsonArray xdata = record.value(u"xdata").toArray();
        EXPECT_TRUE(xdata.contains(QJsonArray{1000, QStringLiteral("Arial")})) << style.toStdString();

        const LibreCadFont font = LibreCadFont::forStyle(style);
        ASSERT_FALSE(font.isEmpty()) << "no LibreCAD font " << style.toStdString() << " in "
                                     << LibreCadFonts.toStdString() << " (librecad-data)";
        const QList<QJsonObject> texts = drawing.texts();
        ASSERT_FALSE(texts.isEmpty());
        for (const QJsonObject &text : texts) {
            const QString shown = text.value(u"text").toString();
            EXPECT_EQ(text.value(u"style").toString(), style) << shown.toStdString();
            for (const QChar c : shown)
                EXPECT_TRUE(c == u'\n' || font.has(c))
                    << "U+" << QString::number(c.unicode(), 16).toStdString() << " in "
                    << shown.toStdString();
        }
    }
}

// Every text, drawn in LibreCAD's font, stays inside the smallest box around it.
void expectEveryTextInItsBox(const Drawing &drawing)
{
    const LibreCadFont font = LibreCadFont::forStyle(drawing.whole.value(u"textStyle").toString());
    ASSERT_FALSE(font.isEmpty());
    const QList<QRectF> boxes = boxesOf(drawing);
    for (const QJsonObject &text : drawing.texts()) {
        const QRectF extent = extentOf(text, font);
        const std::string shown = text.value(u"text").toString().toStdString();
        const auto box = std::find_if(boxes.begin(), boxes.end(),
                                      [&](const QRectF &b) { return b.contains(extent.center()); });
        ASSERT_NE(box, boxes.end()) << shown;
        EXPECT_TRUE(within(extent, *box)) << shown;
        if (text.value(u"type").toString() == u"MTEXT") {
            EXPECT_LE(extent.width(), text.value(u"width").toDouble() + 1e-3) << shown;
        }
    }
}

// LibreCAD breaks a multiline text only where it is written broken, and its font is wider than the
// picture's in places.
TEST_P(LibreCadTexts, NoTextCrossesItsBoxInLibreCadsFont)
{
    for (const Drawing &drawing : drawings())
        expectEveryTextInItsBox(drawing);
}

// Texts that just fit their boxes in the picture's DejaVu Sans, wider in LibreCAD's font: with more
// spaces and narrow letters than most.
TEST(LibreCadText, TextsWiderInLibreCadsFontThanInThePicturesStayInTheirBoxes)
{
    enum class Kind { Label, Line, Wrapped };
    const struct
    {
        Kind kind;
        QString text;
    } cases[] = {
        {Kind::Label, QStringLiteral("Кабель i l l i в т.ч. 1 шт.")},
        {Kind::Label, QStringLiteral("a b c d e f g h i j k l m n o p q r s t")},
        {Kind::Line, QStringLiteral("Кабель i l l i в т.ч. 1 шт.")},
        {Kind::Wrapped, QStringLiteral("a b c d e f g h i j k l m n o p q r s t")},
    };
    PictureScene scene;
    const int font = scene.addFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    const QFontMetricsF metrics(scene.fonts[font]);
    double top = 40;
    for (const auto &[kind, text] : cases) {
        const double width = metrics.horizontalAdvance(text) * (kind == Kind::Wrapped ? 0.5 : 1.02);
        const QRectF box(20, top, width, metrics.height() * (kind == Kind::Wrapped ? 2.2 : 1.1));
        scene.addRect(box, QPen(Qt::black), Qt::NoBrush, SceneLayer::Units);
        if (kind == Kind::Label)
            scene.addLabel(box, text, font, Qt::AlignLeft | Qt::AlignTop);
        else
            scene.addText(text, text, font, box,
                          kind == Kind::Line ? int(Qt::AlignCenter)
                                             : int(Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap));
        top += box.height() + 20;
    }
    const Drawing drawing =
        readBack(rackDrawing(scenePicture(QStringLiteral("проба"), QSizeF(400, top), scene), filledCard()));
    ASSERT_EQ(drawing.entities("LWPOLYLINE", "units").size(), std::size(cases));
    expectEveryTextInItsBox(drawing);
}

// A message block and 300 W in all, no options.
Requirements smallInstallation()
{
    Requirements r;
    r.automatic = true;
    r.powerMode = PowerMode::Total;
    r.totalPowerText = QStringLiteral("300");
    r.sourceLines = {QStringLiteral("K-3262 Блок речевых сообщений на 16 сообщений - 1 шт.")};
    r.alarmBlockCount = 1;
    return r;
}

INSTANTIATE_TEST_SUITE_P(Installations, LibreCadTexts,
                         ::testing::Values(Installation{"everyOption", everyOption()},
                                           Installation{"small", smallInstallation()}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(LibreCadText, NumberSignStaysWithItsNumber)
{
    const double width = lineWidth(u"ООО «Проект-Связь» №");
    EXPECT_EQ(wrappedLines(QStringLiteral("ООО «Проект-Связь» № 2"), width),
              (QStringList{QStringLiteral("ООО «Проект-Связь»"), QStringLiteral("№ 2")}));
    EXPECT_EQ(wrappedLines(QStringLiteral("Лист №  12 из 3"), lineWidth(u"Лист №")),
              (QStringList{QStringLiteral("Лист"), QStringLiteral("№ 12"), QStringLiteral("из 3")}));
}

// The drawings measure their texts at least as wide as LibreCAD draws them, character by character.
TEST(LibreCadText, TheDrawingsMeasureEveryCharacterAtLeastAsWideAsLibreCadsFont)
{
    const LibreCadFont font = LibreCadFont::forStyle(QString::fromLatin1(DrawingTextStyle));
    ASSERT_FALSE(font.isEmpty());
    QString characters = QStringLiteral("№«»—–…°²×±Ω“”„");
    for (char16_t c = u' '; c <= u'~'; ++c)
        characters += QChar(c);
    for (char16_t c = u'Ѐ'; c <= u'џ'; ++c)
        characters += QChar(c);
    for (const QChar c : characters)
        EXPECT_GE(lineWidth(QString(c)), font.width(QString(c)) - 1e-3) << QString(c).toStdString();
}

// Qt hands the user's locale to the C library; under ru_RU a printf-style writer would give "12,5".
TEST(DxfNumbers, ADrawingWrittenUnderTheRussianLocaleHasTheSameNumbersAsUnderC)
{
    CadDrawing cad;
    cad.sheetMm = QSizeF(420.5, 297.25);
    cad.lines = {{QPolygonF({QPointF(12.5, 20.25), QPointF(100.125, 20.25)})}};
    cad.texts = {{QStringLiteral("Ёмкость 2,5 мм"), QPointF(10.75, 30.5), 3.5, 0.875}};

    const std::string before = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "C.UTF-8"), nullptr);
    const QByteArray inC = drawingDxf(cad);
    const bool russian = std::setlocale(LC_ALL, "ru_RU.UTF-8") != nullptr;
    const QByteArray inRussian = drawingDxf(cad);
    const Drawing drawing = readBack(cad);
    std::setlocale(LC_ALL, before.c_str());
    ASSERT_TRUE(russian)
        << "the locale ru_RU.UTF-8 is not installed (localedef -i ru_RU -f UTF-8 ru_RU.UTF-8)";

    EXPECT_TRUE(inRussian == inC) << "the same drawing differs under ru_RU.UTF-8";
    const QList<QJsonObject> lines = drawing.entities("LWPOLYLINE");
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(drawing.onSheet(lines[0].value(u"points").toArray()[1]), QPointF(100.125, 20.25));
    const QList<QJsonObject> texts = drawing.entities("TEXT");
    ASSERT_EQ(texts.size(), 1);
    EXPECT_EQ(drawing.onSheet(texts[0].value(u"at")), QPointF(10.75, 30.5));
    EXPECT_EQ(texts[0].value(u"height").toDouble(), 3.5);
    EXPECT_EQ(texts[0].value(u"widthFactor").toDouble(), 0.875);
}

} // namespace
} // namespace orvika::test
