#include "engine/price_list_store.h"

#include "offer/amount_in_words.h"
#include "price_list/price_list_file.h"

#include <QDir>
#include <QLocale>

namespace orvika {

PriceListStore::PriceListStore(const QString &folder) : m_folder(folder) {}

QString PriceListStore::path() const
{
    return m_folder + u'/' + PriceListFileName;
}

void PriceListStore::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    const PriceListRead read = readPriceList(path());
    switch (read.outcome) {
    case PriceListRead::List:
        m_list = read.list;
        break;
    case PriceListRead::Missing:
        break;
    case PriceListRead::Foreign:
    case PriceListRead::Unusable:
        // An import never writes over such a file: the user is told where it is.
        m_problem =
            QStringLiteral("Файл прайс-листа %1 не прочитан: %2. Цены из него не взяты. Чтобы загрузить "
                           "новый прайс-лист, переименуйте или удалите этот файл.")
                .arg(QDir::toNativeSeparators(path()), read.reason);
        break;
    }
}

const PriceList *PriceListStore::current()
{
    load();
    return m_list ? &*m_list : nullptr;
}

const QString &PriceListStore::problem()
{
    load();
    return m_problem;
}

std::optional<QString> PriceListStore::replace(const PriceList &list)
{
    load();
    if (const std::optional<QString> failure = writePriceList(path(), list))
        return failure;
    m_list = list;
    m_problem.clear();
    return std::nullopt;
}

QString priceListSummary(const PriceList &list)
{
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    const qsizetype count = list.entries.size();
    QString text = list.fileName;
    if (list.date.isValid())
        text += QStringLiteral(" от ") + list.date.toString(QStringLiteral("dd.MM.yyyy"));
    return text + QStringLiteral(", %1 %2, цены в %3")
                      .arg(russian.toString(count),
                           countNoun(count, QStringLiteral("строка"), QStringLiteral("строки"),
                                     QStringLiteral("строк")),
                           list.currency);
}

} // namespace orvika
