#include "cad/drawing_text.h"

#include <QFont>
#include <QFontMetricsF>
#include <algorithm>
#include <array>
#include <utility>

namespace orvika {
namespace {

// The advances of LibreCAD's OpenGostTypeA-Regular (fonts/OpenGostTypeA-Regular.lff of librecad-data)
// in thousandths of its capitals' height: a glyph's widest stroke plus the font's letter spacing, a
// space its word spacing, rounded up.
struct Advance
{
    char16_t code;
    short thousandths;
};
constexpr Advance StrokeAdvances[] = {
    {0x0020, 750},  {0x0021, 405},  {0x0022, 584},  {0x0023, 834},  {0x0024, 834},  {0x0025, 1405},
    {0x0026, 977},  {0x0027, 441},  {0x0028, 477},  {0x0029, 477},  {0x002A, 691},  {0x002B, 762},
    {0x002C, 441},  {0x002D, 762},  {0x002E, 405},  {0x002F, 977},  {0x0030, 834},  {0x0031, 620},
    {0x0032, 834},  {0x0033, 762},  {0x0034, 834},  {0x0035, 762},  {0x0036, 834},  {0x0037, 834},
    {0x0038, 877},  {0x0039, 834},  {0x003A, 405},  {0x003B, 441},  {0x003C, 762},  {0x003D, 762},
    {0x003E, 762},  {0x003F, 762},  {0x0040, 1334}, {0x0041, 905},  {0x0042, 834},  {0x0043, 762},
    {0x0044, 834},  {0x0045, 762},  {0x0046, 762},  {0x0047, 834},  {0x0048, 834},  {0x0049, 405},
    {0x004A, 691},  {0x004B, 834},  {0x004C, 691},  {0x004D, 977},  {0x004E, 834},  {0x004F, 834},
    {0x0050, 834},  {0x0051, 905},  {0x0052, 834},  {0x0053, 834},  {0x0054, 834},  {0x0055, 834},
    {0x0056, 905},  {0x0057, 1191}, {0x0058, 905},  {0x0059, 905},  {0x005A, 834},  {0x005B, 477},
    {0x005C, 977},  {0x005D, 477},  {0x005E, 691},  {0x005F, 905},  {0x0060, 441},  {0x0061, 834},
    {0x0062, 762},  {0x0063, 691},  {0x0064, 762},  {0x0065, 762},  {0x0066, 620},  {0x0067, 762},
    {0x0068, 762},  {0x0069, 405},  {0x006A, 548},  {0x006B, 762},  {0x006C, 548},  {0x006D, 977},
    {0x006E, 762},  {0x006F, 762},  {0x0070, 762},  {0x0071, 762},  {0x0072, 691},  {0x0073, 762},
    {0x0074, 620},  {0x0075, 762},  {0x0076, 762},  {0x0077, 1048}, {0x0078, 762},  {0x0079, 762},
    {0x007A, 762},  {0x007B, 548},  {0x007C, 405},  {0x007D, 548},  {0x007E, 834},  {0x00A0, 334},
    {0x00A1, 405},  {0x00A2, 762},  {0x00A3, 834},  {0x00A4, 1191}, {0x00A5, 905},  {0x00A6, 405},
    {0x00A7, 762},  {0x00A8, 620},  {0x00A9, 1405}, {0x00AA, 762},  {0x00AB, 798},  {0x00AC, 834},
    {0x00AD, 762},  {0x00AE, 1405}, {0x00AF, 548},  {0x00B0, 620},  {0x00B1, 762},  {0x00B2, 691},
    {0x00B3, 691},  {0x00B4, 441},  {0x00B5, 834},  {0x00B6, 977},  {0x00B7, 405},  {0x00B8, 463},
    {0x00B9, 548},  {0x00BA, 691},  {0x00BB, 798},  {0x00BC, 1134}, {0x00BD, 1170}, {0x00BE, 1205},
    {0x00BF, 762},  {0x00D7, 762},  {0x03A9, 905},  {0x03BC, 834},  {0x0400, 762},  {0x0401, 762},
    {0x0402, 1048}, {0x0403, 762},  {0x0404, 834},  {0x0405, 834},  {0x0406, 405},  {0x0407, 620},
    {0x0408, 691},  {0x0409, 1262}, {0x040A, 1262}, {0x040B, 1048}, {0x040C, 834},  {0x040D, 834},
    {0x040E, 834},  {0x040F, 834},  {0x0410, 905},  {0x0411, 834},  {0x0412, 834},  {0x0413, 762},
    {0x0414, 905},  {0x0415, 762},  {0x0416, 977},  {0x0417, 834},  {0x0418, 834},  {0x0419, 834},
    {0x041A, 834},  {0x041B, 834},  {0x041C, 977},  {0x041D, 834},  {0x041E, 834},  {0x041F, 834},
    {0x0420, 834},  {0x0421, 762},  {0x0422, 834},  {0x0423, 834},  {0x0424, 1120}, {0x0425, 905},
    {0x0426, 905},  {0x0427, 834},  {0x0428, 977},  {0x0429, 1048}, {0x042A, 977},  {0x042B, 905},
    {0x042C, 834},  {0x042D, 834},  {0x042E, 905},  {0x042F, 834},  {0x0430, 834},  {0x0431, 762},
    {0x0432, 762},  {0x0433, 762},  {0x0434, 762},  {0x0435, 762},  {0x0436, 905},  {0x0437, 727},
    {0x0438, 762},  {0x0439, 762},  {0x043A, 762},  {0x043B, 762},  {0x043C, 834},  {0x043D, 762},
    {0x043E, 762},  {0x043F, 762},  {0x0440, 762},  {0x0441, 691},  {0x0442, 977},  {0x0443, 762},
    {0x0444, 977},  {0x0445, 762},  {0x0446, 834},  {0x0447, 762},  {0x0448, 977},  {0x0449, 1048},
    {0x044A, 834},  {0x044B, 834},  {0x044C, 762},  {0x044D, 762},  {0x044E, 834},  {0x044F, 762},
    {0x0450, 762},  {0x0451, 762},  {0x0452, 834},  {0x0453, 762},  {0x0454, 762},  {0x0455, 762},
    {0x0456, 405},  {0x0457, 620},  {0x0458, 548},  {0x0459, 1120}, {0x045A, 1120}, {0x045B, 834},
    {0x045C, 762},  {0x045D, 762},  {0x045E, 762},  {0x045F, 762},  {0x2013, 834},  {0x2014, 977},
    {0x2018, 441},  {0x2019, 441},  {0x201C, 584},  {0x201D, 584},  {0x201E, 584},  {0x2026, 691},
    {0x2116, 1191}, {0x2126, 905},  {0x2212, 762},  {0x2264, 762},  {0x2265, 762},
};
static_assert(std::is_sorted(std::begin(StrokeAdvances), std::end(StrokeAdvances),
                             [](const Advance &a, const Advance &b) { return a.code < b.code; }));

double strokeAdvance(char16_t code)
{
    const auto found = std::lower_bound(std::begin(StrokeAdvances), std::end(StrokeAdvances), code,
                                        [](const Advance &a, char16_t c) { return a.code < c; });
    return found != std::end(StrokeAdvances) && found->code == code ? found->thousandths / 1000.0 : 0;
}

// DejaVu Sans's advances in heights of its capitals, kept for the characters the drawings write most.
class PictureFace
{
public:
    PictureFace() : m_metrics(face())
    {
        for (char16_t code = 0; code < m_kept.size(); ++code)
            m_kept[code] = measure(code);
    }

    double advance(char16_t code) const { return code < m_kept.size() ? m_kept[code] : measure(code); }

private:
    static QFont face()
    {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(1000);
        return font;
    }

    double measure(char16_t code) const
    {
        return m_metrics.horizontalAdvance(QChar(code)) / m_metrics.capHeight();
    }

    QFontMetricsF m_metrics;
    std::array<double, 0x460> m_kept{};
};

const PictureFace &pictureFace()
{
    static const PictureFace face;
    return face;
}

} // namespace

double lineWidth(QStringView line)
{
    const PictureFace &face = pictureFace();
    double width = 0;
    for (const QChar c : line)
        width += std::max(strokeAdvance(c.unicode()), face.advance(c.unicode()));
    return width;
}

QStringList wrappedLines(const QString &text, double width)
{
    const double space = lineWidth(u" ");
    QStringList lines;
    for (const QStringView paragraph : QStringView(text).split(u'\n')) {
        // "№" stays with the number it names, as Russian typesetting keeps it.
        QStringList words;
        for (const QStringView word : paragraph.split(u' ', Qt::SkipEmptyParts)) {
            if (!words.isEmpty() && words.last() == u"№")
                words.last() += u' ' + word.toString();
            else
                words.append(word.toString());
        }
        QString line;
        double taken = 0;
        for (const QString &word : std::as_const(words)) {
            const double wide = lineWidth(word);
            if (!line.isEmpty() && taken + space + wide > width) {
                lines.append(line);
                line.clear();
                taken = 0;
            }
            if (!line.isEmpty()) {
                line += u' ';
                taken += space;
            }
            line += word;
            taken += wide;
        }
        lines.append(line);
    }
    return lines;
}

FittedLines fitLines(const QString &text, double widthMm, double boxHeightMm, double heightMm,
                     double smallestMm)
{
    constexpr int Steps = 20;
    const double step = (heightMm - smallestMm) / Steps;
    FittedLines fitted;
    for (int i = 0; i <= Steps && !fitted.fits; ++i) {
        fitted.heightMm = heightMm - step * i;
        fitted.lines = wrappedLines(text, widthMm / fitted.heightMm);
        fitted.fits = linesHeight(fitted.lines.size()) * fitted.heightMm <= boxHeightMm &&
                      std::all_of(fitted.lines.begin(), fitted.lines.end(), [&](const QString &line) {
                          return lineWidth(line) * fitted.heightMm <= widthMm;
                      });
        if (step <= 0)
            break;
    }
    return fitted;
}

} // namespace orvika
