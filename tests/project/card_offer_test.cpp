#include "project/project_card_file.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

// The offer's settings in the card: every value back as it was written, exactly, and a value another
// program wrote that the offer window would not take named rather than guessed at.
namespace orvika {
namespace {

OfferSettings fullOffer()
{
    OfferSettings offer;
    offer.number = QStringLiteral("КП-12/26");
    offer.date = QDate(2026, 12, 9);
    offer.validUntil = QDate(2026, 12, 31);
    offer.vat = {VatMode::Included, 20};
    offer.markup = Percent{1250};
    offer.discount = Percent{333};
    offer.rates.insert(QStringLiteral("USD"), {Rate{924567}, QDate(2026, 12, 8)});
    offer.rates.insert(QStringLiteral("CNY"), {Rate{127001}, QDate()});
    offer.rateSurcharge = Percent{150};
    offer.prices.insert(QStringLiteral("K-3520"), Money{123456789});
    offer.prices.insert(QStringLiteral("Кабель КПСнг(А)-FRLS 2×1,5 мм²"), Money{5607});
    offer.works = {{QStringLiteral("Монтаж"), QStringLiteral("компл."), Quantity{1000}, Money{15000000}},
                   {QStringLiteral("Пусконаладка"), QStringLiteral("ч"), Quantity{12500}, std::nullopt}};
    offer.kept.insert(QStringLiteral("manager"), QStringLiteral("из другой программы"));
    return offer;
}

TEST(CardOffer, RoundTripKeepsEveryValueExactlyAndForeignKeys)
{
    ProjectCard card;
    card.offer = fullOffer();
    const QByteArray json = projectCardJson(card);
    EXPECT_TRUE(json.contains("92.4567")) << json.constData(); // the rate as written, not 92.456699…
    const ProjectCardRead read = projectCardFromJson(json);
    ASSERT_EQ(read.outcome, ProjectCardRead::Card);
    EXPECT_TRUE(read.dropped.isEmpty());
    EXPECT_EQ(read.card.offer, card.offer);
    EXPECT_FALSE(read.card.kept.contains(QStringLiteral("offer")));
}

TEST(CardOffer, CardWithoutAnOfferWritesNone)
{
    EXPECT_FALSE(projectCardJson(ProjectCard()).contains("\"offer\""));
}

struct BadOfferValue
{
    const char *path; // "vatRate", "rates.USD.rate", "works.0.price"
    QJsonValue value;
    const char *droppedKey;
};

class CardOfferDrops : public testing::TestWithParam<BadOfferValue>
{
};

QJsonObject withValue(QJsonObject object, QStringList path, const QJsonValue &value)
{
    const QString key = path.takeFirst();
    if (path.isEmpty()) {
        object.insert(key, value);
        return object;
    }
    const QJsonValue inner = object.value(key);
    if (inner.isArray()) {
        QJsonArray array = inner.toArray();
        const int at = path.takeFirst().toInt();
        array.replace(at,
                      path.isEmpty() ? value : QJsonValue(withValue(array.at(at).toObject(), path, value)));
        object.insert(key, array);
    } else {
        object.insert(key, withValue(inner.toObject(), path, value));
    }
    return object;
}

TEST_P(CardOfferDrops, ValueTheWindowWouldNotTakeIsNamedAndTheDefaultKept)
{
    const BadOfferValue &bad = GetParam();
    ProjectCard card;
    card.offer = fullOffer();
    QJsonObject object = QJsonDocument::fromJson(projectCardJson(card)).object();
    object.insert(u"offer", withValue(object.value(u"offer").toObject(),
                                      QString::fromUtf8(bad.path).split(u'.'), bad.value));
    const ProjectCardRead read = projectCardFromJson(QJsonDocument(object).toJson());
    ASSERT_EQ(read.outcome, ProjectCardRead::Card);
    ASSERT_EQ(read.dropped.size(), 1) << bad.path;
    EXPECT_EQ(read.dropped.first().key, QString::fromUtf8(bad.droppedKey));
}

INSTANTIATE_TEST_SUITE_P(
    EveryField, CardOfferDrops,
    testing::Values(BadOfferValue{"vat", QStringLiteral("сверху"), "offer.vat"},
                    BadOfferValue{"vatRate", 22.5, "offer.vatRate"},
                    BadOfferValue{"vatRate", 101, "offer.vatRate"},
                    BadOfferValue{"markup", -1, "offer.markup"},
                    BadOfferValue{"markup", 10.125, "offer.markup"}, // a third decimal is a typo
                    BadOfferValue{"discount", 100.01, "offer.discount"},
                    BadOfferValue{"date", QStringLiteral("09.12.2026"), "offer.date"},
                    BadOfferValue{"validUntil", 20261231, "offer.validUntil"},
                    BadOfferValue{"rates.USD.rate", 0, "offer.rates.USD.rate"},
                    BadOfferValue{"rates.USD.rate", 92.45671, "offer.rates.USD.rate"},
                    BadOfferValue{"rates.USD.date", QStringLiteral("вчера"), "offer.rates.USD.date"},
                    BadOfferValue{"rates.GBP", QJsonObject{{QStringLiteral("rate"), 110}}, "offer.rates.GBP"},
                    BadOfferValue{"prices.K-3520", -5, "offer.prices.K-3520"},
                    BadOfferValue{"prices.K-3520", QStringLiteral("1 000"), "offer.prices.K-3520"},
                    BadOfferValue{"works.0.price", 0.001, "offer.works[0].price"},
                    BadOfferValue{"works.0.quantity", 0, "offer.works[0].quantity"},
                    BadOfferValue{"works.1.name", QString(), "offer.works[1].name"},
                    BadOfferValue{"works.1", 7, "offer.works[1]"}));

TEST(CardOffer, ARateDroppedLeavesItsCurrencyWithoutARate)
{
    ProjectCard card;
    card.offer = fullOffer();
    QJsonObject object = QJsonDocument::fromJson(projectCardJson(card)).object();
    object.insert(u"offer",
                  withValue(object.value(u"offer").toObject(),
                            {QStringLiteral("rates"), QStringLiteral("USD"), QStringLiteral("rate")},
                            QStringLiteral("92,45")));
    const ProjectCardRead read = projectCardFromJson(QJsonDocument(object).toJson());
    EXPECT_FALSE(read.card.offer.rates.contains(QStringLiteral("USD"))); // its prices go missing, never 0
    EXPECT_TRUE(read.card.offer.rates.contains(QStringLiteral("CNY")));
}

} // namespace
} // namespace orvika
