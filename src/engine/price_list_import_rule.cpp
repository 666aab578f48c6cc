#include "engine/price_list_import_rule.h"

#include <QDir>
#include <QFileInfo>

namespace orvika {
namespace {

// The columns the header found, the first column that names a price when it names several.
PriceColumns foundColumns(const PriceImport &import)
{
    PriceColumns columns = import.found;
    if (columns.price < 0 && !import.priceCandidates.isEmpty())
        columns.price = import.priceCandidates.first();
    return columns;
}

PriceListImportStep refused(const QString &why)
{
    PriceListImportStep step;
    step.message = why + QStringLiteral("\nТекущий прайс-лист не изменён.");
    return step;
}

} // namespace

PriceListImportStep importPriceList(PriceListStore &store, const PriceColumnMemory &memory,
                                    const QString &path, const QDate &date,
                                    const std::optional<PriceColumns> &chosen)
{
    const QString fileName = QFileInfo(path).fileName();
    PriceImport import = importPriceFile(path, date, chosen);
    std::optional<PriceColumns> recalled;
    if (!chosen && import.outcome == PriceImport::ChooseColumns) {
        recalled = memory.recall(import.headers, fileName);
        if (recalled) {
            PriceImport again = importPriceFile(path, date, recalled);
            if (again.outcome == PriceImport::Imported)
                import = std::move(again);
        }
    }

    switch (import.outcome) {
    case PriceImport::Refused: {
        PriceListImportStep step = refused(import.message);
        step.import = std::move(import);
        return step;
    }
    case PriceImport::ChooseColumns: {
        PriceListImportStep step;
        step.outcome = PriceListImportStep::ChooseColumns;
        step.message = import.message;
        step.proposed = recalled ? *recalled : foundColumns(import);
        step.import = std::move(import);
        return step;
    }
    case PriceImport::Imported:
        break;
    }

    if (const std::optional<QString> failure = store.replace(import.list)) {
        PriceListImportStep step =
            refused(QStringLiteral("Прайс-лист «%1» не сохранён в %2: %3")
                        .arg(fileName, QDir::toNativeSeparators(store.path()), *failure));
        step.import = std::move(import);
        return step;
    }
    PriceListImportStep step;
    step.outcome = PriceListImportStep::Imported;
    step.message = import.message;
    if (recalled && !chosen)
        step.message += QStringLiteral("\nСтолбцы взяты по прежнему выбору для этого заголовка (%1).")
                            .arg(columnChoiceText(*recalled));
    QStringList foreign;
    for (const PriceEntry &entry : import.list.entries)
        if (entry.currency != Roubles && !foreign.contains(entry.currency))
            foreign.append(entry.currency);
    if (!foreign.isEmpty())
        step.message +=
            QStringLiteral("\nЦены в %1 войдут в предложение по курсу, указанному в окне «Коммерческое "
                           "предложение».")
                .arg(foreign.join(QStringLiteral(", ")));
    if (chosen) {
        if (const std::optional<QString> failure = memory.remember(import.headers, fileName, *chosen))
            step.message += QStringLiteral("\nВыбор столбцов не запомнен: %1").arg(*failure);
    }
    step.import = std::move(import);
    return step;
}

QString columnChoiceProblem(const PriceColumns &columns)
{
    if (columns.price < 0)
        return QStringLiteral("Укажите столбец цены.");
    if (columns.model < 0 && columns.name < 0)
        return QStringLiteral("Укажите столбец модели или наименования.");
    QList<int> taken;
    for (int column : {columns.model, columns.name, columns.price, columns.currency}) {
        if (column < 0)
            continue;
        if (taken.contains(column))
            return QStringLiteral("Столбец %1 выбран дважды.").arg(column + 1);
        taken.append(column);
    }
    return {};
}

} // namespace orvika
