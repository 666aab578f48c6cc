#include "catalogue/scheme_library.h"

#include <QDir>
#include <QList>

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

QString keyOf(const QString &proposedLine)
{
    const qsizetype blank = proposedLine.indexOf(u' ');
    QString key = blank < 0 ? proposedLine : proposedLine.left(blank);
    if (ControllerFamily.contains(key))
        key = ControllerKey;
    if (key.startsWith(QStringLiteral("ZEP")))
        key = QStringLiteral("SOFT");
    return key;
}

} // namespace

QString chooseScheme(const QStringList &schemeLines, const QStringList &proposedLines, bool multiChannel)
{
    QList<int> hits(schemeLines.size(), 0);
    int bestCount = 0;
    qsizetype bestIndex = 0;
    // A strictly greater count wins, so among equal counts the one reached first stays.
    const auto matchingPass = [&](const QString &key) {
        for (qsizetype j = 0; j < schemeLines.size(); ++j) {
            if (schemeLines.at(j).contains(key))
                ++hits[j];
            if (hits.at(j) > bestCount) {
                bestCount = hits.at(j);
                bestIndex = j;
            }
        }
    };
    for (const QString &line : proposedLines) {
        if (!line.isEmpty())
            matchingPass(keyOf(line));
    }
    if (multiChannel)
        matchingPass(QStringLiteral("MN"));
    if (schemeLines.isEmpty())
        return {};
    const QString &chosen = schemeLines.at(bestIndex);
    const qsizetype star = chosen.indexOf(u'*');
    return star < 0 ? QString() : chosen.left(star);
}

} // namespace orvika
