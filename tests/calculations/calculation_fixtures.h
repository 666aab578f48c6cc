#pragma once

#include "calculations/calculation_content.h"
#include "project_documents/sheet_fixtures.h"
#include "sound_level/room_fixtures.h"

#include <QRegularExpression>

// The card of a small building for the calculation document: the worked rooms of the method, the
// loudspeakers' data, lines for their zones, and the equipment chosen for them from the bundled catalogue.
namespace orvika::test {

inline const QString CeilingSpeaker = QStringLiteral("Потолочный 6 Вт");
inline const QString WallSpeaker = QStringLiteral("Настенный 6 Вт");

inline ProjectCard acousticCard()
{
    ProjectCard card = filledCard();
    card.acoustics.loudspeakers = {{CeilingSpeaker, 90, {0.75, 1.5, 3, 6}, 90, {}},
                                   {WallSpeaker, 89, {0.75, 1.5, 3, 6}, 100, {}}};
    Room office = with(testRoom(12, 8, 3, 60, Mounting::Ceiling, CeilingSpeaker), [](Room &room) {
        room.name = QStringLiteral("Офис 101");
        room.kind = QStringLiteral("Офисы, административные помещения");
    });
    Room corridor = with(testRoom(30, 6, 3.2, 60, Mounting::Wall, WallSpeaker), [](Room &room) {
        room.zone = 2;
        room.name = QStringLiteral("Коридор");
        room.speakerHeight = 2.9;
        room.density = Density::Full;
    });
    Room bedroom = with(testRoom(6, 4, 2.7, 40, Mounting::Ceiling, CeilingSpeaker), [](Room &room) {
        room.zone = 2;
        room.name = QStringLiteral("Спальня");
        room.sleeping = true;
        room.listening = 0.7;
    });
    Room hall = with(testRoom(40, 20, 8, 80, Mounting::Ceiling, CeilingSpeaker), [](Room &room) {
        room.zone = 3;
        room.name = QStringLiteral("Цех");
    });
    Room unknown = with(testRoom(5, 5, 3, 50, Mounting::Ceiling, QStringLiteral("Нет такого")),
                        [](Room &room) { room.name = QStringLiteral("Склад"); });
    card.acoustics.rooms = {office, corridor, bedroom, hall, unknown};
    card.lines.settings.lossLimit = 5;
    card.lines.zones = {
        {1, QStringLiteral("Офисы"), CeilingSpeaker, 0.75, 24, 120, 1.5, QStringLiteral("КПСнг(А)-FRLS")},
        {2, QStringLiteral("Коридор и спальня"), {}, {}, {}, {}, {}, {}}};
    return card;
}

inline Requirements threeZones()
{
    Requirements r;
    r.automatic = true;
    r.multiZone = true;
    r.zoneCount = 3;
    r.powerMode = PowerMode::PerZone;
    r.zoneLines = {QStringLiteral("Зона 1 - 18 Вт"), QStringLiteral("Зона 2 - 20 Вт"),
                   QStringLiteral("Зона 3 - 90 Вт")};
    r.zoneListCount = 3;
    r.powerReserve = true;
    r.sourceLines = {QStringLiteral("K-3262 Блок речевых сообщений на 16 сообщений - 1 шт.")};
    r.alarmBlockCount = 1;
    r.selectionTotals = {1, 15, 1};
    return r;
}

inline CalculationContent acousticContent(const ProjectCard &card = acousticCard(),
                                          const Requirements &requirements = threeZones())
{
    const Catalogue catalogue = bundledCatalogue();
    const Proposal proposal = calculate(catalogue, loadSchemeLibrary(DataDir).lines, requirements);
    return calculationContent(card, catalogue, requirements, proposal, sp3_13130_2009());
}

// pdftotext's words of a text, whatever its line breaks and spacing: it may also drop the spaces about
// a multiplication sign.
inline QString words(const QString &text)
{
    return QString(text)
        .replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "))
        .replace(QRegularExpression(QStringLiteral(" ?× ?")), QStringLiteral("×"))
        .trimmed();
}

} // namespace orvika::test
