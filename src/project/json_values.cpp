#include "project/json_values.h"

#include <QJsonDocument>

namespace orvika {

QString shownValue(const QJsonValue &value)
{
    const QByteArray json = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    QString text = QString::fromUtf8(json.mid(1, json.size() - 2)); // without the list's brackets
    if (text.size() > LongestShownValue)
        text = text.left(LongestShownValue - 1) + u'…';
    return text;
}

} // namespace orvika
