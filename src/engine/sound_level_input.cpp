#include "engine/sound_level_input.h"

#include "files/number_text.h"
#include "sound_level/acoustic_limits.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <limits>

namespace orvika {

double typedFigure(const QString &text)
{
    // No sign, exponent or grouping: what a designer types for metres and decibels.
    static const QRegularExpression form(QStringLiteral("^\\d{1,9}(?:[.,]\\d{0,9})?$"));
    const QString trimmed = text.trimmed();
    if (!form.match(trimmed).hasMatch())
        return std::numeric_limits<double>::quiet_NaN();
    return QString(trimmed).replace(u',', u'.').toDouble();
}

std::optional<QList<double>> typedTaps(const QString &text)
{
    static const QRegularExpression between(QStringLiteral("[;\\s]+"));
    QList<double> taps;
    for (const QString &part : text.split(between, Qt::SkipEmptyParts)) {
        const double tap = typedFigure(part);
        if (!std::isfinite(tap))
            return std::nullopt;
        taps.append(tap);
    }
    std::sort(taps.begin(), taps.end());
    taps.erase(std::unique(taps.begin(), taps.end()), taps.end());
    return taps;
}

QString tapsText(const QList<double> &taps)
{
    QStringList shown;
    for (const double tap : taps)
        shown.append(figureText(tap));
    return shown.join(QStringLiteral("; "));
}

QString figureText(double value)
{
    return russianDecimal(value, 3);
}

QString verdictsText(const RoomResult &result)
{
    QStringList notMet, light;
    for (const Verdict &verdict : result.verdicts) {
        if (verdict.outcome == Verdict::Outcome::NotMet)
            notMet.append(verdict.text);
        else if (verdict.outcome == Verdict::Outcome::LightSignals)
            light.append(verdict.text);
    }
    QString text = notMet.isEmpty() ? QStringLiteral("нормы выполнены")
                                    : QStringLiteral("не выполнено: ") + notMet.join(QStringLiteral("; "));
    if (!light.isEmpty())
        text += QStringLiteral("; ") + light.join(QStringLiteral("; "));
    return text;
}

QString verdictsSummary(const RoomResult &result)
{
    QStringList notMet, light;
    for (const Verdict &verdict : result.verdicts) {
        if (verdict.outcome == Verdict::Outcome::NotMet)
            notMet.append(verdict.clause);
        else if (verdict.outcome == Verdict::Outcome::LightSignals)
            light.append(verdict.clause);
    }
    QString text = notMet.isEmpty() ? QStringLiteral("нормы выполнены")
                                    : QStringLiteral("не выполнены п. ") + notMet.join(QStringLiteral(", "));
    if (!light.isEmpty())
        text += QStringLiteral("; п. %1: световые оповещатели").arg(light.join(QStringLiteral(", ")));
    return text;
}

QString loudspeakerEntryError(const LoudspeakerData &entry, const QList<LoudspeakerData> &others)
{
    const auto range = [](const char *field, const char *rule) {
        return QStringLiteral("«%1»: введите %2").arg(QString::fromUtf8(field), QString::fromUtf8(rule));
    };
    if (entry.name.trimmed().isEmpty())
        return QStringLiteral("«Название»: введите название громкоговорителя");
    for (const LoudspeakerData &other : others) {
        if (other.name == entry.name)
            return QStringLiteral("«Название»: громкоговоритель «%1» уже есть в библиотеке").arg(entry.name);
    }
    if (!SensitivityRule.admits(entry.sensitivity))
        return range("Чувствительность, дБ (1 Вт, 1 м)", SensitivityRule.range);
    if (entry.taps.isEmpty())
        return QStringLiteral(
            "«Отводы, Вт»: введите мощности отводов через точку с запятой: 0,75; 1,5; 3; 6");
    for (const double tap : entry.taps) {
        if (!TapRule.admits(tap))
            return QStringLiteral("«Отводы, Вт»: каждый отвод — %1").arg(QString::fromUtf8(TapRule.range));
    }
    if (!isCoverageAngle(entry.angle))
        return range("Угол охвата по −6 дБ, °", CoverageAngleRange);
    return {};
}

} // namespace orvika
