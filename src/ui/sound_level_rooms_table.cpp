#include "ui/sound_level_rooms_table.h"

#include "engine/sound_level_input.h"
#include "engine/sound_level_rooms.h"
#include "files/number_text.h"
#include "sound_level/room_table.h"

#include <QHeaderView>
#include <QStringList>

namespace orvika {
namespace {

// Short captions in two lines, so that the verdicts have the room; the tips say them in full.
const QStringList Captions = {
    QStringLiteral("Зона"),          QStringLiteral("Помещение"),     QStringLiteral("Громкоговоритель"),
    QStringLiteral("Кол-во,\nшт."),  QStringLiteral("Размещение"),    QStringLiteral("Отвод,\nВт"),
    QStringLiteral("Мощность,\nВт"), QStringLiteral("L треб.,\nдБА"), QStringLiteral("L w,\nдБА"),
    QStringLiteral("L 3 м,\nдБА"),   QStringLiteral("L max,\nдБА"),   QStringLiteral("Нормы"),
};
const QStringList Tips = {
    {},
    {},
    {},
    QStringLiteral("Громкоговорителей в помещении"),
    QStringLiteral("На потолке: вдоль × поперёк; на стене: в ряд; на двух стенах: по каждой"),
    QStringLiteral("Отвод трансформатора каждого громкоговорителя"),
    QStringLiteral("Мощность всех громкоговорителей помещения"),
    QStringLiteral("Наименьший уровень, который требуют нормы"),
    QStringLiteral("Уровень в худшей точке на высоте прослушивания"),
    QStringLiteral("Уровень на оси громкоговорителя в 3 м от него"),
    QStringLiteral("Уровень там, где в помещении громче всего"),
    QStringLiteral("Пункты норм, которые не выполнены, с уровнями"),
};

} // namespace

SoundLevelRoomsTable::SoundLevelRoomsTable(QWidget *parent) : QTableWidget(0, ColumnCount, parent)
{
    setObjectName(QStringLiteral("soundLevelRoomsTable"));
    setAccessibleName(QStringLiteral("Помещения и их уровни звука"));
    for (int c = 0; c < ColumnCount; ++c) {
        auto *header = new QTableWidgetItem(Captions[c]);
        header->setToolTip(Tips[c]);
        setHorizontalHeaderItem(c, header);
    }
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter | Qt::Alignment(Qt::TextWordWrap));
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->hide();
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void SoundLevelRoomsTable::showRooms(const SoundLevelRooms &rooms)
{
    const qsizetype selected = selectedRoom();
    const QList<Room> &all = rooms.acoustics().rooms;
    const QList<qsizetype> order = roomsInZoneOrder(all);

    clearSpans();
    setRowCount(int(order.size()));
    for (int row = 0; row < order.size(); ++row) {
        const qsizetype index = order.at(row);
        const Room &room = all.at(index);
        const RoomCalculation &calculation = rooms.calculations().at(index);
        QStringList cells(ColumnCount);
        cells[ZoneColumn] = QString::number(room.zone);
        cells[NameColumn] = room.name;
        cells[LoudspeakerColumn] = room.loudspeaker;
        if (const std::optional<RoomResult> &result = calculation.result) {
            cells[CountColumn] = QString::number(result->count());
            cells[LayoutColumn] = layoutText(room, *result);
            cells[TapColumn] = russianDecimal(result->tap, 2);
            cells[PowerColumn] = russianDecimal(result->power, 2);
            cells[RequiredColumn] = levelText(result->required);
            cells[WorstColumn] = levelText(result->worst);
            cells[At3mColumn] = levelText(result->at3m);
            cells[LoudestColumn] = levelText(result->loudest);
            cells[VerdictColumn] = verdictsSummary(*result);
        } else {
            cells[CountColumn] = calculation.error;
        }
        for (int c = 0; c < ColumnCount; ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            item->setData(Qt::UserRole, qlonglong(index));
            const bool figure = c >= CountColumn && c < VerdictColumn && c != LayoutColumn;
            if (c == ZoneColumn || (figure && calculation.result))
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (c == VerdictColumn && calculation.result)
                item->setToolTip(verdictsText(*calculation.result));
            else if (c == CountColumn && !calculation.result)
                item->setToolTip(cells[c]);
            setItem(row, c, item);
        }
        // No result: the reason across the figures.
        if (!calculation.result)
            setSpan(row, CountColumn, 1, ColumnCount - CountColumn);
    }
    resizeColumnsToContents();
    selectRoom(selected);
}

qsizetype SoundLevelRoomsTable::selectedRoom() const
{
    const QList<QTableWidgetItem *> chosen = selectedItems();
    return chosen.isEmpty() ? -1 : chosen.first()->data(Qt::UserRole).toLongLong();
}

void SoundLevelRoomsTable::selectRoom(qsizetype room)
{
    for (int row = 0; row < rowCount(); ++row) {
        if (item(row, ZoneColumn)->data(Qt::UserRole).toLongLong() == room) {
            selectRow(row);
            return;
        }
    }
    clearSelection();
}

} // namespace orvika
