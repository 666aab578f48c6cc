#include "calc/compute_total_power.h"
#include "calculations/content_sections.h"
#include "files/number_text.h"
#include "files/numbers.h"
#include "lines/line_table.h"

#include <algorithm>

namespace orvika::calculation_sections {
namespace {

QString watts(double value)
{
    return russianDecimal(value, 3);
}

// How the power the amplifiers were chosen for was stated in the main window.
QString statedPower(const Requirements &requirements, double total)
{
    QString text;
    switch (requirements.powerMode) {
    case PowerMode::None:
        return QStringLiteral("Мощность системы в исходных данных подбора оборудования не задана.");
    case PowerMode::Total:
        text = QStringLiteral("Мощность системы задана суммарной: %1 Вт.")
                   .arg(watts(leadingNumber(requirements.totalPowerText)));
        break;
    case PowerMode::PerZone:
        text = QStringLiteral("Мощность системы задана по зонам (список зон), сумма зон %1 Вт.")
                   .arg(watts(computeTotalPower([&] {
                       Requirements withoutReserve = requirements;
                       withoutReserve.powerReserve = false;
                       return withoutReserve;
                   }())));
        break;
    }
    if (requirements.powerReserve)
        text += QStringLiteral(" С запасом %1 % усилители подобраны на %2 Вт.")
                    .arg(russianDecimal(leadingNumber(requirements.reservePercentText), 2), watts(total));
    else
        text += QStringLiteral(" Без запаса усилители подобраны на %1 Вт.").arg(watts(total));
    return text;
}

const AmplifierRecord *findAmplifier(const Catalogue &catalogue, const QString &name)
{
    const auto found =
        std::find_if(catalogue.amplifiers.cbegin(), catalogue.amplifiers.cend(),
                     [&name](const AmplifierRecord &amplifier) { return amplifier.name == name; });
    return found != catalogue.amplifiers.cend() ? &*found : nullptr;
}

ContentTable zonePowerTable(const Requirements &requirements, const LoudspeakerLines &lines,
                            const QList<ZoneTotal> &totals)
{
    int zoneCount = lineZoneCount(requirements);
    for (const ZoneTotal &total : totals)
        zoneCount = std::max(zoneCount, total.zone);
    const QList<ZoneLine> shown = shownZoneLines(lines, zoneCount);
    const bool listed = requirements.powerMode == PowerMode::PerZone;
    ContentTable zones;
    zones.header = {{QStringLiteral("Зона"), QStringLiteral("По расчёту уровня звука, Вт"),
                     QStringLiteral("В линии громкоговорителей, Вт"), QStringLiteral("В списке зон, Вт")}};
    zones.widthsMm = {20, 55, 55, 55};
    zones.figures = {true, true, true, true};
    for (const ZoneLine &line : shown) {
        const auto total = std::find_if(totals.cbegin(), totals.cend(),
                                        [&line](const ZoneTotal &zone) { return zone.zone == line.zone; });
        const std::optional<double> linePower = line.zonePower();
        const qsizetype listIndex = line.zone - 1;
        zones.rows.append({QString::number(line.zone),
                           total != totals.cend() ? watts(total->power) : QString(),
                           linePower ? watts(*linePower) : QString(),
                           listed && listIndex < requirements.zoneLines.size()
                               ? watts(zoneLinePower(requirements.zoneLines.at(listIndex)))
                               : QString()});
    }
    return zones;
}

} // namespace

void addLines(QList<ContentBlock> &blocks, const LoudspeakerLines &lines, const Requirements &requirements)
{
    const LineSettings &settings = lines.settings;
    blocks.append(heading(QStringLiteral("6. Линии громкоговорителей")));
    QString limits =
        QStringLiteral("Напряжение линий %1 В; допустимые потери в линии — не более %2 % мощности зоны.")
            .arg(russianDecimal(settings.voltage, 2), russianDecimal(settings.lossLimit, 2));
    if (settings.cableReserve > 0)
        limits += QStringLiteral(" Запас кабеля %1 % длины.").arg(russianDecimal(settings.cableReserve, 2));
    blocks.append(paragraph(limits));
    ContentTable table;
    table.header = {lineTableHeader()};
    table.widthsMm = {8, 20, 20, 12, 10, 12, 12, 18, 13, 14, 11, 11, 12, 12};
    table.figures = {true, false, false, true, true, true, true, false, true, true, true, true, true, false};
    for (const ZoneLine &line : shownZoneLines(lines, lineZoneCount(requirements)))
        table.rows.append(lineTableRow(line, settings));
    blocks.append(calculation_sections::table(std::move(table)));
}

void addAmplifiers(QList<ContentBlock> &blocks, const Catalogue &catalogue, const Requirements &requirements,
                   const Proposal &proposal, const LoudspeakerLines &lines, const QList<ZoneTotal> &totals)
{
    blocks.append(heading(QStringLiteral("7. Мощность усилителей")));
    const double total = proposal.totalPower > 0 ? proposal.totalPower : computeTotalPower(requirements);
    blocks.append(paragraph(statedPower(requirements, total)));
    blocks.append(table(zonePowerTable(requirements, lines, totals)));

    ContentTable amplifiers;
    amplifiers.header = {{QStringLiteral("Усилитель"), QStringLiteral("Кол-во, шт."),
                          QStringLiteral("Мощность 1 шт., Вт"), QStringLiteral("Основание")}};
    amplifiers.widthsMm = {50, 20, 25, 90};
    amplifiers.figures = {false, true, true, false};
    double working = 0;
    for (const ProposedItem &item : proposal.items) {
        if (item.role != LineRole::Amplifier && item.role != LineRole::ReserveAmplifier)
            continue;
        const AmplifierRecord *record = findAmplifier(catalogue, item.designation);
        if (record && item.role == LineRole::Amplifier)
            working += double(record->power) * item.quantity;
        QString reason = item.reason;
        if (item.role == LineRole::ReserveAmplifier)
            reason = QStringLiteral("резерв: ") + reason;
        amplifiers.rows.append({item.designation, QString::number(item.quantity),
                                record ? QString::number(record->power) : QString(), reason});
    }

    double soundLevel = 0;
    for (const ZoneTotal &zone : totals)
        soundLevel += zone.power;
    if (!proposal.complete || amplifiers.rows.isEmpty()) {
        const QString stop =
            proposal.messages.isEmpty() || !proposal.messages.last().stops
                ? QStringLiteral("подбор оборудования не выполнен")
                : QString(proposal.messages.last().text).replace(MessageLineBreak, QStringLiteral(" "));
        blocks.append(paragraph(QStringLiteral("Усилители не подобраны: %1.").arg(stop)));
    } else {
        blocks.append(paragraph(QStringLiteral("Подобранные усилители:")));
        blocks.append(table(std::move(amplifiers)));
        const int channels = std::max(1, int(requirements.channelCount));
        const double perChannel = working / channels;
        blocks.append(paragraph(QStringLiteral("Мощность усилителей на канал %1 Вт %2 %3 Вт.")
                                    .arg(watts(perChannel),
                                         perChannel >= total ? QStringLiteral("≥") : QStringLiteral("<"),
                                         watts(total))));
    }
    if (soundLevel > total)
        blocks.append(paragraph(
            QStringLiteral("Мощность громкоговорителей по расчёту уровня звука %1 Вт больше мощности, на "
                           "которую подобраны усилители (%2 Вт): её нужно перенести в исходные данные и "
                           "повторить подбор.")
                .arg(watts(soundLevel), watts(total))));
}

} // namespace orvika::calculation_sections
