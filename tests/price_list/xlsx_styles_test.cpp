#include "price_list/price_import.h"
#include "price_list/xlsx_styles.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvika;

TEST(XlsxStyles, CurrencyOfEachCellStyleFromItsNumberFormat)
{
    const QByteArray styles = R"(<styleSheet><numFmts count="6">
<numFmt numFmtId="164" formatCode="#,##0.00\ [$€-407]"/>
<numFmt numFmtId="165" formatCode="[$$-409]#,##0.00"/>
<numFmt numFmtId="166" formatCode="#,##0.00&quot;₽&quot;"/>
<numFmt numFmtId="167" formatCode="#,##0.00\ &quot;руб.&quot;"/>
<numFmt numFmtId="168" formatCode="¥#,##0"/>
<numFmt numFmtId="169" formatCode="0.00&quot; шт&quot;;[Red]\-0.00"/>
<numFmt numFmtId="170" formatCode="[$-409]#,##0.00"/>
</numFmts>
<cellStyleXfs count="1"><xf numFmtId="165"/></cellStyleXfs>
<cellXfs count="8"><xf numFmtId="0"/><xf numFmtId="164"/><xf numFmtId="165"/><xf numFmtId="166"/>
<xf numFmtId="167"/><xf numFmtId="168"/><xf numFmtId="169"/><xf numFmtId="7"/><xf numFmtId="170"/></cellXfs></styleSheet>)";
    EXPECT_EQ(styleCurrencies(styles),
              (QStringList{QString(), QStringLiteral("EUR"), QStringLiteral("USD"), Roubles, Roubles,
                           QStringLiteral("CNY"), QString(), QString(), QString()}));
    EXPECT_TRUE(styleCurrencies("<not xml").isEmpty());
}

TEST(XlsxStyles, PricesFormattedAsCurrencyKeepIt)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("usd.xlsx"));
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"), QStringLiteral(R"(import sys, openpyxl
wb = openpyxl.Workbook()
ws = wb.active
ws.append(['Model', 'Price'])
ws.append(['A', 12.5])
ws['B2'].number_format = '[$$-409]#,##0.00'
ws.append(['B', 3])
ws['B3'].number_format = '#,##0.00 [$€-407]'
ws.append(['C', 990])
wb.save(sys.argv[1]))"),
                  path});
    ASSERT_TRUE(python.waitForFinished(60000) && python.exitCode() == 0);
    const PriceImport import = importPriceFile(path, QDate(2026, 12, 8));
    ASSERT_EQ(import.outcome, PriceImport::Imported) << import.message.toStdString();
    ASSERT_EQ(import.list.entries.size(), 3);
    EXPECT_EQ(import.list.entries[0].currency, QStringLiteral("USD"));
    EXPECT_EQ(import.list.entries[0].priceMinor, 1250);
    EXPECT_EQ(import.list.entries[1].currency, QStringLiteral("EUR"));
    EXPECT_EQ(import.list.entries[2].currency, import.list.currency);
}
