// The module orvika_dxf: the DXF writer, which only the CAD drawings need, loaded when the first one is
// written.
#include "cad/cad_drawing.h"
#include "cad/drawing_text.h"

#include <QByteArray>
#include <QStringEncoder>
#include <array>
#include <charconv>
#include <cmath>
#include <dxflib/dl_dxf.h>
#include <string_view>

namespace {

using orvika::SceneLayer;

constexpr std::array Layers = {SceneLayer::Frame, SceneLayer::Racks,    SceneLayer::Units,
                               SceneLayer::Links, SceneLayer::Control,  SceneLayer::Text,
                               SceneLayer::Room,  SceneLayer::Coverage, SceneLayer::Dimensions};
constexpr int ByLayer = 256;
const char *const Dashed = "DASHED";
// AutoCAD requires the style "Standard"; the texts have a style of their own (drawing_text.h).
const char *const StandardStyle = "Standard";
const char *const TextStyle = orvika::DrawingTextStyle;
// Arial is on every Windows desktop and has Cyrillic; AutoCAD-family programs take it for the texts.
const char *const FontFile = "arial.ttf";
const char *const FontFamily = "Arial";
// A TrueType face's pitch and family as a CAD program keeps them: variable pitch, sans serif.
constexpr int VariablePitchSwiss = 0x22;

int layerColour(SceneLayer layer)
{
    switch (layer) {
    case SceneLayer::Racks:
        return 8; // grey
    case SceneLayer::Control:
        return 5; // blue
    default:
        return 7; // black on a white sheet, white on a dark one
    }
}

// The nearest of the line weights a DXF file may give, in hundredths of a millimetre.
int lineWeight(double mm)
{
    static constexpr std::array Weights = {5,  9,  13, 15, 18,  20,  25,  30,  35,  40,  50, 53,
                                           60, 70, 80, 90, 100, 106, 120, 140, 158, 200, 211};
    const double wanted = mm * 100;
    int nearest = Weights.front();
    for (int weight : Weights)
        if (std::abs(weight - wanted) < std::abs(nearest - wanted))
            nearest = weight;
    return nearest;
}

// Black and white follow the layer, as a CAD program shows them on either background; other colours
// are given as they are.
DL_Attributes attributes(SceneLayer layer, const QColor &colour, double weightMm = 0, bool dashed = false)
{
    const bool plain = colour == Qt::black || colour == Qt::white;
    return DL_Attributes(orvika::layerName(layer), ByLayer, plain ? -1 : int(colour.rgb() & 0xffffff),
                         weightMm > 0 ? lineWeight(weightMm) : -1, dashed ? Dashed : "BYLAYER");
}

// Text in the drawing's code page, Windows-1251, the one Russian CAD programs read; a character it
// lacks is written as \U+XXXX, which they read in any code page. A CAD text's own control characters
// are escaped.
class TextEncoder
{
public:
    std::string encode(const QString &text, bool multiline)
    {
        std::string encoded;
        encoded.reserve(size_t(text.size()) + 8);
        for (const QChar c : text) {
            const char16_t code = c.unicode();
            if (code == u'\n') {
                encoded += multiline ? "\\P" : " ";
            } else if (code < 0x20) {
                encoded += ' ';
            } else if (multiline && (code == u'\\' || code == u'{' || code == u'}')) {
                encoded += '\\';
                encoded += char(code);
            } else if (!multiline && code == u'%') {
                encoded += "%%%"; // "%%" begins a control code; "%%%" is the sign itself
            } else if (code < 0x80) {
                encoded += char(code);
            } else {
                encoded += encodeOne(c);
            }
        }
        return encoded;
    }

private:
    std::string encodeOne(QChar c)
    {
        if (m_codePage.isValid() && !c.isSurrogate()) {
            // A character the code page lacks comes out as the substitute, 0x1A.
            const QByteArray bytes = m_codePage.encode(QStringView(&c, 1));
            if (bytes.size() == 1 && bytes[0] != '\x1a')
                return bytes.toStdString();
        }
        char escape[16];
        std::snprintf(escape, sizeof escape, "\\U+%04X", unsigned(c.unicode()));
        return escape;
    }

    static constexpr const char *CodePage = "windows-1251";
    QStringEncoder m_codePage{CodePage};
};

// Attachment of a multiline text and the justifications of a line of text, from the alignment.
int column(Qt::Alignment alignment)
{
    return alignment & Qt::AlignRight ? 2 : alignment & Qt::AlignHCenter ? 1 : 0;
}

int attachment(Qt::Alignment alignment)
{
    const int row = alignment & Qt::AlignBottom ? 2 : alignment & Qt::AlignVCenter ? 1 : 0;
    return row * 3 + column(alignment) + 1;
}

int verticalJustification(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignTop)
        return 3;
    if (alignment & Qt::AlignVCenter)
        return 2;
    if (alignment & Qt::AlignBottom)
        return 1;
    return 0; // the baseline
}

// The library's writer with its output kept in memory: its own writes a file and flushes every line.
class MemoryWriter : public DL_WriterA
{
public:
    explicit MemoryWriter(QByteArray &out) : DL_WriterA("/dev/null", DL_Codes::AC1015), m_out(out) {}

    void dxfReal(int gc, double value) const override
    {
        // Micrometres are finer than any drawing needs; trailing zeros go, one decimal stays. Not printf:
        // the C library's numbers follow the user's locale, which Qt sets, and ru_RU writes "12,5".
        char digits[64];
        const auto end =
            std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 6).ptr;
        std::string_view text(digits, size_t(end - digits));
        while (text.size() > 2 && text.back() == '0' && text[text.size() - 2] != '.')
            text.remove_suffix(1);
        write(gc, text);
    }
    void dxfInt(int gc, int value) const override
    {
        char digits[16];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        write(gc, std::string_view(digits, size_t(end - digits)));
    }
    void dxfHex(int gc, int value) const override
    {
        char digits[16];
        const auto end = std::to_chars(digits, digits + sizeof digits, unsigned(value), 16).ptr;
        std::string upper(digits, end);
        for (char &c : upper)
            c = char(std::toupper(static_cast<unsigned char>(c)));
        write(gc, upper);
    }
    void dxfString(int gc, const char *value) const override { write(gc, value); }
    void dxfString(int gc, const std::string &value) const override { write(gc, value); }

private:
    void write(int gc, std::string_view value) const
    {
        // The group code right-aligned in three places, as every writer of the format does.
        char code[16];
        const auto end = std::to_chars(code, code + sizeof code, gc).ptr;
        const qsizetype width = end - code;
        m_out.append(QByteArray(std::max<qsizetype>(0, 3 - width), ' '));
        m_out.append(code, width);
        m_out.append('\n');
        m_out.append(value.data(), qsizetype(value.size()));
        m_out.append('\n');
    }

    QByteArray &m_out;
};

class DxfWriter
{
public:
    DxfWriter(const orvika::CadDrawing &drawing, DL_Dxf &dxf, DL_WriterA &out)
        : m_drawing(drawing), m_dxf(dxf), m_out(out)
    {
    }

    void write()
    {
        writeHeader();
        writeTables();
        m_out.sectionBlocks();
        for (const char *block : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
            m_dxf.writeBlock(m_out, DL_BlockData(block, 0, 0, 0, 0));
            m_dxf.writeEndBlock(m_out, block);
        }
        m_out.sectionEnd();
        m_out.sectionEntities();
        writeEntities();
        m_out.sectionEnd();
        m_dxf.writeObjects(m_out);
        m_dxf.writeObjectsEnd(m_out);
        m_out.dxfEOF();
    }

private:
    // DXF's y runs up the sheet.
    double x(const QPointF &point) const { return point.x(); }
    double y(const QPointF &point) const { return m_drawing.sheetMm.height() - point.y(); }

    void writeHeader()
    {
        m_dxf.writeHeader(m_out);
        m_out.dxfString(9, "$DWGCODEPAGE");
        m_out.dxfString(3, "ANSI_1251");
        m_out.dxfString(9, "$INSUNITS");
        m_out.dxfInt(70, 4); // millimetres
        m_out.dxfString(9, "$MEASUREMENT");
        m_out.dxfInt(70, 1); // metric
        m_out.dxfString(9, "$LWDISPLAY");
        m_out.dxfInt(290, 1);
        for (const char *corner : {"$EXTMIN", "$LIMMIN"}) {
            m_out.dxfString(9, corner);
            m_out.dxfReal(10, 0);
            m_out.dxfReal(20, 0);
        }
        for (const char *corner : {"$EXTMAX", "$LIMMAX"}) {
            m_out.dxfString(9, corner);
            m_out.dxfReal(10, m_drawing.sheetMm.width());
            m_out.dxfReal(20, m_drawing.sheetMm.height());
        }
        m_out.dxfString(9, "$TEXTSTYLE");
        m_out.dxfString(7, TextStyle);
        m_out.sectionEnd();
    }

    void writeTables()
    {
        m_out.sectionTables();
        m_dxf.writeVPort(m_out);

        m_out.tableLinetypes(4);
        m_dxf.writeLinetype(m_out, DL_LinetypeData("BYBLOCK", "", 0, 0, 0));
        m_dxf.writeLinetype(m_out, DL_LinetypeData("BYLAYER", "", 0, 0, 0));
        m_dxf.writeLinetype(m_out, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0));
        double dashes[] = {3, -1.5};
        m_dxf.writeLinetype(m_out, DL_LinetypeData(Dashed, "Dashed __ __ __", 0, 2, 4.5, dashes));
        m_out.tableEnd();

        m_out.tableLayers(int(Layers.size()) + 1);
        m_dxf.writeLayer(m_out, DL_LayerData("0", 0), DL_Attributes("", 7, 25, "CONTINUOUS", 1));
        for (SceneLayer layer : Layers)
            m_dxf.writeLayer(m_out, DL_LayerData(orvika::layerName(layer), 0),
                             DL_Attributes("", layerColour(layer), 25,
                                           layer == SceneLayer::Control ? Dashed : "CONTINUOUS", 1));
        m_out.tableEnd();

        m_out.tableStyle(2);
        m_dxf.writeStyle(m_out, DL_StyleData(StandardStyle, 0, 0, 1, 0, 0, 2.5, FontFile, ""));
        writeTextStyle();
        m_out.tableEnd();

        m_dxf.writeView(m_out);
        m_dxf.writeUcs(m_out);
        m_out.tableAppid(1);
        m_dxf.writeAppid(m_out, "ACAD");
        m_out.tableEnd();
        m_dxf.writeDimStyle(m_out, 2.5, 0.625, 0.625, 0.625, 2.5);
        m_dxf.writeBlockRecord(m_out);
        m_out.tableEnd();
        m_out.sectionEnd();
    }

    // The texts' style as AutoCAD writes one: the TrueType file in group 3 and the family in the ACAD
    // extended data, where AutoCAD-family programs take the face from; LibreCAD takes its font from
    // the style's name. The library's writeStyle leaves group 3 empty and gives the file as the family.
    void writeTextStyle()
    {
        m_out.dxfString(0, "STYLE");
        m_out.handle();
        m_out.dxfString(100, "AcDbSymbolTableRecord");
        m_out.dxfString(100, "AcDbTextStyleTableRecord");
        m_out.dxfString(2, TextStyle);
        m_out.dxfInt(70, 0);
        m_out.dxfReal(40, 0); // no fixed height
        m_out.dxfReal(41, 1); // width factor
        m_out.dxfReal(50, 0); // oblique angle
        m_out.dxfInt(71, 0);
        m_out.dxfReal(42, 2.5); // last height used
        m_out.dxfString(3, FontFile);
        m_out.dxfString(4, "");
        m_out.dxfString(1001, "ACAD");
        m_out.dxfString(1000, FontFamily);
        m_out.dxfInt(1071, VariablePitchSwiss);
    }

    void writeEntities()
    {
        for (const orvika::CadLine &line : m_drawing.lines) {
            m_dxf.writePolyline(m_out, DL_PolylineData(int(line.pointsMm.size()), 0, 0, line.closed ? 1 : 0),
                                attributes(line.layer, line.colour, line.weightMm, line.dashed));
            for (const QPointF &point : line.pointsMm)
                m_dxf.writeVertex(m_out, DL_VertexData(x(point), y(point)));
            m_dxf.writePolylineEnd(m_out);
        }
        for (const orvika::CadFill &fill : m_drawing.fills) {
            // A solid's third and fourth corners are the same for a triangle.
            const QPolygonF &p = fill.pointsMm;
            if (p.size() < 3)
                continue;
            const QPointF last = p.size() > 3 ? p[3] : p[2];
            m_dxf.writeSolid(m_out,
                             DL_SolidData(x(p[0]), y(p[0]), 0, x(p[1]), y(p[1]), 0, x(last), y(last), 0,
                                          x(p[2]), y(p[2]), 0),
                             attributes(fill.layer, fill.colour));
        }
        for (const orvika::CadCircle &circle : m_drawing.circles)
            m_dxf.writeCircle(m_out,
                              DL_CircleData(x(circle.centreMm), y(circle.centreMm), 0, circle.radiusMm),
                              attributes(circle.layer, circle.colour));
        for (const orvika::CadText &text : m_drawing.texts)
            writeText(text);
    }

    void writeText(const orvika::CadText &text)
    {
        const DL_Attributes attrib = attributes(text.layer, text.colour);
        const double px = x(text.atMm);
        const double py = y(text.atMm);
        if (text.wrapWidthMm > 0) {
            m_dxf.writeMText(m_out,
                             DL_MTextData(px, py, 0, 1, 0, 0, text.heightMm, text.wrapWidthMm,
                                          attachment(text.alignment), 1, 1, 1.0,
                                          m_encoder.encode(text.text, true), TextStyle, 0),
                             attrib);
            return;
        }
        const int horizontal = column(text.alignment);
        const int vertical = verticalJustification(text.alignment);
        m_dxf.writeText(m_out,
                        DL_TextData(px, py, 0, px, py, 0, text.heightMm, text.widthFactor, 0, horizontal,
                                    vertical, m_encoder.encode(text.text, false), TextStyle, 0),
                        attrib);
    }

    const orvika::CadDrawing &m_drawing;
    DL_Dxf &m_dxf;
    DL_WriterA &m_out;
    TextEncoder m_encoder;
};

} // namespace

// The drawing as DXF (AutoCAD 2000), millimetres at 1:1.
extern "C" Q_DECL_EXPORT void orvikaDrawingDxf(const orvika::CadDrawing *drawing, QByteArray *dxf)
{
    DL_Dxf library;
    // About the size of an entity, so the bytes grow a few times rather than at every other entity.
    dxf->reserve(4096 + 160 * (drawing->lines.size() * 4 + drawing->texts.size() + drawing->fills.size()));
    MemoryWriter out(*dxf);
    DxfWriter(*drawing, library, out).write();
}
