#include "documents/document_fixtures.h"
#include "offer/offer_pricing.h"
#include "offer/offer_texts.h"
#include "offer_documents/offer_files.h"
#include "support/file_faults.h"

#include <QDir>
#include <QMap>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QSizeF>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

// The offer's PDF read back with pdftotext: the unity build puts this file beside the folder's others,
// hence a namespace of its own.
namespace orvika::test::offer_pdf {
namespace {

// The words of a text in one line: pdftotext's spacing, line breaks and no-break spaces made one space.
QString flat(const QString &text)
{
    return QString(text)
        .replace(QChar(0x00A0), u' ')
        .replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "))
        .trimmed();
}

// The pages of the PDF as pdftotext -layout lays them out.
QStringList pagesOf(const QString &pdf)
{
    QStringList pages = QString::fromUtf8(outputOf(QStringLiteral("pdftotext"),
                                                   {QStringLiteral("-layout"), pdf, QStringLiteral("-")}))
                            .split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

struct PlacedWord
{
    QString text;
    QRectF mm;
};

struct PlacedPage
{
    QSizeF points;
    QList<PlacedWord> words;
};

QList<PlacedPage> placedWordsOf(const QString &pdf)
{
    constexpr double MmPerPoint = 25.4 / 72;
    QList<PlacedPage> pages;
    QXmlStreamReader xml(
        outputOf(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}));
    auto number = [&](const char *name) { return xml.attributes().value(QLatin1String(name)).toDouble(); };
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("page")) {
            pages.append({QSizeF(number("width"), number("height")), {}});
        } else if (xml.name() == QLatin1String("word") && !pages.isEmpty()) {
            const QRectF mm(QPointF(number("xMin"), number("yMin")) * MmPerPoint,
                            QPointF(number("xMax"), number("yMax")) * MmPerPoint);
            pages.last().words.append({xml.readElementText(), mm});
        }
    }
    return pages;
}

// Every expected text in the flat text, one after another: the first one missing or out of order, or an
// empty text when all are there.
std::string firstOutOfOrder(const QString &text, const QStringList &expected)
{
    qsizetype at = 0;
    for (const QString &part : expected) {
        const qsizetype found = text.indexOf(flat(part), at);
        if (found < 0)
            return part.toStdString();
        at = found + flat(part).size();
    }
    return {};
}

OfferLine offerLine(OfferSection section, const QString &name, const QString &model, const QString &unit,
                    qint64 quantity, std::optional<qint64> priceKopecks)
{
    OfferLine line;
    line.item.section = section;
    line.item.name = name;
    line.item.model = model;
    line.item.unit = unit;
    line.item.quantity = Quantity::whole(quantity);
    if (priceKopecks) {
        line.source = section == OfferSection::Works ? PriceSource::Work : PriceSource::List;
        line.unitPrice = Money::fromKopecks(*priceKopecks);
        line.sum = Money::fromKopecks(*priceKopecks * quantity);
    } else {
        line.missingReason = QStringLiteral("нет в прайс-листе");
    }
    return line;
}

// The lines numbered through, each section's subtotal, the totals with the VAT given.
Offer pricedByHand(QList<OfferLine> lines, Vat vat)
{
    Offer offer;
    offer.vat = vat;
    Money subtotal;
    for (const OfferSection section :
         {OfferSection::Equipment, OfferSection::Materials, OfferSection::Works}) {
        Money sectionSum;
        bool any = false;
        for (OfferLine &line : lines) {
            if (line.item.section != section)
                continue;
            any = true;
            line.position = int(offer.lines.size() + 1);
            if (line.sum) {
                sectionSum = *added(sectionSum, *line.sum);
                ++offer.pricedCount;
            }
            offer.lines.append(line);
        }
        if (any)
            offer.subtotals.append({section, sectionSum});
        subtotal = *added(subtotal, sectionSum);
    }
    offer.totals = *offerTotals(subtotal, vat);
    return offer;
}

// Three sections, a line without a price in the first and the last.
Offer threeSections(Vat vat = {})
{
    return pricedByHand(
        {offerLine(OfferSection::Equipment, QStringLiteral("Усилитель трансляционный 240 Вт"),
                   QStringLiteral("K-3240"), QStringLiteral("шт."), 2, 4'512'350),
         offerLine(OfferSection::Equipment, QStringLiteral("Блок речевых сообщений"),
                   QStringLiteral("K-3262"), QStringLiteral("шт."), 1, std::nullopt),
         offerLine(OfferSection::Equipment, QStringLiteral("Громкоговоритель потолочный 6 Вт"),
                   QStringLiteral("K-6106"), QStringLiteral("шт."), 48, 129'000),
         offerLine(OfferSection::Materials, QStringLiteral("Кабель КПСнг(А)-FRLS 1×2×1,5 мм²"), QString(),
                   QStringLiteral("м"), 350, 6'715),
         offerLine(OfferSection::Materials, QStringLiteral("Коробка распаячная огнестойкая"), QString(),
                   QStringLiteral("шт."), 12, 31'000),
         offerLine(OfferSection::Works, QStringLiteral("Монтаж системы оповещения"), QString(),
                   QStringLiteral("усл."), 1, 18'000'000),
         offerLine(OfferSection::Works, QStringLiteral("Пусконаладочные работы"), QString(),
                   QStringLiteral("усл."), 1, std::nullopt)},
        vat);
}

ProjectCard offerCard()
{
    ProjectCard card;
    card.organisation = QStringLiteral("ООО «Проект-Связь»");
    card.customer = QStringLiteral("МБОУ «Средняя школа № 4»");
    card.object = QStringLiteral("Школа на 550 мест");
    card.address = QStringLiteral("г. Тверь, ул. Садовая, д. 12");
    card.people.developer = QStringLiteral("Петров А. В.");
    card.offer.number = QStringLiteral("КП-17");
    card.offer.date = QDate(2026, 12, 9);
    card.offer.validUntil = QDate(2027, 1, 31);
    return card;
}

class OfferPdf : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return dir.filePath(name); }

    QTemporaryDir dir;
};

TEST_F(OfferPdf, ReadsTheHeadingTheSectionsAndTheClosingInOrderForEachVatMode)
{
    const struct
    {
        Vat vat;
        bool vatSum;
    } cases[] = {{{VatMode::Over, 22}, true}, {{VatMode::Included, 20}, true}, {{VatMode::None, 0}, false}};
    for (const auto &c : cases) {
        const Offer offer = threeSections(c.vat);
        const ProjectCard card = offerCard();
        const QString pdf = path(QStringLiteral("КП.pdf"));
        ASSERT_EQ(writeOfferPdf(pdf, card, offer), std::nullopt) << vatModeKey(c.vat.mode).toStdString();
        const QString text = flat(pagesOf(pdf).join(u' '));
        const OfferLine &cable = offer.lines.at(3);
        QStringList expected = {
            card.organisation,
            QStringLiteral("Заказчик: ") + card.customer,
            QStringLiteral("Коммерческое предложение № КП-17 от 09.12.2026"),
            QStringLiteral("Объект: ") + card.object,
            QStringLiteral("Адрес: ") + card.address,
            QStringLiteral("№ Наименование Модель Ед. Кол. Цена, руб. Сумма, руб."),
            QStringLiteral("Оборудование"),
            QStringLiteral("1 Усилитель трансляционный 240 Вт K-3240 шт. 2 45 123,50 90 247,00"),
            QStringLiteral("2 Блок речевых сообщений K-3262 шт. 1 нет цены нет цены"),
            QStringLiteral("3 Громкоговоритель потолочный 6 Вт K-6106 шт. 48 1 290,00 61 920,00"),
            QStringLiteral("Итого по разделу «Оборудование» 152 167,00"),
            QStringLiteral("Изделия и материалы"),
            QStringLiteral("4 ") + cable.item.name + QStringLiteral(" м 350 67,15 23 502,50"),
            QStringLiteral("5 Коробка распаячная огнестойкая шт. 12 310,00 3 720,00"),
            subtotalLineText(OfferSection::Materials) + u' ' + moneyText(offer.subtotals.at(1).subtotal),
            QStringLiteral("Работы"),
            QStringLiteral("6 Монтаж системы оповещения усл. 1 180 000,00 180 000,00"),
            QStringLiteral("7 Пусконаладочные работы усл. 1 нет цены нет цены"),
            QStringLiteral("Итого по разделу «Работы» 180 000,00"),
            QStringLiteral("Итого: 359 389,50"),
        };
        expected.append(c.vatSum ? vatLineText(c.vat) + QStringLiteral(": ") + moneyText(offer.totals.vat)
                                 : vatLineText(c.vat));
        expected += {totalLineText(c.vat) + QStringLiteral(": ") + moneyText(offer.totals.total),
                     missingPricesLine(offer),
                     countLine(offer),
                     totalInWords(offer),
                     roundingNote(c.vat),
                     QStringLiteral("Предложение действительно до 31.01.2027"),
                     QStringLiteral("Исполнитель:"),
                     card.organisation,
                     card.people.developer,
                     QStringLiteral("(подпись)")};
        EXPECT_EQ(firstOutOfOrder(text, expected), "") << text.toStdString();
        // Without VAT its line has no sum: the total's line follows it directly.
        if (!c.vatSum) {
            EXPECT_TRUE(text.contains(vatLineText(c.vat) + u' ' + totalLineText(c.vat)));
        }
        // One page of A4.
        const QList<PlacedPage> pages = placedWordsOf(pdf);
        ASSERT_EQ(pages.size(), 1);
        EXPECT_NEAR(pages.first().points.width(), 595.28, 0.5);
        EXPECT_NEAR(pages.first().points.height(), 841.89, 0.5);
        EXPECT_TRUE(text.contains(QStringLiteral("Стр. 1 из 1")));
    }
}

TEST_F(OfferPdf, LeavesOutWhatTheCardDoesNotStateAndTheSectionsWithoutLines)
{
    ProjectCard card;
    card.object = QStringLiteral("Склад");
    Offer offer = pricedByHand({offerLine(OfferSection::Works, QStringLiteral("Монтаж"), QString(),
                                          QStringLiteral("усл."), 1, 500'000)},
                               {});
    const QString pdf = path(QStringLiteral("КП.pdf"));
    ASSERT_EQ(writeOfferPdf(pdf, card, offer), std::nullopt);
    const QString text = flat(pagesOf(pdf).join(u' '));
    EXPECT_EQ(
        firstOutOfOrder(text, {QStringLiteral("Коммерческое предложение"), QStringLiteral("Объект: Склад"),
                               QStringLiteral("Работы"), QStringLiteral("1 Монтаж усл. 1 5 000,00 5 000,00"),
                               QStringLiteral("Итого по разделу «Работы» 5 000,00"),
                               QStringLiteral("Всего с НДС: 6 100,00")}),
        "")
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Коммерческое предложение Объект: Склад")));
    for (const char *absent : {"Заказчик", "Адрес", "Оборудование", "Изделия и материалы", "действительно",
                               "Без цены", "нет цены"})
        EXPECT_FALSE(text.contains(QString::fromUtf8(absent))) << absent;
}

TEST_F(OfferPdf, ALongOfferRunsOverPagesUnderItsHeaderWithEveryRowOnce)
{
    QList<OfferLine> lines;
    const QString longName = QStringLiteral("Громкоговоритель рупорный всепогодный взрывозащищённый с "
                                            "трансформатором на 100 В и кронштейном из нержавеющей стали");
    for (int i = 1; i <= 150; ++i)
        lines.append(
            offerLine(OfferSection::Equipment,
                      QStringLiteral("Изделие %1").arg(i) + (i % 10 == 7 ? u' ' + longName : QString()),
                      QStringLiteral("K-%1").arg(1000 + i), QStringLiteral("шт."), i % 5 + 1,
                      i % 13 == 0 ? std::nullopt : std::optional<qint64>(i * 1'000)));
    // A work whose text alone is longer than a page.
    QStringList words;
    for (int i = 0; i < 900; ++i)
        words.append(QStringLiteral("этап%1").arg(i));
    lines.append(
        offerLine(OfferSection::Works, words.join(u' '), QString(), QStringLiteral("усл."), 1, 1'000'000));
    lines.append(offerLine(OfferSection::Works, QStringLiteral("Изделие 152"), QString(),
                           QStringLiteral("усл."), 1, 1'000));
    const Offer offer = pricedByHand(lines, {});
    const QString pdf = path(QStringLiteral("КП.pdf"));
    ASSERT_EQ(writeOfferPdf(pdf, offerCard(), offer), std::nullopt);

    const QList<PlacedPage> pages = placedWordsOf(pdf);
    const QStringList layout = pagesOf(pdf);
    ASSERT_GE(pages.size(), 5);
    ASSERT_EQ(layout.size(), pages.size());
    QStringList numbers;
    QStringList stages;
    for (qsizetype p = 0; p < pages.size(); ++p) {
        const PlacedPage &page = pages.at(p);
        // The header once on every page the table runs over, above every row of the page.
        double header = -1;
        bool rows = false;
        for (const PlacedWord &word : page.words) {
            if (word.text == QStringLiteral("Наименование"))
                header = header < 0 ? word.mm.bottom() : -2;
            rows = rows || word.text == QStringLiteral("Изделие") ||
                   word.text.startsWith(QStringLiteral("этап"));
        }
        if (rows || p < pages.size() - 1) {
            ASSERT_GT(header, 0) << "page " << p + 1;
        }
        QStringList footer;
        for (const PlacedWord &word : page.words) {
            if (word.text.startsWith(QStringLiteral("этап"))) {
                stages.append(word.text);
                EXPECT_GT(word.mm.top(), header) << p + 1;
            }
            // The names keep to their column, between № and Модель.
            if (word.text == QStringLiteral("взрывозащищённый") ||
                word.text.startsWith(QStringLiteral("этап"))) {
                EXPECT_GT(word.mm.left(), 20 + 9) << p + 1;
                EXPECT_LT(word.mm.right(), 20 + 9 + 62) << p + 1;
            }
            // The body ends 18 mm above the sheet's foot: under it only the footer.
            if (word.mm.bottom() > 297 - 18)
                footer.append(word.text);
        }
        EXPECT_EQ(footer.join(u' '),
                  QStringLiteral("Коммерческое предложение № КП-17 от 09.12.2026 Стр. %1 из %2")
                      .arg(p + 1)
                      .arg(pages.size()))
            << p + 1;
        EXPECT_TRUE(
            flat(layout.at(p)).contains(QStringLiteral("Стр. %1 из %2").arg(p + 1).arg(pages.size())));
        static const QRegularExpression row(QStringLiteral("Изделие (\\d+)"));
        for (auto match = row.globalMatch(layout.at(p)); match.hasNext();)
            numbers.append(match.next().captured(1));
    }
    QStringList expectedNumbers;
    for (int i = 1; i <= 150; ++i)
        expectedNumbers.append(QString::number(i));
    expectedNumbers.append(QStringLiteral("152"));
    EXPECT_EQ(numbers.join(u' ').toStdString(), expectedNumbers.join(u' ').toStdString());
    EXPECT_EQ(stages, words);
    // The closing after the long work, however the pages fall.
    EXPECT_EQ(firstOutOfOrder(flat(layout.join(u'\n')),
                              {QStringLiteral("Изделие 152"), subtotalLineText(OfferSection::Works),
                               countLine(offer), totalInWords(offer), QStringLiteral("(подпись)")}),
              "");
}

TEST_F(OfferPdf, ASectionsTitleNeverEndsAPage)
{
    // As the equipment grows by a line, the materials' title comes to the foot of the first page and then
    // goes over to the second: it goes over with the first line of its section.
    int wentOver = 0;
    for (int count = 28; count <= 44; ++count) {
        QList<OfferLine> lines;
        for (int i = 1; i <= count; ++i)
            lines.append(offerLine(OfferSection::Equipment, QStringLiteral("Блок %1").arg(i),
                                   QStringLiteral("K-%1").arg(i), QStringLiteral("шт."), 1, 100'000));
        for (int i = 1; i <= 3; ++i)
            lines.append(offerLine(OfferSection::Materials, QStringLiteral("Материал %1").arg(i), QString(),
                                   QStringLiteral("м"), 10, 5'000));
        const QString pdf = path(QStringLiteral("КП %1.pdf").arg(count));
        ASSERT_EQ(writeOfferPdf(pdf, offerCard(), pricedByHand(lines, {})), std::nullopt);
        const QStringList pages = pagesOf(pdf);
        auto pageOf = [&](const QString &text) {
            for (qsizetype p = 0; p < pages.size(); ++p)
                if (flat(pages.at(p)).contains(text))
                    return p;
            return qsizetype(-1);
        };
        const qsizetype title =
            pageOf(offerSectionTitle(OfferSection::Materials) + u' ' + QString::number(count + 1));
        EXPECT_EQ(title, pageOf(QStringLiteral("Материал 1"))) << count;
        EXPECT_GE(title, 0) << count;
        if (title > pageOf(QStringLiteral("Блок %1 ").arg(count)))
            ++wentOver;
    }
    EXPECT_GT(wentOver, 0);
}

TEST_F(OfferPdf, APricedOfferPrintsTheFiguresItWasPricedWith)
{
    PriceList list;
    list.entries = {{QStringLiteral("К-3520"), QStringLiteral("Громкоговоритель"), 150'000, Roubles, 2},
                    {QStringLiteral("K-3110"), QStringLiteral("Селектор"), 10'000, QStringLiteral("USD"), 3},
                    {QString(), QStringLiteral("КПСнг(А)-FRLS 2х1,5"), 5'650, Roubles, 4}};
    const PriceIndex index(list);
    OfferSettings settings;
    settings.markup = Percent{1250};
    settings.vat = {VatMode::Included, 22};
    auto item = [](OfferSection section, const char *name, const char *model, const char *unit,
                   qint64 count) {
        OfferItem made;
        made.section = section;
        made.name = QString::fromUtf8(name);
        made.model = QString::fromUtf8(model);
        made.unit = QString::fromUtf8(unit);
        made.quantity = Quantity::whole(count);
        return made;
    };
    OfferItem cable = item(OfferSection::Materials, "Кабель КПСнг(А)-FRLS 2×1,5 мм²", "", "м", 137);
    cable.listNames = {cable.name, QStringLiteral("КПСнг(А)-FRLS 2х1,5")};
    OfferItem mounting = item(OfferSection::Works, "Монтаж", "", "усл.", 1);
    mounting.workPrice = Money::fromKopecks(4'500'000);
    const Offer offer =
        priceOffer({item(OfferSection::Equipment, "Громкоговоритель настенный", "K-3520", "шт.", 17),
                    item(OfferSection::Equipment, "Селектор зон", "K-3110", "шт.", 1), cable, mounting},
                   settings, index);
    ASSERT_FALSE(offer.tooLarge);
    ASSERT_EQ(offer.lines.size(), 4);
    ProjectCard card = offerCard();
    card.offer = settings;
    const QString pdf = path(QStringLiteral("КП.pdf"));
    ASSERT_EQ(writeOfferPdf(pdf, card, offer), std::nullopt);
    const QString text = flat(pagesOf(pdf).join(u' '));
    QStringList expected;
    for (const OfferSubtotal &subtotal : offer.subtotals) {
        expected.append(offerSectionTitle(subtotal.section));
        for (const OfferLine &line : offer.lines)
            if (line.item.section == subtotal.section)
                expected.append(QStringList{QString::number(line.position), line.item.name, line.item.model,
                                            line.item.unit, quantityCell(line), priceCell(line),
                                            sumCell(line)}
                                    .join(u' '));
        expected.append(subtotalLineText(subtotal.section) + u' ' + moneyText(subtotal.subtotal));
    }
    expected += {QStringLiteral("Итого: ") + moneyText(offer.totals.subtotal),
                 QStringLiteral("в том числе НДС 22 %: ") + moneyText(offer.totals.vat),
                 QStringLiteral("Всего: ") + moneyText(offer.totals.total),
                 missingPricesLine(offer),
                 countLine(offer),
                 totalInWords(offer)};
    EXPECT_EQ(firstOutOfOrder(text, expected), "") << text.toStdString();
    // The selector in dollars without a rate is the line without a price.
    EXPECT_TRUE(text.contains(QStringLiteral("K-3110 шт. 1 нет цены нет цены")));
}

TEST_F(OfferPdf, LongTextsWrapInsideTheirPlaces)
{
    ProjectCard card = offerCard();
    card.organisation =
        QStringLiteral("Общество с ограниченной ответственностью «Научно-производственное "
                       "объединение противопожарной автоматики и систем оповещения Северо-Запад»");
    card.customer = QStringLiteral("Государственное бюджетное общеобразовательное учреждение города Москвы "
                                   "«Школа с углублённым изучением иностранных языков № 1234»");
    const QString code = QStringLiteral("K-3110-RACKMOUNT-SELECTOR-EXTENDED-VERSION-2026");
    const Offer offer = pricedByHand({offerLine(OfferSection::Equipment, QStringLiteral("Селектор"), code,
                                                QStringLiteral("шт."), 9'999, 999'999'999)},
                                     {});
    const QString pdf = path(QStringLiteral("КП.pdf"));
    ASSERT_EQ(writeOfferPdf(pdf, card, offer), std::nullopt);
    const QList<PlacedPage> pages = placedWordsOf(pdf);
    ASSERT_EQ(pages.size(), 1);
    // The table's columns from the left margin of 20 mm: №, Наименование, Модель, …, Сумма.
    const QRectF model(20 + 9 + 62, 0, 26, 297);
    const QRectF sum(200 - 27, 0, 27, 297);
    QString codeRead;
    double customerLeft = 210;
    for (const PlacedWord &word : pages.first().words) {
        EXPECT_GE(word.mm.left(), 19.5) << word.text.toStdString();
        EXPECT_LE(word.mm.right(), 200.5) << word.text.toStdString();
        if (code.contains(word.text) && word.text.size() > 2) {
            codeRead += word.text;
            EXPECT_TRUE(model.contains(word.mm)) << word.text.toStdString();
        }
        if (word.text == QStringLiteral("«Школа") || word.text == QStringLiteral("Государственное"))
            customerLeft = std::min(customerLeft, word.mm.left());
    }
    EXPECT_EQ(codeRead, code);
    EXPECT_GT(customerLeft, 105);
    // The line's sum and the subtotal, 99 989 999 900,01 roubles, each on one line of its column: a figure
    // is brought down to fit rather than broken.
    const OfferLine &line = offer.lines.first();
    double tableBottom = 297;
    for (const PlacedWord &word : pages.first().words)
        if (word.text == QStringLiteral("Итого:"))
            tableBottom = word.mm.top();
    QMap<int, QString> sumLines;
    for (const PlacedWord &word : pages.first().words)
        if (sum.contains(word.mm) && word.mm.bottom() < tableBottom &&
            word.text.contains(QRegularExpression(QStringLiteral("^[0-9,]+$"))))
            sumLines[qRound(word.mm.top() * 2)] += word.text;
    const QString whole = moneyText(*line.sum).remove(QChar(0x00A0));
    EXPECT_EQ(sumLines.values().join(u' ').toStdString(),
              QStringList({whole, whole}).join(u' ').toStdString());
}

TEST_F(OfferPdf, RefusesWhatItCannotPrintAndLeavesNoFile)
{
    Offer tooLarge = threeSections();
    tooLarge.tooLarge = true;
    const struct
    {
        const char *name;
        Offer offer;
        QString file;
    } cases[] = {
        {"sums too large", tooLarge, path(QStringLiteral("КП.pdf"))},
        {"no lines", Offer{}, path(QStringLiteral("КП.pdf"))},
        {"no folder", threeSections(), path(QStringLiteral("нет такой папки/КП.pdf"))},
    };
    for (const auto &c : cases) {
        const std::optional<QString> reason = writeOfferPdf(c.file, offerCard(), c.offer);
        ASSERT_NE(reason, std::nullopt) << c.name;
        EXPECT_FALSE(reason->isEmpty()) << c.name;
        EXPECT_FALSE(QFile::exists(c.file)) << c.name;
        EXPECT_TRUE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty()) << c.name;
    }
}

TEST_F(OfferPdf, AWriteCutShortLeavesThePreviousFileAndSaysWhy)
{
    const QString file = path(QStringLiteral("КП.pdf"));
    {
        QFile previous(file);
        ASSERT_TRUE(previous.open(QIODevice::WriteOnly));
        previous.write("прежний");
    }
    const Offer offer = threeSections();
    const ChildResult child = runWithFileSizeLimit(2048, [&] {
        const std::optional<QString> reason = writeOfferPdf(file, offerCard(), offer);
        return QStringList{reason ? *reason : QStringLiteral("записан")};
    });
    ASSERT_TRUE(child.exitedNormally);
    EXPECT_NE(child.lines.join(u' '), QStringLiteral("записан"));
    EXPECT_FALSE(child.lines.join(u' ').trimmed().isEmpty());
    QFile previous(file);
    ASSERT_TRUE(previous.open(QIODevice::ReadOnly));
    EXPECT_EQ(previous.readAll(), QByteArray("прежний"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("КП.pdf")});
}

} // namespace
} // namespace orvika::test::offer_pdf
