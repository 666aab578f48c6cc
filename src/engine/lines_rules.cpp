#include "engine/main_window_model.h"
#include "files/numbers.h"
#include "lines/line_table.h"

#include <QLocale>

// The loudspeaker lines of the project's card, and the zone powers they give the zone list.
namespace orvika {

int MainWindowModel::lineZoneCount() const
{
    return orvika::lineZoneCount(gatherRequirements());
}

void MainWindowModel::setLoudspeakerLines(const LoudspeakerLines &lines)
{
    ProjectCard card = m_card;
    card.lines = lines;
    setProjectCard(card);
}

std::optional<double> MainWindowModel::zoneListPower(int zone) const
{
    if (zone < 1 || zone > m_zoneList.items.size())
        return std::nullopt;
    // "Зона N - <power> Вт": the power as the calculation reads it.
    const QString &item = m_zoneList.items.at(zone - 1);
    return leadingNumber(QStringView(item).mid(item.indexOf(QStringLiteral(" - ")) + 3));
}

bool MainWindowModel::canTransferZonePowers() const
{
    return canTransferZonePowers(m_card.lines);
}

bool MainWindowModel::canTransferZonePowers(const LoudspeakerLines &lines) const
{
    if (m_controls.powerMode != PowerMode::PerZone)
        return false;
    const QList<ZoneLine> shown = shownZoneLines(lines, lineZoneCount());
    return std::all_of(shown.cbegin(), shown.cend(), [](const ZoneLine &line) { return line.zonePower(); });
}

void MainWindowModel::transferZonePowers()
{
    const Action action(*this);
    if (!canTransferZonePowers())
        return;
    clearZones();
    // Typed as the user types a number: in the user's notation, without group separators.
    QLocale notation;
    notation.setNumberOptions(QLocale::OmitGroupSeparator);
    for (const ZoneLine &line : shownZoneLines(m_card.lines, lineZoneCount())) {
        if (!zoneMayBeAdded() || !addZoneAnswer(notation.toString(*line.zonePower(), 'g', 15)))
            return;
    }
}

} // namespace orvika
