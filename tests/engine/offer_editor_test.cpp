#include "engine/offer_composition.h"
#include "engine/offer_editor.h"
#include "model_fixture.h"
#include "offer/offer_texts.h"

// The offer window's rules without its widgets, over a calculation of the bundled catalogue: the prices set
// by hand, the settings typed as texts, the works, and the offer priced again after each.
namespace orvika::test {
namespace {

class OfferRules : public BundledModelTest
{
protected:
    void SetUp() override
    {
        BundledModelTest::SetUp();
        model->loadReportLines(reportLines(QStringLiteral("every_option.dat")));
        model->click(ButtonId::CmdUs);
        ASSERT_TRUE(model->finishedCalculation()) << seam.messages.join(u'|').toStdString();
        // The first two units with a model: one priced in dollars, one not in the list.
        const OfferEditor bare(*model->finishedCalculation(), card, nullptr);
        for (const OfferLine &line : bare.offer().lines)
            if (!line.item.model.isEmpty() && !models.contains(line.item.model))
                models.append(line.item.model);
        ASSERT_GE(models.size(), 2);
        list.fileName = QStringLiteral("дилер.xlsx");
        list.entries = {{models[0], QStringLiteral("из прайса"), 10050, QStringLiteral("USD"), 7}};
    }

    static const OfferLine *line(const OfferEditor &editor, const QString &key)
    {
        for (const OfferLine &line : editor.offer().lines)
            if (line.item.priceKey() == key)
                return &line;
        return nullptr;
    }

    ProjectCard card;
    PriceList list;
    QStringList models;
};

TEST_F(OfferRules, APriceTypedByHandWinsAnInvalidOneChangesNothingAndClearingTakesItAway)
{
    OfferEditor editor(*model->finishedCalculation(), card, &list);
    const QString key = models[1];
    ASSERT_EQ(line(editor, key)->source, PriceSource::Missing);

    EXPECT_EQ(editor.setHandPrice(key, QStringLiteral("1 234,56")), QString());
    EXPECT_EQ(editor.settings().prices.value(key), Money{123456});
    EXPECT_EQ(line(editor, key)->source, PriceSource::Hand);
    EXPECT_EQ(line(editor, key)->unitPrice, Money{123456});

    const OfferSettings before = editor.settings();
    for (const char *typed : {"abc", "-5", "12,345", "1.2.3", "0x10", "нет цены"}) {
        const QString refusal = editor.setHandPrice(key, QString::fromUtf8(typed));
        EXPECT_TRUE(refusal.contains(QString::fromUtf8(typed))) << refusal.toStdString();
        EXPECT_EQ(editor.settings(), before) << typed;
        EXPECT_EQ(line(editor, key)->unitPrice, Money{123456}) << typed << ": never read as 0";
    }

    EXPECT_EQ(editor.setHandPrice(key, QStringLiteral("  ")), QString());
    EXPECT_FALSE(editor.settings().prices.contains(key));
    EXPECT_EQ(line(editor, key)->source, PriceSource::Missing);
    EXPECT_FALSE(line(editor, key)->unitPrice);

    // A hand price over a list price, and the list's price back when it is cleared.
    ASSERT_EQ(editor.setRate(QStringLiteral("USD"), QStringLiteral("90")), QString());
    EXPECT_EQ(line(editor, models[0])->source, PriceSource::List);
    ASSERT_EQ(editor.setHandPrice(models[0], QStringLiteral("5000")), QString());
    EXPECT_EQ(line(editor, models[0])->unitPrice, Money{500000});
    ASSERT_EQ(editor.setHandPrice(models[0], QString()), QString());
    EXPECT_EQ(line(editor, models[0])->source, PriceSource::List);
}

TEST_F(OfferRules, SettingsTypedAreTakenOrRefusedWithoutChange)
{
    using Set = std::function<QString(OfferEditor &, const QString &)>;
    using Read = std::function<QString(const OfferSettings &)>;
    const auto percent = [](OfferPercentField field) {
        return [field](OfferEditor &e, const QString &t) { return e.setPercent(field, t); };
    };
    const Set markup = percent(OfferPercentField::Markup), discount = percent(OfferPercentField::Discount),
              surcharge = percent(OfferPercentField::RateSurcharge);
    const Set usd = [](OfferEditor &e, const QString &t) { return e.setRate(QStringLiteral("USD"), t); };
    const Set usdDate = [](OfferEditor &e, const QString &t) {
        return e.setRateDate(QStringLiteral("USD"), t);
    };
    const Set date = [](OfferEditor &e, const QString &t) { return e.setDate(OfferDateField::Date, t); };
    const Set validUntil = [](OfferEditor &e, const QString &t) {
        return e.setDate(OfferDateField::ValidUntil, t);
    };
    const Read markupOf = [](const OfferSettings &s) { return QString::number(s.markup.hundredths); };
    const Read discountOf = [](const OfferSettings &s) { return QString::number(s.discount.hundredths); };
    const Read surchargeOf = [](const OfferSettings &s) {
        return QString::number(s.rateSurcharge.hundredths);
    };
    const Read usdOf = [](const OfferSettings &s) {
        return s.rates.contains(QStringLiteral("USD"))
                   ? QString::number(s.rates[QStringLiteral("USD")].rate.tenThousandths) + u'/' +
                         s.rates[QStringLiteral("USD")].date.toString(Qt::ISODate)
                   : QStringLiteral("none");
    };
    const Read dateOf = [](const OfferSettings &s) { return s.date.toString(Qt::ISODate); };
    const Read validOf = [](const OfferSettings &s) { return s.validUntil.toString(Qt::ISODate); };
    struct Case
    {
        const char *label;
        Set set;
        const char *typed;
        Read read;
        const char *taken; // what the setting holds after; nullptr: refused, the setting as it was
    };
    const Case cases[] = {
        {"markup", markup, "12,5", markupOf, "1250"},
        {"markup with sign", markup, "12,5 %", markupOf, "1250"},
        {"markup empty", markup, "", markupOf, "0"},
        {"markup negative", markup, "-1", markupOf, nullptr},
        {"markup too fine", markup, "1,234", markupOf, nullptr},
        {"discount whole", discount, "100", discountOf, "10000"},
        {"discount above 100", discount, "100,01", discountOf, nullptr},
        {"discount letters", discount, "пять", discountOf, nullptr},
        {"surcharge", surcharge, "2", surchargeOf, "200"},
        {"rate", usd, "92,4567", usdOf, "924567/"},
        {"rate with point", usd, "92.5", usdOf, "925000/"},
        {"rate zero", usd, "0", usdOf, nullptr},
        {"rate too fine", usd, "92,45678", usdOf, nullptr},
        {"rate date without a rate", usdDate, "09.12.2026", usdOf, nullptr},
        {"rate date empty without a rate", usdDate, "", usdOf, "none"},
        {"date", date, "09.12.2026", dateOf, "2026-12-09"},
        {"date not a day", date, "31.02.2026", dateOf, nullptr},
        {"date in another form", date, "2026-12-09", dateOf, nullptr},
        {"valid until", validUntil, "31.12.2026", validOf, "2026-12-31"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        OfferEditor editor(*model->finishedCalculation(), card, &list);
        const OfferSettings before = editor.settings();
        const QString refusal = c.set(editor, QString::fromUtf8(c.typed));
        if (c.taken) {
            EXPECT_EQ(refusal, QString());
            EXPECT_EQ(c.read(editor.settings()), QString::fromUtf8(c.taken));
        } else {
            EXPECT_FALSE(refusal.isEmpty());
            EXPECT_EQ(editor.settings(), before);
        }
    }
}

TEST_F(OfferRules, ARateWithItsDatePricesTheDollarLineAndItsRemovalTakesThePriceAway)
{
    OfferEditor editor(*model->finishedCalculation(), card, &list);
    ASSERT_EQ(line(editor, models[0])->source, PriceSource::Missing);
    EXPECT_TRUE(line(editor, models[0])->missingReason.contains(QStringLiteral("USD")))
        << line(editor, models[0])->missingReason.toStdString();

    ASSERT_EQ(editor.setRate(QStringLiteral("USD"), QStringLiteral("90")), QString());
    ASSERT_EQ(editor.setRateDate(QStringLiteral("USD"), QStringLiteral("08.12.2026")), QString());
    EXPECT_EQ(editor.settings().rates.value(QStringLiteral("USD")).date, QDate(2026, 12, 8));
    const OfferLine *priced = line(editor, models[0]);
    EXPECT_EQ(priced->source, PriceSource::List);
    EXPECT_EQ(priced->unitPrice, Money{904500}) << "100,50 USD at 90 roubles";
    EXPECT_EQ(priced->listLine, 7);

    ASSERT_EQ(editor.setRate(QStringLiteral("USD"), QString()), QString());
    EXPECT_FALSE(editor.settings().rates.contains(QStringLiteral("USD"))) << "the rate's date goes with it";
    EXPECT_EQ(line(editor, models[0])->source, PriceSource::Missing);
}

TEST_F(OfferRules, WorksAreAddedTypedAndRemoved)
{
    OfferEditor editor(*model->finishedCalculation(), card, &list);
    const Money before = editor.offer().totals.total;
    const qsizetype index = editor.addWork();
    ASSERT_EQ(editor.settings().works.size(), 1);
    const OfferLine *work = &editor.offer().lines.last();
    EXPECT_EQ(work->item.section, OfferSection::Works);
    EXPECT_FALSE(work->isPriced()) << "a work without a price is missing, never 0";

    struct Case
    {
        WorkField field;
        const char *typed;
        bool taken;
    };
    const Case cases[] = {
        {WorkField::Name, "Пусконаладка", true}, {WorkField::Name, "  ", false},
        {WorkField::Unit, "компл.", true},       {WorkField::Unit, "", false},
        {WorkField::Quantity, "2,5", true},      {WorkField::Quantity, "0", false},
        {WorkField::Quantity, "много", false},   {WorkField::Price, "15 000", true},
        {WorkField::Price, "15 000,001", false}, {WorkField::Price, "-1", false},
    };
    for (const Case &c : cases) {
        const OfferSettings was = editor.settings();
        const QString refusal = editor.setWork(index, c.field, QString::fromUtf8(c.typed));
        EXPECT_EQ(refusal.isEmpty(), c.taken) << c.typed << ": " << refusal.toStdString();
        if (!c.taken) {
            EXPECT_EQ(editor.settings(), was) << c.typed;
        }
    }
    const OfferWork &typed = editor.settings().works[index];
    EXPECT_EQ(typed.name, QStringLiteral("Пусконаладка"));
    EXPECT_EQ(typed.unit, QStringLiteral("компл."));
    EXPECT_EQ(typed.quantity, Quantity{2500});
    EXPECT_EQ(typed.price, Money{1500000});
    work = &editor.offer().lines.last();
    EXPECT_EQ(work->sum, Money{3750000});
    EXPECT_GT(editor.offer().totals.total, before);

    ASSERT_EQ(editor.setWork(index, WorkField::Price, QString()), QString());
    EXPECT_FALSE(editor.offer().lines.last().isPriced());
    editor.removeWork(index);
    EXPECT_TRUE(editor.settings().works.isEmpty());
    EXPECT_EQ(editor.offer().totals.total, before);
}

TEST_F(OfferRules, TheDocumentsComposeTheOfferTheWindowShows)
{
    OfferEditor editor(*model->finishedCalculation(), card, &list);
    ASSERT_EQ(editor.setRate(QStringLiteral("USD"), QStringLiteral("91,5")), QString());
    ASSERT_EQ(editor.setPercent(OfferPercentField::Markup, QStringLiteral("10")), QString());
    ASSERT_EQ(editor.setHandPrice(models[1], QStringLiteral("777")), QString());
    ASSERT_EQ(editor.setVat(Vat{VatMode::Included, 20}), QString());
    editor.addWork();
    ProjectCard kept = card;
    kept.offer = editor.settings();
    const Offer printed = composeOffer(*model->finishedCalculation(), kept, &list);
    ASSERT_EQ(printed.lines.size(), editor.offer().lines.size());
    for (qsizetype n = 0; n < printed.lines.size(); ++n) {
        EXPECT_EQ(priceCell(printed.lines[n]), priceCell(editor.offer().lines[n])) << n;
        EXPECT_EQ(sumCell(printed.lines[n]), sumCell(editor.offer().lines[n])) << n;
    }
    EXPECT_EQ(countLine(printed), countLine(editor.offer()));
    EXPECT_EQ(vatLineText(printed.vat), vatLineText(editor.offer().vat));
    // Without a list only the hand prices are priced.
    const Offer unlisted = composeOffer(*model->finishedCalculation(), kept, nullptr);
    for (const OfferLine &line : unlisted.lines)
        EXPECT_NE(line.source, PriceSource::List);
    EXPECT_EQ(editor.setVat(Vat{VatMode::Over, 101}).isEmpty(), false);
}

} // namespace
} // namespace orvika::test
