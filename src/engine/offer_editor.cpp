#include "engine/offer_editor.h"

#include "engine/offer_composition.h"

namespace orvika {
namespace {

const QString DateFormat = QStringLiteral("dd.MM.yyyy");
constexpr qint64 WholePercent = 100 * 100; // 100 % in hundredths of a percent

std::optional<QDate> parsedDate(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return QDate();
    const QDate date = QDate::fromString(trimmed, DateFormat);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

QString refusedDate(const QString &text)
{
    return QStringLiteral("Дата «%1» не принята: введите её как 31.12.2026.").arg(text.trimmed());
}

QString percentName(OfferPercentField field)
{
    switch (field) {
    case OfferPercentField::Markup:
        return QStringLiteral("Наценка");
    case OfferPercentField::Discount:
        return QStringLiteral("Скидка");
    case OfferPercentField::RateSurcharge:
        return QStringLiteral("Надбавка к курсу");
    }
    return {};
}

} // namespace

OfferEditor::OfferEditor(const FinishedCalculation &finished, const ProjectCard &card, const PriceList *list)
    : m_finished(finished), m_card(card), m_list(list ? *list : PriceList()), m_index(m_list)
{
    reprice();
}

void OfferEditor::reprice()
{
    m_offer = composeOffer(m_finished, m_card, m_index);
}

QString OfferEditor::dateText(const QDate &date)
{
    return date.isValid() ? date.toString(DateFormat) : QString();
}

QString OfferEditor::setHandPrice(const QString &key, const QString &text)
{
    if (text.trimmed().isEmpty()) {
        m_card.offer.prices.remove(key);
    } else {
        const std::optional<Money> price = parseMoney(text);
        if (!price)
            return QStringLiteral(
                       "Цена «%1» для «%2» не принята: введите рубли с копейками, например 1 234,56.")
                .arg(text.trimmed(), key);
        m_card.offer.prices.insert(key, *price);
    }
    reprice();
    return {};
}

void OfferEditor::setNumber(const QString &text)
{
    m_card.offer.number = text.trimmed();
}

QString OfferEditor::setDate(OfferDateField field, const QString &text)
{
    const std::optional<QDate> date = parsedDate(text);
    if (!date)
        return refusedDate(text);
    (field == OfferDateField::Date ? m_card.offer.date : m_card.offer.validUntil) = *date;
    return {};
}

QString OfferEditor::setVat(Vat vat)
{
    if (vat.rate < 0 || vat.rate > 100)
        return QStringLiteral("Ставка НДС %1 % не принята: от 0 до 100 %.").arg(vat.rate);
    m_card.offer.vat = vat;
    reprice();
    return {};
}

QString OfferEditor::setPercent(OfferPercentField field, const QString &text)
{
    Percent percent;
    if (!text.trimmed().isEmpty()) {
        const std::optional<Percent> parsed = parsePercent(text);
        if (!parsed)
            return QStringLiteral("%1 «%2» не принята: введите число процентов, например 12,5.")
                .arg(percentName(field), text.trimmed());
        percent = *parsed;
    }
    if (field == OfferPercentField::Discount && percent.hundredths > WholePercent)
        return QStringLiteral("Скидка «%1» не принята: не больше 100 %.").arg(text.trimmed());
    switch (field) {
    case OfferPercentField::Markup:
        m_card.offer.markup = percent;
        break;
    case OfferPercentField::Discount:
        m_card.offer.discount = percent;
        break;
    case OfferPercentField::RateSurcharge:
        m_card.offer.rateSurcharge = percent;
        break;
    }
    reprice();
    return {};
}

QString OfferEditor::setRate(const QString &currency, const QString &text)
{
    if (text.trimmed().isEmpty()) {
        m_card.offer.rates.remove(currency);
    } else {
        const std::optional<Rate> rate = parseRate(text);
        if (!rate)
            return QStringLiteral(
                       "Курс %1 «%2» не принят: введите рубли за единицу, больше 0, не более четырёх "
                       "знаков после запятой, например 92,4567.")
                .arg(currency, text.trimmed());
        m_card.offer.rates[currency].rate = *rate;
    }
    reprice();
    return {};
}

QString OfferEditor::setRateDate(const QString &currency, const QString &text)
{
    const std::optional<QDate> date = parsedDate(text);
    if (!date)
        return refusedDate(text);
    if (!m_card.offer.rates.contains(currency))
        return date->isValid()
                   ? QStringLiteral("Дата курса %1 не принята: сначала укажите курс.").arg(currency)
                   : QString();
    m_card.offer.rates[currency].date = *date;
    return {};
}

qsizetype OfferEditor::addWork()
{
    OfferWork work;
    work.name = QStringLiteral("Монтаж");
    m_card.offer.works.append(work);
    reprice();
    return m_card.offer.works.size() - 1;
}

void OfferEditor::removeWork(qsizetype index)
{
    if (index < 0 || index >= m_card.offer.works.size())
        return;
    m_card.offer.works.removeAt(index);
    reprice();
}

QString OfferEditor::setWork(qsizetype index, WorkField field, const QString &text)
{
    if (index < 0 || index >= m_card.offer.works.size())
        return {};
    OfferWork &work = m_card.offer.works[index];
    const QString trimmed = text.trimmed();
    switch (field) {
    case WorkField::Name:
        if (trimmed.isEmpty())
            return QStringLiteral("Работе нужно наименование.");
        work.name = trimmed;
        break;
    case WorkField::Unit:
        if (trimmed.isEmpty())
            return QStringLiteral("Работе «%1» нужна единица измерения, например «усл.».").arg(work.name);
        work.unit = trimmed;
        break;
    case WorkField::Quantity: {
        const std::optional<Quantity> quantity = parseQuantity(trimmed);
        if (!quantity || quantity->thousandths <= 0)
            return QStringLiteral(
                       "Количество «%1» работы «%2» не принято: больше 0, не более трёх знаков после "
                       "запятой.")
                .arg(trimmed, work.name);
        work.quantity = *quantity;
        break;
    }
    case WorkField::Price:
        if (trimmed.isEmpty()) {
            work.price.reset();
            break;
        }
        if (const std::optional<Money> price = parseMoney(trimmed)) {
            work.price = *price;
            break;
        }
        return QStringLiteral(
                   "Цена «%1» работы «%2» не принята: введите рубли с копейками, например 15 000,00.")
            .arg(trimmed, work.name);
    }
    reprice();
    return {};
}

} // namespace orvika
