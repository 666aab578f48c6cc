#include "comparison/report_comparison.h"

#include "files/csv_field.h"

#include <QHash>

namespace orvika {
namespace {

QString requirementKey(const QString &line)
{
    const qsizetype dash = line.lastIndexOf(QStringLiteral(" - "));
    if (dash > 0)
        return line.left(dash);
    const qsizetype colon = line.indexOf(u':');
    if (colon > 0)
        return line.left(colon + 1);
    return line;
}

// Matched by key, in the order of B, then A's own; an item repeated under one key is kept in order.
template <typename Key, typename Value>
QList<Difference> differences(const QList<std::pair<Key, Value>> &a, const QList<std::pair<Key, Value>> &b,
                              const Value &absent, const auto &text)
{
    QHash<Key, Value> inA;
    for (const auto &[key, value] : a)
        inA.insert(key, value);
    QHash<Key, bool> seen;
    QList<Difference> rows;
    for (const auto &[key, value] : b) {
        if (seen.contains(key))
            continue;
        seen.insert(key, true);
        const auto before = inA.constFind(key);
        if (before == inA.cend())
            rows.append({key, text(absent), text(value), DifferenceKind::Added});
        else if (*before != value)
            rows.append({key, text(*before), text(value), DifferenceKind::Changed});
    }
    for (const auto &[key, value] : a) {
        if (seen.contains(key))
            continue;
        seen.insert(key, true);
        rows.append({key, text(value), text(absent), DifferenceKind::Removed});
    }
    return rows;
}

// Quantities summed by designation, in the order each designation first comes.
QList<std::pair<QString, std::int64_t>> summed(const QList<CountedItem> &items)
{
    QList<std::pair<QString, std::int64_t>> sums;
    QHash<QString, qsizetype> at;
    for (const CountedItem &item : items) {
        const auto found = at.constFind(item.designation);
        if (found == at.cend()) {
            at.insert(item.designation, sums.size());
            sums.append({item.designation, item.quantity});
        } else {
            sums[*found].second += item.quantity;
        }
    }
    return sums;
}

QList<std::pair<QString, QString>> keyed(const QStringList &requirements)
{
    QList<std::pair<QString, QString>> lines;
    for (const QString &line : requirements)
        lines.append({requirementKey(line), line});
    return lines;
}

QList<Difference> quantityDifferences(const QList<CountedItem> &a, const QList<CountedItem> &b)
{
    return differences<QString, std::int64_t>(summed(a), summed(b), 0,
                                              [](std::int64_t n) { return QString::number(n); });
}

void compareTotal(QList<Difference> &rows, const QString &name, const std::optional<std::int64_t> &a,
                  const std::optional<std::int64_t> &b)
{
    if (a == b)
        return;
    const auto text = [](const std::optional<std::int64_t> &n) {
        return n ? QString::number(*n) : QString();
    };
    const DifferenceKind kind = !a   ? DifferenceKind::Added
                                : !b ? DifferenceKind::Removed
                                     : DifferenceKind::Changed;
    rows.append({name, text(a), text(b), kind});
}

} // namespace

Comparison compareReports(const SavedReport &a, const SavedReport &b)
{
    Comparison comparison;
    comparison.requirements = differences<QString, QString>(
        keyed(a.requirements), keyed(b.requirements), QString(), [](const QString &line) { return line; });
    comparison.sources = quantityDifferences(a.sources, b.sources);
    comparison.equipment = quantityDifferences(a.equipment, b.equipment);
    compareTotal(comparison.totals, QStringLiteral("Потребляемая мощность, Вт"), a.powerDraw, b.powerDraw);
    compareTotal(comparison.totals, QStringLiteral("Высота блоков, U"), a.heightUnits, b.heightUnits);
    return comparison;
}

QString markerOf(DifferenceKind kind)
{
    switch (kind) {
    case DifferenceKind::Added:
        return QStringLiteral("+");
    case DifferenceKind::Removed:
        return QStringLiteral("−");
    case DifferenceKind::Changed:
        break;
    }
    return QStringLiteral("±");
}

QString markerWordOf(DifferenceKind kind)
{
    switch (kind) {
    case DifferenceKind::Added:
        return QStringLiteral("добавлено");
    case DifferenceKind::Removed:
        return QStringLiteral("удалено");
    case DifferenceKind::Changed:
        break;
    }
    return QStringLiteral("изменено");
}

QByteArray comparisonCsv(const Comparison &comparison)
{
    QString text = csvRow({QStringLiteral("Раздел"), QStringLiteral("Обозначение"), QStringLiteral("Было"),
                           QStringLiteral("Стало")});
    const auto section = [&text](const QString &name, const QList<Difference> &rows) {
        for (const Difference &row : rows)
            text += csvRow({name, row.item, row.before, row.after});
    };
    section(QStringLiteral("Требования"), comparison.requirements);
    section(QStringLiteral("Источники"), comparison.sources);
    section(QStringLiteral("Оборудование"), comparison.equipment);
    section(QStringLiteral("Итого"), comparison.totals);
    return csvFile(text);
}

} // namespace orvika
