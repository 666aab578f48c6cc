#include "calculations/content_sections.h"
#include "files/number_text.h"
#include "sound_level/room_table.h"

namespace orvika::calculation_sections {
namespace {

QString figure(double value)
{
    return russianDecimal(value, 2);
}

QString roomNumber(qsizetype index)
{
    return QString::number(index + 1);
}

ContentTable inputTable(const Acoustics &acoustics)
{
    ContentTable inputs;
    inputs.header = {{QStringLiteral("№"), QStringLiteral("Зона"), QStringLiteral("Помещение"),
                      QStringLiteral("Назначение"), QStringLiteral("Шум, дБА"), QStringLiteral("Спальное"),
                      QStringLiteral("L × W × H, м"), QStringLiteral("h, м"), QStringLiteral("Установка"),
                      QStringLiteral("Перекрытие"), QStringLiteral("Громкоговоритель")}};
    inputs.widthsMm = {7, 9, 22, 30, 11, 10, 20, 9, 17, 23, 27};
    inputs.figures = {true, true, false, false, true, true, true, true, false, false, false};
    for (qsizetype i = 0; i < acoustics.rooms.size(); ++i) {
        const Room &room = acoustics.rooms.at(i);
        QString mounting = mountingText(room.mounting);
        if (room.mounting != Mounting::Ceiling)
            mounting += QStringLiteral(", верх на %1 м").arg(figure(room.wallSpeakerHeight()));
        inputs.rows.append(
            {roomNumber(i), QString::number(room.zone), room.name, room.kind, russianFixed(room.noise, 1),
             room.sleeping ? QStringLiteral("да") : QString(),
             QStringLiteral("%1 × %2 × %3").arg(figure(room.length), figure(room.width), figure(room.height)),
             figure(room.listening), mounting, densityText(room.density), room.loudspeaker});
    }
    return inputs;
}

ContentTable resultTable(const Acoustics &acoustics, const QList<RoomCalculation> &calculations)
{
    ContentTable results;
    results.header = {{QStringLiteral("№"), QStringLiteral("Помещение"), QStringLiteral("Кол-во, шт."),
                       QStringLiteral("Расстановка"), QStringLiteral("Отвод, Вт"),
                       QStringLiteral("Мощность, Вт"), QStringLiteral("Lтреб, дБА"),
                       QStringLiteral("Lw, дБА"), QStringLiteral("L3м, дБА"), QStringLiteral("Lmax, дБА"),
                       QStringLiteral("Нормы")}};
    results.widthsMm = {7, 30, 12, 20, 13, 17, 14, 14, 14, 14, 30};
    results.figures = {true, false, true, true, true, true, true, true, true, true, false};
    for (qsizetype i = 0; i < calculations.size(); ++i) {
        const Room &room = acoustics.rooms.at(i);
        const std::optional<RoomResult> &result = calculations.at(i).result;
        if (!result) {
            results.rows.append({roomNumber(i), room.name, QString(), QString(), QString(), QString(),
                                 QString(), QString(), QString(), QString(),
                                 QStringLiteral("не рассчитано")});
            continue;
        }
        results.rows.append({roomNumber(i), room.name, QString::number(result->count()),
                             layoutText(room, *result), russianDecimal(result->tap, 3),
                             russianDecimal(result->power, 3), levelText(result->required),
                             levelText(result->worst), levelText(result->at3m), levelText(result->loudest),
                             result->met ? QStringLiteral("выполнены") : QStringLiteral("не выполнены")});
    }
    return results;
}

// A row a room and its conclusion in one paragraph: the clauses met named together (their figures are in
// the results), each clause not met or not applying in its own words. A cell of several paragraphs would not
// survive every office program, and a row a clause would make a building's note four times as long.
QString roomConclusion(const RoomResult &result)
{
    QStringList met, said;
    for (const Verdict &verdict : result.verdicts) {
        if (verdict.outcome == Verdict::Outcome::Met)
            met.append(verdict.clause);
        else
            said.append(verdictWords(verdict));
    }
    if (!met.isEmpty())
        said.prepend((met.size() == 1 ? QStringLiteral("п. %1 выполнен") : QStringLiteral("пп. %1 выполнены"))
                         .arg(met.join(QStringLiteral(", "))));
    return said.join(QStringLiteral("; "));
}

ContentTable verdictTable(const Acoustics &acoustics, const QList<RoomCalculation> &calculations)
{
    ContentTable verdicts;
    verdicts.header = {{QStringLiteral("№"), QStringLiteral("Помещение"), QStringLiteral("Вывод")}};
    verdicts.widthsMm = {7, 30, 148};
    verdicts.figures = {true, false, false};
    for (qsizetype i = 0; i < calculations.size(); ++i) {
        const RoomCalculation &calculation = calculations.at(i);
        verdicts.rows.append({roomNumber(i), acoustics.rooms.at(i).name,
                              calculation.result ? roomConclusion(*calculation.result) : calculation.error});
    }
    return verdicts;
}

} // namespace

void addRooms(QList<ContentBlock> &blocks, const Acoustics &acoustics,
              const QList<RoomCalculation> &calculations)
{
    blocks.append(heading(QStringLiteral("4. Помещения")));
    if (acoustics.rooms.isEmpty()) {
        blocks.append(paragraph(QStringLiteral("Помещения не заданы.")));
        return;
    }
    blocks.append(paragraph(QStringLiteral(
        "Исходные данные: L × W × H — длина, ширина и высота помещения, h — высота прослушивания.")));
    blocks.append(table(inputTable(acoustics)));
    blocks.append(paragraph(QStringLiteral("Результаты расчёта:")));
    blocks.append(table(resultTable(acoustics, calculations)));
    blocks.append(paragraph(QStringLiteral("Выводы:")));
    blocks.append(table(verdictTable(acoustics, calculations)));
}

void addZoneTotals(QList<ContentBlock> &blocks, const QList<ZoneTotal> &totals)
{
    blocks.append(heading(QStringLiteral("5. Итоги по зонам")));
    if (totals.isEmpty()) {
        blocks.append(paragraph(QStringLiteral("Помещения не заданы.")));
        return;
    }
    ContentTable zones;
    zones.header = {{QStringLiteral("Зона"), QStringLiteral("Помещений"), QStringLiteral("Громкоговоритель"),
                     QStringLiteral("Кол-во, шт."), QStringLiteral("Мощность, Вт"),
                     QStringLiteral("Не рассчитаны"), QStringLiteral("Нормы не выполнены")}};
    zones.widthsMm = {12, 18, 45, 16, 18, 38, 38};
    zones.figures = {true, true, false, true, true, false, false};
    for (const ZoneTotal &total : totals)
        zones.rows.append({QString::number(total.zone), QString::number(total.rooms.size()),
                           total.loudspeakers.join(QStringLiteral("; ")), QString::number(total.count),
                           russianDecimal(total.power, 3), total.unsolved.join(QStringLiteral("; ")),
                           total.notMet.join(QStringLiteral("; "))});
    blocks.append(table(std::move(zones)));
}

} // namespace orvika::calculation_sections
