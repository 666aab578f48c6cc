#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <algorithm>

// The drawings' texts as CAD programs draw them. LibreCAD draws a text in its own stroke font of the
// text style's name and does not wrap a multiline text at its width; AutoCAD-family programs draw it
// in the style's TrueType face, Arial. A text measured here, with the wider of LibreCAD's font and
// the picture's DejaVu Sans (itself wider than Arial), and broken into lines here, fits in either.
namespace orvika {

// Named after LibreCAD's font in the manner of ГОСТ 2.304, which has every character the drawings
// write: Cyrillic, "№", "«»", "—", "²", "×", "°".
inline constexpr char DrawingTextStyle[] = "OpenGostTypeA-Regular";

// A multiline text's baselines are 5/3 of its height apart, in LibreCAD as in AutoCAD.
inline constexpr double LinePitch = 5.0 / 3;
// Below the baseline: the descenders of "р", "у" and "щ"; and a little room between them and a box's
// outline, which is drawn with a width of its own.
inline constexpr double Descent = 0.3;
inline constexpr double Clearance = 0.1;

// The width of a line of text in heights of its capitals.
double lineWidth(QStringView line);

// The text broken at spaces into lines no wider than width (in heights of its capitals); its own
// line breaks are kept, a word wider than width has a line of its own, and "№" is never parted from
// the word after it.
QStringList wrappedLines(const QString &text, double width);

// From the top of the first line's capitals to the last line's baseline, with room for the
// descenders below it and as much above: LibreCAD centres a text in its box by its capitals.
inline double linesHeight(qsizetype lines)
{
    return 1 + double(std::max<qsizetype>(lines, 1) - 1) * LinePitch + 2 * (Descent + Clearance);
}

// The largest height, from heightMm down to smallestMm, at which the text's lines fit the box; at
// smallestMm when none does.
struct FittedLines
{
    double heightMm = 0;
    QStringList lines;
    bool fits = false;
};
FittedLines fitLines(const QString &text, double widthMm, double boxHeightMm, double heightMm,
                     double smallestMm);

} // namespace orvika
