#include "project/card_offer.h"

#include "project/json_values.h"

namespace orvika {
namespace {

const std::initializer_list<const char *> OfferKeys = {"number",        "date",   "validUntil", "vat",
                                                       "vatRate",       "markup", "discount",   "rates",
                                                       "rateSurcharge", "prices", "works"};

// The largest markup taken: a markup of a thousand per cent is already a typo.
constexpr qint64 LargestMarkupHundredths = 100000;

QJsonValue dateJson(const QDate &date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : QString();
}

QJsonValue percentJson(Percent percent)
{
    return exactDecimalNumber(percent.hundredths, 2);
}

void readDate(const JsonValues &values, const char *key, QDate &field)
{
    const QJsonValue value = values.value(key);
    if (!given(value) || (value.isString() && value.toString().isEmpty()))
        return;
    const QDate date = QDate::fromString(value.toString(), Qt::ISODate);
    if (value.isString() && date.isValid())
        field = date;
    else
        values.drop(key, value, QStringLiteral("дата ГГГГ-ММ-ДД"));
}

// A percentage up to `largest` hundredths, with at most two decimals.
void readPercent(const JsonValues &values, const char *key, qint64 largest, Percent &field)
{
    const QJsonValue value = values.value(key);
    if (!given(value))
        return;
    const std::optional<Percent> percent = value.isDouble() ? percentFrom(value.toDouble()) : std::nullopt;
    if (percent && percent->hundredths <= largest)
        field = *percent;
    else
        values.drop(key, value,
                    QStringLiteral("число от 0 до %1 с двумя знаками после запятой")
                        .arg(exactDecimalText(largest, 2)));
}

void readVat(const JsonValues &values, Vat &vat)
{
    const QJsonValue mode = values.value("vat");
    if (given(mode)) {
        if (const auto read = vatModeFromKey(mode.toString()); read && mode.isString())
            vat.mode = *read;
        else
            values.drop("vat", mode, QStringLiteral("одно из «over», «included», «none»"));
    }
    const QJsonValue rate = values.value("vatRate");
    if (!given(rate))
        return;
    const double percent = rate.toDouble(-1);
    if (rate.isDouble() && percent >= 0 && percent <= 100 && percent == int(percent))
        vat.rate = int(percent);
    else
        values.drop("vatRate", rate, QStringLiteral("целое число от 0 до 100"));
}

QMap<QString, CurrencyRate> readRates(const JsonValues &offer, QList<DroppedValue> &dropped)
{
    QMap<QString, CurrencyRate> rates;
    const QJsonObject object = offer.object("rates");
    const JsonValues values(object, QStringLiteral("offer.rates."), 0, dropped);
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QByteArray code = it.key().toUtf8();
        if (!ForeignCurrencies.contains(it.key()) || !it.value().isObject()) {
            values.drop(code.constData(), it.value(),
                        QStringLiteral("курс USD, EUR или CNY: {\"rate\", \"date\"}"));
            continue;
        }
        const QJsonObject entry = it.value().toObject();
        const JsonValues currency(entry, QStringLiteral("offer.rates.%1.").arg(it.key()), 0, dropped);
        const QJsonValue rate = entry.value(QStringLiteral("rate"));
        const std::optional<Rate> read = rate.isDouble() ? rateFrom(rate.toDouble()) : std::nullopt;
        if (!read) {
            if (given(rate))
                currency.drop("rate", rate,
                              QStringLiteral("число больше 0 с четырьмя знаками после запятой"));
            continue; // a currency without a rate is no rate: its prices are missing
        }
        CurrencyRate stated{*read, {}};
        readDate(currency, "date", stated.date);
        rates.insert(it.key(), stated);
    }
    return rates;
}

QMap<QString, Money> readPrices(const JsonValues &offer, QList<DroppedValue> &dropped)
{
    QMap<QString, Money> prices;
    const QJsonObject object = offer.object("prices");
    const JsonValues values(object, QStringLiteral("offer.prices."), 0, dropped);
    for (auto it = object.begin(); it != object.end(); ++it) {
        const std::optional<Money> price =
            it.value().isDouble() ? moneyFrom(it.value().toDouble()) : std::nullopt;
        if (price && !it.key().trimmed().isEmpty())
            prices.insert(it.key(), *price);
        else
            values.drop(it.key().toUtf8().constData(), it.value(),
                        QStringLiteral("цена в рублях, от 0, не больше двух знаков после запятой"));
    }
    return prices;
}

QList<OfferWork> readWorks(const JsonValues &offer, QList<DroppedValue> &dropped)
{
    QList<OfferWork> works;
    const QJsonArray entries = offer.array("works");
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString at = QStringLiteral("offer.works[%1]").arg(i);
        if (!entries.at(i).isObject()) {
            dropped.append({0, at, shownValue(entries.at(i)), QStringLiteral("объект JSON работы")});
            continue;
        }
        const QJsonObject object = entries.at(i).toObject();
        const JsonValues values(object, at + u'.', 0, dropped);
        OfferWork work;
        values.text("name", work.name);
        if (work.name.trimmed().isEmpty()) {
            values.drop("name", object.value(QStringLiteral("name")), QStringLiteral("название работы"));
            continue;
        }
        values.text("unit", work.unit);
        const QJsonValue quantity = values.value("quantity");
        if (given(quantity)) {
            const auto read = quantity.isDouble() ? exactDecimalFrom(quantity.toDouble(), 3) : std::nullopt;
            if (read && *read > 0)
                work.quantity = Quantity{*read};
            else
                values.drop("quantity", quantity,
                            QStringLiteral("число больше 0, до трёх знаков после запятой"));
        }
        const QJsonValue price = values.value("price");
        if (given(price)) {
            work.price = price.isDouble() ? moneyFrom(price.toDouble()) : std::nullopt;
            if (!work.price)
                values.drop("price", price,
                            QStringLiteral("цена в рублях, от 0, не больше двух знаков после запятой"));
        }
        works.append(work);
    }
    return works;
}

} // namespace

QJsonObject offerJson(const OfferSettings &settings)
{
    QJsonObject object = settings.kept;
    object.insert(QStringLiteral("number"), settings.number);
    object.insert(QStringLiteral("date"), dateJson(settings.date));
    object.insert(QStringLiteral("validUntil"), dateJson(settings.validUntil));
    object.insert(QStringLiteral("vat"), vatModeKey(settings.vat.mode));
    object.insert(QStringLiteral("vatRate"), settings.vat.rate);
    object.insert(QStringLiteral("markup"), percentJson(settings.markup));
    object.insert(QStringLiteral("discount"), percentJson(settings.discount));
    QJsonObject rates;
    for (auto it = settings.rates.cbegin(); it != settings.rates.cend(); ++it)
        rates.insert(it.key(),
                     QJsonObject{{QStringLiteral("rate"), exactDecimalNumber(it->rate.tenThousandths, 4)},
                                 {QStringLiteral("date"), dateJson(it->date)}});
    object.insert(QStringLiteral("rates"), rates);
    object.insert(QStringLiteral("rateSurcharge"), percentJson(settings.rateSurcharge));
    QJsonObject prices;
    for (auto it = settings.prices.cbegin(); it != settings.prices.cend(); ++it)
        prices.insert(it.key(), moneyNumber(*it));
    object.insert(QStringLiteral("prices"), prices);
    QJsonArray works;
    for (const OfferWork &work : settings.works)
        works.append(QJsonObject{
            {QStringLiteral("name"), work.name},
            {QStringLiteral("unit"), work.unit},
            {QStringLiteral("quantity"), exactDecimalNumber(work.quantity.thousandths, 3)},
            {QStringLiteral("price"), work.price ? QJsonValue(moneyNumber(*work.price)) : QJsonValue()},
        });
    object.insert(QStringLiteral("works"), works);
    return object;
}

OfferSettings readOffer(const QJsonObject &object, QList<DroppedValue> &dropped)
{
    const JsonValues values(object, QStringLiteral("offer."), 0, dropped);
    OfferSettings settings;
    values.text("number", settings.number);
    readDate(values, "date", settings.date);
    readDate(values, "validUntil", settings.validUntil);
    readVat(values, settings.vat);
    readPercent(values, "markup", LargestMarkupHundredths, settings.markup);
    readPercent(values, "discount", 10000, settings.discount);
    settings.rates = readRates(values, dropped);
    readPercent(values, "rateSurcharge", LargestMarkupHundredths, settings.rateSurcharge);
    settings.prices = readPrices(values, dropped);
    settings.works = readWorks(values, dropped);
    settings.kept = object;
    for (const char *key : OfferKeys)
        settings.kept.remove(QLatin1String(key));
    return settings;
}

} // namespace orvika
