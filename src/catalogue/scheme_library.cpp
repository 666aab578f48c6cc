#include "catalogue/scheme_library.h"

#include <QStringMatcher>
#include <QVarLengthArray>

namespace orvika {

SchemeLibrary loadSchemeLibrary(const QString &appDir)
{
    SchemeLibrary library;
    const TextReadResult file = readTextFile(appDir + QStringLiteral("/Base/Sxemm"));
    library.lines = file.lines.isEmpty() ? QStringList{QString()} : file.lines;
    library.errorCode = file.errorCode;
    if (!file.errorCode)
        library.schemeCount = static_cast<int>(file.lines.size());
    return library;
}

namespace {

// Models that the library knows by the name of the unit they stand for.
const QString ControllerFamily = QStringLiteral("K-3110 K-3210 K-3270 K3290");
const QString ControllerKey = QStringLiteral("K-3205");

// A view, not a copy: a calculation asks for the key of every proposed line.
QStringView keyOf(QStringView proposedLine)
{
    const qsizetype blank = proposedLine.indexOf(u' ');
    const QStringView model = blank < 0 ? proposedLine : proposedLine.left(blank);
    if (ControllerFamily.contains(model))
        return ControllerKey;
    if (model.startsWith(u"ZEP"))
        return u"SOFT";
    return model;
}

} // namespace

QString chooseScheme(const QStringList &schemeLines, const QStringList &proposedLines, bool multiChannel)
{
    QVarLengthArray<int, 32> hits(schemeLines.size(), 0);
    int bestCount = 0;
    qsizetype bestIndex = 0;
    // A strictly greater count wins, so among equal counts the one reached first stays.
    const auto matchingPass = [&](QStringView key) {
        const QStringMatcher keyMatcher(key); // one skip table for every library line
        for (qsizetype j = 0; j < schemeLines.size(); ++j) {
            if (keyMatcher.indexIn(schemeLines.at(j)) >= 0)
                ++hits[j];
            if (hits[j] > bestCount) {
                bestCount = hits[j];
                bestIndex = j;
            }
        }
    };
    for (const QString &line : proposedLines) {
        if (!line.isEmpty())
            matchingPass(keyOf(line));
    }
    if (multiChannel)
        matchingPass(u"MN");
    if (schemeLines.isEmpty())
        return {};
    const QString &chosen = schemeLines.at(bestIndex);
    const qsizetype star = chosen.indexOf(u'*');
    return star < 0 ? QString() : chosen.left(star);
}

} // namespace orvika
