#include "calculations/content_sections.h"
#include "pictures/room_plan.h"
#include "sound_level/room_input.h"

#include <QHash>

namespace orvika::calculation_sections {
namespace {

// The numbers of the rooms a plan stands for beyond its own, as many as a caption takes.
constexpr qsizetype NumbersNamed = 10;

// What a plan shows: rooms alike in it share one plan.
QString planKey(const Room &room, const RoomResult &result)
{
    return QStringList{QString::number(room.length),
                       QString::number(room.width),
                       QString::number(room.height),
                       QString::number(room.listening),
                       QString::number(int(room.mounting)),
                       QString::number(int(room.density)),
                       QString::number(room.wallSpeakerHeight()),
                       room.loudspeaker,
                       QString::number(result.tap),
                       QString::number(result.required)}
        .join(u'\x1f');
}

QString caption(const Room &room, qsizetype number, const QList<qsizetype> &alike)
{
    QString text = QStringLiteral("№ %1. %2").arg(number + 1).arg(roomPlanTitle(room));
    if (alike.isEmpty())
        return text;
    QStringList numbers;
    for (qsizetype i = 0; i < std::min(alike.size(), NumbersNamed); ++i)
        numbers.append(QString::number(alike.at(i) + 1));
    text += QStringLiteral("; такой же план у № ") + numbers.join(QStringLiteral(", "));
    if (alike.size() > NumbersNamed)
        text += QStringLiteral(" и ещё %1").arg(alike.size() - NumbersNamed);
    return text;
}

} // namespace

void addPlans(QList<ContentBlock> &blocks, const Acoustics &acoustics,
              const QList<RoomCalculation> &calculations)
{
    blocks.append(heading(QStringLiteral("8. Планы помещений")));
    // The first room of each plan, and the rooms alike with it.
    QList<qsizetype> firsts;
    QHash<QString, qsizetype> planOf;
    QHash<qsizetype, QList<qsizetype>> alike;
    for (qsizetype i = 0; i < calculations.size(); ++i) {
        if (!calculations.at(i).result)
            continue;
        const QString key = planKey(acoustics.rooms.at(i), *calculations.at(i).result);
        const auto found = planOf.constFind(key);
        if (found != planOf.cend()) {
            alike[*found].append(i);
            continue;
        }
        planOf.insert(key, i);
        firsts.append(i);
    }
    if (firsts.isEmpty()) {
        blocks.append(paragraph(QStringLiteral("Рассчитанных помещений нет.")));
        return;
    }
    blocks.append(paragraph(QStringLiteral(
        "Громкоговорители, их охват на высоте прослушивания и наихудшая точка. Помещения с одинаковыми "
        "размерами, установкой, громкоговорителем и отводом показаны одним планом.")));
    ContentBlock plans{ContentBlock::Kind::Pictures, {}, {}, {}};
    for (qsizetype i : firsts) {
        const Room &room = acoustics.rooms.at(i);
        Picture picture = roomPlanPicture(room, *calculations.at(i).result,
                                          *findLoudspeaker(acoustics.loudspeakers, room.loudspeaker));
        picture.title = caption(room, i, alike.value(i));
        plans.pictures.append(std::move(picture));
    }
    blocks.append(std::move(plans));
}

} // namespace orvika::calculation_sections
