#pragma once

#include "files/text_file.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace orvika::test {

// Writes <folder>/Base/<name> in Windows-1251, making Base when it is missing. An empty list gives an
// empty file rather than one blank line.
inline bool writeBaseFile(const QString &folder, const QString &name, const QStringList &lines)
{
    const QString base = folder + QStringLiteral("/Base");
    if (!QDir().mkpath(base))
        return false;
    QFile file(base + u'/' + name);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = lines.isEmpty() ? QByteArray() : encodeLines(lines);
    return file.write(bytes) == bytes.size();
}

// Pads catalogue lines to what the catalogue reader accepts: model lines made from filler, its %1 a
// running number from first, until 29 lines are model lines, then section headings up to 59 lines.
inline QStringList padCatalogue(QStringList lines, const QString &filler, int first)
{
    int models = 0;
    for (const QString &line : lines)
        models += line.startsWith(u'K') ? 1 : 0;
    for (int n = first; models < 29; ++n, ++models)
        lines.append(filler.arg(n));
    for (int n = 1; lines.size() < 59; ++n)
        lines.append(QStringLiteral("Раздел %1").arg(n));
    return lines;
}

// Copies a ready data file to <folder>/Base/<name>, making Base when it is missing.
inline bool copyBaseFile(const QString &folder, const QString &name, const QString &from)
{
    const QString base = folder + QStringLiteral("/Base");
    return QDir().mkpath(base) && QFile::copy(from, base + u'/' + name);
}

} // namespace orvika::test

// A working directory of its own for start-up tests: Base/Base-Date and Base/Sxemm written in
// Windows-1251, or left out.
namespace orvika::test::startup {

// Picker items in file order, which is not alphabetical order.
inline const QStringList Microphones = {QStringLiteral("K-11 Микрофон ручной"),
                                        QStringLiteral("K-10 Микрофон настольный")};
inline const QStringList AlarmBlocks = {QStringLiteral("K-20 Блок сообщений"),
                                        QStringLiteral("ZEP-60 Программа управления")};
inline const QStringList MusicSources = {QStringLiteral("K-32 Проигрыватель дисков"),
                                         QStringLiteral("K-30 Тюнер"), QStringLiteral("K-31 Проигрыватель")};
inline const QStringList Consoles = {QStringLiteral("K-40 Консоль")};
inline const QStringList ReserveUnits = {QStringLiteral("K-51 Блок резерва большой"),
                                         QStringLiteral("K-50 Блок резерва")};

// 59 lines, a model line first and 29 model lines, the picker items of different kinds interleaved.
inline QStringList catalogueLines()
{
    const QStringList lines = {
        MusicSources[0] + QStringLiteral("#30%2&MZ"),    Microphones[0] + QStringLiteral("#2%0&MC"),
        ReserveUnits[0] + QStringLiteral("#60%3&BR"),    AlarmBlocks[0] + QStringLiteral("#20%1&AL"),
        Microphones[1] + QStringLiteral("#3%0&MC"),      MusicSources[1] + QStringLiteral("#15%1&MZ"),
        Consoles[0] + QStringLiteral("#10%1&RM"),        ReserveUnits[1] + QStringLiteral("#40%2&BR"),
        MusicSources[2] + QStringLiteral("#25%2&MZ"),    AlarmBlocks[1] + QStringLiteral("#0%0&AL"),
        QStringLiteral("K-60 Адаптер консолей#12%1&AS"),
    };
    return padCatalogue(lines, QStringLiteral("K-7%1 Изделие#1%1&"), 0);
}

inline const QStringList SchemeLines = {QStringLiteral("СХЕМА 1.1.*K-3205 SOFT"),
                                        QStringLiteral("СХЕМА 1.2.*K-3205 MN"),
                                        QStringLiteral("СХЕМА 2.1.*K-20 K-30")};

class DataFolder
{
public:
    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString base() const { return m_dir.path() + QStringLiteral("/Base"); }

    bool makeBase() const { return QDir().mkpath(base()); }

    bool writeCatalogue(const QStringList &lines) const
    {
        return writeBaseFile(path(), QStringLiteral("Base-Date"), lines);
    }
    bool writeSchemes(const QStringList &lines) const
    {
        return writeBaseFile(path(), QStringLiteral("Sxemm"), lines);
    }

private:
    QTemporaryDir m_dir;
};

} // namespace orvika::test::startup
