#include "offer/offer_texts.h"
#include "offer_documents/offer_files.h"
#include "offer_documents/offer_workbook.h"
#include "support/file_faults.h"
#include "support/workbook_numbers.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace orvika::test {
namespace {

// A line as the tests price it: a price set by hand, or none.
struct WorkbookItem
{
    OfferSection section;
    QString name;
    QString model;
    QString unit;
    Quantity quantity;
    std::optional<Money> price;
};

Money kopecksOf(qint64 kopecks)
{
    return Money::fromKopecks(kopecks);
}

Quantity thousandthsOf(qint64 value)
{
    return Quantity{value};
}

// The offer priced as the program prices it: each line's sum rounded to the kopeck, each section's subtotal,
// the totals with VAT, by the money's own functions. The items come in the sections' order.
Offer workbookOffer(const QList<WorkbookItem> &items, Vat vat)
{
    Offer offer;
    offer.vat = vat;
    QMap<OfferSection, QList<Money>> sums;
    for (const WorkbookItem &item : items) {
        OfferLine line;
        line.item.section = item.section;
        line.item.name = item.name;
        line.item.model = item.model;
        line.item.unit = item.unit;
        line.item.quantity = item.quantity;
        line.position = int(offer.lines.size()) + 1;
        sums[item.section]; // a section with lines has a subtotal, priced or not
        if (item.price) {
            line.source = PriceSource::Hand;
            line.unitPrice = item.price;
            line.sum = scaled(*item.price, item.quantity.thousandths, 1000);
            sums[item.section].append(*line.sum);
            ++offer.pricedCount;
        } else {
            line.missingReason = QStringLiteral("нет в прайс-листе");
        }
        offer.lines.append(line);
    }
    QList<Money> subtotals;
    for (auto it = sums.cbegin(); it != sums.cend(); ++it) {
        offer.subtotals.append({it.key(), *subtotalOf(*it)});
        subtotals.append(offer.subtotals.last().subtotal);
    }
    offer.totals = *offerTotals(*subtotalOf(subtotals), vat);
    return offer;
}

ProjectCard workbookCard(Vat vat)
{
    ProjectCard card;
    card.organisation = QStringLiteral("ООО «Звук и свет»");
    card.customer = QStringLiteral("ГБОУ «Школа № 5»");
    card.object = QStringLiteral("Школа № 5, корпус 2");
    card.offer.number = QStringLiteral("12/А");
    card.offer.date = QDate(2026, 12, 9);
    card.offer.validUntil = QDate(2026, 12, 31);
    card.offer.vat = vat;
    card.offer.markup = *parsePercent(u"15");
    card.offer.discount = *parsePercent(u"2,5");
    card.offer.rates.insert(QStringLiteral("USD"), {*parseRate(u"92,4567"), QDate(2026, 12, 8)});
    card.offer.rateSurcharge = *parsePercent(u"2");
    return card;
}

// A school's offer over all three sections: half kopecks in the lines' products, a line without a price.
QList<WorkbookItem> schoolItems()
{
    return {
        {OfferSection::Equipment,
         QStringLiteral("Селектор зон на 10 линий до 500 Вт с контролем линий громкоговорителей, "
                        "резервированием и блоком питания"),
         QStringLiteral("K-3110"), QStringLiteral("шт."), Quantity::whole(2), kopecksOf(12345678)},
        {OfferSection::Equipment, QStringLiteral("Блок речевых сообщений"), QStringLiteral("K-3262"),
         QStringLiteral("шт."), Quantity::whole(1), std::nullopt},
        {OfferSection::Materials, QStringLiteral("Кабель КПСнг(А)-FRLS 2×1,5 мм²"), QString(),
         QStringLiteral("м"), thousandthsOf(1500), kopecksOf(1235)}, // 18,525
        {OfferSection::Materials, QStringLiteral("Коробка монтажная"), QString(), QStringLiteral("шт."),
         Quantity::whole(37), kopecksOf(15)},
        {OfferSection::Works, QStringLiteral("Пусконаладочные работы"), QString(), QStringLiteral("ч"),
         thousandthsOf(2500), kopecksOf(15)}, // 0,375
        {OfferSection::Works, QStringLiteral("Монтаж"), QString(), QStringLiteral("усл."), thousandthsOf(500),
         kopecksOf(101)}, // 0,505
    };
}

QByteArray workbookOutputOf(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(180000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

// The workbook as openpyxl reads it: each sheet's rows of values (formulas as their text), each cell's
// number format, and the first sheet's figures as the workbook keeps them for a viewer.
const char *const ReadOfferWorkbook = R"(
import json, sys, datetime, openpyxl
def value(v):
    return v.isoformat() if isinstance(v, (datetime.date, datetime.datetime)) else v
book = openpyxl.load_workbook(sys.argv[1])
kept = openpyxl.load_workbook(sys.argv[1], data_only=True)
print(json.dumps({
    "sheets": book.sheetnames,
    "rows": [[value(c.value) for c in row] for row in book.worksheets[0].iter_rows()],
    "formats": [[c.number_format for c in row] for row in book.worksheets[0].iter_rows()],
    "kept": [[c.value for c in row] for row in kept.worksheets[0].iter_rows()],
    "settings": [[value(c.value) for c in row] for row in book.worksheets[1].iter_rows()],
    "heights": {str(i - 1): r.height for i, r in book.worksheets[0].row_dimensions.items() if r.customHeight},
    "paper": book.worksheets[0].page_setup.paperSize,
    "titleRows": book.worksheets[0].print_title_rows,
}, ensure_ascii=False))
)";

QJsonObject readOfferWorkbook(const QString &path)
{
    return QJsonDocument::fromJson(
               workbookOutputOf(QStringLiteral("/usr/bin/python3"),
                                {QStringLiteral("-c"), QString::fromUtf8(ReadOfferWorkbook), path}))
        .object();
}

// The row whose first cell reads text (a merged label's text stands in its first cell), or -1.
qsizetype rowLabelled(const QJsonArray &rows, const QString &text)
{
    for (qsizetype at = 0; at < rows.size(); ++at)
        if (rows.at(at).toArray().at(0).toString() == text)
            return at;
    return -1;
}

// The row of the table's line at that position.
qsizetype rowOfPosition(const QJsonArray &rows, int position)
{
    for (qsizetype at = 0; at < rows.size(); ++at)
        if (rows.at(at).toArray().at(0).isDouble() && rows.at(at).toArray().at(0).toInt() == position)
            return at;
    return -1;
}

QString cellText(const QJsonArray &rows, qsizetype row, int column)
{
    return rows.at(row).toArray().at(column).toString();
}

TEST(OfferXlsx, HoldsTheHeadingTheLinesAsNumbersAndTheSumsAsFormulas)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Предложение.xlsx"));
    const Vat vat{VatMode::Over, 22};
    const ProjectCard card = workbookCard(vat);
    const Offer offer = workbookOffer(schoolItems(), vat);
    {
        // Under the users' notation, where printf would write "12,35".
        const ProcessNumericLocale russian("ru_RU.UTF-8");
        ASSERT_TRUE(russian.isSet());
        ASSERT_EQ(writeOfferXlsx(path, card, offer), std::nullopt);
    }
    const QJsonObject book = readOfferWorkbook(path);
    ASSERT_FALSE(book.isEmpty()) << "openpyxl could not read the workbook";
    EXPECT_EQ(book.value(u"sheets").toArray(), QJsonArray({OfferSheetName, OfferSettingsSheetName}));
    EXPECT_EQ(book.value(u"paper").toInt(), 9); // A4
    const QJsonArray rows = book.value(u"rows").toArray();
    const QJsonArray formats = book.value(u"formats").toArray();
    const QJsonArray kept = book.value(u"kept").toArray();

    // The heading in order above the table's header, which is repeated on every printed page.
    const qsizetype header = rowLabelled(rows, QStringLiteral("№"));
    ASSERT_GT(header, 0);
    EXPECT_EQ(rows.at(header).toArray(),
              QJsonArray({"№", "Наименование", "Модель", "Ед.", "Кол.", "Цена, руб.", "Сумма, руб."}));
    EXPECT_EQ(book.value(u"titleRows").toString(), QStringLiteral("$%1:$%1").arg(header + 1));
    qsizetype at = -1;
    for (const QString &text : {card.organisation, QStringLiteral("Заказчик: ") + card.customer,
                                offerTitle(card.offer), QStringLiteral("Объект: ") + card.object}) {
        const qsizetype found = rowLabelled(rows, text);
        EXPECT_GT(found, at) << text.toStdString();
        EXPECT_LT(found, header) << text.toStdString();
        at = found;
    }
    EXPECT_EQ(offerTitle(card.offer), QStringLiteral("Коммерческое предложение № 12/А от 09.12.2026"));

    // Every line: its quantity and price as numbers, the price in the money format, its sum a formula of
    // the two holding the program's sum; a missing price as the text, its sum out of the figures.
    for (const OfferLine &line : offer.lines) {
        const qsizetype row = rowOfPosition(rows, line.position);
        ASSERT_GT(row, header) << line.position;
        const QJsonArray cells = rows.at(row).toArray();
        EXPECT_EQ(cells.at(1).toString(), line.item.name);
        EXPECT_EQ(cells.at(2).toString(), line.item.model);
        EXPECT_EQ(cells.at(3).toString(), line.item.unit);
        EXPECT_EQ(cells.at(4).toDouble(), exactDecimalNumber(line.item.quantity.thousandths, 3));
        const QString sum = cells.at(6).toString();
        EXPECT_TRUE(sum.startsWith(u'=') && sum.contains(QStringLiteral("F%1").arg(row + 1)) &&
                    sum.contains(QStringLiteral("E%1").arg(row + 1)))
            << sum.toStdString();
        EXPECT_EQ(formats.at(row).toArray().at(6).toString(), u"#,##0.00");
        if (line.unitPrice) {
            ASSERT_TRUE(cells.at(5).isDouble()) << line.position;
            EXPECT_EQ(moneyFrom(cells.at(5).toDouble()), line.unitPrice);
            EXPECT_EQ(formats.at(row).toArray().at(5).toString(), u"#,##0.00");
            EXPECT_EQ(moneyFrom(kept.at(row).toArray().at(6).toDouble()), line.sum);
        } else {
            EXPECT_EQ(cells.at(5).toString(), MissingPriceText);
            EXPECT_EQ(kept.at(row).toArray().at(6).toString(), MissingPriceText);
        }
    }

    // A name that wraps has the lines it needs; a short one is left to the spreadsheet's own height.
    const QJsonObject heights = book.value(u"heights").toObject();
    const QString wrapped = QString::number(rowOfPosition(rows, 1)),
                  single = QString::number(rowOfPosition(rows, 2));
    EXPECT_GE(heights.value(wrapped).toDouble(), 2 * heights.value(single).toDouble(15));
    EXPECT_FALSE(heights.contains(single));

    // Each section under its title, closed by its subtotal over exactly its lines.
    QStringList subtotalCells;
    for (const OfferSubtotal &subtotal : offer.subtotals) {
        const qsizetype title = rowLabelled(rows, offerSectionTitle(subtotal.section));
        const qsizetype closing = rowLabelled(rows, subtotalLineText(subtotal.section));
        ASSERT_GT(title, header);
        ASSERT_GT(closing, title);
        EXPECT_EQ(cellText(rows, closing, 6).toStdString(),
                  QStringLiteral("=SUM(G%1:G%2)").arg(title + 2).arg(closing).toStdString());
        for (qsizetype row = title + 1; row < closing; ++row) {
            const int position = rows.at(row).toArray().at(0).toInt();
            EXPECT_EQ(offer.lines.at(position - 1).item.section, subtotal.section) << row;
        }
        EXPECT_EQ(moneyFrom(kept.at(closing).toArray().at(6).toDouble()), subtotal.subtotal);
        subtotalCells.append(QStringLiteral("G%1").arg(closing + 1));
    }

    // The totals, each a formula over the cells above it and the VAT rate on the settings sheet.
    const qsizetype total = rowLabelled(rows, QStringLiteral("Итого"));
    const qsizetype vatRow = rowLabelled(rows, vatLineText(vat));
    const qsizetype grand = rowLabelled(rows, totalLineText(vat));
    ASSERT_GT(total, 0);
    ASSERT_EQ(vatRow, total + 1);
    ASSERT_EQ(grand, total + 2);
    for (const QString &cell : subtotalCells)
        EXPECT_TRUE(cellText(rows, total, 6).contains(cell)) << cell.toStdString();
    const QString vatFormula = cellText(rows, vatRow, 6);
    const QRegularExpressionMatch rateRow =
        QRegularExpression(QStringLiteral("'Настройки'!\\$B\\$(\\d+)")).match(vatFormula);
    ASSERT_TRUE(rateRow.hasMatch()) << vatFormula.toStdString();
    const QJsonArray settings = book.value(u"settings").toArray();
    EXPECT_EQ(settings.at(rateRow.captured(1).toInt() - 1).toArray().at(1).toDouble(), vat.rate);
    EXPECT_TRUE(cellText(rows, grand, 6).contains(QStringLiteral("G%1").arg(total + 1)));
    EXPECT_TRUE(cellText(rows, grand, 6).contains(QStringLiteral("G%1").arg(vatRow + 1)));
    EXPECT_EQ(moneyFrom(kept.at(total).toArray().at(6).toDouble()), offer.totals.subtotal);
    EXPECT_EQ(moneyFrom(kept.at(vatRow).toArray().at(6).toDouble()), offer.totals.vat);
    EXPECT_EQ(moneyFrom(kept.at(grand).toArray().at(6).toDouble()), offer.totals.total);

    // The lines under the totals, in the PDF's order.
    at = grand;
    for (const QString &text :
         {missingPricesLine(offer), countLine(offer), totalInWords(offer), validityLine(card.offer)}) {
        ASSERT_FALSE(text.isEmpty());
        const qsizetype found = rowLabelled(rows, text);
        EXPECT_GT(found, at) << text.toStdString();
        at = found;
    }

    // The settings as figures and dates a spreadsheet counts with.
    QMap<QString, QJsonArray> byLabel;
    for (const QJsonValue &row : settings)
        byLabel.insert(row.toArray().at(0).toString(), row.toArray());
    EXPECT_EQ(byLabel.value(QStringLiteral("Номер")).at(1).toString(), card.offer.number);
    EXPECT_EQ(byLabel.value(QStringLiteral("Дата")).at(1).toString(), u"2026-12-09T00:00:00");
    EXPECT_EQ(byLabel.value(QStringLiteral("Действительно до")).at(1).toString(), u"2026-12-31T00:00:00");
    EXPECT_EQ(byLabel.value(QStringLiteral("НДС")).at(1).toString(), u"начисляется сверх цен");
    EXPECT_EQ(byLabel.value(QStringLiteral("Наценка, %")).at(1).toDouble(), 15);
    EXPECT_EQ(byLabel.value(QStringLiteral("Скидка, %")).at(1).toDouble(), 2.5);
    EXPECT_EQ(byLabel.value(QStringLiteral("Курс USD, руб.")).at(1).toDouble(), 92.4567);
    EXPECT_EQ(byLabel.value(QStringLiteral("Курс USD, руб.")).at(2).toString(), u"2026-12-08T00:00:00");
    EXPECT_EQ(byLabel.value(QStringLiteral("Надбавка к курсу, %")).at(1).toDouble(), 2);
}

// A copy of the workbook whose formulas keep a figure no sum could have, so that a right figure read back
// can only have been computed by the spreadsheet; a price given as argv[3] is typed over "нет цены".
const char *const WorkbookWithFiguresForgotten = R"(
import re, sys, zipfile
source, target = sys.argv[1], sys.argv[2]
price = sys.argv[3] if len(sys.argv) > 3 else None
with zipfile.ZipFile(source) as book:
    if price:
        strings = re.findall(rb"<si><t[^>]*>([^<]*)</t></si>", book.read("xl/sharedStrings.xml"))
        missing = str(strings.index("нет цены".encode())).encode()
    with zipfile.ZipFile(target, "w", zipfile.ZIP_DEFLATED) as out:
        for item in book.infolist():
            data = book.read(item.filename)
            if item.filename.startswith("xl/worksheets/"):
                data = re.sub(rb"(<f>[^<]*</f>)<v>[^<]*</v>", rb"\1<v>-1</v>", data)
                if price:
                    data = re.sub(rb'(<c r="F\d+"[^>]*?) t="s"><v>' + missing + rb"</v>",
                                  rb"\1><v>" + price.encode() + rb"</v>", data)
            out.writestr(item, data)
)";

// LibreOffice's profile for the tests: its own, so that runs side by side do not share one, and set to
// recalculate a workbook's formulas on opening it, which it does not by default.
const char *const RecalculatingProfile = R"(<?xml version="1.0" encoding="UTF-8"?>
<oor:items xmlns:oor="http://openoffice.org/2001/registry" xmlns:xs="http://www.w3.org/2001/XMLSchema"
 xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
<item oor:path="/org.openoffice.Office.Calc/Formula/Load"><prop oor:name="OOXMLRecalcMode" oor:op="fuse">
<value>0</value></prop></item>
</oor:items>
)";

// The fields of a line of LibreOffice's CSV: "," between them, a field with one in quotes.
QStringList csvFields(const QString &line)
{
    QStringList fields{QString()};
    bool quoted = false;
    for (qsizetype at = 0; at < line.size(); ++at) {
        const QChar c = line.at(at);
        if (c == u'"' && quoted && at + 1 < line.size() && line.at(at + 1) == u'"')
            fields.last() += line.at(++at);
        else if (c == u'"')
            quoted = !quoted;
        else if (c == u',' && !quoted)
            fields.append(QString());
        else
            fields.last() += c;
    }
    return fields;
}

struct RecalculationCase
{
    const char *name;
    QList<WorkbookItem> items;
    Vat vat;
    // A price typed over the first "нет цены", and the items as they are then.
    std::optional<Money> typedPrice = {};
};

// Items of one section whose sum is the given kopecks: a half kopeck of VAT for the rates below, which a
// product of doubles rounded as it stands gets wrong.
QList<WorkbookItem> summingTo(qint64 kopecks)
{
    return {{OfferSection::Equipment, QStringLiteral("Блок питания"), QStringLiteral("K-3300"),
             QStringLiteral("шт."), Quantity::whole(1), kopecksOf(kopecks - 100)},
            {OfferSection::Equipment, QStringLiteral("Шнур"), QString(), QStringLiteral("шт."),
             Quantity::whole(2), kopecksOf(50)}};
}

QList<WorkbookItem> withPrice(QList<WorkbookItem> items, Money price)
{
    for (WorkbookItem &item : items)
        if (!item.price) {
            item.price = price;
            break;
        }
    return items;
}

TEST(OfferXlsx, LibreOfficeRecalculatesTheProgramsFiguresInEveryVatMode)
{
    const QString office = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (office.isEmpty())
        GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    // Each half kopeck here is one that a product of doubles rounded as it stands would lose: 5,75 × 22 % is
    // 1,265, 2,13 × 20/120 is 0,355, 1,5 m at 0,15 is 0,225 and half an hour at 0,29 is 0,145.
    QList<WorkbookItem> halves = schoolItems();
    halves.append({OfferSection::Works, QStringLiteral("Обучение персонала"), QString(), QStringLiteral("ч"),
                   thousandthsOf(500), kopecksOf(29)});
    halves[2].price = kopecksOf(15);
    const RecalculationCase cases[] = {
        {"over", summingTo(575), {VatMode::Over, 22}},
        {"over-large", summingTo(123456725), {VatMode::Over, 22}},
        {"included", summingTo(213), {VatMode::Included, 20}},
        {"included-22", halves, {VatMode::Included, 22}},
        {"none", halves, {VatMode::None, 22}},
        {"school", schoolItems(), {VatMode::Over, 22}},
        {"typed", schoolItems(), {VatMode::Over, 20}, kopecksOf(987654)},
        {"empty", {}, {VatMode::Over, 22}},
    };

    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("profile/user"));
    QFile profile(dir.filePath(QStringLiteral("profile/user/registrymodifications.xcu")));
    ASSERT_TRUE(profile.open(QIODevice::WriteOnly) && profile.write(RecalculatingProfile) > 0);
    profile.close();
    QStringList recalculated;
    for (const RecalculationCase &test : cases) {
        const QString written =
            dir.filePath(QString::fromLatin1(test.name) + QStringLiteral("-written.xlsx"));
        ASSERT_EQ(writeOfferXlsx(written, workbookCard(test.vat), workbookOffer(test.items, test.vat)),
                  std::nullopt)
            << test.name;
        recalculated.append(dir.filePath(QString::fromLatin1(test.name) + QStringLiteral(".xlsx")));
        QStringList arguments{QStringLiteral("-c"), QString::fromUtf8(WorkbookWithFiguresForgotten), written,
                              recalculated.last()};
        if (test.typedPrice)
            arguments.append(QString::number(moneyNumber(*test.typedPrice), 'f', 2));
        QProcess python;
        python.start(QStringLiteral("/usr/bin/python3"), arguments);
        ASSERT_TRUE(python.waitForFinished(60000) && python.exitCode() == 0)
            << test.name << python.readAllStandardError().toStdString();
    }
    // Every workbook in one start of the office: it takes seconds to start.
    QProcess convert;
    convert.start(
        office,
        QStringList{QStringLiteral("-env:UserInstallation=") +
                        QUrl::fromLocalFile(dir.filePath(QStringLiteral("profile"))).toString(),
                    QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                    // UTF-8, each figure as it is held, not as it is shown.
                    QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1,,1049,false,false,false"),
                    QStringLiteral("--outdir"), dir.path()} +
            recalculated);
    ASSERT_TRUE(convert.waitForFinished(300000) && convert.exitCode() == 0)
        << convert.readAllStandardError().toStdString();

    for (const RecalculationCase &test : cases) {
        SCOPED_TRACE(test.name);
        const Offer offer =
            workbookOffer(test.typedPrice ? withPrice(test.items, *test.typedPrice) : test.items, test.vat);
        QFile csv(dir.filePath(QString::fromLatin1(test.name) + QStringLiteral(".csv")));
        ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
        QMap<QString, QString> sumOf; // by the row's first cell
        for (const QString &line : QString::fromUtf8(csv.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
            const QStringList fields = csvFields(line.trimmed());
            if (fields.size() == 7)
                sumOf.insert(fields.at(0), fields.at(6));
        }
        // A figure as a whole number of kopecks in the program's notation; anything else as it stands.
        const auto computed = [&sumOf](const QString &label) {
            const QString held = sumOf.value(label, QStringLiteral("(no row)"));
            const std::optional<Money> figure = parseMoney(held);
            return (figure ? moneyText(*figure) : QStringLiteral("not kopecks: ") + held).toStdString();
        };
        const auto expected = [](Money money) { return moneyText(money).toStdString(); };
        for (const OfferLine &line : offer.lines) {
            const QString position = QString::number(line.position);
            if (line.sum)
                EXPECT_EQ(computed(position), expected(*line.sum)) << line.position;
            else
                EXPECT_EQ(sumOf.value(position).toStdString(), MissingPriceText.toStdString())
                    << line.position;
        }
        for (const OfferSubtotal &subtotal : offer.subtotals)
            EXPECT_EQ(computed(subtotalLineText(subtotal.section)), expected(subtotal.subtotal));
        EXPECT_EQ(computed(QStringLiteral("Итого")), expected(offer.totals.subtotal));
        if (test.vat.mode == VatMode::None)
            EXPECT_EQ(sumOf.value(vatLineText(test.vat), QStringLiteral("(no row)")).toStdString(), "");
        else
            EXPECT_EQ(computed(vatLineText(test.vat)), expected(offer.totals.vat));
        EXPECT_EQ(computed(totalLineText(test.vat)), expected(offer.totals.total));
    }
}

TEST(OfferXlsx, RefusesAnOfferTooLargeToSumAndWritesNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Предложение.xlsx"));
    Offer offer = workbookOffer(schoolItems(), {});
    offer.tooLarge = true;
    const std::optional<QString> refused = writeOfferXlsx(path, workbookCard({}), offer);
    ASSERT_TRUE(refused.has_value());
    EXPECT_FALSE(refused->isEmpty());
    EXPECT_FALSE(QFile::exists(path));
}

TEST(OfferXlsx, AFailedWriteSaysWhyAndLeavesNoFileOrThePreviousOne)
{
    QTemporaryDir dir;
    const Offer offer = workbookOffer(schoolItems(), {});
    const ProjectCard card = workbookCard({});

    // A folder that is not there.
    const QString nowhere = dir.filePath(QStringLiteral("нет такой папки/Предложение.xlsx"));
    const std::optional<QString> refused = writeOfferXlsx(nowhere, card, offer);
    ASSERT_TRUE(refused.has_value());
    EXPECT_FALSE(refused->isEmpty());
    EXPECT_FALSE(QFile::exists(nowhere));

    // A disk that takes no more than a few kilobytes a file: the previous offer stays as it was.
    const QString path = dir.filePath(QStringLiteral("Предложение.xlsx"));
    {
        QFile previous(path);
        ASSERT_TRUE(previous.open(QIODevice::WriteOnly) && previous.write("прежнее") > 0);
    }
    const ChildResult child = runWithFileSizeLimit(2048, [&] {
        const std::optional<QString> failed = writeOfferXlsx(path, card, offer);
        return QStringList{failed ? QStringLiteral("failed") : QStringLiteral("written"),
                           failed.value_or(QString())};
    });
    ASSERT_TRUE(child.exitedNormally);
    ASSERT_EQ(child.lines.size(), 2);
    EXPECT_EQ(child.lines.at(0).toStdString(), "failed");
    EXPECT_FALSE(child.lines.at(1).isEmpty());
    QFile previous(path);
    ASSERT_TRUE(previous.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(previous.readAll()).toStdString(), "прежнее");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("Предложение.xlsx")});
}

} // namespace
} // namespace orvika::test
