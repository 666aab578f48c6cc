#include "engine/price_column_memory.h"

#include "files/text_file.h"
#include "files/whole_file.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

namespace orvika {
namespace {

constexpr int MemoryVersion = 1;
constexpr qint64 LargestMemory = 4 * 1024 * 1024;

const QString HeaderKey = QStringLiteral("header");
const QString FileNameKey = QStringLiteral("fileName");
const QString ColumnsKey = QStringLiteral("columns");
const QString ChoicesKey = QStringLiteral("choices");

// A header as it is compared: each cell trimmed, its inner blanks single, case ignored.
QStringList comparedHeader(const QStringList &header)
{
    QStringList cells;
    for (const QString &cell : header)
        cells.append(cell.simplified().toCaseFolded());
    return cells;
}

bool sameKey(const QJsonObject &choice, const QStringList &header, const QString &fileName)
{
    QStringList kept;
    for (const QJsonValue &cell : choice.value(HeaderKey).toArray())
        kept.append(cell.toString());
    if (!header.isEmpty())
        return comparedHeader(kept) == comparedHeader(header);
    return kept.isEmpty() && choice.value(FileNameKey).toString().compare(fileName, Qt::CaseInsensitive) == 0;
}

struct MemoryRead
{
    bool usable = true; // missing, or this program's
    QJsonArray choices;
    QString reason;
};

MemoryRead readMemory(const QString &path)
{
    MemoryRead read;
    const WholeFile file = readWholeFile(path, LargestMemory);
    if (file.outcome == WholeFile::Missing)
        return read;
    read.usable = false;
    if (file.outcome != WholeFile::Read) {
        read.reason =
            file.outcome == WholeFile::TooLarge ? QStringLiteral("файл слишком велик") : file.reason;
        return read;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.bytes, &error);
    const QJsonObject object = document.object();
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        read.reason = QStringLiteral("файл повреждён");
        return read;
    }
    if (object.value(QStringLiteral("format")).toString() != PriceColumnMemoryFormat ||
        object.value(QStringLiteral("version")).toInt() != MemoryVersion) {
        read.reason = QStringLiteral("это не файл выбора столбцов ORVIKA");
        return read;
    }
    read.usable = true;
    read.choices = object.value(ChoicesKey).toArray();
    return read;
}

} // namespace

PriceColumnMemory::PriceColumnMemory(const QString &folder) : m_folder(folder) {}

QString PriceColumnMemory::path() const
{
    return m_folder + u'/' + PriceColumnMemoryFileName;
}

std::optional<PriceColumns> PriceColumnMemory::recall(const QStringList &header,
                                                      const QString &fileName) const
{
    const MemoryRead read = readMemory(path());
    for (const QJsonValue &value : read.choices) {
        const QJsonObject choice = value.toObject();
        if (sameKey(choice, header, fileName))
            return parseColumnChoice(choice.value(ColumnsKey).toString());
    }
    return std::nullopt;
}

std::optional<QString> PriceColumnMemory::remember(const QStringList &header, const QString &fileName,
                                                   const PriceColumns &columns) const
{
    const MemoryRead read = readMemory(path());
    if (!read.usable)
        return QStringLiteral("%1 не заменён: %2").arg(PriceColumnMemoryFileName, read.reason);
    QJsonObject choice{{HeaderKey, QJsonArray::fromStringList(header)},
                       {ColumnsKey, columnChoiceText(columns)}};
    if (header.isEmpty())
        choice.insert(FileNameKey, fileName);
    QJsonArray choices{choice};
    for (const QJsonValue &value : read.choices)
        if (choices.size() < RememberedColumnChoices && !sameKey(value.toObject(), header, fileName))
            choices.append(value);
    const QJsonObject object{{QStringLiteral("format"), PriceColumnMemoryFormat},
                             {QStringLiteral("version"), MemoryVersion},
                             {ChoicesKey, choices}};
    return writeFileAtomically(path(), QJsonDocument(object).toJson(QJsonDocument::Indented));
}

} // namespace orvika
