#include "sound_level/room_table.h"

#include "files/number_text.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace orvika {

QString mountingText(Mounting mounting)
{
    switch (mounting) {
    case Mounting::Ceiling:
        return QStringLiteral("потолок");
    case Mounting::Wall:
        return QStringLiteral("стена");
    case Mounting::Walls:
        return QStringLiteral("две стены");
    }
    return {};
}

QString densityText(Density density)
{
    return density == Density::Full ? QStringLiteral("полное") : QStringLiteral("минимальное");
}

QString layoutText(const Room &room, const RoomResult &result)
{
    const RoomLayout &layout = result.layout;
    switch (room.mounting) {
    case Mounting::Ceiling:
        return QStringLiteral("%1 × %2").arg(layout.columns).arg(layout.rows);
    case Mounting::Wall:
        return QStringLiteral("%1 на стене").arg(layout.columns);
    case Mounting::Walls:
        return QStringLiteral("%1 + %1").arg(layout.columns);
    }
    return {};
}

QString conclusionText(const RoomCalculation &calculation)
{
    if (!calculation.result)
        return calculation.error;
    QStringList notMet;
    for (const Verdict &verdict : calculation.result->verdicts) {
        if (verdict.outcome == Verdict::Outcome::NotMet || verdict.outcome == Verdict::Outcome::LightSignals)
            notMet.append(verdict.text);
    }
    if (calculation.result->met)
        notMet.prepend(QStringLiteral("нормы выполнены"));
    return notMet.join(QStringLiteral("; "));
}

const QStringList &roomTableHeader()
{
    static const QStringList header = {
        QStringLiteral("Зона"),
        QStringLiteral("Помещение"),
        QStringLiteral("Вид"),
        QStringLiteral("Допустимый шум, дБА"),
        QStringLiteral("Спальное"),
        QStringLiteral("Длина, м"),
        QStringLiteral("Ширина, м"),
        QStringLiteral("Высота, м"),
        QStringLiteral("Высота прослушивания, м"),
        QStringLiteral("Установка"),
        QStringLiteral("Перекрытие"),
        QStringLiteral("Громкоговоритель"),
        QStringLiteral("Размещение"),
        QStringLiteral("Кол-во"),
        QStringLiteral("Отвод, Вт"),
        QStringLiteral("Мощность, Вт"),
        QStringLiteral("Требуемый уровень, дБА"),
        QStringLiteral("Уровень в худшей точке, дБА"),
        QStringLiteral("Уровень на 3 м, дБА"),
        QStringLiteral("Наибольший уровень, дБА"),
        QStringLiteral("Вывод"),
    };
    return header;
}

QStringList roomTableRow(const Room &room, const RoomCalculation &calculation)
{
    // A figure the card does not hold (a value dropped) stays empty.
    const auto figure = [](double value) {
        return std::isfinite(value) ? russianDecimal(value, 2) : QString();
    };
    QStringList row = {QString::number(room.zone),
                       room.name,
                       room.kind,
                       figure(room.noise),
                       room.sleeping ? QStringLiteral("да") : QStringLiteral("нет"),
                       figure(room.length),
                       figure(room.width),
                       figure(room.height),
                       figure(room.listening),
                       mountingText(room.mounting),
                       densityText(room.density),
                       room.loudspeaker};
    if (const std::optional<RoomResult> &result = calculation.result) {
        row << layoutText(room, *result) << QString::number(result->count()) << figure(result->tap)
            << figure(result->power) << levelText(result->required) << levelText(result->worst)
            << levelText(result->at3m) << levelText(result->loudest);
    } else {
        for (int i = 0; i < 8; ++i)
            row << QString();
    }
    row << conclusionText(calculation);
    return row;
}

QList<qsizetype> roomsInZoneOrder(const QList<Room> &rooms)
{
    QList<qsizetype> order(rooms.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&rooms](qsizetype a, qsizetype b) { return rooms.at(a).zone < rooms.at(b).zone; });
    return order;
}

} // namespace orvika
