#pragma once

#include "lines/line_limits.h"
#include "project/project_card_values.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <optional>
#include <utility>

// Reading the values of a JSON file other programs write too: a value of the wrong kind or outside what
// the windows take is dropped and named, and the field keeps what it held.
namespace orvika {

inline constexpr qsizetype LongestShownValue = 40;

// The value as the file writes it, shortened when long.
QString shownValue(const QJsonValue &value);

inline bool given(const QJsonValue &value)
{
    return !value.isUndefined() && !value.isNull();
}

// The values of one part of the card (its own, its lines' settings, a zone's), the dropped ones noted.
class JsonValues
{
public:
    JsonValues(const QJsonObject &object, QString prefix, int zone, QList<DroppedValue> &dropped)
        : m_object(object), m_prefix(std::move(prefix)), m_zone(zone), m_dropped(dropped)
    {
    }

    QJsonValue value(const char *key) const { return m_object.value(QLatin1String(key)); }

    void drop(const char *key, const QJsonValue &value, const QString &expected) const
    {
        m_dropped.append({m_zone, m_prefix + QLatin1String(key), shownValue(value), expected});
    }

    // A text, or a number written as one; null for an empty one. Absent, the field stays.
    void text(const char *key, QString &field) const
    {
        const QJsonValue value = this->value(key);
        if (value.isUndefined())
            return;
        const QString read = value.isDouble() ? QString::number(value.toDouble()) : value.toString();
        if (!value.isString() && !value.isDouble() && !value.isNull())
            return drop(key, value, QStringLiteral("текст"));
        if (read.size() > LongestCardText)
            return drop(key, value, QStringLiteral("текст не длиннее %1 знаков").arg(LongestCardText));
        field = read;
    }

    // A number the rule admits; absent or null, none.
    std::optional<double> number(const char *key, const NumberRule &rule) const
    {
        return number(
            key, [&rule](double v) { return rule.admits(v); }, QString::fromUtf8(rule.range));
    }

    template <typename Admits>
    std::optional<double> number(const char *key, Admits admits, const QString &expected) const
    {
        const QJsonValue value = this->value(key);
        if (!given(value))
            return std::nullopt;
        if (value.isDouble() && admits(value.toDouble()))
            return value.toDouble();
        drop(key, value, expected);
        return std::nullopt;
    }

    // An object or a list under the key; absent or null, an empty one.
    QJsonObject object(const char *key) const
    {
        const QJsonValue value = this->value(key);
        if (given(value) && !value.isObject())
            drop(key, value, QStringLiteral("объект JSON"));
        return value.toObject();
    }
    QJsonArray array(const char *key) const
    {
        const QJsonValue value = this->value(key);
        if (given(value) && !value.isArray())
            drop(key, value, QStringLiteral("список JSON"));
        return value.toArray();
    }

private:
    const QJsonObject &m_object;
    QString m_prefix;
    int m_zone;
    QList<DroppedValue> &m_dropped;
};

} // namespace orvika
