#include "app/fonts.h"

#include <QFile>
#include <QFontDatabase>

namespace orvika {

bool registerTahoma()
{
    static const bool available = [] {
        bool regular = false;
        for (const char *file : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"}) {
            const QString path = QString::fromLatin1(file);
            if (QFile::exists(path) && QFontDatabase::addApplicationFont(path) >= 0)
                regular = true;
        }
        return regular || QFontDatabase::hasFamily(QStringLiteral("Tahoma"));
    }();
    return available;
}

QFont tahoma(qreal pointSize, bool bold)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace orvika
