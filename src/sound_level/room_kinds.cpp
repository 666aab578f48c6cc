#include "sound_level/room_kinds.h"

namespace orvika {

const QList<RoomKind> &typicalRoomKinds()
{
    static const QString SanitaryNorms = QStringLiteral("СанПиН 1.2.3685-21, типовое значение");
    static const QList<RoomKind> kinds = {
        {QStringLiteral("Жилые комнаты квартир, день"), 40, false, SanitaryNorms},
        {QStringLiteral("Жилые комнаты квартир, ночь"), 30, true, SanitaryNorms},
        {QStringLiteral("Палаты больниц"), 35, true, SanitaryNorms},
        {QStringLiteral("Классы, аудитории, читальные и конференц-залы"), 40, false, SanitaryNorms},
        {QStringLiteral("Номера гостиниц, общежития"), 45, true, SanitaryNorms},
        {QStringLiteral("Конструкторские бюро, научные помещения"), 50, false, SanitaryNorms},
        {QStringLiteral("Кафе, рестораны"), 55, false, SanitaryNorms},
        {QStringLiteral("Магазины, залы вокзалов и аэропортов"), 60, false, SanitaryNorms},
        {QStringLiteral("Офисы, административные помещения"), 60, false, SanitaryNorms},
        {QStringLiteral("Диспетчерские с речевой связью по телефону"), 65, false, SanitaryNorms},
        {QStringLiteral("Шумные лаборатории, машинные залы"), 75, false, SanitaryNorms},
        {QStringLiteral("Производственные помещения"), 80, false, SanitaryNorms},
    };
    return kinds;
}

const RoomKind *findRoomKind(const QString &name)
{
    for (const RoomKind &kind : typicalRoomKinds()) {
        if (kind.name == name)
            return &kind;
    }
    return nullptr;
}

} // namespace orvika
