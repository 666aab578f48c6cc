#include "calculations/calculation_content.h"

#include "calculations/content_sections.h"
#include "files/number_text.h"

namespace orvika {
namespace calculation_sections {

ContentBlock heading(const QString &text)
{
    return {ContentBlock::Kind::Heading, text, {}, {}};
}

ContentBlock paragraph(const QString &text)
{
    return {ContentBlock::Kind::Paragraph, text, {}, {}};
}

namespace {

// The long words of the captions with the places they may break at: a narrow column of figures under
// a long caption would otherwise bring its text down below legibility.
QString breakable(QString caption)
{
    static const QList<std::pair<QString, QString>> words = [] {
        QList<std::pair<QString, QString>> list;
        for (const char16_t *word :
             {u"Громко-говори-тель", u"Сопро-тивле-ние", u"Мощ-ность", u"Поме-щений", u"Поме-щение",
              u"Расста-новка", u"Уста-новка", u"Пере-крытие", u"Спаль-ное", u"Назна-чение",
              u"Чувстви-тель-ность", u"Требо-вание", u"Назва-ние", u"сече-ние", u"Сече-ние", u"Уро-вень",
              u"Поте-ри", u"рассчи-таны", u"выпол-нены"}) {
            const QString parts = QString::fromUtf16(word);
            list.append({QString(parts).remove(u'-'), QString(parts).replace(u'-', QChar(0x00AD))});
        }
        return list;
    }();
    for (const auto &[whole, broken] : words)
        caption.replace(whole, broken);
    return caption;
}

} // namespace

ContentBlock table(ContentTable table)
{
    for (QStringList &row : table.header)
        for (QString &caption : row)
            caption = breakable(caption);
    return {ContentBlock::Kind::Table, {}, std::move(table), {}};
}

QString verdictWords(const Verdict &verdict)
{
    switch (verdict.outcome) {
    case Verdict::Outcome::Met:
        return verdict.text + QStringLiteral(" — выполнено");
    case Verdict::Outcome::NotMet:
        return verdict.text + QStringLiteral(" — не выполнено");
    case Verdict::Outcome::NotApplicable:
    case Verdict::Outcome::LightSignals:
        break;
    }
    // Their texts say it: "не относится …", "нужны и световые оповещатели".
    return verdict.text;
}

void addNorms(QList<ContentBlock> &blocks, const NormsProfile &norms)
{
    blocks.append(heading(QStringLiteral("1. Нормы")));
    blocks.append(
        paragraph(QStringLiteral("Уровень звука системы оповещения проверен по %1, раздел 4. Требования, "
                                 "принятые в расчёте:")
                      .arg(norms.edition)));
    const auto row = [](const NormFigure &figure, const QString &requirement, const QString &unit) {
        return QStringList{figure.clause, requirement, russianDecimal(figure.value, 2) + u' ' + unit};
    };
    ContentTable norm;
    norm.header = {{QStringLiteral("Пункт"), QStringLiteral("Требование"), QStringLiteral("Значение")}};
    norm.widthsMm = {20, 135, 30};
    norm.figures = {true, false, true};
    const QString dBA = QStringLiteral("дБА");
    const QString metres = QStringLiteral("м");
    norm.rows = {
        row(norms.leastAt3m, QStringLiteral("Уровень звука на расстоянии 3 м от громкоговорителя, не менее"),
            dBA),
        row(norms.loudest, QStringLiteral("Уровень звука в любой точке помещения, не более"), dBA),
        row(norms.overNoise,
            QStringLiteral("Превышение над допустимым уровнем постоянного шума в помещении, не менее"), dBA),
        row(norms.measuringHeight, QStringLiteral("Высота от пола, на которой измеряется уровень"), metres),
        row(norms.sleepingLeast,
            QStringLiteral("Уровень звука в спальном помещении у изголовья, не менее (и не менее чем на %1 "
                           "дБА выше шума)")
                .arg(russianDecimal(norms.overNoise.value, 2)),
            dBA),
        row(norms.wallTopAboveFloor, QStringLiteral("Верх настенного громкоговорителя от пола, не менее"),
            metres),
        row(norms.wallTopBelowCeiling,
            QStringLiteral("Верх настенного громкоговорителя ниже потолка, не менее"), metres),
        row(norms.lightSignalsAbove,
            QStringLiteral("Уровень шума, выше которого звуковые сигналы дополняются световыми"), dBA),
    };
    blocks.append(table(std::move(norm)));
}

void addMethod(QList<ContentBlock> &blocks, const NormsProfile &norms)
{
    const QString over = russianDecimal(norms.overNoise.value, 2);
    const QString sleeping = russianDecimal(norms.sleepingLeast.value, 2);
    blocks.append(heading(QStringLiteral("2. Методика")));
    const QStringList paragraphs = {
        QStringLiteral("Громкоговоритель принят точечным источником. Уровень прямого звука на расстоянии r: "
                       "L = S + 10·lg P − 20·lg r, дБА, где S — чувствительность громкоговорителя (дБ при "
                       "1 Вт на 1 м), P — мощность отвода трансформатора, Вт, r — расстояние, м."),
        QStringLiteral("Под углом φ к оси громкоговорителя уровень ниже на A(φ) = 6·(φ/(θ/2))², дБ, где θ — "
                       "угол раскрыва по уровню −6 дБ из паспорта громкоговорителя. Такой вид главного "
                       "лепестка (гауссов) — допущение расчёта."),
        QStringLiteral("Наименьший уровень в помещении создаёт ближайший громкоговоритель; соседние "
                       "громкоговорители и отражённый звук не учитываются, поэтому расчётные уровни "
                       "занижены и идут в запас."),
        QStringLiteral("Громкоговорители на потолке: радиус охвата на высоте прослушивания h "
                       "R = (H − h)·tg(θ/2), где H — высота помещения. Шаг квадратной сетки a = √2·R при "
                       "минимальном перекрытии (охвачена каждая точка) и a = R при полном перекрытии (край "
                       "охвата доходит до оси соседнего громкоговорителя). Наихудшая точка — угол ячейки "
                       "сетки, посередине между четырьмя громкоговорителями."),
        QStringLiteral(
            "Громкоговорители на стенах: расчёт ведётся по дальней линии на высоте прослушивания — у "
            "противоположной стены, а при громкоговорителях на двух стенах — посередине "
            "помещения. Полуширина охвата на дальней линии y_max; шаг вдоль стены s = 2·y_max при "
            "минимальном перекрытии и s = y_max при полном. Наихудшая точка — на дальней линии "
            "посередине между соседними громкоговорителями. Точки у стены между двумя настенными "
            "громкоговорителями в расчёт не входят: они близко к громкоговорителю, и уровень там "
            "выше."),
        QStringLiteral("Lw — уровень в наихудшей точке, L3м — на оси громкоговорителя на расстоянии 3 м. "
                       "Наибольший уровень Lmax — в точке плоскости прослушивания, ближайшей к среднему "
                       "громкоговорителю: уровни всех громкоговорителей сложены по энергии, "
                       "L = 10·lg Σ 10^(Li/10), без учёта направленности, расстояния не менее 1 м."),
        QStringLiteral("Требуемый уровень Lтреб = N + %1 дБА, где N — допустимый уровень постоянного шума "
                       "помещения; в спальном помещении Lтреб = max(N + %1; %2) дБА.")
            .arg(over, sleeping),
        QStringLiteral("Отвод трансформатора — наименьший, при котором выполнены все требования: Lw ≥ Lтреб, "
                       "L3м ≥ %1 дБА, Lmax ≤ %2 дБА. Если ни один отвод их не выполняет, принят наибольший, "
                       "и вывод называет нужную мощность.")
            .arg(russianDecimal(norms.leastAt3m.value, 2), russianDecimal(norms.loudest.value, 2)),
    };
    for (const QString &text : paragraphs)
        blocks.append(paragraph(text));
}

void addLoudspeakers(QList<ContentBlock> &blocks, const Acoustics &acoustics)
{
    blocks.append(heading(QStringLiteral("3. Громкоговорители")));
    if (acoustics.loudspeakers.isEmpty()) {
        blocks.append(paragraph(QStringLiteral("Данные громкоговорителей не заданы.")));
        return;
    }
    ContentTable data;
    data.header = {{QStringLiteral("Громкоговоритель"), QStringLiteral("Чувствительность, дБ (1 Вт, 1 м)"),
                    QStringLiteral("Отводы, Вт"), QStringLiteral("Угол раскрыва (−6 дБ), °")}};
    data.widthsMm = {75, 35, 45, 30};
    data.figures = {false, true, true, true};
    for (const LoudspeakerData &loudspeaker : acoustics.loudspeakers) {
        QStringList taps;
        for (double tap : loudspeaker.taps)
            taps.append(russianDecimal(tap, 3));
        data.rows.append({loudspeaker.name, russianDecimal(loudspeaker.sensitivity, 2),
                          taps.join(QStringLiteral("; ")), russianDecimal(loudspeaker.angle, 2)});
    }
    blocks.append(table(std::move(data)));
}

} // namespace calculation_sections

CalculationContent calculationContent(const ProjectCard &card, const Catalogue &catalogue,
                                      const Requirements &requirements, const Proposal &proposal,
                                      const NormsProfile &norms)
{
    using namespace calculation_sections;
    const QList<RoomCalculation> calculations = calculateRooms(card.acoustics, norms);
    const QList<ZoneTotal> totals = zoneTotals(card.acoustics, calculations);
    CalculationContent content{card, {}};
    QList<ContentBlock> &blocks = content.blocks;
    addNorms(blocks, norms);
    addMethod(blocks, norms);
    addLoudspeakers(blocks, card.acoustics);
    addRooms(blocks, card.acoustics, calculations);
    addZoneTotals(blocks, totals);
    addLines(blocks, card.lines, requirements);
    addAmplifiers(blocks, catalogue, requirements, proposal, card.lines, totals);
    addPlans(blocks, card.acoustics, calculations);
    return content;
}

} // namespace orvika
