#pragma once

#include "sound_level/room_calculation.h"

#include <QList>
#include <QString>
#include <QStringList>

// The rooms as a table, a row a room: what the window's table, the calculation document and the
// rooms' CSV show, worded once.
namespace orvika {

// "потолок", "стена", "две стены".
QString mountingText(Mounting mounting);
// "минимальное", "полное" перекрытие.
QString densityText(Density density);
// How the loudspeakers stand: "6 × 4" on a ceiling, "3 на стене" on a wall, "2 + 2" on two walls.
QString layoutText(const Room &room, const RoomResult &result);
// The conclusion in words: "нормы выполнены", the clauses not met, or why the room is not calculated.
QString conclusionText(const RoomCalculation &calculation);

// Зона, Помещение, Вид, Допустимый шум, дБА, Спальное, Длина, м, Ширина, м, Высота, м, Высота
// прослушивания, м, Установка, Перекрытие, Громкоговоритель, Размещение, Кол-во, Отвод, Вт, Мощность, Вт,
// Требуемый уровень, дБА, Уровень в худшей точке, дБА, Уровень на 3 м, дБА, Наибольший уровень, дБА, Вывод.
const QStringList &roomTableHeader();
// The room's inputs as given and its results, figures with a decimal comma and levels to 0.1 dB; a room
// not calculated has empty results and its reason as the conclusion.
QStringList roomTableRow(const Room &room, const RoomCalculation &calculation);

// The indices of the rooms in zone order, the card's order within a zone.
QList<qsizetype> roomsInZoneOrder(const QList<Room> &rooms);

} // namespace orvika
